#include "platform/data/zavCoreDataAccess2016.h"
#include "shell/TabelasAdicionais.h"
#include "support/ErrorNumber.h"
#include "support/TempDatabase.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace zav;
using zav::test::errorNumberOf;
using zav::test::TempDatabase;

namespace {

// An add-on table's CREATE text exactly as start-up sends it.
QString createText(const QString& table)
{
    for (const auto* tables : {&tabelasIdiomas(), &tabelasFichaAmostra()})
        for (const TabelaAdicional& t : *tables)
            if (t.nome.compare(table, Qt::CaseInsensitive) == 0)
                return t.criacao;
    ADD_FAILURE() << "no add-on table " << table.toStdString();
    return {};
}

// A few ERP documents around the end of January 2026, written the ERP's way
// (upper-case codes in the master tables, lower case on some lines).
class CompanyDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.exec({
            "CREATE TABLE [dbo].[DOCGCCAB]( [TPDOC] [nvarchar](5) NOT NULL, [SERIE] [nvarchar](5) NOT NULL, [ANO] [int] NOT NULL,"
            " [NNUMDOC] [int] NOT NULL, [Data] [datetime] NULL, [nvias] [smallint] NULL, [sinalct] [smallint] NULL, [areag] [smallint] NULL,"
            " [tpterc] [smallint] NULL, [natconta] [smallint] NULL, [TpOper] [smallint] NULL, [Terceiro] [nvarchar](15) NULL,"
            " CONSTRAINT [PK_DOCGCCAB] PRIMARY KEY CLUSTERED ( [TPDOC] ASC, [SERIE] ASC, [ANO] ASC, [NNUMDOC] ASC ) ON [PRIMARY] ) ON [PRIMARY]",
            "CREATE TABLE [dbo].[DOCGCLIN]( [TPDOCUM] [nvarchar](5) NOT NULL, [SERIE] [nvarchar](5) NOT NULL, [ANO] [int] NOT NULL,"
            " [NNUMDOC] [int] NOT NULL, [NLINHA] [int] NOT NULL, [Artigo] [nvarchar](15) NULL, [Quant] [decimal](19, 4) NULL,"
            " [Valor] [money] NULL, CONSTRAINT [PK_DOCGCLIN] PRIMARY KEY CLUSTERED ( [TPDOCUM], [SERIE], [ANO], [NNUMDOC], [NLINHA] ) )",
            "CREATE TABLE [dbo].[Artigos]( [Codigo] [nvarchar](15) NOT NULL PRIMARY KEY, [Nome] [nvarchar](60) NULL, [UNBASE] [nvarchar](5) NULL,"
            " [artouDes] [smallint] NULL, [CodRef] [nvarchar](15) NULL)",
            "CREATE TABLE [dbo].[ClArt]( [Codigo] [nvarchar](15) NOT NULL PRIMARY KEY, [Cl05] [nvarchar](15) NULL)",
            "CREATE TABLE [dbo].[Familia]( [Cod] [nvarchar](6) NOT NULL, [Grupo] [nvarchar](10) NOT NULL, [Descr] [nvarchar](50) NULL,"
            " CONSTRAINT [PK_Familia] PRIMARY KEY ( [Grupo], [Cod] ))",
            "CREATE TABLE [dbo].[TpMorada]( [Codigo] [nvarchar](5) NOT NULL PRIMARY KEY, [Descrica] [nvarchar](30) NULL)",
            "CREATE TABLE [dbo].[EMPRESA]( [NOME] [nvarchar](60) NULL, [NumContr] [nvarchar](20) NULL)",
            "insert into Artigos values ('ABC', 'Camisa', 'UN', 0, ''), ('CL1', 'Camisas', 'UN', 0, ''), ('O''NEIL', 'Casaco', 'UN', 0, '')",
            "insert into ClArt values ('ABC', 'CL1'), ('O''NEIL', 'CL1')",
            "insert into DOCGCCAB values ('PR', 'A', 2026, 1, CONVERT(DATETIME, '2026-01-01 00:00:00', 102), 1, 2, 4, 3, 5, 1, 'C1'),"
            " ('PR', 'A', 2026, 2, CONVERT(DATETIME, '2026-01-31 00:00:00', 102), 1, 2, 4, 3, 5, 1, 'C1'),"
            " ('PR', 'A', 2026, 3, CONVERT(DATETIME, '2026-01-31 10:30:00', 102), 1, 2, 4, 3, 5, 1, 'C1'),"
            " ('PR', 'A', 2026, 4, CONVERT(DATETIME, '2026-02-01 00:00:00', 102), 1, 2, 4, 3, 5, 1, 'C1'),"
            " ('pr', 'a', 2026, 5, CONVERT(DATETIME, '2026-01-15 00:00:00', 102), -1, 2, 4, 3, 5, 1, 'C1')",
            "insert into DOCGCLIN values ('pr', 'a', 2026, 1, 1, 'abc', 1.5, 0.1), ('PR', 'A', 2026, 2, 1, 'ABC', 2, 0.2),"
            " ('PR', 'A', 2026, 3, 1, 'Abc', 4, 0.3), ('PR', 'A', 2026, 4, 1, 'ABC', 8, 0.4), ('PR', 'A', 2026, 5, 1, 'ABC', 16, 0.5)",
            "insert into Familia values ('F1', 'G1', 'Verão'), ('F2', 'G1', 'Inverno')",
            "insert into TpMorada values ('ENT', 'Entrega'), ('FAC', 'Facturação')",
            "insert into [dbo].[EMPRESA] values ('Confecções Tarvelo, Lda', '500000000')",
        });
    }

    // The statistical report's production query for one period.
    RecordsetPtr production(const QString& first, const QString& last)
    {
        return db.bd().AbreRecordset(QString(),
            " SELECT cl.Cl05,coalesce(ad.Nome,'') as Nome, a.UNBASE, sum( case when c.sinalct=2 then (Quant ) when c.sinalct=1 then (-Quant) end ) as qtdProd"
            " FROM            DOCGCCAB  as c INNER JOIN   DOCGCLIN as l ON c.NNUMDOC = l.NNUMDOC AND c.TPDOC = l.TPDOCUM AND c.SERIE = l.SERIE AND c.ANO = l.ANO"
            " inner join Artigos as a ON a.Codigo=l.Artigo inner join ClArt as cl ON cl.Codigo =a.Codigo Left outer join Artigos as ad ON ad.Codigo=cl.CL05"
            " Where c.nvias <> -1 and c.Data >= CONVERT(DATETIME, '" + first + "', 102) and c.Data <= CONVERT(DATETIME, '" + last
                + "', 102) and c.areag=4 and c.tpterc=3 and c.natconta=5 and c.TpOper=1 and l.artigo>'' and a.artouDes=0 and cl.Cl05>''"
                  " group by a.UNBASE , cl.Cl05,ad.Nome Order by cl.Cl05");
    }

    TempDatabase db;
};

} // namespace

TEST_F(CompanyDatabase, ReportWindowTakesTheLastDayAtMidnightAsTheServerDoes)
{
    // A date alone is midnight: the document of 31-01 00:00 is in, the one of 10:30 is not.
    RecordsetPtr rs = production(QStringLiteral("2026-01-01"), QStringLiteral("2026-01-31"));
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Fields(QStringLiteral("Cl05")).text(), QStringLiteral("CL1"));
    EXPECT_EQ(rs->Fields(QStringLiteral("Nome")).text(), QStringLiteral("Camisas"));
    EXPECT_EQ(rs->Fields(QStringLiteral("qtdProd")).currency(), Currency::parse(QStringLiteral("3.5")));

    EXPECT_EQ(production(QStringLiteral("2026-03-01"), QStringLiteral("2026-03-31"))->RecordCount(), 0);
}

TEST_F(CompanyDatabase, OrderMapWindowRunsToTheLastSecondOfTheDay)
{
    const QString sql = " select sum(l.Quant) as Quant from DocgcCab as c"
                        " inner join docgclin as l ON l.tpdocum=c.Tpdoc and l.nnumdoc=c.NNumdoc and l.serie=c.serie and l.ano=c.Ano"
                        " inner join artigos as a ON a.Codigo=l.Artigo"
                        " Where  c.Data >= CONVERT(DATETIME, '2026-01-31 00:00:00 ', 102)"
                        " and c.Data <= CONVERT(DATETIME, '2026-01-31 23:59:59 ', 102) and c.nvias<>-1 ";
    RecordsetPtr rs = db.bd().AbreRecordset(QString(), sql);
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Fields(0).text(), QStringLiteral("6"));
}

TEST_F(CompanyDatabase, TextComparesWithoutRegardToCase)
{
    EXPECT_EQ(db.bd().AbreRecordset(QString(), "Select * from Artigos where Codigo='abc' ")->RecordCount(), 1);
    EXPECT_EQ(db.bd().AbreRecordset(QString(), "Select * from artigos where CODIGO like 'a%'")->RecordCount(), 1);
    // Joins across case: 'pr'/'a'/'abc' lines meet 'PR'/'A'/'ABC' headers and articles.
    RecordsetPtr rs = db.bd().AbreRecordset(QString(),
        " select a.Codigo, count(*) as N from DOCGCCAB as c inner join DOCGCLIN as l ON c.NNUMDOC = l.NNUMDOC AND c.TPDOC = l.TPDOCUM"
        " AND c.SERIE = l.SERIE AND c.ANO = l.ANO inner join Artigos as a ON a.Codigo=l.Artigo group by a.Codigo");
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Fields(QStringLiteral("N")).integer(), 5);
}

TEST_F(CompanyDatabase, TrailingBlanksDoNotCountAsTheServerPadsText)
{
    // The order sheet's document lookup puts a blank after the type inside its quotes.
    RecordsetPtr rs = db.bd().AbreRecordset(QString(),
        " select c.NNumdoc,c.Data from DocgcCab as c Where   c.nvias<>-1  and c.tpdoc='pr ' and c.Nnumdoc>=2  and c.Nnumdoc<=2"
        " and c.Serie='A'  and c.ano=2026 ");
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Fields(QStringLiteral("NNumdoc")).integer(), 2);
    EXPECT_EQ(db.bd().AbreRecordset(QString(), "select * from Artigos where Codigo >= 'abc  ' and Codigo < 'O'")->RecordCount(), 2);
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
    EXPECT_EQ(rs->Fields(QStringLiteral("Quant")).type(), FieldType::Currency);
    EXPECT_EQ(rs->Fields(QStringLiteral("Valor")).type(), FieldType::Currency);
    EXPECT_EQ(rs->Fields(QStringLiteral("Data")).type(), FieldType::DateTime);
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

TEST_F(CompanyDatabase, AddOnTablesAreCreatedFromTheirServerTexts)
{
    db.exec({createText(QStringLiteral("zav_TabLiv01")), createText(QStringLiteral("zav_FichaAmostra"))});
    EXPECT_EQ(db.bd().AbreRecordset(QString(), "select Chave from  zav_TabLiv01 ")->RecordCount(), 0);
    EXPECT_EQ(db.bd().AbreRecordset(QString(), "select Codigo from  zav_FichaAmostra ")->RecordCount(), 0);
    db.exec({"insert into zav_TabLiv01 values ('AB', 'PT', 'x')"});
    EXPECT_EQ(errorNumberOf([&] { db.exec({"insert into zav_TabLiv01 values ('ab', 'pt', 'y')"}); }),
              errors::IntegrityViolation); // the key ignores case too
}

TEST_F(CompanyDatabase, UpsertThroughAnUpdatableRecordset)
{
    db.exec({createText(QStringLiteral("zav_FichaAmostra"))});
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
    EXPECT_EQ(db.bd().AbreRecordset(QString(), "select * from zav_FichaAmostra")->RecordCount(), 0);
}

TEST_F(CompanyDatabase, TableWithoutKeyIsUpdatedByItsOriginalValues)
{
    RecordsetPtr rs = db.bd().AbreRecordsetEdicao("SELECT NOME, NumContr FROM dbo.EMPRESA");
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Fields(0).text(), QStringLiteral("Confecções Tarvelo, Lda"));
    rs->Fields(QStringLiteral("NumContr")) = "501234567";
    rs->Update();
    EXPECT_EQ(db.bd().AbreRecordset(QString(), "select NumContr from EMPRESA where NumContr='501234567'")->RecordCount(), 1);

    RecordsetPtr stale = db.bd().AbreRecordsetEdicao("SELECT * FROM [dbo].[EMPRESA]");
    db.exec({"update EMPRESA set NumContr='0'"});
    stale->Fields(QStringLiteral("NOME")) = "Outra";
    EXPECT_EQ(errorNumberOf([&] { stale->Update(); }), 0x80040E38u); // the row it read is gone
}

TEST_F(CompanyDatabase, TopConcatAndTheQuotingHelper)
{
    RecordsetPtr top = db.bd().AbreRecordset(QString(), "Select Top 1 * from TpMorada ");
    EXPECT_EQ(top->RecordCount(), 1);

    RecordsetPtr list = db.bd().GetLigacao().abreRecordset(
        "SELECT Concat(Cod,'@',Grupo) as Teste,Cod as 'Código', Descr as  'Descrição' ,Grupo as 'Grupo' FROM Familia   ORDER BY Cod");
    ASSERT_EQ(list->RecordCount(), 2);
    EXPECT_EQ(list->Fields(QStringLiteral("Teste")).text(), QStringLiteral("F1@G1"));
    EXPECT_EQ(list->Fields(1).name(), QStringLiteral("Código"));
    EXPECT_EQ(list->Fields(QStringLiteral("Descrição")).text(), QStringLiteral("Verão"));

    RecordsetPtr quoted = db.bd().AbreRecordset(QString(), "Select *  from Artigos where Codigo='" + SqlTexto("O'NEIL") + "' and CodRef=''");
    ASSERT_EQ(quoted->RecordCount(), 1);
    EXPECT_EQ(quoted->Fields(QStringLiteral("Nome")).text(), QStringLiteral("Casaco"));
    EXPECT_EQ(SqlTexto("a''b'"), QStringLiteral("a''''b''"));

    EXPECT_EQ(SqlNumero("2026"), QStringLiteral("2026"));
    EXPECT_EQ(SqlNumero("-7"), QStringLiteral("-7"));
    for (const char* bad : {"", "1.5", "1 or 1=1", "12a"})
        EXPECT_EQ(errorNumberOf([&] { SqlNumero(QString::fromLatin1(bad)); }), errors::TypeMismatch) << bad;
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
    EXPECT_EQ(db.bd().AbreRecordset(QString(), "select * from TpMorada")->RecordCount(), 1);
}
