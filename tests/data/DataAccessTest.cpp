#include "platform/data/TabelasAdicionais.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "support/ErrorNumber.h"
#include "support/TempDatabase.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace zav;
using zav::test::errorNumberOf;
using zav::test::TempDatabase;

namespace {

// A few ERP documents around the end of January 2026, written the ERP's way
// (upper-case codes in the master tables, lower case on some lines).
class CompanyDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.exec({
            "CREATE TABLE [dbo].[DOCGCCAB]( [TPDOC] [nvarchar](5) NOT NULL, [SERIE] [nvarchar](5) NOT NULL, [ANO] [int] NOT NULL,"
            " [NNUMDOC] [int] NOT NULL, [Data] [datetime] NULL, [nvias] [smallint] NULL,"
            " CONSTRAINT [PK_DOCGCCAB] PRIMARY KEY CLUSTERED ( [TPDOC] ASC, [SERIE] ASC, [ANO] ASC, [NNUMDOC] ASC ) ON [PRIMARY] ) ON [PRIMARY]",
            "CREATE TABLE [dbo].[DOCGCLIN]( [TPDOCUM] [nvarchar](5) NOT NULL, [SERIE] [nvarchar](5) NOT NULL, [ANO] [int] NOT NULL,"
            " [NNUMDOC] [int] NOT NULL, [NLINHA] [int] NOT NULL, [Artigo] [nvarchar](15) NULL, [Quant] [decimal](19, 4) NULL,"
            " [Valor] [money] NULL, CONSTRAINT [PK_DOCGCLIN] PRIMARY KEY CLUSTERED ( [TPDOCUM], [SERIE], [ANO], [NNUMDOC], [NLINHA] ) )",
            "CREATE TABLE [dbo].[Artigos]( [Codigo] [nvarchar](15) NOT NULL PRIMARY KEY, [Nome] [nvarchar](60) NULL)",
            "CREATE TABLE [dbo].[TpMorada]( [Codigo] [nvarchar](5) NOT NULL PRIMARY KEY, [Descrica] [nvarchar](30) NULL)",
            "CREATE TABLE [dbo].[EMPRESA]( [NOME] [nvarchar](60) NULL, [NumContr] [nvarchar](20) NULL)",
            "insert into Artigos values ('ABC', 'Camisa'), ('CL1', 'Camisas'), ('O''NEIL', 'Casaco')",
            "insert into DOCGCCAB values ('PR', 'A', 2026, 1, CONVERT(DATETIME, '2026-01-01 00:00:00', 102), 1),"
            " ('PR', 'A', 2026, 2, CONVERT(DATETIME, '2026-01-31 00:00:00', 102), 1),"
            " ('PR', 'A', 2026, 3, CONVERT(DATETIME, '2026-01-31 10:30:00', 102), 1),"
            " ('PR', 'A', 2026, 4, CONVERT(DATETIME, '2026-02-01 00:00:00', 102), 1),"
            " ('pr', 'a', 2026, 5, CONVERT(DATETIME, '2026-01-15 00:00:00', 102), -1)",
            "insert into DOCGCLIN values ('pr', 'a', 2026, 1, 1, 'abc', 1.5, 0.1), ('PR', 'A', 2026, 2, 1, 'ABC', 2, 0.2),"
            " ('PR', 'A', 2026, 3, 1, 'Abc', 4, 0.3), ('PR', 'A', 2026, 4, 1, 'ABC', 8, 0.4), ('PR', 'A', 2026, 5, 1, 'ABC', 16, 0.5)",
            "insert into TpMorada values ('ENT', 'Entrega'), ('FAC', 'Facturação')",
            "insert into [dbo].[EMPRESA] values ('Confecções Tarvelo, Lda', '500000000')",
        });
    }

    int count(const QString& sql) { return db.bd().AbreRecordset(QString(), sql)->RecordCount(); }

    TempDatabase db;
};

} // namespace

// The statistical report gives dates alone, which are midnight: a document of
// the last day at 10:30 is out. The order maps give the day's last second.
TEST_F(CompanyDatabase, DateWindowsEndWhereTheServerEndsThem)
{
    const struct {
        const char *first, *last, *quantity;
    } windows[] = {
        {"2026-01-01", "2026-01-31", "3.5"},
        {"2026-01-31 00:00:00 ", "2026-01-31 23:59:59 ", "6"},
        {"2026-03-01", "2026-03-31", ""},
    };
    for (const auto& w : windows) {
        // The lines join their headers across case: 'pr'/'a' meets 'PR'/'A'.
        RecordsetPtr rs = db.bd().AbreRecordset(QString(), QStringLiteral(
            " select sum(l.Quant) as Quant from DocgcCab as c inner join docgclin as l ON l.tpdocum=c.Tpdoc"
            " and l.nnumdoc=c.NNumdoc and l.serie=c.serie and l.ano=c.Ano inner join artigos as a ON a.Codigo=l.Artigo"
            " Where c.nvias<>-1 and c.Data >= CONVERT(DATETIME, '%1', 102) and c.Data <= CONVERT(DATETIME, '%2', 102)")
                                                        .arg(QLatin1String(w.first), QLatin1String(w.last)));
        EXPECT_EQ(rs->Fields(0).text(), QLatin1String(w.quantity)) << w.first << " " << w.last;
    }
}

TEST_F(CompanyDatabase, TextComparesWithoutRegardToCaseOrTrailingBlanks)
{
    EXPECT_EQ(count("Select * from Artigos where Codigo='abc' "), 1);
    EXPECT_EQ(count("Select * from artigos where CODIGO like 'a%'"), 1);
    // The order sheet's document lookup puts a blank after the type inside its quotes.
    EXPECT_EQ(count(" select c.NNumdoc from DocgcCab as c Where c.nvias<>-1 and c.tpdoc='pr ' and c.Nnumdoc=2 and c.Serie='A'"), 1);
    EXPECT_EQ(count("select * from Artigos where Codigo >= 'abc  ' and Codigo < 'O'"), 2);
}

TEST_F(CompanyDatabase, ResultsCarryTheirColumnsTypes)
{
    RecordsetPtr rs = db.bd().AbreRecordset(QString(), "select c.*, l.Quant, l.Valor from DOCGCCAB as c inner join DOCGCLIN as l"
                                                       " ON c.NNUMDOC = l.NNUMDOC order by c.NNUMDOC");
    EXPECT_EQ(rs->RecordCount(), 5);
    EXPECT_EQ(rs->Fields(QStringLiteral("TPDOC")).type(), FieldType::Text);
    EXPECT_EQ(rs->Fields(QStringLiteral("TPDOC")).definedSize(), 5);
    EXPECT_EQ(rs->Fields(QStringLiteral("ANO")).type(), FieldType::Long);
    EXPECT_EQ(rs->Fields(QStringLiteral("nvias")).type(), FieldType::SmallInt);
    EXPECT_EQ(rs->Fields(QStringLiteral("Quant")).type(), FieldType::Decimal); // decimal(19,4) holds more than currency
    EXPECT_EQ(rs->Fields(QStringLiteral("Valor")).type(), FieldType::Currency);
    EXPECT_EQ(rs->Fields(QStringLiteral("Data")).value().toDateTime(), QDateTime(QDate(2026, 1, 1), QTime(0, 0)));

    Currency total;
    for (; !rs->Eof(); rs->MoveNext())
        total += rs->Fields(QStringLiteral("Valor")).currency();
    EXPECT_EQ(total, Currency::parse(QStringLiteral("1.5")));
}

TEST_F(CompanyDatabase, ProviderErrorNumbers)
{
    auto open = [&](const char* sql) { return errorNumberOf([&] { db.bd().AbreRecordset(QString(), QString::fromUtf8(sql)); }); };
    EXPECT_EQ(open("select Chave from  zav_TabLiv01 "), errors::ObjectNotFound);
    EXPECT_EQ(open("select Nada from Artigos"), errors::CommandError);
    EXPECT_EQ(open("selec * from Artigos"), errors::CommandError);
    EXPECT_EQ(errorNumberOf([&] { db.exec({"insert into Artigos (Codigo) values ('abc')"}); }), errors::IntegrityViolation);
    try {
        db.bd().AbreRecordset(QString(), "select * from Inexistente");
        FAIL() << "a missing table must fail";
    } catch (const RuntimeError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("Inexistente"))) << e.what();
    }
}

// Every add-on table from the text start-up sends the server; their keys compare as the ERP's.
TEST_F(CompanyDatabase, AddOnTablesAreCreatedFromTheirServerTexts)
{
    for (const auto* tables : {&tabelasIdiomas(), &tabelasFichaAmostra()})
        for (const TabelaAdicional& t : *tables) {
            db.exec({t.criacao});
            EXPECT_EQ(count(t.sondagem()), 0) << t.nome.toStdString();
        }
    // Every letter's case, not only A to Z, and trailing blanks; accents still count.
    db.exec({"insert into zav_TabLiv01 values ('AB', 'PT', 'x'), ('AÇÃO', 'PT', 'x'), ('ACAO', 'PT', 'y')"});
    for (const char* same : {"insert into zav_TabLiv01 values ('ab ', 'pt', 'y')", "insert into zav_TabLiv01 values ('ação', 'pt', 'z')"})
        EXPECT_EQ(errorNumberOf([&] { db.exec({QString::fromUtf8(same)}); }), errors::IntegrityViolation) << same;
    EXPECT_EQ(count("select * from zav_TabLiv01 where Chave='ação'"), 1);
    EXPECT_EQ(count("select * from zav_TabLiv01 NOT INDEXED where Chave='ação ' and Idioma='pt'"), 1);
}

TEST_F(CompanyDatabase, UpsertThroughAnUpdatableRecordset)
{
    db.exec({tabelasFichaAmostra().first().criacao});
    const QString code = QStringLiteral("o'neil");
    const QString sql = "Select * from zav_FichaAmostra where Codigo='" + SqlTexto(code) + "'  ";
    for (const char* descr : {"Primeira", "Segunda"}) {
        RecordsetPtr rs = db.bd().AbreRecordsetEdicao(sql);
        if (rs->RecordCount() == 0)
            rs->AddNew();
        rs->Fields(QStringLiteral("Codigo")) = code.toUpper();
        rs->Fields(QStringLiteral("Descr")) = descr;
        rs->Fields(QStringLiteral("DataEnc")) = QVariant(QDate(2026, 1, 31));
        rs->Update();
        rs->close();
    }
    RecordsetPtr back = db.bd().AbreRecordset(QString(), "select * from zav_FichaAmostra");
    ASSERT_EQ(back->RecordCount(), 1);
    EXPECT_EQ(back->Fields(QStringLiteral("Codigo")).text(), QStringLiteral("O'NEIL"));
    EXPECT_EQ(back->Fields(QStringLiteral("Descr")).text(), QStringLiteral("Segunda"));
    EXPECT_TRUE(back->Fields(QStringLiteral("Fornec")).isNull());
    EXPECT_EQ(back->Fields(QStringLiteral("DataEnc")).value().toDateTime(), QDateTime(QDate(2026, 1, 31), QTime(0, 0)));

    RecordsetPtr rs = db.bd().AbreRecordsetEdicao(sql);
    EXPECT_EQ(errorNumberOf([&] { rs->Fields(QStringLiteral("Codigo")) = QStringLiteral("1234567890123456"); }),
              errors::MultipleStepError);
    rs->Delete();
    EXPECT_EQ(count("select * from zav_FichaAmostra"), 0);
}

TEST_F(CompanyDatabase, TableWithoutKeyIsUpdatedByItsOriginalValues)
{
    RecordsetPtr rs = db.bd().AbreRecordsetEdicao("SELECT NOME, NumContr FROM dbo.EMPRESA");
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Fields(0).text(), QStringLiteral("Confecções Tarvelo, Lda"));
    rs->Fields(QStringLiteral("NumContr")) = "501234567";
    rs->Update();
    EXPECT_EQ(count("select NumContr from EMPRESA where NumContr='501234567'"), 1);

    RecordsetPtr stale = db.bd().AbreRecordsetEdicao("SELECT * FROM [dbo].[EMPRESA]");
    db.exec({"update EMPRESA set NumContr='0'"});
    stale->Fields(QStringLiteral("NOME")) = "Outra";
    EXPECT_EQ(errorNumberOf([&] { stale->Update(); }), 0x80040E38u); // the row it read is gone
}

// The pick list's road: the connection itself, with the headings the statement names.
TEST_F(CompanyDatabase, PickListStatementsAndQuotedValues)
{
    RecordsetPtr list = db.bd().GetLigacao().abreRecordset(
        "SELECT Codigo as 'Código', Descrica as  'Descrição' FROM TpMorada   ORDER BY Codigo");
    ASSERT_EQ(list->RecordCount(), 2);
    EXPECT_EQ(list->Fields(0).name(), QStringLiteral("Código"));
    EXPECT_EQ(list->Fields(QStringLiteral("Descrição")).text(), QStringLiteral("Entrega"));

    RecordsetPtr quoted = db.bd().AbreRecordset(QString(), "Select *  from Artigos where Codigo='" + SqlTexto("O'NEIL") + "'");
    ASSERT_EQ(quoted->RecordCount(), 1);
    EXPECT_EQ(quoted->Fields(QStringLiteral("Nome")).text(), QStringLiteral("Casaco"));
}

TEST_F(CompanyDatabase, ConnectionLifecycle)
{
    EXPECT_EQ(db.bd().PrefixoImagens(), QStringLiteral("empresa"));
    Ligacao ligacao = db.bd().GetLigacao();
    EXPECT_TRUE(ligacao.isOpen());
    db.bd().FechaLigacao();
    EXPECT_FALSE(ligacao.isOpen());
    EXPECT_EQ(errorNumberOf([&] { db.bd().AbreRecordset(QString(), "select * from Artigos"); }), errors::OperationNotAllowed);

    db.bd().AbreLigacao(db.connectionString());
    zavCoreDataAccess2016 second; // each object has a connection of its own
    second.AbreLigacao(db.connectionString());
    second.ExecutaSQL(QString(), "delete from TpMorada where Codigo='ent'");
    EXPECT_EQ(count("select * from TpMorada"), 1);
}

TEST(SqlNumero, IsAWholeNumberAndNothingElse)
{
    for (const char* whole : {"2026", "-7"})
        EXPECT_EQ(SqlNumero(QString::fromLatin1(whole)), QLatin1String(whole));
    for (const char* bad : {"", "1.5", "1 or 1=1", "12a", "12\n", "\n12", " 12", "1\n2", "+", "١٢"})
        EXPECT_EQ(errorNumberOf([&] { SqlNumero(QString::fromUtf8(bad)); }), errors::TypeMismatch) << bad;
}
