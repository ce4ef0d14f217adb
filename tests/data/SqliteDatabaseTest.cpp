// The embedded database as the program opens it: which file, how text
// compares, and how SQL Server's text is carried over.

#include "platform/data/TabelasAdicionais.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "support/ErrorNumber.h"
#include "support/PlainSqlite.h"
#include "support/TempDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace zav;
using zav::test::errorNumberOf;
using zav::test::PlainSqlite;
using zav::test::TempDatabase;

namespace {

QString sqliteConnection(const QString& file)
{
    return QStringLiteral("Provider=MSDataShape;Data Provider=SQLite;Data Source=") + file;
}

QString integrityOf(zavCoreDataAccess2016& bd)
{
    RecordsetPtr rs = bd.AbreRecordset(QString(), "PRAGMA integrity_check");
    QStringList lines;
    for (; !rs->Eof(); rs->MoveNext())
        lines << rs->Fields(0).text();
    return lines.join(u'\n');
}

int rows(zavCoreDataAccess2016& bd, const QString& sql)
{
    return bd.AbreRecordset(QString(), sql)->RecordCount();
}

} // namespace

// The file is named to SQLite as a URI: blanks, "#", "%", "?" and accents must reach it unchanged.
TEST(SqliteFile, AnyFileNameOpensTheFileItNames)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Confecções 01 #2 100%?x=1.db"));
    {
        PlainSqlite other(file);
        ASSERT_EQ(other.exec("CREATE TABLE EMPRESA (NOME TEXT); INSERT INTO EMPRESA VALUES ('Norte')"), SQLITE_OK);
    }
    zavCoreDataAccess2016 bd;
    bd.AbreLigacao(sqliteConnection(file));
    RecordsetPtr rs = bd.AbreRecordset(QString(), "select NOME from EMPRESA");
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Fields(0).text(), "Norte");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({QFileInfo(file).fileName()}));
}

// Another SQLite program (the sqlite3 shell, a converter) built these rows and
// their key under SQLite's own NOCASE, for which 'C1' and 'c1 ' differ.
TEST(SqliteText, IndexesOtherProgramsBuiltStayWhole)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("outra.db");
    {
        PlainSqlite other(file);
        ASSERT_EQ(other.exec("CREATE TABLE Clientes (Codigo VARCHAR(15) COLLATE NOCASE NOT NULL PRIMARY KEY, Nome TEXT);"
                             "INSERT INTO Clientes VALUES ('C1', 'Loja'), ('c1 ', 'Outra'), ('C2', 'Terceira')"),
                  SQLITE_OK)
            << other.error.toStdString();
    }
    zavCoreDataAccess2016 bd;
    bd.AbreLigacao(sqliteConnection(file));
    EXPECT_EQ(rows(bd, "select * from Clientes where Codigo='C1'"),
              rows(bd, "select * from Clientes NOT INDEXED where Codigo='C1'"));
    EXPECT_EQ(integrityOf(bd), "ok");
}

// An earlier version of the comparison folded A to Z only: its indexes put
// 'Ú' before 'é', where 'ú' comes after. The program rebuilds them when it
// opens such a database.
TEST(SqliteText, IndexesBuiltUnderTheEarlierComparisonAreRebuilt)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("anterior.db");
    {
        PlainSqlite earlier(file);
        earlier.compareAsEarlierBuild(0);
        ASSERT_EQ(earlier.exec("CREATE TABLE Artigos (Codigo VARCHAR(15) COLLATE ERP_NOCASE NOT NULL PRIMARY KEY)"), SQLITE_OK);
        for (int i = 0; i < 50; ++i)
            for (const char* inicio : {"Ú", "é", "Ç", "à"})
                earlier.exec(QStringLiteral("INSERT INTO Artigos VALUES ('%1%2')").arg(QString::fromUtf8(inicio)).arg(i).toUtf8().constData());
    }
    zavCoreDataAccess2016 bd;
    bd.AbreLigacao(sqliteConnection(file));
    EXPECT_EQ(integrityOf(bd), "ok");
    EXPECT_EQ(rows(bd, "select * from Artigos where Codigo='ú7'"), 1);
}

// The copier's "codes beginning with" is a LIKE: it folds every letter as
// the comparison does, and its wildcards and escape still work.
TEST(SqliteText, LikeIgnoresTheCaseOfEveryLetterButNotItsAccent)
{
    TempDatabase empresa;
    const struct {
        const char *texto, *molde;
        int casa;
    } casos[] = {
        {"ação", "AÇ%", 1}, {"AÇÃO", "aç_o", 1}, {"ACAO", "aç%", 0}, {"VE_X1", "VE!_X%", 1},
        {"VEAX1", "VE!_X%", 0}, {"abcbc", "a%bc", 1}, {"abcb", "a%bc", 0}, {"", "%", 1},
    };
    for (const auto& c : casos)
        EXPECT_EQ(rows(empresa.bd(), QString::fromUtf8("select 1 where '%1' like '%2' escape '!'").arg(c.texto, c.molde)),
                  c.casa) << c.texto << " like " << c.molde;
}

// The sqlite3 shell reads such a database as it is; with the extension beside
// the program it also compares, writes and checks it.
TEST(SqliteText, TheShellExtensionGivesTheSameComparison)
{
    TempDatabase empresa;
    empresa.exec({tabelasFichaAmostra().first().criacao,
                  "insert into zav_FichaAmostra (Codigo, Descr) values ('CM1001', 'Camisa'), ('AÇÃO', 'Acção')"});
    empresa.bd().FechaLigacao();

    PlainSqlite shell(empresa.path());
    EXPECT_EQ(shell.text("select Descr from zav_FichaAmostra"), "Camisa");
    EXPECT_NE(shell.exec("insert into zav_FichaAmostra (Codigo) values ('cm1001 ')"), SQLITE_OK);
    EXPECT_TRUE(shell.error.contains("no such collation sequence")) << shell.error.toStdString();

    shell.loadExtension();
    EXPECT_EQ(shell.text("select Descr from zav_FichaAmostra where Codigo='cm1001 '"), "Camisa");
    EXPECT_NE(shell.exec("insert into zav_FichaAmostra (Codigo) values ('cm1001 ')"), SQLITE_OK);
    EXPECT_TRUE(shell.error.contains("UNIQUE")) << shell.error.toStdString();
    EXPECT_EQ(shell.exec("insert into zav_FichaAmostra (Codigo) values ('CM1002')"), SQLITE_OK);
    EXPECT_EQ(shell.text("select Descr from zav_FichaAmostra where Codigo='ação'"), "Acção");
    EXPECT_EQ(shell.text("select Descr from zav_FichaAmostra where Codigo like 'aç%'"), "Acção");
    EXPECT_EQ(shell.text("PRAGMA integrity_check"), "ok");
}

class SqlServerText : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.exec({"CREATE TABLE [dbo].[Cores]( [Codigo] [nvarchar](4) NOT NULL, [Nome] [nvarchar](20) NULL,"
                 " CONSTRAINT [PK_Cores] PRIMARY KEY CLUSTERED ( [Codigo] ASC ) ON [PRIMARY] ) ON [PRIMARY]",
                 "insert into Cores values ('01', 'Branco'), ('02', 'Preto'), ('03', NULL)"});
    }
    QStringList codes(const QString& sql)
    {
        QStringList list;
        for (RecordsetPtr rs = db.bd().AbreRecordset(QString(), sql); !rs->Eof(); rs->MoveNext())
            list << rs->Fields(0).text();
        return list;
    }

    TempDatabase db;
};

TEST_F(SqlServerText, TopLimitsItsOwnSelectWhateverFollowsIt)
{
    EXPECT_EQ(codes("SELECT TOP 1 Codigo FROM Cores order by Codigo -- first only"), QStringList({"01"}));
    EXPECT_EQ(codes("SELECT TOP 1 Codigo FROM Cores order by Codigo /* first */"), QStringList({"01"}));
    EXPECT_EQ(codes("SELECT TOP 1 Codigo FROM Cores UNION ALL SELECT Codigo FROM Cores"), QStringList({"01", "01", "02", "03"}));
    EXPECT_EQ(codes("SELECT Codigo FROM Cores where Codigo='02' UNION ALL SELECT TOP (2) Codigo FROM Cores order by 1"),
              QStringList({"01", "02", "02"}));
    EXPECT_EQ(codes("SELECT TOP 2 Codigo FROM Cores order by Codigo desc; "), QStringList({"03", "02"}));
    EXPECT_EQ(codes("SELECT Codigo FROM Cores where Codigo in (select top 1 Codigo from Cores order by Codigo desc) and Nome is null"),
              QStringList({"03"}));
}

// The first n of the distinct values, not the distinct values among the first n rows.
TEST_F(SqlServerText, DistinctTopGivesNDistinctRows)
{
    db.exec({"insert into Cores values ('04', 'Branco'), ('05', 'Branco'), ('06', 'Preto'), ('07', 'Verde')"});
    EXPECT_EQ(codes("SELECT DISTINCT TOP 2 Nome FROM Cores where Nome is not null order by Nome"),
              QStringList({"Branco", "Preto"}));
    EXPECT_EQ(codes("select distinct top (3) Nome from Cores where Nome>'' order by Nome desc"),
              QStringList({"Verde", "Preto", "Branco"}));
}

TEST_F(SqlServerText, UnicodeLiteralsAreText)
{
    EXPECT_EQ(codes("SELECT Codigo FROM Cores where Nome=N'Preto'"), QStringList({"02"}));
    EXPECT_EQ(codes("SELECT n'it''s' as x"), QStringList({"it's"}));
    EXPECT_EQ(codes("SELECT Codigo FROM Cores as n where n.Nome='Branco'"), QStringList({"01"}));
    EXPECT_EQ(codes("SELECT Codigo FROM dbo.Cores where CONVERT(DATETIME, N'2026-01-31', 102) = '2026-01-31 00:00:00' and Nome>''"),
              QStringList({"01", "02"}));
    // What only looks like SQL Server's own constructs, inside a literal, is text.
    const QString literal = QStringLiteral("CONVERT(DATETIME, '2026-01-31', 102) Top 1 [dbo].x N'y'");
    EXPECT_EQ(codes("SELECT '" + SqlTexto(literal) + "'"), QStringList({literal}));
}

TEST_F(SqlServerText, AnUnknownQuotedNameIsAnErrorNotText)
{
    for (const char* sql : {"SELECT [nosuchcol] FROM Cores", "SELECT \"nosuchcol\" FROM Cores",
                            "SELECT Codigo FROM Cores where Nome = \"Preto\""})
        EXPECT_EQ(errorNumberOf([&] { db.bd().AbreRecordset(QString(), QString::fromUtf8(sql)); }), errors::CommandError) << sql;
    EXPECT_EQ(codes("SELECT [Codigo] FROM [Cores] where \"Nome\"='Preto'"), QStringList({"02"}));
}

TEST_F(SqlServerText, ConcatSkipsNulls)
{
    EXPECT_EQ(codes("SELECT CONCAT('a', NULL, 'b')"), QStringList({"ab"}));
    EXPECT_EQ(codes("SELECT Concat(Codigo, '-', Nome) FROM Cores order by Codigo"),
              QStringList({"01-Branco", "02-Preto", "03-"}));
}
