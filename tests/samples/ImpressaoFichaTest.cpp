#include "FichaAmostraTestSupport.h"

#include "platform/grid/Grelha.h"
#include "platform/widgets/ShowImg.h"
#include "platform/widgets/Twips.h"
#include "samples/frmFichaAmostra_New.h"
#include "support/OutsideReaders.h"

#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

using namespace samplestest;

// The layout and colours printing changes, to compare before and after.
struct Aspecto {
    QSize form;
    QRect cabecalho;
    QRect grelha;
    QList<QColor> fundos;
    QList<bool> visiveis;

    static Aspecto de(const frmFichaAmostra_New& f)
    {
        Aspecto a{f.size(), f.GroupBox2->geometry(), f.Grelha->geometry(), {}, {}};
        for (const QWidget* w : QList<const QWidget*>{&f, f.GroupBox2, f.Tit[0], f.Tit[4], f.Tit[9], f.Titulo[0],
                                                      f.Titulo[1]})
            a.fundos << w->palette().color(QPalette::Window);
        for (const QWidget* w : QList<const QWidget*>{f.GroupBox1, f.btCancelar, f.btImp, f.btSair, f.btExcel})
            a.visiveis << w->isVisible();
        return a;
    }
    bool operator==(const Aspecto&) const = default;
};

class ImpressaoFichaTest : public FichaTest<frmFichaAmostra_New> {
protected:
    ImpressaoFichaTest()
        : impressora(zav::defaultPrinterSeam(), [this](QPrinter& p) {
              ++impressoes;
              if (!temImpressora)
                  return false;
              p.setOutputFormat(QPrinter::PdfFormat);
              p.setOutputFileName(pdf());
              return true;
          })
    {
    }

    frmFichaAmostra_New& abre()
    {
        ficha = std::make_unique<frmFichaAmostra_New>(dialogo, fixture.caminhoConfiguracao());
        mostra(*ficha);
        return *ficha;
    }

    QString pdf() const { return pasta.filePath("ficha.pdf"); }

    // While the page is printed: what the card looked like.
    void observaDurante(frmFichaAmostra_New& f)
    {
        respostasDurante = std::make_unique<zav::Seam<bool(QPrinter&)>::Override>(
            zav::defaultPrinterSeam(), [this, &f](QPrinter& p) {
                p.setOutputFormat(QPrinter::PdfFormat);
                p.setOutputFileName(pdf());
                // The page is laid out after the printer is readied, letting the
                // events run as it goes: look at the second time, once it is white.
                QTimer::singleShot(0, [this, &f] {
                    QTimer::singleShot(0, [this, &f] { durante = Aspecto::de(f); });
                });
                return true;
            });
    }

    QTemporaryDir pasta;
    int impressoes = 0;
    bool temImpressora = true;
    zav::Seam<bool(QPrinter&)>::Override impressora;
    std::unique_ptr<zav::Seam<bool(QPrinter&)>::Override> respostasDurante;
    Aspecto durante;
    std::unique_ptr<frmFichaAmostra_New> ficha;
};

TEST_F(ImpressaoFichaTest, WithoutAMatrixPrintingDoesNothing)
{
    frmFichaAmostra_New& f = abre();
    f.btImp_Click();
    carrega(f, "R5");
    mensagens.clear();
    f.btImp_Click();
    EXPECT_EQ(impressoes, 0);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf()));
}

TEST_F(ImpressaoFichaTest, ThePageHoldsTitlesHeaderAndEveryRowAndTheCardComesBackClearedAsItWas)
{
    frmFichaAmostra_New& f = abre();
    const Aspecto antes = Aspecto::de(f);
    escreveReferencia(f, "R1");
    f.btCarga_Click();
    ASSERT_FALSE(f.Grelha->isHidden());
    const Aspecto carregada = Aspecto::de(f);

    observaDurante(f);
    f.btImp_Click();
    ASSERT_TRUE(mensagens.isEmpty()) << mensagens.join('|').toStdString();
    const QString pagina = zav::test::pdfText(pdf()).simplified();
    EXPECT_TRUE(pagina.contains("Ficha de Amostra R1 - Camisa d'Oxford")) << pagina.toStdString();
    EXPECT_TRUE(pagina.contains("Fornecedor F'1-Malhas d'Ave")) << pagina.toStdString();
    EXPECT_TRUE(pagina.contains(u("Descrição Amostra d'algodao egipcio, gola italiana, punho 50")));
    EXPECT_TRUE(pagina.contains("OBS Lavar a 30 graus"));
    EXPECT_TRUE(pagina.contains("Cor/Tamanho S M L Total"));
    EXPECT_TRUE(pagina.contains("Branco 6 5 11"));
    EXPECT_TRUE(pagina.contains("Preto 5 1 6"));
    EXPECT_TRUE(pagina.contains("Total 11 5 1 17"));
    EXPECT_FALSE(pagina.contains("Referência")) << "the filter panel is not on the page";
    EXPECT_FALSE(pagina.contains("Imprimir") || pagina.contains("Sair") || pagina.contains("Cancelar"));

    // While it printed: no buttons, no filter, header and matrix moved up, white.
    EXPECT_EQ(durante.visiveis, (QList<bool>{false, false, false, false, false}));
    EXPECT_LT(durante.cabecalho.top(), carregada.cabecalho.top());
    EXPECT_EQ(carregada.cabecalho.top() - durante.cabecalho.top(), carregada.grelha.top() - durante.grelha.top());
    for (const QColor& fundo : durante.fundos)
        EXPECT_EQ(fundo, QColor(Qt::white));
    // Moved up by the filter panel's height less the titles' bottom (1020 to 330,
    // 5280 to 4590 twips); the form grows with the grid, less one row of 255 twips.
    const int subida = zav::twipsToPixelsY(1095) - (zav::twipsToPixelsY(120) + zav::twipsToPixelsY(285));
    EXPECT_EQ(durante.cabecalho.top(), zav::twipsToPixelsY(1020) - subida);
    EXPECT_EQ(durante.grelha.top(), zav::twipsToPixelsY(5280) - subida);
    EXPECT_EQ(durante.form.height(),
              carregada.form.height() + durante.grelha.height() - zav::twipsToPixelsY(255) - carregada.grelha.height());

    // Afterwards: the layout and colours it had, and empty.
    EXPECT_EQ(Aspecto::de(f), antes);
    EXPECT_EQ(f.campo(0).Text(), "");
    EXPECT_EQ(f.cmp(0).Text() + f.cmp(4).Text() + f.cmp(7).Text(), "");
    EXPECT_TRUE(f.Grelha->isHidden() && f.sFoto->isHidden());
    EXPECT_TRUE(f.GroupBox1->isEnabled());
    EXPECT_TRUE(f.Option1[1]->isChecked());
    EXPECT_TRUE(f.campo(0).editor()->hasFocus());
    EXPECT_EQ(f.Titulo[1]->text(), "R1 - Camisa d'Oxford") << "the title keeps the last reference accepted";
}

TEST_F(ImpressaoFichaTest, ACardOfThirtyColoursPrintsEveryRow)
{
    frmFichaAmostra_New& f = abre();
    carrega(f, "R30");
    ASSERT_EQ(f.Grelha->rowCount(), 32);
    f.btImp_Click();
    ASSERT_TRUE(mensagens.isEmpty());
    const QString pagina = zav::test::pdfText(pdf()).simplified();
    for (int i = 1; i <= 30; ++i)
        EXPECT_TRUE(pagina.contains(QStringLiteral("Cor %1 %2 %2").arg(i, 2, 10, QLatin1Char('0')).arg(i)))
            << i << pagina.toStdString();
    EXPECT_TRUE(pagina.contains("Total 465 465"));
    EXPECT_EQ(zav::test::pdfText(pdf()).count(QChar('\f')), 1) << "one page";
}

TEST_F(ImpressaoFichaTest, WithoutAPrinterTheCardSaysSoAndStaysLoadedAsItWas)
{
    frmFichaAmostra_New& f = abre();
    carrega(f, "R1");
    const Aspecto carregada = Aspecto::de(f);
    temImpressora = false;
    f.btImp_Click();
    EXPECT_EQ(impressoes, 1);
    EXPECT_EQ(mensagens, QStringList{u("Não existe nenhuma impressora instalada.")});
    EXPECT_EQ(Aspecto::de(f), carregada);
    EXPECT_FALSE(f.Grelha->isHidden());
    EXPECT_EQ(f.campo(0).Text(), "R1");
    EXPECT_EQ(f.cmp(7).Text(), "Lavar a 30 graus");

    // Once there is one, the same card prints.
    temImpressora = true;
    mensagens.clear();
    f.btImp_Click();
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(zav::test::pdfText(pdf()).contains("Lavar a 30 graus"));
}

TEST_F(ImpressaoFichaTest, APrinterThatCannotPrintIsReportedAndTheCardStaysAsItWas)
{
    frmFichaAmostra_New& f = abre();
    carrega(f, "R1");
    const Aspecto carregada = Aspecto::de(f);
    zav::Seam<bool(QPrinter&)>::Override avariada(zav::defaultPrinterSeam(), [this](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pasta.filePath("nao-existe/ficha.pdf"));
        return true;
    });
    f.btImp_Click();
    EXPECT_EQ(mensagens, QStringList{u("Não foi possível imprimir a ficha.")});
    EXPECT_EQ(Aspecto::de(f), carregada);
    EXPECT_FALSE(f.Grelha->isHidden());
}

} // namespace
