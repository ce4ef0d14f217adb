// Start-up: where the configuration is looked for, what it says, how the
// database is chosen and opened, and what the user sees when start-up fails.

#include "ShellTestSupport.h"

#include "platform/data/ConfigBaseDados.h"
#include "platform/widgets/EscolhaBaseDados.h"
#include "platform/data/ConnectionString.h"
#include "platform/data/StringLigacao.h"
#include "platform/data/Versao.h"
#include "shell/FalhaNaoTratada.h"
#include "shell/mod_main.h"
#include "support/ErrorNumber.h"
#include "support/PlainSqlite.h"
#include "support/TempDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

void writeFile(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

QString configText(const QString& servidor, const QString& baseDados, const QString& utilizador,
                   const QString& senha = {})
{
    return QStringLiteral("[BaseDados]\nServidor=%1\nBaseDados=%2\nUtilizador=%3\nSenha=%4\n[Diversos]\nPercursoImagens=\n")
        .arg(servidor, baseDados, utilizador, senha);
}

// Sets TARVELO_PASTA_BASE for the life of the object.
class BaseFolder {
public:
    explicit BaseFolder(bool withDataFolder)
    {
        if (withDataFolder)
            QDir(dir_.path()).mkpath(QStringLiteral("TALVEX"));
        qputenv("TARVELO_PASTA_BASE", dir_.path().toUtf8());
    }
    ~BaseFolder() { qunsetenv("TARVELO_PASTA_BASE"); }
    QString dataFolder() const { return dir_.path() + QStringLiteral("/TALVEX"); }

private:
    QTemporaryDir dir_;
};

// Server, database, user and password, as the configuration gives them.
QStringList settingsOf(const zav::ConfigBaseDados& config)
{
    return {config.Servidor(), config.BaseDados(), config.Utilizador(), config.Senha()};
}

class StartUp : public ::testing::Test {
protected:
    void TearDown() override { mod_main::Termina(); }
    shelltest::TemporarySettings settings;
};

} // namespace

TEST(ConfigurationPath, IsInTheDataFolderOrElseTheProgramFolder)
{
    for (bool withDataFolder : {true, false}) {
        BaseFolder base(withDataFolder);
        const QString folder = withDataFolder ? base.dataFolder() : QCoreApplication::applicationDirPath();
        EXPECT_EQ(mod_main::PastaDados(), folder);
        EXPECT_EQ(mod_main::CaminhoDaConfiguracao(QString()), folder + "/Tarvelo.zav");
        EXPECT_EQ(mod_main::CaminhoDaConfiguracao("Outra Empresa.zav"), folder + "/Outra Empresa.zav");
    }
    // Even a full path is a name inside the data folder.
    BaseFolder base(true);
    EXPECT_EQ(mod_main::CaminhoDaConfiguracao("/etc/x.zav"), base.dataFolder() + "//etc/x.zav");
}

TEST(ConfigurationFile, ReadsSettingsAndResolvesARelativeSqliteFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Tarvelo.zav");
    writeFile(path, "; written by hand\n[basedados]\n servidor = sqlite \nBASEDADOS=dados/empresa.db\nUtilizador=ana\nSenha=s;e=gredo\n");
    zav::ConfigBaseDados config;
    config.setFicheiro(path);
    EXPECT_EQ(settingsOf(config), QStringList({"sqlite", dir.path() + "/dados/empresa.db", "ana", "s;e=gredo"}));

    // A SQL Server's database is a catalogue name, not a file.
    writeFile(path, configText("srv01", "EMPRESA01", "sa"));
    config.setFicheiro(path);
    EXPECT_EQ(config.BaseDados(), "EMPRESA01");

    config.setFicheiro(dir.filePath("missing.zav"));
    EXPECT_EQ(settingsOf(config).join(""), "");
}

TEST(ConfigurationFile, ChoosesFromTheCatalogue)
{
    QTemporaryDir dir;
    const QString catalogue = dir.filePath("Catalogos/bd.sql");
    writeFile(catalogue, "-- name|server|database|user|password\n\n"
                         "Demo | SQLite | demo.db | demo |\n"
                         "Empresa|srv01|EMPRESA01|sa|segredo\n");
    zav::PickListRequest offered;
    QString answer = "1";
    zav::Seam<QString(QWidget*, const zav::PickListRequest&)>::Override pick(
        zav::pickListSeam(), [&](QWidget*, const zav::PickListRequest& request) {
            offered = request;
            return answer;
        });

    zav::ConfigBaseDados config;
    config.setFicheiroCatalogo(catalogue);
    config.setEscolha(true);
    zav::EscolheBaseDados(config);
    ASSERT_EQ(offered.rows.size(), 2);
    EXPECT_TRUE(offered.columns[0].hidden);
    EXPECT_EQ(offered.rows[0], QStringList({"0", "Demo", "SQLite", dir.path() + "/Catalogos/demo.db"}));
    EXPECT_EQ(settingsOf(config), QStringList({"srv01", "EMPRESA01", "sa", "segredo"}));

    answer = "";  // cancelled: the values stay
    zav::EscolheBaseDados(config);
    EXPECT_EQ(settingsOf(config), QStringList({"srv01", "EMPRESA01", "sa", "segredo"}));

    // One database and no choice asked for: taken without asking.
    writeFile(catalogue, "Demo|SQLite|/x/demo.db|demo|\n");
    offered = {};
    zav::ConfigBaseDados single;
    single.setFicheiroCatalogo(catalogue);
    zav::EscolheBaseDados(single);
    EXPECT_TRUE(offered.rows.isEmpty());
    EXPECT_EQ(single.BaseDados(), "/x/demo.db");
}

TEST(ConnectionString, ValuesWithSeparatorsOrQuotesReachTheConnectionWhole)
{
    zav::StringLigacao ligacao;
    ligacao.Provider = "MSDataShape";
    ligacao.Modo = 1;
    ligacao.Servidor = "srv01";
    ligacao.BaseDados = "EMPRESA;01";
    ligacao.Utilizador = "o'neil";
    for (const QString senha : {"s;e=gredo", " pw ", "a\"b;", "plain"}) {
        ligacao.Senha = senha;
        const zav::ConnectionString lida = zav::ConnectionString::parse(ligacao.ConnectionString());
        EXPECT_EQ(lida.value("Password"), senha) << senha.toStdString();
        EXPECT_EQ(lida.value("Initial Catalog"), "EMPRESA;01");
        EXPECT_EQ(lida.value("User ID"), "o'neil");
        EXPECT_EQ(lida.value("Data Source"), "srv01");
        EXPECT_EQ(lida.value("Data Provider"), "SQLOLEDB");
        EXPECT_EQ(lida.value("Provider"), "MSDataShape");
    }
    // The embedded database is a file, whatever the user and password.
    ligacao.Servidor = "SQLite";
    ligacao.BaseDados = "/dados/a;b.db";
    const zav::ConnectionString sqlite = zav::ConnectionString::parse(ligacao.ConnectionString());
    EXPECT_EQ(sqlite.value("Data Provider"), "SQLite");
    EXPECT_EQ(sqlite.sqliteFile(), "/dados/a;b.db");
    EXPECT_EQ(sqlite.value("Password"), "");

    ligacao.Servidor = "srv01";
    ligacao.Senha = "a'b\"c";
    EXPECT_EQ(zav::test::errorNumberOf([&] { ligacao.ConnectionString(); }), 5u);
    ligacao.Senha = "pw";
    ligacao.Modo = 2;
    EXPECT_EQ(zav::test::errorNumberOf([&] { ligacao.ConnectionString(); }), 5u);
}

TEST(VersionText, PlainDecimalParts)
{
    zav::Versao versao;
    versao.Numero = "24.5.2";
    EXPECT_EQ(versao.Texto(), "24.5.2");
    versao.Numero = "024.05";
    EXPECT_EQ(versao.Texto(), "24.5.0");
    versao.Numero = "24.x.1";
    EXPECT_EQ(zav::test::errorNumberOf([&] { versao.Texto(); }), zav::errors::TypeMismatch);
}

TEST_F(StartUp, ShowsTheCompanyAndVersionOnTheMainWindow)
{
    BaseFolder base(true);
    zav::test::TempDatabase empresa;
    empresa.exec({"CREATE TABLE EMPRESA (NumContr TEXT, NOME TEXT)",
                  "INSERT INTO EMPRESA (NumContr, NOME) VALUES ('500100200', 'Confecções Tarvelo, Lda')"});
    writeFile(base.dataFolder() + "/Tarvelo.zav", configText("SQLite", empresa.path(), "demo"));

    mod_main::Main(QString(), {});
    ASSERT_TRUE(mod_main::JanelaPrincipal);
    frmMain& janela = *mod_main::JanelaPrincipal;
    EXPECT_EQ(mod_main::CaminhoConfiguracao, base.dataFolder() + "/Tarvelo.zav");
    EXPECT_EQ(janela.bd, mod_main::bd.get());
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.windowTitle(), "[Confecções Tarvelo, Lda]");
    EXPECT_EQ(janela.Painel(6)->text(), QStringLiteral("Versão: %1.%2.%3")
                                            .arg(TARVELO_VERSION_MAJOR)
                                            .arg(TARVELO_VERSION_MINOR)
                                            .arg(TARVELO_VERSION_PATCH));
}

// An earlier build keyed 'ção' and 'ÇÃO' apart; now they are one key, so the
// indexes cannot be rebuilt. Start-up says so, naming them, and the company
// opens for reports without any table added.
TEST_F(StartUp, ACompanyThatCannotBeRebuiltIsSaidSoAndOnlyRead)
{
    BaseFolder base(true);
    const QString file = base.dataFolder() + "/anterior.db";
    {
        zav::test::PlainSqlite earlier(file);
        earlier.compareAsEarlierBuild(0);
        ASSERT_EQ(earlier.exec("CREATE TABLE EMPRESA (NOME VARCHAR(40) COLLATE ERP_NOCASE, NumContr TEXT);"
                               "INSERT INTO EMPRESA (NOME) VALUES ('Confecções Tarvelo, Lda');"
                               "CREATE TABLE Artigos (Codigo VARCHAR(15) COLLATE ERP_NOCASE PRIMARY KEY);"
                               "INSERT INTO Artigos VALUES ('ção'), ('ÇÃO')"),
                  SQLITE_OK);
    }
    writeFile(base.dataFolder() + "/Tarvelo.zav", configText("SQLite", file, "demo"));
    shelltest::MessageRecorder messages;

    mod_main::Main(QString(), {});
    ASSERT_EQ(messages.requests.size(), 1);
    EXPECT_EQ(messages.requests[0].title, QString::fromUtf8("Informação"));
    EXPECT_EQ(messages.requests[0].icon, zav::MessageIcon::Information);
    EXPECT_EQ(messages.requests[0].text, mod_main::bd->readOnlyReason());
    for (const char* named : {"Artigos (Codigo): ", "'ção'", "'ÇÃO'"})
        EXPECT_TRUE(messages.requests[0].text.contains(QString::fromUtf8(named))) << named;
    ASSERT_TRUE(mod_main::JanelaPrincipal);
    EXPECT_EQ(mod_main::JanelaPrincipal->windowTitle(), QString::fromUtf8("[Confecções Tarvelo, Lda]"));
    EXPECT_EQ(mod_main::bd->AbreRecordset(QString(), "select count(*) from sqlite_schema where name like 'zav%'")
                  ->Fields(0).text(),
              "0");
}

// A mistyped database name stops start-up with a numbered error before the
// main window, never leaving an empty database behind that later starts
// would fill with the add-on tables.
TEST_F(StartUp, AMissingDatabaseFileIsShownAndEndsBeforeTheMainWindowMakingNoFile)
{
    BaseFolder base(true);
    const QString typo = base.dataFolder() + "/empresa-mal-escrita.db";
    writeFile(base.dataFolder() + "/Tarvelo.zav", configText("SQLite", "empresa-mal-escrita.db", "demo"));
    shelltest::MessageRecorder messages;

    EXPECT_NE(FalhaNaoTratada::Protege([] { mod_main::Main(QString(), {}); }), 0);
    EXPECT_FALSE(mod_main::JanelaPrincipal);
    EXPECT_FALSE(QFile::exists(typo));
    ASSERT_EQ(messages.requests.size(), 1);
    EXPECT_EQ(messages.requests[0].text,
              QString::fromUtf8("Erro de execução '80004005':\n\nO ficheiro da base de dados %1 não existe.").arg(typo));
    EXPECT_EQ(messages.requests[0].icon, zav::MessageIcon::Critical);
    EXPECT_EQ(messages.requests[0].title, "Tarvelo");
}

TEST_F(StartUp, AMissingSettingAsksTheCatalogueAndWithoutOneTheErrorNamesTheConfigurationFile)
{
    BaseFolder base(true);
    const QString catalogue = QCoreApplication::applicationDirPath() + "/Catalogos/bd.sql";
    ASSERT_FALSE(QFile::exists(catalogue));
    const QString config = base.dataFolder() + "/Tarvelo.zav";
    shelltest::MessageRecorder messages;

    EXPECT_NE(FalhaNaoTratada::Protege([] { mod_main::Main(QString(), {}); }), 0);
    EXPECT_FALSE(mod_main::JanelaPrincipal);
    ASSERT_EQ(messages.requests.size(), 1);
    EXPECT_EQ(messages.requests[0].text,
              QString::fromUtf8("Erro de execução '80004005':\n\nO ficheiro de configuração \"%1\" não tem as "
                                "definições da base de dados (Servidor, BaseDados e Utilizador na secção "
                                "[BaseDados]): o ficheiro não existe. Nenhuma base de dados foi escolhida do "
                                "catálogo \"%2\".")
                  .arg(config, catalogue));

    // A file without the settings (here only the images folder) is named the same way.
    writeFile(config, "[Diversos]\nPercursoImagens=/fotos\n");
    messages.requests.clear();
    EXPECT_NE(FalhaNaoTratada::Protege([] { mod_main::Main(QString(), {}); }), 0);
    ASSERT_EQ(messages.requests.size(), 1);
    EXPECT_TRUE(messages.requests[0].text.contains(QString::fromUtf8("O ficheiro de configuração \"%1\" não tem").arg(config)));
    EXPECT_FALSE(messages.requests[0].text.contains(QString::fromUtf8("não existe")));

    // A user alone may be missing on the embedded database: it still opens.
    zav::test::TempDatabase empresa;
    empresa.exec({"CREATE TABLE EMPRESA (NumContr TEXT, NOME TEXT)"});
    writeFile(config, configText("SQLite", empresa.path(), ""));
    messages.requests.clear();
    EXPECT_EQ(FalhaNaoTratada::Protege([] { mod_main::Main(QString(), {}); }), 0);
    EXPECT_TRUE(messages.requests.isEmpty());

    // With the catalogue beside the program, a missing setting asks for the
    // database; an empty password does not. (One test: the catalogue's place
    // is the program's, which every test of this program shares.)
    zav::test::TempDatabase chosen;
    writeFile(catalogue, "Escolhida|SQLite|" + chosen.path() + "|demo|\n");
    int asked = 0;
    zav::Seam<QString(QWidget*, const zav::PickListRequest&)>::Override pick(
        zav::pickListSeam(), [&](QWidget*, const zav::PickListRequest&) {
            ++asked;
            return QStringLiteral("0");
        });

    struct Case {
        QString servidor, baseDados, utilizador, senha;
        int asks;
    };
    const QList<Case> cases = {
        {"SQLite", chosen.path(), "demo", "", 0},
        {"", chosen.path(), "demo", "x", 1},
        {"SQLite", "", "demo", "x", 1},
        {"SQLite", chosen.path(), "", "x", 1},
    };
    for (const Case& c : cases) {
        asked = 0;
        mod_main::CaminhoConfiguracao = config;
        writeFile(mod_main::CaminhoConfiguracao, configText(c.servidor, c.baseDados, c.utilizador, c.senha));
        mod_main::AbreBaseDados();
        EXPECT_EQ(asked, c.asks) << c.servidor.toStdString() << "/" << c.utilizador.toStdString();
        EXPECT_TRUE(mod_main::bd->isOpen());
    }
    QFile::remove(catalogue);
    QDir().rmdir(QFileInfo(catalogue).absolutePath());
}

// A failure raised by a slot while Qt delivers an event: shown, then the program
// ends at once with the failure's exit status. In a child process, since it ends it.
TEST(UnhandledFailureDeathTest, FailureInAnEventHandlerIsShownAndEndsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto clickThatFails = [] {
        zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override shown(
            zav::messageBoxSeam(), [](QWidget*, const zav::MessageRequest& request) {
                std::fprintf(stderr, "[%s] %s\n", qPrintable(request.title), qPrintable(request.text));
                return int(zav::vbOK);
            });
        QPushButton button("Carregar");
        QObject::connect(&button, &QPushButton::clicked, [] { throw zav::RuntimeError(zav::errors::ObjectNotFound, "no such table: DOCGCLIN"); });
        button.show();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), button.mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), button.mapToGlobal(QPointF(5, 5)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        FalhaNaoTratada::Entrega([&] { return QCoreApplication::sendEvent(&button, &press); });
        FalhaNaoTratada::Entrega([&] { return QCoreApplication::sendEvent(&button, &release); });
        std::fprintf(stderr, "still running\n");
        std::exit(0);
    };
    EXPECT_EXIT(clickThatFails(), ::testing::ExitedWithCode(FalhaNaoTratada::CodigoSaida),
                "\\[Tarvelo\\] Erro de execução '80040E37':\n\nno such table: DOCGCLIN\n$");
}

// The program's own words are Portuguese; what a database or the system says
// is shown as it said it.
TEST(UnhandledFailure, MessageCarriesNumberAndDescription)
{
    const auto mensagem = [](const std::exception& falha) { return FalhaNaoTratada::Mensagem(falha).toStdString(); };
    EXPECT_EQ(mensagem(zav::RuntimeError(zav::errors::ObjectNotFound, "Invalid object name 'X'.")),
              "Erro de execução '80040E37':\n\nInvalid object name 'X'.");
    EXPECT_EQ(mensagem(zav::RuntimeError(zav::errors::TypeMismatch)), "Erro de execução '13':\n\nTipos incompatíveis");
    EXPECT_EQ(mensagem(std::runtime_error("disk full")), "Erro de execução '80004005':\n\ndisk full");

    shelltest::MessageRecorder messages;
    EXPECT_EQ(FalhaNaoTratada::Protege([] {}), 0);
    EXPECT_TRUE(messages.requests.isEmpty());
    EXPECT_EQ(FalhaNaoTratada::Protege([] { throw zav::RuntimeError(zav::errors::Overflow); }),
              FalhaNaoTratada::CodigoSaida);
    // Anything thrown, not only the run time's errors.
    EXPECT_EQ(FalhaNaoTratada::Protege([] { throw 42; }), FalhaNaoTratada::CodigoSaida);
    ASSERT_EQ(messages.requests.size(), 2);
    EXPECT_EQ(messages.requests[0].text.toStdString(), "Erro de execução '6':\n\nCapacidade excedida");
    EXPECT_EQ(messages.requests[1].text.toStdString(), "Erro de execução '80004005':\n\nErro não especificado");
}
