#include "FixtureMapasII.h"

#include "platform/grid/Grelha.h"
#include "reports/MapaEncForn.h"
#include "reports/MapaRefCliente.h"
#include "reports/MapaRefTerceiro.h"

#include <gtest/gtest.h>

using MapasSql::BaseQuantidade;
using maps::textosDasLinhas;
using maps::u;

namespace {


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

TEST_F(MapasAgrupadosTest, ReferencesByCustomerSumTheVariantsIgnoreTheQuantityOptionAndGroupByReference)
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
    // One closed group per reference, with its total.
    zav::Grelha grelha;
    grelha.setDataSource(MapaRefTerceiro::CarregaRefTerceiro(fixture.bd(), fixture.filtros("R1")));
    MapaRefTerceiro::Act_Grelha_Campos_Terceiro(grelha);
    grelha.rebind();
    EXPECT_EQ(gruposDaGrelha(grelha).join('|').simplified(),
              "R1/Camisola de gola alta em algodao Total Quant = 12,00 (1)|R2/Calca Total Quant = 19,00 (2)");
    EXPECT_FALSE(grelha.isExpanded(0));
}

TEST_F(MapasAgrupadosTest, ReferencesByCustomerFilterByTheOrderedVariantsGroupAndTheSalesmen)
{
    MapasSql::Filtros f = fixture.filtros("A");
    f.primeiroGrupo = f.ultimoGrupo = QStringLiteral("G2");
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

// Matrix per customer

TEST_F(MapasAgrupadosTest, PerCustomerShowsEachCustomersColoursWithAQuantityInOneGroupWhateverTheSalesman)
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

    // Every quantity: each customer shows its colours with a quantity, and one totals row covers all.
    carga = MapaRefCliente::CarregaRefIndividualCliente(fixture.bd(),
                                                        fixture.filtros("M1", "zzzzzz", BaseQuantidade::Todas));
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

TEST_F(MapasAgrupadosTest, PerCustomerChecksTheReferenceAndPerSupplierTheSupplierBeforeTheSizes)
{
    const auto porCliente = [this](const char* referencia) {
        return MapaRefCliente::CarregaRefIndividualCliente(fixture.bd(), fixture.filtros(u(referencia))).mensagem();
    };
    EXPECT_EQ(porCliente("NAOHA"), u("Referência não existente!"));
    EXPECT_EQ(porCliente("M'1"), u("Referência não existente!"));
    EXPECT_EQ(porCliente("M2"), u("Referência sem Tamanhos!"));
    EXPECT_EQ(porCliente("R5"), u("Referência sem Cores!"));

    const auto porFornecedor = [this](const char* referencia) {
        return MapaEncForn::CarregaEncomendasFornecedor(fixture.bd(), fixture.filtros(u(referencia))).mensagem();
    };
    EXPECT_EQ(porFornecedor("NAOHA"), u("Referência não existente!"));
    EXPECT_EQ(porFornecedor("M2"), u("Referência sem Fornecedor!"));
    EXPECT_EQ(porFornecedor("M5"), u("Referência sem Fornecedor!"));  // no supplier at all, not even empty
    EXPECT_EQ(porFornecedor("M3"), u("Fornecedor associado à Referência não existente!"));
    EXPECT_EQ(porFornecedor("M4"), u("Referência sem Tamanhos!"));
    fixture.bd().ExecutaSQL(QString(), "update Artigos set Fornec='F''1' where Codigo='M4'");
    EXPECT_EQ(porFornecedor("M4"), u("Fornecedor associado à Referência não existente!"));
}

} // namespace
