// The size and colour languages screen: a two-part key and a grid whose
// descriptions hold 20 characters.

#include "FixtureManutencao.h"

#include "maintenance/frmTabMedidas.h"

#include <QLabel>
#include <QPushButton>

using namespace manutencao;

namespace {

class FrmTabMedidasTest : public TesteEcra<frmTabMedidas> {
protected:
    FrmTabMedidasTest() { abreEcra(); }

    zav::GrelhaEditavel& grelha() { return *ecra->GridTC; }
    QStringList medidas()
    {
        return fixture.linhas("select CODTIPOM, CODMED, IDIOMA, DESCRICA from zav_MEDTAMCO order by 1, 2, 3");
    }
    void guarda(const char* tipo, const char* medida, const char* idioma, const char* descricao)
    {
        fixture.executa(QStringLiteral("insert into zav_MEDTAMCO (CODTIPOM, CODMED, IDIOMA, DESCRICA) "
                                       "values ('%1', '%2', '%3', '%4')")
                            .arg(u(tipo), u(medida), u(idioma), u(descricao)));
    }
    void abre(const char* tipo, const char* medida)
    {
        escreveESai(0, tipo);
        escreveESai(1, medida);
    }
    // Deletes the grid's line and confirms.
    void anulaLinha(int linha)
    {
        vaiPara(grelha(), linha, 0);
        prime(Qt::Key_Delete, Qt::ControlModifier);
        ecra->btConf_Click();
    }
};

} // namespace

TEST_F(FrmTabMedidasTest, ATypeAloneLoadsNothingAndTheMeasureCompletesTheKey)
{
    guarda("LETRAS", "M", "EN", "Medium");
    guarda("LETRAS", "S", "EN", "Small");
    escreveESai(0, "letras");
    EXPECT_EQ(ecra->Dsc[0]->text(), "Tamanhos");
    EXPECT_TRUE(ecra->campo(0).isEnabled());
    EXPECT_EQ(grelha().valor(0, 0), "");

    dialogos.escolha = "M";
    prime(Qt::Key_F4);
    ASSERT_EQ(dialogos.listas.size(), 1);
    EXPECT_EQ(dialogos.listas[0].rows.size(), 3) << "only the measures of the type typed first";
    EXPECT_EQ(ecra->Dsc[1]->text(), "M");
    EXPECT_EQ(grelha().valor(0, 0), "EN");
    EXPECT_EQ(grelha().valor(0, 1), "Medium");
    EXPECT_FALSE(ecra->campo(0).isEnabled() || ecra->campo(1).isEnabled() || ecra->btLista[1]->isEnabled());
    EXPECT_TRUE(grelha().vista()->hasFocus());
}

TEST_F(FrmTabMedidasTest, EmptyOrQuotedOrForeignCodesAreRefusedWhereTheyStand)
{
    EXPECT_EQ(ecra->campo(0).MaxLength(), 10);
    EXPECT_EQ(ecra->campo(1).MaxLength(), 4);
    prime(Qt::Key_Tab);
    EXPECT_EQ(dialogos.mensagens, QStringList{u("Campo obrigatório!")});
    escreveESai(0, "LET'RAS");
    EXPECT_EQ(dialogos.mensagens.last(), u("Código não existente!"));
    EXPECT_TRUE(ecra->campo(0).editor()->hasFocus());
    dialogos.mensagens.clear();
    escreveESai(0, "LETRAS");
    escreveESai(1, "XL");
    EXPECT_EQ(dialogos.mensagens, QStringList{u("Código não existente!")});
    EXPECT_EQ(ecra->campo(1).Text(), "XL");
    EXPECT_TRUE(ecra->campo(1).editor()->hasFocus());
    EXPECT_FALSE(ecra->registoCarregado());
}

TEST_F(FrmTabMedidasTest, DescriptionsStopAtTwentyCharactersAndCodesAreWrittenInUpperCase)
{
    escreveESai(0, "cores");
    escreveESai(1, "br");
    escreveLinha(grelha(), 0, "EN", "White as the snow of winter");
    escreveLinha(grelha(), 1, "FR", "Blanc comme la neige");
    ecra->btConf_Click();
    EXPECT_EQ(medidas(), (QStringList{"CORES|BR|EN|White as the snow of", "CORES|BR|FR|Blanc comme la neige"}));
    EXPECT_TRUE(dialogos.mensagens.isEmpty()) << dialogos.mensagens.join(" / ").toStdString();
}

TEST_F(FrmTabMedidasTest, DeletesTouchTheLanguagesOfTheSizeOnly)
{
    guarda("LETRAS", "S", "EN", "Small");
    guarda("LETRAS", "S", "FR", "Petit");
    guarda("LETRAS", "M", "EN", "Medium");
    guarda("LETRAS", "M", "FR", "Moyen");
    abre("LETRAS", "M");
    anulaLinha(1);
    EXPECT_EQ(medidas(), (QStringList{"LETRAS|M|EN|Medium", "LETRAS|S|EN|Small", "LETRAS|S|FR|Petit"}));

    abre("LETRAS", "S");
    dialogos.resposta = zav::vbCancel;
    ecra->btAnular_Click();
    EXPECT_EQ(medidas().size(), 3);
    dialogos.resposta = zav::vbOK;
    ecra->btAnular_Click();
    EXPECT_EQ(medidas(), QStringList{"LETRAS|M|EN|Medium"});
    EXPECT_TRUE(ecra->campo(0).isEnabled() && ecra->campo(1).isEnabled());
    EXPECT_EQ(ecra->campo(1).Text(), "");
}

// A size code is a size only within its measure type: S of LETRAS is not S of NUMEROS.
TEST_F(FrmTabMedidasTest, DeletesLeaveTheSameSizeCodeUnderAnotherTypeAlone)
{
    for (const char* tipo : {"LETRAS", "NUMEROS"}) {
        guarda(tipo, "S", "EN", "Small");
        guarda(tipo, "S", "FR", "Petit");
    }
    abre("LETRAS", "S");
    anulaLinha(1);
    EXPECT_EQ(medidas(), (QStringList{"LETRAS|S|EN|Small", "NUMEROS|S|EN|Small", "NUMEROS|S|FR|Petit"}));

    abre("LETRAS", "S");
    ecra->btAnular_Click();
    EXPECT_EQ(medidas(), (QStringList{"NUMEROS|S|EN|Small", "NUMEROS|S|FR|Petit"}));
}

// 'ı1' is another measure than 'I1' to the database: written as typed, it
// keeps its own rows beside the other's.
TEST_F(FrmTabMedidasTest, TheCodesWrittenNameTheMeasureTyped)
{
    fixture.executa(u("insert into MedTamCo (CodTipoM, CodMed, Descrica) values ('CORES', 'I1', 'Capital'),"
                      " ('CORES', 'ı1', 'Sem ponto')"));
    guarda("CORES", "I1", "EN", "Capital");
    escreveESai(0, "cores");
    colaESai(1, u("ı1"));
    ASSERT_TRUE(ecra->registoCarregado());
    escreveLinha(grelha(), 0, "EN", "Own");
    ecra->btConf_Click();
    EXPECT_TRUE(dialogos.mensagens.isEmpty()) << dialogos.mensagens.join(" / ").toStdString();
    EXPECT_EQ(ordenadas(medidas()), ordenadas(u("CORES|I1|EN|Capital,CORES|ı1|EN|Own").split(u',')));
}
