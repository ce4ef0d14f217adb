// The statistical return as the Tarvelo screen shows it, line by line against
// figures worked out by hand from the fixture company (see EmpresaEstatistica.h).
#include "stat/EcraTarvelo.h"

#include "demo/FixtureWriter.h"
#include "demo/SqliteConnection.h"
#include "reports/LinhasMapaEstatistico.h"

#include <gtest/gtest.h>

namespace {

const Linha Vazia{"", "", "", "", "", "", ""};
const Linha Cabecalho{"P0100", "P0200", "P0300", "P0500", "P0600", "P0700", "P0701"};

// The sales row of a class that the sales statement gives last.
Linha UltimaVenda(zav::zavCoreDataAccess2016& bd, const QString& classe)
{
    auto vendas = bd.AbreRecordset({}, MapaEstatistico::SqlVendas("2026-03-01", "2026-03-31"));
    Linha ultima;
    for (; !vendas->Eof(); vendas->MoveNext())
        if (vendas->Fields("Cl05").text() == classe)
            ultima = Linha{vendas->Fields("UNBASE").text(), vendas->Fields("QtdVend").text(),
                           vendas->Fields("ValorVendas").text()};
    return ultima;
}

TEST_F(EcraTarvelo, PeriodWithProductionSalesAndMarketsGivesBothBlocks)
{
    CarregaMes(3);

    const Linha ultimaCalca = UltimaVenda(empresa.bd(), "CL20");
    ASSERT_EQ(ultimaCalca.size(), 3);
    const QList<Linha> esperado{
        Cabecalho,
        {"Camisas", "UN", "CL10", "90", "27", "282", ""},
        // Two units of one class: the later sales row's figures replace the
        // earlier one's, they are not added; the unit stays the production line's.
        {"Calças", "UN", "CL20", "40", ultimaCalca[1], ultimaCalca[2], ""},
        // Sales without production, and a class without a name, in code order.
        {"", "UN", "CL30", "", "5", "75", ""},
        // Production only, with decimals.
        {"Meias", "UN", "CL40", "12,5", "", "", ""},
        Vazia,
        Vazia,
        // The total is the sum of the rounded market values (357 + 180), not 538.
        {"Valor Total Vendas", "P0800", "141309110000", "", "", "537", ""},
        {" Nacional", "P0801", "141309120000", "", "", "357", ""},
        {"Outros Mercados", "P0803", "141309140000", "", "", "180", ""},
        Vazia,
        Vazia,
    };
    EXPECT_EQ(Grelha(), esperado);
    EXPECT_TRUE(ultimaCalca == Linha({"UN", "8", "160"}) || ultimaCalca == Linha({"KG", "3", "20"}));
}

TEST_F(EcraTarvelo, SalesOnlyLeaveProductionEmpty)
{
    CarregaMes(5);

    const QList<Linha> esperado{
        Cabecalho,
        {"Camisas", "UN", "CL10", "", "4", "44", ""},
        Vazia,
        Vazia,
        {"Valor Total Vendas", "P0800", "141309110000", "", "", "44", ""},
        {"Intracomunitário", "P0802", "141309130000", "", "", "44", ""},
        Vazia, Vazia, Vazia, Vazia,
    };
    EXPECT_EQ(Grelha(), esperado);
}

TEST_F(EcraTarvelo, ProductionOnlyShowsTheClassBlockAlone)
{
    CarregaMes(6);

    QList<Linha> esperado{Cabecalho, {"Calças", "UN", "CL20", "6", "", "", ""}};
    while (esperado.size() < 10)
        esperado << Vazia;
    EXPECT_EQ(Grelha(), esperado);
}

TEST_F(EcraTarvelo, FiguresWiderThanTheirFieldAreShownWhole)
{
    CarregaMes(9);

    // Eleven characters each, one more than the return gives a figure.
    const QList<Linha> esperado{
        Cabecalho,
        {"Tecidos", "KG", "CL90", "1234567,125", "1", "12345678901", ""},
        Vazia,
        Vazia,
        {"Valor Total Vendas", "P0800", "141309110000", "", "", "12345678901", ""},
        {" Nacional", "P0801", "141309120000", "", "", "12345678901", ""},
        Vazia, Vazia, Vazia, Vazia,
    };
    EXPECT_EQ(Grelha(), esperado);
}

TEST_F(EcraTarvelo, PeriodWithoutLinesKeepsWhatTheGridShowed)
{
    CarregaMes(6);
    const QList<Linha> antes = Grelha();

    CarregaMes(1);
    EXPECT_EQ(Grelha(), antes);

    // Dates the wrong way round find nothing either.
    Carrega(QDate(2026, 3, 31), QDate(2026, 3, 1));
    EXPECT_EQ(Grelha(), antes);
}

TEST_F(EcraTarvelo, EveryLoadStartsFromAFreshGrid)
{
    CarregaMes(3);
    CarregaMes(6);

    ASSERT_EQ(ecra.Grelha->rowCount(), 10);
    EXPECT_EQ(Grelha().mid(2), QList<Linha>(8, Vazia));
}

TEST_F(EcraTarvelo, BlocksLongerThanTheGridMakeItGrow)
{
    // One class per day, sold on its day: twenty class lines push the grid
    // past its ten rows, and the market block still follows two empty rows.
    demo::SqliteConnection ligacao(empresa.caminho());
    const demo::FixtureWriter rows(ligacao.database());
    ligacao.database().transaction();
    for (int dia = 1; dia <= 20; ++dia) {
        const QString codigo = QStringLiteral("K%1").arg(dia, 2, 10, QLatin1Char('0'));
        rows.insert("Artigos", {{"Codigo", codigo}, {"UnBase", "PR"}});
        rows.insert("ClArt", {{"Codigo", codigo}, {"Cl05", codigo}});
        rows.insert("DOCGCCAB", {{"TPDOC", "FT"}, {"SERIE", "B"}, {"ANO", 2026}, {"NNUMDOC", dia},
                                 {"Data", QDate(2026, 8, dia)}, {"RgIva", "N"}, {"AREAG", 4}, {"TPTERC", 2},
                                 {"NATCONTA", 1}, {"TPOPER", 2}, {"SINALCT", 1}});
        rows.insert("DOCGCLIN", {{"TPDOCUM", "FT"}, {"SERIE", "B"}, {"ANO", 2026}, {"NNUMDOC", dia},
                                 {"NLinha", 1}, {"Artigo", codigo}, {"Quant", 1}, {"Valor", 10}});
    }
    ligacao.database().commit();

    CarregaMes(8);

    const QList<Linha> linhas = Grelha();
    ASSERT_EQ(linhas.size(), 26);
    EXPECT_EQ(linhas[20], Linha({"", "PR", "K20", "", "1", "10", ""}));
    EXPECT_EQ(linhas[21], Vazia);
    EXPECT_EQ(linhas[22], Vazia);
    EXPECT_EQ(linhas[23], Linha({"Valor Total Vendas", "P0800", "141309110000", "", "", "200", ""}));
    EXPECT_EQ(linhas[24], Linha({" Nacional", "P0801", "141309120000", "", "", "200", ""}));
    EXPECT_EQ(linhas[25], Vazia);
}

} // namespace
