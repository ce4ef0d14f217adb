#include "maintenance/GrelhaIdiomas.h"

#include "maintenance/ManutencaoSql.h"
#include "platform/data/ErpText.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/GrelhaEditavel.h"
#include "platform/widgets/ListaPesquisa.h"
#include "shell/Tools.h"

#include <QFont>
#include <QTableView>
#include <algorithm>

namespace {

constexpr int TeclaEsc = 27;
constexpr int TeclaEsquerda = 37;

} // namespace

GrelhaIdiomas::GrelhaIdiomas(QWidget& ecra, zav::GrelhaEditavel& GridTC, bool& campoAlterado)
    : QObject(&ecra), ecra_(ecra), GridTC_(GridTC), campoAlterado_(campoAlterado)
{
    GridTC_.setToolTip(QStringLiteral("Lista."));
    connect(&GridTC_, &zav::GrelhaEditavel::Tecla, this, &GrelhaIdiomas::GridTC_Tecla);
    connect(&GridTC_, &zav::GrelhaEditavel::TeclaEdicao, this, &GrelhaIdiomas::GridTC_TeclaEdicao);
    connect(&GridTC_, &zav::GrelhaEditavel::ValidaCelula, this, &GrelhaIdiomas::GridTC_ValidaCelula);
    connect(&GridTC_, &zav::GrelhaEditavel::EdicaoTerminada, this, &GrelhaIdiomas::GridTC_RevalidaIdioma);
    connect(&GridTC_, &zav::GrelhaEditavel::AnulaLinha, this, &GrelhaIdiomas::GridTC_AnulaLinha);
    connect(&GridTC_, &zav::GrelhaEditavel::BotaoCelula, this, &GrelhaIdiomas::GridTC_BotaoCelula);
    connect(&GridTC_, &zav::GrelhaEditavel::CelulaMudou, this, &GrelhaIdiomas::GridTC_AcrescentaLinha);
}

void GrelhaIdiomas::LimparForm()
{
    GridTC_.setComportamentoEnter(zav::GrelhaEditavel::ProximaCelula);
    GridTC_.setComportamentoTab(zav::GrelhaEditavel::ProximaCelula);
    GridTC_.setLinhas(LinhasIniciais);
    QFont letra(QStringLiteral("Verdana"));
    letra.setPointSize(8);
    GridTC_.setLetra(letra);
    GridTC_.defineColunas({
        {QStringLiteral("Idioma"), QStringLiteral("Idioma"), 1500, ComprimentoIdioma, true},
        {QStringLiteral("Descr"), QString::fromUtf8("Designação"), 7150, comprimentoDescricao_, false},
    });
    GridTC_.setCelulaActual(0, ColunaIdioma);
    IdiomasAnulados = QStringList{QString()};
}

void GrelhaIdiomas::Carrega(const QString& sql)
{
    const zav::RecordsetPtr rs = bd_->AbreRecordset(QString(), sql);
    for (int r = 0; !rs->Eof(); ++r) {
        GridTC_.setValor(r, ColunaIdioma, rs->Fields(0).text());
        GridTC_.setValor(r, ColunaDescricao, rs->Fields(1).text());
        if (r + 1 >= GridTC_.linhas() - 1)
            GridTC_.acrescentaLinha();
        rs->MoveNext();
    }
    rs->close();
}

void GrelhaIdiomas::Grava(const std::function<void(const QString&, const QString&)>& grava,
                          const std::function<void(const QString&)>& anula) const
{
    QStringList escritos;
    for (int r = 0; r < GridTC_.linhas(); ++r) {
        const QString idioma = GridTC_.valor(r, ColunaIdioma);
        const QString descricao = GridTC_.valor(r, ColunaDescricao);
        if (idioma.isEmpty() || descricao.isEmpty())
            continue;
        grava(idioma, descricao);
        escritos << idioma;
    }
    // A deleted language typed again on another line was just written (the
    // same language to the database, whatever its case): deleting it now
    // would lose the description the user gave it.
    for (int i = 1; i < IdiomasAnulados.size(); ++i) {
        const QString& anulado = IdiomasAnulados[i];
        if (std::none_of(escritos.cbegin(), escritos.cend(),
                         [&](const QString& escrito) { return zav::erptext::equal(escrito, anulado); }))
            anula(anulado);
    }
}

void GrelhaIdiomas::GridTC_Tecla(int& KeyCode, Qt::KeyboardModifiers)
{
    campoAlterado_ = true;
    if (KeyCode == TeclaEsc) {
        KeyCode = 0;
        campoAlterado_ = false;
    }
    if (KeyCode == TeclaEsquerda)
        campoAlterado_ = false;
}

void GrelhaIdiomas::GridTC_TeclaEdicao(int, int, int& KeyCode, Qt::KeyboardModifiers shift)
{
    GridTC_Tecla(KeyCode, shift);
}

void GrelhaIdiomas::GridTC_ValidaCelula(int, int Col, const QString& Value, bool& Cancel)
{
    GridTC_.setModoEdicao(false);
    if (Col == ColunaIdioma && campoAlterado_) {
        const QString texto = GridTC_.textoActual();
        if (texto.trimmed().isEmpty()) {
            Tools::MostraMensagem(QStringLiteral("Idioma"), QString(), 1);
            Cancel = true;
            GridTC_.setTextoActual(Value);
            GridTC_.setModoEdicao(false);
        } else {
            const zav::RecordsetPtr rs = bd_->AbreRecordset(QString(), IdiomasSql::valida(texto));
            if (rs->RecordCount() >= 1) {
                Cancel = false;
            } else {
                Tools::MostraMensagem(QString(), QString::fromUtf8("Idioma não existente!"), 2);
                Cancel = true;
                GridTC_.setModoEdicao(false);
                GridTC_.setTextoActual(Value);
            }
            rs->close();
        }
    }
    campoAlterado_ = false;
}

void GrelhaIdiomas::GridTC_RevalidaIdioma(int Row, int Col)
{
    if (Col != ColunaIdioma)
        return;
    bool cancel = false;
    GridTC_ValidaCelula(Row, Col, GridTC_.textoActual(), cancel);
}

void GrelhaIdiomas::GridTC_AnulaLinha()
{
    IdiomasAnulados << GridTC_.valor(GridTC_.linhaActual(), ColunaIdioma);
}

void GrelhaIdiomas::GridTC_BotaoCelula(int, int Col)
{
    if (Col != ColunaIdioma)
        return;
    zav::ListaPesquisa lista;
    lista.Ligacao = bd_->GetLigacao();
    lista.Titulo = QStringLiteral("Idiomas");
    lista.SQL = IdiomasSql::lista();
    lista.Largura = 6000;
    lista.Carrega();
    lista.Colunas(1, 1200);
    lista.Colunas(2, 4000);
    const QString escolha = lista.Mostra(&ecra_);
    if (!escolha.trimmed().isEmpty()) {
        GridTC_.setValorActual(escolha);
        GridTC_.setModoEdicao(true);
        campoAlterado_ = true;
        Tools::EnviaTeclas(QStringLiteral("{TAB}"));
    } else {
        GridTC_.setModoEdicao(true);
    }
    GridTC_.vista()->viewport()->update();
}

void GrelhaIdiomas::GridTC_AcrescentaLinha()
{
    // The user can always move below the last line.
    if (GridTC_.linhaActual() + 1 > GridTC_.linhas() - 1)
        GridTC_.acrescentaLinha();
}
