#include "FixtureEncomendas.h"

#include "platform/grid/GridPrintSettings.h"
#include "reports/FolhaEncomenda.h"
#include "reports/ImpressaoEncomenda.h"

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

TEST(FolhaEncomendaTest, TextLinesEachEndInCrLfAndACustomerWithoutARowLeavesEveryDetailEmpty)
{
    FixtureEncomendas fixture;
    EXPECT_EQ(FolhaEncomenda::leLinhasTexto(fixture.bd(), chave("1"), 1),
              QString::fromUtf8("Entrega em Março\r\nPagamento a 30 dias\r\n"));
    const ClienteFicha um = ClienteFicha::le(fixture.bd(), "C1");
    EXPECT_EQ(QStringList({um.Nome, um.Telef, um.CdPostal}), QStringList({"Cliente Um", "220000001", "4000-001"}));
    const ClienteFicha nenhum = ClienteFicha::le(fixture.bd(), "CX");
    EXPECT_EQ(nenhum.Nome + nenhum.Morada, "");
    EXPECT_EQ(ClienteFicha::le(fixture.bd(), "C2").Telef, "");  // a Null column is empty text
    EXPECT_EQ(ClienteFicha::le(fixture.bd(), "C1' or ''='").Nome, "");
}

// Many text lines: the band grows to hold every line, at least 20 twips a point.
TEST(ImpressaoEncomendaTest, ManyTextLinesGrowTheHeaderBandToHoldThemAll)
{
    ImpressaoEncomenda::Cabecalho c;
    c.chave = chave("999");
    c.filtro = FiltroFamilia{"G1", "FA", "SA"};
    c.linhasTexto = QString("Linha\r\n").repeated(20);
    zav::GridPrintSettings impressao;
    ImpressaoEncomenda::formata(impressao, ImpressaoEncomenda::texto(c), true);
    EXPECT_GE(impressao.headerHeightTwips, 28 * 7 * 20);
    EXPECT_LE(impressao.headerHeightTwips, 28 * 7 * 20 * 2);
}

} // namespace
