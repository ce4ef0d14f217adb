// The main window: menu, caption, placement and the way screens are opened.

#include "ShellTestSupport.h"

#include "platform/widgets/BarraMenus.h"
#include "platform/widgets/Twips.h"
#include "reports/frmMapas.h"
#include "shell/frmMain.h"
#include "support/TempDatabase.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Remembers what the opener handed it, then closes itself as soon as it shows.
class EcraDeTeste : public EcraComOpcao {
public:
    explicit EcraDeTeste(QWidget* parent) : EcraComOpcao(parent) { ++criados; }
    ~EcraDeTeste() override { ++destruidos; }

    void Form_Load() override
    {
        vistos.append({bd, iOpcao, false});
        QTimer::singleShot(0, this, [this] {
            vistos.last().modal = isModal() && isVisible();
            accept();
        });
    }

    struct Visto {
        zav::zavCoreDataAccess2016* bd;
        int opcao;
        bool modal;
    };
    static inline QList<Visto> vistos;
    static inline int criados = 0;
    static inline int destruidos = 0;
};

const char* const Lados[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};

class MainWindow : public ::testing::Test {
protected:
    shelltest::TemporarySettings settings;
};

} // namespace

TEST_F(MainWindow, OnlyItemsWhoseScreenIsBuiltAreOn)
{
    frmMain janela({{"QuantRef", fabricaDe<EcraDeTeste>()}, {"Col", fabricaDe<EcraDeTeste>()},
                    {"Class", fabricaDe<EcraDeTeste>()}});
    for (const char* ligado : {"sair", "QuantRef", "Col"})
        EXPECT_TRUE(janela.item(ligado)->isEnabled()) << ligado;
    // Classifications stay off though their screen exists; the summary is the
    // same screen in a mode not built.
    for (const char* desligado : {"Class", "EncResumo", "Tarvelo", "Ficha", "FComp"})
        EXPECT_FALSE(janela.item(desligado)->isEnabled()) << desligado;
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
    EcraDeTeste::vistos.clear();
    for (const auto& [controlo, modo] : items)
        janela.item(controlo)->trigger();

    ASSERT_EQ(EcraDeTeste::vistos.size(), items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        EXPECT_EQ(EcraDeTeste::vistos[i].bd, &database.bd()) << items[i].first.toStdString();
        EXPECT_EQ(EcraDeTeste::vistos[i].opcao, items[i].second) << items[i].first.toStdString();
        EXPECT_TRUE(EcraDeTeste::vistos[i].modal) << items[i].first.toStdString();
    }
    EXPECT_EQ(EcraDeTeste::criados, items.size()) << "each opening a fresh screen";
    EXPECT_EQ(EcraDeTeste::destruidos, items.size());
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

// The placement is kept in twips: what the window was left at reads back
// unchanged, and only a side the user moved is saved anew.
TEST_F(MainWindow, PlacementIsSavedInTwipsAndReadBackUnchanged)
{
    const auto guarda = [](const QStringList& valores) {
        QSettings stored("Tarvelo", "Tarvelo");
        for (int i = 0; i < valores.size(); ++i)
            stored.setValue(QStringLiteral("Settings/") + Lados[i], valores[i]);
    };
    const auto guardada = [] {
        QSettings stored("Tarvelo", "Tarvelo");
        QStringList valores;
        for (const char* lado : Lados)
            valores << stored.value(QStringLiteral("Settings/") + lado).toString();
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
    EXPECT_EQ(guardada(), QStringList({"1000", "1000", "6500", "6500"})) << "the defaults";
    guarda({"1234", "7", "9001", "4444"});
    abreEFecha();
    EXPECT_EQ(guardada(), QStringList({"1234", "7", "9001", "4444"}));
    abreEFecha([](frmMain& janela) { janela.move(janela.x() + 1, janela.y()); });
    EXPECT_EQ(guardada().mid(1), QStringList({"7", "9001", "4444"}));
    EXPECT_NE(guardada()[0], "1234");

    // Moved and resized, it opens there again; closed minimized, it saves nothing.
    abreEFecha([](frmMain& janela) {
        janela.move(120, 80);
        janela.resize(700, 500);
    });
    const QStringList movida = guardada();
    abreEFecha([](frmMain& janela) {
        EXPECT_EQ(QRect(janela.pos(), janela.size()), QRect(120, 80, 700, 500));
        janela.resize(300, 300);
        janela.setWindowState(Qt::WindowMinimized);
    });
    EXPECT_EQ(guardada(), movida);

    // A value that is no number takes its default.
    guarda({"abc", "80", ""});
    frmMain janela;
    janela.Form_Load();
    EXPECT_EQ(QRect(janela.pos(), janela.size()),
              QRect(zav::twipsToPixelsX(1000), zav::twipsToPixelsY(80), zav::twipsToPixelsX(6500), 500));
}

TEST_F(MainWindow, HasAnIconOfItsOwnThatTheOrderMapsCopy)
{
    frmMain janela;
    const QIcon icone = janela.windowIcon();
    ASSERT_FALSE(icone.isNull());
    zav::test::TempDatabase database;
    frmMapas mapas(janela.CommonDialog1, &janela);
    mapas.bd = &database.bd();
    mapas.iOpcao = 1;
    mapas.Form_Load();
    EXPECT_EQ(mapas.windowIcon().cacheKey(), icone.cacheKey());
}

// Every top-level item shows at the window's default size: the bar takes a
// second line rather than hide items behind a "more" button, and an item on
// that line answers its access key.
TEST_F(MainWindow, EveryMenuItemShowsAtTheDefaultSizeAndAnswersItsAccessKey)
{
    frmMain janela({{"FComp", fabricaDe<EcraDeTeste>()}});
    janela.Form_Load();
    janela.show();
    QApplication::setActiveWindow(&janela);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));

    const auto verifica = [&](int linhasEsperadas) {
        QApplication::processEvents();
        zav::BarraMenus* barra = janela.barraMenus();
        EXPECT_EQ(barra->linhas().size(), linhasEsperadas) << janela.width();
        QList<QAction*> vistos;
        int fundoAnterior = 0;
        for (QMenuBar* linha : barra->linhas()) {
            // Lines stack one under the other, inside the window, above its central area.
            const QRect naJanela(linha->mapTo(&janela, QPoint(0, 0)), linha->size());
            EXPECT_GE(naJanela.top(), fundoAnterior);
            EXPECT_TRUE(linha->isVisible() && janela.rect().contains(naJanela));
            fundoAnterior = naJanela.bottom() + 1;
            auto* mais = linha->findChild<QToolButton*>("qt_menubar_ext_button");
            EXPECT_TRUE(!mais || !mais->isVisible());
            for (QAction* item : linha->actions()) {
                const QRect onde = linha->actionGeometry(item);
                EXPECT_TRUE(!onde.isEmpty() && linha->rect().contains(onde)) << item->text().toStdString();
                vistos << item;
            }
        }
        EXPECT_EQ(vistos, barra->actions());
        EXPECT_LE(fundoAnterior, janela.centralWidget() ? janela.centralWidget()->y() : janela.height());
    };
    ASSERT_EQ(janela.width(), zav::twipsToPixelsX(6500));
    verifica(2);
    ASSERT_TRUE(janela.barraMenus()->linhas()[1]->actions().contains(janela.item("FComp")));
    EcraDeTeste::criados = 0;
    QTest::keyClick(&janela, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([] { return EcraDeTeste::criados == 1; }));

    janela.resize(1600, janela.height());
    verifica(1);
    // As narrow as the widest item: one or two a line.
    janela.resize(janela.barraMenus()->minimumSizeHint().width(), janela.height());
    EXPECT_GE(janela.barraMenus()->linhas().size(), 3);
    verifica(int(janela.barraMenus()->linhas().size()));
}
