// The composition copier: what it copies, what it replaces, what it refuses,
// and what a failure part-way leaves behind.

#include "FixtureManutencao.h"

#include "maintenance/CopiaComposicao.h"
#include "maintenance/frmComposicao.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

using namespace manutencao;

namespace {

// P1: a production article with two composition rows and three operations.
// VEN, VEN-1, VEN-2 and VENX begin with "VEN"; VEN-2 has rows of its own;
// OUTRO does not match; VE_1, VE_!X and VEX1 tell a literal "_" and "!" from
// wildcards; VEN-1-AZ is a variant (not a parent reference); P2 has a
// composition and no operations.
class CopiaComposicaoTest : public TesteEcra<frmComposicao> {
protected:
    CopiaComposicaoTest()
    {
        const QString artigo = "insert into Artigos (Codigo, Nome, CodRef, TComposi, TValoriz) "
                               "values ('%1', 'Nome de %1', '%2', %3, %4)";
        for (const char* codigo : {"P1", "P2"})
            fixture.executa(artigo.arg(codigo, "").arg(2).arg(3));
        for (const char* codigo : {"VEN", "VEN-1", "VEN-2", "VENX", "OUTRO", "VE_1", "VE_!X", "VEX1"})
            fixture.executa(artigo.arg(codigo, "").arg(0).arg(1));
        fixture.executa(artigo.arg("VEN-1-AZ", "VEN-1").arg(0).arg(1));
        for (const char* linha : {"'P1', 1, 'LAVAR', 'ALG', 1.2345, 2, 3.5", "'P1', 2, 'CORTE', 'POL', 0.5, 1, 10.25",
                                  "'P2', 1, 'LAVAR', 'ALG', 1, 1, 1", "'VEN-2', 5, 'VELHA', 'X', 9, 9, 9",
                                  "'VEN-2', 6, 'VELHA', 'X', 9, 9, 9", "'VEN-2', 7, 'VELHA', 'X', 9, 9, 9",
                                  "'OUTRO', 1, 'OUTRA', 'X', 7, 7, 7"})
            fixture.executa(QStringLiteral("insert into OperaFac (Artigo, Seq, Operacao, Factor, Quantida, TImputac, "
                                           "CustoTeo) values (%1)").arg(linha));
        for (const char* linha : {"'P1', 1, 'CORTAR', 12.5, 'MIN', ''", "'P1', 2, 'COSER', 30, 'MIN', 'CORTAR'",
                                  "'P1', 3, 'EMBALAR', 1, 'H', 'COSER'", "'VEN-2', 5, 'VELHA', 9, 'S', ''",
                                  "'VEN-2', 6, 'VELHA', 9, 'S', ''", "'VEN-2', 7, 'VELHA', 9, 'S', ''"})
            fixture.executa(
                QStringLiteral("insert into ArtOpera (Artigo, Seq, Operacao, Tempo, UniTempo, Antecede) values (%1)").arg(linha));
    }

    // One line per row of the article, in sequence.
    QStringList composicaoDe(const QString& artigo)
    {
        return fixture.linhas("SELECT Seq, Operacao, Factor, Quantida, TImputac, CustoTeo FROM OperaFac WHERE Artigo='"
                              + artigo + "' ORDER BY Seq");
    }
    QStringList operacoesDe(const QString& artigo)
    {
        return fixture.linhas("SELECT Seq, Operacao, Tempo, UniTempo, Antecede FROM ArtOpera WHERE Artigo='" + artigo
                              + "' ORDER BY Seq");
    }
    QString definicoesDe(const QString& artigo)
    {
        return fixture.linhas("SELECT TComposi, TValoriz FROM Artigos WHERE Codigo='" + artigo + "'").value(0);
    }
    // Another tool's rule, written beside the program: the second operation of VEN-2 is refused.
    void recusaSegundaOperacaoDeVen2()
    {
        fixture.executaDirecto("CREATE TRIGGER recusa BEFORE INSERT ON ArtOpera WHEN NEW.Artigo='VEN-2' AND NEW.Seq=2 "
                               "BEGIN SELECT RAISE(ABORT, 'recusado'); END");
    }
};

} // namespace

TEST_F(CopiaComposicaoTest, EveryArticleBeginningWithTheSalesCodeGetsExactlyTheSourceRows)
{
    const QStringList composicaoP1 = composicaoDe("P1");
    const QStringList operacoesP1 = operacoesDe("P1");
    CopiaComposicao(fixture.bd()).Processa("P1", "VEN");
    // VEN itself, VEN-1, VEN-1-AZ, VEN-2 and VENX: every code that begins with it.
    for (const char* alvo : {"VEN", "VEN-1", "VEN-1-AZ", "VEN-2", "VENX"}) {
        SCOPED_TRACE(alvo);
        EXPECT_EQ(composicaoDe(alvo), composicaoP1);
        EXPECT_EQ(operacoesDe(alvo), operacoesP1);
        EXPECT_EQ(definicoesDe(alvo), "2|3");
    }
    // The old rows of VEN-2 (sequences 5 to 7) are gone, not kept beside the copy.
    EXPECT_FALSE(composicaoDe("VEN-2").join(',').contains("VELHA"));
    // Articles that do not begin with the code keep what they had.
    EXPECT_EQ(composicaoDe("OUTRO"), QStringList{"1|OUTRA|X|7|7|7"});
    EXPECT_EQ(definicoesDe("OUTRO"), "0|1");
    EXPECT_TRUE(operacoesDe("VE_1").isEmpty());
}

TEST_F(CopiaComposicaoTest, NothingIsCopiedWithoutSourceRowsOrTargets)
{
    CopiaComposicao copia(fixture.bd());
    copia.Processa("P1", "NADA");  // no article begins with it
    copia.Processa("P2", "VEN");   // the source has no operations
    copia.Processa("P1", "");      // an empty sales code would match every article
    copia.Processa("P1", "   ");
    copia.Processa("", "VEN");
    EXPECT_TRUE(composicaoDe("VEN").isEmpty());
    EXPECT_EQ(composicaoDe("VEN-2").size(), 3);
    EXPECT_EQ(composicaoDe("OUTRO").size(), 1);
}

TEST_F(CopiaComposicaoTest, WildcardsAndQuotesInTheSalesCodeMatchLiterally)
{
    CopiaComposicao copia(fixture.bd());
    copia.Processa("P1", "VE_!");
    EXPECT_EQ(composicaoDe("VE_!X").size(), 2);
    EXPECT_TRUE(composicaoDe("VE_1").isEmpty());
    copia.Processa("P1", "VE_");
    EXPECT_EQ(composicaoDe("VE_1").size(), 2);
    EXPECT_TRUE(composicaoDe("VEX1").isEmpty());
    EXPECT_TRUE(composicaoDe("VEN").isEmpty());

    for (const char* codigo : {"%", "[A-Z]", "V'", "!"})
        copia.Processa("P1", codigo);
    EXPECT_TRUE(composicaoDe("VEN").isEmpty());
    EXPECT_TRUE(composicaoDe("VEX1").isEmpty());
}

TEST_F(CopiaComposicaoTest, TheProductionArticleIsNotItsOwnTarget)
{
    const QStringList antes = composicaoDe("P1");
    CopiaComposicao(fixture.bd()).Processa("P1", "p");
    EXPECT_EQ(composicaoDe("P1"), antes);
    EXPECT_EQ(composicaoDe("P2"), antes);
}

// The ERP's rows carry columns the copier does not copy: a copy of the
// production article onto itself would put their defaults in its rows.
TEST_F(CopiaComposicaoTest, TheProductionArticleTypedInEitherCaseKeepsEveryColumnOfItsRows)
{
    for (const char* tabela : {"OperaFac", "ArtOpera"}) {
        fixture.executa(QStringLiteral("ALTER TABLE %1 ADD COLUMN Nota VARCHAR(10) DEFAULT ''").arg(tabela));
        fixture.executa(QStringLiteral("UPDATE %1 SET Nota='de P1' WHERE Artigo='P1'").arg(tabela));
    }
    const auto linhasDeP1 = [this] {
        return fixture.linhas("SELECT * FROM OperaFac WHERE Artigo='P1' ORDER BY Seq")
            + fixture.linhas("SELECT * FROM ArtOpera WHERE Artigo='P1' ORDER BY Seq")
            + fixture.linhas("SELECT * FROM Artigos WHERE Codigo='P1'");
    };
    const QStringList antes = linhasDeP1();
    const QStringList composicaoP1 = composicaoDe("P1");
    for (const auto& [producao, venda] : {std::pair("P1", "p"), std::pair("p1", "P")}) {
        SCOPED_TRACE(std::string(producao) + " to " + venda);
        int alvos = 0;
        CopiaComposicao(fixture.bd()).Processa(producao, venda, {[&](int n) { alvos = n; }, {}});
        EXPECT_EQ(alvos, 1) << "P2 alone";
        EXPECT_EQ(linhasDeP1(), antes);
        EXPECT_EQ(composicaoDe("P2"), composicaoP1);
    }
}

// The production article is told by the database's comparison: 'maße' is the
// article MASSE, which therefore is no target of "ma"; MAX1 is the only one.
TEST_F(CopiaComposicaoTest, TheProductionArticleIsNotItsOwnTargetHoweverItIsSpelled)
{
    for (const char* codigo : {"MASSE", "MAX1"})
        fixture.executa(QStringLiteral("insert into Artigos (Codigo, Nome) values ('%1', 'x')").arg(codigo));
    fixture.executa("insert into OperaFac (Artigo, Seq, Operacao, Factor, Quantida, TImputac, CustoTeo) "
                    "values ('MASSE', 1, 'LAVAR', 'ALG', 1, 1, 1)");
    fixture.executa("insert into ArtOpera (Artigo, Seq, Operacao, Tempo, UniTempo, Antecede) "
                    "values ('MASSE', 1, 'CORTAR', 5, 'MIN', '')");
    int alvos = 0;
    CopiaComposicao(fixture.bd()).Processa(u("maße"), "ma", {[&](int n) { alvos = n; }, {}});
    EXPECT_EQ(alvos, 1);
    EXPECT_EQ(composicaoDe("MAX1"), composicaoDe("MASSE"));
}

TEST_F(CopiaComposicaoTest, AFailureInsideATargetLeavesThatTargetAsItWas)
{
    recusaSegundaOperacaoDeVen2();
    const QStringList composicaoAntes = composicaoDe("VEN-2");
    const QStringList operacoesAntes = operacoesDe("VEN-2");
    EXPECT_ANY_THROW(CopiaComposicao(fixture.bd()).Processa("P1", "VEN"));

    EXPECT_EQ(composicaoDe("VEN-2"), composicaoAntes);
    EXPECT_EQ(operacoesDe("VEN-2"), operacoesAntes);
    EXPECT_EQ(definicoesDe("VEN-2"), "0|1");
    // Those copied before it stay copied.
    EXPECT_EQ(composicaoDe("VEN").size(), 2);
    EXPECT_EQ(operacoesDe("VEN-1").size(), 3);
}

TEST_F(CopiaComposicaoTest, EmptyingACompositionResetsTheArticlesSettings)
{
    CopiaComposicao copia(fixture.bd());
    copia.AnulaComposicao("P1");
    copia.AnulaArtOpera("P1");
    EXPECT_TRUE(composicaoDe("P1").isEmpty());
    EXPECT_TRUE(operacoesDe("P1").isEmpty());
    EXPECT_EQ(definicoesDe("P1"), "0|1");
}

// The screen: validation of its two fields, the copy with its bar, the reset.
class FrmComposicaoTest : public CopiaComposicaoTest {
protected:
    FrmComposicaoTest()
    {
        dialogos.aoMostrar = [this] {
            barra = ecra->PB->isVisible() ? QStringLiteral("%1..%2 at %3")
                                                .arg(ecra->PB->minimum())
                                                .arg(ecra->PB->maximum())
                                                .arg(ecra->PB->value())
                                          : QStringLiteral("hidden");
        };
        abreEcra();
    }

    QString barra;  // as the last message found it
};

TEST_F(FrmComposicaoTest, FieldsAcceptOnlyParentReferencesAndAProductionArticleWithBothSetsOfRows)
{
    const std::pair<const char*, QStringList> recusas[] = {
        {"VEN-1-AZ", {u("Artigo não existente!")}},
        {"P2", {u("O Artigo de Produção não tem ArtOpera!")}},
        {"VEN", {u("O Artigo de Produção não tem composição!"), u("O Artigo de Produção não tem ArtOpera!")}}};
    for (const auto& [codigo, mensagens] : recusas) {
        dialogos.mensagens.clear();
        escreveESai(0, codigo);
        EXPECT_EQ(dialogos.mensagens, mensagens) << codigo;
        EXPECT_EQ(ecra->campo(0).Text(), codigo) << "the text stays to be corrected";
        EXPECT_TRUE(ecra->Label2[0]->text().isEmpty()) << codigo;
        EXPECT_TRUE(temFoco(0)) << codigo;
    }

    dialogos.mensagens.clear();
    escreveESai(0, "P1");
    EXPECT_TRUE(dialogos.mensagens.isEmpty());
    EXPECT_EQ(ecra->Label2[0]->text(), "Nome de P1");
    EXPECT_TRUE(temFoco(1));
    escreveESai(1, "VEN");
    EXPECT_EQ(ecra->Label2[1]->text(), "Nome de VEN");
}

TEST_F(FrmComposicaoTest, TabGoesThroughTheFieldsThenTheButtonsThenTheListButtons)
{
    const QList<QWidget*> ordem{&ecra->campo(0), &ecra->campo(1), ecra->btConf,     ecra->btCancelar,
                                ecra->btSair,    ecra->btLista[0], ecra->btLista[1]};
    EXPECT_EQ(ordemTabulacao(ordem), ordem);
}

TEST_F(FrmComposicaoTest, ConfirmCopiesReportsAndEmptiesTheScreen)
{
    escreveESai(0, "P1");
    escreveESai(1, "VEN");
    ecra->btConf->click();
    EXPECT_EQ(dialogos.mensagens, QStringList{u("Tarefa concluída!")});
    EXPECT_EQ(barra, "0..5 at 5");
    EXPECT_EQ(composicaoDe("VENX").size(), 2);
    EXPECT_TRUE(ecra->campo(0).Text().isEmpty());
    EXPECT_TRUE(ecra->campo(1).Text().isEmpty());
    EXPECT_TRUE(ecra->Label2[0]->text().isEmpty());
    EXPECT_FALSE(ecra->PB->isVisible());
    EXPECT_TRUE(temFoco(0));
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
    ASSERT_EQ(dialogos.mensagens.size(), 1);
    EXPECT_TRUE(dialogos.mensagens[0].contains("recusado")) << dialogos.mensagens[0].toStdString();
    EXPECT_TRUE(dialogos.mensagens[0].contains(QStringLiteral("copiados antes do erro: %1 de 5.").arg(copiados)))
        << dialogos.mensagens[0].toStdString();
    EXPECT_EQ(ecra->campo(0).Text(), "P1");
    EXPECT_EQ(ecra->campo(1).Text(), "VEN");
}

// The bar shows while a copy runs, whether it ends well or not, and appears
// in room kept for it: the buttons stay where they are, the window as large.
TEST_F(FrmComposicaoTest, TheBarShowsOnlyDuringACopyFailedOrNotAndMovesNothing)
{
    const auto lugares = [this] {
        QStringList onde;
        for (const QWidget* w : {static_cast<QWidget*>(ecra.get()), static_cast<QWidget*>(ecra->btConf),
                                 static_cast<QWidget*>(ecra->btCancelar), static_cast<QWidget*>(ecra->btSair)})
            onde << QStringLiteral("%1,%2 %3x%4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height());
        return onde;
    };
    const QStringList antes = lugares();
    recusaSegundaOperacaoDeVen2();
    for (const char* venda : {"VEN", "OUTRO"}) {
        QStringList durante;
        dialogos.aoMostrar = [&] { durante = ecra->PB->isVisible() ? lugares() : QStringList{}; };
        escreveESai(0, "P1");
        escreveESai(1, venda);
        ecra->btConf->click();
        QApplication::processEvents();
        EXPECT_EQ(durante, antes) << venda << ": the bar shown as the copy ended, and nothing moved for it";
        EXPECT_FALSE(ecra->PB->isVisible()) << venda;
        EXPECT_EQ(lugares(), antes) << venda;
    }
    EXPECT_EQ(ecra->campo(0).Text(), "") << "the second copy went through";
}

TEST_F(FrmComposicaoTest, ConfirmWithAnEmptyCodeCopiesNothing)
{
    escreveESai(0, "P1");
    ecra->btConf->click();
    EXPECT_EQ(dialogos.mensagens, QStringList{u("Falta preencher campos")});
    EXPECT_TRUE(composicaoDe("VEN").isEmpty());
    EXPECT_EQ(ecra->campo(0).Text(), "P1");
    EXPECT_TRUE(temFoco(1));
}

TEST_F(FrmComposicaoTest, EscClosesTheScreenFromTheProductionFieldOnly)
{
    ecra->campo(1).setFocus();
    prime(Qt::Key_Escape);
    EXPECT_TRUE(ecra->isVisible());
    EXPECT_TRUE(dialogos.mensagens.isEmpty()) << "untouched: leaving it back runs no validation";

    prime(Qt::Key_Escape);
    EXPECT_FALSE(ecra->isVisible());
}
