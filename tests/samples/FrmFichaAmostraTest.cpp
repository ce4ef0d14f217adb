#include "FichaAmostraTestSupport.h"

#include "samples/frmFichaAmostra.h"

#include <QDir>
#include <QLabel>

namespace {

using namespace samplestest;

using FrmFichaAmostraTest = FichaTest<frmFichaAmostra>;

QStringList campos(const frmFichaAmostra& f)
{
    QStringList textos;
    for (int i = 0; i <= 9; ++i)
        textos << f.cmp(i).Text();
    return textos;
}

// Every column of the stored row in its field, the dates day first; the notes are the article's.
TEST_F(FrmFichaAmostraTest, TheRetiredCardShowsTheStoredRowWholeWithItsDates)
{
    const QList<std::pair<const char*, QStringList>> casos = {
        {"R1", {"Malhas d'Ave", "MA-R1", "Norte", "R1", "Amostra d'algodao egipcio, gola italiana, punho 50", "M",
                u("100% Algodão"), "Lavar a 30 graus", "05-03-2024", "30-04-2024"}},
        {"R6", {"Malhas d'Ave", "MA-R6", "Norte", "R6", u("Polo de piqué"), "M", u("100% Algodão"), u("Piqué"), "",
                "31-12-2024"}},                                  // no order date
        {"R2", {"", "", "", "", "", "", "", "Forrada", "", ""}},  // no row
    };
    frmFichaAmostra& f = abre();
    escreveReferencia("R1");
    EXPECT_EQ(f.Titulo[1]->text(), "Camisa d'Oxford") << "the name alone";
    for (const auto& [referencia, esperados] : casos) {
        carrega(referencia);
        EXPECT_EQ(campos(f), esperados) << referencia;
        EXPECT_FALSE(f.Grelha->isHidden());
        EXPECT_TRUE(f.sFoto->isHidden()) << "its photos are not in the configured folder";
        f.btCancelar_Click();
        EXPECT_EQ(campos(f), QStringList(10, QString()));
    }
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(FrmFichaAmostraTest, PhotosComeFromTheFixedFolder)
{
    QTemporaryDir trabalho;
    const QString antes = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(trabalho.path()));
    // Where "C:\ERP Data\Imagens\" lands on a system without drive letters: the working folder.
    const QString fixa = trabalho.filePath("C:/ERP Data/Imagens/empresa_ARTG/");
    QDir().mkpath(fixa);
    FixtureFicha::fotografia(fixa + "R2.gif", Qt::green);

    frmFichaAmostra& f = abre();
    carrega("R2");
    EXPECT_FALSE(f.sFoto->isHidden());
    EXPECT_EQ(f.sFoto->Ficheiro(), "C:/ERP Data/Imagens/empresa_ARTG/R2.gif");
    EXPECT_FALSE(f.sFoto->imagem().isNull());
    QDir::setCurrent(antes);
}

TEST_F(FrmFichaAmostraTest, TheRetiredCardPrintsItsWholeHeader)
{
    frmFichaAmostra& f = abre();
    escreveReferencia("R6");
    f.btCarga_Click();
    const QString pagina = imprime().simplified();
    ASSERT_TRUE(mensagens.isEmpty());
    for (const char* texto : {"Ficha de Amostra Polo", "Data Encomenda Data Entrega 31-12-2024",
                              "Composição 100% Algodão", "Total 1 1"})
        EXPECT_TRUE(pagina.contains(u(texto))) << texto << "\n" << pagina.toStdString();
    EXPECT_TRUE(f.Grelha->isHidden()) << "cleared once printed";
}

} // namespace
