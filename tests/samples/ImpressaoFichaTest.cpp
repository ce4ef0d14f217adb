#include "FichaAmostraTestSupport.h"

#include "samples/frmFichaAmostra_New.h"

#include <QLabel>
#include <QPushButton>

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
        for (const QWidget* w : QList<const QWidget*>{f.GroupBox1, f.btCancelar, f.btImp, f.btSair, f.btExcel, f.Grelha})
            a.visiveis << w->isVisible();
        return a;
    }
    bool operator==(const Aspecto&) const = default;
};

using ImpressaoFichaTest = FichaTest<frmFichaAmostra_New>;

TEST_F(ImpressaoFichaTest, WithoutAMatrixPrintingDoesNothing)
{
    abre();
    EXPECT_EQ(imprime(), "");
    carrega("R5");
    mensagens.clear();
    EXPECT_EQ(imprime(), "");
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(ImpressaoFichaTest, ThePageHoldsTitlesHeaderAndEveryRowAndTheCardComesBackClearedAsItWas)
{
    frmFichaAmostra_New& f = abre();
    const Aspecto antes = Aspecto::de(f);
    escreveReferencia("R1");
    f.btCarga_Click();
    const Aspecto carregada = Aspecto::de(f);
    Aspecto durante;
    const QString pagina = imprime([&] { durante = Aspecto::de(f); }).simplified();
    ASSERT_TRUE(mensagens.isEmpty()) << mensagens.join('|').toStdString();
    for (const char* texto : {"Ficha de Amostra R1 - Camisa d'Oxford", "Fornecedor F'1-Malhas d'Ave",
                              "Descrição Amostra d'algodao egipcio, gola italiana, punho 50", "OBS Lavar a 30 graus",
                              "Cor/Tamanho S M L Total", "Branco 6 5 11", "Preto 5 1 6", "Total 11 5 1 17"})
        EXPECT_TRUE(pagina.contains(u(texto))) << texto << "\n" << pagina.toStdString();
    EXPECT_FALSE(pagina.contains(u("Referência"))) << "the filter panel is not on the page";
    EXPECT_FALSE(pagina.contains("Imprimir") || pagina.contains("Sair") || pagina.contains("Cancelar"));

    // While it printed: no buttons, no filter, header and matrix moved up together, white.
    EXPECT_EQ(durante.visiveis, (QList<bool>{false, false, false, false, false, true}));
    EXPECT_LT(durante.cabecalho.top(), carregada.cabecalho.top());
    EXPECT_EQ(carregada.cabecalho.top() - durante.cabecalho.top(), carregada.grelha.top() - durante.grelha.top());
    for (const QColor& fundo : durante.fundos)
        EXPECT_EQ(fundo, QColor(Qt::white));

    // Afterwards: the layout and colours it had, and empty.
    EXPECT_EQ(Aspecto::de(f), antes);
    esperaVazia();
    EXPECT_EQ(f.Titulo[1]->text(), "R1 - Camisa d'Oxford") << "the title keeps the last reference accepted";
}

TEST_F(ImpressaoFichaTest, ACardOfThirtyColoursPrintsEveryRowOnOnePage)
{
    abre();
    carrega("R30");
    ASSERT_EQ(ficha->Grelha->rowCount(), 32);
    const QString texto = imprime();
    ASSERT_TRUE(mensagens.isEmpty());
    const QString pagina = texto.simplified();
    for (int i = 1; i <= 30; ++i)
        EXPECT_TRUE(pagina.contains(QStringLiteral("Cor %1 %2 %2").arg(i, 2, 10, QLatin1Char('0')).arg(i)))
            << i << pagina.toStdString();
    EXPECT_TRUE(pagina.contains("Total 465 465"));
    EXPECT_EQ(texto.count(QChar('\f')), 1);
}

TEST_F(ImpressaoFichaTest, WithoutAPrinterOrWhenItFailsTheCardSaysSoAndStaysLoadedAsItWas)
{
    frmFichaAmostra_New& f = abre();
    carrega("R1");
    const Aspecto carregada = Aspecto::de(f);
    const QString semPasta = pasta.filePath("nao-existe/ficha.pdf");
    const QList<std::pair<std::function<bool(QPrinter&)>, const char*>> impressoras = {
        {[](QPrinter&) { return false; }, "Não existe nenhuma impressora instalada."},
        {[&](QPrinter& p) {
             p.setOutputFormat(QPrinter::PdfFormat);
             p.setOutputFileName(semPasta);
             return true;
         },
         "Não foi possível imprimir a ficha."},
    };
    for (const auto& [impressora, mensagem] : impressoras) {
        mensagens.clear();
        const zav::Seam<bool(QPrinter&)>::Override usada(zav::defaultPrinterSeam(), impressora);
        f.btImp_Click();
        EXPECT_EQ(mensagens, QStringList{u(mensagem)});
        EXPECT_EQ(Aspecto::de(f), carregada) << mensagem;
        EXPECT_EQ(f.campo(0).Text() + " " + f.cmp(7).Text(), "R1 Lavar a 30 graus");
    }
    // Once one prints, the same card prints.
    mensagens.clear();
    EXPECT_TRUE(imprime().contains("Lavar a 30 graus"));
    EXPECT_TRUE(mensagens.isEmpty());
}

} // namespace
