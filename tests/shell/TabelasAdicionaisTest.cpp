// The add-on's own tables: created when missing, each on its own, in order.

#include "demo/SqliteConnection.h"
#include "shell/TabelasAdicionais.h"
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

TEST_F(AddOnTables, FullDatabaseGetsNothing)
{
    startUp();
    database.exec({"INSERT INTO zav_FichaAmostra (Codigo, Descr) VALUES ('CM1001', 'Camisa')"});
    EXPECT_TRUE(criaTabelasEmFalta(*mod_main::bd, tabelasIdiomas()).isEmpty());
    EXPECT_TRUE(criaTabelasEmFalta(*mod_main::bd, tabelasFichaAmostra()).isEmpty());
    EXPECT_EQ(database.bd().AbreRecordset(QString(), "SELECT * FROM zav_FichaAmostra")->RecordCount(), 1);
}

TEST_F(AddOnTables, PartialSetIsCompletedWithTheMissingOnesOnly)
{
    startUp();
    database.exec({"DROP TABLE zav_MEDTAMCO", "DROP TABLE zav_ArtigoDetalhe", "DROP TABLE zav_FichaAmostra",
                   "INSERT INTO zav_TabLiv01 (Chave, Idioma, Descr) VALUES ('01', 'ING', 'Shirts')"});
    EXPECT_EQ(criaTabelasEmFalta(*mod_main::bd, tabelasIdiomas()), QStringList({"zav_MEDTAMCO", "zav_ArtigoDetalhe"}));
    EXPECT_EQ(criaTabelasEmFalta(*mod_main::bd, tabelasFichaAmostra()), QStringList({"zav_FichaAmostra"}));
    EXPECT_EQ(tablesInCreationOrder().size(), AllTables.size());
    EXPECT_EQ(database.bd().AbreRecordset(QString(), "SELECT * FROM zav_TabLiv01")->RecordCount(), 1);
}

TEST_F(AddOnTables, ProbeReadsTheFirstKeyColumnOfEachTable)
{
    QStringList probes;
    for (const TabelaAdicional& tabela : tabelasIdiomas() + tabelasFichaAmostra())
        probes << tabela.sondagem();
    EXPECT_EQ(probes.first(), "select GRUPO from  zav_FAMILIA ");
    EXPECT_TRUE(probes.contains("select Chave from  zav_TabLiv01 "));
    EXPECT_EQ(probes.last(), "select Codigo from  zav_FichaAmostra ");
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
