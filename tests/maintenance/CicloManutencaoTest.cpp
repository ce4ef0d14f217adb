// The maintenance cycle's choices that the screens of this folder do not all
// make: a key field without a list, a missing code wiped, a key the screen
// locks itself, Esc from the first field only, no delete, a report after confirm.

#include "FixtureManutencao.h"

#include "maintenance/EcraManutencao.h"
#include "platform/data/zavCoreDataAccess2016.h"

#include <QLabel>
#include <QPushButton>

using namespace manutencao;

namespace {

// Keeps one description of a free-table-2 code, in zav_TabLiv02 under language "XX";
// locks its key only when a description is stored.
class EcraDeTeste : public EcraManutencao {
public:
    EcraDeTeste()
    {
        DefinicaoCampo codigo;
        codigo.sqlValidacao = [](const QString& texto) {
            return QStringLiteral("SELECT Descr FROM TabLiv02 where Chave='") + zav::SqlTexto(texto)
                + QStringLiteral("'");
        };
        codigo.mensagemNaoExiste = QStringLiteral("Nada");
        TabelaManutencao tabela;
        tabela.titulo = QStringLiteral("Teste");
        CampoChave chave{0, 0, QStringLiteral("Chave"), 4, codigo, QStringLiteral("Descr")};
        chave.temLista = false;
        chave.limpaNaoExistente = true;
        tabela.chave = {chave};
        tabela.bloqueio = BloqueioChave::PeloEcra;
        tabela.escolhas.escFechaDeQualquerCampo = false;
        auto* valor = new zav::zav_input(1, this);
        campo.add(valor);
        monta(tabela, valor, {valor});
    }

protected:
    void LimparForm() override { campo(1).setText(QString()); }
    void CarregaValores() override
    {
        const zav::RecordsetPtr rs =
            bd->AbreRecordset(QString(), QStringLiteral("select Descr from zav_TabLiv02 where Chave='")
                                             + zav::SqlTexto(chave(0)) + QStringLiteral("' and Idioma='XX'"));
        if (rs->RecordCount() > 0) {
            campo(1).setText(rs->Fields(0).text());
            bloqueiaChave(true);
        }
    }
    void GravaRegisto() override
    {
        const zav::RecordsetPtr rs = bd->AbreRecordsetEdicao(
            QStringLiteral("Select * from zav_TabLiv02 where Chave='") + zav::SqlTexto(chave(0))
            + QStringLiteral("' and Idioma='XX'"));
        if (rs->RecordCount() == 0)
            rs->AddNew();
        rs->Fields(QStringLiteral("Chave")) = chave(0);
        rs->Fields(QStringLiteral("Idioma")) = QStringLiteral("XX");
        rs->Fields(QStringLiteral("Descr")) = campo(1).Text();
        rs->Update();
    }
    QStringList Anulacoes() const override { return {}; }
};

class CicloManutencaoTest : public ::testing::Test {
protected:
    CicloManutencaoTest() : ecra(abre<EcraDeTeste>(fixture.bd())) {}

    void escreve(int index, const QString& texto)
    {
        ecra->campo(index).setFocus();
        QApplication::processEvents();
        QTest::keyClicks(ecra->campo(index).editor(), texto);
    }

    FixtureManutencao fixture;
    Dialogos dialogos;
    std::unique_ptr<EcraDeTeste> ecra;
};

} // namespace

TEST_F(CicloManutencaoTest, AKeyWithoutListAndAWipedMissingCode)
{
    EXPECT_FALSE(ecra->btLista.contains(0));
    escreve(0, "ZZ");
    prime(Qt::Key_Tab);
    EXPECT_EQ(dialogos.mensagens, QStringList{"Nada"});
    EXPECT_EQ(ecra->campo(0).Text(), "");
}

TEST_F(CicloManutencaoTest, TheScreenLocksTheKeyOnlyWhenItFindsAStoredRecord)
{
    escreve(0, "T1");
    prime(Qt::Key_Tab);
    EXPECT_EQ(ecra->Dsc[0]->text(), "Tipo Um");
    EXPECT_TRUE(ecra->campo(0).isEnabled()) << "a new record keeps its key open";
    EXPECT_TRUE(ecra->campo(1).editor()->hasFocus());
    QTest::keyClicks(ecra->campo(1).editor(), "Novo");
    ecra->btConf_Click();
    EXPECT_EQ(fixture.linhas("select Chave, Descr from zav_TabLiv02"), QStringList{"T1|Novo"});

    escreve(0, "T1");
    prime(Qt::Key_Tab);
    EXPECT_FALSE(ecra->campo(0).isEnabled());
    EXPECT_EQ(ecra->campo(1).Text(), "Novo");
    EXPECT_TRUE(ecra->campo(1).editor()->hasFocus()) << "the locked key hands the focus on";
}

TEST_F(CicloManutencaoTest, EscFromTheValueFieldOnlyStepsBackWhenTheTableSaysSo)
{
    escreve(1, "x");
    prime(Qt::Key_Escape);
    EXPECT_TRUE(ecra->isVisible());
    EXPECT_TRUE(ecra->campo(0).editor()->hasFocus());
    prime(Qt::Key_Escape);
    EXPECT_FALSE(ecra->isVisible());
}
