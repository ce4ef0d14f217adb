// The add-on's own tables: created when missing, each on its own, in order.

#include "demo/SqliteConnection.h"
#include "platform/data/TabelasAdicionais.h"
#include "shell/mod_main.h"
#include "support/ErrorNumber.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

namespace {

const QStringList AllTables = {"zav_FAMILIA",  "zav_SUBFAMIL", "zav_MEDTAMCO",      "zav_TabLiv01", "zav_TabLiv02",
                               "zav_TabLiv03", "zav_TabLiv04", "zav_ArtigoDetalhe", "zav_FichaAmostra"};

class AddOnTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        mod_main::bd = std::make_unique<zav::zavCoreDataAccess2016>();
        mod_main::bd->AbreLigacao(database.connectionString());
    }
    void TearDown() override { mod_main::Termina(); }

    // The zav_ tables in the order the database received them.
    QStringList tablesInCreationOrder()
    {
        const zav::RecordsetPtr rs = database.bd().AbreRecordset(
            QString(), "SELECT name FROM sqlite_master WHERE type = 'table' AND name LIKE 'zav!_%' ESCAPE '!' ORDER BY rowid");
        QStringList names;
        for (; !rs->Eof(); rs->MoveNext())
            names << rs->Fields(0).text();
        return names;
    }

    void startUp()
    {
        mod_main::CriaTabelasIdiomas();
        mod_main::CriaTabelaFichaAmostra();
    }

    zav::test::TempDatabase database;
};

} // namespace

TEST_F(AddOnTables, EmptyDatabaseGetsEveryTableInOrder)
{
    startUp();
    EXPECT_EQ(tablesInCreationOrder(), AllTables);

    // The fourth free table has the first one's layout and its own key.
    database.exec({"INSERT INTO zav_TabLiv04 (Chave, Idioma, Descr) VALUES ('A1', 'ING', 'Cotton')"});
    EXPECT_EQ(zav::test::errorNumberOf(
                  [&] { database.exec({"INSERT INTO zav_TabLiv04 (Chave, Idioma, Descr) VALUES ('a1', 'ing', 'x')"}); }),
              zav::errors::IntegrityViolation);
    EXPECT_EQ(database.bd().AbreRecordset(QString(), "select Chave from  zav_TabLiv04 ")->RecordCount(), 1);
}

TEST_F(AddOnTables, OnlyTheMissingTablesAreCreatedAndRowsStay)
{
    startUp();
    database.exec({"DROP TABLE zav_MEDTAMCO", "DROP TABLE zav_ArtigoDetalhe",
                   "INSERT INTO zav_TabLiv01 (Chave, Idioma, Descr) VALUES ('01', 'ING', 'Shirts')",
                   "INSERT INTO zav_FichaAmostra (Codigo, Descr) VALUES ('CM1001', 'Camisa')"});
    EXPECT_EQ(criaTabelasEmFalta(*mod_main::bd, tabelasIdiomas()), QStringList({"zav_MEDTAMCO", "zav_ArtigoDetalhe"}));
    EXPECT_TRUE(criaTabelasEmFalta(*mod_main::bd, tabelasFichaAmostra()).isEmpty());
    EXPECT_TRUE(criaTabelasEmFalta(*mod_main::bd, tabelasIdiomas()).isEmpty());
    EXPECT_EQ(tablesInCreationOrder().size(), AllTables.size());
    for (const char* table : {"zav_TabLiv01", "zav_FichaAmostra"})
        EXPECT_EQ(database.bd().AbreRecordset(QString(), QStringLiteral("SELECT * FROM %1").arg(table))->RecordCount(), 1);
}

// Only a missing table is created; a probe that fails for any other reason
// stops start-up with its own error at the first table, creating nothing.
namespace {

zav::RuntimeError erroQueParaOArranque()
{
    try {
        mod_main::CriaTabelasIdiomas();
    } catch (const zav::RuntimeError& erro) {
        return erro;
    }
    ADD_FAILURE() << "start-up must stop";
    return zav::RuntimeError(0, {});
}

} // namespace

TEST_F(AddOnTables, LockedDatabaseStopsStartUpAtTheFirstProbe)
{
    database.exec({"CREATE TABLE Outra (x int)"});
    demo::SqliteConnection other(database.path());
    demo::executeSql(other.database(), "BEGIN EXCLUSIVE");
    const zav::RuntimeError erro = erroQueParaOArranque();
    demo::executeSql(other.database(), "ROLLBACK");
    EXPECT_EQ(erro.number(), zav::errors::Unspecified);
    EXPECT_TRUE(erro.description().contains("locked")) << erro.what();
    EXPECT_TRUE(tablesInCreationOrder().isEmpty());
}

TEST_F(AddOnTables, ProbeFailingOnAnExistingTableIsNotTakenForAMissingOne)
{
    database.exec({"CREATE TABLE zav_FAMILIA (Codigo nvarchar(6))"});
    const zav::RuntimeError erro = erroQueParaOArranque();
    EXPECT_EQ(erro.number(), zav::errors::CommandError);
    EXPECT_TRUE(erro.description().contains("no such column")) << erro.what();
    EXPECT_EQ(tablesInCreationOrder(), QStringList({"zav_FAMILIA"}));
}

// The embedded database takes these texts however their lengths, names and
// options read: the server's own text is pinned here, blanks included.
TEST(AddOnTableTexts, AreTheServerStatementsWordForWord)
{
    const QString with = " )WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, "
                         "ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY] ) ON [PRIMARY]";
    const auto tabLiv = [&](const QString& nome) {
        return " CREATE TABLE [dbo].[" + nome + "]( [Chave] [nvarchar](4) NOT NULL, [Idioma] [nvarchar](3) NOT NULL, "
               "[Descr] [nvarchar](50) NULL, CONSTRAINT [PK_" + nome + "] PRIMARY KEY CLUSTERED ( [Chave] ASC, [Idioma] Asc"
               + with;
    };
    const QStringList idiomas = {
        " CREATE TABLE [dbo].[zav_FAMILIA]( [COD] [nvarchar](6) NOT NULL, [DESCR] [nvarchar](80) NOT NULL, "
        "[GRUPO] [nvarchar](10) NOT NULL, [IDIOMA] [nvarchar](3) NOT NULL, CONSTRAINT [ix_zav_FAMILIA_COD] PRIMARY KEY "
        "CLUSTERED ( [GRUPO] ASC, [COD] ASC, [IDIOMA] Asc" + with,
        " CREATE TABLE [dbo].[zav_SUBFAMIL]( [COD] [nvarchar](6) NOT NULL, [DESCR] [nvarchar](80) NOT NULL, "
        "[FAMILIA] [nvarchar](10) NOT NULL, [GRUPO] [nvarchar](10) NOT NULL, [IDIOMA] [nvarchar](3) NOT NULL, "
        "CONSTRAINT [ix_zav_SUBFAMIL_COD] PRIMARY KEY CLUSTERED ( [GRUPO] ASC, [FAMILIA] ASC, [COD] ASC, [IDIOMA] Asc"
            + with,
        " CREATE TABLE [dbo].[zav_MEDTAMCO]( [CODTIPOM] [nvarchar](10) NOT NULL, [CODMED] [nvarchar](4) NOT NULL, "
        "[IDIOMA] [nvarchar](3) NOT NULL, [DESCRICA] [nvarchar](20) NOT NULL, CONSTRAINT [ix_zav_MEDTAMCO_PRINCIPA] "
        "PRIMARY KEY CLUSTERED (  [CODTIPOM] ASC, [CODMED] ASC, [IDIOMA] Asc" + with,
        tabLiv("zav_TabLiv01"),
        tabLiv("zav_TabLiv02"),
        tabLiv("zav_TabLiv03"),
        tabLiv("zav_TabLiv04"),
        " CREATE TABLE [dbo].[zav_ArtigoDetalhe]( [ARTIGO] [nvarchar](15) NOT NULL, [IDIOMA] [nvarchar](3) NOT NULL, "
        "[DESCR] [ntext] NOT NULL, [DBTS] [timestamp] NULL, CONSTRAINT [ix_zav_ArtigoDetalhe] PRIMARY KEY CLUSTERED "
        "( [ARTIGO] ASC, [IDIOMA] Asc" + with + " TEXTIMAGE_ON [PRIMARY]",
    };
    const QString fichaAmostra =
        " CREATE TABLE [dbo].[zav_FichaAmostra]( [Codigo] [nvarchar](15) NOT NULL,    [Fornec] [nvarchar](50) NULL,    "
        "[RefFRN] [nvarchar](50) NULL,    [Marca] [nvarchar](50) NULL, [NossRef] [nvarchar](30) NULL,    "
        "[Descr] [nvarchar](50) NULL,    [TamAmostra] [nvarchar](50) NULL,    [DataEnc] [datetime] NULL, "
        "[DataEntrega] [datetime] NULL, [Composicao] [nvarchar](50) NULL, CONSTRAINT [PK_zav_FichaAmostra] PRIMARY KEY "
        "CLUSTERED ( [Codigo] Asc" + with;

    ASSERT_EQ(tabelasIdiomas().size(), idiomas.size());
    for (qsizetype i = 0; i < idiomas.size(); ++i)
        EXPECT_EQ(tabelasIdiomas()[i].criacao, idiomas[i]) << tabelasIdiomas()[i].nome.toStdString();
    ASSERT_EQ(tabelasFichaAmostra().size(), 1);
    EXPECT_EQ(tabelasFichaAmostra()[0].criacao, fichaAmostra);
}
