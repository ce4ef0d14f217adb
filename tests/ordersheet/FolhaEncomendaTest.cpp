#include "FixtureEncomendas.h"

#include "platform/grid/GridPrintSettings.h"
#include "reports/EncomendaSql.h"
#include "reports/FolhaEncomenda.h"
#include "reports/ImpressaoEncomenda.h"
#include "reports/TitulosTamanho.h"

#include <gtest/gtest.h>

using ordersheet::FixtureEncomendas;

namespace {

ChaveEncomenda chave(const QString& numero, const QString& serie = QStringLiteral("A"))
{
    return ChaveEncomenda{QStringLiteral("ENC"), QStringLiteral("2025"), serie, numero};
}

// The sheet's rows, every field as text; "-" marks an empty (Null) cell.
QList<QStringList> linhas(zav::Recordset& rs)
{
    QList<QStringList> resultado;
    if (rs.RecordCount() == 0)
        return resultado;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        QStringList linha;
        for (int i = 0; i < rs.fieldCount(); ++i)
            linha << (rs.Fields(i).isNull() ? QStringLiteral("-") : rs.Fields(i).text());
        resultado << linha;
    }
    return resultado;
}

class FolhaEncomendaTest : public ::testing::Test {
protected:
    FolhaEncomenda::Carga carrega(qint64 numero, const FiltroFamilia& filtro = {},
                                  const QString& serie = QStringLiteral("A"))
    {
        titulos = std::make_unique<TitulosTamanho>(fixture.bd());
        return FolhaEncomenda::carrega(fixture.bd(), chave(QString::number(numero), serie), filtro, numero, *titulos);
    }

    FixtureEncomendas fixture;
    std::unique_ptr<TitulosTamanho> titulos;
};

TEST(EncomendaSqlTest, StatementsAreBuiltWordForWordWithTypedTextQuoted)
{
    EXPECT_EQ(EncomendaSql::documentos(chave("17")),
              " select c.NNumdoc,c.Data from DocgcCab as c Where   c.nvias<>-1  and c.tpdoc='ENC ' "
              "and c.Nnumdoc>=17  and c.Nnumdoc<=17 and c.Serie='A'  and c.ano=2025 ");
    EXPECT_EQ(EncomendaSql::linhasTexto(chave("17", "O'Neil"), 17),
              " Select l.artigo,l.Descr as Descr from DocgcCab as c inner join docgclin as l ON "
              "l.tpdocum=c.Tpdoc and l.nnumdoc=c.NNumdoc and l.serie=c.serie and l.ano=c.Ano Where   "
              "c.tpdoc='ENC ' and c.Nnumdoc=17  and c.Serie='O''Neil'  and c.ano=2025  and c.nvias<>-1 and l.artigo='' ");
    EXPECT_EQ(EncomendaSql::linhas(chave("3"), 3, FiltroFamilia{"G'1", "FA", "SA"}),
              " select a.CodRef,l.artigo from DocgcCab as c inner join docgclin as l ON l.tpdocum=c.Tpdoc and "
              "l.nnumdoc=c.NNumdoc and l.serie=c.serie and l.ano=c.Ano inner join artigos as a ON a.Codigo=l.Artigo"
              " Where  c.nvias<>-1  and a.Grupo='G''1' and a.familia='FA' and a.SubFamil='SA'  and c.tpdoc='ENC ' "
              "and c.Nnumdoc=3  and c.Serie='A'  and c.ano=2025 ");
    // Without all three filter fields the lines are the whole document's.
    EXPECT_FALSE(EncomendaSql::dados(chave("3"), 3, FiltroFamilia{"G1", "FA", ""}).contains("a.Grupo"));
    EXPECT_TRUE(EncomendaSql::dados(chave("3"), 3, FiltroFamilia{"G1", "FA", "SA"}).endsWith(
        " Group by a.codref,a.MedHor,a.MedVert,mv.POSIMP,mh.POSIMP, mv.Descrica, mh.Descrica,c.Terceiro,c.Vendedor "
        " order by a.CodRef,mv.posimp,a.MedVert,mh.posimp "));
    EXPECT_EQ(EncomendaSql::cliente("O'Brien"), "Select * from Clientes where Codigo='O''Brien'");
}

TEST(EncomendaSqlTest, AKeyIsCompleteOnlyWithEveryFieldAndAWholeYearAndNumber)
{
    EXPECT_TRUE(chave("1").completa());
    EXPECT_TRUE((ChaveEncomenda{"ENC", "2025", "  ", "1"}.completa()));  // blanks count as filled
    EXPECT_FALSE((ChaveEncomenda{"", "2025", "A", "1"}.completa()));
    EXPECT_FALSE((ChaveEncomenda{"ENC", "2025", "", "1"}.completa()));
    for (const char* numero : {"", " 1", "1.5", "1,5", "1-", "--1", "2O25", "1 or 1=1", "1\n", "1\r\n"})
        EXPECT_FALSE((ChaveEncomenda{"ENC", "2025", "A", numero}.completa())) << numero;
    for (const char* ano : {"", "20.25", "-", "2025 "})
        EXPECT_FALSE((ChaveEncomenda{"ENC", ano, "A", "1"}.completa())) << ano;
}

TEST_F(FolhaEncomendaTest, RowsByReferenceAndColourWithQuantitiesUnderTheirPositionsAndEmptyCellsEmpty)
{
    FolhaEncomenda::Carga carga = carrega(1);
    ASSERT_TRUE(carga.carregada);
    EXPECT_EQ(carga.NoTam, 2);
    EXPECT_EQ(carga.NoTamFinal, 5);  // LETRAS has five sizes on four positions
    zav::Recordset& folha = *carga.folha;
    QStringList nomes;
    for (const zav::FieldInfo& campo : folha.fieldInfos())
        nomes << campo.name;
    EXPECT_EQ(nomes, (QStringList{"Referencia", "Cor", "1", "2", "3", "4", "5", "Total"}));
    // XL and XXL print at 4: the cell adds both, as the total does. The long
    // colour is cut to its field, as in the detail map.
    EXPECT_EQ(linhas(folha), (QList<QStringList>{
                                 {"R1", "Branco", "5", "3", "-", "-", "-", "8"},
                                 {"R1", "Preto", "2", "-", "-", "10", "-", "12"},
                                 {"R2", "Azul", "7", "-", "1", "-", "-", "8"},
                                 {"R2", FixtureEncomendas::CorComprida.left(20), "-", "8", "-", "-", "-", "8"},
                             }));
    EXPECT_EQ(carga.preenchimento.sTerceiro, "C1");
    EXPECT_EQ(carga.preenchimento.sVendedor, "V1");
    EXPECT_EQ(carga.preenchimento.linhasSemColuna, 0);
    EXPECT_EQ(titulos->Titulos(1), "Small\r\n36");
    EXPECT_EQ(titulos->Titulos(4), "Extra\r\nExtra 2\r\n.");
}

TEST_F(FolhaEncomendaTest, TheFamilyFilterTakesOnlyItsLinesButTheTextLinesAreTheWholeDocuments)
{
    FolhaEncomenda::Carga carga = carrega(1, FiltroFamilia{"G2", "FB", "SB"});
    ASSERT_TRUE(carga.carregada);
    EXPECT_EQ(carga.NoTam, 1);
    EXPECT_EQ(linhas(*carga.folha), (QList<QStringList>{
                                        {"R2", "Azul", "7", "-", "1", "8"},
                                        {"R2", FixtureEncomendas::CorComprida.left(20), "-", "8", "-", "8"},
                                    }));
    EXPECT_EQ(FolhaEncomenda::leLinhasTexto(fixture.bd(), chave("1"), 1),
              QString::fromUtf8("Entrega em Março\r\nPagamento a 30 dias\r\n"));
    EXPECT_FALSE(carrega(1, FiltroFamilia{"G2", "FA", "SA"}).carregada);
}

TEST_F(FolhaEncomendaTest, TwoColoursAtOnePrintPositionKeepEachItsOwnRow)
{
    fixture.bd().ExecutaSQL(QString(), "update MedTamCo set PosImp=1 where CodTipoM='CORES' and CodMed='PR'");
    FolhaEncomenda::Carga carga = carrega(1, FiltroFamilia{"G1", "FA", "SA"});
    ASSERT_TRUE(carga.carregada);
    EXPECT_EQ(linhas(*carga.folha), (QList<QStringList>{
                                        {"R1", "Branco", "5", "3", "-", "-", "-", "8"},
                                        {"R1", "Preto", "2", "-", "-", "10", "-", "12"},
                                    }));
}

TEST_F(FolhaEncomendaTest, NoSheetFromTextLinesOnlyOrACancelledDocument)
{
    EXPECT_FALSE(carrega(3).carregada);
    EXPECT_FALSE(carrega(4).carregada);
    EXPECT_EQ(FolhaEncomenda::leLinhasTexto(fixture.bd(), chave("2"), 2), "");
}

TEST_F(FolhaEncomendaTest, LinesWhoseSizeHasNoColumnAreLeftOutAndCounted)
{
    FolhaEncomenda::Carga carga = carrega(6);
    ASSERT_TRUE(carga.carregada);
    EXPECT_EQ(carga.preenchimento.linhasSemColuna, 2);
    // R5's colours keep their rows, empty, as the detail map shows them.
    EXPECT_EQ(linhas(*carga.folha), (QList<QStringList>{{"R1", "Branco", "1", "-", "-", "-", "-", "1"},
                                                        {"R5", "Branco", "-", "-", "-", "-", "-", "0"},
                                                        {"R5", "Preto", "-", "-", "-", "-", "-", "0"}}));
}

TEST_F(FolhaEncomendaTest, AQuoteInTheSeriesFindsItsDocument)
{
    FolhaEncomenda::Carga carga = carrega(5, {}, "A'B");
    ASSERT_TRUE(carga.carregada);
    EXPECT_EQ(carga.preenchimento.sTerceiro, "C2");
    EXPECT_EQ(fixture.bd().AbreRecordset(QString(), EncomendaSql::documentos(chave("5", "A'B")))->RecordCount(), 1);
}

// Data lines built by hand, as the data statement returns them.
class PreenchimentoTest : public ::testing::Test {
protected:
    PreenchimentoTest()
    {
        dados.appendField("CodRef", zav::FieldType::Text, 15);
        dados.appendField("MedVert", zav::FieldType::Text, 4);
        dados.appendField("Cor", zav::FieldType::Text, 30);
        dados.appendField("mh", zav::FieldType::SmallInt);
        dados.appendField("Quant", zav::FieldType::Currency);
        dados.appendField("Terceiro", zav::FieldType::Text, 15);
        dados.appendField("Vendedor", zav::FieldType::Text, 6);
        dados.open();
    }

    void linha(const QVariant& codRef, const QVariant& medVert, const QString& cor, const QVariant& mh, int quant)
    {
        dados.AddNew();
        dados.Fields("CodRef") = codRef;
        dados.Fields("MedVert") = medVert;
        dados.Fields("Cor") = cor;
        dados.Fields("mh") = mh;
        dados.Fields("Quant") = QVariant(quant);
        dados.Fields("Terceiro") = "C9";
        dados.Fields("Vendedor") = "V9";
        dados.Update();
    }

    QList<QStringList> folha(int NoTamFinal, int* semColuna = nullptr)
    {
        const zav::RecordsetPtr rs = FolhaEncomenda::CriaRsEncomenda(NoTamFinal);
        const FolhaEncomenda::Preenchimento p = FolhaEncomenda::preenche(*rs, dados, NoTamFinal);
        if (semColuna)
            *semColuna = p.linhasSemColuna;
        return linhas(*rs);
    }

    zav::Recordset dados;
};

TEST_F(PreenchimentoTest, ARowBreaksOnAnotherColourCodeOrReferenceButNotOnAMissingOne)
{
    linha("R1", "BR", "Branco", 1, 1);
    linha("R1", QVariant(), "Sem cor", 2, 2);   // no colour code: same row
    linha("R1", "PR", "Branco", 1, 3);          // same description, another code: new row
    linha("R2", "PR", "Preto", 2, 4);           // another reference, same colour: new row
    linha(QVariant(), "PR", "Preto", 1, 5);     // no reference: same row
    EXPECT_EQ(folha(2), (QList<QStringList>{
                            {"R1", "Branco", "1", "2", "3"},
                            {"R1", "Branco", "3", "-", "3"},
                            {"R2", "Preto", "5", "4", "9"},
                        }));
}

TEST_F(PreenchimentoTest, PositionsOutsideTheColumnsNeverReachCorOrTotal)
{
    linha("R1", "BR", "Branco", 0, 100);
    linha("R1", "BR", "Branco", 1, 1);
    linha("R1", "BR", "Branco", 3, 200);        // past the last column
    linha("R1", "BR", "Branco", QVariant(), 300);
    int semColuna = 0;
    EXPECT_EQ(folha(2, &semColuna), (QList<QStringList>{{"R1", "Branco", "1", "-", "1"}}));
    EXPECT_EQ(semColuna, 3);

    // Nothing with a column: the row stands empty, no failure.
    dados.setFilter("mh = 0");
    EXPECT_EQ(folha(2), (QList<QStringList>{{"R1", "Branco", "-", "-", "0"}}));
}

TEST(ClienteFichaTest, ACustomerWithoutARowLeavesEveryDetailEmptyAndANullColumnIsEmptyText)
{
    FixtureEncomendas fixture;
    const ClienteFicha um = ClienteFicha::le(fixture.bd(), "C1");
    EXPECT_EQ(um.Nome, "Cliente Um");
    EXPECT_EQ(um.Telef, "220000001");
    EXPECT_EQ(um.CdPostal, "4000-001");
    const ClienteFicha nenhum = ClienteFicha::le(fixture.bd(), "CX");
    EXPECT_EQ(nenhum.Nome, "");
    EXPECT_EQ(nenhum.Morada, "");
    EXPECT_EQ(ClienteFicha::le(fixture.bd(), "C2").Telef, "");
    EXPECT_EQ(ClienteFicha::le(fixture.bd(), "C1' or ''='").Nome, "");
}

TEST(ImpressaoEncomendaTest, HeaderLinesEndInCrLfWithTheFamilyLineOnlyForAFullFilterAndTextLinesLast)
{
    ImpressaoEncomenda::Cabecalho c;
    c.chave = chave("999");
    c.lNoDoc = 1;
    c.dDataDoc = QDateTime(QDate(2025, 3, 4), QTime(10, 0));
    c.sVendedor = "V1";
    c.sTerceiro = "C1";
    c.filtro = FiltroFamilia{"G1", "FA", ""};
    c.descFamilia = "Familia A";
    c.descSubFamilia = "Sub A";
    c.cliente.Nome = "Cliente Um";
    c.cliente.NContrib = "501";
    c.cliente.Morada = "Rua";
    c.cliente.CdPostal = "4000";
    c.cliente.Local = "Porto";
    c.cliente.email = "a@b";
    c.cliente.Contacto = "Ana";
    c.cliente.Telef = "22";
    const QString cliente = "Cliente - C1  Nome Cliente - Cliente Um  NIF - 501\r\nMorada - Rua\r\n"
                            "Cod.Postal - 4000  Localidade - Porto\r\ne-Mail - a@b\r\nContacto - Ana  Telef. - 22\r\n";
    EXPECT_EQ(ImpressaoEncomenda::texto(c),
              "Encomenda  ENC/2025/A/1     Data: 04-03-2025    Vendedor - V1\r\n" + cliente);

    c.filtro.subFamilia = "SA";
    c.linhasTexto = "Uma\r\nDuas\r\n";
    EXPECT_EQ(ImpressaoEncomenda::texto(c), "Encomenda  ENC/2025/A/1     Data: 04-03-2025    Vendedor - V1\r\n"
                                            "Familia A / Sub A\r\n" + cliente + "Uma\r\nDuas\r\n");

    zav::GridPrintSettings impressao;
    ImpressaoEncomenda::formata(impressao, "x", true);
    EXPECT_EQ(impressao.headerHeightTwips, 1700);
    EXPECT_EQ(impressao.headerFont.pointSize, 7);
    EXPECT_TRUE(impressao.headerFont.bold);
    EXPECT_EQ(impressao.footerText, QString::fromUtf8("Página: {page} de {pagecount}"));
    EXPECT_EQ(impressao.footerHeightTwips, 500);
    ImpressaoEncomenda::formata(impressao, "x", false);
    EXPECT_EQ(impressao.headerHeightTwips, 1400);

    // Many text lines: the band grows to hold every line, at least 20 twips a point.
    c.linhasTexto = QString("Linha\r\n").repeated(20);
    const QString longo = ImpressaoEncomenda::texto(c);
    ImpressaoEncomenda::formata(impressao, longo, true);
    EXPECT_GE(impressao.headerHeightTwips, 28 * 7 * 20);
    EXPECT_LE(impressao.headerHeightTwips, 28 * 7 * 20 * 2);
}

} // namespace
