#include "demo/DemoDatabase.h"

#include "platform/data/zavCoreDataAccess2016.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The demo read the way the program reads it: SQL Server text through the
// data-access object, with the ERP's column types reaching the recordsets.
class DemoThroughDataAccessTest : public ::testing::Test {
protected:
    DemoThroughDataAccessTest()
    {
        demo::DemoOptions options;
        options.scale = 1500;
        options.today = QDate(2025, 9, 17);
        const QString path = folder.filePath(QStringLiteral("demo.db"));
        demo::DemoDatabase::create(path, options);
        bd.AbreLigacao(QStringLiteral("Provider=MSDataShape;Data Provider=SQLite;Data Source=") + path);
    }

    QTemporaryDir folder;
    zav::zavCoreDataAccess2016 bd;
};

TEST_F(DemoThroughDataAccessTest, CompanyNameAndOrderSheetAsTheScreensAskForThem)
{
    auto empresa = bd.AbreRecordsetEdicao(QStringLiteral("SELECT NOME, NumContr FROM dbo.EMPRESA"));
    ASSERT_EQ(empresa->RecordCount(), 1);
    EXPECT_EQ(empresa->Fields(0).text(), "Malhas Lusitânia - Confecções, Lda");

    // The order sheet names the type with a blank before the closing quote.
    auto documento = bd.AbreRecordset(QString(), QStringLiteral(
        " select c.NNumdoc,c.Data from DocgcCab as c Where  c.nvias<>-1  and c.tpdoc='ENC ' and c.Nnumdoc>=1"
        "  and c.Nnumdoc<=1 and c.Serie='A'  and c.ano=2025 "));
    ASSERT_EQ(documento->RecordCount(), 1);
    EXPECT_EQ(documento->Fields("Data").type(), zav::FieldType::DateTime);
}

TEST_F(DemoThroughDataAccessTest, DefaultOrderWindowHasLinesAndQuantitiesReadAsCurrency)
{
    auto linhas = bd.AbreRecordset(QString(), QStringLiteral(
        " select l.artigo, sum(l.Quant) as Quant, a.MedHor,a.MedVert from DocgcCab as c"
        " inner join docgclin as l ON l.tpdocum=c.Tpdoc and l.nnumdoc=c.NNumdoc and l.serie=c.serie and l.ano=c.Ano"
        " inner join artigos as a ON a.Codigo=l.Artigo"
        " Where  c.Data >= CONVERT(DATETIME, '2025-08-17 00:00:00 ', 102)"
        " and c.Data <= CONVERT(DATETIME, '2025-09-17 23:59:59 ', 102)"
        " and c.Tpterc=2 and c.Areag=2 and c.nvias<>-1  group by l.artigo,a.MEDHOR ,a.medvert"));
    ASSERT_GT(linhas->RecordCount(), 0);

    auto linha = bd.AbreRecordset(QString(), QStringLiteral("select Quant, QtdOrig, Valor, NNUMDOC from DOCGCLIN"));
    EXPECT_EQ(linha->Fields("Quant").type(), zav::FieldType::Currency);
    EXPECT_EQ(linha->Fields("QtdOrig").type(), zav::FieldType::Currency);
    EXPECT_EQ(linha->Fields("Valor").type(), zav::FieldType::Currency);
    EXPECT_EQ(linha->Fields("NNUMDOC").type(), zav::FieldType::Long);
}

} // namespace
