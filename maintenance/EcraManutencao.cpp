#include "maintenance/EcraManutencao.h"

#include "platform/data/Transacao.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/widgets/CursorOcupado.h"
#include "platform/widgets/Seams.h"
#include "shell/FalhaNaoTratada.h"
#include "shell/Tools.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

DefinicaoCampo definicaoChave(const QString& tituloLista, std::function<QString()> sqlLista,
                              std::function<QString(const QString&)> sqlValidacao, const QString& naoExiste,
                              int larguraLista, QList<DefinicaoCampo::Coluna> colunas)
{
    DefinicaoCampo definicao;
    definicao.tituloLista = tituloLista;
    definicao.sqlLista = std::move(sqlLista);
    definicao.larguraLista = larguraLista;
    definicao.colunasLista = std::move(colunas);
    definicao.sqlValidacao = std::move(sqlValidacao);
    definicao.mensagemNaoExiste = naoExiste;
    return definicao;
}

EscolhasCampos TabelaManutencao::escolhasDoCiclo()
{
    EscolhasCampos escolhas;
    escolhas.validaSoAlterado = false;
    escolhas.tipoMensagemVazio = 2;
    escolhas.mensagemVazio = u("Campo obrigatório!");
    escolhas.escFechaDeQualquerCampo = true;
    escolhas.escolhaMarcaAlteracao = true;
    return escolhas;
}

EcraManutencao::EcraManutencao(QWidget* parent) : EcraComOpcao(parent) {}

EcraManutencao::~EcraManutencao() = default;

void EcraManutencao::monta(TabelaManutencao tabela, QWidget* areaValores, const QList<QWidget*>& ordemValores)
{
    tabela_ = std::move(tabela);
    setWindowTitle(tabela_.titulo);
    montaChave();
    montaBotoes();
    auto* ecra = new QVBoxLayout(this);
    ecra->addWidget(GroupBox2);
    if (areaValores)
        ecra->addWidget(areaValores, 1);
    auto* fila = new QHBoxLayout;
    fila->addWidget(btConf);
    fila->addWidget(btCancelar);
    fila->addWidget(btAnular);
    fila->addStretch();
    fila->addWidget(btSair);
    ecra->addLayout(fila);

    QList<QWidget*> ordem;
    for (const CampoChave& c : tabela_.chave)
        ordem << &campo(c.index);
    ordem << ordemValores;
    for (const CampoChave& c : tabela_.chave)
        ordem << btLista[c.index];
    ordem << btSair << btConf << btCancelar << btAnular;
    ordenaTabulacao(ordem);
}

void EcraManutencao::ordenaTabulacao(const QList<QWidget*>& ordem)
{
    for (int i = 1; i < ordem.size(); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
}

void EcraManutencao::montaChave()
{
    GroupBox2 = new QGroupBox(this);
    auto* grelha = new QGridLayout(GroupBox2);
    campos_ = new CamposValidados(*this, campo, CampoAlterado, tabela_.escolhas);
    QMap<int, QAbstractButton*> botoes;
    int linha = 0;
    for (const CampoChave& c : tabela_.chave) {
        auto* legenda = new QLabel(c.legenda, GroupBox2);
        auto* entrada = new zav::zav_input(c.index, GroupBox2);
        entrada->setMaxLength(c.comprimento);
        campo.add(entrada);
        auto* descricao = new QLabel(GroupBox2);
        descricao->setMinimumWidth(200);
        Label2.insert(c.etiqueta, legenda);
        Dsc.insert(c.index, descricao);
        grelha->addWidget(legenda, linha, 0);
        grelha->addWidget(entrada, linha, 1);
        auto* lista = BotaoEcra(QStringLiteral("..."), QString(), GroupBox2);
        lista->setFocusPolicy(Qt::TabFocus);
        btLista.insert(c.index, lista);
        botoes.insert(c.index, lista);
        grelha->addWidget(lista, linha, 2);
        grelha->addWidget(descricao, linha, 3);
        ++linha;

        // The cycle's part of every key check: the description beside the
        // code, and the record once the key is complete.
        DefinicaoCampo definicao = c.definicao;
        definicao.limpaNaoExistente = c.limpaNaoExistente;
        const int index = c.index;
        const QString coluna = c.colunaDescricao;
        definicao.aoEncontrar = [this, index, coluna, proprio = c.definicao.aoEncontrar](zav::Recordset& encontrado) {
            Dsc[index]->setText(encontrado.Fields(coluna).text());
            if (proprio)
                proprio(encontrado);
            chaveValidada(index);
        };
        definicao.aoNaoEncontrar = [this, index, limpa = c.limpaNaoExistente, proprio = c.definicao.aoNaoEncontrar] {
            // A field that wipes a refused code wipes the blanks of an empty one too.
            if (limpa)
                campo(index).setText(QString());
            Dsc[index]->clear();
            if (proprio)
                proprio();
        };
        campos_->define(index, std::move(definicao));
    }
    grelha->setColumnStretch(3, 1);
    campos_->liga(botoes);
}

void EcraManutencao::montaBotoes()
{
    btConf = BotaoEcra(QStringLiteral("&Confirmar"), tabela_.dicaConfirmar, this);
    btCancelar = BotaoSemValidacao(QStringLiteral("Ca&ncelar"), QStringLiteral("Cancelar."), this);
    btAnular = BotaoEcra(QStringLiteral("&Anular"), QStringLiteral("Anular."), this);
    btSair = BotaoSemValidacao(QStringLiteral("&Sair"), u("Abandonar a opção."), this);
    connect(btConf, &QPushButton::clicked, this, &EcraManutencao::btConf_Click);
    connect(btCancelar, &QPushButton::clicked, this, &EcraManutencao::btCancelar_Click);
    connect(btAnular, &QPushButton::clicked, this, &EcraManutencao::btAnular_Click);
    connect(btSair, &QPushButton::clicked, this, &EcraManutencao::btSair_Click);
}

void EcraManutencao::Form_Load()
{
    TomaIconeDaJanelaPrincipal();
    campos_->setBd(bd);
    LimparForm();
    for (const CampoChave& c : tabela_.chave) {
        campo(c.index).setText(QString());
        Dsc[c.index]->clear();
    }
    aoAbrir();
    if (!tabela_.chave.isEmpty())
        campo(tabela_.chave.first().index).setFocus();
}

void EcraManutencao::chaveValidada(int)
{
    if (tabela_.limpaAoValidar)
        LimparForm();
    for (const CampoChave& c : tabela_.chave)
        if (campo(c.index).Text().isEmpty())
            return;
    carrega();
}

void EcraManutencao::carrega()
{
    if (tabela_.bloqueio == BloqueioChave::AntesDeCarregar)
        bloqueiaChave(true);
    {
        const zav::CursorOcupado ocupado;
        CarregaValores();
    }
    if (tabela_.bloqueio == BloqueioChave::DepoisDeCarregar)
        bloqueiaChave(true);
    carregado_ = true;
}

void EcraManutencao::bloqueiaChave(bool bloqueia)
{
    QList<QWidget*> controlos;
    for (const CampoChave& c : tabela_.chave)
        controlos << &campo(c.index) << btLista[c.index];
    activa(controlos, !bloqueia);
}

void EcraManutencao::activa(const QList<QWidget*>& controlos, bool activos)
{
    QWidget* foco = QApplication::focusWidget();
    for (QWidget* controlo : controlos)
        controlo->setEnabled(activos);
    // A control switched off gives the focus up to the next control in the tab
    // order, as the key completed by Tab would have moved it.
    if (foco && !foco->isEnabled())
        passaFocoAdiante(foco);
}

void EcraManutencao::passaFocoAdiante(QWidget* de)
{
    for (QWidget* w = de->nextInFocusChain(); w && w != de; w = w->nextInFocusChain()) {
        if (w->window() == this && w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool EcraManutencao::PodeConfirmar()
{
    if (carregado_)
        return true;
    Tools::MostraMensagem(QString(), QStringLiteral("Falta preencher campos"), 2);
    if (!tabela_.chave.isEmpty())
        campo(tabela_.chave.first().index).setFocus();
    return false;
}

void EcraManutencao::btConf_Click()
{
    if (!PodeConfirmar())
        return;
    if (escreve([this] { GravaRegisto(); }))
        reinicia();
}

void EcraManutencao::btAnular_Click()
{
    const QString pergunta = u("Vai proceder à anulação.") + QChar(10) + QChar(13) + QStringLiteral("Pretende continuar?");
    if (Tools::MostraMensagem(QString(), pergunta, 3) == zav::vbCancel)
        return;
    const auto anula = [this] {
        for (const QString& sql : Anulacoes())
            bd->ExecutaSQL(QString(), sql);
    };
    if (escreve(anula))
        reinicia();
}

bool EcraManutencao::escreve(const std::function<void()>& escrita)
{
    // A failure (a busy or full database) takes the writes back and leaves the
    // screen as the user left it, to try again.
    return FalhaNaoTratada::TentaEscrita([&] {
        const zav::CursorOcupado ocupado;
        zav::Transacao transacao(*bd);
        escrita();
        transacao.Confirma();
    });
}

void EcraManutencao::btCancelar_Click()
{
    reinicia();
}

void EcraManutencao::btSair_Click()
{
    close();
}

void EcraManutencao::reinicia()
{
    LimparForm();
    bloqueiaChave(false);
    for (const CampoChave& c : tabela_.chave) {
        campo(c.index).setText(QString());
        Dsc[c.index]->clear();
    }
    carregado_ = false;
    if (!tabela_.chave.isEmpty())
        campo(tabela_.chave.first().index).setFocus();
}
