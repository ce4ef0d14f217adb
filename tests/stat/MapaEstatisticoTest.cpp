// The statistical return as the Tarvelo screen shows it, line by line against
// figures worked out by hand from the fixture company (see EmpresaEstatistica.h).
#include "stat/EcraTarvelo.h"

#include "demo/FixtureWriter.h"
#include "demo/SqliteConnection.h"
#include "reports/LinhasMapaEstatistico.h"

#include <gtest/gtest.h>

namespace {

const QString Vazia = QStringLiteral("||||||");
const QString Cabecalho = QStringLiteral("P0100|P0200|P0300|P0500|P0600|P0700|P0701");

// `linhas` and empty rows after them up to the grid's first ten.
QStringList AteDez(QStringList linhas)
{
    while (linhas.size() < 10)
        linhas << Vazia;
    return linhas;
}

// The unit, quantity and value of the sales row of a class that the sales statement gives last.
QString UltimaVenda(zav::zavCoreDataAccess2016& bd, const QString& classe)
{
    auto vendas = bd.AbreRecordset({}, MapaEstatistico::SqlVendas("2026-03-01", "2026-03-31"));
    QString ultima;
    for (; !vendas->Eof(); vendas->MoveNext())
        if (vendas->Fields("Cl05").text() == classe)
            ultima = vendas->Fields("UNBASE").text() + "|" + vendas->Fields("QtdVend").text() + "|"
                + vendas->Fields("ValorVendas").text();
    return ultima;
}

TEST_F(EcraTarvelo, PeriodWithProductionSalesAndMarketsGivesBothBlocks)
{
    CarregaMes(3);

    const QString ultimaCalca = UltimaVenda(empresa.bd(), "CL20");
    EXPECT_TRUE(ultimaCalca == "UN|8|160" || ultimaCalca == "KG|3|20") << ultimaCalca.toStdString();
    EXPECT_EQ(Grelha(), (QStringList{
                            Cabecalho,
                            QString::fromUtf8("Camisas|UN|CL10|90|27|282|"),
                            // Two units of one class: the later sales row's figures replace the
                            // earlier one's, they are not added; the unit stays the production line's.
                            QString::fromUtf8("Calças|UN|CL20|40|") + ultimaCalca.section('|', 1) + "|",
                            // Sales without production, and a class without a name, in code order.
                            "|UN|CL30||5|75|",
                            // Production only, with decimals.
                            "Meias|UN|CL40|12,5|||",
                            Vazia,
                            Vazia,
                            // The total is the sum of the rounded market values (357 + 180), not 538.
                            "Valor Total Vendas|P0800|141309110000|||537|",
                            " Nacional|P0801|141309120000|||357|",
                            "Outros Mercados|P0803|141309140000|||180|",
                            Vazia,
                            Vazia,
                        }));
}

// One block without the other, and figures wider than the return's ten characters, shown whole; each
// load starts from a fresh grid (May's longer blocks are gone in June).
TEST_F(EcraTarvelo, EitherBlockAloneAndWideFiguresEachOnAFreshGrid)
{
    const QList<std::pair<int, QStringList>> meses{
        {5, {Cabecalho, "Camisas|UN|CL10||4|44|", Vazia, Vazia, "Valor Total Vendas|P0800|141309110000|||44|",
             QString::fromUtf8("Intracomunitário|P0802|141309130000|||44|")}},
        {6, {Cabecalho, QString::fromUtf8("Calças|UN|CL20|6|||")}},
        {9, {Cabecalho, "Tecidos|KG|CL90|1234567,125|1|12345678901|", Vazia, Vazia,
             "Valor Total Vendas|P0800|141309110000|||12345678901|", " Nacional|P0801|141309120000|||12345678901|"}},
    };
    for (const auto& [mes, linhas] : meses) {
        CarregaMes(mes);
        EXPECT_EQ(Grelha(), AteDez(linhas)) << mes;
    }
}

// Production is one line per class and unit: neither unit's quantity is lost
// to the other's (the statement gives the two in either order).
TEST_F(EcraTarvelo, AClassProducedInTwoUnitsGivesALinePerUnit)
{
    CarregaMes(7);
    const QStringList linhas = Grelha();
    ASSERT_GE(linhas.size(), 4);
    EXPECT_EQ(linhas[0], Cabecalho);
    QStringList classe = linhas.mid(1, 2);
    classe.sort();
    EXPECT_EQ(classe, (QStringList{QString::fromUtf8("Calças|KG|CL20|1,5|||"), QString::fromUtf8("Calças|UN|CL20|6|||")}));
    EXPECT_EQ(linhas.mid(3), QStringList(linhas.size() - 3, Vazia));
}

// The class of a sales row is found among the production lines as the
// database compares codes: one line, whatever case each article's class is in.
TEST_F(EcraTarvelo, SalesOfAClassWrittenInAnotherCaseJoinItsProductionLine)
{
    CarregaMes(11);
    EXPECT_EQ(Grelha().mid(0, 3), (QStringList{Cabecalho, QString::fromUtf8("Botões|UN|cl50|3|2|40|"), Vazia}));
}

// ... but a period without lines keeps what the grid showed.
TEST_F(EcraTarvelo, PeriodWithoutLinesKeepsWhatTheGridShowed)
{
    CarregaMes(6);
    const QStringList antes = Grelha();
    CarregaMes(1);
    EXPECT_EQ(Grelha(), antes);
    Carrega(QDate(2026, 3, 31), QDate(2026, 3, 1));  // dates the wrong way round find nothing either
    EXPECT_EQ(Grelha(), antes);
}

TEST_F(EcraTarvelo, BlocksLongerThanTheGridMakeItGrow)
{
    // One sale of twenty classes: their lines push the grid past its ten
    // rows, and the market block still follows two empty rows.
    demo::SqliteConnection ligacao(empresa.caminho());
    const demo::FixtureWriter rows(ligacao.database());
    ligacao.database().transaction();
    rows.insert("DOCGCCAB", {{"TPDOC", "FT"}, {"SERIE", "B"}, {"ANO", 2026}, {"NNUMDOC", 1},
                             {"Data", QDate(2026, 8, 3)}, {"RgIva", "N"}, {"AREAG", 4}, {"TPTERC", 2},
                             {"NATCONTA", 1}, {"TPOPER", 2}, {"SINALCT", 1}});
    for (int n = 1; n <= 20; ++n) {
        const QString codigo = QStringLiteral("K%1").arg(n, 2, 10, QLatin1Char('0'));
        rows.insert("Artigos", {{"Codigo", codigo}, {"UnBase", "PR"}});
        rows.insert("ClArt", {{"Codigo", codigo}, {"Cl05", codigo}});
        rows.insert("DOCGCLIN", {{"TPDOCUM", "FT"}, {"SERIE", "B"}, {"ANO", 2026}, {"NNUMDOC", 1},
                                 {"NLinha", n}, {"Artigo", codigo}, {"Quant", 1}, {"Valor", 10}});
    }
    ligacao.database().commit();

    CarregaMes(8);

    EXPECT_EQ(Grelha().mid(20), (QStringList{"|PR|K20||1|10|", Vazia, Vazia,
                                             "Valor Total Vendas|P0800|141309110000|||200|",
                                             " Nacional|P0801|141309120000|||200|", Vazia}));
}

} // namespace
