// The main window: menu, caption, placement and the way screens are opened.

#include "ShellTestSupport.h"

#include "platform/widgets/BarraMenus.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/zav_input.h"
#include "reports/frmMapas.h"
#include "shell/frmMain.h"
#include "support/TempDatabase.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// Remembers what the opener handed it, then closes itself as soon as it shows.
class EcraDeTeste : public EcraComOpcao {
public:
    explicit EcraDeTeste(QWidget* parent) : EcraComOpcao(parent) { ++criados; }
    ~EcraDeTeste() override { ++destruidos; }

    void Form_Load() override
    {
        bdVisto = bd;
        opcaoVista = iOpcao;
        ++carregamentos;
        EXPECT_EQ(carregamentos, 1);  // each opening starts from a fresh screen
        QTimer::singleShot(0, this, [this] {
            modalVisto = isModal() && isVisible();
            modalAoMostrar = modalVisto;
            accept();
        });
    }

    int carregamentos = 0;
    bool modalVisto = false;
    static inline int criados = 0;
    static inline int destruidos = 0;
    static inline zav::zavCoreDataAccess2016* bdVisto = nullptr;
    static inline int opcaoVista = -1;
    static inline bool modalAoMostrar = false;
};

QStringList captionsOf(const QList<QAction*>& actions)
{
    QStringList captions;
    for (QAction* action : actions)
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

class MainWindow : public ::testing::Test {
protected:
    shelltest::TemporarySettings settings;
};

} // namespace

TEST_F(MainWindow, MenuHasEveryItemAndOnlyBuiltScreensAreOn)
{
    frmMain janela({{"QuantRef", fabricaDe<EcraDeTeste>()}, {"Col", fabricaDe<EcraDeTeste>()},
                    {"Class", fabricaDe<EcraDeTeste>()}});
    EXPECT_EQ(captionsOf(janela.barraMenus()->actions()),
              QStringList({"&Sair", "&Tarvelo", "M&oradas", "&Mapas", "&Artigos", "&Idiomas", "&Campos Amostra",
                           "&Fichas Composição"}));
    auto* mapas = janela.findChild<QMenu*>("Mp");
    ASSERT_TRUE(mapas);
    EXPECT_EQ(captionsOf(mapas->actions()),
              QStringList({"&Encomendas/Referência", "Encomendas &Resumo", "Encomendas &Detalhe", "-", "&Ficha Amostra",
                           "-", "E&ncomendas", "-", "Referência/Cliente", "-", "Encomendas Fornecedor"}));
    auto* idiomas = janela.findChild<QMenu*>("Idiomas");
    ASSERT_TRUE(idiomas);
    EXPECT_EQ(captionsOf(idiomas->actions()),
              QStringList({"&Categorias", "&Tipos", "C&omposição", "C&lassificação", "-", "&Estação", "Col&eção", "-",
                           "&Tamanhos/Cores"}));

    EXPECT_TRUE(janela.item("sair")->isEnabled());
    EXPECT_TRUE(janela.item("QuantRef")->isEnabled());
    EXPECT_TRUE(janela.item("Col")->isEnabled());
    EXPECT_FALSE(janela.item("Class")->isEnabled());  // off even though its screen exists
    EXPECT_FALSE(janela.item("EncResumo")->isEnabled());  // same screen, mode not built
    EXPECT_FALSE(janela.item("Tarvelo")->isEnabled());
    EXPECT_FALSE(janela.item("Ficha")->isEnabled());
    EXPECT_FALSE(janela.item("FComp")->isEnabled());
    EXPECT_TRUE(janela.item("mm3")->isSeparator());
}

TEST_F(MainWindow, MenuItemOpensAFreshModalScreenWithBdAndMode)
{
    zav::test::TempDatabase database;
    TabelaEcras ecras;
    const QList<std::pair<QString, int>> items = {{"QuantRef", 1}, {"EncResumo", 2}, {"EncResumo", 2}, {"EncDet", 3},
                                                  {"RefCli", 5},   {"EncFor", 6},    {"Cat", 1},       {"Tipo", 2},
                                                  {"Compor", 3},   {"Est", 6},       {"Col", 5}};
    for (const auto& [controlo, modo] : items)
        ecras[controlo] = fabricaDe<EcraDeTeste>();
    frmMain janela(ecras);
    janela.bd = &database.bd();
    EcraDeTeste::criados = EcraDeTeste::destruidos = 0;

    for (const auto& [controlo, modo] : items) {
        EcraDeTeste::bdVisto = nullptr;
        EcraDeTeste::opcaoVista = -1;
        EcraDeTeste::modalAoMostrar = false;
        janela.item(controlo)->trigger();
        EXPECT_EQ(EcraDeTeste::bdVisto, &database.bd()) << controlo.toStdString();
        EXPECT_EQ(EcraDeTeste::opcaoVista, modo) << controlo.toStdString();
        EXPECT_TRUE(EcraDeTeste::modalAoMostrar) << controlo.toStdString();
    }
    EXPECT_EQ(EcraDeTeste::criados, items.size());
    EXPECT_EQ(EcraDeTeste::destruidos, items.size());
}

TEST(ScreenOpening, EnterInAFieldPressesNoButton)
{
    Ecra ecra;
    auto* layout = new QVBoxLayout(&ecra);
    auto* campo = new zav::zav_input(0, &ecra);
    auto* btLista = new QPushButton("...", &ecra);
    layout->addWidget(campo);
    layout->addWidget(btLista);
    int clicks = 0;
    QObject::connect(btLista, &QPushButton::clicked, [&] { ++clicks; });
    ecra.show();
    QApplication::setActiveWindow(&ecra);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ecra));

    campo->setFocus();
    QTest::keyClick(campo->editor(), Qt::Key_Return);
    QTest::keyClick(campo->editor(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(ecra.isVisible());

    btLista->setFocus();
    QTest::keyClick(btLista, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);

    // Leaving the button leaves no default behind.
    campo->setFocus();
    QTest::keyClick(campo->editor(), Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MainWindow, CaptionIsTheCompanyName)
{
    zav::test::TempDatabase database;
    database.exec({"CREATE TABLE EMPRESA (NumContr TEXT, NOME TEXT)"});
    frmMain janela;
    janela.bd = &database.bd();

    janela.setWindowTitle("before");
    janela.getNomeEmpresa();
    EXPECT_EQ(janela.windowTitle(), "");

    database.exec({"INSERT INTO EMPRESA (NumContr, NOME) VALUES ('1', '')"});
    janela.getNomeEmpresa();
    EXPECT_EQ(janela.windowTitle(), "[]");

    database.exec({"UPDATE EMPRESA SET NOME = 'Malhas do Ave, S.A.'"});
    janela.getNomeEmpresa();
    EXPECT_EQ(janela.windowTitle(), "[Malhas do Ave, S.A.]");
}

TEST_F(MainWindow, PlacementDefaultsRoundTripAndBadValues)
{
    {
        frmMain first;
        first.Form_Load();
        EXPECT_EQ(first.pos(), QPoint(zav::twipsToPixelsX(1000), zav::twipsToPixelsY(1000)));
        EXPECT_EQ(first.size(), QSize(zav::twipsToPixelsX(6500), zav::twipsToPixelsY(6500)));
        first.move(120, 80);
        first.resize(700, 500);
        first.close();
    }
    {
        QSettings stored("Tarvelo", "Tarvelo");
        EXPECT_EQ(stored.value("Settings/MainLeft").toString(), QString::number(zav::pixelsToTwipsX(120)));
        EXPECT_EQ(stored.value("Settings/MainHeight").toString(), QString::number(zav::pixelsToTwipsY(500)));
    }
    {
        frmMain second;
        second.Form_Load();
        EXPECT_EQ(second.pos(), QPoint(120, 80));
        EXPECT_EQ(second.size(), QSize(700, 500));

        // Closing while minimized keeps what was saved before.
        second.resize(300, 300);
        second.setWindowState(Qt::WindowMinimized);
        second.close();
    }
    {
        QSettings stored("Tarvelo", "Tarvelo");
        stored.setValue("Settings/MainLeft", "abc");
        stored.setValue("Settings/MainWidth", "");
    }
    frmMain third;
    third.Form_Load();
    EXPECT_EQ(third.pos(), QPoint(zav::twipsToPixelsX(1000), 80));
    EXPECT_EQ(third.size(), QSize(zav::twipsToPixelsX(6500), 500));
}

TEST_F(MainWindow, PlacementLeftAloneReadsBackUnchanged)
{
    const auto guardada = [] {
        QSettings stored("Tarvelo", "Tarvelo");
        QStringList valores;
        for (const char* chave : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
            valores << stored.value(QStringLiteral("Settings/") + chave).toString();
        return valores;
    };
    const auto abreEFecha = [](const std::function<void(frmMain&)>& entretanto = {}) {
        frmMain janela;
        janela.Form_Load();
        if (entretanto)
            entretanto(janela);
        janela.close();
    };

    abreEFecha();
    EXPECT_EQ(guardada(), QStringList({"1000", "1000", "6500", "6500"}));
    abreEFecha();
    EXPECT_EQ(guardada(), QStringList({"1000", "1000", "6500", "6500"}));

    {
        QSettings stored("Tarvelo", "Tarvelo");
        stored.setValue("Settings/MainLeft", "1234");
        stored.setValue("Settings/MainTop", "7");
        stored.setValue("Settings/MainWidth", "9001");
        stored.setValue("Settings/MainHeight", "4444");
    }
    abreEFecha();
    EXPECT_EQ(guardada(), QStringList({"1234", "7", "9001", "4444"}));

    // A side the user moved is saved where it now is, and reads back there.
    QPoint movida;
    abreEFecha([&](frmMain& janela) {
        janela.move(janela.x() + 1, janela.y());
        movida = janela.pos();
    });
    EXPECT_EQ(guardada().mid(1), QStringList({"7", "9001", "4444"}));
    EXPECT_NE(guardada()[0], "1234");
    frmMain depois;
    depois.Form_Load();
    EXPECT_EQ(depois.pos(), movida);
}

TEST_F(MainWindow, HasAnIconOfItsOwnThatTheOrderMapsCopy)
{
    frmMain janela;
    const QIcon icone = janela.windowIcon();
    ASSERT_FALSE(icone.isNull());
    for (int lado : {16, 32, 48})
        EXPECT_TRUE(icone.availableSizes().contains(QSize(lado, lado))) << lado;
    // Drawn for the program: a white "T" on a blue ground, corners left clear.
    const QImage imagem = icone.pixmap(32, 32).toImage();
    EXPECT_EQ(qAlpha(imagem.pixel(0, 0)), 0);
    EXPECT_EQ(imagem.pixelColor(16, 12), QColor(Qt::white));
    const QColor fundo = imagem.pixelColor(4, 20);
    EXPECT_GT(fundo.blue(), fundo.red());

    zav::test::TempDatabase database;
    frmMapas mapas(janela.CommonDialog1, &janela);
    mapas.bd = &database.bd();
    mapas.iOpcao = 1;
    mapas.Form_Load();
    EXPECT_EQ(mapas.windowIcon().cacheKey(), icone.cacheKey());
}

// Every top-level item shows at the window's default size: the bar takes a
// second line rather than hide items behind a "more" button.
TEST_F(MainWindow, EveryMenuItemShowsAtTheDefaultSize)
{
    frmMain janela;
    janela.Form_Load();
    janela.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));

    const auto verifica = [&](int linhasEsperadas) {
        QApplication::processEvents();
        zav::BarraMenus* barra = janela.barraMenus();
        EXPECT_EQ(barra->linhas().size(), linhasEsperadas) << janela.width();
        QList<QAction*> vistos;
        int fundoAnterior = 0;
        for (QMenuBar* linha : barra->linhas()) {
            EXPECT_TRUE(linha->isVisible());
            // Lines stack one under the other, inside the window, above its central area.
            const QRect naJanela(linha->mapTo(&janela, QPoint(0, 0)), linha->size());
            EXPECT_GE(naJanela.top(), fundoAnterior);
            EXPECT_TRUE(janela.rect().contains(naJanela));
            fundoAnterior = naJanela.bottom() + 1;
            auto* mais = linha->findChild<QToolButton*>("qt_menubar_ext_button");
            EXPECT_TRUE(!mais || !mais->isVisible());
            for (QAction* item : linha->actions()) {
                const QRect onde = linha->actionGeometry(item);
                EXPECT_FALSE(onde.isEmpty()) << item->text().toStdString();
                EXPECT_TRUE(linha->rect().contains(onde)) << item->text().toStdString();
                vistos << item;
            }
        }
        EXPECT_EQ(vistos, barra->actions());
        EXPECT_LE(fundoAnterior, janela.centralWidget() ? janela.centralWidget()->y() : janela.height());
    };
    ASSERT_EQ(janela.width(), zav::twipsToPixelsX(6500));
    verifica(2);

    janela.resize(1600, janela.height());
    verifica(1);
    // As narrow as the widest item: one or two a line.
    janela.resize(janela.barraMenus()->minimumSizeHint().width(), janela.height());
    EXPECT_GE(janela.barraMenus()->linhas().size(), 3);
    verifica(int(janela.barraMenus()->linhas().size()));
    janela.resize(zav::twipsToPixelsX(6500), janela.height());
    verifica(2);

}

TEST_F(MainWindow, AnItemOnTheSecondMenuLineAnswersItsAccessKey)
{
    frmMain janela({{"FComp", fabricaDe<EcraDeTeste>()}});
    janela.Form_Load();
    janela.show();
    QApplication::setActiveWindow(&janela);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    ASSERT_EQ(janela.barraMenus()->linhas().size(), 2);
    ASSERT_TRUE(janela.barraMenus()->linhas()[1]->actions().contains(janela.item("FComp")));

    EcraDeTeste::criados = 0;
    QTest::keyClick(&janela, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([] { return EcraDeTeste::criados == 1; }));
}
