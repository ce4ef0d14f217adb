#include "FixtureMapasII.h"

#include "reports/MapaResumo.h"

#include <gtest/gtest.h>

using MapasSql::BaseQuantidade;

namespace {

const QString CRLF = QStringLiteral("\r\n");

class MapaResumoTest : public ::testing::Test {
protected:
    // The map's rows as texts, every field; empty when the load stopped.
    QList<QStringList> carrega(MapaResumo::Modo modo, const MapasSql::Filtros& f)
    {
        mapa = std::make_unique<MapaResumo>(fixture.bd(), modo);
        if (!mapa->CarregaResumo(f))
            return {};
        return maps::textosDasLinhas(*mapa->recordset());
    }

    maps::FixtureMapasII fixture;
    std::unique_ptr<MapaResumo> mapa;
};

TEST_F(MapaResumoTest, SummaryPutsEachReferenceOnOneRowWithSizesByPositionAndLeavesOutLinesWithoutAColumn)
{
    const auto linhas = carrega(MapaResumo::Modo::Resumo, fixture.filtros("R1"));
    ASSERT_EQ(mapa->falha(), MapaResumo::Falha::Nenhuma);
    EXPECT_EQ(mapa->NoTam(), 3);       // LETRAS, NUM and VAZIO, which has no sizes
    EXPECT_EQ(mapa->NoTamFinal(), 4);
    // R2's size at position 0 and its variant of another size type at position 9.
    EXPECT_EQ(mapa->linhasForaDasColunas(), 2);
    EXPECT_EQ(linhas, (QList<QStringList>{
                          {"R1", "Camisola de gola alt", "7", "5", "null", "null", "12"},
                          {"R2", "Calca", "8", "2", "null", "null", "10"},
                          {"null", "null", "null", "null", "null", "null", "null"},
                          {"null", "Total Geral", "15", "7", "0", "0", "22"},
                      }));
}

// Each filter against the references and grand total worked out from the
// fixture's orders; the summary ignores the supplier, and the family filters
// only with group, family and sub-family all filled.
TEST_F(MapaResumoTest, SummaryFollowsEveryFilterAndTheQuantityBasis)
{
    const QDateTime agora = fixture.agora();
    const maps::CasoFiltro casos[] = {
        {"pendentes", [](auto&) {}, "R1 R2", "22"},
        {"todas", [](auto& f) { f.base = BaseQuantidade::Todas; }, "R1 R2", "30"},
        {"satisfeitas", [](auto& f) { f.base = BaseQuantidade::Satisfeitas; }, "R1 R2", "8"},
        {"fornecedor", [](auto& f) { f.fornecedor = "F1"; }, "R1 R2", "22"},
        {"cliente", [](auto& f) { f.primeiroCliente = f.ultimoCliente = "C2"; }, "R2", "2"},
        {"vendedor", [](auto& f) { f.primeiroVendedor = f.ultimoVendedor = "V1"; }, "R1 R2", "20"},
        {"datas", [&](auto& f) { f.ultimaData = agora.addDays(-2); }, "R2", "2"},
        {"referencias", [](auto& f) { f.referencia = f.ultimaReferencia = "R2"; }, "R2", "10"},
        {"familia", [](auto& f) { f.grupo = "G1"; f.familia = "FA"; f.subFamilia = "SA"; }, "R1", "12"},
        {"sem subfamilia", [](auto& f) { f.grupo = "G1"; f.familia = "FA"; }, "R1 R2", "22"},
    };
    for (const maps::CasoFiltro& c : casos) {
        MapasSql::Filtros f = fixture.filtros("R1");
        c.filtra(f);
        const auto linhas = carrega(MapaResumo::Modo::Resumo, f);
        ASSERT_GE(linhas.size(), 3) << c.nome;
        QStringList referencias;
        for (const QStringList& linha : linhas.mid(0, linhas.size() - 2))
            referencias << linha[0];
        EXPECT_EQ(referencias.join(' '), c.primeiro) << c.nome;
        EXPECT_EQ(linhas.last().last(), c.segundo) << c.nome;
    }
}

TEST_F(MapaResumoTest, DetailSplitsRowsByColourAndAlwaysShowsPendingQuantities)
{
    const auto linhas = carrega(MapaResumo::Modo::Detalhe, fixture.filtros("R1", "zzzzzz", BaseQuantidade::Todas));
    EXPECT_EQ(mapa->linhasForaDasColunas(), 2);
    EXPECT_EQ(linhas, (QList<QStringList>{
                          {"R1", "Camisola de gola alt", "Branco", "6", "5", "null", "null", "11"},
                          {"R1", "Camisola de gola alt", "Preto", "1", "null", "null", "null", "1"},
                          {"R2", "Calca", "Branco", "8", "null", "null", "null", "8"},
                          {"R2", "Calca", "Preto", "null", "2", "null", "null", "2"},
                          {"null", "null", "null", "null", "null", "null", "null", "null"},
                          {"null", "Total Geral", "null", "15", "7", "0", "0", "22"},
                      }));
}

// Two colours at one print position keep each its own row; a colour description longer than its field is cut.
TEST_F(MapaResumoTest, DetailKeepsEachOfTwoColoursAtOnePrintPositionOnItsOwnRowAndCutsALongColourName)
{
    fixture.bd().ExecutaSQL(QString(), "update MedTamCo set PosImp=1 where CodTipoM='CORES' and CodMed='PR'");
    fixture.bd().ExecutaSQL(QString(), "update MedTamCo set Descrica='Azul petroleo muito escuro' where CodMed='BR'");
    const auto linhas = carrega(MapaResumo::Modo::Detalhe, fixture.filtros("R1", "R1"));
    ASSERT_EQ(linhas.size(), 4);
    EXPECT_EQ(linhas[0].mid(2), QStringList({"Azul petroleo muito ", "6", "5", "null", "null", "11"}));
    EXPECT_EQ(linhas[1].mid(2), QStringList({"Preto", "1", "null", "null", "null", "1"}));
}

TEST_F(MapaResumoTest, DetailAloneFiltersBySupplier)
{
    MapasSql::Filtros f = fixture.filtros("R1");
    f.fornecedor = QStringLiteral("F1");
    const auto linhas = carrega(MapaResumo::Modo::Detalhe, f);
    ASSERT_EQ(linhas.size(), 4);
    EXPECT_EQ(linhas[1][0], "R1");
    EXPECT_EQ(linhas[3][7], "12");
    EXPECT_EQ(mapa->linhasForaDasColunas(), 0);

    f.fornecedor = QStringLiteral("F1' or ''='");
    EXPECT_TRUE(carrega(MapaResumo::Modo::Detalhe, f).isEmpty());
    EXPECT_EQ(mapa->falha(), MapaResumo::Falha::SemInformacao);
}

TEST_F(MapaResumoTest, StopsWithTheirMessagesWhenTheRangeHasNoSizesOrNoOrdersWhateverItsQuotesAndWildcards)
{
    carrega(MapaResumo::Modo::Resumo, fixture.filtros("S", "T"));
    EXPECT_EQ(mapa->falha(), MapaResumo::Falha::SemTamanhos);
    EXPECT_EQ(mapa->mensagem(), QString::fromUtf8("Referências sem Tamnhos/Cores!"));

    carrega(MapaResumo::Modo::Resumo, fixture.filtros("R3", "R3"));  // a size type without sizes
    EXPECT_EQ(mapa->falha(), MapaResumo::Falha::SemTamanhos);

    MapasSql::Filtros f = fixture.filtros("R1");
    f.primeiraData = fixture.agora().addYears(-3);
    f.ultimaData = fixture.agora().addYears(-2);
    carrega(MapaResumo::Modo::Detalhe, f);
    EXPECT_EQ(mapa->falha(), MapaResumo::Falha::SemInformacao);
    EXPECT_EQ(mapa->mensagem(), QString::fromUtf8("Não existe informação para as condições selecionadas!"));

    // Quotes and wildcards in typed codes are only text.
    f = fixture.filtros("R'1", "R%");
    f.primeiroCliente = QStringLiteral("C'");
    f.fornecedor = QStringLiteral("F'1");
    f.grupo = QStringLiteral("G'");
    f.familia = QStringLiteral("_");
    f.subFamilia = QStringLiteral("%");
    EXPECT_TRUE(carrega(MapaResumo::Modo::Detalhe, f).isEmpty());
    EXPECT_EQ(mapa->falha(), MapaResumo::Falha::SemTamanhos);
}

// The grid finds each size's quantities by the field's number, and heads it with the stacked sizes.
TEST_F(MapaResumoTest, ColumnsAreKeyedByFieldNumberAndCaptionedWithTheStackedHeadings)
{
    for (const auto modo : {MapaResumo::Modo::Detalhe, MapaResumo::Modo::Resumo}) {
        carrega(modo, fixture.filtros("R1"));
        const zav::Recordset& rs = *mapa->recordset();
        QStringList colunas;
        for (const zav::GridColumn& c : mapa->colunas())
            colunas << (c.key.isNumber() ? rs.fieldInfos()[c.key.number() - 1].name : c.key.toString()) + "|"
                    + QString(c.heading).replace(CRLF, "/");
        const QStringList tamanhos{"Small/36/.", "Medium/38/.", "Large/./.", "Extra/./."};
        const QStringList esperado = modo == MapaResumo::Modo::Detalhe
            ? QStringList{QString::fromUtf8("Referencia|Referência"), "Nome|Nome", "Cor|Cor", "1|" + tamanhos[0],
                          "2|" + tamanhos[1], "3|" + tamanhos[2], "4|" + tamanhos[3], "Total|Total"}
            : QStringList{QString::fromUtf8("Referencia|Referência"), "Nome|Nome", "3|" + tamanhos[0],
                          "4|" + tamanhos[1], "5|" + tamanhos[2], "6|" + tamanhos[3], "Total|Total"};
        EXPECT_EQ(colunas, esperado);
    }
}

} // namespace
