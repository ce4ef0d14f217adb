#include "platform/data/Transacao.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "support/ErrorNumber.h"
#include "support/Roads.h"

#include <future>
#include <sqlite3.h>
#include <thread>

using namespace zav;
using namespace zav::test;

namespace {

// The same company file, reached through the embedded provider or through ODBC.
class Transactions : public ::testing::TestWithParam<Road> {
protected:
    void SetUp() override
    {
        file.exec({"CREATE TABLE [dbo].[Cores]( [Codigo] [nvarchar](5) NOT NULL PRIMARY KEY, [Descr] [nvarchar](30) NULL)",
                   "insert into Cores values ('01', 'Branco')"});
        file.bd().FechaLigacao();
        bd.AbreLigacao(connectionStringFor(file, GetParam()));
    }

    void add(const QString& code) { bd.ExecutaSQL(QString(), "insert into Cores values ('" + SqlTexto(code) + "', 'x')"); }

    // The codes as another connection sees them: only what was committed.
    QString committedCodes()
    {
        zavCoreDataAccess2016 other;
        other.AbreLigacao(file.connectionString());
        RecordsetPtr rs = other.AbreRecordset(QString(), "select Codigo from Cores order by Codigo");
        QStringList codes;
        for (; !rs->Eof(); rs->MoveNext())
            codes << rs->Fields(0).text();
        return codes.join(u',');
    }

    TempDatabase file;
    zavCoreDataAccess2016 bd;
};

TEST_P(Transactions, CommitKeepsAndRollbackUndoes)
{
    EXPECT_EQ(bd.BeginTrans(), 1);
    add("02");
    bd.CommitTrans();
    EXPECT_EQ(committedCodes(), "01,02");

    bd.BeginTrans();
    add("03");
    bd.ExecutaSQL(QString(), "delete from Cores where Codigo='01'");
    bd.RollbackTrans();
    EXPECT_EQ(committedCodes(), "01,02");
    EXPECT_EQ(bd.AbreRecordset(QString(), "select * from Cores")->RecordCount(), 2);
    // Ending one that is not open is an error.
    EXPECT_EQ(errorNumberOf([&] { bd.CommitTrans(); }), errors::NoTransaction);
    EXPECT_EQ(errorNumberOf([&] { bd.RollbackTrans(); }), errors::NoTransaction);
}

TEST_P(Transactions, InnerOnesAreSavepointsOfTheOuter)
{
    bd.BeginTrans();
    add("02");
    EXPECT_EQ(bd.BeginTrans(), 2);
    add("03");
    bd.RollbackTrans(); // only 03 goes
    EXPECT_EQ(bd.BeginTrans(), 2);
    add("04");
    bd.CommitTrans();   // 04 joins the outer one...
    EXPECT_EQ(committedCodes(), "01") << "nothing is committed before the outermost";
    bd.CommitTrans();
    EXPECT_EQ(committedCodes(), "01,02,04");

    bd.BeginTrans();
    bd.BeginTrans();
    add("05");
    bd.CommitTrans();
    bd.RollbackTrans(); // ...and goes with it when the outer one is rolled back
    EXPECT_EQ(committedCodes(), "01,02,04");
}

TEST_P(Transactions, GuardRollsBackUnlessConfirmed)
{
    {
        Transacao transacao(bd);
        add("02");
        transacao.Confirma();
    }
    EXPECT_EQ(committedCodes(), "01,02");
    {
        Transacao transacao(bd);
        add("03");
    }
    EXPECT_EQ(committedCodes(), "01,02");

    // A failure inside takes back what the guard's scope had written, and the
    // caller's own transaction, around it, goes on.
    bd.BeginTrans();
    add("04");
    const auto failing = [&] {
        Transacao transacao(bd);
        add("05");
        add("01"); // the key is taken
        transacao.Confirma();
    };
    EXPECT_EQ(errorNumberOf(failing), errors::IntegrityViolation);
    bd.CommitTrans();
    EXPECT_EQ(committedCodes(), "01,02,04");
}

INSTANTIATE_TEST_SUITE_P(BothRoads, Transactions, ::testing::Values(Road::Sqlite, Road::Odbc), roadName);

// Another program writes for a moment: a write transaction that reads first
// waits for it to finish instead of failing at once.
TEST(WriteTransaction, WaitsForAnotherWriterOfTheEmbeddedDatabase)
{
    TempDatabase file;
    file.exec({"CREATE TABLE [dbo].[Cores]( [Codigo] [nvarchar](5) NOT NULL PRIMARY KEY)"});
    std::promise<void> locked;
    std::thread other([&] {
        sqlite3* db = nullptr;
        sqlite3_open(file.path().toUtf8().constData(), &db);
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        locked.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    });
    locked.get_future().wait();
    const auto write = [&] {
        Transacao transacao(file.bd());
        file.bd().AbreRecordset(QString(), "select * from Cores");
        file.exec({"insert into Cores values ('01')"});
        transacao.Confirma();
    };
    EXPECT_EQ(errorNumberOf(write), 0u);
    other.join();
    EXPECT_EQ(file.bd().AbreRecordset(QString(), "select * from Cores")->RecordCount(), 1);
}

} // namespace
