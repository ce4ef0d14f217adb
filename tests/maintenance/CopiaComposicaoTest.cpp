// The composition copier: what it copies, what it replaces, what it refuses,
// and what a failure part-way leaves behind.

#include "Teclado.h"

#include "maintenance/CopiaComposicao.h"
#include "maintenance/frmComposicao.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/widgets/Seams.h"
#include "support/TempDatabase.h"

#include "demo/CompanySchema.h"
#include "demo/FixtureWriter.h"
#include "demo/SqliteConnection.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString u(const char* texto)
{
    return QString::fromUtf8(texto);
}

// P1: a production article with two composition rows and three operations.
// VEN, VEN-1, VEN-2 and VENX begin with "VEN"; VEN-2 has rows of its own;
// OUTRO does not match; VE_1 and VEX1 tell a literal "_" from a wildcard;
// VEN-1-AZ is a variant (not a parent reference); P2 has a composition and no operations.
class CopiaComposicaoTest : public ::testing::Test {
protected:
    CopiaComposicaoTest()
    {
        {
            demo::SqliteConnection ligacao(base.path());
            demo::CompanySchema::create(ligacao.database());
            const demo::FixtureWriter rows(ligacao.database());
            auto artigo = [&](const QString& codigo, const QString& codRef, int tComposi, int tValoriz) {
                rows.insert("Artigos", {{"Codigo", codigo},
                                        {"Nome", "Nome de " + codigo},
                                        {"CodRef", codRef},
                                        {"TComposi", tComposi},
                                        {"TValoriz", tValoriz}});
            };
            artigo("P1", "", 2, 3);
            artigo("P2", "", 2, 3);
            for (const char* codigo : {"VEN", "VEN-1", "VEN-2", "VENX", "OUTRO", "VE_1", "VEX1"})
                artigo(codigo, "", 0, 1);
            artigo("VEN-1-AZ", "VEN-1", 0, 1);
            composicao(rows, "P1", 1, "LAVAR", "ALG", 1.2345, 2, 3.5);
            composicao(rows, "P1", 2, "CORTE", "POL", 0.5, 1, 10.25);
            operacao(rows, "P1", 1, "CORTAR", 12.5, "MIN", "");
            operacao(rows, "P1", 2, "COSER", 30, "MIN", "CORTAR");
            operacao(rows, "P1", 3, "EMBALAR", 1, "H", "COSER");
            composicao(rows, "P2", 1, "LAVAR", "ALG", 1, 1, 1);
            for (int seq : {5, 6, 7}) {
                composicao(rows, "VEN-2", seq, "VELHA", "X", 9, 9, 9);
                operacao(rows, "VEN-2", seq, "VELHA", 9, "S", "");
            }
            composicao(rows, "OUTRO", 1, "OUTRA", "X", 7, 7, 7);
        }
        bd = std::make_unique<zav::zavCoreDataAccess2016>();
        bd->AbreLigacao("Data Provider=SQLite;Data Source=" + base.path());
    }

    static void composicao(const demo::FixtureWriter& rows, const QString& artigo, int seq, const QString& operacao,
                           const QString& factor, double quantida, int tImputac, double custo)
    {
        rows.insert("OperaFac", {{"Artigo", artigo},
                                 {"Seq", seq},
                                 {"Operacao", operacao},
                                 {"Factor", factor},
                                 {"Quantida", quantida},
                                 {"TImputac", tImputac},
                                 {"CustoTeo", custo}});
    }

    static void operacao(const demo::FixtureWriter& rows, const QString& artigo, int seq, const QString& operacao,
                         double tempo, const QString& unidade, const QString& antecede)
    {
        rows.insert("ArtOpera", {{"Artigo", artigo},
                                 {"Seq", seq},
                                 {"Operacao", operacao},
                                 {"Tempo", tempo},
                                 {"UniTempo", unidade},
                                 {"Antecede", antecede}});
    }

    // One line per row of the article, in sequence.
    QStringList linhas(const QString& tabela, const QString& artigo, const QString& colunas)
    {
        const zav::RecordsetPtr rs = bd->AbreRecordset(
            QString(), "SELECT " + colunas + " FROM " + tabela + " WHERE Artigo='" + artigo + "' ORDER BY Seq");
        QStringList lidas;
        for (; !rs->Eof(); rs->MoveNext()) {
            QStringList valores;
            for (int i = 0; i < rs->fieldCount(); ++i)
                valores << rs->Fields(i).text();
            lidas << valores.join('|');
        }
        return lidas;
    }
    QStringList composicaoDe(const QString& artigo)
    {
        return linhas("OperaFac", artigo, "Seq, Operacao, Factor, Quantida, TImputac, CustoTeo");
    }
    QStringList operacoesDe(const QString& artigo)
    {
        return linhas("ArtOpera", artigo, "Seq, Operacao, Tempo, UniTempo, Antecede");
    }
    // Another tool's rule, written beside the program: the second operation of VEN-2 is refused.
    void recusaSegundaOperacaoDeVen2()
    {
        demo::SqliteConnection ligacao(base.path());
        demo::FixtureWriter(ligacao.database())
            .execute("CREATE TRIGGER recusa BEFORE INSERT ON ArtOpera WHEN NEW.Artigo='VEN-2' AND NEW.Seq=2 "
                     "BEGIN SELECT RAISE(ABORT, 'recusado'); END");
    }
    QString definicoesDe(const QString& artigo)
    {
        const zav::RecordsetPtr rs =
            bd->AbreRecordset(QString(), "SELECT TComposi, TValoriz FROM Artigos WHERE Codigo='" + artigo + "'");
        return rs->Fields(0).text() + "/" + rs->Fields(1).text();
    }

    zav::test::TempDatabase base{QStringLiteral("copia.db")};
    std::unique_ptr<zav::zavCoreDataAccess2016> bd;
};

TEST_F(CopiaComposicaoTest, EveryArticleBeginningWithTheSalesCodeGetsExactlyTheSourceRows)
{
    const QStringList composicaoP1 = composicaoDe("P1");
    const QStringList operacoesP1 = operacoesDe("P1");
    ASSERT_EQ(composicaoP1.size(), 2);
    ASSERT_EQ(operacoesP1.size(), 3);

    int alvos = -1;
    int avancos = 0;
    CopiaComposicao(*bd).Processa("P1", "VEN", {[&](int n) { alvos = n; }, [&] { ++avancos; }});

    // VEN itself, VEN-1, VEN-1-AZ, VEN-2 and VENX: every code that begins with it.
    EXPECT_EQ(alvos, 5);
    EXPECT_EQ(avancos, 5);
    for (const char* alvo : {"VEN", "VEN-1", "VEN-1-AZ", "VEN-2", "VENX"}) {
        SCOPED_TRACE(alvo);
        EXPECT_EQ(composicaoDe(alvo), composicaoP1);
        EXPECT_EQ(operacoesDe(alvo), operacoesP1);
        EXPECT_EQ(definicoesDe(alvo), "2/3");
    }
    // The old rows of VEN-2 (sequences 5 to 7) are gone, not kept beside the copy.
    EXPECT_FALSE(composicaoDe("VEN-2").join(',').contains("VELHA"));
    // Articles that do not begin with the code keep what they had.
    EXPECT_EQ(composicaoDe("OUTRO"), QStringList{"1|OUTRA|X|7|7|7"});
    EXPECT_EQ(definicoesDe("OUTRO"), "0/1");
    EXPECT_TRUE(operacoesDe("VE_1").isEmpty());
}

TEST_F(CopiaComposicaoTest, NothingIsCopiedWithoutSourceRowsOrTargets)
{
    bool chamado = false;
    const CopiaComposicao::Progresso progresso{[&](int) { chamado = true; }, {}};
    CopiaComposicao copia(*bd);
    copia.Processa("P1", "NADA", progresso);  // no article begins with it
    copia.Processa("P2", "VEN", progresso);   // the source has no operations
    copia.Processa("P1", "", progresso);      // an empty sales code would match every article
    copia.Processa("P1", "   ", progresso);
    copia.Processa("", "VEN", progresso);
    EXPECT_FALSE(chamado);
    EXPECT_TRUE(composicaoDe("VEN").isEmpty());
    EXPECT_EQ(composicaoDe("VEN-2").size(), 3);
    EXPECT_EQ(composicaoDe("OUTRO").size(), 1);
}

TEST_F(CopiaComposicaoTest, WildcardsAndQuotesInTheSalesCodeMatchLiterally)
{
    CopiaComposicao copia(*bd);
    copia.Processa("P1", "VE_", {});
    EXPECT_EQ(composicaoDe("VE_1").size(), 2);
    EXPECT_TRUE(composicaoDe("VEX1").isEmpty());
    EXPECT_TRUE(composicaoDe("VEN").isEmpty());

    for (const char* codigo : {"%", "[A-Z]", "V'", "!"})
        copia.Processa("P1", codigo, {});
    EXPECT_TRUE(composicaoDe("VEN").isEmpty());
    EXPECT_TRUE(composicaoDe("VEX1").isEmpty());
    EXPECT_EQ(CopiaComposicao::CondicaoComecaPor("A_!%"), "like 'A!_!!!%%' ESCAPE '!'");
    EXPECT_EQ(CopiaComposicao::CondicaoComecaPor("VEN"), "like 'VEN%'");
}

TEST_F(CopiaComposicaoTest, TheProductionArticleIsNotItsOwnTarget)
{
    const QStringList antes = composicaoDe("P1");
    int alvos = 0;
    CopiaComposicao(*bd).Processa("P1", "p", {[&](int n) { alvos = n; }, {}});
    EXPECT_EQ(alvos, 1);  // P2 only
    EXPECT_EQ(composicaoDe("P1"), antes);
    EXPECT_EQ(composicaoDe("P2").size(), 2);
}

TEST_F(CopiaComposicaoTest, AFailureInsideATargetLeavesThatTargetAsItWas)
{
    recusaSegundaOperacaoDeVen2();
    const QStringList composicaoAntes = composicaoDe("VEN-2");
    const QStringList operacoesAntes = operacoesDe("VEN-2");
    EXPECT_ANY_THROW(CopiaComposicao(*bd).Processa("P1", "VEN", {}));

    EXPECT_EQ(composicaoDe("VEN-2"), composicaoAntes);
    EXPECT_EQ(operacoesDe("VEN-2"), operacoesAntes);
    EXPECT_EQ(definicoesDe("VEN-2"), "0/1");
    // Those copied before it stay copied.
    EXPECT_EQ(composicaoDe("VEN").size(), 2);
    EXPECT_EQ(operacoesDe("VEN-1").size(), 3);
}

TEST_F(CopiaComposicaoTest, EmptyingACompositionResetsTheArticlesSettings)
{
    CopiaComposicao copia(*bd);
    copia.AnulaComposicao("VEN-2");
    copia.AnulaArtOpera("VEN-2");
    EXPECT_TRUE(composicaoDe("VEN-2").isEmpty());
    EXPECT_TRUE(operacoesDe("VEN-2").isEmpty());
    EXPECT_EQ(definicoesDe("VEN-2"), "0/1");
    bool bTem = true;
    copia.LerComposicao("VEN-2", bTem);
    EXPECT_FALSE(bTem);
    copia.LerArtOpera("P1", bTem);
    EXPECT_TRUE(bTem);
}

// The screen: validation of its two fields, the copy with its bar, the reset.
class FrmComposicaoTest : public CopiaComposicaoTest {
protected:
    FrmComposicaoTest()
        : respostas(zav::messageBoxSeam(), [this](QWidget*, const zav::MessageRequest& pedido) {
              mensagens << pedido.text;
              // The bar as the completion message finds it.
              if (ecra)
                  barra = ecra->PB->isVisible()
                              ? QStringLiteral("%1..%2 at %3").arg(ecra->PB->minimum()).arg(ecra->PB->maximum()).arg(ecra->PB->value())
                              : QStringLiteral("hidden");
              return int(zav::vbOK);
          })
    {
        ecra = std::make_unique<frmComposicao>();
        ecra->bd = bd.get();
        ecra->Form_Load();
        ecra->show();
        QApplication::setActiveWindow(ecra.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(ecra.get()));
    }

    // Types into a field and leaves it with Tab, as the user does.
    void escreveESai(int index, const QString& texto)
    {
        ecra->campo(index).setFocus();
        QApplication::processEvents();
        ecra->campo(index).setText(QString());
        QTest::keyClicks(ecra->campo(index).editor(), texto);
        QTest::keyClick(ecra->campo(index).editor(), Qt::Key_Tab);
        QApplication::processEvents();
    }

    QStringList mensagens;
    QString barra;
    zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override respostas;
    std::unique_ptr<frmComposicao> ecra;
};

TEST_F(FrmComposicaoTest, FieldsAcceptOnlyParentReferencesAndAProductionArticleWithBothSetsOfRows)
{
    escreveESai(0, "VEN-1-AZ");
    EXPECT_EQ(mensagens, QStringList{u("Artigo não existente!")});
    EXPECT_EQ(ecra->campo(0).Text(), "VEN-1-AZ");  // the text stays to be corrected
    EXPECT_TRUE(ecra->campo(0).editor()->hasFocus());

    mensagens.clear();
    escreveESai(0, "P2");
    EXPECT_EQ(mensagens, QStringList{u("O Artigo de Produção não tem ArtOpera!")});
    EXPECT_TRUE(ecra->Label2[0]->text().isEmpty());
    EXPECT_TRUE(ecra->campo(0).editor()->hasFocus());

    mensagens.clear();
    escreveESai(0, "VEN");  // neither composition nor operations: both are told
    EXPECT_EQ(mensagens, (QStringList{u("O Artigo de Produção não tem composição!"),
                                      u("O Artigo de Produção não tem ArtOpera!")}));
    EXPECT_TRUE(ecra->campo(0).editor()->hasFocus());

    mensagens.clear();
    escreveESai(0, "P1");
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(ecra->Label2[0]->text(), "Nome de P1");
    EXPECT_TRUE(ecra->campo(1).editor()->hasFocus());

    escreveESai(1, "VEN");
    EXPECT_EQ(ecra->Label2[1]->text(), "Nome de VEN");
}

TEST_F(FrmComposicaoTest, TabGoesThroughTheFieldsThenTheButtonsThenTheListButtons)
{
    EXPECT_EQ(manutencao::ordemTabulacao({{&ecra->campo(0), "campo0"},
                                          {&ecra->campo(1), "campo1"},
                                          {ecra->btConf, "btConf"},
                                          {ecra->btCancelar, "btCancelar"},
                                          {ecra->btSair, "btSair"},
                                          {ecra->btLista[0], "btLista0"},
                                          {ecra->btLista[1], "btLista1"}}),
              (QStringList{"campo0", "campo1", "btConf", "btCancelar", "btSair", "btLista0", "btLista1"}));
}

TEST_F(FrmComposicaoTest, ConfirmCopiesReportsAndEmptiesTheScreen)
{
    escreveESai(0, "P1");
    escreveESai(1, "VEN");
    ecra->btConf->click();
    EXPECT_EQ(mensagens, QStringList{u("Tarefa concluída!")});
    EXPECT_EQ(barra, "0..5 at 5");
    EXPECT_EQ(composicaoDe("VENX").size(), 2);
    EXPECT_TRUE(ecra->campo(0).Text().isEmpty());
    EXPECT_TRUE(ecra->campo(1).Text().isEmpty());
    EXPECT_TRUE(ecra->Label2[0]->text().isEmpty());
    EXPECT_FALSE(ecra->PB->isVisible());
    EXPECT_TRUE(ecra->campo(0).editor()->hasFocus());
}

TEST_F(FrmComposicaoTest, ACopyThatFailsSaysHowFarItGotAndKeepsBothCodes)
{
    recusaSegundaOperacaoDeVen2();
    escreveESai(0, "P1");
    escreveESai(1, "VEN");
    ecra->btConf->click();
    int copiados = 0;
    for (const char* alvo : {"VEN", "VEN-1", "VEN-1-AZ", "VENX"})
        copiados += operacoesDe(alvo).size() == 3;
    ASSERT_EQ(mensagens.size(), 1);
    EXPECT_TRUE(mensagens[0].contains("recusado")) << mensagens[0].toStdString();
    EXPECT_TRUE(mensagens[0].contains(QStringLiteral("copiados antes do erro: %1 de 5.").arg(copiados)))
        << mensagens[0].toStdString();
    EXPECT_EQ(ecra->campo(0).Text(), "P1");
    EXPECT_EQ(ecra->campo(1).Text(), "VEN");
}

TEST_F(FrmComposicaoTest, ConfirmWithAnEmptyCodeCopiesNothing)
{
    escreveESai(0, "P1");
    ecra->btConf->click();
    EXPECT_EQ(mensagens, QStringList{u("Falta preencher campos")});
    EXPECT_TRUE(composicaoDe("VEN").isEmpty());
    EXPECT_EQ(ecra->campo(0).Text(), "P1");
    EXPECT_TRUE(ecra->campo(1).editor()->hasFocus());
}

} // namespace

namespace {

TEST_F(FrmComposicaoTest, EscClosesTheScreenFromTheProductionFieldOnly)
{
    ecra->campo(1).setFocus();
    QApplication::processEvents();
    QTest::keyClick(ecra->campo(1).editor(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(ecra->isVisible());
    EXPECT_TRUE(mensagens.isEmpty());  // untouched: leaving it back runs no validation

    ecra->campo(0).setFocus();
    QApplication::processEvents();
    QTest::keyClick(ecra->campo(0).editor(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(ecra->isVisible());
}

} // namespace
