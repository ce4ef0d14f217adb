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
#include "support/TempDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
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

class StartUp : public ::testing::Test {
protected:
    void TearDown() override { mod_main::Termina(); }
    shelltest::TemporarySettings settings;
};

} // namespace

TEST(ConfigurationPath, IsInTheDataFolderWithOrWithoutCommandLine)
{
    BaseFolder base(true);
    EXPECT_EQ(mod_main::PastaDados(), base.dataFolder());
    EXPECT_EQ(mod_main::CaminhoDaConfiguracao(QString()), base.dataFolder() + "/Tarvelo.zav");
    EXPECT_EQ(mod_main::CaminhoDaConfiguracao("Outra Empresa.zav"), base.dataFolder() + "/Outra Empresa.zav");
    // Even a full path is a name inside the data folder.
    EXPECT_EQ(mod_main::CaminhoDaConfiguracao("/etc/x.zav"), base.dataFolder() + "//etc/x.zav");
}

TEST(ConfigurationPath, FallsBackToTheProgramFolderWithoutTalvex)
{
    BaseFolder base(false);
    EXPECT_EQ(mod_main::PastaDados(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(mod_main::CaminhoDaConfiguracao(QString()), QCoreApplication::applicationDirPath() + "/Tarvelo.zav");
    EXPECT_EQ(mod_main::CaminhoDaConfiguracao("a.zav"), QCoreApplication::applicationDirPath() + "/a.zav");
}

TEST(ConfigurationFile, ReadsSettingsAndResolvesARelativeSqliteFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Tarvelo.zav");
    writeFile(path, "; written by hand\n[basedados]\n servidor = sqlite \nBASEDADOS=dados/empresa.db\nUtilizador=ana\nSenha=s;e=gredo\n");
    zav::ConfigBaseDados config;
    config.setFicheiro(path);
    EXPECT_EQ(config.Servidor(), "sqlite");
    EXPECT_EQ(config.BaseDados(), dir.path() + "/dados/empresa.db");
    EXPECT_EQ(config.Utilizador(), "ana");
    EXPECT_EQ(config.Senha(), "s;e=gredo");

    // A SQL Server's database is a catalogue name, not a file.
    writeFile(path, configText("srv01", "EMPRESA01", "sa"));
    config.setFicheiro(path);
    EXPECT_EQ(config.BaseDados(), "EMPRESA01");

    config.setFicheiro(dir.filePath("missing.zav"));
    EXPECT_TRUE(config.Servidor().isEmpty());
    EXPECT_TRUE(config.BaseDados().isEmpty());
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
    EXPECT_EQ(config.Servidor(), "srv01");
    EXPECT_EQ(config.BaseDados(), "EMPRESA01");
    EXPECT_EQ(config.Utilizador(), "sa");
    EXPECT_EQ(config.Senha(), "segredo");

    answer = "";  // cancelled: the values stay
    zav::EscolheBaseDados(config);
    EXPECT_EQ(config.Servidor(), "srv01");

    // One database and no choice asked for: taken without asking.
    writeFile(catalogue, "Demo|SQLite|/x/demo.db|demo|\n");
    offered = {};
    zav::ConfigBaseDados single;
    single.setFicheiroCatalogo(catalogue);
    zav::EscolheBaseDados(single);
    EXPECT_TRUE(offered.rows.isEmpty());
    EXPECT_EQ(single.BaseDados(), "/x/demo.db");
}

TEST(ConnectionString, SqliteAndSqlServerForms)
{
    zav::StringLigacao ligacao;
    ligacao.Provider = "MSDataShape";
    ligacao.Modo = 1;
    ligacao.Servidor = "SQLITE";
    ligacao.BaseDados = "/d/e.db";
    ligacao.Utilizador = "demo";
    EXPECT_EQ(ligacao.ConnectionString(), "Provider=MSDataShape;Data Provider=SQLite;Data Source=/d/e.db");
    ligacao.Servidor = "srv01";
    ligacao.BaseDados = "EMPRESA01";
    ligacao.Utilizador = "sa";
    ligacao.Senha = "pw";
    EXPECT_EQ(ligacao.ConnectionString(),
              "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=srv01;Initial Catalog=EMPRESA01;User ID=sa;Password=pw");
    ligacao.Modo = 2;
    EXPECT_EQ(zav::test::errorNumberOf([&] { ligacao.ConnectionString(); }), 5u);
}

TEST(ConnectionString, ValuesWithSeparatorsOrQuotesReachTheConnectionWhole)
{
    zav::StringLigacao ligacao;
    ligacao.Provider = "MSDataShape";
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
    }
    ligacao.Servidor = "SQLite";
    ligacao.BaseDados = "/dados/a;b.db";
    EXPECT_EQ(zav::ConnectionString::parse(ligacao.ConnectionString()).sqliteFile(), "/dados/a;b.db");

    ligacao.Servidor = "srv01";
    ligacao.Senha = "a'b\"c";
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

TEST_F(StartUp, EmptySettingAsksForTheDatabaseButAnEmptyPasswordDoesNot)
{
    zav::test::TempDatabase chosen;
    QTemporaryDir dir;
    const QString catalogue = QCoreApplication::applicationDirPath() + "/Catalogos/bd.sql";
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
        mod_main::CaminhoConfiguracao = dir.filePath("Tarvelo.zav");
        writeFile(mod_main::CaminhoConfiguracao, configText(c.servidor, c.baseDados, c.utilizador, c.senha));
        mod_main::AbreBaseDados();
        EXPECT_EQ(asked, c.asks) << c.servidor.toStdString() << "/" << c.utilizador.toStdString();
        EXPECT_TRUE(mod_main::bd->isOpen());
    }
    QFile::remove(catalogue);
    QDir().rmdir(QFileInfo(catalogue).absolutePath());
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
    EXPECT_EQ(janela.Painel(1)->text(), "Status");
    EXPECT_EQ(janela.Painel(6)->text(), QStringLiteral("Versão: %1.%2.%3")
                                            .arg(TARVELO_VERSION_MAJOR)
                                            .arg(TARVELO_VERSION_MINOR)
                                            .arg(TARVELO_VERSION_PATCH));
}

TEST_F(StartUp, AFailureIsShownAndEndsBeforeTheMainWindow)
{
    BaseFolder base(true);
    writeFile(base.dataFolder() + "/Tarvelo.zav", configText("SQLite", "/no/such/folder/empresa.db", "demo"));
    shelltest::MessageRecorder messages;

    const int status = FalhaNaoTratada::Protege([] { mod_main::Main(QString(), {}); });
    EXPECT_NE(status, 0);
    EXPECT_FALSE(mod_main::JanelaPrincipal);
    ASSERT_EQ(messages.requests.size(), 1);
    EXPECT_TRUE(messages.requests[0].text.startsWith(QString::fromUtf8("Erro de execução '")))
        << messages.requests[0].text.toStdString();
    EXPECT_EQ(messages.requests[0].icon, zav::MessageIcon::Critical);
    EXPECT_EQ(messages.requests[0].title, "Tarvelo");
}

TEST_F(StartUp, WithoutSettingsOrCatalogueTheErrorNamesTheConfigurationFile)
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

    // Anything thrown, not only the run time's errors.
    const auto strangeThrow = [] {
        zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override shown(
            zav::messageBoxSeam(), [](QWidget*, const zav::MessageRequest& request) {
                std::fprintf(stderr, "%s\n", qPrintable(request.text));
                return int(zav::vbOK);
            });
        FalhaNaoTratada::Entrega([]() -> bool { throw 42; });
        std::exit(0);
    };
    EXPECT_EXIT(strangeThrow(), ::testing::ExitedWithCode(FalhaNaoTratada::CodigoSaida),
                "Erro de execução '80004005':\n\nErro não especificado");
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
    ASSERT_EQ(messages.requests.size(), 1);
    EXPECT_EQ(messages.requests[0].text.toStdString(), "Erro de execução '6':\n\nCapacidade excedida");
}
