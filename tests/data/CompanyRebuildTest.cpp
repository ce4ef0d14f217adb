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

// Texts as text in the failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

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
    void build(int version, std::initializer_list<const char*> moreCodes = {}) { build(version, version, moreCodes); }
    // Indexes built under the earlier build's comparison `version`, the database marked `userVersion`.
    void build(int version, int userVersion, std::initializer_list<const char*> moreCodes)
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
        earlier.exec(QStringLiteral("PRAGMA user_version = %1").arg(userVersion));
    }
    // What a connection under today's comparison finds through the index, and without it.
    QString foundThroughIndexAndWithout(const char* code)
    {
        PlainSqlite today(file);
        EXPECT_TRUE(ErpCollation::registerOn(today.handle()));
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
    // How SQLite runs a statement, its plan's lines joined.
    static QString plan(zavCoreDataAccess2016& bd, const QString& sql)
    {
        QStringList steps;
        for (RecordsetPtr rs = bd.AbreRecordset(QString(), "EXPLAIN QUERY PLAN " + sql); !rs->Eof(); rs->MoveNext())
            steps << rs->Fields(QStringLiteral("detail")).text();
        return steps.join(" | ");
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
        // Read through its indexes, under the comparison they were built with:
        // the first builds' told 'ç' from 'Ç'.
        EXPECT_EQ(first(*bd, "select Codigo from Artigos where Codigo = 'Ç7'"), "Ç7");
        EXPECT_EQ(first(*bd, "select count(*) from Artigos where Codigo = 'ç7'"), "0");
        EXPECT_EQ(first(*bd, "select count(*) from Artigos where Codigo = 'ÇÃO'"), "1");
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

// Only read, a company is searched through its indexes, under the comparison
// they were built with when an earlier build's is known (the user_version
// names it), so that reports take their usual time; each search finds what
// that comparison finds without the index. Under another comparison (another
// release of ICU's collation data) it is read without them.
TEST_F(CompanyOfAnEarlierBuild, OnlyReadItIsSearchedThroughItsIndexesUnderTheComparisonTheyWereBuiltWith)
{
    const int unknown = ErpCollation::instance().indexVersion() ^ 1;
    const struct {
        int version, userVersion;
        bool throughIndex;
        const char* foundForA7; // 'á7' and 'Á7' are one key, for the comparisons that fold every letter
    } cases[] = {{0, 0, true, "0"}, {1, 1, true, "1"}, {1, unknown, false, "1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.userVersion);
        QFile::remove(file);
        build(c.version, c.userVersion, {"maße", "MASSE"});
        const auto bd = open();
        ASSERT_NE(bd->readOnlyReason(), "") << "'maße' and 'MASSE' are one key today";
        const QString search = plan(*bd, "select Nome from Artigos where Codigo = 'B7'");
        EXPECT_EQ(search.contains("USING INDEX"), c.throughIndex) << search.toStdString();
        EXPECT_EQ(first(*bd, "select count(*) from Artigos where Codigo = 'á7'"), c.foundForA7);
        EXPECT_EQ(first(*bd, "select count(*) from Artigos where Codigo = 'b7 '"), "1");
        EXPECT_EQ(first(*bd, "select group_concat(Codigo) from (select Codigo from Artigos where Codigo between 'Z9' and 'Á0'"
                             " order by Codigo)"),
                  c.throughIndex ? "Z9,Á0" : "") << "the earlier builds sorted accented letters after Z";
        EXPECT_EQ(first(*bd, "select count(*) from Artigos where Codigo >= 'A'"), "302") << "every row";
    }
}

// Keys now equal are mended in the sqlite3 shell, with the program's
// extension, as the start-up message shows: each row named exactly, found
// without the outgrown index. The shell compares the company as the build
// that made it did, so even the plain statement deletes the key it names, and
// the indexes stay whole; the program's next opening rebuilds them.
TEST_F(CompanyOfAnEarlierBuild, KeysNowEqualAreMendedInTheShellAsTheMessageShowsAndTheNextOpeningRebuilds)
{
    build(0, {"AÇÃO1", "ação1", "maße", "MASSE"});
    {
        PlainSqlite earlier(file);
        earlier.compareAsEarlierBuild(0);
        ASSERT_EQ(earlier.exec("INSERT INTO ArtIdiom VALUES ('AÇÃO1', 'PT', 'a'), ('ação1', 'pt', 'b'), ('ação1', 'EN', 'c')"),
                  SQLITE_OK);
    }
    const QString shown =
        QString::fromUtf8("DELETE FROM \"ArtIdiom\" NOT INDEXED WHERE \"Artigo\" = 'ação1' COLLATE BINARY AND \"Idioma\" = 'pt' COLLATE BINARY;");
    {
        const auto bd = open();
        EXPECT_TRUE(bd->readOnlyReason().contains(shown)) << bd->readOnlyReason().toStdString();
        EXPECT_TRUE(bd->readOnlyReason().contains("sqlite3")) << bd->readOnlyReason().toStdString();
    }
    {
        PlainSqlite shell(file);
        shell.loadExtension();
        ASSERT_EQ(shell.exec(shown), SQLITE_OK) << shell.error.toStdString();
        ASSERT_EQ(shell.exec(QString::fromUtf8("DELETE FROM Artigos WHERE Codigo = 'ação1'")), SQLITE_OK) << shell.error.toStdString();
        ASSERT_EQ(shell.exec(QString::fromUtf8("UPDATE \"Artigos\" NOT INDEXED SET \"Codigo\" = 'MASSE2'"
                                               " WHERE \"Codigo\" = 'MASSE' COLLATE BINARY;")),
                  SQLITE_OK)
            << shell.error.toStdString();
        EXPECT_EQ(shell.text("PRAGMA integrity_check"), "ok");
        EXPECT_EQ(shell.text(QString::fromUtf8("SELECT count(*) FROM Artigos WHERE Codigo = 'á7'")),
                  shell.text(QString::fromUtf8("SELECT count(*) FROM Artigos NOT INDEXED WHERE Codigo = 'á7'")));
        EXPECT_EQ(shell.text(QString::fromUtf8("SELECT group_concat(Codigo) FROM Artigos NOT INDEXED WHERE Codigo IN ('AÇÃO1', 'ação1', 'maße', 'MASSE2')")),
                  QString::fromUtf8("AÇÃO1,maße,MASSE2"));
    }
    const auto bd = open();
    EXPECT_EQ(bd->readOnlyReason(), "");
    EXPECT_EQ(first(*bd, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(first(*bd, "select group_concat(Codigo) from Artigos where Codigo = 'ação1'"), QString::fromUtf8("AÇÃO1"));
    EXPECT_EQ(first(*bd, "select count(*) from ArtIdiom where Artigo = 'ação1'"), "2");
    EXPECT_EQ(errorNumberOf([&] { bd->ExecutaSQL(QString(), "insert into Artigos (Codigo) values ('masse')"); }),
              errors::IntegrityViolation);
}
