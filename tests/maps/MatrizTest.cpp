#include "FixtureMapas.h"

#include "platform/grid/GridContent.h"
#include "platform/grid/Grelha.h"
#include "reports/MapaEncForn.h"
#include "reports/MapaRefCliente.h"
#include "reports/MatrizCorTamanho.h"

#include <gtest/gtest.h>

using MapasSql::BaseQuantidade;
using zav::Currency;

namespace {

class MatrizTest : public ::testing::Test {
protected:
    CargaMatriz carrega(const MapasSql::Filtros& f) { return carregaMatrizReferencia(fixture.bd(), f, {}, true); }

    // The matrix's rows as texts; empty when the load stopped.
    QList<QStringList> tabela(const MapasSql::Filtros& f)
    {
        CargaMatriz carga = carrega(f);
        EXPECT_TRUE(carga.carregada()) << carga.mensagem().toStdString();
        return carga.carregada() ? maps::textosDasLinhas(carga.matriz->recordset()) : QList<QStringList>{};
    }

    // Every loader that builds a colour × size matrix from order lines.
    QList<std::pair<const char*, std::function<CargaMatriz()>>> mapas(const MapasSql::Filtros& f)
    {
        zav::zavCoreDataAccess2016& bd = fixture.bd();
        return {
            {"referencia", [this, f] { return carrega(f); }},
            {"ficha", [&bd, f] { return carregaMatrizReferencia(bd, f, {}, false); }},
            {"cliente", [&bd, f] { return MapaRefCliente::CarregaRefIndividualCliente(bd, f); }},
            {"fornecedor", [&bd, f] { return MapaEncForn::CarregaEncomendasFornecedor(bd, f); }},
        };
    }

    // A colour (CodMed, Descrica, PosImp) and variants of R1 (code, size,
    // colour) with an open line each on order 1 (C1); R1 gets supplier F1.
    struct Variante {
        const char* codigo;
        const char* tamanho;
        const char* cor;
        int quantidade;
    };
    void encomendaVariantes(const char* cor, const QList<Variante>& variantes)
    {
        zav::zavCoreDataAccess2016& bd = fixture.bd();
        bd.ExecutaSQL(QString(), maps::u("insert into MedTamCo (CodTipoM, CodMed, Descrica, PosImp) values ('CORES', ")
                                     + maps::u(cor) + ")");
        bd.ExecutaSQL(QString(), "update Artigos set Fornec='F1' where Codigo='R1'");
        const int ano = fixture.agora().date().year();
        int linha = 2;
        for (const Variante& v : variantes) {
            bd.ExecutaSQL(QString(), QStringLiteral("insert into Artigos (Codigo, MedHor, MedVert, CodRef, TmHor, TmVer, Grupo) "
                                                    "values ('%1', '%2', '%3', 'R1', 'LETRAS', 'CORES', 'G1')")
                                         .arg(maps::u(v.codigo), maps::u(v.tamanho), maps::u(v.cor)));
            bd.ExecutaSQL(QString(), QStringLiteral("insert into DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NLinha, Artigo, "
                                                    "QtdOrig, Quant) values ('ENC', 'A', %1, 1, %2, '%3', %4, %4)")
                                         .arg(ano).arg(++linha).arg(maps::u(v.codigo)).arg(v.quantidade));
        }
    }

    // Reference R5 (supplier F1) of a size type of its own whose sizes are
    // `tamanhos`, at print positions 1, 2, ... in that order, and the colours
    // CORES; a white variant of it for each line (its size code as stored on
    // the article, the quantity still open) on order 1 (C1, in the window).
    void encomendaTamanhos(const QStringList& tamanhos, const QList<std::pair<QString, int>>& linhas)
    {
        zav::zavCoreDataAccess2016& bd = fixture.bd();
        for (int i = 0; i < tamanhos.size(); ++i)
            bd.ExecutaSQL(QString(), QStringLiteral("insert into MedTamCo (CodTipoM, CodMed, Descrica, PosImp) "
                                                    "values ('PROPRIOS', '%1', 'Tamanho %2', %2)")
                                         .arg(tamanhos[i])
                                         .arg(i + 1));
        bd.ExecutaSQL(QString(), "insert into Artigos (Codigo, CodRef, TmHor, TmVer, Grupo, Fornec) "
                                 "values ('R5', '', 'PROPRIOS', 'CORES', 'G1', 'F1')");
        const int ano = fixture.agora().date().year();
        for (int i = 0; i < linhas.size(); ++i) {
            const auto& [tamanho, quantidade] = linhas[i];
            bd.ExecutaSQL(QString(), QStringLiteral("insert into Artigos (Codigo, MedHor, MedVert, CodRef, TmHor, TmVer, "
                                                    "Grupo) values ('R5-%1', '%2', 'BR', 'R5', 'PROPRIOS', 'CORES', 'G1')")
                                         .arg(i)
                                         .arg(tamanho));
            bd.ExecutaSQL(QString(), QStringLiteral("insert into DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NLinha, Artigo, "
                                                    "QtdOrig, Quant) values ('ENC', 'A', %1, 1, %2, 'R5-%3', %4, %4)")
                                         .arg(ano)
                                         .arg(20 + i)
                                         .arg(i)
                                         .arg(quantidade));
        }
    }

    // What the database's own join sums for R5's lines: each line with the size it is joined to.
    QString somaDaBase()
    {
        const zav::RecordsetPtr soma = fixture.bd().AbreRecordset(
            QString(), "select sum(l.Quant) as Quant from DOCGCLIN l inner join Artigos a on a.Codigo=l.Artigo"
                       " inner join MedTamCo mh on mh.CodTipoM=a.TmHor and mh.CodMed=a.MedHor where a.CodRef='R5'");
        return soma->Fields("Quant").text();
    }

    // The totals row as the grid shows it, each visible column "heading=figure".
    static QStringList totaisNaGrelha(CargaMatriz& carga)
    {
        zav::Grelha grelha;
        grelha.setDataSource(carga.matriz->partilhado());
        carga.matriz->Act_Grelha_Campos(grelha, *carga.tamanhos);
        grelha.rebind();
        const zav::GridContent conteudo = grelha.content();
        for (const zav::GridContent::Line& linha : conteudo.lines) {
            if (linha.isGroupHeading || linha.texts.value(0) != "Total")
                continue;
            QStringList totais;
            for (qsizetype i = 0; i < conteudo.columns.size(); ++i)
                totais << conteudo.columns[i].heading + "=" + linha.values[i].toString();
            return totais;
        }
        return {};
    }

    maps::FixtureMapas fixture;
};

TEST_F(MatrizTest, PendingQuantitiesFillEveryColourWithTotalsAfterABlankRow)
{
    // A colour nobody ordered keeps its row of zeros.
    EXPECT_EQ(tabela(fixture.filtros()), (QList<QStringList>{
                                             {"1", "BR", "Branco", "6", "5", "0", "0", "11"},
                                             {"2", "PR", "Preto", "2", "0", "4", "0", "6"},
                                             {"3", "AZ", "Azul", "0", "0", "0", "0", "0"},
                                             QStringList(8, "null"),
                                             {"99", "", "Total", "8", "5", "4", "0", "17"},
                                         }));
}

// R1-PR-L and R1-PR-L2 share one cell (1 and 3 still open), whatever order the
// database returns them in: every matrix adds them.
TEST_F(MatrizTest, EveryMatrixAddsTheVariantsThatShareACell)
{
    fixture.bd().ExecutaSQL(QString(), "update Artigos set Fornec='F1' where Codigo='R1'");
    for (const auto& [mapa, carregaMapa] : mapas(fixture.filtros())) {
        CargaMatriz carga = carregaMapa();
        ASSERT_TRUE(carga.carregada()) << mapa;
        zav::Recordset& rs = carga.matriz->recordset();
        rs.setFilter("CodCor = 'PR'");
        EXPECT_EQ(rs.Fields("L").text(), "4") << mapa;
        rs.setFilter("IndiceCor = 99");
        EXPECT_EQ(rs.Fields("Total").text(), "17") << mapa;
    }
}

// Variants stored with the colour code in another case ("az", "çz"), which the
// database's comparison joins to AZ and ÇZ: their quantities land in those rows.
TEST_F(MatrizTest, EveryMatrixPlacesAColourCodeStoredInAnotherCaseInItsColoursRow)
{
    // Two more lines of order 1 (C1), still open: az S 2 and çz M 3.
    encomendaVariantes("'ÇZ', 'Cinza', 4", {{"R1-az-S", "S", "az", 2}, {"R1-cz-M", "M", "çz", 3}});

    for (const auto& [mapa, carregaMapa] : mapas(fixture.filtros())) {
        CargaMatriz carga = carregaMapa();
        ASSERT_TRUE(carga.carregada()) << mapa << ": " << carga.mensagem().toStdString();
        zav::Recordset& rs = carga.matriz->recordset();
        // A map that drops the rows whose total is 0 may have no row to show.
        const auto celula = [&rs](const QString& filtro, const QString& campo) {
            rs.setFilter(filtro);
            return rs.RecordCount() == 0 ? QStringLiteral("no row") : rs.Fields(campo).text();
        };
        EXPECT_EQ(celula("CodCor = 'AZ'", "S"), "2") << mapa;
        EXPECT_EQ(celula(maps::u("CodCor = 'ÇZ'"), "M"), "3") << mapa;
        EXPECT_EQ(celula("IndiceCor = 99", "Total"), "22") << mapa;
    }
}

// The database joins a variant to its size and colour whatever the case of
// the codes and their trailing blanks (a code read from a fixed-width column
// comes padded), and holds 'ß' and "ss" to be one code: each line lands in the
// cell of the size and colour it was joined to.
TEST_F(MatrizTest, EveryMatrixPlacesALineInTheCellItsCodesWereJoinedTo)
{
    encomendaVariantes("'ROSS', 'Rosa', 5", {{"R1-s-BR", "s", "BR  ", 2}, {"R1-xl-ro", "xl ", "roß", 3}});

    for (const auto& [mapa, carregaMapa] : mapas(fixture.filtros())) {
        CargaMatriz carga = carregaMapa();
        ASSERT_TRUE(carga.carregada()) << mapa << ": " << carga.mensagem().toStdString();
        zav::Recordset& rs = carga.matriz->recordset();
        rs.setFilter("CodCor = 'BR'");
        EXPECT_EQ(rs.Fields("S").text(), "8") << mapa;
        rs.setFilter("CodCor = 'ROSS'");
        ASSERT_EQ(rs.RecordCount(), 1) << mapa;
        EXPECT_EQ(rs.Fields("XL").text(), "3") << mapa;
        rs.setFilter("IndiceCor = 99");
        EXPECT_EQ(rs.Fields("Total").text(), "22") << mapa;
    }
}

// The database joins a line to its size by the codes as stored: a leading
// blank, a tab or a no-break space is part of the code, and only case and
// trailing blanks are not. Each line shows in the column of the size it was
// joined to, headed by that size's code as stored, so the map adds up to what
// the database sums.
TEST_F(MatrizTest, EveryMatrixShowsEachLineInTheColumnOfTheSizeItWasJoinedTo)
{
    const QString nbsp(QChar(0x00A0));
    encomendaTamanhos({" M", "L\t", "S" + nbsp}, {{" m", 11}, {"l\t", 33}, {"s" + nbsp, 66}});
    ASSERT_EQ(somaDaBase(), "110");

    for (const auto& [mapa, carregaMapa] : mapas(fixture.filtros("R5"))) {
        CargaMatriz carga = carregaMapa();
        ASSERT_TRUE(carga.carregada()) << mapa << ": " << carga.mensagem().toStdString();
        EXPECT_EQ(totaisNaGrelha(carga),
                  (QStringList{"Cor/Tamanho=Total", " M=11", "L\t=33", "S" + nbsp + "=66", "Total=110"}))
            << mapa;
    }
}

// Two sizes whose codes differ only by a leading blank are two sizes to the
// database: each keeps its column, though both are named "M" once trimmed,
// and its own quantities.
TEST_F(MatrizTest, EveryMatrixKeepsTwoSizesWhoseTrimmedCodesCoincideApart)
{
    encomendaTamanhos({"M", " M"}, {{"m", 22}, {" m", 11}});
    ASSERT_EQ(somaDaBase(), "33");

    for (const auto& [mapa, carregaMapa] : mapas(fixture.filtros("R5"))) {
        CargaMatriz carga = carregaMapa();
        ASSERT_TRUE(carga.carregada()) << mapa << ": " << carga.mensagem().toStdString();
        EXPECT_EQ(totaisNaGrelha(carga), (QStringList{"Cor/Tamanho=Total", "M=22", " M=11", "Total=33"})) << mapa;
    }
}

// Each filter against the quantities worked out from the fixture's orders:
// the white and the black row, sizes S M L XL and Total.
TEST_F(MatrizTest, BasisRangesAndWindowChooseTheLinesThatCount)
{
    const QDateTime agora = fixture.agora();
    const maps::CasoFiltro casos[] = {
        // Order 1, late on the last day, counts; the older, the cancelled and the non-customer one do not.
        {"todas", [](auto& f) { f.base = BaseQuantidade::Todas; }, "10 5 0 0 15", "2 0 11 0 13"},
        {"satisfeitas", [](auto& f) { f.base = BaseQuantidade::Satisfeitas; }, "4 0 0 0 4", "0 0 7 0 7"},
        {"cliente", [](auto& f) { f.primeiroCliente = f.ultimoCliente = "C1"; }, "6 5 0 0 11", "0 0 0 0 0"},
        {"vendedor", [](auto& f) { f.primeiroVendedor = f.ultimoVendedor = "V2"; }, "0 0 0 0 0", "2 0 4 0 6"},
        {"grupo", [](auto& f) { f.primeiroGrupo = f.ultimoGrupo = "G2"; }, "0 0 0 0 0", "2 0 0 0 2"},
        {"primeira data", [&](auto& f) { f.primeiraData = agora.addDays(-5); }, "6 5 0 0 11", "0 0 0 0 0"},
        // Quoted, the range ends at that odd code and takes C1 only; spliced in, it would take everyone.
        {"aspa", [](auto& f) { f.ultimoCliente = "C1' or 'x'='x"; }, "6 5 0 0 11", "0 0 0 0 0"},
    };
    for (const maps::CasoFiltro& c : casos) {
        MapasSql::Filtros f = fixture.filtros();
        c.filtra(f);
        const QList<QStringList> t = tabela(f);
        ASSERT_EQ(t.size(), 5) << c.nome;
        EXPECT_EQ(t[0].mid(3).join(' '), c.primeiro) << c.nome;
        EXPECT_EQ(t[1].mid(3).join(' '), c.segundo) << c.nome;
    }
    MapasSql::Filtros f = fixture.filtros();
    f.ultimaData = agora.addDays(-1);
    f.primeiroCliente = f.ultimoCliente = "C1";
    EXPECT_EQ(carrega(f).falha, CargaMatriz::Falha::SemInformacao);
}

TEST_F(MatrizTest, EachMissingPieceStopsWithItsMessage)
{
    MapasSql::Filtros f = fixture.filtros();
    const QList<std::pair<QString, QString>> casos{
        {"NADA", QString::fromUtf8("Referência não existente!")},
        {"R1' or '1'='1", QString::fromUtf8("Referência não existente!")},
        {"R3", QString::fromUtf8("Referência sem Tamanhos!")},
        {"R4", QString::fromUtf8("Referência sem Cores!")},
        {"R2", QString::fromUtf8("Não existe informação para a Referência selecionada!")},
    };
    for (const auto& [referencia, mensagem] : casos) {
        f.referencia = referencia;
        CargaMatriz carga = carrega(f);
        EXPECT_FALSE(carga.carregada());
        EXPECT_EQ(carga.mensagem(), mensagem) << referencia.toStdString();
    }
}

// A list as MedTamCo gives it: codes as stored, descriptions "Cor 1"..., print positions 1....
zav::RecordsetPtr medidas(const QStringList& codigos)
{
    auto rs = std::make_shared<zav::Recordset>();
    rs->appendField(QStringLiteral("CodMed"), zav::FieldType::Text, 4);
    rs->appendField(QStringLiteral("Descrica"), zav::FieldType::Text, 30);
    rs->appendField(QStringLiteral("Posimp"), zav::FieldType::SmallInt);
    rs->open();
    for (int i = 0; i < codigos.size(); ++i) {
        rs->AddNew();
        rs->Fields(0) = codigos[i];
        rs->Fields(1) = QStringLiteral("Cor %1").arg(i + 1);
        rs->Fields(2) = QVariant(i + 1);
        rs->Update();
    }
    rs->MoveFirst();
    return rs;
}

// Order lines as the matrices' statements return them: colour, size, quantity and customer.
void linhas(zav::Recordset& rs, const QList<std::tuple<QString, QString, int>>& linhas)
{
    rs.appendField(QStringLiteral("MedVert"), zav::FieldType::Text, 4);
    rs.appendField(QStringLiteral("MedHor"), zav::FieldType::Text, 4);
    rs.appendField(QStringLiteral("Quant"), zav::FieldType::Currency);
    rs.appendField(QStringLiteral("Terceiro"), zav::FieldType::Text, 15);
    rs.open();
    for (const auto& [cor, tamanho, quantidade] : linhas) {
        rs.AddNew();
        rs.Fields("MedVert") = cor;
        rs.Fields("MedHor") = tamanho;
        rs.Fields("Quant") = Currency::fromInteger(quantidade);
        rs.Fields("Terceiro") = "B";
        rs.Update();
    }
}

TEST(MatrizCorTamanhoTest, ReusingMapsGroupDropZeroRowsAndPlaceByTheirOwnFilter)
{
    const zav::RecordsetPtr tamanhos = medidas({"S  ", "M"});
    const zav::RecordsetPtr cores = medidas({"C1", "C2"});
    ValoresMatriz valores;
    valores.linhaEmBrancoAntesDoTotal = false;
    valores.removeLinhasTotalZero = true;
    valores.camposAntes = {{"IdCliente", "Cliente", 1700, 100}, {"Cliente", "Cliente", 1700, 100}};
    valores.camposDepois = {{"Data", "Data", 1000, 10}};
    MatrizCorTamanho matriz(valores);
    matriz.CriaRsRefIndividual(*tamanhos);
    matriz.acrescentaCores(*cores, {"A/Ana", "A"});
    matriz.acrescentaCores(*cores, {"B/Bia", "B"});

    // Lines of customer B: two on one cell, which add up, one whose size
    // keeps its blanks (the field names are trimmed; the database holds the
    // two equal, so it lands there too) and one of a colour with no row.
    zav::Recordset encomendas;
    linhas(encomendas, {{"C1", "S", 4}, {"C1", "S", 9}, {"C1", "S  ", 1}, {"C9", "M", 1}});
    matriz.colocaLinhas(encomendas, {{"CodCor", "MedVert"}, {"Cliente", "Terceiro"}});
    matriz.totaliza();

    // B's first colour and the totals row; every zero row is gone, the hidden Data stays an empty text.
    EXPECT_EQ(maps::textosDasLinhas(matriz.recordset()),
              (QList<QStringList>{{"B/Bia", "B", "1", "C1", "Cor 1", "14", "0", "14", ""},
                                  {"null", "null", "99", "", "Total", "14", "0", "14", "null"}}));
    tamanhos->MoveFirst();
    // Each column by the name of the field it shows, then its heading.
    QStringList visiveis;
    for (const zav::GridColumn& c : matriz.colunas(*tamanhos))
        if (!c.hidden)
            visiveis << (c.key.isNumber() ? matriz.recordset().fieldInfos()[c.key.number() - 1].name : c.key.toString())
                    + "|" + c.heading;
    EXPECT_EQ(visiveis, (QStringList{"Cor|Cor/Tamanho", "S|S  ", "M|M", "Total|Total"}));
}

// Asked for both, the removal of zero rows leaves the blank row (its Total is
// empty, not 0) before the totals row; neighbouring zero rows all go.
TEST(MatrizCorTamanhoTest, RemovingZeroRowsKeepsTheBlankRowBeforeTheTotals)
{
    const zav::RecordsetPtr tamanhos = medidas({"S", "M"});
    ValoresMatriz valores;
    valores.removeLinhasTotalZero = true;
    MatrizCorTamanho matriz(valores);
    matriz.CriaRsRefIndividual(*tamanhos);
    matriz.acrescentaCores(*medidas({"C1", "C2", "C3", "C4"}));
    // C1 and C2 stay at 0; C4's quantities cancel out.
    zav::Recordset encomendas;
    linhas(encomendas, {{"C3", "M", 6}, {"C4", "S", 2}, {"C4", "M", -2}});
    matriz.colocaLinhas(encomendas);
    matriz.totaliza();
    EXPECT_EQ(maps::textosDasLinhas(matriz.recordset()),
              (QList<QStringList>{{"3", "C3", "Cor 3", "0", "6", "6"},
                                  QStringList(6, "null"),
                                  {"99", "", "Total", "2", "4", "6"}}));
}

} // namespace
