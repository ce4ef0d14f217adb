// A company whose indexes an earlier build made, under its own comparison:
// rebuilt once when it opens; when that cannot be done, read without those
// indexes and never written, with the reason in the user's words.

#include "platform/data/ErpCollation.h"
#include "platform/data/RuntimeError.h"
#include "platform/data/Transacao.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "support/ErrorNumber.h"
#include "support/PlainSqlite.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace zav;
using zav::test::errorNumberOf;
using zav::test::PlainSqlite;

namespace {

// The description of the error `action` raises, or "" when it raises none.
template <typename Action>
QString errorOf(Action&& action)
{
    try {
        action();
    } catch (const RuntimeError& e) {
        return e.description();
    }
    return {};
}

class CompanyOfAnEarlierBuild : public ::testing::Test {
protected:
    // Articles an earlier build keyed, 'Á0' to 'Z49': under its comparisons
    // the accented letters sort after Z, so its index sends a search for
    // 'á7' among the A's, where the index holds no 'Á'.
    void build(int version, std::initializer_list<const char*> moreCodes = {})
    {
        PlainSqlite earlier(file);
        earlier.compareAsEarlierBuild(version);
        ASSERT_EQ(earlier.exec("CREATE TABLE Artigos (Codigo VARCHAR(15) COLLATE ERP_NOCASE NOT NULL PRIMARY KEY,"
                               " Nome VARCHAR(40) COLLATE ERP_NOCASE)"),
                  SQLITE_OK);
        ASSERT_EQ(earlier.exec("CREATE TABLE ArtIdiom (Artigo VARCHAR(15) COLLATE ERP_NOCASE NOT NULL,"
                               " Idioma VARCHAR(3) COLLATE ERP_NOCASE NOT NULL, Descr TEXT, PRIMARY KEY (Artigo, Idioma))"),
                  SQLITE_OK);
        for (int i = 0; i < 50; ++i)
            for (const char* inicio : {"A", "Á", "B", "É", "Z", "Ç"})
                earlier.exec(QStringLiteral("INSERT INTO Artigos VALUES ('%1%2', 'x')").arg(QString::fromUtf8(inicio)).arg(i));
        for (const char* code : moreCodes)
            ASSERT_EQ(earlier.exec(QStringLiteral("INSERT INTO Artigos VALUES ('%1', 'x')").arg(QString::fromUtf8(code))),
                      SQLITE_OK)
                << earlier.error.toStdString();
        earlier.exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
    }
    // What a connection under today's comparison finds through the index, and without it.
    QString foundThroughIndexAndWithout(const char* code)
    {
        PlainSqlite today(file);
        today.loadExtension();
        const QString where = QStringLiteral(" WHERE Codigo = '%1'").arg(QString::fromUtf8(code));
        return today.text("SELECT count(*) FROM Artigos" + where) + "/" + today.text("SELECT count(*) FROM Artigos NOT INDEXED" + where);
    }
    std::unique_ptr<zavCoreDataAccess2016> open()
    {
        auto bd = std::make_unique<zavCoreDataAccess2016>();
        bd->AbreLigacao("Data Provider=SQLite;Data Source=" + file);
        return bd;
    }
    static QString first(zavCoreDataAccess2016& bd, const QString& sql)
    {
        return bd.AbreRecordset(QString(), sql)->Fields(0).text();
    }

    QTemporaryDir dir;
    QString file = dir.filePath("anterior.db");
};

} // namespace

TEST_F(CompanyOfAnEarlierBuild, OpensRebuiltOnceAndWhole)
{
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        QFile::remove(file);
        build(version);
        ASSERT_EQ(foundThroughIndexAndWithout("á7"), "0/1") << "its index is out of today's order";
        {
            const auto bd = open();
            EXPECT_EQ(bd->readOnlyReason(), "");
            EXPECT_EQ(first(*bd, "PRAGMA integrity_check"), "ok");
            EXPECT_EQ(first(*bd, "PRAGMA user_version").toInt(), ErpCollation::instance().indexVersion());
            EXPECT_EQ(first(*bd, "select Codigo from Artigos where Codigo = 'á7'"), "Á7");
            EXPECT_EQ(first(*bd, "select group_concat(Codigo) from (select Codigo from Artigos"
                                 " where Codigo in ('B0', 'A1', 'Á0') order by Codigo)"),
                      "Á0,A1,B0");
        }
        // Opened again while another program writes: nothing is left to rebuild, so nothing waits for it.
        PlainSqlite other(file);
        other.loadExtension();
        ASSERT_EQ(other.exec("BEGIN IMMEDIATE"), SQLITE_OK);
        const auto bd = open();
        EXPECT_EQ(bd->readOnlyReason(), "");
        EXPECT_EQ(first(*bd, "select count(*) from Artigos where Codigo like 'é%'"), "50");
        other.exec("ROLLBACK");
    }
}

TEST_F(CompanyOfAnEarlierBuild, KeysNowEqualAreNamedAndTheCompanyIsOnlyReadUntilTheyAreMended)
{
    build(0, {"ção", "ÇÃO", "maße", "MASSE"});
    {
        PlainSqlite earlier(file);
        earlier.compareAsEarlierBuild(0);
        ASSERT_EQ(earlier.exec("INSERT INTO ArtIdiom VALUES ('ção', 'PT', 'a'), ('ÇÃO', 'pt', 'b'), ('ção', 'EN', 'c')"), SQLITE_OK);
    }
    ASSERT_EQ(foundThroughIndexAndWithout("ç7"), "0/1");
    {
        const auto bd = open();
        const QString reason = bd->readOnlyReason();
        for (const char* named : {"Artigos (Codigo): ", "'ção'", "'ÇÃO'", "'maße'", "'MASSE'",
                                  "ArtIdiom (Artigo, Idioma): ", "('ção', 'PT')", "('ÇÃO', 'pt')", "só para consulta"})
            EXPECT_TRUE(reason.contains(QString::fromUtf8(named))) << named << " in " << reason.toStdString();
        EXPECT_FALSE(reason.contains("'EN'")) << "a key alone under today's comparison is no collision";
        // Read without the outgrown index, under today's comparison.
        EXPECT_EQ(first(*bd, "select Codigo from Artigos where Codigo = 'ç7'"), "Ç7");
        EXPECT_EQ(first(*bd, "select count(*) from Artigos where Codigo = 'ÇÃO'"), "2");
        // Written not at all, whichever way.
        EXPECT_EQ(errorOf([&] { bd->ExecutaSQL(QString(), "insert into Artigos values ('ç7', 'twice')"); }), reason);
        EXPECT_EQ(errorOf([&] { Transacao transacao(*bd); }), reason);
        const RecordsetPtr row = bd->AbreRecordsetEdicao("select * from Artigos where Codigo = 'B1'");
        row->Fields(QStringLiteral("Nome")) = "y";
        EXPECT_EQ(errorOf([&] { row->Update(); }), reason);
        EXPECT_NE(errorOf([&] { bd->AbreRecordset(QString(), "delete from Artigos"); }), "");
        EXPECT_EQ(first(*bd, "select count(*) from Artigos"), "304");
        EXPECT_EQ(first(*bd, "PRAGMA user_version"), "0") << "tried again at the next opening";
    }
    {
        PlainSqlite earlier(file);
        earlier.compareAsEarlierBuild(0);
        ASSERT_EQ(earlier.exec("DELETE FROM Artigos WHERE Codigo IN ('ção', 'maße'); DELETE FROM ArtIdiom WHERE Descr = 'b'"),
                  SQLITE_OK);
    }
    const auto bd = open();
    EXPECT_EQ(bd->readOnlyReason(), "");
    EXPECT_EQ(first(*bd, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(errorNumberOf([&] { bd->ExecutaSQL(QString(), "insert into Artigos values ('ç7', 'twice')"); }),
              errors::IntegrityViolation);
}

TEST_F(CompanyOfAnEarlierBuild, HeldByAnotherProgramItIsReadWithoutItsIndexesUntilItIsFree)
{
    build(1);
    PlainSqlite other(file);
    other.compareAsEarlierBuild(1);
    ASSERT_EQ(other.exec("BEGIN IMMEDIATE"), SQLITE_OK);
    {
        const auto bd = open();
        EXPECT_TRUE(bd->readOnlyReason().contains("outro programa")) << bd->readOnlyReason().toStdString();
        EXPECT_EQ(first(*bd, "select Codigo from Artigos where Codigo = 'á7'"), "Á7");
        EXPECT_NE(errorOf([&] { bd->ExecutaSQL(QString(), "insert into Artigos values ('á7', 'twice')"); }), "");
    }
    other.exec("ROLLBACK");
    const auto bd = open();
    EXPECT_EQ(bd->readOnlyReason(), "");
    EXPECT_EQ(first(*bd, "PRAGMA integrity_check"), "ok");
}
