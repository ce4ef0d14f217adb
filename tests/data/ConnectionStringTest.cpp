#include "platform/data/ConnectionString.h"

#include "platform/data/RuntimeError.h"

#include <gtest/gtest.h>

using zav::ConnectionString;

TEST(ConnectionString, EmbeddedDatabase)
{
    const auto cs = ConnectionString::parse("Provider=MSDataShape; data provider = SQLite ;Data Source=/srv/erp/Empresa 01.db;");
    EXPECT_TRUE(cs.isSqlite());
    EXPECT_EQ(cs.sqliteFile(), QStringLiteral("/srv/erp/Empresa 01.db"));
    EXPECT_EQ(cs.databaseName(), QStringLiteral("Empresa 01"));
}

TEST(ConnectionString, ServerOverOdbc)
{
    const auto cs = ConnectionString::parse(
        "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=erp-server,1433;Initial Catalog=EMP01;"
        "User ID=sa;Password=\"p;w=d\"");
    EXPECT_FALSE(cs.isSqlite());
    EXPECT_EQ(cs.value("password"), QStringLiteral("p;w=d"));
    EXPECT_EQ(cs.databaseName(), QStringLiteral("EMP01"));
    EXPECT_EQ(cs.odbcConnectionText(),
              QStringLiteral("Driver=FreeTDS;ClientCharset=UTF-8;Server=erp-server;Port=1433;Database=EMP01;UID=sa;PWD={p;w=d};"));

    const auto named = ConnectionString::parse("Data Provider=SQLOLEDB;Driver=SQLite3;Database=/tmp/x.db");
    EXPECT_EQ(named.odbcConnectionText(), QStringLiteral("Driver=SQLite3;Database=/tmp/x.db;"));
    const auto extended = ConnectionString::parse(
        "Data Provider=SQLOLEDB;Driver=SQLite3;Database=/tmp/x.db;Extended Properties=\"LoadExt=/a.so;Timeout=9\"");
    EXPECT_EQ(extended.odbcConnectionText(), QStringLiteral("Driver=SQLite3;Database=/tmp/x.db;LoadExt=/a.so;Timeout=9;"));
    EXPECT_EQ(named.databaseName(), QStringLiteral("/tmp/x.db"));
}

// How each password reaches the driver; the wire tests show FreeTDS reading them back.
TEST(ConnectionString, ValuesTheDriverReadsWhole)
{
    const struct {
        const char* password;
        const char* written;
    } cases[] = {
        {"segredo", "PWD=segredo;"},
        {" segredo ", "PWD={ segredo };"},
        {"{segredo", "PWD={{segredo};"},
        {"se{gredo", "PWD=se{gredo;"},
        {"se=gredo", "PWD=se=gredo;"},
    };
    for (const auto& c : cases) {
        const auto cs = ConnectionString::parse(QStringLiteral("Data Provider=SQLOLEDB;Data Source=h;Password='%1'").arg(c.password));
        EXPECT_TRUE(cs.odbcConnectionText().contains(QLatin1StringView(c.written))) << c.password;
    }

    const auto ownCharset = ConnectionString::parse("Data Provider=SQLOLEDB;Data Source=h;Extended Properties=\"ClientCharset=ISO-8859-1\"");
    EXPECT_EQ(ownCharset.odbcConnectionText(), QStringLiteral("Driver=FreeTDS;Server=h;ClientCharset=ISO-8859-1;"));

    // A '}' is refused before connecting, naming the setting that holds it.
    const struct {
        const char* text;
        const char* setting;
    } refused[] = {{"Data Provider=SQLOLEDB;Data Source=h;Password=se}gredo", "senha"},
                   {"Data Provider=SQLOLEDB;Data Source=h;User ID=a}", "utilizador"}};
    for (const auto& r : refused) {
        try {
            ConnectionString::parse(r.text).odbcConnectionText();
            ADD_FAILURE() << r.text << " was not refused";
        } catch (const zav::RuntimeError& e) {
            EXPECT_EQ(e.number(), zav::errors::InvalidCall) << r.text;
            EXPECT_TRUE(e.description().contains(QLatin1StringView(r.setting)) && e.description().contains(u'}')) << e.what();
        }
    }
}

TEST(ConnectionString, OddPiecesAreIgnored)
{
    const auto cs = ConnectionString::parse(";;Persist Security Info;Data Source='a;b' ;=x;Initial Catalog=");
    EXPECT_EQ(cs.value("Data Source"), QStringLiteral("a;b"));
    EXPECT_TRUE(cs.contains("Initial Catalog"));
    EXPECT_FALSE(cs.contains("Persist Security Info"));
    EXPECT_EQ(cs.value("Nothing"), QString());
}

// The driver's name is matched as the driver manager matches it, whatever its case.
TEST(ConnectionString, FreeTdsTakesUnicodeWhateverTheCaseOfItsName)
{
    for (const char* driver : {"freetds", "FREETDS", "FreeTDS"})
        EXPECT_TRUE(ConnectionString::parse(QStringLiteral("Data Provider=SQLOLEDB;Driver=%1;Data Source=h").arg(QLatin1StringView(driver)))
                        .odbcConnectionText()
                        .contains(QLatin1StringView(";ClientCharset=UTF-8;")))
            << driver;
    EXPECT_FALSE(ConnectionString::parse("Data Provider=SQLOLEDB;Driver=SQLite3;Data Source=h").odbcConnectionText().contains(
        QLatin1StringView("ClientCharset")));
}
