#include "DemoTestSupport.h"

#include "demo/CompanySchema.h"
#include "demo/DemoDatabase.h"
#include "demo/SqliteConnection.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using demo::CompanySchema;
using demo::DemoGenerator;
using demo::DemoOptions;
using demo::SqliteConnection;
using demo::test::count;
using demo::test::scalar;

namespace {

DemoOptions options(qint64 scale, quint64 seed, QDate today)
{
    DemoOptions result;
    result.scale = scale;
    result.seed = seed;
    result.today = today;
    return result;
}

QByteArray hashOf(const DemoOptions& options)
{
    SqliteConnection connection(QStringLiteral(":memory:"));
    CompanySchema::createTables(connection.database());
    DemoGenerator(options).fill(connection.database());
    return demo::test::contentHash(connection.database());
}

TEST(DemoGeneratorDeterminism, SameOptionsGiveTheSameRowsAndAnyChangeOthers)
{
    const QDate today(2025, 3, 15);
    const QByteArray first = hashOf(options(3000, 11, today));
    EXPECT_EQ(hashOf(options(3000, 11, today)), first);
    EXPECT_NE(hashOf(options(3000, 12, today)), first);
    EXPECT_NE(hashOf(options(3000, 11, today.addDays(1))), first);
}

// One demo company, built once through the same road as the program's demo file.
class DemoCompanyTest : public ::testing::Test {
protected:
    static constexpr qint64 kScale = 8000;
    static inline const QDate kToday{2025, 6, 2}; // a Monday, and the 2nd: a short current month

    static void SetUpTestSuite()
    {
        folder = std::make_unique<QTemporaryDir>();
        const QString path = folder->filePath(QStringLiteral("demo.db"));
        summary = demo::DemoDatabase::create(path, options(kScale, 5, kToday));
        connection = std::make_unique<SqliteConnection>(path);
    }

    static void TearDownTestSuite()
    {
        connection.reset();
        folder.reset();
    }

    static QSqlDatabase db() { return connection->database(); }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline std::unique_ptr<SqliteConnection> connection;
    static inline demo::DemoSummary summary;
};

TEST_F(DemoCompanyTest, HasExactlyTheDocumentLinesAskedFor)
{
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCLIN"), kScale);
    EXPECT_EQ(summary.documentLines, kScale);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCCAB"), summary.documents);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos"), summary.articles);
    EXPECT_EQ(scalar(db(), "SELECT NOME FROM EMPRESA").toString(), "Malhas Lusitânia - Confecções, Lda");
}

TEST_F(DemoCompanyTest, EveryLineBelongsToAHeaderAndNamesAnArticleOrIsText)
{
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCLIN l LEFT JOIN DOCGCCAB c ON c.TPDOC=l.TPDOCUM"
                          " AND c.SERIE=l.SERIE AND c.ANO=l.ANO AND c.NNUMDOC=l.NNUMDOC WHERE c.TPDOC IS NULL"),
              0);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCLIN l LEFT JOIN Artigos a ON a.Codigo=l.Artigo"
                          " WHERE l.Artigo<>'' AND a.Codigo IS NULL"),
              0);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCLIN WHERE Artigo='' AND Descr=''"), 0);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCCAB WHERE ANO <> CAST(substr(Data, 1, 4) AS INTEGER)"), 0);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCCAB c LEFT JOIN TpDoc t ON t.Codigo=c.TPDOC"
                          " WHERE t.Codigo IS NULL"),
              0);
}

TEST_F(DemoCompanyTest, VariantsBelongToParentReferencesWithSizesAndColours)
{
    ASSERT_GT(count(db(), "SELECT count(*) FROM Artigos WHERE CodRef<>''"), 0);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos v LEFT JOIN Artigos p ON p.Codigo=v.CodRef AND p.CodRef=''"
                          " AND p.TmHor<>'' AND p.TmVer<>'' AND p.TmHor=v.TmHor AND p.TmVer=v.TmVer"
                          " WHERE v.CodRef<>'' AND p.Codigo IS NULL"),
              0);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos v LEFT JOIN MedTamCo m ON m.CodTipoM=v.TmHor"
                          " AND m.CodMed=v.MedHor WHERE v.CodRef<>'' AND m.CodMed IS NULL"),
              0);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos v LEFT JOIN MedTamCo m ON m.CodTipoM=v.TmVer"
                          " AND m.CodMed=v.MedVert WHERE v.CodRef<>'' AND m.CodMed IS NULL"),
              0);
    // Every parent in the reference pick list has variants, and both kinds of size type are used.
    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos p WHERE TMHOR<>'' and TMVER<>'' and CodRef=''"
                          " AND NOT EXISTS (SELECT 1 FROM Artigos v WHERE v.CodRef=p.Codigo)"),
              0);
    EXPECT_EQ(count(db(), "SELECT count(DISTINCT TmHor) FROM Artigos WHERE CodRef=''"
                          " AND TmHor IN ('LETRAS', 'NUMEROS')"),
              2);
    // Print positions order the sizes and colours of every type.
    EXPECT_EQ(count(db(), "SELECT count(*) FROM (SELECT CodTipoM FROM MedTamCo GROUP BY CodTipoM"
                          " HAVING min(PosImp)<>1 OR max(PosImp)<>count(*))"),
              0);
}

TEST_F(DemoCompanyTest, ArticlesReachTheirClassSupplierAndGroup)
{
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCLIN l JOIN Artigos a ON a.Codigo=l.Artigo"
                          " LEFT JOIN ClArt cl ON cl.Codigo=a.Codigo LEFT JOIN Artigos ad ON ad.Codigo=cl.Cl05"
                          " WHERE a.ArtOuDes=0 AND (ad.Nome IS NULL OR ad.Nome='')"),
              0);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos a LEFT JOIN Fornec f ON f.Codigo=a.Fornec"
                          " WHERE a.CodRef='' AND a.TmHor<>'' AND f.Codigo IS NULL"),
              0);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos a LEFT JOIN SubFamil s ON s.Grupo=a.Grupo"
                          " AND s.Familia=a.Familia AND s.Cod=a.SubFamil WHERE a.TmHor<>'' AND s.Cod IS NULL"),
              0);
    EXPECT_EQ(count(db(), "SELECT count(DISTINCT UnBase) FROM Artigos a JOIN ClArt cl ON cl.Codigo=a.Codigo"), 2);
}

TEST_F(DemoCompanyTest, OrdersAreNeverDeliveredBeyondWhatWasOrdered)
{
    const QString orderLines = "FROM DOCGCLIN l JOIN DOCGCCAB c ON c.TPDOC=l.TPDOCUM AND c.SERIE=l.SERIE"
                               " AND c.ANO=l.ANO AND c.NNUMDOC=l.NNUMDOC WHERE c.Tpterc=2 AND c.Areag=2"
                               " AND l.Artigo<>'' ";
    EXPECT_EQ(count(db(), "SELECT count(*) " + orderLines + "AND (l.Quant > l.QtdOrig OR l.Quant < 0)"), 0);
    EXPECT_GT(count(db(), "SELECT count(*) " + orderLines + "AND l.Quant = l.QtdOrig"), 0);
    EXPECT_GT(count(db(), "SELECT count(*) " + orderLines + "AND l.Quant = 0"), 0);
    EXPECT_GT(count(db(), "SELECT count(*) " + orderLines + "AND l.Quant > 0 AND l.Quant < l.QtdOrig"), 0);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCLIN WHERE Quant <> QtdOrig AND TPDOCUM NOT IN ('ENC', 'ENCW')"), 0);
}

TEST_F(DemoCompanyTest, OrdersCarryTextLinesAndSomeDocumentsAreCancelled)
{
    EXPECT_GT(count(db(), "SELECT count(*) FROM DOCGCLIN l JOIN DOCGCCAB c ON c.TPDOC=l.TPDOCUM"
                          " AND c.SERIE=l.SERIE AND c.ANO=l.ANO AND c.NNUMDOC=l.NNUMDOC"
                          " WHERE c.Tpterc=2 AND c.Areag=2 AND c.nvias<>-1 AND l.artigo=''"),
              0);
    EXPECT_GT(count(db(), "SELECT count(*) FROM DOCGCCAB WHERE nvias=-1"), 0);
    // The order sheet picks order types among those of customers' orders.
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCCAB c JOIN TpDoc t ON t.Codigo=c.TPDOC"
                          " WHERE c.Tpterc=2 AND c.Areag=2 AND NOT (t.Entidade=2 AND t.Areag=2)"),
              0);
}

TEST_F(DemoCompanyTest, OrdersCoverTheDefaultWindowOfTheOrderMaps)
{
    // One month back to today, as the order maps open; the customer, salesman
    // and group ranges at their defaults.
    EXPECT_GT(count(db(), " select count(*) from DocgcCab as c"
                          " inner join docgclin as l ON l.tpdocum=c.Tpdoc and l.nnumdoc=c.NNumdoc"
                          " and l.serie=c.serie and l.ano=c.Ano"
                          " inner join artigos as a ON a.Codigo=l.Artigo"
                          " inner join MedTamCo as mh ON mh.CodTipoM=a.TmHor and mh.CodMed=a.medhor"
                          " inner join MedTamCo as mv ON mv.CodTipoM=a.TmVer and mv.CodMed=a.MEDVERT"
                          " Where  c.Data >= '2025-05-02 00:00:00' and c.Data <= '2025-06-02 23:59:59'"
                          " and a.CodRef>='' and a.CodRef<='zzzzzz'"
                          " and c.Terceiro >= '' and c.Terceiro<='zzzzzzzz' "
                          " and c.Vendedor >= '' and c.Vendedor<='zzzzzzzz' "
                          " and a.Grupo >= '' and a.Grupo<='zzzzzzzz' "
                          " and c.Tpterc=2 and c.Areag=2 and c.nvias<>-1 and l.Quant > 0"),
              100);
    EXPECT_GT(count(db(), "SELECT count(*) FROM DOCGCCAB WHERE Tpterc=2 AND Areag=2 AND nvias<>-1"
                          " AND Data = '2025-06-02 00:00:00'"),
              0);
}

TEST_F(DemoCompanyTest, TheStatisticalReportHasProductionAndSalesThisMonth)
{
    const QString joins = " FROM DOCGCCAB as c INNER JOIN DOCGCLIN as l ON c.NNUMDOC = l.NNUMDOC"
                          " AND c.TPDOC = l.TPDOCUM AND c.SERIE = l.SERIE AND c.ANO = l.ANO"
                          " inner join Artigos as a ON a.Codigo=l.Artigo inner join ClArt as cl ON cl.Codigo =a.Codigo"
                          " Left outer join Artigos as ad ON ad.Codigo=cl.CL05 Where c.nvias <> -1"
                          " and c.Data >= '2025-06-01 00:00:00' and c.Data <= '2025-06-02 00:00:00'";
    EXPECT_GT(count(db(), "SELECT sum(case when c.sinalct=2 then Quant when c.sinalct=1 then -Quant end)" + joins +
                              " and c.areag=4 and c.tpterc=3 and c.natconta=5 and c.TpOper=1 and l.artigo>''"
                              " and a.artouDes=0 and cl.Cl05>''"),
              0);
    EXPECT_GT(count(db(), "SELECT round(SUM((Abs(c.TPTERC - c.SINALCT) * 2 - 1) * l.Valor), 0)" + joins +
                              " and (c.AREAG = 4) AND (c.TpTerc = 2) AND (c.TpOper = 2) AND (c.Natconta = 1)"
                              " and l.artigo>'' and cl.CL05>''"),
              0);
    // Over the whole history sales reach all three markets, and credit notes subtract.
    EXPECT_EQ(count(db(), "SELECT count(DISTINCT i.Mercado) FROM DOCGCCAB c JOIN RgIva i ON i.Codigo=c.RgIva"
                          " WHERE c.AREAG=4 AND c.TpTerc=2"),
              3);
    EXPECT_GT(count(db(), "SELECT count(*) FROM DOCGCCAB WHERE AREAG=4 AND TpTerc=2 AND SINALCT=2"), 0);
}

TEST_F(DemoCompanyTest, MaintenanceScreensFindTheirReferenceData)
{
    EXPECT_GT(count(db(), "SELECT count(*) FROM Artigos a WHERE a.CodRef='' AND a.TComposi=1"
                          " AND EXISTS (SELECT 1 FROM OperaFac f WHERE f.Artigo=a.Codigo)"
                          " AND EXISTS (SELECT 1 FROM ArtOpera o WHERE o.Artigo=a.Codigo)"),
              0);
    EXPECT_GT(count(db(), "SELECT count(*) FROM ArtIdiom i JOIN Idiomas l ON l.Codigo=i.Idioma"), 0);
    EXPECT_GT(count(db(), "SELECT count(*) FROM Moradas m JOIN Clientes c ON c.Codigo=m.Terceiro"
                          " JOIN TpMorada t ON t.Codigo=m.TpMorada JOIN CodPost p ON p.Cod=m.CdPostal"
                          " JOIN Paises s ON s.Cod=m.\"País\" WHERE m.TpTerc=2"),
              0);
    for (const char* table : {"TabLiv01", "TabLiv02", "TabLiv03", "TabLiv04", "TipMed", "Grupos", "Familia",
                              "SubFamil", "Vendedor", "Fornec"})
        EXPECT_GT(count(db(), QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table))), 0) << table;
}

} // namespace
