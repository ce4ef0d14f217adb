#include "platform/data/zavCoreDataAccess2016.h"
#include "support/ErrorNumber.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

using namespace zav;
using zav::test::errorNumberOf;
using zav::test::TempDatabase;

// The ODBC road, driven through Debian's SQLite3 ODBC driver with statements
// that SQL Server and SQLite both accept.
class OdbcConnection : public ::testing::Test {
protected:
    void SetUp() override
    {
        file.exec({"CREATE TABLE [dbo].[Clientes]( [Codigo] [nvarchar](15) NOT NULL, [Nome] [nvarchar](60) NULL,"
                   " [Sitio] [nvarchar](60) NULL, [Saldo] [decimal](19, 4) NULL, [Desde] [datetime] NULL,"
                   " CONSTRAINT [PK_Clientes] PRIMARY KEY CLUSTERED ( [Codigo] ASC ) ON [PRIMARY] ) ON [PRIMARY]",
                   "insert into Clientes values ('C1', 'Loja Norte', '', 10.25, '2026-01-31 00:00:00')",
                   "insert into Clientes values ('C2', 'O''Neil Modas', NULL, 0.1, NULL)",
                   "CREATE TABLE [dbo].[Notas]( [Codigo] [nvarchar](15) NOT NULL PRIMARY KEY, [Texto] [text] NULL)"});
        file.bd().FechaLigacao();
        bd.AbreLigacao(file.odbcConnectionString());
    }

    TempDatabase file;
    zavCoreDataAccess2016 bd;
};

TEST_F(OdbcConnection, ReadsRowsWithExactCountsAndTypes)
{
    RecordsetPtr rs = bd.AbreRecordset(QString(), "SELECT Codigo, Nome, Saldo, Desde FROM Clientes order by Codigo");
    ASSERT_EQ(rs->RecordCount(), 2);
    EXPECT_EQ(rs->Fields(QStringLiteral("Nome")).text(), QStringLiteral("Loja Norte"));
    EXPECT_EQ(rs->Fields(QStringLiteral("Saldo")).currency(), Currency::parse(QStringLiteral("10.25")));
    EXPECT_EQ(rs->Fields(QStringLiteral("Desde")).value().toDateTime().date(), QDate(2026, 1, 31));
    rs->MoveNext();
    EXPECT_EQ(rs->Fields(QStringLiteral("Nome")).text(), QStringLiteral("O'Neil Modas"));

    RecordsetPtr quoted = bd.GetLigacao().abreRecordset("Select *  from Clientes where Nome='" + SqlTexto("O'Neil Modas") + "'");
    EXPECT_EQ(quoted->RecordCount(), 1);
    EXPECT_EQ(bd.PrefixoImagens(), file.path());
}

TEST_F(OdbcConnection, WritesThroughUpdatableRecordsets)
{
    for (const char* sitio : {"Braga", "Porto"}) {
        RecordsetPtr rs = bd.AbreRecordsetEdicao("Select * from Clientes where  Codigo='C3' ");
        if (rs->RecordCount() == 0) {
            rs->AddNew();
            rs->Fields(QStringLiteral("Codigo")) = "C3";
        }
        rs->Fields(QStringLiteral("Sitio")) = sitio;
        rs->Fields(QStringLiteral("Saldo")) = QVariant::fromValue(Currency::parse(QStringLiteral("1.2345")));
        rs->Update();
    }
    RecordsetPtr back = bd.AbreRecordset(QString(), "select Sitio, Saldo from Clientes where Codigo='C3'");
    ASSERT_EQ(back->RecordCount(), 1);
    EXPECT_EQ(back->Fields(0).text(), QStringLiteral("Porto"));
    EXPECT_EQ(back->Fields(1).currency(), Currency::parse(QStringLiteral("1.2345")));

    bd.ExecutaSQL(QString(), "Delete from Clientes where Codigo='C3' ");
    EXPECT_EQ(bd.AbreRecordset(QString(), "select * from Clientes")->RecordCount(), 2);
}

// Texts go to the driver and come back as UTF-16 whatever their script or
// length (a long one is read in pieces); an empty text stays apart from Null.
// The driver reads "text" as unlimited, "ntext" as 255 characters.
TEST_F(OdbcConnection, TextsOfEveryScriptAndLengthComeBackWhole)
{
    const QString nome = QStringLiteral("Μπλούζα 棉质 👕 Acção");
    const QString nota = QStringLiteral("Ω ç 中 👕 ").repeated(1500);
    RecordsetPtr notas = bd.AbreRecordsetEdicao("Select * from Notas where Codigo='N1'");
    notas->AddNew();
    notas->Fields(QStringLiteral("Codigo")) = "N1";
    notas->Fields(QStringLiteral("Texto")) = nota;
    notas->Update();
    RecordsetPtr cliente = bd.AbreRecordsetEdicao("Select * from Clientes where Codigo='C1'");
    cliente->Fields(QStringLiteral("Nome")) = nome;
    cliente->Update();

    RecordsetPtr back = bd.AbreRecordset(QString(), "select c.Nome, c.Sitio, n.Texto from Clientes c, Notas n where c.Codigo='C1'");
    ASSERT_EQ(back->RecordCount(), 1);
    EXPECT_EQ(back->Fields(QStringLiteral("Nome")).text(), nome);
    EXPECT_EQ(back->Fields(QStringLiteral("Texto")).text(), nota);
    EXPECT_FALSE(back->Fields(QStringLiteral("Sitio")).isNull());
    EXPECT_TRUE(bd.AbreRecordset(QString(), "select Sitio from Clientes where Codigo='C2'")->Fields(0).isNull());
}

TEST_F(OdbcConnection, ReportsTheSameErrorNumbers)
{
    EXPECT_EQ(errorNumberOf([&] { bd.AbreRecordset(QString(), "select Chave from  zav_TabLiv01 "); }), errors::ObjectNotFound);
    EXPECT_EQ(errorNumberOf([&] { bd.AbreRecordset(QString(), "select Nada from Clientes"); }), errors::CommandError);
    EXPECT_EQ(errorNumberOf([&] { bd.ExecutaSQL(QString(), "insert into Clientes (Codigo) values ('C1')"); }),
              errors::IntegrityViolation);
}

TEST(OdbcConnectionFailure, UnknownDriverIsAnError)
{
    zavCoreDataAccess2016 bd;
    EXPECT_EQ(errorNumberOf([&] { bd.AbreLigacao("Provider=MSDataShape;Data Provider=SQLOLEDB;Driver=NoSuchDriver;Initial Catalog=x"); }),
              errors::Unspecified);
    EXPECT_FALSE(bd.isOpen());
}
