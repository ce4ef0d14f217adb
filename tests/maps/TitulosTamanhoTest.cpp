#include "FixtureMapas.h"

#include "demo/FixtureWriter.h"
#include "reports/TitulosTamanho.h"

#include <gtest/gtest.h>

namespace {

const QString CRLF = QStringLiteral("\r\n");

// A company with size types only: each test writes the types and references it needs.
class TitulosTamanhoTest : public ::testing::Test {
protected:
    void tamanhos(const QString& tipo, const QList<std::pair<QString, QVariant>>& descricaoPosicao)
    {
        empresa.escreve([&](const demo::FixtureWriter& rows) {
            int n = 0;
            for (const auto& [descricao, posicao] : descricaoPosicao)
                rows.insert(QStringLiteral("MedTamCo"), {{"CodTipoM", tipo},
                                                         {"CodMed", QString::number(++n)},
                                                         {"Descrica", descricao},
                                                         {"PosImp", posicao}});
        });
    }

    void referencia(const QString& codigo, const QString& tmHor, const QString& tmVer = QStringLiteral("CORES"),
                    const QString& codRef = QStringLiteral(""))
    {
        empresa.escreve([&](const demo::FixtureWriter& rows) {
            rows.insert(QStringLiteral("Artigos"),
                        {{"Codigo", codigo}, {"CodRef", codRef}, {"TmHor", tmHor}, {"TmVer", tmVer}});
        });
    }

    // The document's lines as the order sheet reads them: their parent references.
    static zav::RecordsetPtr linhas(const QStringList& referencias)
    {
        auto rs = std::make_shared<zav::Recordset>();
        rs->appendField(QStringLiteral("CodRef"), zav::FieldType::Text, 15);
        rs->open();
        for (const QString& r : referencias) {
            rs->AddNew();
            rs->Fields(QStringLiteral("CodRef")) = r;
            rs->Update();
        }
        rs->MoveFirst();
        return rs;
    }

    zav::zavCoreDataAccess2016& bd() { return empresa.bd(); }

    // Builds from the lines of `referencias`; the counts come back in noTamFinal and noTam.
    void constroi(TitulosTamanho& titulos, const QStringList& referencias)
    {
        const zav::RecordsetPtr rs = linhas(referencias);
        titulos.ConstruirTitulos(*rs, noTamFinal, noTam);
        EXPECT_TRUE(rs->Eof());
    }

    maps::BaseEmpresa empresa;
    int noTamFinal = -1;
    int noTam = -1;
};

TEST_F(TitulosTamanhoTest, TwoTypesStackOneLinePerTypeInTheOrderMetWithDotsWhereATypeHasNoSize)
{
    tamanhos("LETRAS", {{"XS", 1}, {"S", 2}, {"M", 3}, {"L", 4}, {"XL", 5}});
    tamanhos("NUM", {{"36", 1}, {"38", 2}, {"40", 3}});
    referencia("R1", "NUM");
    referencia("R2", "LETRAS");
    TitulosTamanho titulos(bd());
    constroi(titulos, {"R2", "R1", "R2"});

    EXPECT_EQ(noTam, 2);
    EXPECT_EQ(noTamFinal, 5);
    EXPECT_EQ(titulos.tipos(), QStringList({"LETRAS", "NUM"}));
    EXPECT_EQ(titulos.Titulos(1), "XS" + CRLF + "36");
    EXPECT_EQ(titulos.Titulos(3), "M" + CRLF + "40");
    EXPECT_EQ(titulos.Titulos(4), "L" + CRLF + ".");
    EXPECT_EQ(titulos.Titulos(5), "XL" + CRLF + ".");
    EXPECT_EQ(titulos.Titulos(6), "");
    EXPECT_EQ(titulos.posicaoMaxima(), 5);
}

TEST_F(TitulosTamanhoTest, ATypeWithoutSizesAddsADotLineUpToTheHighestPositionAndCountsAsALine)
{
    tamanhos("NUM", {{"36", 1}, {"38", 2}});
    referencia("R1", "VAZIO");
    referencia("R2", "NUM");
    TitulosTamanho titulos(bd());
    constroi(titulos, {"R1", "R2"});

    EXPECT_EQ(noTam, 2);
    EXPECT_EQ(noTamFinal, 2);
    EXPECT_EQ(titulos.Titulos(1), "." + CRLF + "36");
    EXPECT_EQ(titulos.Titulos(2), "." + CRLF + "38");
    EXPECT_EQ(titulos.Titulos(3), "");
}

TEST_F(TitulosTamanhoTest, OneTypeGivesAColumnPerPositionOrPerSize)
{
    struct Caso {
        QList<std::pair<QString, QVariant>> tamanhos;
        int colunas;
        QStringList titulos;
    };
    const Caso casos[] = {
        // A gap in the positions is a dot; the highest position still gets its column.
        {{{"A", 1}, {"B", 2}, {"D", 4}}, 4, {"A", "B", ".", "D", ""}},
        // More sizes than positions: a column per size.
        {{{"A", 1}, {"B", 1}, {"C", 2}}, 3, {"A" + CRLF + "B", "C", "", ""}},
        // A bar in a description breaks the line.
        {{{"S|M", 1}}, 1, {"S" + CRLF + "M", ""}},
    };
    for (int i = 0; i < int(std::size(casos)); ++i) {
        const QString tipo = QStringLiteral("T%1").arg(i);
        tamanhos(tipo, casos[i].tamanhos);
        referencia(tipo, tipo);
        TitulosTamanho titulos(bd());
        constroi(titulos, {tipo});
        EXPECT_EQ(noTamFinal, casos[i].colunas) << i;
        for (int p = 0; p < casos[i].titulos.size(); ++p)
            EXPECT_EQ(titulos.Titulos(p + 1), casos[i].titulos[p]) << i << " " << p;
    }
}

TEST_F(TitulosTamanhoTest, OnlyParentReferencesWithSizeAndColourTypesContributeAType)
{
    tamanhos("T", {{"A", 1}});
    tamanhos("U", {{"B", 1}});
    tamanhos("V", {{"C", 1}});
    referencia("VAR", "T", "CORES", "R9");   // a variant, not a parent
    referencia("SEMCOR", "U", "");           // a parent without a colour type
    referencia("SEMTAM", "", "CORES");
    referencia("R1", "V");
    TitulosTamanho titulos(bd());
    constroi(titulos, {"VAR", "SEMCOR", "SEMTAM", "NAOHA", "", "R1"});

    EXPECT_EQ(noTam, 1);
    EXPECT_EQ(titulos.Titulos(1), "C");
}

TEST_F(TitulosTamanhoTest, AppendedDescriptionsKeepTheirBlanksOnTheSheetAndAreTrimmedForTheSummary)
{
    tamanhos("T", {{"  S  ", 1}});
    tamanhos("U", {{" 36 ", 1}});
    referencia("R1", "T");
    referencia("R2", "U");

    TitulosTamanho folha(bd());
    constroi(folha, {"R1", "R2"});
    EXPECT_EQ(folha.Titulos(1), "S" + CRLF + " 36 ");

    TitulosTamanho resumo(bd(), TitulosTamanho::LinhasSeguintes::Aparadas);
    constroi(resumo, {"R1", "R2"});
    EXPECT_EQ(resumo.Titulos(1), "S" + CRLF + "36");
}

TEST_F(TitulosTamanhoTest, EachBuildShowsItsOwnSheetOnly)
{
    tamanhos("T", {{"A", 1}, {"B", 2}, {"C", 3}});
    tamanhos("U", {{"X", 1}});
    referencia("R1", "T");
    referencia("R2", "U");
    TitulosTamanho titulos(bd());
    constroi(titulos, {"R1"});
    constroi(titulos, {"R2"});

    EXPECT_EQ(noTam, 1);
    EXPECT_EQ(noTamFinal, 1);
    EXPECT_EQ(titulos.tipos(), QStringList({"U"}));
    EXPECT_EQ(titulos.Titulos(1), "X");
    EXPECT_EQ(titulos.Titulos(2), "");

    // No type at all: no column and no failure.
    for (const QStringList& referencias : {QStringList{"NAOHA"}, QStringList{}}) {
        constroi(titulos, referencias);
        EXPECT_EQ(noTam, 0);
        EXPECT_EQ(noTamFinal, 0);
        EXPECT_EQ(titulos.Titulos(1), "");
    }
}

TEST_F(TitulosTamanhoTest, PositionsWithoutASlotGetNoColumnAndSlotZeroIsNotShown)
{
    tamanhos("T", {{"Z", 0}, {"A", 1}, {"N", QVariant()}, {"W", 45}});
    tamanhos("U", {{"Y", 0}});
    referencia("R1", "T");
    referencia("R2", "U");
    TitulosTamanho titulos(bd());
    constroi(titulos, {"R1", "R2"});

    EXPECT_EQ(noTamFinal, 4);  // four sizes, one column each as far as the slots go
    EXPECT_EQ(titulos.Titulos(0), "Z|Y");
    EXPECT_EQ(titulos.Titulos(1), "A" + CRLF + ".");
    EXPECT_EQ(titulos.Titulos(40), "." + CRLF + ".");  // the highest position, 45, fills up to the last slot
    EXPECT_EQ(titulos.Titulos(41), "");
    EXPECT_FALSE(titulos.temColuna(0));
    EXPECT_TRUE(titulos.temColuna(4));
    EXPECT_FALSE(titulos.temColuna(5));
}

TEST_F(TitulosTamanhoTest, ATypeWithMoreSizesThanSlotsGetsNoColumnPastTheLast)
{
    QList<std::pair<QString, QVariant>> muitos;
    for (int i = 1; i <= 50; ++i)
        muitos.append({QString::number(i), i <= 40 ? i : 40});
    tamanhos("T", muitos);
    referencia("R1", "T");
    TitulosTamanho titulos(bd());
    constroi(titulos, {"R1"});
    EXPECT_EQ(noTamFinal, 40);
    EXPECT_TRUE(titulos.Titulos(40).startsWith("40" + CRLF + "41"));
}

TEST_F(TitulosTamanhoTest, QuotesInCodesReachTheStatementsDoubled)
{
    tamanhos("T'1", {{"A", 1}});
    referencia("R'1", "T'1");
    TitulosTamanho titulos(bd());
    constroi(titulos, {"R'1"});
    EXPECT_EQ(noTam, 1);
    EXPECT_EQ(titulos.Titulos(1), "A");
}

TEST_F(TitulosTamanhoTest, TypesGivenByAStatementKeepItsOrder)
{
    tamanhos("T", {{"A", 1}});
    tamanhos("U", {{"B", 1}, {"C", 2}});
    TitulosTamanho titulos(bd(), TitulosTamanho::LinhasSeguintes::Aparadas);
    auto tipos = TitulosTamanho::CriaRsTamHor();
    for (const char* t : {"U", "T"}) {
        tipos->AddNew();
        tipos->Fields(0) = QString::fromUtf8(t);
        tipos->Update();
    }
    titulos.ConstruirTitulos(tipos, noTamFinal, noTam);
    EXPECT_EQ(noTam, 2);
    EXPECT_EQ(noTamFinal, 2);
    EXPECT_EQ(titulos.Titulos(1), "B" + CRLF + "A");
    EXPECT_EQ(titulos.Titulos(2), "C" + CRLF + ".");
}

TEST(MensagemLinhasForaDasColunas, NamesHowManyLinesWereLeftOut)
{
    EXPECT_EQ(mensagemLinhasForaDasColunas(1), QString::fromUtf8("1 linha com um tamanho fora das colunas do mapa não foi incluída!"));
    EXPECT_EQ(mensagemLinhasForaDasColunas(3), QString::fromUtf8("3 linhas com tamanhos fora das colunas do mapa não foram incluídas!"));
}

} // namespace
