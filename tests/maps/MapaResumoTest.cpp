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
    EXPECT_EQ(mapa->titulos().Titulos(1), "Small" + CRLF + "36" + CRLF + ".");
    EXPECT_EQ(mapa->titulos().Titulos(3), "Large" + CRLF + "." + CRLF + ".");
    // R2's size at position 0 and its variant of another size type at position 9.
    EXPECT_EQ(mapa->linhasForaDasColunas(), 2);

    const zav::Recordset& rs = *mapa->recordset();
    QStringList nomes;
    for (const zav::FieldInfo& campo : rs.fieldInfos())
        nomes << campo.name;
    EXPECT_EQ(nomes, QStringList({"Referencia", "Nome", "3", "4", "5", "6", "Total"}));
    EXPECT_EQ(linhas, (QList<QStringList>{
                          {"R1", "Camisola de gola alt", "7", "5", "null", "null", "12"},
                          {"R2", "Calca", "8", "2", "null", "null", "10"},
                          {"null", "null", "null", "null", "null", "null", "null"},
                          {"null", "Total Geral", "15", "7", "0", "0", "22"},
                      }));
}

TEST_F(MapaResumoTest, SummaryFollowsTheQuantityOptionAndIgnoresTheSupplier)
{
    MapasSql::Filtros f = fixture.filtros("R1", "zzzzzz", BaseQuantidade::Todas);
    f.fornecedor = QStringLiteral("F1");
    const auto linhas = carrega(MapaResumo::Modo::Resumo, f);
    ASSERT_EQ(linhas.size(), 4);
    EXPECT_EQ(linhas[0], QStringList({"R1", "Camisola de gola alt", "13", "5", "null", "null", "18"}));
    EXPECT_EQ(linhas[1], QStringList({"R2", "Calca", "8", "4", "null", "null", "12"}));
    EXPECT_EQ(linhas[3], QStringList({"null", "Total Geral", "21", "9", "0", "0", "30"}));

    f.base = BaseQuantidade::Satisfeitas;
    EXPECT_EQ(carrega(MapaResumo::Modo::Resumo, f)[0],
              QStringList({"R1", "Camisola de gola alt", "6", "0", "null", "null", "6"}));
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
    EXPECT_EQ(mapa->recordset()->Fields(3).name(), "1");
}

TEST_F(MapaResumoTest, DetailKeepsEachOfTwoColoursAtOnePrintPositionOnItsOwnRow)
{
    fixture.bd().ExecutaSQL(QString(), "update MedTamCo set PosImp=1 where CodTipoM='CORES' and CodMed='PR'");
    const auto linhas = carrega(MapaResumo::Modo::Detalhe, fixture.filtros("R1", "R1"));
    ASSERT_EQ(linhas.size(), 4);
    EXPECT_EQ(linhas[0].mid(2), QStringList({"Branco", "6", "5", "null", "null", "11"}));
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
}

TEST_F(MapaResumoTest, FamilyFiltersOnlyWhenGroupFamilyAndSubFamilyAreAllFilled)
{
    MapasSql::Filtros f = fixture.filtros("R1");
    f.grupo = QStringLiteral("G1");
    f.familia = QStringLiteral("FA");
    EXPECT_EQ(carrega(MapaResumo::Modo::Resumo, f).size(), 4);
    f.subFamilia = QStringLiteral("SA");
    const auto linhas = carrega(MapaResumo::Modo::Resumo, f);
    ASSERT_EQ(linhas.size(), 3);
    EXPECT_EQ(linhas[0][0], "R1");
}

TEST_F(MapaResumoTest, StopsWithTheirMessagesWhenTheRangeHasNoSizesOrNoOrders)
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
}

TEST_F(MapaResumoTest, QuotesAndWildcardsInTypedCodesAreOnlyText)
{
    MapasSql::Filtros f = fixture.filtros("R'1", "R%");
    f.primeiroCliente = QStringLiteral("C'");
    f.fornecedor = QStringLiteral("F'1");
    f.grupo = QStringLiteral("G'");
    f.familia = QStringLiteral("_");
    f.subFamilia = QStringLiteral("%");
    EXPECT_TRUE(carrega(MapaResumo::Modo::Detalhe, f).isEmpty());
    EXPECT_EQ(mapa->falha(), MapaResumo::Falha::SemTamanhos);
    EXPECT_TRUE(MapaResumo::sqlTipos(f).contains("Codigo>='R''1' and Codigo<='R% '"));
}

TEST_F(MapaResumoTest, StatementsAreBuiltAsTheUsersKnowThem)
{
    MapasSql::Filtros f = fixture.filtros("A", "B", BaseQuantidade::Satisfeitas);
    f.primeiraData = QDateTime(QDate(2026, 1, 5), QTime(9, 0));
    f.ultimaData = QDateTime(QDate(2026, 2, 6), QTime(9, 0));
    f.primeiroCliente = "C1";
    f.ultimoCliente = "C2";
    f.primeiroVendedor = "V1";
    f.ultimoVendedor = "V2";
    f.grupo = "G";
    f.familia = "F";
    f.subFamilia = "S";
    f.fornecedor = "P";
    const QString criterios =
        " Where  c.Data >= CONVERT(DATETIME, '2026-01-05 00:00:00 ', 102)"
        " and c.Data <= CONVERT(DATETIME, '2026-02-06 23:59:59 ', 102)"
        " and a.CodRef>='A' and a.CodRef<='B' "
        " and c.Terceiro >= 'C1' and c.Terceiro<='C2' "
        " and c.Vendedor >= 'V1' and c.Vendedor<='V2' "
        " and c.Tpterc=2 and c.Areag=2 and c.nvias<>-1 "
        " and a.grupo='G' and a.Familia='F' and a.SubFamil='S' ";
    const QString juncoes =
        " inner join docgclin as l ON l.tpdocum=c.Tpdoc and l.nnumdoc=c.NNumdoc and l.serie=c.serie and l.ano=c.Ano"
        " inner join artigos as a ON a.Codigo=l.Artigo"
        " inner join Artigos as al ON al.Codigo=a.CodRef"
        " inner join MedTamCo as mh ON mh.CodTipoM=a.TmHor and mh.CodMed=a.medhor";
    EXPECT_EQ(MapaResumo::sqlResumo(f), " select a.CodRef,mh.POSIMP , sum(l.QtdOrig-l.Quant) as Quant ,al.Nome "
                                        " from DocgcCab as c"
                                            + juncoes + criterios
                                            + " group by mh.POSIMP,a.CodRef,al.Nome "
                                              " order by a.CodRef,mh.posimp");
    EXPECT_EQ(MapaResumo::sqlDetalhe(f),
              " select a.codref, sum(l.Quant) as Quant, a.MedHor,a.MedVert,mv.POSIMP as Mv,"
              " mh.POSIMP mh, mv.Descrica as Cor, mh.Descrica,al.Nome"
              " from DocgcCab as c"
                  + juncoes + " inner join MedTamCo as mv ON mv.CodTipoM=a.TmVer and mv.CodMed=a.MEDVERT" + criterios
                  + " and al.Fornec='P' "
                    " group by a.codref,a.MEDHOR ,a.medvert,mv.POSIMP,mh.POSIMP,mv.Descrica,mh.Descrica,al.Nome"
                    " order by a.CodRef,mv.posimp,a.MedVert,mh.posimp ");
    EXPECT_EQ(MapaResumo::sqlTipos(f),
              " Select distinct TMHOR from Artigos where Codigo>='A' and Codigo<='B ' and CodRef=''and TMHOR<>'' and TMVER<>''");
}

TEST_F(MapaResumoTest, ColumnsAreKeyedByFieldNumberAndCaptionedWithTheStackedHeadings)
{
    carrega(MapaResumo::Modo::Detalhe, fixture.filtros("R1"));
    QStringList descricao;
    for (const zav::GridColumn& c : mapa->colunas())
        descricao << QStringLiteral("%1|%2|%3|%4|%5")
                         .arg(c.key.toString(), QString(c.heading).replace(CRLF, "/"))
                         .arg(c.widthTwips)
                         .arg(c.maxLength)
                         .arg(c.format);
    EXPECT_EQ(descricao, (QStringList{
                             QString::fromUtf8("Referencia|Referência|1300|20|"),
                             "Nome|Nome|2000|20|",
                             "Cor|Cor|1300|20|",
                             "4|Small/36/.|650|10|# ###",
                             "5|Medium/38/.|650|10|# ###",
                             "6|Large/./.|650|10|# ###",
                             "7|Extra/./.|650|10|# ###",
                             "Total|Total|800|10|## ###",
                         }));
    carrega(MapaResumo::Modo::Resumo, fixture.filtros("R1"));
    EXPECT_EQ(mapa->colunas()[2].key.number(), 3);
    EXPECT_EQ(mapa->colunas().size(), 7);
}

TEST_F(MapaResumoTest, AColourDescriptionLongerThanItsFieldIsCutNotAFailure)
{
    fixture.bd().ExecutaSQL(QString(), "update MedTamCo set Descrica='Azul petroleo muito escuro' where CodMed='BR'");
    const auto linhas = carrega(MapaResumo::Modo::Detalhe, fixture.filtros("R1"));
    ASSERT_FALSE(linhas.isEmpty());
    EXPECT_EQ(linhas[0][2], "Azul petroleo muito ");
}

} // namespace
