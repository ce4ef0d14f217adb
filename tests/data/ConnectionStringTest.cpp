#include "platform/data/ConnectionString.h"

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
              QStringLiteral("Driver=FreeTDS;Server=erp-server;Port=1433;Database=EMP01;UID=sa;PWD={p;w=d}"));

    const auto named = ConnectionString::parse("Data Provider=SQLOLEDB;Driver=SQLite3;Database=/tmp/x.db");
    EXPECT_EQ(named.odbcConnectionText(), QStringLiteral("Driver=SQLite3;Database=/tmp/x.db"));
    const auto extended = ConnectionString::parse(
        "Data Provider=SQLOLEDB;Driver=SQLite3;Database=/tmp/x.db;Extended Properties=\"LoadExt=/a.so;Timeout=9\"");
    EXPECT_EQ(extended.odbcConnectionText(), QStringLiteral("Driver=SQLite3;Database=/tmp/x.db;LoadExt=/a.so;Timeout=9"));
    EXPECT_EQ(named.databaseName(), QStringLiteral("/tmp/x.db"));
}

TEST(ConnectionString, OddPiecesAreIgnored)
{
    const auto cs = ConnectionString::parse(";;Persist Security Info;Data Source='a;b' ;=x;Initial Catalog=");
    EXPECT_EQ(cs.value("Data Source"), QStringLiteral("a;b"));
    EXPECT_TRUE(cs.contains("Initial Catalog"));
    EXPECT_FALSE(cs.contains("Persist Security Info"));
    EXPECT_EQ(cs.value("Nothing"), QString());
}
