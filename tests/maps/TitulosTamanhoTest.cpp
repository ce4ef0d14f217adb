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
                rows.insert(QStringLiteral("MedTamCo"), {{"CodTipoM", tipo}, {"CodMed", QString::number(++n)},
                                                         {"Descrica", descricao}, {"PosImp", posicao}});
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

    // A new set of headings built from the lines of `referencias`; the counts come back in noTamFinal and noTam.
    TitulosTamanho& constroi(const QStringList& referencias,
                             TitulosTamanho::LinhasSeguintes seguintes = TitulosTamanho::LinhasSeguintes::ComoGuardadas)
    {
        titulos = std::make_unique<TitulosTamanho>(empresa.bd(), seguintes);
        return reconstroi(referencias);
    }

    // Builds the same set again from document lines as the order sheet reads them: their parent references.
    TitulosTamanho& reconstroi(const QStringList& referencias)
    {
        zav::Recordset rs;
        rs.appendField(QStringLiteral("CodRef"), zav::FieldType::Text, 15);
        rs.open();
        for (const QString& r : referencias) {
            rs.AddNew();
            rs.Fields(0) = r;
            rs.Update();
        }
        rs.MoveFirst();
        titulos->ConstruirTitulos(rs, noTamFinal, noTam);
        EXPECT_TRUE(rs.Eof());
        return *titulos;
    }

    // The headings of positions 1 to `ate`, each one's lines joined by "/".
    QStringList colunas(int ate) const
    {
        QStringList c;
        for (int p = 1; p <= ate; ++p)
            c << titulos->Titulos(p).replace(CRLF, "/");
        return c;
    }

    maps::BaseEmpresa empresa;
    std::unique_ptr<TitulosTamanho> titulos;
    int noTamFinal = -1;
    int noTam = -1;
};

// Each type met adds a line to every heading, a dot where it has no size; a type without any size counts too.
TEST_F(TitulosTamanhoTest, TwoTypesStackOneLinePerTypeInTheOrderMetWithDotsWhereATypeHasNoSize)
{
    tamanhos("LETRAS", {{"XS", 1}, {"S", 2}, {"M", 3}, {"L", 4}, {"XL", 5}});
    tamanhos("NUM", {{"36", 1}, {"38", 2}, {"40", 3}});
    referencia("R1", "NUM");
    referencia("R2", "LETRAS");
    referencia("R3", "VAZIO");
    constroi({"R2", "R1", "R2"});
    EXPECT_EQ(noTam, 2);
    EXPECT_EQ(noTamFinal, 5);
    EXPECT_EQ(titulos->tipos(), QStringList({"LETRAS", "NUM"}));
    EXPECT_EQ(colunas(6), QStringList({"XS/36", "S/38", "M/40", "L/.", "XL/.", ""}));
    EXPECT_EQ(titulos->posicaoMaxima(), 5);

    // A type without sizes adds a dot line up to the highest position and counts as a line.
    constroi({"R3", "R1"});
    EXPECT_EQ(noTam, 2);
    EXPECT_EQ(noTamFinal, 3);
    EXPECT_EQ(colunas(4), QStringList({"./36", "./38", "./40", ""}));
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
        {{{"A", 1}, {"B", 1}, {"C", 2}}, 3, {"A/B", "C", "", ""}},
        // A bar in a description breaks the line.
        {{{"S|M", 1}}, 1, {"S/M", ""}},
    };
    for (int i = 0; i < int(std::size(casos)); ++i) {
        const QString tipo = QStringLiteral("T%1").arg(i);
        tamanhos(tipo, casos[i].tamanhos);
        referencia(tipo, tipo);
        constroi({tipo});
        EXPECT_EQ(noTamFinal, casos[i].colunas) << i;
        EXPECT_EQ(colunas(casos[i].titulos.size()), casos[i].titulos) << i;
    }
}

TEST_F(TitulosTamanhoTest, OnlyParentReferencesWithSizeAndColourTypesContributeAType)
{
    tamanhos("T", {{"A", 1}});
    tamanhos("U", {{"B", 1}});
    tamanhos("V'1", {{"C", 1}});
    referencia("VAR", "T", "CORES", "R9");   // a variant, not a parent
    referencia("SEMCOR", "U", "");           // a parent without a colour type
    referencia("SEMTAM", "", "CORES");
    referencia("R'1", "V'1");                // quotes reach the statements doubled
    constroi({"VAR", "SEMCOR", "SEMTAM", "NAOHA", "", "R'1"});
    EXPECT_EQ(noTam, 1);
    EXPECT_EQ(titulos->Titulos(1), "C");
}

TEST_F(TitulosTamanhoTest, AppendedDescriptionsKeepTheirBlanksOnTheSheetAndAreTrimmedForTheSummary)
{
    tamanhos("T", {{"  S  ", 1}});
    tamanhos("U", {{" 36 ", 1}});
    referencia("R1", "T");
    referencia("R2", "U");
    EXPECT_EQ(constroi({"R1", "R2"}).Titulos(1), "S" + CRLF + " 36 ");
    EXPECT_EQ(constroi({"R1", "R2"}, TitulosTamanho::LinhasSeguintes::Aparadas).Titulos(1), "S" + CRLF + "36");
}

TEST_F(TitulosTamanhoTest, EachBuildShowsItsOwnSheetOnly)
{
    tamanhos("T", {{"A", 1}, {"B", 2}, {"C", 3}});
    tamanhos("U", {{"X", 1}});
    referencia("R1", "T");
    referencia("R2", "U");
    constroi({"R1"});
    reconstroi({"R2"});
    EXPECT_EQ(noTam, 1);
    EXPECT_EQ(noTamFinal, 1);
    EXPECT_EQ(titulos->tipos(), QStringList({"U"}));
    EXPECT_EQ(colunas(2), QStringList({"X", ""}));

    // No type at all: no column and no failure.
    for (const QStringList& referencias : {QStringList{"NAOHA"}, QStringList{}}) {
        reconstroi(referencias);
        EXPECT_EQ(noTam, 0);
        EXPECT_EQ(noTamFinal, 0);
        EXPECT_EQ(titulos->Titulos(1), "");
    }
}

TEST_F(TitulosTamanhoTest, PositionsWithoutASlotGetNoColumnAndSlotZeroIsNotShown)
{
    tamanhos("T", {{"Z", 0}, {"A", 1}, {"N", QVariant()}, {"W", 45}});
    tamanhos("U", {{"Y", 0}});
    referencia("R1", "T");
    referencia("R2", "U");
    constroi({"R1", "R2"});
    EXPECT_EQ(noTamFinal, 4);  // four sizes, one column each as far as the slots go
    EXPECT_EQ(titulos->Titulos(0), "Z|Y");
    EXPECT_EQ(titulos->Titulos(1), "A" + CRLF + ".");
    EXPECT_EQ(colunas(41).mid(39), QStringList({"./.", ""}));  // the highest position, 45, fills up to the last slot
    EXPECT_FALSE(titulos->temColuna(0));
    EXPECT_TRUE(titulos->temColuna(4));
    EXPECT_FALSE(titulos->temColuna(5));
}

TEST_F(TitulosTamanhoTest, ATypeWithMoreSizesThanSlotsGetsNoColumnPastTheLast)
{
    QList<std::pair<QString, QVariant>> muitos;
    for (int i = 1; i <= 50; ++i)
        muitos.append({QString::number(i), i <= 40 ? i : 40});
    tamanhos("T", muitos);
    referencia("R1", "T");
    constroi({"R1"});
    EXPECT_EQ(noTamFinal, 40);
    EXPECT_TRUE(titulos->Titulos(40).startsWith("40" + CRLF + "41"));
}

TEST_F(TitulosTamanhoTest, TypesGivenByAStatementKeepItsOrder)
{
    tamanhos("T", {{"A", 1}});
    tamanhos("U", {{"B", 1}, {"C", 2}});
    titulos = std::make_unique<TitulosTamanho>(empresa.bd(), TitulosTamanho::LinhasSeguintes::Aparadas);
    auto tipos = TitulosTamanho::CriaRsTamHor();
    for (const char* t : {"U", "T"}) {
        tipos->AddNew();
        tipos->Fields(0) = QString::fromUtf8(t);
        tipos->Update();
    }
    titulos->ConstruirTitulos(tipos, noTamFinal, noTam);
    EXPECT_EQ(noTam, 2);
    EXPECT_EQ(noTamFinal, 2);
    EXPECT_EQ(colunas(2), QStringList({"B/A", "C/."}));
}

TEST(MensagemLinhasForaDasColunas, NamesHowManyLinesWereLeftOut)
{
    EXPECT_EQ(mensagemLinhasForaDasColunas(1),
              maps::u("1 linha com um tamanho fora das colunas do mapa não foi incluída!"));
    EXPECT_EQ(mensagemLinhasForaDasColunas(3),
              maps::u("3 linhas com tamanhos fora das colunas do mapa não foram incluídas!"));
}

} // namespace
