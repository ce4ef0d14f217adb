// The editable grid: editing and its check, navigation, row delete, the cell
// button and the key notifications.

#include "FixtureManutencao.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace manutencao;

namespace {

class GrelhaEditavelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&janela);
        grelha = new zav::GrelhaEditavel(&janela);
        botao = new QPushButton("OK", &janela);
        layout->addWidget(grelha);
        layout->addWidget(botao);
        grelha->setLinhas(4);
        grelha->defineColunas({{"A", "Idioma", 1500, 3, true}, {"B", "Texto", 3000, 0, false}});
        grelha->setComportamentoTab(zav::GrelhaEditavel::ProximaCelula);
        QObject::connect(grelha, &zav::GrelhaEditavel::ValidaCelula,
                         [this](int linha, int coluna, const QString& anterior, bool& cancel) {
                             validacoes << QStringLiteral("%1,%2:%3>%4").arg(linha).arg(coluna).arg(anterior,
                                                                                         grelha->textoActual());
                             cancel = recusa;
                         });
        QObject::connect(grelha, &zav::GrelhaEditavel::EdicaoTerminada,
                         [this](int linha, int coluna) { terminadas << QStringLiteral("%1,%2").arg(linha).arg(coluna); });
        janela.show();
        QApplication::setActiveWindow(&janela);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
        vaiPara(*grelha, 0, 0);
    }

    QDialog janela;
    zav::GrelhaEditavel* grelha = nullptr;
    QPushButton* botao = nullptr;
    QStringList validacoes;
    QStringList terminadas;
    bool recusa = false;
};

} // namespace

TEST_F(GrelhaEditavelTest, TabEndsTheEditThroughItsCheckAndMovesOnToTheNextRow)
{
    grelha->setValor(0, 0, "old");
    digita("pt");
    EXPECT_TRUE(grelha->modoEdicao());
    prime(Qt::Key_Tab);
    EXPECT_EQ(validacoes, QStringList{"0,0:old>pt"});
    EXPECT_EQ(terminadas, QStringList{"0,0"});
    EXPECT_EQ(grelha->valor(0, 0), "pt");
    EXPECT_EQ(grelha->colunaActual(), 1);
    digita("x");
    prime(Qt::Key_Tab);
    EXPECT_EQ(grelha->linhaActual(), 1) << "Tab from the last column goes on to the next row";
    EXPECT_EQ(grelha->colunaActual(), 0);
    prime(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grelha->linhaActual(), 0);
    EXPECT_EQ(grelha->colunaActual(), 1);
}

TEST_F(GrelhaEditavelTest, ARefusedEditKeepsTheOldValueAndEscAbandonsAnEditWithoutACheck)
{
    grelha->setValor(0, 0, "EN");
    recusa = true;
    digita("zz");
    prime(Qt::Key_Tab);
    EXPECT_EQ(grelha->valor(0, 0), "EN");
    EXPECT_EQ(grelha->colunaActual(), 0);
    EXPECT_TRUE(grelha->modoEdicao()) << "left open, the typed text stays to be corrected";
    EXPECT_EQ(grelha->textoActual(), "zz");
    EXPECT_TRUE(grelha->editor()->hasFocus());
    prime(Qt::Key_Escape);
    EXPECT_FALSE(grelha->modoEdicao());
    EXPECT_EQ(grelha->valor(0, 0), "EN");
    EXPECT_EQ(validacoes.size(), 1) << "Esc checks nothing";
    EXPECT_EQ(terminadas, QStringList{"0,0"});

    recusa = false;
    digita("f");
    prime(Qt::Key_Down);
    EXPECT_EQ(grelha->valor(0, 0), "f");
    EXPECT_EQ(grelha->linhaActual(), 1);
}

// Column A holds 3 characters; another program stored longer texts. However
// its editor opens, the text stays whole, and typing adds nothing past the limit.
TEST_F(GrelhaEditavelTest, AnEditorOpenedOnAStoredTextLongerThanTheLimitKeepsItWhole)
{
    for (int r = 0; r < 3; ++r)
        grelha->setValor(r, 0, QStringLiteral("L%1-longo").arg(r));
    const QList<std::pair<const char*, std::function<void()>>> aberturas{
        {"F2", [] { prime(Qt::Key_F2); }},
        {"double click",
         [this] {
             QTableView* vista = grelha->vista();
             const QRect celula = vista->visualRect(vista->model()->index(1, 0));
             QTest::mouseDClick(vista->viewport(), Qt::LeftButton, Qt::NoModifier,
                                QPoint(celula.left() + 3, celula.center().y()));
         }},
        {"edit mode", [this] { grelha->setModoEdicao(true); }},
    };
    for (int r = 0; r < aberturas.size(); ++r) {
        const auto& [abertura, abre] = aberturas[r];
        vaiPara(*grelha, r, 0);
        abre();
        ASSERT_TRUE(grelha->modoEdicao()) << abertura;
        EXPECT_EQ(grelha->textoActual(), QStringLiteral("L%1-longo").arg(r)) << abertura;
        grelha->editor()->end(false);
        digita("x");
        prime(Qt::Key_Tab);
        EXPECT_EQ(grelha->valor(r, 0), QStringLiteral("L%1-longo").arg(r)) << abertura;
    }
}

TEST_F(GrelhaEditavelTest, CtrlDeleteAnnouncesTheRowWhileItCanBeReadThenRemovesIt)
{
    for (int r = 0; r < 4; ++r)
        grelha->setValor(r, 0, QStringLiteral("L%1").arg(r));
    QString lida;
    QObject::connect(grelha, &zav::GrelhaEditavel::AnulaLinha,
                     [&] { lida = grelha->valor(grelha->linhaActual(), 0); });
    vaiPara(*grelha, 1, 1);
    prime(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(lida, "L1");
    EXPECT_EQ(grelha->linhas(), 3);
    EXPECT_EQ(grelha->valor(1, 0), "L2") << "the rows below move up";
    prime(Qt::Key_Delete);
    EXPECT_EQ(grelha->linhas(), 3) << "Delete alone deletes no row";
}

TEST_F(GrelhaEditavelTest, TheCellButtonAnswersF4AndAClickOnItOnly)
{
    QStringList botoes;
    QObject::connect(grelha, &zav::GrelhaEditavel::BotaoCelula,
                     [&](int linha, int coluna) { botoes << QStringLiteral("%1,%2").arg(linha).arg(coluna); });
    prime(Qt::Key_F4);
    vaiPara(*grelha, 0, 1);
    prime(Qt::Key_F4);
    EXPECT_EQ(botoes, QStringList{"0,0"}) << "the text column has no button";

    QTableView* vista = grelha->vista();
    const QRect celula = vista->visualRect(vista->model()->index(2, 0));
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(celula.right() - 3, celula.center().y()));
    EXPECT_EQ(botoes, (QStringList{"0,0", "2,0"}));
    EXPECT_EQ(grelha->linhaActual(), 2);
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(celula.left() + 3, celula.center().y()));
    EXPECT_EQ(botoes.size(), 2);
}

TEST_F(GrelhaEditavelTest, TheFocusLeavingTheGridEndsTheEditAndARefusalBringsItBack)
{
    digita("pt");
    botao->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(validacoes, QStringList{"0,0:>pt"});
    EXPECT_EQ(grelha->valor(0, 0), "pt");
    EXPECT_TRUE(botao->hasFocus());

    recusa = true;
    vaiPara(*grelha, 1, 0);
    digita("zz");
    botao->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(grelha->editor()->hasFocus());
    EXPECT_EQ(grelha->valor(1, 0), "");
    EXPECT_FALSE(grelha->terminaEdicao());
}

TEST_F(GrelhaEditavelTest, KeyNotificationsCarryPlatformCodesAndCanSwallowTheKey)
{
    QList<int> codigos;
    QObject::connect(grelha, &zav::GrelhaEditavel::Tecla, [&](int& codigo, Qt::KeyboardModifiers) {
        codigos << codigo;
        if (codigo == 'Q')
            codigo = 0;
    });
    QList<int> naEdicao;
    QObject::connect(grelha, &zav::GrelhaEditavel::TeclaEdicao,
                     [&](int, int, int& codigo, Qt::KeyboardModifiers) { naEdicao << codigo; });
    prime(Qt::Key_Right);
    prime(Qt::Key_Left);
    digita("q");
    EXPECT_FALSE(grelha->modoEdicao()) << "a swallowed key opens no edit";
    digita("ab");
    prime(Qt::Key_Escape);
    EXPECT_EQ(codigos, (QList<int>{39, 37, 'Q', 'A'}));
    EXPECT_EQ(naEdicao, (QList<int>{'B', 27}));
}
