#include "FichaAmostraTestSupport.h"

#include "samples/frmFichaAmostra_New.h"
#include "support/DataInteira.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>

namespace {

using namespace samplestest;

class FrmFichaAmostraNewTest : public FichaTest<frmFichaAmostra_New> {
protected:
    // The matrix as shown, a row a line: the colour, then each size and the total, "-" where empty.
    QStringList matriz() const
    {
        QStringList linhas;
        for (int linha = 0; linha < ficha->Grelha->rowCount(); ++linha) {
            QStringList celulas;
            for (int coluna = 0; coluna < ficha->Grelha->columnCount(); ++coluna) {
                const QString texto = ficha->Grelha->displayText(linha, coluna);
                if (!ficha->Grelha->column(coluna).hidden)
                    celulas << (texto.isEmpty() ? QStringLiteral("-") : texto);
            }
            linhas << celulas.join(' ');
        }
        return linhas;
    }

    // The photo shown, or empty.
    QString foto() const { return ficha->sFoto->isHidden() ? QString() : ficha->sFoto->Ficheiro(); }
};

TEST_F(FrmFichaAmostraNewTest, ValidatedReferenceFillsNameAndTitleAndAVariantIsRefused)
{
    frmFichaAmostra_New& f = abre();
    escreveReferencia("R1");
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(f.Label2[0]->text(), "Camisa d'Oxford");
    EXPECT_EQ(f.Titulo[1]->text(), "R1 - Camisa d'Oxford");

    // A variant is no reference; a quote is looked for as typed, not as SQL.
    for (const char* codigo : {"R1-BR-S", "R1' or ''='"}) {
        mensagens.clear();
        escreveReferencia(codigo);
        EXPECT_EQ(mensagens, QStringList{u("Referência não existente!")}) << codigo;
        EXPECT_TRUE(f.campo(0).editor()->hasFocus()) << "the focus stays to correct it";
        EXPECT_EQ(f.campo(0).Text(), codigo) << "the typed text stays";
        EXPECT_EQ(f.Label2[0]->text() + f.Titulo[1]->text(), "");
    }
}

TEST_F(FrmFichaAmostraNewTest, LoadShowsTheMatrixHeaderAndJpgPhotoAndLocksTheFilter)
{
    frmFichaAmostra_New& f = abre();
    escreveReferencia("R1");
    f.btCarga_Click();
    ASSERT_TRUE(mensagens.isEmpty()) << mensagens.join('|').toStdString();
    EXPECT_FALSE(f.GroupBox1->isEnabled());
    EXPECT_TRUE(f.btExcel->isEnabled() && f.btExcel->isHidden());
    EXPECT_EQ(cabecalho(), "F'1-Malhas d'Ave | Amostra d'algodao egipcio, gola italiana, punho 50 | Lavar a 30 graus");

    // Pendentes: what is still open; the line two months old is out of the window.
    EXPECT_EQ(matriz(), QStringList({"Branco 6 5 - 11", "Preto 5 - 1 6", "- - - - -", "Total 11 5 1 17"}));

    EXPECT_EQ(foto(), fixture.pastaFotos() + "R1.jpg") << "the .jpg before the .gif";
    EXPECT_GT(f.sFoto->imagem().pixelColor(30, 40).red(), 200) << "and shown";
}

// The header and the photo of each kind of reference.
TEST_F(FrmFichaAmostraNewTest, HeaderAndPhotoWhateverTheReferenceLacks)
{
    const QString fotos = fixture.pastaFotos();
    const QList<std::tuple<const char*, const char*, QString>> casos = {
        {"r1", "F'1-Malhas d'Ave | Amostra d'algodao egipcio, gola italiana, punho 50 | Lavar a 30 graus",
         fotos + "R1.jpg"},                                      // typed in lower case
        {"R2", "F'1-Malhas d'Ave |  | Forrada", fotos + "R2.gif"},  // no sample-card row, a .gif only
        {"R3", " |  | Com capuz", ""},                            // its supplier is none, no photo
        {"R4", " |  | ", ""},                                     // no supplier, no notes
    };
    frmFichaAmostra_New& f = abre();
    for (const auto& [referencia, esperado, fotografia] : casos) {
        f.btCancelar_Click();
        carrega(referencia);
        EXPECT_EQ(cabecalho(), esperado) << referencia;
        EXPECT_EQ(foto(), fotografia) << referencia;
        EXPECT_FALSE(f.Grelha->isHidden()) << referencia;
    }
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(FrmFichaAmostraNewTest, AnImagesFolderThatDoesNotExistIsSaidOnceOnOpeningAndNoneNamedIsNoFault)
{
    ASSERT_TRUE(QDir(fixture.pastaFotos()).removeRecursively());
    abre();
    EXPECT_EQ(mensagens, QStringList{u("A pasta das imagens \"%1\" não tem a pasta das fotografias \"%2_ARTG\".")
                                         .arg(fixture.pastaImagens(), fixture.prefixoImagens())})
        << "the images folder as it was set, without the photos' folder";
    mensagens.clear();

    ASSERT_TRUE(QDir(fixture.pastaImagens()).removeRecursively());
    frmFichaAmostra_New& f = abre();
    EXPECT_EQ(mensagens, QStringList{u("A pasta das imagens \"%1\" não existe.").arg(fixture.pastaImagens())})
        << "the images folder as it was set";
    carrega("R1");
    EXPECT_EQ(mensagens.size(), 1) << "not again at each load";
    EXPECT_TRUE(f.sFoto->isHidden());

    fixture.escreveConfiguracao(QString());
    mensagens.clear();
    abre();
    EXPECT_TRUE(mensagens.isEmpty());
}

// A site whose images folder is set without a separator, the prefix going on
// from its name: the photos are in "<folder><prefix>_ARTG", found without a word.
TEST_F(FrmFichaAmostraNewTest, ThePhotosAreWhereTheFolderAndThePrefixJoinAsTheyStand)
{
    const QString loja = QFileInfo(fixture.caminho()).dir().filePath("Loja");
    const QString fotos = loja + fixture.prefixoImagens() + "_ARTG/";
    ASSERT_TRUE(QDir().mkpath(fotos));
    FixtureFicha::fotografia(fotos + "R1.jpg", Qt::red);
    fixture.escreveConfiguracao(loja);
    frmFichaAmostra_New& f = abre();
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('|').toStdString();
    carrega("R1");
    EXPECT_EQ(foto(), fotos + "R1.jpg");
    EXPECT_FALSE(f.sFoto->isHidden());
}

TEST_F(FrmFichaAmostraNewTest, AnUnknownReferenceOrOneWithoutOrdersInTheWindowIsNotLoaded)
{
    frmFichaAmostra_New& f = abre();
    f.btCarga_Click();
    carrega("R*");
    EXPECT_EQ(mensagens, (QStringList{u("Referência não existente!"), u("Referência não existente!")}));
    EXPECT_TRUE(f.Grelha->isHidden());
    mensagens.clear();
    carrega("R1");
    f.btCancelar_Click();
    carrega("R5");
    EXPECT_EQ(mensagens, QStringList{u("Não existe informação para a Referência selecionada!")});
    EXPECT_EQ(cabecalho(), " |  | ");
    EXPECT_TRUE(f.sFoto->isHidden() && f.Grelha->isHidden());
    EXPECT_TRUE(f.GroupBox1->isEnabled());
    EXPECT_EQ(f.campo(0).Text(), "R5") << "the filter panel keeps what was typed";
    EXPECT_FALSE(ocupadoDuranteMensagem) << "the busy pointer is gone before the message shows";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Widened to three months, the old order counts.
    mensagens.clear();
    f.Data[0]->setDateTime(QDateTime::currentDateTime().addMonths(-3));
    f.btCarga_Click();
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(f.cmp(4).Text(), "Amostra de seda");
    EXPECT_FALSE(f.sFoto->isHidden());
}

TEST_F(FrmFichaAmostraNewTest, SatisfeitasGivesNegativeCellsWhereMoreIsOpenThanOrdered)
{
    frmFichaAmostra_New& f = abre();
    f.Option1[2]->setChecked(true);
    carrega("R1");
    EXPECT_EQ(matriz(), QStringList({"Branco 4 - - 4", "Preto -3 - 3 -", "- - - - -", "Total 1 - 3 4"}));

    f.btCancelar_Click();
    f.Option1[0]->setChecked(true);
    carrega("R1");
    EXPECT_EQ(matriz(), QStringList({"Branco 10 5 - 15", "Preto 2 - 4 6", "- - - - -", "Total 12 5 4 21"}))
        << "Todas: everything ordered";
}

TEST_F(FrmFichaAmostraNewTest, OpensEmptyAndCancelClearsTheCardAndUnlocksTheFilter)
{
    frmFichaAmostra_New& f = abre();
    esperaVazia();
    EXPECT_EQ(f.campo(0).MaxLength(), 15) << "an article's code whole";
    for (const QDateTimeEdit* data : f.Data)
        EXPECT_LE(zav::test::faltaParaDataInteira(*data), 0) << "the whole date reads";
    EXPECT_LT(f.Data[0]->geometry().right(), f.Label2[4]->x()) << "the first date beside, not under, the next label";
    EXPECT_TRUE(f.btExcel->isHidden());
    EXPECT_TRUE(mensagens.isEmpty());
    f.Option1[0]->setChecked(true);
    f.Data[0]->setDateTime(QDateTime::currentDateTime().addYears(-1));
    carrega("R1");
    f.btCancelar_Click();
    esperaVazia();
}

TEST_F(FrmFichaAmostraNewTest, TheWindowGrowsWithTheMatrixAndTheLockedReferenceLooksLocked)
{
    frmFichaAmostra_New& f = abre();
    const QSize desenho = f.size();
    const int topoBotoes = f.btSair->y();
    const auto fundo = [](QWidget& w) { return w.grab().toImage().pixelColor(w.width() - 5, w.height() / 2); };
    EXPECT_EQ(fundo(f.campo(0)), QColor(Qt::white));
    carrega("R12");
    QApplication::processEvents();
    ASSERT_LT(f.frameGeometry().height(), f.screen()->availableGeometry().height()) << "a matrix the screen holds";
    const QTableView* vista = f.Grelha->view();
    const QModelIndex total = vista->model()->index(vista->model()->rowCount() - 1, f.Grelha->columnIndex("Cor"));
    EXPECT_EQ(total.data().toString(), "Total");
    EXPECT_LE(vista->visualRect(total).bottom(), vista->viewport()->height()) << "the last row shows unscrolled";
    EXPECT_GT(f.height(), desenho.height());
    EXPECT_GT(f.btSair->y(), f.Grelha->geometry().bottom());
    EXPECT_LE(f.btSair->geometry().bottom(), f.height());
    EXPECT_NE(fundo(f.campo(0)), QColor(Qt::white));
    EXPECT_EQ(fundo(f.cmp(4)), QColor(Qt::white)) << "the header's fields print on white";

    f.btCancelar_Click();
    EXPECT_EQ(f.size(), desenho);
    EXPECT_EQ(f.btSair->y(), topoBotoes);
    EXPECT_EQ(fundo(f.campo(0)), QColor(Qt::white));
}

// A matrix taller than the screen: the window grows as far as the screen
// lets it, the grid scrolls and the buttons stay on the screen. The reference
// is locked, so Esc, which closes the card from it, does nothing; "&Sair" does.
TEST_F(FrmFichaAmostraNewTest, PastTheScreensHeightTheMatrixScrollsAndTheButtonsStayOnScreen)
{
    frmFichaAmostra_New& f = abre();
    const int desenho = f.height();
    const int semGrelha = f.height() - f.Grelha->height();
    escreveReferencia("R30");
    f.btCarga->click();
    QApplication::processEvents();
    const QRect livre = f.screen()->availableGeometry();
    ASSERT_GT(semGrelha + f.alturaDaMatrizInteira(), livre.height()) << "a matrix the screen cannot hold whole";
    EXPECT_GT(f.height(), desenho);
    const auto naAltura = [&](const QRect& r) { return r.top() >= livre.top() && r.bottom() <= livre.bottom(); };
    EXPECT_TRUE(naAltura(f.frameGeometry())) << f.frameGeometry().height() << " px high, the screen " << livre.height();
    for (QPushButton* botao : {f.btCancelar, f.btImp, f.btSair}) {
        EXPECT_GT(botao->y(), f.Grelha->geometry().bottom());
        EXPECT_TRUE(naAltura(QRect(botao->mapToGlobal(QPoint()), botao->size()))) << botao->text().toStdString();
    }
    QTableView* vista = f.Grelha->view();
    EXPECT_GT(vista->verticalScrollBar()->maximum(), 0);
    vista->scrollToBottom();
    const QModelIndex total = vista->model()->index(vista->model()->rowCount() - 1, f.Grelha->columnIndex("Cor"));
    EXPECT_EQ(total.data().toString(), "Total");
    EXPECT_TRUE(vista->viewport()->rect().contains(vista->visualRect(total))) << "the totals scrolled to";

    QTest::keyClick(&f, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(f.isVisible());
    QTest::keyClick(&f, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.isVisible(); }));
}

TEST_F(FrmFichaAmostraNewTest, TheOptionsAreOneTabStopOnTheChosenOneAndEscInTheReferenceCloses)
{
    frmFichaAmostra_New& f = abre();
    const auto tecla = [](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, m);
        QApplication::processEvents();
    };
    f.btSair->setFocus();
    tecla(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), f.Option1[1]) << "Pendentes, the chosen one";
    tecla(Qt::Key_Up);
    EXPECT_TRUE(f.Option1[0]->isChecked());
    tecla(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.btSair) << "out of the group at once";
    tecla(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), f.Option1[0]);

    // Esc in the reference closes the card.
    f.campo(0).setFocus();
    tecla(Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
}

} // namespace
