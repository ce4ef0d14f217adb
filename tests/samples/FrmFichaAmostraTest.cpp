#include "FichaAmostraTestSupport.h"

#include "platform/grid/Grelha.h"
#include "platform/widgets/ShowImg.h"
#include "samples/frmFichaAmostra.h"
#include "support/OutsideReaders.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

using namespace samplestest;

class FrmFichaAmostraTest : public FichaTest<frmFichaAmostra> {
protected:
    frmFichaAmostra& abre()
    {
        ficha = std::make_unique<frmFichaAmostra>(dialogo);
        mostra(*ficha);
        return *ficha;
    }

    QStringList campos() const
    {
        QStringList textos;
        for (int i = 0; i <= 9; ++i)
            textos << ficha->cmp(i).Text();
        return textos;
    }

    std::unique_ptr<frmFichaAmostra> ficha;
};

TEST_F(FrmFichaAmostraTest, TheRetiredCardShowsTheStoredRowWholeWithItsDates)
{
    frmFichaAmostra& f = abre();
    EXPECT_EQ(f.windowTitle(), "Ficha Amostra (Antigo)");
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(0xD5, 0xDE, 0xF2));
    EXPECT_EQ(f.GroupBox2->palette().color(QPalette::Window), QColor(0xD5, 0xDE, 0xF2));
    EXPECT_EQ(f.cmp.count(), 10);
    EXPECT_EQ(f.Tit[6]->text(), "Data Encomenda");

    escreveReferencia(f, "R1");
    EXPECT_EQ(f.Titulo[1]->text(), "Camisa d'Oxford") << "the name alone";
    f.btCarga_Click();
    ASSERT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(campos(), (QStringList{"Malhas d'Ave", "MA-R1", "Norte", "R1",
                                     "Amostra d'algodao egipcio, gola italiana, punho 50", "M", u("100% Algodão"),
                                     "Lavar a 30 graus", "05-03-2024", "30-04-2024"}));
    EXPECT_FALSE(f.Grelha->isHidden());
}

TEST_F(FrmFichaAmostraTest, AMissingOrderDateIsEmptyAndTheDeliveryDateShows)
{
    frmFichaAmostra& f = abre();
    carrega(f, "R6");
    EXPECT_EQ(f.cmp(8).Text(), "");
    EXPECT_EQ(f.cmp(9).Text(), "31-12-2024");
    EXPECT_EQ(f.cmp(7).Text(), u("Piqué"));
}

TEST_F(FrmFichaAmostraTest, WithoutARowTheNineFieldsStayEmptyAndTheNotesShow)
{
    frmFichaAmostra& f = abre();
    carrega(f, "R2");
    EXPECT_EQ(campos(), (QStringList{"", "", "", "", "", "", "", "Forrada", "", ""}));
    EXPECT_TRUE(f.sFoto->isHidden()) << "its photos are not in the configured folder";
    f.btCancelar_Click();
    EXPECT_EQ(campos(), QStringList(10, QString()));
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
    carrega(f, "R2");
    EXPECT_FALSE(f.sFoto->isHidden());
    EXPECT_EQ(f.sFoto->Ficheiro(), "C:/ERP Data/Imagens/empresa_ARTG/R2.gif");
    EXPECT_FALSE(f.sFoto->imagem().isNull());
    QDir::setCurrent(antes);
}

TEST_F(FrmFichaAmostraTest, TheRetiredCardPrintsItsWholeHeaderAndGetsItsOneColourBack)
{
    QTemporaryDir pasta;
    const QString pdf = pasta.filePath("antiga.pdf");
    zav::Seam<bool(QPrinter&)>::Override impressora(zav::defaultPrinterSeam(), [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    });
    frmFichaAmostra& f = abre();
    escreveReferencia(f, "R6");
    f.btCarga_Click();
    f.btImp_Click();
    ASSERT_TRUE(mensagens.isEmpty());
    const QString pagina = zav::test::pdfText(pdf).simplified();
    EXPECT_TRUE(pagina.contains("Ficha de Amostra Polo")) << pagina.toStdString();
    EXPECT_TRUE(pagina.contains("Data Encomenda Data Entrega 31-12-2024")) << pagina.toStdString();
    EXPECT_TRUE(pagina.contains(u("Composição 100% Algodão")));
    EXPECT_TRUE(pagina.contains("Total 1 1"));

    for (QLabel* titulo : f.Tit)
        EXPECT_EQ(titulo->palette().color(QPalette::Window), QColor(0xD5, 0xDE, 0xF2));
    EXPECT_EQ(f.GroupBox2->palette().color(QPalette::Window), QColor(0xD5, 0xDE, 0xF2));
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(0xD5, 0xDE, 0xF2));
    EXPECT_EQ(f.campo(0).Text(), "");
    EXPECT_TRUE(f.Grelha->isHidden());
}

} // namespace
