#include "maintenance/frmComposicao.h"

#include "maintenance/CopiaComposicao.h"
#include "platform/data/Recordset.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/widgets/CursorOcupado.h"
#include "shell/CampoValidado.h"
#include "shell/FalhaNaoTratada.h"
#include "shell/Tools.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum { ArtigoProducao = 0, ArtigoVenda = 1 };
constexpr int ComprimentoCodigo = 15;

} // namespace

frmComposicao::frmComposicao(QWidget* parent) : Ecra(parent)
{
    setWindowTitle(QStringLiteral("Copiar Composições"));
    auto* grelha = new QGridLayout;
    const QStringList legendas{QStringLiteral("Artigo de Produção"), QStringLiteral("Artigo de Venda")};
    // The focus goes through the fields, then the buttons, then the list buttons:
    // the order in which they are made.
    for (int i : {ArtigoProducao, ArtigoVenda}) {
        grelha->addWidget(new QLabel(legendas[i], this), i, 0);
        auto* entrada = new zav::zav_input(i, this);
        entrada->setMaxLength(ComprimentoCodigo);
        campo.add(entrada);
        grelha->addWidget(entrada, i, 1);
        auto* nome = new QLabel(this);
        nome->setMinimumWidth(260);
        Label2 << nome;
        grelha->addWidget(nome, i, 3);
    }
    PB = new QProgressBar(this);
    PB->setTextVisible(false);
    // Hidden but for a copy, the bar keeps its room: showing it moves nothing.
    QSizePolicy lugarDaBarra = PB->sizePolicy();
    lugarDaBarra.setRetainSizeWhenHidden(true);
    PB->setSizePolicy(lugarDaBarra);

    btConf = BotaoEcra(QStringLiteral("&Confirmar"), QStringLiteral("Confirmar a operação."), this);
    btCancelar = BotaoSemValidacao(QStringLiteral("Ca&ncelar"), QStringLiteral("Cancelar."), this);
    btSair = BotaoSemValidacao(QStringLiteral("&Sair"), QStringLiteral("Abandonar a opção."), this);
    for (int i : {ArtigoProducao, ArtigoVenda}) {
        auto* lista = BotaoEcra(QStringLiteral("..."), QStringLiteral("Lista de Referências."), this);
        lista->setFocusPolicy(Qt::TabFocus);
        btLista << lista;
        grelha->addWidget(lista, i, 2);
    }
    connect(btConf, &QPushButton::clicked, this, &frmComposicao::btConf_Click);
    connect(btCancelar, &QPushButton::clicked, this, &frmComposicao::btCancelar_Click);
    connect(btSair, &QPushButton::clicked, this, &frmComposicao::btSair_Click);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(btConf);
    botoes->addWidget(btCancelar);
    botoes->addStretch();
    botoes->addWidget(btSair);
    auto* ecra = new QVBoxLayout(this);
    ecra->addLayout(grelha);
    ecra->addWidget(PB);
    ecra->addStretch();
    ecra->addLayout(botoes);

    EscolhasCampos escolhas;
    escolhas.primeiroCampo = ArtigoProducao;
    campos_ = new CamposValidados(*this, campo, CampoAlterado, escolhas);
    campos_->liga({{ArtigoProducao, btLista[ArtigoProducao]}, {ArtigoVenda, btLista[ArtigoVenda]}});
}

void frmComposicao::Form_Load()
{
    TomaIconeDaJanelaPrincipal();
    campos_->setBd(bd);
    defineCampos();
    LimparForm();
}

void frmComposicao::defineCampos()
{
    for (int i : {ArtigoProducao, ArtigoVenda}) {
        DefinicaoCampo artigo;
        artigo.tituloLista = QStringLiteral("Artigos");
        artigo.sqlLista = [] {
            return QStringLiteral("SELECT Codigo as 'Código', Nome as 'Designação' FROM Artigos ") +
                   QStringLiteral(" where  CodRef='' order by Codigo");
        };
        artigo.larguraLista = 5500;
        artigo.colunasLista = {{1500}, {3500}};
        artigo.sqlValidacao = [](const QString& texto) {
            return "Select *  from Artigos where Codigo='" + zav::SqlTexto(texto) + "'" + " and CodRef=''";
        };
        artigo.mensagemNaoExiste = QStringLiteral("Artigo não existente!");
        artigo.limpaNaoExistente = false;
        artigo.aoNaoEncontrar = [this, i] { Label2[i]->clear(); };
        artigo.aoEncontrar = [this, i](zav::Recordset& encontrado) {
            Label2[i]->setText(encontrado.Fields(QStringLiteral("Nome")).text());
        };
        if (i == ArtigoProducao) {
            // A production article is only worth copying with both its composition and its
            // operations; the user is told of each that is missing.
            artigo.aceitaEncontrado = [this](zav::Recordset&) {
                CopiaComposicao copia(*bd);
                const QString codigo = campo(ArtigoProducao).Text();
                bool temComposicao = false;
                copia.LerComposicao(codigo, temComposicao);
                if (!temComposicao) {
                    Tools::MostraMensagem(QString(), QStringLiteral("O Artigo de Produção não tem composição!"), 2);
                    Label2[ArtigoProducao]->clear();
                }
                bool temOperacoes = false;
                copia.LerArtOpera(codigo, temOperacoes);
                if (!temOperacoes) {
                    Tools::MostraMensagem(QString(), QStringLiteral("O Artigo de Produção não tem ArtOpera!"), 2);
                    Label2[ArtigoProducao]->clear();
                }
                return temComposicao && temOperacoes;
            };
        }
        campos_->define(i, artigo);
    }
}

void frmComposicao::LimparForm()
{
    for (int i : {ArtigoProducao, ArtigoVenda}) {
        campo(i).setText(QString());
        Label2[i]->clear();
    }
    PB->hide();
}

void frmComposicao::btConf_Click()
{
    // An empty code would copy nothing (production) or onto every article of the ERP (sales).
    if (campo(ArtigoProducao).Text().trimmed().isEmpty() || campo(ArtigoVenda).Text().trimmed().isEmpty()) {
        Tools::MostraMensagem(QString(), QStringLiteral("Falta preencher campos"), 2);
        campo(campo(ArtigoProducao).Text().trimmed().isEmpty() ? ArtigoProducao : ArtigoVenda).setFocus();
        return;
    }
    // A failure stops the copy at the target it was on, which is left as it
    // was: the user is told how far it got and keeps both codes to try again.
    const auto ateAoErro = [this] {
        return QStringLiteral("Artigos copiados antes do erro: %1 de %2.").arg(copiados_).arg(alvos_);
    };
    if (!FalhaNaoTratada::TentaEscrita([this] { Processa(); }, ateAoErro)) {
        PB->hide();
        return;
    }
    Tools::MostraMensagem(QString(), QStringLiteral("Tarefa concluída!"), 2);
    btCancelar_Click();
}

void frmComposicao::Processa()
{
    const zav::CursorOcupado ocupado;
    alvos_ = copiados_ = 0;
    CopiaComposicao::Progresso progresso;
    progresso.inicio = [this](int alvos) {
        alvos_ = alvos;
        PB->setRange(0, alvos);
        PB->setValue(0);
        PB->show();
    };
    // The copy holds the user-interface thread; the bar paints itself as it advances.
    progresso.avanca = [this] {
        PB->setValue(++copiados_);
        PB->repaint();
    };
    CopiaComposicao(*bd).Processa(campo(ArtigoProducao).Text(), campo(ArtigoVenda).Text(), progresso);
}

void frmComposicao::btCancelar_Click()
{
    LimparForm();
    campo(ArtigoProducao).setFocus();
}

void frmComposicao::btSair_Click()
{
    close();
}
