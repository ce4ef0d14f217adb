#include "demo/SqliteConnection.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "support/ErrorNumber.h"
#include "support/Roads.h"

using namespace zav;
using namespace zav::test;

namespace {

constexpr quint32 RowNotLocated = 0x80040E38;
constexpr quint32 TooManyRows = errors::Unspecified;
constexpr quint32 NotUpdatable = 0x800A0CB3;

// Customers that share a name, a keyless table with identical rows and rows
// equal only without regard to case and trailing blanks, and decimals that
// hold more places than they show.
class RecordWrites : public ::testing::TestWithParam<Road> {
protected:
    void SetUp() override
    {
        file.exec({"CREATE TABLE [dbo].[Cli]( [Codigo] [nvarchar](15) NOT NULL PRIMARY KEY, [Nome] [nvarchar](60) NULL)",
                   "insert into Cli values ('C1', 'Loja'), ('C2', 'Loja'), ('C3', 'Loja'), ('C4', 'Única')",
                   "CREATE TABLE [dbo].[Solto]( [Nome] [nvarchar](10) NULL, [Qt] [int] NULL)",
                   "insert into Solto values ('x', 1), ('x', 1), ('x', 1), ('abc', 1), ('ABC ', 1), ('Abc', 1), ('n', NULL)",
                   "CREATE TABLE [dbo].[Valores]( [Descr] [nvarchar](10) NULL, [Valor] [decimal](19, 4) NULL)",
                   "insert into Valores values ('meio', 0.12345), ('inteiro', 5)"});
        file.bd().FechaLigacao();
        bd.AbreLigacao(connectionStringFor(file, GetParam()));
    }

    int count(const QString& sql) { return bd.AbreRecordset(QString(), sql)->RecordCount(); }

    TempDatabase file;
    zavCoreDataAccess2016 bd;
};

TEST_P(RecordWrites, ARecordsetWithoutTheKeyChangesOneRowOrNone)
{
    RecordsetPtr rs = bd.AbreRecordsetEdicao("SELECT Nome FROM Cli WHERE Codigo='C1'");
    rs->Fields(0) = "Renomeada";
    EXPECT_EQ(errorNumberOf([&] { rs->Update(); }), TooManyRows);
    EXPECT_EQ(count("select * from Cli where Nome='Loja'"), 3) << "the other customers were renamed";

    RecordsetPtr again = bd.AbreRecordsetEdicao("SELECT Nome FROM Cli WHERE Codigo='C2'");
    EXPECT_EQ(errorNumberOf([&] { again->Delete(); }), TooManyRows);
    EXPECT_EQ(count("select * from Cli"), 4);

    RecordsetPtr single = bd.AbreRecordsetEdicao("SELECT Nome FROM Cli WHERE Codigo='C4'");
    single->Fields(0) = "Só uma";
    single->Update();
    EXPECT_EQ(count("select * from Cli where Nome='Só uma'"), 1);
}

TEST_P(RecordWrites, IdenticalRowsOfAKeylessTableAreNeverAllDeleted)
{
    for (const char* sql : {"select * from Solto where Nome='x'", "select * from Solto where Nome='abc'"}) {
        RecordsetPtr rs = bd.AbreRecordsetEdicao(sql);
        ASSERT_GE(rs->RecordCount(), 2) << sql;
        EXPECT_EQ(errorNumberOf([&] { rs->Delete(); }), TooManyRows) << sql;
        EXPECT_EQ(rs->RecordCount(), count(sql)) << "a refused delete keeps the row in the recordset too";
    }
    EXPECT_EQ(count("select * from Solto"), 7);
}

TEST_P(RecordWrites, AKeylessRowHoldingNullIsFoundAgain)
{
    RecordsetPtr rs = bd.AbreRecordsetEdicao("select * from Solto where Nome='n'");
    rs->Fields(QStringLiteral("Nome")) = "m";
    rs->Update();
    EXPECT_EQ(count("select * from Solto where Nome='m' and Qt is null"), 1);
    rs->Delete();
    EXPECT_EQ(count("select * from Solto where Qt is null"), 0);
}

TEST_P(RecordWrites, DecimalsWithMorePlacesThanTheyShowAreFoundAgain)
{
    RecordsetPtr rs = bd.AbreRecordsetEdicao("select * from Valores order by Descr");
    ASSERT_EQ(rs->RecordCount(), 2);
    rs->MoveNext();
    if (GetParam() == Road::Sqlite) // read as the database holds it; the ODBC driver reads a double, exactly
        ASSERT_EQ(rs->Fields(QStringLiteral("Valor")).text(), QStringLiteral("0.12345"));
    rs->Fields(QStringLiteral("Descr")) = "metade";
    rs->Update();
    rs->Delete();
    rs->MoveFirst();
    rs->Delete(); // a whole number, bound as one
    EXPECT_EQ(count("select * from Valores"), 0);
}

TEST_P(RecordWrites, StatementsWithParenthesesStillWrite)
{
    int n = 0;
    for (const char* sql : {"Select * from Cli where Codigo IN ('C1')", "Select * from Cli where UPPER(Codigo)='C1'",
                            "Select * from Cli where (Codigo='C1') ", "select Codigo, Nome from Cli c where c.Codigo in (select 'C1')",
                            "select Nome, (select count(*) from Solto) as n, Codigo from Cli where Codigo='C1';"}) {
        RecordsetPtr rs = bd.AbreRecordsetEdicao(sql);
        ASSERT_EQ(rs->RecordCount(), 1) << sql;
        const QString name = QStringLiteral("Nome %1").arg(++n);
        rs->Fields(QStringLiteral("Nome")) = name;
        rs->Update();
        EXPECT_EQ(count("select * from Cli where Codigo='C1' and Nome='" + name + "'"), 1) << sql;
    }
}

TEST_P(RecordWrites, AWriteItCannotCarryOutIsRefused)
{
    for (const char* sql : {"select c.Nome from Cli c join Solto s on s.Nome = c.Codigo", "select * from (select * from Cli) c",
                            "select Nome from Cli union all select Nome from Solto", "select * from Cli, Solto"}) {
        RecordsetPtr rs = bd.AbreRecordsetEdicao(sql);
        EXPECT_EQ(rs->RecordCount(), count(sql)) << "reads stay as they are";
        rs->AddNew();
        rs->Fields(QStringLiteral("Nome")) = "Nova";
        EXPECT_EQ(errorNumberOf([&] { rs->Update(); }), NotUpdatable) << sql;
        rs->CancelUpdate();
        if (rs->RecordCount() > 0)
            EXPECT_EQ(errorNumberOf([&] { rs->Delete(); }), NotUpdatable) << sql;
    }
    EXPECT_EQ(count("select * from Cli"), 4);
    EXPECT_EQ(count("select * from Solto"), 7);
}

TEST_P(RecordWrites, ASecondStatementIsNeverCutOff)
{
    EXPECT_EQ(errorNumberOf([&] { bd.AbreRecordset(QString(), "select * from Cli; delete from Cli"); }), errors::CommandError);
    EXPECT_EQ(errorNumberOf([&] { bd.AbreRecordsetEdicao("select * from Cli where Codigo='x';delete from Cli"); }),
              errors::CommandError);
    EXPECT_EQ(errorNumberOf([&] { bd.GetLigacao().abreRecordset("select 1; delete from Cli"); }), errors::CommandError);
    EXPECT_EQ(count("select * from Cli where Nome = 'a;b' ; -- one statement"), 0);
    EXPECT_EQ(count("select * from Cli"), 4);

    bd.ExecutaSQL(QString(), "insert into Cli values ('C5', 'a;b'); delete from Cli where Codigo='C4';");
    EXPECT_EQ(count("select * from Cli where Codigo in ('C4', 'C5')"), 1);
    EXPECT_EQ(errorNumberOf([&] { bd.ExecutaSQL(QString(), "delete from Cli where Codigo='C5'; insert into Cli values ('C1', 'Dup')"); }),
              errors::IntegrityViolation);
    EXPECT_EQ(count("select * from Cli where Codigo='C5'"), 1) << "the batch is one transaction";
}

INSTANTIATE_TEST_SUITE_P(BothRoads, RecordWrites, ::testing::Values(Road::Sqlite, Road::Odbc), roadName);

// ---- the embedded database only: values its storage allows and the server's would not ----

class StoredValues : public ::testing::Test {
protected:
    TempDatabase file;
    zavCoreDataAccess2016& bd = file.bd();
};

TEST_F(StoredValues, AnInsertWritesOnlyTheAssignedColumns)
{
    file.exec({"CREATE TABLE [dbo].[Marcado]( [Codigo] [nvarchar](5) NOT NULL PRIMARY KEY, [Estado] [nvarchar](1) NULL DEFAULT ('A'),"
               " [DBTS] [timestamp] NULL DEFAULT (randomblob(8)), [Nota] [nvarchar](10) NULL)"});
    RecordsetPtr rs = bd.AbreRecordsetEdicao("select * from Marcado where Codigo='M1'");
    rs->AddNew();
    rs->Fields(QStringLiteral("Codigo")) = "M1";
    rs->Update();
    RecordsetPtr back = bd.AbreRecordset(QString(), "select Estado, length(DBTS) from Marcado");
    ASSERT_EQ(back->RecordCount(), 1);
    EXPECT_EQ(back->Fields(0).text(), QStringLiteral("A"));
    EXPECT_EQ(back->Fields(1).integer(), 8) << "the row version is the database's to write";
}

// Through a double a whole number typed as text would lose its last digits.
TEST_F(StoredValues, WholeNumbersAreExactToTheirFieldsEdgesAndOverflowBeyond)
{
    file.exec({"CREATE TABLE [dbo].[Grande]( [Id] [int] NOT NULL PRIMARY KEY, [N] [bigint] NULL, [M] [int] NULL)",
               "insert into Grande values (1, 0, 2147483647)"});
    RecordsetPtr rs = bd.AbreRecordsetEdicao("select * from Grande where Id=1");
    for (const QString typed : {"9223372036854775807", "9007199254740993", "-9223372036854775808"}) {
        rs->Fields(QStringLiteral("N")) = typed;
        rs->Update();
        EXPECT_EQ(bd.AbreRecordset(QString(), "select N from Grande")->Fields(0).text(), typed);
    }
    EXPECT_EQ(errorNumberOf([&] { rs->Fields(QStringLiteral("N")) = QStringLiteral("9223372036854775808"); }),
              errors::Overflow);
    EXPECT_EQ(bd.AbreRecordset(QString(), "select M from Grande")->Fields(0).integer(), std::numeric_limits<qint32>::max());

    // Stored beyond them, as the embedded database allows: an overflow, not another number.
    file.exec({"insert into Grande values (3, 9223372036854775808, 0)"}); // 2^63, kept as REAL
    EXPECT_EQ(errorNumberOf([&] { bd.AbreRecordset(QString(), "select N from Grande"); }), errors::Overflow);
    file.exec({"update Grande set N = 0, M = 2147483648 where Id = 3"});
    EXPECT_EQ(errorNumberOf([&] { bd.AbreRecordset(QString(), "select M from Grande"); }), errors::Overflow);
}

// Below -2^63 a double rounds the text back to -2^63: it must overflow as
// the text one beyond the top does.
TEST_F(StoredValues, DigitsBeyondABigintsRangeOverflowOnEitherSide)
{
    file.exec({"CREATE TABLE [dbo].[Grande]( [Id] [int] NOT NULL PRIMARY KEY, [N] [bigint] NULL)",
               "insert into Grande values (1, 5)"});
    RecordsetPtr rs = bd.AbreRecordsetEdicao("select * from Grande where Id=1");
    for (const char* typed : {"-9223372036854775809", " -9223372036854775810 ", "9223372036854775808", "+99999999999999999999"})
        EXPECT_EQ(errorNumberOf([&] { rs->Fields(QStringLiteral("N")) = QString::fromLatin1(typed); }), errors::Overflow)
            << typed;
    rs->Fields(QStringLiteral("N")) = QStringLiteral("-9223372036854775808.4");
    rs->Update();
    EXPECT_EQ(bd.AbreRecordset(QString(), "select N from Grande")->Fields(0).text(), "-9223372036854775808");
}

TEST_F(StoredValues, AnInsertThatWritesNoRowIsAnError)
{
    file.exec({"CREATE TABLE [dbo].[Cli]( [Codigo] [nvarchar](5) NOT NULL PRIMARY KEY)"});
    {
        // Another program's rule, written beside the program.
        demo::SqliteConnection other(file.path());
        demo::executeSql(other.database(), "CREATE TRIGGER ignora BEFORE INSERT ON Cli BEGIN SELECT RAISE(IGNORE); END");
    }
    RecordsetPtr rs = bd.AbreRecordsetEdicao("select * from Cli");
    rs->AddNew();
    rs->Fields(0) = "C1";
    EXPECT_EQ(errorNumberOf([&] { rs->Update(); }), errors::Unspecified);
}

} // namespace
