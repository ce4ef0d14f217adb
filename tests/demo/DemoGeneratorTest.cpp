#include "DemoTestSupport.h"

#include "demo/CompanySchema.h"
#include "demo/DemoDatabase.h"
#include "demo/SqliteConnection.h"
#include "platform/data/TabelasAdicionais.h"
#include "platform/data/zavCoreDataAccess2016.h"

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
    const QByteArray first = hashOf(DemoOptions{3000, 11, today});
    EXPECT_EQ(hashOf(DemoOptions{3000, 11, today}), first);
    EXPECT_NE(hashOf(DemoOptions{3000, 12, today}), first);
    EXPECT_NE(hashOf(DemoOptions{3000, 11, today.addDays(1)}), first);
}

// One demo company, built once through the same road as the program's demo file.
class DemoCompanyTest : public ::testing::Test {
protected:
    static constexpr qint64 kScale = 8000;
    static inline const QDate kToday{2025, 6, 2}; // a Monday, and the 2nd: a short current month

    static void SetUpTestSuite()
    {
        folder = std::make_unique<QTemporaryDir>();
        path = folder->filePath(QStringLiteral("demo.db"));
        summary = demo::DemoDatabase::create(path, DemoOptions{kScale, 5, kToday});
        connection = std::make_unique<SqliteConnection>(path);
    }

    static void TearDownTestSuite()
    {
        connection.reset();
        folder.reset();
    }

    static QSqlDatabase db() { return connection->database(); }

    // Document lines with their headers, for conditions on both.
    static inline const QString lines = QStringLiteral(
        " FROM DOCGCLIN l JOIN DOCGCCAB c ON c.TPDOC=l.TPDOCUM AND c.SERIE=l.SERIE AND c.ANO=l.ANO AND c.NNUMDOC=l.NNUMDOC ");

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline QString path;
    static inline std::unique_ptr<SqliteConnection> connection;
    static inline demo::DemoSummary summary;
};

TEST_F(DemoCompanyTest, HasExactlyTheDocumentLinesAskedFor)
{
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCLIN"), kScale);
    EXPECT_EQ(summary.documentLines, kScale);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCCAB"), summary.documents);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos"), summary.articles);
}

// The program reads it as it reads the ERP: SQL Server text through its
// data-access object, with the ERP's column types reaching the recordsets.
TEST_F(DemoCompanyTest, TheProgramReadsItThroughItsDataAccess)
{
    zav::zavCoreDataAccess2016 bd;
    bd.AbreLigacao(QStringLiteral("Provider=MSDataShape;Data Provider=SQLite;Data Source=") + path);
    auto empresa = bd.AbreRecordsetEdicao(QStringLiteral("SELECT NOME, NumContr FROM dbo.EMPRESA"));
    ASSERT_EQ(empresa->RecordCount(), 1);
    EXPECT_EQ(empresa->Fields(0).text(), "Malhas Lusitânia - Confecções, Lda");
    // The order sheet names the type with a blank before the closing quote.
    auto documento = bd.AbreRecordset(QString(), QStringLiteral(
        " select c.NNumdoc,c.Data from DocgcCab as c Where c.nvias<>-1 and c.tpdoc='ENC ' and c.Nnumdoc=1 and c.Serie='A' and c.ano=2025"));
    ASSERT_EQ(documento->RecordCount(), 1);
    EXPECT_EQ(documento->Fields("Data").type(), zav::FieldType::DateTime);
    auto linha = bd.AbreRecordset(QString(), QStringLiteral("select Quant, QtdOrig, Valor, NNUMDOC from DOCGCLIN"));
    for (const char* quantity : {"Quant", "QtdOrig"}) // NUMERIC(19,4): beyond currency's range
        EXPECT_EQ(linha->Fields(quantity).type(), zav::FieldType::Decimal) << quantity;
    EXPECT_EQ(linha->Fields("Valor").type(), zav::FieldType::Currency);
    EXPECT_EQ(linha->Fields("NNUMDOC").type(), zav::FieldType::Long);
}

// The sample-card table the demo fills is the one the program creates at
// start-up, column for column and comparison for comparison, so that the
// screens find a card by its code as they find the article.
TEST_F(DemoCompanyTest, ItsSampleCardTableIsTheOneTheProgramCreates)
{
    const QString programa = folder->filePath(QStringLiteral("programa.db"));
    {
        const SqliteConnection vazia(programa);
        zav::zavCoreDataAccess2016 bd;
        bd.AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + programa);
        ASSERT_EQ(criaTabelasEmFalta(bd, tabelasFichaAmostra()), QStringList{"zav_FichaAmostra"});
    }
    const QString definicao = QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'zav_FichaAmostra'");
    const SqliteConnection criadaPeloPrograma(programa);
    EXPECT_EQ(scalar(db(), definicao).toString(), scalar(criadaPeloPrograma.database(), definicao).toString());
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
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCCAB c LEFT JOIN TpDoc t ON t.Codigo=c.TPDOC WHERE t.Codigo IS NULL"), 0);
}

TEST_F(DemoCompanyTest, VariantsBelongToParentReferencesWithSizesAndColours)
{
    ASSERT_GT(count(db(), "SELECT count(*) FROM Artigos WHERE CodRef<>''"), 0);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos v LEFT JOIN Artigos p ON p.Codigo=v.CodRef AND p.CodRef=''"
                          " AND p.TmHor<>'' AND p.TmVer<>'' AND p.TmHor=v.TmHor AND p.TmVer=v.TmVer"
                          " WHERE v.CodRef<>'' AND p.Codigo IS NULL"),
              0);
    for (const char* size : {"m.CodTipoM=v.TmHor AND m.CodMed=v.MedHor", "m.CodTipoM=v.TmVer AND m.CodMed=v.MedVert"})
        EXPECT_EQ(count(db(), QStringLiteral("SELECT count(*) FROM Artigos v LEFT JOIN MedTamCo m ON %1"
                                             " WHERE v.CodRef<>'' AND m.CodMed IS NULL").arg(QLatin1String(size))),
                  0);
    // Every parent in the reference pick list has variants, and both kinds of size type are used.
    EXPECT_EQ(count(db(), "SELECT count(*) FROM Artigos p WHERE TMHOR<>'' and TMVER<>'' and CodRef=''"
                          " AND NOT EXISTS (SELECT 1 FROM Artigos v WHERE v.CodRef=p.Codigo)"),
              0);
    EXPECT_EQ(count(db(), "SELECT count(DISTINCT TmHor) FROM Artigos WHERE CodRef='' AND TmHor IN ('LETRAS', 'NUMEROS')"), 2);
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

// Customers' orders: delivered in part, in whole or not at all, never beyond;
// with text lines, some cancelled, of the order types the order sheet offers,
// and over a hundred open lines in the month the order maps open on.
TEST_F(DemoCompanyTest, OrdersAsTheOrderMapsAndSheetFindThem)
{
    const QString orders = lines + "WHERE c.Tpterc=2 AND c.Areag=2 ";
    const QString articleLines = "SELECT count(*) " + orders + "AND l.Artigo<>'' ";
    EXPECT_EQ(count(db(), articleLines + "AND (l.Quant > l.QtdOrig OR l.Quant < 0)"), 0);
    for (const char* delivered : {"l.Quant = l.QtdOrig", "l.Quant = 0", "l.Quant > 0 AND l.Quant < l.QtdOrig"})
        EXPECT_GT(count(db(), articleLines + "AND " + delivered), 0) << delivered;
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCLIN WHERE Quant <> QtdOrig AND TPDOCUM NOT IN ('ENC', 'ENCW')"), 0);
    EXPECT_GT(count(db(), "SELECT count(*) " + orders + "AND c.nvias<>-1 AND l.artigo=''"), 0);
    EXPECT_GT(count(db(), "SELECT count(*) FROM DOCGCCAB WHERE nvias=-1"), 0);
    EXPECT_EQ(count(db(), "SELECT count(*) FROM DOCGCCAB c JOIN TpDoc t ON t.Codigo=c.TPDOC"
                          " WHERE c.Tpterc=2 AND c.Areag=2 AND NOT (t.Entidade=2 AND t.Areag=2)"),
              0);
    EXPECT_GT(count(db(), "SELECT count(*) " + orders + "AND c.nvias<>-1 AND l.Quant > 0"
                          " AND c.Data >= '2025-05-02 00:00:00' AND c.Data <= '2025-06-02 23:59:59'"
                          " AND EXISTS (SELECT 1 FROM Artigos a JOIN MedTamCo mh ON mh.CodTipoM=a.TmHor AND mh.CodMed=a.MedHor"
                          " JOIN MedTamCo mv ON mv.CodTipoM=a.TmVer AND mv.CodMed=a.MedVert WHERE a.Codigo=l.Artigo)"),
              100);
    EXPECT_GT(count(db(), "SELECT count(*) FROM DOCGCCAB WHERE Tpterc=2 AND Areag=2 AND nvias<>-1 AND Data = '2025-06-02 00:00:00'"), 0);
}

TEST_F(DemoCompanyTest, TheStatisticalReportHasProductionAndSalesThisMonth)
{
    const QString thisMonth = lines + " JOIN Artigos a ON a.Codigo=l.Artigo JOIN ClArt cl ON cl.Codigo=a.Codigo"
                                      " WHERE c.nvias <> -1 AND c.Data >= '2025-06-01 00:00:00' AND c.Data <= '2025-06-02 00:00:00'"
                                      " AND cl.Cl05>'' ";
    EXPECT_GT(count(db(), "SELECT sum(case when c.sinalct=2 then Quant when c.sinalct=1 then -Quant end)" + thisMonth
                              + "AND c.areag=4 AND c.tpterc=3 AND c.natconta=5 AND c.TpOper=1 AND a.artouDes=0"),
              0);
    EXPECT_GT(count(db(), "SELECT round(SUM((Abs(c.TPTERC - c.SINALCT) * 2 - 1) * l.Valor), 0)" + thisMonth
                              + "AND c.AREAG = 4 AND c.TpTerc = 2 AND c.TpOper = 2 AND c.Natconta = 1"),
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
