// The maintenance cycle on the articles screen, driven by keys as the user
// types, and the tables read back.

#include "FixtureManutencao.h"

#include "maintenance/frmArtigos.h"

#include <QLabel>
#include <QPushButton>

using namespace manutencao;

namespace {

class FrmArtigosTest : public TesteEcra<frmArtigos> {
protected:
    FrmArtigosTest() { abreEcra(); }

    bool chaveBloqueada() const
    {
        return !ecra->campo(0).isEnabled() && !ecra->campo(1).isEnabled() && !ecra->btLista[0]->isEnabled()
            && !ecra->btLista[1]->isEnabled();
    }
    // Types both key codes, leaving each with Tab.
    void chave(const QString& artigo, const QString& idioma)
    {
        escreveESai(0, artigo);
        escreveESai(1, idioma);
    }
    QStringList artIdiom() { return fixture.linhas("select Artigo, Idioma, Descr from ArtIdiom order by 1, 2"); }
    QStringList detalhe()
    {
        return fixture.linhas("select ARTIGO, IDIOMA, DESCR from zav_ArtigoDetalhe order by 1, 2");
    }
};

} // namespace

TEST_F(FrmArtigosTest, FieldsHoldWhatTheirColumnsHoldAndTabReachesEveryControl)
{
    EXPECT_EQ(ecra->campo(0).MaxLength(), 15);
    EXPECT_EQ(ecra->campo(1).MaxLength(), 3);
    EXPECT_EQ(ecra->campo(2).MaxLength(), 50) << "what every ERP's ArtIdiom.Descr holds";
    EXPECT_TRUE(temFoco(0));
    const QList<QWidget*> ordem{&ecra->campo(0), &ecra->campo(1), &ecra->campo(2), &ecra->campo(3),
                                ecra->btLista[0], ecra->btLista[1], ecra->btSair,   ecra->btConf,
                                ecra->btCancelar, ecra->btAnular};
    EXPECT_EQ(ordemTabulacao(ordem), ordem);
}

TEST_F(FrmArtigosTest, ARowInOnlyOneTableLoadsAndConfirmCompletesTheOther)
{
    fixture.executa("insert into ArtIdiom (Artigo, Idioma, Descr) values ('A1', 'EN', NULL)");
    fixture.executa("insert into ArtIdiom (Artigo, Idioma, Descr) values ('A1', 'FR', 'Pull')");
    fixture.executa("insert into zav_ArtigoDetalhe (ARTIGO, IDIOMA, DESCR) values ('A1', 'EN', 'Long')");
    chave("A1", "EN");
    EXPECT_EQ(ecra->campo(2).Text(), "") << "a NULL description shows empty";
    ecra->btCancelar_Click();
    chave("A1", "FR");
    EXPECT_EQ(ecra->campo(2).Text(), "Pull");
    EXPECT_EQ(ecra->campo(3).Text(), "");
    ecra->campo(3).setText("Longo");
    ecra->btConf_Click();
    EXPECT_EQ(artIdiom(), (QStringList{"A1|EN|", "A1|FR|Pull"}));
    EXPECT_EQ(detalhe(), (QStringList{"A1|EN|Long", "A1|FR|Longo"}));
}

TEST_F(FrmArtigosTest, OnlyAWholeKeyLoadsAndCancelEmptiesAndUnlocksWithoutWriting)
{
    escreveESai(1, "PT");
    EXPECT_EQ(ecra->Dsc[1]->text(), u("Português"));
    EXPECT_FALSE(ecra->registoCarregado());
    EXPECT_TRUE(ecra->campo(1).isEnabled());
    ecra->btConf_Click();
    EXPECT_EQ(dialogos.mensagens, QStringList{"Falta preencher campos"});
    EXPECT_TRUE(temFoco(0));

    escreveESai(0, "A1");
    ASSERT_TRUE(chaveBloqueada());
    ecra->campo(2).setText("nunca gravado");
    ecra->btCancelar_Click();
    EXPECT_FALSE(chaveBloqueada());
    for (int i = 0; i <= 3; ++i)
        EXPECT_EQ(ecra->campo(i).Text(), "");
    EXPECT_EQ(ecra->Dsc[1]->text(), "");
    EXPECT_TRUE(temFoco(0));
    EXPECT_TRUE(artIdiom().isEmpty());
    EXPECT_TRUE(detalhe().isEmpty());
}

TEST_F(FrmArtigosTest, LeavingAnEmptyOrUnknownKeyKeepsTheFocusWithItsMessage)
{
    prime(Qt::Key_Tab);
    EXPECT_EQ(dialogos.mensagens, QStringList{u("Campo obrigatório!")});
    EXPECT_TRUE(temFoco(0));

    escreveESai(0, "X9");
    EXPECT_EQ(dialogos.mensagens.last(), u("Artigo não existente!")) << "an inactive article is refused";
    EXPECT_EQ(ecra->campo(0).Text(), "X9") << "the typed code stays to be corrected";
    EXPECT_EQ(ecra->Dsc[0]->text(), "");
    EXPECT_TRUE(temFoco(0));

    chave("A1", "ZZ");
    EXPECT_EQ(dialogos.mensagens.last(), u("Idioma não existente!"));
    EXPECT_TRUE(temFoco(1));
    EXPECT_FALSE(ecra->registoCarregado());
}

// The mouse on a fresh screen: "&Sair" and "Ca&ncelar" check nothing, and a key
// field's own list opens without checking it; another field's list button does.
TEST_F(FrmArtigosTest, ExitCancelAndAFieldsOwnListDoNotCheckTheEmptyField)
{
    clica(ecra->btCancelar);
    clica(ecra->btLista[0]);
    EXPECT_EQ(dialogos.listas.size(), 1);
    EXPECT_TRUE(temFoco(0)) << "a list closed empty gives the field back";
    dialogos.escolha = "A1";
    clica(ecra->btLista[0]);
    EXPECT_EQ(ecra->Dsc[0]->text(), "Camisola");
    ASSERT_TRUE(temFoco(1));
    EXPECT_TRUE(dialogos.mensagens.isEmpty()) << dialogos.mensagens.join(" / ").toStdString();

    clica(ecra->btLista[0]);
    EXPECT_EQ(dialogos.mensagens, QStringList{u("Campo obrigatório!")});
    EXPECT_EQ(dialogos.listas.size(), 2);
    dialogos.escolha = "PT";
    clica(ecra->btLista[1]);
    EXPECT_TRUE(chaveBloqueada());

    for (const bool teclado : {false, true}) {
        abreEcra();
        teclado ? prime(Qt::Key_S, Qt::AltModifier) : clica(ecra->btSair);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !ecra->isVisible(); })) << teclado;
    }
    EXPECT_EQ(dialogos.mensagens.size(), 1);
}

TEST_F(FrmArtigosTest, AStoredLongDescriptionIsNeverCut)
{
    const QString longa(200, QLatin1Char('d'));
    fixture.executa("insert into zav_ArtigoDetalhe (ARTIGO, IDIOMA, DESCR) values ('A1', 'PT', '" + longa + "')");
    chave("A1", "PT");
    ecra->campo(3).setFocus();
    ecra->campo(3).setSelStart(200);
    QTest::keyClicks(ecra->campo(3).editor(), "!");
    ecra->btConf_Click();
    EXPECT_EQ(detalhe(), QStringList{"A1|PT|" + longa + "!"});
}

// Typed, the description stops at 50 characters, which any ERP's column
// holds; one stored longer by the ERP goes back whole.
TEST_F(FrmArtigosTest, TheDescriptionTakesFiftyTypedCharactersAndKeepsALongerStoredOneWhole)
{
    const QString setenta(70, QLatin1Char('s'));
    fixture.executa("insert into ArtIdiom (Artigo, Idioma, Descr) values ('A1', 'EN', '" + setenta + "')");
    chave("A1", "PT");
    escreve(2, QString(51, QLatin1Char('d')));
    EXPECT_EQ(ecra->campo(2).Text(), QString(50, QLatin1Char('d')));
    ecra->btConf_Click();

    chave("A1", "EN");
    EXPECT_EQ(ecra->campo(2).Text(), setenta);
    ecra->campo(2).setFocus();
    ecra->campo(2).setSelStart(70);
    QTest::keyClicks(ecra->campo(2).editor(), "!");
    ecra->btConf_Click();
    EXPECT_EQ(artIdiom(), (QStringList{"A1|EN|" + setenta, "A1|PT|" + QString(50, QLatin1Char('d'))}));
}

TEST_F(FrmArtigosTest, EscClosesFromAnyFieldWithoutSaving)
{
    for (int index : {1, 3}) {
        abreEcra();
        if (index == 3)
            chave("A1", "PT");
        escreve(index, "x");
        prime(Qt::Key_Escape);
        EXPECT_FALSE(ecra->isVisible()) << index;
    }
    EXPECT_TRUE(artIdiom().isEmpty());
    EXPECT_TRUE(dialogos.mensagens.isEmpty());
}

TEST_F(FrmArtigosTest, QuotesReachTheTablesWholeAndDeleteAsksThenRemovesBothRowsOfTheKeyOnly)
{
    fixture.executa("insert into ArtIdiom (Artigo, Idioma, Descr) values ('B''1', 'EN', 'Short')");
    chave("B'1", "O'K");
    EXPECT_EQ(ecra->Dsc[0]->text(), "Casaco d'Ouro");
    ecra->campo(2).setText("Casaco 'Ouro'");
    ecra->campo(3).setText("It's %_ wild");
    ecra->btConf_Click();
    EXPECT_EQ(artIdiom(), (QStringList{"B'1|EN|Short", "B'1|O'K|Casaco 'Ouro'"}));
    EXPECT_EQ(detalhe(), QStringList{"B'1|O'K|It's %_ wild"});

    chave("B'1", "O'K");
    EXPECT_EQ(ecra->campo(3).Text(), "It's %_ wild");
    dialogos.resposta = zav::vbCancel;
    ecra->btAnular_Click();
    ASSERT_EQ(dialogos.pedidos.size(), 1);
    EXPECT_EQ(dialogos.pedidos[0].text, u("Vai proceder à anulação.\n\rPretende continuar?"));
    EXPECT_TRUE(dialogos.pedidos[0].secondButtonDefault) << "Enter does not delete";
    EXPECT_TRUE(chaveBloqueada()) << "a cancelled delete changes nothing";
    EXPECT_EQ(detalhe().size(), 1);

    dialogos.resposta = zav::vbOK;
    ecra->btAnular_Click();
    EXPECT_EQ(artIdiom(), QStringList{"B'1|EN|Short"});
    EXPECT_TRUE(detalhe().isEmpty());
    EXPECT_FALSE(chaveBloqueada());
    EXPECT_EQ(ecra->campo(0).Text(), "");
}

TEST_F(FrmArtigosTest, AConfirmOrDeleteThatFailsWritesNothingSaysWhyAndKeepsTheScreen)
{
    fixture.executaDirecto("CREATE TRIGGER falha BEFORE INSERT ON zav_ArtigoDetalhe BEGIN SELECT RAISE(ABORT, 'cheio'); END");
    chave("A1", "PT");
    ecra->campo(2).setText("Curta");
    ecra->btConf_Click();
    ASSERT_EQ(dialogos.mensagens.size(), 1);
    EXPECT_TRUE(dialogos.mensagens[0].contains("80040E2F") && dialogos.mensagens[0].contains("cheio"))
        << dialogos.mensagens[0].toStdString();
    EXPECT_TRUE(artIdiom().isEmpty()) << "the first table's row went back with the failure";
    EXPECT_TRUE(ecra->registoCarregado());
    EXPECT_EQ(ecra->campo(2).Text(), "Curta");

    fixture.executaDirecto("DROP TRIGGER falha");
    ecra->btConf_Click();
    EXPECT_EQ(artIdiom(), QStringList{"A1|PT|Curta"}) << "the same confirm, again";

    fixture.executaDirecto("CREATE TRIGGER preso BEFORE DELETE ON zav_ArtigoDetalhe BEGIN SELECT RAISE(ABORT, 'preso'); END");
    chave("A1", "PT");
    ecra->btAnular_Click();
    EXPECT_TRUE(dialogos.mensagens.last().contains("preso")) << dialogos.mensagens.last().toStdString();
    EXPECT_EQ(artIdiom(), QStringList{"A1|PT|Curta"}) << "the first delete went back with the second";
    EXPECT_TRUE(ecra->registoCarregado());
}

TEST_F(FrmArtigosTest, ConfirmByKeysInsertsThenUpdatesTheSameKeyInUpperCase)
{
    dialogos.escolha = "A1";
    prime(Qt::Key_F4);
    ASSERT_EQ(dialogos.listas.size(), 1);
    EXPECT_EQ(dialogos.listas[0].rows.size(), 2) << "inactive articles are not offered";
    EXPECT_EQ(ecra->Dsc[0]->text(), "Camisola") << "the pick's Tab validated it";
    EXPECT_TRUE(temFoco(1));

    QTest::keyClicks(QApplication::focusWidget(), "en");
    prime(Qt::Key_Tab);
    EXPECT_TRUE(chaveBloqueada());
    EXPECT_EQ(ecra->Dsc[1]->text(), "English");
    ASSERT_TRUE(temFoco(2)) << "the Tab that loads the record moves on once";
    QTest::keyClicks(QApplication::focusWidget(), "Sweater");
    prime(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "Fine knit");
    // The access key of "&Confirmar": the button answers it with a short animated press.
    prime(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !ecra->registoCarregado(); }));
    EXPECT_EQ(artIdiom(), QStringList{"A1|EN|Sweater"});
    EXPECT_EQ(detalhe(), QStringList{"A1|EN|Fine knit"});
    EXPECT_FALSE(chaveBloqueada());
    EXPECT_EQ(ecra->Dsc[0]->text(), "");
    EXPECT_TRUE(temFoco(0));

    chave("a1", "En");
    EXPECT_EQ(ecra->campo(2).Text(), "Sweater");
    EXPECT_EQ(ecra->campo(3).Text(), "Fine knit");
    ecra->campo(2).setText("Pullover");
    ecra->campo(3).setText("");
    ecra->btConf_Click();
    EXPECT_EQ(artIdiom(), QStringList{"A1|EN|Pullover"});
    EXPECT_EQ(detalhe(), QStringList{"A1|EN|"}) << "an empty description is stored as an empty text";
    EXPECT_TRUE(dialogos.mensagens.isEmpty()) << dialogos.mensagens.join(" / ").toStdString();
}

// A key is written in upper case only where that is the same key to the
// database: 'ı1' stays beside the article 'I1', and 'maße' (the article
// MASSE to the database, as SQL Server reads 'ß'), 'ŉ1' and 'ﬁ1' keep the
// letters typed, which have no upper case of one letter.
TEST_F(FrmArtigosTest, TheKeyWrittenNamesTheArticleTyped)
{
    for (const char* codigo : {"I1", "I2", "ı1", "ı2", "MASSE", "ŉ1", "ﬁ1", "AÇÃO"})
        fixture.executa(QStringLiteral("insert into Artigos (Codigo, Nome) values ('%1', 'x')").arg(u(codigo)));
    fixture.executa("insert into ArtIdiom (Artigo, Idioma, Descr) values ('I1', 'EN', 'Capital'), ('I2', 'EN', 'Two'),"
                    " ('MASSE', 'EN', 'Mass')");
    for (const char* typed : {"ı1", "ı2", "maße", "ŉ1", "ﬁ1", "ação"}) {
        colaESai(0, u(typed));
        colaESai(1, "en");
        ASSERT_TRUE(ecra->registoCarregado()) << typed;
        ecra->campo(2).setText(u(typed) + " en");
        ecra->btConf_Click();
    }
    EXPECT_TRUE(dialogos.mensagens.isEmpty()) << dialogos.mensagens.join(" / ").toStdString();
    EXPECT_EQ(ordenadas(artIdiom()),
              ordenadas(u("I1|EN|Capital,I2|EN|Two,ı1|EN|ı1 en,ı2|EN|ı2 en,MAßE|EN|maße en,ŉ1|EN|ŉ1 en,ﬁ1|EN|ﬁ1 en,"
                          "AÇÃO|EN|ação en").split(u',')));
    EXPECT_EQ(ordenadas(detalhe()), ordenadas(u("ı1|EN|,ı2|EN|,MAßE|EN|,ŉ1|EN|,ﬁ1|EN|,AÇÃO|EN|").split(u',')));
}
