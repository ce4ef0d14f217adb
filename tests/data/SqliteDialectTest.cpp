#include "platform/data/SqliteDialect.h"

#include <gtest/gtest.h>

using zav::SqliteDialect;

TEST(SqliteDialect, DateConversionsBecomeStoredDateTimes)
{
    // The order maps' window: a time and one blank before the closing quote.
    EXPECT_EQ(SqliteDialect::translate(
                  " Where  c.Data >= CONVERT(DATETIME, '2026-01-01 00:00:00 ', 102) and c.Data <= CONVERT(DATETIME, '2026-01-31 23:59:59 ', 102)"),
              " Where  c.Data >= '2026-01-01 00:00:00' and c.Data <= '2026-01-31 23:59:59'");
    // The statistical report's: a date alone, which is midnight.
    EXPECT_EQ(SqliteDialect::translate("c.Data <= CONVERT(DATETIME, '2026-01-31', 102) and"),
              "c.Data <= '2026-01-31 00:00:00' and");
    EXPECT_EQ(SqliteDialect::translate("convert( datetime ,'2026-02-28',102)"), "'2026-02-28 00:00:00'");
}

TEST(SqliteDialect, LeavesLiteralsAndOtherConversionsAlone)
{
    for (const char* same : {
             "select 'CONVERT(DATETIME, ''2026-01-31'', 102)' as T",
             "select 'Select Top 1 [dbo].x' from Artigos",
             "select CONVERT(DATETIME, '2026-13-45', 102)",
             "select CONVERT(VARCHAR, '2026-01-31', 102)",
             "SELECT Codigo as 'Código', Nome as 'Designação' FROM Artigos  where TMHOR<>'' and TMVER<>'' and CodRef='' order by Codigo",
             "SELECT Concat(Cod,'@',Grupo) as Teste,Cod as 'Código' FROM Familia   ORDER BY Cod",
         })
        EXPECT_EQ(SqliteDialect::translate(QString::fromUtf8(same)), QString::fromUtf8(same));
}

TEST(SqliteDialect, TopBecomesLimitAtTheEndOfItsSelect)
{
    EXPECT_EQ(SqliteDialect::translate("Select Top 1 * from TpMorada "), "Select  * from TpMorada LIMIT 1 ");
    EXPECT_EQ(SqliteDialect::translate("select distinct top (5) a from t order by a"),
              "select distinct  a from t order by a LIMIT 5");
    EXPECT_EQ(SqliteDialect::translate("select x from t where y in (select top 2 y from u order by y) and z=1"),
              "select x from t where y in (select  y from u order by y LIMIT 2) and z=1");
}

TEST(SqliteDialect, SchemaPrefixesAndBrackets)
{
    EXPECT_EQ(SqliteDialect::translate("SELECT NOME, NumContr FROM dbo.EMPRESA"), "SELECT NOME, NumContr FROM EMPRESA");
    EXPECT_EQ(SqliteDialect::translate("select [Código] from [dbo].[Tab]"), "select \"Código\" from \"Tab\"");
    EXPECT_EQ(SqliteDialect::translate("select a.dbo from t as a"), "select a.dbo from t as a");
}

TEST(SqliteDialect, CreateTableKeepsColumnsAndKeyAndComparesTextWithoutCase)
{
    const QString sql = SqliteDialect::translate(
        " CREATE TABLE [dbo].[zav_ArtigoDetalhe]( [ARTIGO] [nvarchar](15) NOT NULL, [IDIOMA] [nvarchar](3) NOT NULL,"
        " [DESCR] [ntext] NOT NULL, [DBTS] [timestamp] NULL, CONSTRAINT [ix_zav_ArtigoDetalhe] PRIMARY KEY CLUSTERED"
        " ( [ARTIGO] ASC, [IDIOMA] Asc )WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF,"
        " ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY] ) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]");
    EXPECT_EQ(sql.simplified(),
              QStringLiteral("CREATE TABLE \"zav_ArtigoDetalhe\"( \"ARTIGO\" nvarchar(15) COLLATE ERP_NOCASE NOT NULL,"
                             " \"IDIOMA\" nvarchar(3) COLLATE ERP_NOCASE NOT NULL, \"DESCR\" ntext COLLATE ERP_NOCASE NOT NULL,"
                             " \"DBTS\" binary(8) NULL, CONSTRAINT \"ix_zav_ArtigoDetalhe\" PRIMARY KEY"
                             " ( \"ARTIGO\" ASC, \"IDIOMA\" Asc ) )"));
}

TEST(SqliteDialect, TopLimitLandsBeforeTrailingCommentsAndSemicolons)
{
    EXPECT_EQ(SqliteDialect::translate("SELECT TOP 1 a FROM t -- first only"), "SELECT  a FROM t LIMIT 1 -- first only");
    EXPECT_EQ(SqliteDialect::translate("SELECT TOP 1 a FROM t /* x */\n"), "SELECT  a FROM t LIMIT 1 /* x */\n");
    EXPECT_EQ(SqliteDialect::translate("select top 3 a from t order by a ; "), "select  a from t order by a LIMIT 3 ; ");
    EXPECT_EQ(SqliteDialect::translate("select x from (select top 2 y from u -- two\n) as s"),
              "select x from (select  y from u LIMIT 2 -- two\n) as s");
}

TEST(SqliteDialect, UnicodeLiteralsLoseTheirPrefix)
{
    EXPECT_EQ(SqliteDialect::translate("where Nome=N'Camisa' and x=n'it''s'"), "where Nome='Camisa' and x='it''s'");
    EXPECT_EQ(SqliteDialect::translate("CONVERT(DATETIME, N'2026-01-31', 102)"), "'2026-01-31 00:00:00'");
    for (const char* same : {"select N from t", "select 'N''x'", "select N 'x'", "select IN'x'"})
        EXPECT_EQ(SqliteDialect::translate(QString::fromUtf8(same)), QString::fromUtf8(same));
    EXPECT_EQ(SqliteDialect::translate("select [N]'x'"), "select \"N\"'x'");
}
