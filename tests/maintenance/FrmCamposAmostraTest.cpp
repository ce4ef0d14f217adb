// The sample-card data screen driven by keys: the row it inserts and updates,
// its two optional dates, and what Esc does where.

#include "FixtureManutencao.h"

#include "demo/DemoDatabase.h"
#include "maintenance/frmCamposAmostra.h"
#include "platform/data/TabelasAdicionais.h"
#include "platform/widgets/SeletorData.h"
#include "samples/FichaAmostraDados.h"
#include "support/AberturaEcra.h"
#include "support/DataInteira.h"
#include "support/MachineZone.h"

#include <QLabel>
#include <QPushButton>

using namespace manutencao;

namespace {

class FrmCamposAmostraTest : public TesteEcra<frmCamposAmostra> {
protected:
    FrmCamposAmostraTest()
    {
        criaTabelasEmFalta(fixture.bd(), tabelasFichaAmostra());
        abreEcra();
    }

    void artigo(const QString& codigo) { escreveESai(0, codigo); }
    bool semData(int i) const { return ecra->cmp(i).isVisible() && !ecra->Data[i]->isVisible(); }
    // From the last text field before the dates, Tab into the first date.
    void entraNaData()
    {
        ecra->campo(6).setFocus();
        QApplication::processEvents();
        prime(Qt::Key_Tab);
    }
    QStringList fichas()
    {
        return fixture.linhas("select Codigo, Fornec, RefFRN, Marca, NossRef, Descr, TamAmostra, DataEnc, "
                              "DataEntrega, Composicao from zav_FichaAmostra order by Codigo");
    }
};

} // namespace

TEST_F(FrmCamposAmostraTest, ConfirmInsertsWithoutDatesThenUpdatesTheSameRow)
{
    EXPECT_TRUE(semData(0) && semData(1));
    artigo("a1");
    EXPECT_EQ(ecra->Dsc[0]->text(), "Camisola");
    EXPECT_FALSE(ecra->campo(0).isEnabled());
    EXPECT_FALSE(ecra->btLista[0]->isEnabled());
    EXPECT_TRUE(temFoco(1));
    for (int i = 1; i <= 3; ++i) {
        QTest::keyClicks(ecra->campo(i).editor(), QStringLiteral("v%1").arg(i));
        prime(Qt::Key_Tab);
    }
    ecra->campo(7).setText("100% lã");
    ecra->btConf_Click();
    EXPECT_EQ(fichas(), QStringList{u("a1|v1|v2|v3||||||100% lã")})
        << "the code as typed, empty fields as empty texts, no dates as NULL";
    EXPECT_EQ(fixture.linhas("select count(*) from zav_FichaAmostra where NossRef = '' and Descr = '' and "
                             "DataEnc is null and DataEntrega is null"),
              QStringList{"1"})
        << "an empty text, not NULL";
    EXPECT_TRUE(dialogos.mensagens.isEmpty());
    EXPECT_TRUE(ecra->campo(0).isEnabled());
    EXPECT_TRUE(ecra->campo(1).Text().isEmpty());
    EXPECT_TRUE(temFoco(0));

    artigo("A1");
    EXPECT_EQ(ecra->campo(2).Text(), "v2");
    EXPECT_EQ(ecra->campo(7).Text(), u("100% lã"));
    EXPECT_TRUE(semData(0) && semData(1));
    ecra->campo(2).setText("");
    ecra->campo(6).setText("M");
    ecra->btConf_Click();
    EXPECT_EQ(fichas(), QStringList{u("A1|v1||v3|||M|||100% lã")});
}

TEST_F(FrmCamposAmostraTest, AStoredRowLoadsEachColumnIntoItsFieldAndAConfirmWithoutEditsLeavesItAsItWas)
{
    fixture.executa("insert into zav_FichaAmostra (Codigo, Fornec, RefFRN, Marca, NossRef, Descr, TamAmostra, DataEnc, "
                    "DataEntrega, Composicao) values ('A1', 'f', 'r', 'm', 'n', 'd', 't', '1700-06-15 00:00:00', "
                    "'2026-03-15 10:30:00', 'c')");
    const QStringList antes = fixture.linhas("select * from zav_FichaAmostra");
    // A date typed on the card before is forgotten with it.
    artigo("B'1");
    entraNaData();
    QTest::keyClicks(ecra->Data[0], "01012020");
    prime(Qt::Key_Tab);
    QTest::keyClicks(ecra->Data[1], "01012020");
    ecra->btConf_Click();

    artigo("A1");
    const QStringList vistos{"f", "r", "m", "n", "d", "t", "c"};
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(ecra->campo(i).Text(), vistos[i - 1]) << i;
    EXPECT_TRUE(ecra->Data[1]->isVisible() && !ecra->cmp(1).isVisible());
    EXPECT_EQ(ecra->Data[1]->text(), "15-03-2026");
    ecra->btConf_Click();
    EXPECT_EQ(fixture.linhas("select * from zav_FichaAmostra where Codigo = 'A1'"), antes)
        << "a date before the picker's first day, and a time of day, are kept";
}

// Neither a typed date nor a stored one outlives a cancelled card.
TEST_F(FrmCamposAmostraTest, ACardConfirmedWithoutDatesAfterACancelledOneWithDatesStoresNone)
{
    fixture.executa("insert into zav_FichaAmostra (Codigo, DataEnc, DataEntrega) "
                    "values ('A1', '2026-03-15 00:00:00', '2026-04-15 00:00:00')");
    fixture.executa("insert into Artigos (Codigo, Nome) values ('C3', 'Casaco')");
    artigo("B'1");
    entraNaData();
    QTest::keyClicks(ecra->Data[0], "01012020");
    prime(Qt::Key_Tab);
    QTest::keyClicks(ecra->Data[1], "02022020");
    ecra->btCancelar_Click();
    artigo("B'1");
    ecra->btConf_Click();

    artigo("A1");
    ASSERT_TRUE(ecra->Data[0]->isVisible() && ecra->Data[1]->isVisible());
    ecra->btCancelar_Click();
    artigo("C3");
    EXPECT_TRUE(semData(0) && semData(1));
    ecra->btConf_Click();
    EXPECT_EQ(fixture.linhas("select Codigo, DataEnc, DataEntrega from zav_FichaAmostra order by Codigo"),
              (QStringList{"A1|2026-03-15|2026-04-15", "B'1||", "C3||"}));
}

// A stored date the picker cannot hold shows as it is stored; typing leaves
// it so, and a date picked in the calendar replaces it.
TEST_F(FrmCamposAmostraTest, AStoredDateThePickerCannotHoldShowsAsStoredUntilANewOneIsPicked)
{
    fixture.executa("insert into zav_FichaAmostra (Codigo, DataEnc, DataEntrega) values "
                    "('A1', '1700-06-15 00:00:00', '1700-06-15 08:00:00')");
    artigo("A1");
    for (int i : {0, 1}) {
        EXPECT_TRUE(ecra->Data[i]->isVisible() && !ecra->cmp(i).isVisible()) << i;
        EXPECT_EQ(ecra->Data[i]->text(), "15-06-1700") << i;
    }
    entraNaData();
    ASSERT_TRUE(ecra->Data[0]->hasFocus());
    QTest::keyClicks(ecra->Data[0], "01012020");
    QTest::keyClick(ecra->Data[0], Qt::Key_Up);
    EXPECT_EQ(ecra->Data[0]->text(), "15-06-1700") << "read-only";
    prime(Qt::Key_Tab);
    ASSERT_TRUE(ecra->Data[1]->hasFocus());
    prime(Qt::Key_F4);
    prime(Qt::Key_Right);
    prime(Qt::Key_Return);
    EXPECT_EQ(ecra->Data[1]->text(), "02-01-1753");
    ecra->btConf_Click();
    EXPECT_EQ(fixture.linhas("select count(*) from zav_FichaAmostra where DataEnc = '1700-06-15 00:00:00' "
                             "and DataEntrega = '1753-01-02 00:00:00'"),
              QStringList{"1"});
}

// Every date reads whole beside the drop-down arrow, and the empty field
// that stands in for a missing one takes the picker's place and size.
TEST_F(FrmCamposAmostraTest, TheDateFieldsShowTheWholeDate)
{
    fixture.executa("insert into zav_FichaAmostra (Codigo, DataEnc, DataEntrega) values "
                    "('A1', '2888-08-28 00:00:00', NULL)");
    artigo("A1");
    QApplication::processEvents();
    ASSERT_TRUE(ecra->Data[0]->isVisible());
    EXPECT_LE(zav::test::faltaParaDataInteira(*ecra->Data[0]), 0) << ecra->Data[0]->width() << " px wide";
    entraNaData();
    prime(Qt::Key_Tab);
    ASSERT_TRUE(ecra->Data[1]->hasFocus());
    EXPECT_LE(zav::test::faltaParaDataInteira(*ecra->Data[1]), 0) << ecra->Data[1]->width() << " px wide";
    for (int i : {0, 1})
        EXPECT_EQ(ecra->cmp(i).geometry(), ecra->Data[i]->geometry()) << i;
}

TEST_F(FrmCamposAmostraTest, TabbingThroughAnEmptyDateLeavesItEmptyAndOnlyADateTypedIsStored)
{
    artigo("A1");
    entraNaData();
    EXPECT_TRUE(ecra->Data[0]->hasFocus());
    EXPECT_FALSE(ecra->cmp(0).isVisible());
    EXPECT_EQ(ecra->Data[0]->date(), QDate::currentDate());
    EXPECT_TRUE(semData(1)) << "the other date is left alone";
    prime(Qt::Key_Tab);
    EXPECT_TRUE(ecra->Data[1]->hasFocus()) << "the next empty date comes just before its picker";
    EXPECT_TRUE(semData(0)) << "a date passed through shows empty again";
    prime(Qt::Key_Tab);
    EXPECT_TRUE(temFoco(7));
    EXPECT_TRUE(semData(1));
    ecra->btConf_Click();
    EXPECT_EQ(fichas(), QStringList{"A1|||||||||"});

    artigo("A1");
    entraNaData();
    QTest::keyClicks(ecra->Data[0], QDate::currentDate().toString("ddMMyyyy"));
    prime(Qt::Key_Tab);
    QTest::keyClicks(ecra->Data[1], "01011800");
    ecra->btConf_Click();
    const QString hoje = QDate::currentDate().toString("yyyy-MM-dd");
    EXPECT_EQ(fichas(), QStringList{"A1|||||||" + hoje + "||"}) << "today, typed over today; the first of 1800 is none";
    EXPECT_EQ(fixture.linhas("select count(*) from zav_FichaAmostra where DataEnc = '" + hoje + " 00:00:00'"),
              QStringList{"1"}) << "at midnight";
    EXPECT_TRUE(semData(0) && semData(1)) << "the reset empties both dates again";
}

// A date and time that the machine's clocks skipped (daylight saving began) is
// shown as the day stored; the card confirmed as read keeps it, and that day
// typed into an empty date is stored as typed.
TEST_F(FrmCamposAmostraTest, ADateTheMachinesZoneSkipsShowsAndIsStoredAsItIs)
{
    using namespace zav::test;
    for (const SkippedTime& skipped : SkippedTimes) {
        SCOPED_TRACE(skipped.zone);
        const MachineZone zone(skipped.zone);
        ASSERT_TRUE(MachineZone::skips(skipped));
        fixture.executa("delete from zav_FichaAmostra");
        fixture.executa("insert into zav_FichaAmostra (Codigo, Fornec, DataEnc) values ('A1', 'f', '" + skipped.stored()
                        + "')");
        artigo("A1");
        EXPECT_TRUE(ecra->Data[0]->isVisible() && !ecra->cmp(0).isVisible());
        EXPECT_EQ(ecra->Data[0]->text(), skipped.shown());
        ecra->campo(1).setText("g");
        ecra->btConf_Click();
        EXPECT_TRUE(dialogos.mensagens.isEmpty()) << dialogos.mensagens.join('\n').toStdString();
        EXPECT_EQ(fixture.linhas("select count(*) from zav_FichaAmostra where Fornec = 'g' and DataEnc = '"
                                 + skipped.stored() + "' and DataEntrega is null"),
                  QStringList{"1"});

        artigo("B'1");
        entraNaData();
        QTest::keyClicks(ecra->Data[0], skipped.day.toString("ddMMyyyy"));
        prime(Qt::Key_Tab);
        ecra->btConf_Click();
        EXPECT_TRUE(dialogos.mensagens.isEmpty()) << dialogos.mensagens.join('\n').toStdString();
        EXPECT_EQ(fixture.linhas("select DataEnc from zav_FichaAmostra where Codigo = 'B''1' and DataEnc = '"
                                 + skipped.day.toString("yyyy-MM-dd") + " 00:00:00'"),
                  QStringList{skipped.day.toString("yyyy-MM-dd")});
        dialogos.mensagens.clear();
    }
}

TEST_F(FrmCamposAmostraTest, EscInADateLeavesTheScreenOpenAndInATextFieldClosesItWithoutSaving)
{
    artigo("A1");
    entraNaData();
    ASSERT_TRUE(ecra->Data[0]->hasFocus());
    prime(Qt::Key_Escape);
    EXPECT_TRUE(ecra->isVisible());

    escreve(3, "nada");
    prime(Qt::Key_Escape);
    EXPECT_FALSE(ecra->isVisible());
    EXPECT_TRUE(fichas().isEmpty());
}

// The article's key is the articles screen's: only its list is this screen's own.
TEST_F(FrmCamposAmostraTest, TheArticleIsCheckedAndOnlyItsFieldHasAList)
{
    artigo("X9");
    EXPECT_EQ(dialogos.mensagens, QStringList{u("Artigo não existente!")}) << "an inactive article does not count";
    EXPECT_TRUE(temFoco(0));

    dialogos.escolha = "A1";
    prime(Qt::Key_F4);
    ASSERT_EQ(dialogos.listas.size(), 1);
    EXPECT_EQ(ecra->Dsc[0]->text(), "Camisola") << "the pick is checked and loads";
    EXPECT_TRUE(temFoco(1));
    prime(Qt::Key_F4);
    EXPECT_EQ(dialogos.listas.size(), 1) << "no other field has a list";
}

TEST_F(FrmCamposAmostraTest, QuotesInEveryFieldAndTextsAtTheirLimitsAreStoredWhole)
{
    for (int i : {1, 2, 3, 6, 7})
        EXPECT_EQ(ecra->campo(i).MaxLength(), 50) << i;
    artigo("B'1");
    ASSERT_EQ(ecra->Dsc[0]->text(), "Casaco d'Ouro");
    const QString cinquenta = QString(49, QLatin1Char('x')) + "'";
    for (int i : {1, 2, 3, 6, 7})
        ecra->campo(i).setText(QStringLiteral("d'%1").arg(i));
    escreve(5, cinquenta + "yz");
    escreve(4, QString(29, QLatin1Char('n')) + "'" + "excesso");
    ecra->btConf_Click();
    EXPECT_EQ(fichas(), QStringList{"B'1|d'1|d'2|d'3|" + QString(29, QLatin1Char('n')) + "'|" + cinquenta + "|d'6|||d'7"});

    fixture.executa("insert into zav_FichaAmostra (Codigo, Fornec) values ('B', 'fica')");
    artigo("B'1");
    ecra->btAnular_Click();
    EXPECT_EQ(fichas(), QStringList{"B|fica||||||||"});
    EXPECT_TRUE(ecra->campo(0).isEnabled());
    EXPECT_TRUE(ecra->campo(1).Text().isEmpty());
}

namespace {

// The screen on a demo company as tarvelo_demo_db makes it, opened as the
// program opens one: the add-on's missing tables created first.
class FrmCamposAmostraEmpresaDemoTest : public ::testing::Test {
protected:
    FrmCamposAmostraEmpresaDemoTest()
    {
        const QString caminho = pasta.filePath(QStringLiteral("demo.db"));
        demo::DemoDatabase::create(caminho, demo::DemoOptions{1000, 3, QDate(2025, 6, 2)});
        bd.AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + caminho);
        criaTabelasEmFalta(bd, tabelasFichaAmostra());
        ecra.bd = &bd;
        zav::test::abreEcra(ecra);
    }

    QTemporaryDir pasta;
    zav::zavCoreDataAccess2016 bd;
    Dialogos dialogos;
    frmCamposAmostra ecra;
};

} // namespace

// The article's code typed in another case and with a trailing blank names
// the same article to the database, and so the same sample-card row: the
// screen shows that row, and a confirm updates it instead of adding another
// that the sample card would never read.
TEST_F(FrmCamposAmostraEmpresaDemoTest, ACodeTypedInAnotherCaseWithATrailingBlankFindsAndKeepsTheDemosCard)
{
    const zav::RecordsetPtr ficha = bd.AbreRecordset(QString(), "select Codigo, Descr from zav_FichaAmostra order by Codigo");
    ASSERT_GT(ficha->RecordCount(), 0);
    const QString codigo = ficha->Fields("Codigo").text();
    const QString descricao = ficha->Fields("Descr").text();
    ASSERT_NE(codigo, codigo.toLower()) << "a code with letters";
    ASSERT_FALSE(descricao.isEmpty());

    ecra.campo(0).setFocus();
    QApplication::processEvents();
    QTest::keyClicks(ecra.campo(0).editor(), codigo.toLower() + " ");
    prime(Qt::Key_Tab);
    ASSERT_TRUE(dialogos.mensagens.isEmpty()) << dialogos.mensagens.join(' ').toStdString();
    EXPECT_EQ(ecra.campo(5).Text(), descricao);

    ecra.campo(5).setText(u("Amostra revista"));
    ecra.btConf_Click();
    const QString daFicha = FichaAmostraDados::sqlFichaAmostra(codigo);
    const zav::RecordsetPtr lida = bd.AbreRecordset(QString(), daFicha);
    ASSERT_EQ(lida->RecordCount(), 1) << "one row for the article";
    EXPECT_EQ(lida->Fields("Descr").text(), u("Amostra revista")) << "the row the sample card reads";
    EXPECT_EQ(bd.AbreRecordset(QString(), "select count(*) as n from zav_FichaAmostra")->Fields("n").text(),
              QString::number(ficha->RecordCount()));
}
