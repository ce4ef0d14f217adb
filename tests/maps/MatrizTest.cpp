#include "FixtureMapas.h"

#include "platform/data/RuntimeError.h"
#include "reports/MapaEncForn.h"
#include "reports/MapaRefCliente.h"
#include "reports/MapasSql.h"
#include "reports/MatrizCorTamanho.h"

#include <gtest/gtest.h>

using MapasSql::BaseQuantidade;
using zav::Currency;

namespace {

class MatrizTest : public ::testing::Test {
protected:
    // The filter panel after LimparForm, on reference R1.
    MapasSql::Filtros filtros(BaseQuantidade base = BaseQuantidade::Pendentes) const
    {
        MapasSql::Filtros f;
        f.referencia = QStringLiteral("R1");
        f.ultimaReferencia = QStringLiteral("zzzzzz");
        f.ultimoCliente = QStringLiteral("zzzzzzzz");
        f.ultimoVendedor = QStringLiteral("zzzzzzzz");
        f.ultimoGrupo = QStringLiteral("zzzzzzzz");
        f.primeiraData = fixture.agora().addMonths(-1);
        f.ultimaData = fixture.agora();
        f.base = base;
        return f;
    }

    CargaMatriz carrega(const MapasSql::Filtros& f) { return carregaMatrizReferencia(fixture.bd(), f, {}, true); }

    static QList<QStringList> linhas(zav::Recordset& rs)
    {
        QList<QStringList> resultado;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            QStringList linha;
            for (int i = 0; i < rs.fieldCount(); ++i)
                linha << rs.Fields(i).text();
            resultado << linha;
        }
        return resultado;
    }

    // The matrix's rows as texts; empty when the load stopped.
    QList<QStringList> tabela(const MapasSql::Filtros& f)
    {
        CargaMatriz carga = carrega(f);
        EXPECT_TRUE(carga.carregada()) << carga.mensagem().toStdString();
        return carga.carregada() ? linhas(carga.matriz->recordset()) : QList<QStringList>{};
    }

    maps::FixtureMapas fixture;
};

TEST_F(MatrizTest, PendingQuantitiesFillEveryColourWithTotalsAfterABlankRow)
{
    CargaMatriz carga = carrega(filtros());
    ASSERT_TRUE(carga.carregada()) << carga.mensagem().toStdString();
    zav::Recordset& rs = carga.matriz->recordset();

    QStringList nomes;
    for (const zav::FieldInfo& campo : rs.fieldInfos())
        nomes << campo.name;
    EXPECT_EQ(nomes, (QStringList{"IndiceCor", "CodCor", "Cor", "S", "M", "L", "XL", "Total"}));

    const QList<QStringList> tabela = linhas(rs);
    ASSERT_EQ(tabela.size(), 5);
    EXPECT_EQ(tabela[0], (QStringList{"1", "BR", "Branco", "6", "5", "0", "0", "11"}));
    EXPECT_EQ(tabela[1], (QStringList{"2", "PR", "Preto", "2", "0", "4", "0", "6"}));
    // A colour nobody ordered keeps its row of zeros.
    EXPECT_EQ(tabela[2], (QStringList{"3", "AZ", "Azul", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(tabela[3], QStringList(8, QString()));
    EXPECT_EQ(tabela[4], (QStringList{"99", "", "Total", "8", "5", "4", "0", "17"}));
}

// R1-PR-L and R1-PR-L2 share one cell (1 and 3 still open), whatever order the
// database returns them in: every matrix adds them.
TEST_F(MatrizTest, EveryMatrixAddsTheVariantsThatShareACell)
{
    fixture.bd().ExecutaSQL(QString(), "update Artigos set Fornec='F1' where Codigo='R1'");
    const QList<std::pair<const char*, std::function<CargaMatriz()>>> mapas{
        {"referencia", [&] { return carrega(filtros()); }},
        {"ficha", [&] { return carregaMatrizReferencia(fixture.bd(), filtros(), {}, false); }},
        {"cliente", [&] { return MapaRefCliente::CarregaRefIndividualCliente(fixture.bd(), filtros()); }},
        {"fornecedor", [&] { return MapaEncForn::CarregaEncomendasFornecedor(fixture.bd(), filtros()); }},
    };
    for (const auto& [mapa, carregaMapa] : mapas) {
        CargaMatriz carga = carregaMapa();
        ASSERT_TRUE(carga.carregada()) << mapa;
        zav::Recordset& rs = carga.matriz->recordset();
        rs.setFilter("CodCor = 'PR'");
        EXPECT_EQ(rs.Fields("L").text(), "4") << mapa;
        rs.setFilter("IndiceCor = 99");
        EXPECT_EQ(rs.Fields("Total").text(), "17") << mapa;
    }
}

TEST_F(MatrizTest, QuantityBasisChoosesOrderedOpenOrDelivered)
{
    const QList<QStringList> t = tabela(filtros(BaseQuantidade::Todas));
    ASSERT_EQ(t.size(), 5);
    EXPECT_EQ(t[0].mid(3), (QStringList{"10", "5", "0", "0", "15"}));
    EXPECT_EQ(t[1].mid(3), (QStringList{"2", "0", "11", "0", "13"}));

    const QList<QStringList> s = tabela(filtros(BaseQuantidade::Satisfeitas));
    ASSERT_EQ(s.size(), 5);
    EXPECT_EQ(s[0].mid(3), (QStringList{"4", "0", "0", "0", "4"}));
    EXPECT_EQ(s[1].mid(3), (QStringList{"0", "0", "7", "0", "7"}));
}

TEST_F(MatrizTest, RangesFilterCustomerSalesmanAndGroup)
{
    MapasSql::Filtros f = filtros();
    f.primeiroCliente = f.ultimoCliente = QStringLiteral("C1");
    const QList<QStringList> porCliente = tabela(f);
    ASSERT_EQ(porCliente.size(), 5);
    EXPECT_EQ(porCliente[0][7], "11");
    EXPECT_EQ(porCliente[1][7], "0");

    f = filtros();
    f.primeiroVendedor = f.ultimoVendedor = QStringLiteral("V2");
    const QList<QStringList> porVendedor = tabela(f);
    ASSERT_EQ(porVendedor.size(), 5);
    EXPECT_EQ(porVendedor[0][7], "0");
    EXPECT_NE(porVendedor[1][7], "0");

    f = filtros();
    f.primeiroGrupo = f.ultimoGrupo = QStringLiteral("G2");
    const QList<QStringList> porGrupo = tabela(f);
    ASSERT_EQ(porGrupo.size(), 5);
    EXPECT_EQ(porGrupo[0][7], "0");
    EXPECT_EQ(porGrupo[1].mid(3), (QStringList{"2", "0", "0", "0", "2"}));
}

TEST_F(MatrizTest, EachMissingPieceStopsWithItsMessage)
{
    MapasSql::Filtros f = filtros();
    const QList<std::pair<QString, QString>> casos{
        {"NADA", QString::fromUtf8("Referência não existente!")},
        {"R3", QString::fromUtf8("Referência sem Tamanhos!")},
        {"R4", QString::fromUtf8("Referência sem Cores!")},
        {"R2", QString::fromUtf8("Não existe informação para a Referência selecionada!")},
    };
    for (const auto& [referencia, mensagem] : casos) {
        f.referencia = referencia;
        CargaMatriz carga = carrega(f);
        EXPECT_FALSE(carga.carregada());
        EXPECT_EQ(carga.mensagem(), mensagem) << referencia.toStdString();
        EXPECT_EQ(carga.matriz, nullptr);
    }
}

TEST_F(MatrizTest, OrdersOutsideTheWindowCancelledOrNotFromCustomersAreLeftOut)
{
    MapasSql::Filtros f = filtros(BaseQuantidade::Todas);
    f.primeiroCliente = f.ultimoCliente = QStringLiteral("C1");
    const QList<QStringList> t = tabela(f);
    ASSERT_EQ(t.size(), 5);
    // Only order 1 (late on the last day) counts: not the older one, the cancelled one, nor the non-customer one.
    EXPECT_EQ(t[0].mid(3), (QStringList{"10", "5", "0", "0", "15"}));

    f.ultimaData = fixture.agora().addDays(-1);
    EXPECT_EQ(carrega(f).falha, CargaMatriz::Falha::SemInformacao);
}

TEST_F(MatrizTest, AQuoteInATypedCodeIsLookedUpAsThatCode)
{
    MapasSql::Filtros f = filtros();
    f.referencia = QStringLiteral("R1' or '1'='1");
    EXPECT_EQ(carrega(f).falha, CargaMatriz::Falha::ReferenciaNaoExiste);

    // Quoted, the range ends at that odd code and takes C1 only; spliced in, it would take everyone.
    f = filtros();
    f.ultimoCliente = QStringLiteral("C1' or 'x'='x");
    const QList<QStringList> t = tabela(f);
    ASSERT_EQ(t.size(), 5);
    EXPECT_EQ(t[0][7], "11");
    EXPECT_EQ(t[1][7], "0");
}

TEST_F(MatrizTest, TheStatementIsTheSqlServerTextOfTheMap)
{
    MapasSql::Filtros f = filtros();
    f.primeiraData = QDateTime(QDate(2026, 3, 31), QTime(10, 0));
    f.ultimaData = QDateTime(QDate(2026, 4, 30), QTime(9, 0));
    EXPECT_EQ(MapasSql::linhasMatriz(f.base, MapasSql::filtroReferencia(f, true)),
              QStringLiteral(" select l.artigo, sum(l.Quant) as Quant, a.MedHor,a.MedVert,mv.POSIMP as Mv,mh.POSIMP mH,"
                             "mv.Descrica, mh.Descrica from DocgcCab as c inner join docgclin as l ON "
                             "l.tpdocum=c.Tpdoc and l.nnumdoc=c.NNumdoc and l.serie=c.serie and l.ano=c.Ano inner "
                             "join artigos as a ON a.Codigo=l.Artigo inner join MedTamCo as mh ON "
                             "mh.CodTipoM=a.TmHor and mh.CodMed=a.medhor inner join MedTamCo as mv ON "
                             "mv.CodTipoM=a.TmVer and mv.CodMed=a.MEDVERT Where  c.Data >= CONVERT(DATETIME, "
                             "'2026-03-31 00:00:00 ', 102) and c.Data <= CONVERT(DATETIME, '2026-04-30 23:59:59 ', "
                             "102) and a.CodRef='R1'  and c.Terceiro >= '' and c.Terceiro<='zzzzzzzz'  and "
                             "c.Vendedor >= '' and c.Vendedor<='zzzzzzzz'  and a.Grupo >= '' and "
                             "a.Grupo<='zzzzzzzz'  and c.Tpterc=2 and c.Areag=2 and c.nvias<>-1  group by "
                             "l.artigo,a.MEDHOR ,a.medvert,mv.POSIMP,mh.POSIMP,mv.Descrica,mh.Descrica order by "
                             "mv.posimp,mh.posimp"));
}

// A size list as MedTamCo gives it, codes as stored.
zav::RecordsetPtr tamanhosDeCodigos(const QStringList& codigos)
{
    auto tamanhos = std::make_shared<zav::Recordset>();
    tamanhos->appendField(QStringLiteral("CodMed"), zav::FieldType::Text, 4);
    tamanhos->open();
    for (const QString& codigo : codigos) {
        tamanhos->AddNew();
        tamanhos->Fields(0) = codigo;
        tamanhos->Update();
    }
    tamanhos->MoveFirst();
    return tamanhos;
}

// Colours C1 to Cn, "Cor 1" to "Cor n", in that print order.
zav::RecordsetPtr coresNumeradas(int quantas)
{
    auto cores = std::make_shared<zav::Recordset>();
    cores->appendField(QStringLiteral("CodMed"), zav::FieldType::Text, 4);
    cores->appendField(QStringLiteral("Descrica"), zav::FieldType::Text, 30);
    cores->appendField(QStringLiteral("Posimp"), zav::FieldType::SmallInt);
    cores->open();
    for (int i = 1; i <= quantas; ++i) {
        cores->AddNew();
        cores->Fields(0) = QStringLiteral("C%1").arg(i);
        cores->Fields(1) = QStringLiteral("Cor %1").arg(i);
        cores->Fields(2) = QVariant(i);
        cores->Update();
    }
    return cores;
}

TEST(MatrizCorTamanhoTest, ReusingMapsGroupDropZeroRowsAndPlaceByTheirOwnFilter)
{
    const zav::RecordsetPtr tamanhos = tamanhosDeCodigos({"S  ", "M"});
    const zav::RecordsetPtr cores = coresNumeradas(2);

    ValoresMatriz valores;
    valores.larguraTamanho = 750;
    valores.larguraCor = 1800;
    valores.linhaEmBrancoAntesDoTotal = false;
    valores.removeLinhasTotalZero = true;
    valores.camposAntes = {{"IdCliente", "Cliente", 1700, 100}, {"Cliente", "Cliente", 1700, 100}};
    valores.camposDepois = {{"Data", "Data", 1000, 10}};
    MatrizCorTamanho matriz(valores);
    matriz.CriaRsRefIndividual(*tamanhos);
    matriz.acrescentaCores(*cores, {"A/Ana", "A"});
    matriz.acrescentaCores(*cores, {"B/Bia", "B"});

    // Order lines of customer B: two on one cell, which add up, one whose size
    // keeps its blanks (the field names are trimmed) and one of a colour with no row.
    zav::Recordset linhas;
    linhas.appendField(QStringLiteral("MedVert"), zav::FieldType::Text, 4);
    linhas.appendField(QStringLiteral("MedHor"), zav::FieldType::Text, 4);
    linhas.appendField(QStringLiteral("Quant"), zav::FieldType::Currency);
    linhas.appendField(QStringLiteral("Terceiro"), zav::FieldType::Text, 15);
    linhas.open();
    for (const auto& [cor, tamanho, quantidade] :
         QList<std::tuple<QString, QString, int>>{{"C1", "S", 4}, {"C1", "S", 9}, {"C1", "S  ", 1}, {"C9", "M", 1}}) {
        linhas.AddNew();
        linhas.Fields("MedVert") = cor;
        linhas.Fields("MedHor") = tamanho;
        linhas.Fields("Quant") = Currency::fromInteger(quantidade);
        linhas.Fields("Terceiro") = "B";
        linhas.Update();
    }
    matriz.colocaLinhas(linhas, {{"CodCor", "MedVert"}, {"Cliente", "Terceiro"}});
    matriz.totaliza();

    zav::Recordset& rs = matriz.recordset();
    ASSERT_EQ(rs.RecordCount(), 2);  // B's first colour and the totals row; every zero row is gone
    rs.MoveFirst();
    EXPECT_EQ(rs.Fields("IdCliente").text(), "B/Bia");
    EXPECT_EQ(rs.Fields("S").text(), "13");
    EXPECT_EQ(rs.Fields("Total").text(), "13");
    EXPECT_EQ(rs.Fields("Data").text(), "");
    EXPECT_FALSE(rs.Fields("Data").isNull());
    rs.MoveNext();
    EXPECT_TRUE(rs.Fields("IdCliente").isNull());
    EXPECT_EQ(rs.Fields("Cor").text(), "Total");
    EXPECT_EQ(rs.Fields("Total").text(), "13");

    tamanhos->MoveFirst();
    const QList<zav::GridColumn> colunas = matriz.colunas(*tamanhos);
    QStringList descricao;
    for (const zav::GridColumn& c : colunas)
        descricao << QStringLiteral("%1|%2|%3|%4|%5")
                         .arg(c.key.toString(), c.heading)
                         .arg(c.widthTwips)
                         .arg(c.hidden ? "oculta" : "")
                         .arg(c.format);
    EXPECT_EQ(descricao, (QStringList{"IdCliente|Cliente|1700|oculta|", "Cliente|Cliente|1700|oculta|",
                                      "IndiceCor|Indice|1000|oculta|", "CodCor|CodCor|1000|oculta|",
                                      "Cor|Cor/Tamanho|1800||", "S|S  |750||# ###", "M|M|750||# ###",
                                      "Total|Total|1200||## ###", "Data|Data|1000|oculta|"}));
}

// Asked for both, the removal of zero rows leaves the blank row (its Total is
// empty, not 0) before the totals row; neighbouring zero rows all go.
TEST(MatrizCorTamanhoTest, RemovingZeroRowsKeepsTheBlankRowBeforeTheTotals)
{
    const zav::RecordsetPtr tamanhos = tamanhosDeCodigos({"S", "M"});
    const zav::RecordsetPtr cores = coresNumeradas(4);
    ValoresMatriz valores;
    valores.linhaEmBrancoAntesDoTotal = true;
    valores.removeLinhasTotalZero = true;
    MatrizCorTamanho matriz(valores);
    matriz.CriaRsRefIndividual(*tamanhos);
    matriz.acrescentaCores(*cores);

    zav::Recordset linhas;
    linhas.appendField(QStringLiteral("MedVert"), zav::FieldType::Text, 4);
    linhas.appendField(QStringLiteral("MedHor"), zav::FieldType::Text, 4);
    linhas.appendField(QStringLiteral("Quant"), zav::FieldType::Currency);
    linhas.open();
    // C1 and C2 stay at 0; C4's quantities cancel out.
    for (const auto& [cor, tamanho, quantidade] :
         QList<std::tuple<QString, QString, int>>{{"C3", "M", 6}, {"C4", "S", 2}, {"C4", "M", -2}}) {
        linhas.AddNew();
        linhas.Fields("MedVert") = cor;
        linhas.Fields("MedHor") = tamanho;
        linhas.Fields("Quant") = Currency::fromInteger(quantidade);
        linhas.Update();
    }
    matriz.colocaLinhas(linhas);
    matriz.totaliza();

    zav::Recordset& rs = matriz.recordset();
    QStringList linhasDaMatriz;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        QStringList campos;
        for (const char* campo : {"IndiceCor", "CodCor", "Cor", "S", "M", "Total"})
            campos << (rs.Fields(campo).isNull() ? QStringLiteral("-") : rs.Fields(campo).text());
        linhasDaMatriz << campos.join(QLatin1Char('|'));
    }
    EXPECT_EQ(linhasDaMatriz, (QStringList{"3|C3|Cor 3|0|6|6", "-|-|-|-|-|-", "99||Total|2|4|6"}));
}

} // namespace
