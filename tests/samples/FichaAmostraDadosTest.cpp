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
        const auto foto = [&](const char* referencia) { return QDir::cleanPath(procuraFoto(raiz, "P", referencia)); };
        EXPECT_EQ(foto("R1"), fotos + "R1.jpg") << "the folder's separator or none";
        EXPECT_EQ(foto("r1"), fotos + "R1.jpg");
        EXPECT_EQ(foto("r2"), fotos + "R2.gif");
        EXPECT_EQ(foto("R5"), fotos + "r5.gif");
    }
    const QString raiz = pasta.path();
    EXPECT_EQ(procuraFoto(raiz, "P", "R3"), "");
    EXPECT_EQ(procuraFoto(raiz, "P", "R*"), "") << "a wildcard finds no other reference's photo";
    EXPECT_EQ(procuraFoto(raiz, "P", "R?"), "");
    EXPECT_EQ(procuraFoto(raiz, "Q", "R1"), "");
}

// A folder and a prefix join as they stand: "Loja" and "1" are "Loja1_ARTG".
// Only where nothing is there is the folder taken as one without its
// separator. When neither place is there, the card names the images folder
// as it was set: missing, or without the photos' folder.
TEST(FichaAmostraDados, ThePhotoIsFirstWhereFolderAndPrefixJoinAsTheyStandThenAfterASeparator)
{
    QTemporaryDir pasta;
    const QString loja = pasta.filePath("Loja");
    const auto semPasta = [](const QString& p) { return QString::fromUtf8("A pasta das imagens \"%1\" não existe.").arg(p); };
    const auto semFotos = [](const QString& p) {
        return QString::fromUtf8("A pasta das imagens \"%1\" não tem a pasta das fotografias \"1_ARTG\".").arg(p);
    };
    EXPECT_EQ(avisoPastaDasFotos(loja, "1"), semPasta(loja)) << "neither place exists";
    EXPECT_EQ(avisoPastaDasFotos(loja + "/", "1"), semPasta(loja + "/"));
    EXPECT_EQ(avisoPastaDasFotos("", "1"), "") << "no folder set, none said";
    QDir().mkpath(loja);
    EXPECT_EQ(avisoPastaDasFotos(loja, "1"), semFotos(loja)) << "the folder is there, its photos' are not";
    EXPECT_EQ(avisoPastaDasFotos(loja + "/", "1"), semFotos(loja + "/"));

    QDir().mkpath(loja + "1_ARTG");
    ficheiro(loja + "1_ARTG/R1.gif");
    ficheiro(loja + "1_ARTG/r2.jpg");
    EXPECT_EQ(avisoPastaDasFotos(loja, "1"), "");
    EXPECT_EQ(avisoPastaDasFotos(loja + "/", "1"), semFotos(loja + "/")) << "a separator of its own: one place only";
    EXPECT_EQ(procuraFoto(loja, "1", "R1"), loja + "1_ARTG/R1.gif");
    EXPECT_EQ(procuraFoto(loja + "/", "1", "R1"), "");

    QDir().mkpath(loja + "/1_ARTG");
    for (const char* nome : {"R1.jpg", "R2.jpg", "R3.jpg", "R3.gif"})
        ficheiro(loja + "/1_ARTG/" + nome);
    EXPECT_EQ(avisoPastaDasFotos(loja + "/", "1"), "");
    EXPECT_EQ(procuraFoto(loja, "1", "R1"), loja + "1_ARTG/R1.gif") << "the first place's .gif before the other's .jpg";
    EXPECT_EQ(procuraFoto(loja, "1", "R2"), loja + "1_ARTG/r2.jpg");
    EXPECT_EQ(procuraFoto(loja, "1", "R3"), loja + "/1_ARTG/R3.jpg") << "nothing in the first place";
    EXPECT_EQ(procuraFoto(loja + "/", "1", "R1"), loja + "/1_ARTG/R1.jpg");
}

// What the card's statements find in the company, quotes taken as typed.
TEST(FichaAmostraDados, StatementsFindTheirRowsAndTakeQuotesAsTyped)
{
    samplestest::FixtureFicha fixture;
    const auto linhas = [&](const QString& sql) { return fixture.bd().AbreRecordset(QString(), sql)->RecordCount(); };
    EXPECT_EQ(linhas(sqlListaReferencias()), 8) << "the parent references with sizes and colours";
    EXPECT_EQ(linhas(sqlFichaAmostra("R1")), 1);
    EXPECT_EQ(linhas(sqlFichaAmostra("R1' or ''='")), 0);
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
    EXPECT_TRUE(fotos.jpg > 0 && fotos.gif > 0);

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
