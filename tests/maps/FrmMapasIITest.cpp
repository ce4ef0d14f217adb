#include "EcraMapasTeste.h"
#include "FixtureMapasII.h"

#include "platform/grid/GridPrintSettings.h"
#include "platform/grid/Grelha.h"

#include <QDateTimeEdit>
#include <QGroupBox>
#include <QPushButton>

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

// The summary's load, its workbook, and its messages with what they do to the panel.
TEST_F(FrmMapasIITest, SummaryShowsStackedHeadingsTellsOnceHowManyLinesHadNoColumnAndStopsWithItsMessages)
{
    frmMapas& f = abre(2);
    carrega("R1");
    EXPECT_EQ(mensagens, QStringList({u("2 linhas com tamanhos fora das colunas do mapa não foram incluídas!")}));
    EXPECT_FALSE(f.Grelha->isHidden());
    EXPECT_FALSE(f.GroupBox1->isEnabled());
    EXPECT_TRUE(f.btExcel->isEnabled());
    EXPECT_TRUE(f.btExpandir->isHidden());
    EXPECT_EQ(f.Grelha->headingHeightTwips(), 900);  // three size types, a line each
    EXPECT_EQ(f.Grelha->rowCount(), 4);

    // The workbook carries the stacked headings over their quantities.
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath("resumo.xls");
    f.Grelha->exportToXls(caminho);
    const zav::test::ReadBack livro = zav::test::readBack(caminho);
    EXPECT_TRUE(livro.problems().isEmpty()) << livro.problems().join("; ").toStdString();
    EXPECT_EQ(QString(livro.text(0, 2)).remove('\r'), "Small\n36\n.");
    EXPECT_EQ(livro.number(1, 2), 7);
    EXPECT_EQ(livro.number(1, 6), 12);
    EXPECT_EQ(livro.number(4, 6), 22);

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

TEST_F(FrmMapasIITest, DetailWithoutLinesOutsideTheColumnsSaysNothing)
{
    frmMapas& f = abre(3);
    f.campo(11).setText("F1");
    carrega("R1");
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(f.Grelha->rowCount(), 4);
    EXPECT_GE(f.Grelha->columnIndex(zav::ColumnKey("Cor")), 0);
}

// Mode 4 keeps its filters open while the map or its preview shows.
TEST_F(FrmMapasIITest, ReferencesByCustomerLeaveThePanelOpenAndPrintAndExportOnlyWhatTheLoadFound)
{
    frmMapas& f = abre(4);
    carrega("R1");
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(f.GroupBox1->isEnabled());
    EXPECT_FALSE(f.btExpandir->isHidden());
    EXPECT_EQ(f.Grelha->groupCount(), 2);
    f.btExpandir_Click();
    EXPECT_TRUE(f.Grelha->isExpanded(1));
    f.btExpandir_Click();
    EXPECT_FALSE(f.Grelha->isExpanded(1));

    f.campo(1).setText("ZZ");
    carrega("R1");
    EXPECT_EQ(mensagens, QStringList({u("Não existe informação para as condições selecionadas!")}));
    EXPECT_TRUE(f.Grelha->isHidden());
    EXPECT_FALSE(f.btExcel->isEnabled());

    f.campo(1).setText("");
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

TEST_F(FrmMapasIITest, PerCustomerMapGroupsByCustomerAndOnlyAMissingReferenceOffersThePanelAgain)
{
    frmMapas& f = abre(5);
    carrega("M1");
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_FALSE(f.GroupBox1->isEnabled());
    EXPECT_FALSE(f.btExpandir->isHidden());
    EXPECT_TRUE(f.btExpandir->isEnabled());
    EXPECT_EQ(f.Grelha->groupHeading(0), "C1/Cliente Um");

    f.campo(1).setText("C9");
    f.campo(2).setText("C9");
    carrega("M1");  // C9 has no Clientes row: no customer to show, and the panel stays as it was
    EXPECT_EQ(mensagens, QStringList({u("Não existe informação para a Referência selecionada!")}));
    EXPECT_FALSE(f.GroupBox1->isEnabled());

    mensagens.clear();
    carrega("NAOHA");
    EXPECT_EQ(mensagens, QStringList({u("Referência não existente!")}));
    EXPECT_TRUE(f.GroupBox1->isEnabled());
    EXPECT_TRUE(f.Grelha->isHidden());
    EXPECT_TRUE(f.btExpandir->isHidden()) << "no groups left to expand";
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
        for (int g = 0; g < f.Grelha->groupCount(); ++g)
            EXPECT_TRUE(f.Grelha->isExpanded(g)) << modo << " " << g;  // the grouped maps print every group open
        const QString cabecalho = f.Grelha->printSettings().headerText;
        EXPECT_TRUE(cabecalho.startsWith(titulo + "\r\n")) << cabecalho.toStdString();
        EXPECT_TRUE(cabecalho.contains(modo <= 4 ? u("Referências  - R1 a zzzzzz") : u("Referência  - M1")))
            << cabecalho.toStdString();
        f.btImp_Click();
    }
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

} // namespace
