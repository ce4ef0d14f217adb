#include "FixtureMapasII.h"

#include "platform/grid/Grelha.h"
#include "reports/MapaEncForn.h"
#include "reports/MapaRefCliente.h"
#include "reports/MapaRefTerceiro.h"

#include <gtest/gtest.h>

using MapasSql::BaseQuantidade;
using maps::textosDasLinhas;

namespace {

QString u(const char* texto)
{
    return QString::fromUtf8(texto);
}

QStringList gruposDaGrelha(const zav::Grelha& grelha)
{
    QStringList grupos;
    for (int g = 0; g < grelha.groupCount(); ++g)
        grupos << QStringLiteral("%1 (%2)").arg(grelha.groupHeading(g)).arg(grelha.groupRowCount(g));
    return grupos;
}

class MapasAgrupadosTest : public ::testing::Test {
protected:
    maps::FixtureMapasII fixture;
};

// Quantity per reference and customer

TEST_F(MapasAgrupadosTest, ReferencesByCustomerSumTheVariantsAndIgnoreTheQuantityOption)
{
    for (BaseQuantidade base : {BaseQuantidade::Pendentes, BaseQuantidade::Todas}) {
        const zav::RecordsetPtr rs =
            MapaRefTerceiro::CarregaRefTerceiro(fixture.bd(), fixture.filtros("R1", "zzzzzz", base));
        ASSERT_TRUE(rs);
        EXPECT_EQ(textosDasLinhas(*rs), (QList<QStringList>{
                                            {"R1/Camisola de gola alta em algodao", "C1", "Cliente Um", "12"},
                                            {"R2/Calca", "C1", "Cliente Um", "8"},
                                            {"R2/Calca", "C2", "Cliente Dois", "11"},
                                        }));
    }
}

TEST_F(MapasAgrupadosTest, ReferencesByCustomerFilterByTheOrderedVariantsGroupAndTheSalesmen)
{
    MapasSql::Filtros f = fixture.filtros("A");
    f.primeiroGrupo = QStringLiteral("G2");
    f.ultimoGrupo = QStringLiteral("G2");
    zav::RecordsetPtr rs = MapaRefTerceiro::CarregaRefTerceiro(fixture.bd(), f);
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->RecordCount(), 2);
    EXPECT_EQ(rs->Fields("Referencia").text(), "R2/Calca");

    f = fixture.filtros("A");
    f.primeiroVendedor = f.ultimoVendedor = QStringLiteral("V2");
    rs = MapaRefTerceiro::CarregaRefTerceiro(fixture.bd(), f);
    ASSERT_TRUE(rs);
    EXPECT_EQ(textosDasLinhas(*rs), (QList<QStringList>{{"M1/Casaco", "C1", "Cliente Um", "4"},
                                                        {"M1/Casaco", "C2", "Cliente Dois", "0"},
                                                        {"R2/Calca", "C2", "Cliente Dois", "11"}}));

    f.primeiraData = fixture.agora().addYears(-5);
    f.ultimaData = fixture.agora().addYears(-4);
    EXPECT_FALSE(MapaRefTerceiro::CarregaRefTerceiro(fixture.bd(), f));
}

TEST_F(MapasAgrupadosTest, ReferencesByCustomerShowOneClosedGroupPerReferenceWithItsTotal)
{
    zav::Grelha grelha;
    grelha.setDataSource(MapaRefTerceiro::CarregaRefTerceiro(fixture.bd(), fixture.filtros("R1")));
    MapaRefTerceiro::Act_Grelha_Campos_Terceiro(grelha);
    grelha.rebind();
    const QStringList grupos = gruposDaGrelha(grelha);
    ASSERT_EQ(grupos.size(), 2);
    EXPECT_TRUE(grupos[0].startsWith("R1/Camisola de gola alta em algodao")) << grupos[0].toStdString();
    EXPECT_TRUE(grupos[0].contains(" Total Quant = 12")) << grupos[0].toStdString();
    EXPECT_TRUE(grupos[1].contains(" Total Quant = 19")) << grupos[1].toStdString();
    EXPECT_TRUE(grupos[1].endsWith("(2)"));
    EXPECT_FALSE(grelha.isExpanded(0));
}

// Matrix per customer

TEST_F(MapasAgrupadosTest, ACustomerWithTwoSalesmenShowsAllItsQuantitiesInItsOneGroup)
{
    CargaMatriz carga = MapaRefCliente::CarregaRefIndividualCliente(fixture.bd(), fixture.filtros("M1"));
    ASSERT_TRUE(carga.carregada()) << carga.mensagem().toStdString();
    // C1 ordered 6 + 4 open of M1-BR-S under V1 and V2; its black row and C2's
    // rows are all zero and gone; C9 has no Clientes row and no group.
    EXPECT_EQ(textosDasLinhas(carga.matriz->recordset()),
              (QList<QStringList>{
                  {"C1/Cliente Um", "C1", "1", "BR", "Branco", "10", "0", "0", "0", "10", ""},
                  {"null", "null", "99", "", "Total", "10", "0", "0", "0", "10", "null"},
              }));
}

TEST_F(MapasAgrupadosTest, EachCustomerShowsItsColoursWithAQuantityAndOneTotalsRowCoversAll)
{
    CargaMatriz carga = MapaRefCliente::CarregaRefIndividualCliente(
        fixture.bd(), fixture.filtros("M1", "zzzzzz", BaseQuantidade::Todas));
    ASSERT_TRUE(carga.carregada());
    EXPECT_EQ(textosDasLinhas(carga.matriz->recordset()),
              (QList<QStringList>{
                  {"C1/Cliente Um", "C1", "1", "BR", "Branco", "14", "0", "0", "0", "14", ""},
                  {"C1/Cliente Um", "C1", "2", "PR", "Preto", "3", "0", "0", "0", "3", ""},
                  {"C2/Cliente Dois", "C2", "1", "BR", "Branco", "0", "2", "0", "0", "2", ""},
                  {"null", "null", "99", "", "Total", "17", "2", "0", "0", "19", "null"},
              }));

    zav::Grelha grelha;
    grelha.setDataSource(carga.matriz->partilhado());
    MapaRefCliente::Act_Grelha_Campos_RefCliente(grelha, *carga.matriz, *carga.tamanhos);
    grelha.rebind();
    EXPECT_EQ(gruposDaGrelha(grelha), QStringList({"C1/Cliente Um (2)", "C2/Cliente Dois (1)", " (1)"}));
}

TEST_F(MapasAgrupadosTest, AllZeroIsAnEmptyMapButACustomerWithoutARowNoCustomerMap)
{
    MapasSql::Filtros f = fixture.filtros("M1");
    f.primeiroCliente = f.ultimoCliente = QStringLiteral("C2");
    CargaMatriz carga = MapaRefCliente::CarregaRefIndividualCliente(fixture.bd(), f);
    ASSERT_TRUE(carga.carregada());
    EXPECT_EQ(carga.matriz->recordset().RecordCount(), 0);

    f.primeiroCliente = f.ultimoCliente = QStringLiteral("C9");
    f.base = BaseQuantidade::Satisfeitas;
    carga = MapaEncForn::CarregaEncomendasFornecedor(fixture.bd(), f);
    ASSERT_TRUE(carga.carregada());
    EXPECT_EQ(carga.matriz->recordset().RecordCount(), 0);

    carga = MapaRefCliente::CarregaRefIndividualCliente(fixture.bd(), f);
    EXPECT_EQ(carga.falha, CargaMatriz::Falha::SemClientes);
    EXPECT_EQ(carga.mensagem(), u("Não existe informação para a Referência selecionada!"));
}

TEST_F(MapasAgrupadosTest, PerCustomerChecksTheReferenceSizesAndColours)
{
    const auto falha = [this](const char* referencia) {
        return MapaRefCliente::CarregaRefIndividualCliente(fixture.bd(), fixture.filtros(u(referencia))).mensagem();
    };
    EXPECT_EQ(falha("NAOHA"), u("Referência não existente!"));
    EXPECT_EQ(falha("M'1"), u("Referência não existente!"));
    EXPECT_EQ(falha("M2"), u("Referência sem Tamanhos!"));
    EXPECT_EQ(falha("R5"), u("Referência sem Cores!"));
}

// Matrix per supplier

TEST_F(MapasAgrupadosTest, PerSupplierPutsTheWholeMatrixUnderTheSupplierCountingCustomersWithoutARow)
{
    CargaMatriz carga = MapaEncForn::CarregaEncomendasFornecedor(fixture.bd(), fixture.filtros("M1"));
    ASSERT_TRUE(carga.carregada()) << carga.mensagem().toStdString();
    EXPECT_EQ(textosDasLinhas(carga.matriz->recordset()),
              (QList<QStringList>{
                  {"F1/Fornecedor Um", "F1", "1", "BR", "Branco", "10", "9", "0", "0", "19"},
                  {"null", "null", "99", "", "Total", "10", "9", "0", "0", "19"},
              }));
    zav::Grelha grelha;
    grelha.setDataSource(carga.matriz->partilhado());
    MapaEncForn::Act_Grelha_Campos_EncForn(grelha, *carga.matriz, *carga.tamanhos);
    grelha.rebind();
    EXPECT_EQ(gruposDaGrelha(grelha), QStringList({"F1/Fornecedor Um (1)", " (1)"}));
}

TEST_F(MapasAgrupadosTest, PerSupplierChecksTheSupplierBeforeTheSizes)
{
    const auto falha = [this](const char* referencia) {
        return MapaEncForn::CarregaEncomendasFornecedor(fixture.bd(), fixture.filtros(u(referencia))).mensagem();
    };
    EXPECT_EQ(falha("NAOHA"), u("Referência não existente!"));
    EXPECT_EQ(falha("M2"), u("Referência sem Fornecedor!"));
    EXPECT_EQ(falha("M5"), u("Referência sem Fornecedor!"));  // no supplier at all, not even empty
    EXPECT_EQ(falha("M3"), u("Fornecedor associado à Referência não existente!"));
    EXPECT_EQ(falha("M4"), u("Referência sem Tamanhos!"));
    fixture.bd().ExecutaSQL(QString(), "update Artigos set Fornec='F''1' where Codigo='M4'");
    EXPECT_EQ(falha("M4"), u("Fornecedor associado à Referência não existente!"));
}

} // namespace
