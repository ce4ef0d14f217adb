// The code-table languages screen: the cycle with the language grid, in its
// six modes, with the tables read back.

#include "FixtureManutencao.h"

#include "maintenance/frmTabIdiomas.h"

#include <QLabel>
#include <QPushButton>

using namespace manutencao;

namespace {

class FrmTabIdiomasTest : public TesteEcra<frmTabIdiomas> {
protected:
    zav::GrelhaEditavel& grelha() { return *ecra->GridTC; }
    // Types the code and leaves it with Tab.
    void codigo(const QString& texto) { escreveESai(0, texto); }
    // The categories (free table 1) with a code named.
    void abreCategoria(const QString& texto)
    {
        abreEcra(1);
        codigo(texto);
    }
    // Picks a code from the list, as "code@group[@family]" in modes 5 and 6.
    void escolhe(const QString& escolha)
    {
        dialogos.escolha = escolha;
        ecra->campo(0).setFocus();
        prime(Qt::Key_F4);
    }
    QStringList idiomasNaGrelha()
    {
        QStringList linhas;
        for (int r = 0; r < grelha().linhas(); ++r)
            if (!grelha().valor(r, 0).isEmpty() || !grelha().valor(r, 1).isEmpty())
                linhas << grelha().valor(r, 0) + "|" + grelha().valor(r, 1);
        return linhas;
    }
    QStringList tabLiv01() { return fixture.linhas("select Chave, Idioma, Descr from zav_TabLiv01 order by 1, 2"); }
    void guarda(const QString& chave, const QString& idioma, const QString& descricao)
    {
        fixture.executa(QStringLiteral("insert into zav_TabLiv01 (Chave, Idioma, Descr) values ('%1', '%2', '%3')")
                            .arg(chave, idioma, descricao));
    }
};

} // namespace

TEST_F(FrmTabIdiomasTest, TwentyNineLanguagesGiveThirtyOneRowsAndMovingToTheLastAddsOne)
{
    for (int i = 0; i < 29; ++i)
        guarda("C1", QStringLiteral("L%1").arg(i, 2, 10, QLatin1Char('0')), "x");
    abreCategoria("C1");
    EXPECT_EQ(grelha().linhas(), 31);
    EXPECT_EQ(grelha().valor(28, 0), "L28");
    EXPECT_EQ(grelha().valor(29, 0), "");
    vaiPara(grelha(), 29, 0);
    prime(Qt::Key_Down);
    EXPECT_EQ(grelha().linhaActual(), 30);
    EXPECT_EQ(grelha().linhas(), 32) << "the last row always has a spare one below";
}

TEST_F(FrmTabIdiomasTest, ConfirmWritesCompleteLinesTheCodeInUpperCaseSkipsHalfLinesAndTheLaterOfTwoWins)
{
    guarda("C2", "EN", "Old cloth");
    abreCategoria("c2");
    ASSERT_EQ(ecra->Dsc[0]->text(), "Tecido");
    escreveLinha(grelha(), 1, "pt", "Tecido");
    escreveLinha(grelha(), 2, "fr", "Tissu");
    escreveLinha(grelha(), 3, "FR", "Toile");
    // The English line keeps its language but its description is emptied: skipped.
    grelha().setValor(0, 1, "");
    vaiPara(grelha(), 4, 0);
    digita("de");
    prime(Qt::Key_Tab);
    ecra->btConf_Click();
    // The second French line updates the row the first wrote, language cell included.
    EXPECT_EQ(tabLiv01(), (QStringList{"C2|EN|Old cloth", "C2|FR|Toile", "C2|pt|Tecido"}));
    EXPECT_TRUE(dialogos.mensagens.isEmpty()) << dialogos.mensagens.join(" / ").toStdString();
    EXPECT_TRUE(ecra->campo(0).isEnabled());
    EXPECT_EQ(ecra->campo(0).Text(), "");
    EXPECT_TRUE(idiomasNaGrelha().isEmpty());
}

TEST_F(FrmTabIdiomasTest, ADeletedStoredLanguageGoesOnConfirmStaysOnCancelAndTypedAgainKeepsItsNewDescription)
{
    guarda("C1", "EN", "Knit");
    guarda("C1", "PT", "Malha");
    abreCategoria("C1");
    vaiPara(grelha(), 0, 0);
    prime(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(idiomasNaGrelha(), QStringList{"PT|Malha"});
    ecra->btCancelar_Click();
    EXPECT_EQ(tabLiv01(), (QStringList{"C1|EN|Knit", "C1|PT|Malha"}));

    codigo("C1");
    vaiPara(grelha(), 1, 0);
    prime(Qt::Key_Delete, Qt::ControlModifier);
    escreveLinha(grelha(), 2, "pt", "Nova");
    ecra->btConf_Click();
    EXPECT_EQ(tabLiv01(), (QStringList{"C1|EN|Knit", "C1|pt|Nova"})) << "the cancelled delete is forgotten";

    codigo("C1");
    vaiPara(grelha(), 1, 0);
    prime(Qt::Key_Delete, Qt::ControlModifier);
    ecra->btConf_Click();
    EXPECT_EQ(tabLiv01(), QStringList{"C1|EN|Knit"});
}

TEST_F(FrmTabIdiomasTest, AnUnknownOrEmptiedLanguageIsRefusedAndTheCellKeepsItsValue)
{
    guarda("C1", "EN", "Knit");
    abreCategoria("C1");
    vaiPara(grelha(), 1, 0);
    digita("zz");
    prime(Qt::Key_Tab);
    EXPECT_EQ(dialogos.mensagens, QStringList{u("Idioma não existente!")});
    EXPECT_EQ(grelha().valor(1, 0), "");
    EXPECT_EQ(grelha().linhaActual(), 1);
    EXPECT_EQ(grelha().colunaActual(), 0) << "the refused cell stays current";

    vaiPara(grelha(), 0, 0);
    prime(Qt::Key_F2);
    prime(Qt::Key_Backspace);
    prime(Qt::Key_Backspace);
    prime(Qt::Key_Tab);
    EXPECT_EQ(dialogos.mensagens.value(1), u("Campo obrigatório [Idioma]."));
    EXPECT_EQ(grelha().valor(0, 0), "EN");
}

TEST_F(FrmTabIdiomasTest, TheCellButtonPicksALanguageWhichIsCheckedAndMovesOn)
{
    abreCategoria("C1");
    dialogos.escolha = "FR";
    vaiPara(grelha(), 0, 0);
    prime(Qt::Key_F4);
    ASSERT_EQ(dialogos.listas.size(), 1);
    EXPECT_EQ(dialogos.listas[0].rows.size(), 7);
    EXPECT_EQ(grelha().valor(0, 0), "FR");
    EXPECT_EQ(grelha().colunaActual(), 1) << "the pick's Tab leaves the language cell";
    digita("Maille");
    prime(Qt::Key_Tab);
    ecra->btConf_Click();
    EXPECT_EQ(tabLiv01(), QStringList{"C1|FR|Maille"});
    EXPECT_TRUE(dialogos.mensagens.isEmpty());
}

TEST_F(FrmTabIdiomasTest, EscIsSwallowedByTheGridAndClosesFromTheCode)
{
    abreCategoria("C1");
    vaiPara(grelha(), 0, 0);
    prime(Qt::Key_Escape);
    digita("p");
    prime(Qt::Key_Escape);
    EXPECT_TRUE(ecra->isVisible());
    EXPECT_TRUE(grelha().modoEdicao()) << "Esc does not even abandon the edit";
    ecra->btCancelar_Click();
    prime(Qt::Key_Escape);
    EXPECT_FALSE(ecra->isVisible());
}

TEST_F(FrmTabIdiomasTest, AValidCodeLoadsItsLanguagesAndLocksAndDeleteRemovesThemAll)
{
    guarda("C1", "EN", "Knit");
    guarda("C1", "PT", "Malha");
    guarda("T1", "PT", "Outra");
    abreCategoria("c1");
    EXPECT_EQ(ecra->Dsc[0]->text(), "Malha");
    EXPECT_EQ(idiomasNaGrelha(), (QStringList{"EN|Knit", "PT|Malha"}));
    EXPECT_FALSE(ecra->campo(0).isEnabled() || ecra->btLista[0]->isEnabled());
    EXPECT_TRUE(grelha().vista()->hasFocus());
    EXPECT_EQ(grelha().linhas(), 30);
    ecra->btAnular_Click();
    EXPECT_EQ(tabLiv01(), QStringList{"T1|PT|Outra"});
    EXPECT_TRUE(ecra->campo(0).isEnabled());
}

TEST_F(FrmTabIdiomasTest, OneConfirmIsOneTransaction)
{
    guarda("C1", "DE", "Strick");
    fixture.executaDirecto("CREATE TRIGGER falha BEFORE INSERT ON zav_TabLiv01 WHEN NEW.Idioma = 'EN' "
                           "BEGIN SELECT RAISE(ABORT, 'recusado'); END");
    abreCategoria("C1");
    vaiPara(grelha(), 0, 0);
    prime(Qt::Key_Delete, Qt::ControlModifier);
    escreveLinha(grelha(), 0, "PT", "Malha");
    escreveLinha(grelha(), 1, "EN", "Knit");
    ecra->btConf_Click();
    EXPECT_EQ(tabLiv01(), QStringList{"C1|DE|Strick"}) << "neither the written line nor the delete stayed";
    EXPECT_EQ(idiomasNaGrelha(), (QStringList{"PT|Malha", "EN|Knit"})) << "the lines stay to confirm again";
}

TEST_F(FrmTabIdiomasTest, QuotesInTheCodeTheLanguageAndTheDescription)
{
    abreCategoria("O'1");
    EXPECT_EQ(ecra->Dsc[0]->text(), "Aspas");
    escreveLinha(grelha(), 0, "O'K", "D'Ouro");
    ecra->btConf_Click();
    EXPECT_EQ(tabLiv01(), QStringList{"O'1|O'K|D'Ouro"});
    codigo("O'1");
    EXPECT_EQ(idiomasNaGrelha(), QStringList{"O'K|D'Ouro"});
    vaiPara(grelha(), 0, 0);
    prime(Qt::Key_Delete, Qt::ControlModifier);
    ecra->btConf_Click();
    EXPECT_TRUE(tabLiv01().isEmpty());
}

TEST_F(FrmTabIdiomasTest, CellsAreLimitedToWhatTheTablesStore)
{
    abreCategoria("C1");
    vaiPara(grelha(), 0, 0);
    digita("ptxx");
    EXPECT_EQ(grelha().textoActual(), "ptx");
    grelha().setModoEdicao(false);
    vaiPara(grelha(), 0, 1);
    digita(QString(60, QLatin1Char('a')));
    EXPECT_EQ(grelha().textoActual().size(), 50);
}

TEST_F(FrmTabIdiomasTest, ACollectionsDescriptionHoldsEightyCharactersAndAStoredOneIsNeverCut)
{
    const QString setenta(70, QLatin1Char('v'));
    fixture.executa("insert into zav_FAMILIA (COD, DESCR, GRUPO, IDIOMA) values ('FA', '" + setenta + "', 'G1', 'EN')");
    abreEcra(5);
    escolhe("FA@G1");
    vaiPara(grelha(), 0, 1);
    prime(Qt::Key_F2);
    prime(Qt::Key_Tab);
    EXPECT_EQ(grelha().valor(0, 1), setenta);
    vaiPara(grelha(), 0, 1);
    prime(Qt::Key_F2);
    digita(QString(15, QLatin1Char('w')));
    prime(Qt::Key_Tab);
    ecra->btConf_Click();
    EXPECT_EQ(fixture.linhas("select DESCR from zav_FAMILIA"), QStringList{setenta + QString(10, QLatin1Char('w'))});
}

TEST_F(FrmTabIdiomasTest, CollectionsSplitThePickAndKeepTheGroupInEveryStatement)
{
    fixture.executa("insert into zav_FAMILIA (COD, DESCR, GRUPO, IDIOMA) values ('FA', 'Summer', 'G1', 'EN')");
    fixture.executa("insert into zav_FAMILIA (COD, DESCR, GRUPO, IDIOMA) values ('FA', 'Winter', 'G2', 'EN')");
    abreEcra(5);
    codigo("FA");
    EXPECT_EQ(dialogos.mensagens, QStringList{u("Código não existente!")}) << "before any pick, the group is empty";
    escolhe("FA@G2");
    ASSERT_EQ(dialogos.listas.size(), 1);
    EXPECT_EQ(dialogos.listas[0].rows.value(0).value(0), "FA@G1") << "each row names its group";
    EXPECT_EQ(ecra->campo(0).Text(), "FA");
    EXPECT_EQ(ecra->Dsc[0]->text(), "Inverno");
    EXPECT_EQ(idiomasNaGrelha(), QStringList{"EN|Winter"});
    escreveLinha(grelha(), 1, "PT", "Inverno");
    ecra->btConf_Click();
    EXPECT_EQ(fixture.linhas("select GRUPO, COD, IDIOMA, DESCR from zav_FAMILIA order by 1, 3"),
              (QStringList{"G1|FA|EN|Summer", "G2|FA|EN|Winter", "G2|FA|PT|Inverno"}));
    EXPECT_EQ(ecra->sGrupo, "G2") << "no reset forgets the last pick";

    escolhe("FA@G2");
    ecra->btAnular_Click();
    EXPECT_EQ(fixture.linhas("select GRUPO, COD, IDIOMA, DESCR from zav_FAMILIA"), QStringList{"G1|FA|EN|Summer"})
        << "the same code under the other group keeps its languages";
}

TEST_F(FrmTabIdiomasTest, SeasonsCarryGroupAndFamilyInEveryStatement)
{
    fixture.executa("insert into zav_SUBFAMIL (GRUPO, FAMILIA, COD, IDIOMA, DESCR) values ('G1', 'FB', 'SA', 'EN', 'Mountain')");
    const QString estacoes = "select GRUPO, FAMILIA, COD, IDIOMA, DESCR from zav_SUBFAMIL order by 1, 2";
    abreEcra(6);
    escolhe("sa@G1@FA");
    EXPECT_EQ(ecra->Dsc[0]->text(), "Praia");
    EXPECT_TRUE(idiomasNaGrelha().isEmpty()) << "the same code under another family is another record";
    escreveLinha(grelha(), 0, "EN", "Beach");
    ecra->btConf_Click();
    EXPECT_EQ(fixture.linhas(estacoes), (QStringList{"G1|FA|SA|EN|Beach", "G1|FB|SA|EN|Mountain"}));

    escolhe("SA@G2@FA");
    EXPECT_EQ(ecra->Dsc[0]->text(), "Neve");
    EXPECT_TRUE(idiomasNaGrelha().isEmpty()) << "the same code under another group is another record";
    ecra->btCancelar_Click();
    escolhe("SA@G1@FB");
    EXPECT_EQ(ecra->Dsc[0]->text(), "Montanha");
    EXPECT_EQ(idiomasNaGrelha(), QStringList{"EN|Mountain"});
    ecra->btAnular_Click();
    EXPECT_EQ(fixture.linhas(estacoes), QStringList{"G1|FA|SA|EN|Beach"});
}

TEST_F(FrmTabIdiomasTest, ClassificationsWriteTheFourthTableOnceTheirCodeIsValid)
{
    abreEcra(4);
    escreveLinha(grelha(), 0, "IT", "Classe");
    ecra->btConf_Click();
    EXPECT_EQ(dialogos.mensagens, QStringList{"Falta preencher campos"});
    EXPECT_TRUE(temFoco(0));
    codigo("K1");
    escreveLinha(grelha(), 0, "IT", "Classe");
    ecra->btConf_Click();
    EXPECT_EQ(fixture.linhas("select Chave, Idioma, Descr from zav_TabLiv04"), QStringList{"K1|IT|Classe"});
}

// 'ı1' is another code than 'I1' to the database: written as typed, it keeps
// its own row beside the other's.
TEST_F(FrmTabIdiomasTest, TheCodeWrittenNamesTheCodeTyped)
{
    fixture.executa(u("insert into TabLiv01 (Chave, Descr) values ('I1', 'Capital'), ('ı1', 'Sem ponto'), ('ﬁ1', 'Liga')"));
    guarda("I1", "EN", "Capital");
    abreEcra(1);
    for (const char* typed : {"ı1", "ﬁ1"}) {
        colaESai(0, u(typed));
        ASSERT_FALSE(ecra->campo(0).isEnabled()) << typed;
        escreveLinha(grelha(), 0, "EN", "Own");
        ecra->btConf_Click();
    }
    EXPECT_TRUE(dialogos.mensagens.isEmpty()) << dialogos.mensagens.join(" / ").toStdString();
    EXPECT_EQ(ordenadas(tabLiv01()), ordenadas(u("I1|EN|Capital,ı1|EN|Own,ﬁ1|EN|Own").split(u',')));
}
