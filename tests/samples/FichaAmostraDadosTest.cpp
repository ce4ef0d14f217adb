#include "FixtureFicha.h"

#include "demo/DemoDatabase.h"
#include "demo/DemoPhotos.h"
#include "platform/data/Recordset.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "samples/FichaAmostraDados.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace FichaAmostraDados;

void ficheiro(const QString& caminho)
{
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

TEST(FichaAmostraDados, ThePhotoPathJoinsTheFolderWithOneSeparator)
{
    for (const char* pasta : {"D:\\Fotos", "D:\\Fotos\\"})
        EXPECT_EQ(caminhoFoto(pasta, "EMP01", "R1", ".jpg"), "D:\\Fotos\\EMP01_ARTG\\R1.jpg") << pasta;
    EXPECT_EQ(caminhoFoto("/home/ana/fotos", "EMP01", "R1", ".jpg"), "/home/ana/fotos/EMP01_ARTG\\R1.jpg");
    EXPECT_EQ(caminhoFoto("", "EMP01", "R1", ".gif"), "EMP01_ARTG\\R1.gif") << "no folder, no separator";
}

TEST(FichaAmostraDados, PhotoLookupPrefersTheJpgWhateverTheCaseAndTakesTheReferenceAsAName)
{
    QTemporaryDir pasta;
    const QString fotos = pasta.filePath("P_ARTG/");
    QDir().mkpath(fotos);
    ficheiro(fotos + "R1.jpg");
    ficheiro(fotos + "R1.gif");
    ficheiro(fotos + "R2.gif");
    ficheiro(fotos + "r5.gif");
    QDir().mkpath(fotos + "R3.jpg");  // a folder is no photo

    for (const QString& raiz : {pasta.path(), pasta.path() + "/", pasta.path() + "//"}) {
        EXPECT_EQ(procuraFoto(raiz, "P", "R1"), fotos + "R1.jpg") << "the folder's separator or none";
        EXPECT_EQ(procuraFoto(raiz, "P", "r1"), fotos + "R1.jpg");
        EXPECT_EQ(procuraFoto(raiz, "P", "r2"), fotos + "R2.gif");
        EXPECT_EQ(procuraFoto(raiz, "P", "R5"), fotos + "r5.gif");
    }
    const QString raiz = pasta.path();
    EXPECT_EQ(procuraFoto(raiz, "P", "R3"), "");
    EXPECT_EQ(procuraFoto(raiz, "P", "R*"), "") << "a wildcard finds no other reference's photo";
    EXPECT_EQ(procuraFoto(raiz, "P", "R?"), "");
    EXPECT_EQ(procuraFoto(raiz, "Q", "R1"), "");
}

TEST(FichaAmostraDados, StatementsCarryQuotesSafely)
{
    EXPECT_EQ(sqlFichaAmostra("R'1"), "Select * from zav_FichaAmostra where Codigo='R''1' ");
    EXPECT_EQ(sqlFornecedor("F'1"), "Select * from Fornec where Codigo='F''1' ");
    EXPECT_EQ(sqlValidaReferencia("R1"),
              "Select *  from Artigos where Codigo='R1' and TmHor<>'' and TmVer<>'' and CodRef=''");
}

TEST(FichaAmostraDados, SupplierTextAndStoredDates)
{
    samplestest::FixtureFicha fixture;
    EXPECT_EQ(textoFornecedor(fixture.bd(), "F'1"), "F'1-Malhas d'Ave");
    EXPECT_EQ(textoFornecedor(fixture.bd(), "F9"), "");
    EXPECT_EQ(textoFornecedor(fixture.bd(), ""), "");

    const zav::RecordsetPtr fichas = fixture.bd().AbreRecordset(
        QString(), "Select Codigo, DataEnc, DataEntrega from zav_FichaAmostra order by Codigo");
    ASSERT_EQ(fichas->RecordCount(), 3);
    EXPECT_EQ(textoData(fichas->Fields("DataEnc")), "05-03-2024");
    EXPECT_EQ(textoData(fichas->Fields("DataEntrega")), "30-04-2024");
    fichas->MoveNext();
    EXPECT_EQ(textoData(fichas->Fields("DataEnc")), "");
}

TEST(DemoSampleCards, TheDemoCompanyHasSampleCardsAndPhotosWhereTheCardLooksForThem)
{
    QTemporaryDir pasta;
    const QString base = pasta.filePath("demo.db");
    demo::DemoOptions opcoes;
    opcoes.scale = 2000;
    const demo::DemoSummary resumo = demo::DemoDatabase::create(base, opcoes);
    EXPECT_GT(resumo.sampleCards, 8);
    const QString imagens = pasta.filePath("Imagens");  // as the README writes it, without a separator
    const demo::PhotoCounts fotos = demo::DemoPhotos::write(base, imagens);
    EXPECT_GT(fotos.jpg, 0);
    EXPECT_GT(fotos.gif, 0);

    zav::zavCoreDataAccess2016 bd;
    bd.AbreLigacao("Data Provider=SQLite;Data Source=" + base);
    const zav::RecordsetPtr fichas = bd.AbreRecordset(
        QString(), "Select f.Codigo, f.DataEnc, a.TmHor from zav_FichaAmostra f inner join Artigos a"
                   " on a.Codigo=f.Codigo where a.CodRef='' order by f.Codigo");
    EXPECT_EQ(fichas->RecordCount(), resumo.sampleCards) << "every card is of a parent reference";
    int comFoto = 0;
    int semDataEncomenda = 0;
    for (; !fichas->Eof(); fichas->MoveNext()) {
        const QString foto = procuraFoto(imagens, bd.PrefixoImagens(), fichas->Fields("Codigo").text());
        if (!foto.isEmpty()) {
            ++comFoto;
            EXPECT_FALSE(QImage(foto).isNull()) << foto.toStdString();
        }
        semDataEncomenda += fichas->Fields("DataEnc").isNull() ? 1 : 0;
    }
    EXPECT_EQ(comFoto, resumo.sampleCards - resumo.sampleCards / 4) << "one card in four has no photo";
    EXPECT_GT(semDataEncomenda, 0);
}

} // namespace
