#include "EcraMapasTeste.h"
#include "FixtureMapasII.h"

#include "platform/grid/GridPages.h"
#include "platform/grid/GridPrintSettings.h"
#include "platform/grid/Grelha.h"
#include "platform/grid/Visualizador.h"
#include "platform/widgets/CommonDialog.h"
#include "platform/widgets/Seams.h"
#include "reports/frmMapas.h"
#include "support/OutsideReaders.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using maps::u;

// The order maps' screen on the company of two size types, its messages answered and recorded.
class FrmMapasIITest : public maps::EcraMapasTeste<maps::FixtureMapasII> {
protected:
    void carrega(const char* referencia, const char* ultima = nullptr)
    {
        ecra->campo(0).setText(u(referencia));
        if (ultima)
            ecra->campo(3).setText(u(ultima));
        ecra->btCarga_Click();
        QApplication::processEvents();
    }

    void TearDown() override
    {
        EXPECT_TRUE(respostas.comCursorOcupado.isEmpty());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
};

TEST_F(FrmMapasIITest, SummaryShowsStackedHeadingsAndTellsOnceHowManyLinesHadNoColumn)
{
    frmMapas& f = abre(2);
    carrega("R1");
    EXPECT_EQ(mensagens, QStringList({u("2 linhas com tamanhos fora das colunas do mapa não foram incluídas!")}));
    EXPECT_FALSE(f.Grelha->isHidden());
    EXPECT_FALSE(f.GroupBox1->isEnabled());
    EXPECT_TRUE(f.btExcel->isEnabled());
    EXPECT_TRUE(f.btExpandir->isHidden());
    EXPECT_EQ(f.Grelha->headingHeightTwips(), 900);  // three size types, a line each
    const int coluna = f.Grelha->columnIndex(zav::ColumnKey(3));
    ASSERT_GE(coluna, 0);
    EXPECT_EQ(f.Grelha->column(coluna).heading, "Small\r\n36\r\n.");
    EXPECT_EQ(f.Grelha->rowCount(), 4);
    EXPECT_EQ(f.Grelha->displayText(3, f.Grelha->columnIndex(zav::ColumnKey("Nome"))), "Total Geral");
}

TEST_F(FrmMapasIITest, DetailWithoutLinesOutsideTheColumnsSaysNothing)
{
    frmMapas& f = abre(3);
    f.campo(11).setText("F1");
    carrega("R1");
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(f.Grelha->rowCount(), 4);
    EXPECT_GE(f.Grelha->columnIndex(zav::ColumnKey("Cor")), 0);
}

TEST_F(FrmMapasIITest, SummaryMessagesAndWhatTheyDoToThePanel)
{
    frmMapas& f = abre(2);
    carrega("R1");
    ASSERT_FALSE(f.GroupBox1->isEnabled());
    mensagens.clear();
    carrega("R3", "R3");  // "sem tamanhos" leaves the panel as it was
    EXPECT_EQ(mensagens, QStringList({u("Referências sem Tamnhos/Cores!")}));
    EXPECT_TRUE(f.Grelha->isHidden());
    EXPECT_FALSE(f.GroupBox1->isEnabled());

    mensagens.clear();
    f.Data[0]->setDateTime(fixture.agora().addYears(-3));
    f.Data[1]->setDateTime(fixture.agora().addYears(-2));
    carrega("R1", "zzzzzz");
    EXPECT_EQ(mensagens, QStringList({u("Não existe informação para as condições selecionadas!")}));
    EXPECT_TRUE(f.GroupBox1->isEnabled());
}

TEST_F(FrmMapasIITest, ReferencesByCustomerLeaveThePanelAndShowTheExpandButton)
{
    frmMapas& f = abre(4);
    carrega("R1");
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(f.GroupBox1->isEnabled());
    EXPECT_FALSE(f.btExpandir->isHidden());
    EXPECT_EQ(f.Grelha->groupCount(), 2);
    f.btExpandir_Click();
    EXPECT_TRUE(f.Grelha->isExpanded(1));

    f.campo(1).setText("ZZ");
    carrega("R1");
    EXPECT_EQ(mensagens, QStringList({u("Não existe informação para as condições selecionadas!")}));
    EXPECT_TRUE(f.Grelha->isHidden());
}

// Mode 4 keeps its filters open while the map or its preview shows.
TEST_F(FrmMapasIITest, ReferencesByCustomerPrintAndExportOnlyWhatTheLoadFound)
{
    frmMapas& f = abre(4);
    carrega("R1", "R1");
    carrega("S", "T");
    EXPECT_EQ(mensagens, QStringList({u("Não existe informação para as condições selecionadas!")}));
    EXPECT_FALSE(f.btExcel->isEnabled());

    carrega("R1", "R1");
    f.campo(0).setText("A");
    f.campo(3).setText("Z");
    f.btImp_Click();
    EXPECT_TRUE(f.Grelha->printSettings().headerText.contains(u("Referências  - R1 a R1\r\n")))
        << f.Grelha->printSettings().headerText.toStdString();

    carrega("S", "T");
    EXPECT_TRUE(f.Visualizador->isHidden());
    EXPECT_TRUE(f.Grelha->isHidden());
    EXPECT_EQ(f.btImp->text(), "&Imprimir");
    EXPECT_FALSE(f.btExcel->isEnabled());
}

TEST_F(FrmMapasIITest, PerCustomerMapGroupsByCustomerAndAMissingReferenceOffersThePanelAgain)
{
    frmMapas& f = abre(5);
    carrega("M1");
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_FALSE(f.GroupBox1->isEnabled());
    EXPECT_FALSE(f.btExpandir->isHidden());
    EXPECT_TRUE(f.btExpandir->isEnabled());
    EXPECT_EQ(f.Grelha->headingHeightTwips(), 300);
    EXPECT_EQ(f.Grelha->groupHeading(0), "C1/Cliente Um");

    carrega("NAOHA");
    EXPECT_EQ(mensagens, QStringList({u("Referência não existente!")}));
    EXPECT_TRUE(f.GroupBox1->isEnabled());
    EXPECT_TRUE(f.Grelha->isHidden());
    EXPECT_TRUE(f.btExpandir->isHidden()) << "no groups left to expand";
}

TEST_F(FrmMapasIITest, PerCustomerWithoutCustomersKeepsThePanelAsItWas)
{
    frmMapas& f = abre(5);
    carrega("M1");
    f.campo(1).setText("C9");
    f.campo(2).setText("C9");
    carrega("M1");
    EXPECT_EQ(mensagens, QStringList({u("Não existe informação para a Referência selecionada!")}));
    EXPECT_FALSE(f.GroupBox1->isEnabled());
}

TEST_F(FrmMapasIITest, PerSupplierMessagesComeInTheOrderOfTheChecks)
{
    frmMapas& f = abre(6);
    for (const char* referencia : {"M2", "M3", "M4"})
        carrega(referencia);
    EXPECT_EQ(mensagens, QStringList({u("Referência sem Fornecedor!"), u("Fornecedor associado à Referência não existente!"),
                                      u("Referência sem Tamanhos!")}));
    carrega("M1");
    EXPECT_EQ(mensagens.size(), 3);
    EXPECT_FALSE(f.Grelha->isHidden());
    EXPECT_EQ(f.Grelha->groupHeading(0), "F1/Fornecedor Um");
}

TEST_F(FrmMapasIITest, EveryModePrintsItsOwnHeader)
{
    const QList<std::pair<int, QString>> casos{
        {2, "Encomendas-Resumo"}, {3, "Encomendas-Detalhe"}, {4, u("Referências/Cliente")},
        {5, u("Referência/Cliente")}, {6, "Encomendas a Fornecedor"}};
    for (const auto& [modo, titulo] : casos) {
        frmMapas& f = abre(modo);
        carrega(modo <= 4 ? "R1" : "M1");
        f.btImp_Click();
        ASSERT_FALSE(f.Visualizador->isHidden()) << modo;
        const QString cabecalho = f.Grelha->printSettings().headerText;
        EXPECT_TRUE(cabecalho.startsWith(titulo + "\r\n")) << cabecalho.toStdString();
        EXPECT_TRUE(cabecalho.contains(modo <= 4 ? u("Referências  - R1 a zzzzzz") : u("Referência  - M1")))
            << cabecalho.toStdString();
        f.btImp_Click();
    }
}

TEST_F(FrmMapasIITest, SummaryPrintsItsStackedHeadings)
{
    frmMapas& f = abre(2);
    carrega("R1");
    f.btImp_Click();
    const QString paginas = textoImpresso();
    EXPECT_TRUE(paginas.contains("Small")) << paginas.toStdString();
    EXPECT_TRUE(paginas.contains("Medium"));
    EXPECT_TRUE(paginas.contains("Total Geral"));
}

TEST_F(FrmMapasIITest, TheFilterPanelKeepsItsHeightAtTheTopWhileNoMapShows)
{
    for (int modo : {1, 2, 3, 4, 5, 6}) {
        frmMapas& f = abre(modo);
        f.resize(1000, 900);
        QApplication::processEvents();
        EXPECT_EQ(f.GroupBox1->height(), f.GroupBox1->sizeHint().height()) << modo;
        EXPECT_LT(f.GroupBox1->y(), 20) << modo;
        EXPECT_GT(f.height() - f.GroupBox1->geometry().bottom(), 400) << modo;
    }
}

TEST_F(FrmMapasIITest, SummaryWorkbookCarriesTheStackedHeadingsAndTheQuantities)
{
    frmMapas& f = abre(2);
    carrega("R1");
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath("resumo.xls");
    f.Grelha->exportToXls(caminho);
    const zav::test::ReadBack livro = zav::test::readBack(caminho);
    EXPECT_TRUE(livro.problems().isEmpty()) << livro.problems().join("; ").toStdString();
    EXPECT_EQ(livro.text(0, 0), u("Referência"));
    EXPECT_EQ(QString(livro.text(0, 2)).remove('\r'), "Small\n36\n.");
    EXPECT_EQ(livro.text(1, 0), "R1");
    EXPECT_EQ(livro.number(1, 2), 7);
    EXPECT_EQ(livro.number(1, 6), 12);
    EXPECT_EQ(livro.text(4, 1), "Total Geral");
    EXPECT_EQ(livro.number(4, 6), 22);
}

} // namespace
