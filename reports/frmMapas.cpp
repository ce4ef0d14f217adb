#include "reports/frmMapas.h"

#include "platform/grid/Grelha.h"
#include "platform/grid/PreviewSwitch.h"
#include "platform/grid/Visualizador.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/widgets/CursorOcupado.h"
#include "platform/widgets/GrupoOpcoes.h"
#include "platform/widgets/SeletorData.h"
#include "reports/CamposFamilia.h"
#include "reports/ImpressaoMapas.h"
#include "reports/MapaEncForn.h"
#include "reports/MapaRefCliente.h"
#include "reports/MapaRefTerceiro.h"
#include "reports/TitulosTamanho.h"
#include "shell/CampoValidado.h"
#include "shell/Tools.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QColor FundoEtiquetas(0xD5, 0xDE, 0xF2);  // &H00F2DED5
const QString LetraPainel = QStringLiteral("Verdana");

// Field index, maximum length, label index, label caption.
struct CampoPainel {
    int index;
    int comprimento;
    int etiqueta;
    const char* legenda;
};
// In the order of the panel's tab chain.
constexpr CampoPainel CamposPainel[] = {
    {0, 15, 3, "Referência"},    {3, 15, 6, "Ult.Referência"}, {1, 15, 1, "1º Cliente"},
    {2, 15, 2, "Últ.Cliente"},   {4, 6, 7, "1º Vendedor"},     {5, 6, 8, "Ult. Vendedor"},
    {6, 6, 9, "1º Grupo"},       {7, 6, 10, "Últ. Grupo"},     {8, 6, 13, "Grupo"},
    {9, 6, 12, "Família"},       {10, 6, 11, "Sub-Família"},   {11, 6, 14, "Forn."},
};
// Where each field sits in the panel's grid: row, first column.
constexpr int PosicaoCampo[12][2] = {
    {0, 0}, {2, 0}, {2, 4}, {1, 0}, {3, 0}, {3, 4}, {4, 0}, {4, 4}, {5, 0}, {5, 4}, {5, 8}, {6, 0},
};

QString texto(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

frmMapas::frmMapas(zav::CommonDialog& CommonDialog1, QWidget* parent)
    : EcraComOpcao(parent), CommonDialog1_(CommonDialog1)
{
    setWindowTitle(QStringLiteral("Encomendas/Referência"));
    constroiPainel();
    constroiBotoes();
    // Room for a matrix of a dozen sizes and its colours below the filter panel.
    resize(1000, 680);
    campos_ = new CamposValidados(*this, campo, CampoAlterado);
    QMap<int, QAbstractButton*> botoes;
    for (int i = 0; i < btLista.size(); ++i)
        botoes.insert(i, btLista[i]);
    campos_->liga(botoes);
}

frmMapas::~frmMapas() = default;

void frmMapas::constroiPainel()
{
    GroupBox1 = new QGroupBox(this);
    auto* grelhaPainel = new QGridLayout(GroupBox1);
    QFont verdana(LetraPainel);

    for (int i = 0; i <= 14; ++i) {
        auto* etiqueta = new QLabel(GroupBox1);
        etiqueta->setFont(verdana);
        etiqueta->setAutoFillBackground(true);
        QPalette cores = etiqueta->palette();
        cores.setColor(QPalette::Window, FundoEtiquetas);
        etiqueta->setPalette(cores);
        Label2 << etiqueta;
    }
    Label2[5]->setText(texto("1ª Data"));
    Label2[4]->setText(texto("Últ.Data"));
    grelhaPainel->addWidget(Label2[0], 0, 4, 1, 8);
    grelhaPainel->addWidget(Label2[5], 7, 0);
    grelhaPainel->addWidget(Label2[4], 7, 4);

    // The focus goes through the panel in the order its controls are made: the
    // fields, with the dates after the salesman range, then the list buttons,
    // the options and "&Carregar".
    for (const CampoPainel& def : CamposPainel) {
        auto* entrada = new zav::zav_input(def.index, GroupBox1);
        entrada->setMaxLength(def.comprimento);
        campo.add(entrada);
        Label2[def.etiqueta]->setText(texto(def.legenda));
        const int linha = PosicaoCampo[def.index][0];
        const int coluna = PosicaoCampo[def.index][1];
        grelhaPainel->addWidget(Label2[def.etiqueta], linha, coluna);
        grelhaPainel->addWidget(entrada, linha, coluna + 1);
        if (def.index == 5) {
            for (int i = 0; i < 2; ++i) {
                Data << new zav::SeletorData(GroupBox1);
                grelhaPainel->addWidget(Data[i], 7, 1 + 4 * i);
            }
        }
    }
    for (int i = 0; i <= 11; ++i) {
        auto* lista = BotaoEcra(QStringLiteral("..."), QString(), GroupBox1);
        lista->setFocusPolicy(Qt::TabFocus);
        grelhaPainel->addWidget(lista, PosicaoCampo[i][0], PosicaoCampo[i][1] + 2);
        btLista << lista;
    }
    // Group, family, sub-family and supplier are for the summary and detail maps only.
    for (int i : {8, 9, 10, 11})
        mostraSoEm({&campo(i), btLista[i]}, false);
    mostraSoEm({Label2[11], Label2[12], Label2[13], Label2[14]}, false);

    auto* opcoes = new QVBoxLayout;
    for (const char* legenda : {"Todas", "Pendentes", "Satisfeitas"}) {
        auto* opcao = new QRadioButton(texto(legenda), GroupBox1);
        opcao->setFont(verdana);
        opcoes->addWidget(opcao);
        Option1 << opcao;
    }
    zav::fazGrupoDeOpcoes(Option1);
    grelhaPainel->addLayout(opcoes, 0, 12, 4, 1);
    btCarga = BotaoEcra(QStringLiteral("&Carregar"), QStringLiteral("Carregar."), GroupBox1);
    grelhaPainel->addWidget(btCarga, 7, 12);
    connect(btCarga, &QPushButton::clicked, this, &frmMapas::btCarga_Click);
}

void frmMapas::constroiBotoes()
{
    Grelha = new zav::Grelha(this);
    Visualizador = new zav::Visualizador(this);
    Visualizador->hide();
    // The map's place keeps its room while no map shows, so that the filter
    // panel above stays at its own height.
    auto* lugarDoMapa = new QWidget(this);
    auto* area = new QGridLayout(lugarDoMapa);
    area->setContentsMargins(0, 0, 0, 0);
    area->addWidget(Grelha, 0, 0);
    area->addWidget(Visualizador, 0, 0);

    btCancelar = BotaoEcra(QStringLiteral("Ca&ncelar"), QStringLiteral("Cancelar."), this);
    btImp = BotaoEcra(QStringLiteral("&Imprimir"), QStringLiteral("Imprimir."), this);
    btExcel = BotaoEcra(QStringLiteral("&Excel"), QStringLiteral("Excel."), this);
    btExpandir = BotaoEcra(QStringLiteral("&Expandir"), QStringLiteral("Expandir."), this);
    btSair = BotaoEcra(QStringLiteral("&Sair"), texto("Abandonar a opção."), this);
    connect(btCancelar, &QPushButton::clicked, this, &frmMapas::btCancelar_Click);
    connect(btImp, &QPushButton::clicked, this, &frmMapas::btImp_Click);
    connect(btExcel, &QPushButton::clicked, this, &frmMapas::btExcel_Click);
    connect(btExpandir, &QPushButton::clicked, this, &frmMapas::btExpandir_Click);
    connect(btSair, &QPushButton::clicked, this, &frmMapas::btSair_Click);

    auto* fila = new QHBoxLayout;
    for (QPushButton* b : {btCancelar, btImp, btExcel, btExpandir})
        fila->addWidget(b);
    fila->addStretch();
    fila->addWidget(btSair);

    auto* ecra = new QVBoxLayout(this);
    ecra->addWidget(GroupBox1);
    ecra->addWidget(lugarDoMapa, 1);
    ecra->addLayout(fila);

    preview_ = std::make_unique<zav::PreviewSwitch>(*Grelha, *Visualizador, *btImp, QStringLiteral("&Grelha"),
                                                    QStringLiteral("&Imprimir"),
                                                    QList<QWidget*>{btCancelar, btExcel, btExpandir});
}

void frmMapas::Form_Load()
{
    TomaIconeDaJanelaPrincipal();
    campos_->setBd(bd);
    defineCampos();
    LimparForm();
    abreEm(seguinteNoTab(&campo(0)));
}

void frmMapas::mostraSoEm(const QList<QWidget*>& controlos, bool mostrar)
{
    for (QWidget* controlo : controlos)
        controlo->setVisible(mostrar);
}

void frmMapas::LimparForm()
{
    campo(0).setText(QString());
    campo(3).setText(QStringLiteral("zzzzzz"));
    campo(1).setText(QString());
    campo(2).setText(QStringLiteral("zzzzzzzz"));
    campo(4).setText(QString());
    campo(5).setText(QStringLiteral("zzzzzzzz"));
    campo(6).setText(QString());
    campo(7).setText(QStringLiteral("zzzzzzzz"));
    DescFamilia.clear();
    DescSubFamilia.clear();
    campo(8).setText(QString());
    campo(9).setText(QString());
    campo(10).setText(QString());
    Label2[0]->clear();

    const QDateTime agora = QDateTime::currentDateTime();
    Data[0]->setDateTime(agora.addMonths(-1));
    Data[1]->setDateTime(agora);

    Option1[1]->setChecked(true);

    Grelha->hide();
    btExcel->setEnabled(false);
    btExpandir->hide();

    const QList<QWidget*> intervaloReferencias{Label2[6], &campo(3), btLista[3]};
    const QList<QWidget*> intervaloGrupos{Label2[9], Label2[10], &campo(6), &campo(7), btLista[6], btLista[7]};
    const QList<QWidget*> familias{Label2[13], Label2[12], Label2[11], &campo(8), &campo(9), &campo(10),
                                   btLista[8], btLista[9], btLista[10]};
    const QList<QWidget*> fornecedor{btLista[11], &campo(11), Label2[14]};
    switch (iOpcao) {
    case 1:
        mostraSoEm(intervaloReferencias, false);
        setWindowTitle(QStringLiteral("Encomendas/Referência"));
        break;
    case 2:
    case 3:
        Label2[3]->setText(texto("1ªReferência"));
        setWindowTitle(iOpcao == 2 ? QStringLiteral("Encomendas Resumo") : QStringLiteral("Encomendas Detalhe"));
        mostraSoEm(intervaloGrupos, false);
        mostraSoEm(familias, true);
        if (iOpcao == 3)
            mostraSoEm(fornecedor, true);
        break;
    case 4:
        Label2[3]->setText(texto("1ªReferência"));
        setWindowTitle(texto("Referências/Cliente"));
        break;
    case 5:
        mostraSoEm(intervaloReferencias, false);
        setWindowTitle(texto("Referência/Cliente"));
        break;
    case 6:
        mostraSoEm(intervaloReferencias, false);
        setWindowTitle(QStringLiteral("Encomendas Fornecedor"));
        break;
    default:
        break;
    }
}

MapasSql::Filtros frmMapas::filtros() const
{
    MapasSql::Filtros f;
    f.referencia = campo(0).Text();
    f.ultimaReferencia = campo(3).Text();
    f.primeiroCliente = campo(1).Text();
    f.ultimoCliente = campo(2).Text();
    f.primeiroVendedor = campo(4).Text();
    f.ultimoVendedor = campo(5).Text();
    f.primeiroGrupo = campo(6).Text();
    f.ultimoGrupo = campo(7).Text();
    f.grupo = campo(8).Text();
    f.familia = campo(9).Text();
    f.subFamilia = campo(10).Text();
    f.fornecedor = campo(11).Text();
    f.primeiraData = Data[0]->dateTime();
    f.ultimaData = Data[1]->dateTime();
    f.base = MapasSql::baseDasOpcoes(Option1[0]->isChecked(), Option1[1]->isChecked());
    return f;
}

void frmMapas::btCarga_Click()
{
    // Mode 4 leaves "&Carregar" open under its preview: a load replaces the old pages too.
    if (preview_->previewShown())
        ImprimeGrelha();
    // Each mode's loader is called from here; a mode without one loads nothing.
    switch (iOpcao) {
    case 1:
        CarregaRefIndividual();
        break;
    case 2:
    case 3:
        CarregaResumo();
        break;
    case 4:
        CarregaRefTerceiro();
        break;
    case 5:
        CarregaRefIndividualCliente();
        break;
    case 6:
        CarregaEncomendasFornecedor();
        break;
    default:
        break;
    }
}

void frmMapas::btCancelar_Click()
{
    LimparForm();
    GroupBox1->setEnabled(true);
    campo(0).setFocus();
}

void frmMapas::btExcel_Click()
{
    Tools::ExportarExcel(*Grelha, CommonDialog1_);
}

void frmMapas::btExpandir_Click()
{
    if (btExpandir->text() == QStringLiteral("&Expandir")) {
        Grelha->expandAll();
        btExpandir->setText(QStringLiteral("&Colapsar"));
    } else {
        Grelha->collapseAll();
        btExpandir->setText(QStringLiteral("&Expandir"));
    }
}

void frmMapas::btImp_Click()
{
    if (btImp->text() == QStringLiteral("&Imprimir") && Grelha->isHidden())
        return;
    Grelha->expandAll();
    FormataPrintGrelha();
    ImprimeGrelha();
}

void frmMapas::btSair_Click()
{
    close();
}

ValoresMatriz frmMapas::valoresRefIndividual()
{
    return ValoresMatriz{};
}

void frmMapas::CarregaRefIndividual()
{
    carregaMatriz([](zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& f) {
                      return carregaMatrizReferencia(bd, f, valoresRefIndividual(), true);
                  },
                  0,
                  [](zav::Grelha& grelha, const MatrizCorTamanho& matriz, zav::Recordset& tamanhos) {
                      matriz.Act_Grelha_Campos(grelha, tamanhos);
                  });
}

void frmMapas::CarregaResumo()
{
    auto mapa = std::make_unique<MapaResumo>(*bd, iOpcao == 3 ? MapaResumo::Modo::Detalhe : MapaResumo::Modo::Resumo);
    const MapasSql::Filtros f = filtros();
    bool carregado = false;
    {
        const zav::CursorOcupado ocupado;
        carregado = mapa->CarregaResumo(f);
        if (carregado) {
            guardaCabecalho(f);
            resumo_ = std::move(mapa);
            GroupBox1->setEnabled(false);
            Act_Grelha(resumo_->NoTam());
            Grelha->setDataSource(resumo_->recordset());
            if (iOpcao == 2)
                resumo_->Act_Grelha_Campos_Resumo(*Grelha);
            else
                resumo_->Act_Grelha_Campos_Detalhe(*Grelha);
            Grelha->rebind();
            Grelha->show();
            btExcel->setEnabled(true);
        }
    }
    if (!carregado) {
        Tools::MostraMensagem(QString(), mapa->mensagem(), 2);
        escondeMapa();
        if (mapa->falha() == MapaResumo::Falha::SemInformacao)
            GroupBox1->setEnabled(true);
        return;
    }
    if (resumo_->linhasForaDasColunas() > 0)
        Tools::MostraMensagem(QString(), mensagemLinhasForaDasColunas(resumo_->linhasForaDasColunas()), 2);
}

void frmMapas::CarregaRefTerceiro()
{
    const MapasSql::Filtros f = filtros();
    zav::RecordsetPtr mapa;
    {
        const zav::CursorOcupado ocupado;
        mapa = MapaRefTerceiro::CarregaRefTerceiro(*bd, f);
        if (mapa) {
            guardaCabecalho(f);
            Act_Grelha(0);
            Grelha->setDataSource(mapa);
            MapaRefTerceiro::Act_Grelha_Campos_Terceiro(*Grelha);
            Grelha->rebind();
            Grelha->show();
            btExcel->setEnabled(true);
            btExpandir->show();
        }
    }
    if (!mapa) {
        Tools::MostraMensagem(QString(), MapasSql::SemInformacaoCondicoes, 2);
        escondeMapa();
    }
}

void frmMapas::CarregaRefIndividualCliente()
{
    carregaMatriz(MapaRefCliente::CarregaRefIndividualCliente, 1, MapaRefCliente::Act_Grelha_Campos_RefCliente);
}

void frmMapas::CarregaEncomendasFornecedor()
{
    carregaMatriz(MapaEncForn::CarregaEncomendasFornecedor, 0, MapaEncForn::Act_Grelha_Campos_EncForn);
}

void frmMapas::carregaMatriz(const CarregaMatriz& carrega, int NoTam, const ColunasMatriz& colunas)
{
    const MapasSql::Filtros f = filtros();
    CargaMatriz carga;
    {
        const zav::CursorOcupado ocupado;
        carga = carrega(*bd, f);
        if (carga.carregada()) {
            guardaCabecalho(f);
            mostraMatriz(carga, NoTam, colunas);
        }
    }
    if (!carga.carregada())
        avisaFalhaMatriz(carga);
}

void frmMapas::mostraMatriz(CargaMatriz& carga, int NoTam, const ColunasMatriz& colunas)
{
    matriz_ = std::move(carga.matriz);
    Act_Grelha(NoTam);
    Grelha->setDataSource(matriz_->partilhado());
    colunas(*Grelha, *matriz_, *carga.tamanhos);
    Grelha->rebind();
    Grelha->show();
    btExcel->setEnabled(true);
    GroupBox1->setEnabled(false);
    // The maps per customer and per supplier are grouped.
    if (iOpcao != 1) {
        btExpandir->show();
        btExpandir->setEnabled(true);
    }
}

void frmMapas::avisaFalhaMatriz(const CargaMatriz& carga)
{
    Tools::MostraMensagem(QString(), carga.mensagem(), 2);
    escondeMapa();
    // Nothing to show for criteria that can be changed: the panel is offered again.
    const bool semInformacao = carga.falha == CargaMatriz::Falha::SemInformacao;
    const bool semReferencia = carga.falha == CargaMatriz::Falha::ReferenciaNaoExiste && iOpcao != 1;
    if (semInformacao || semReferencia)
        GroupBox1->setEnabled(true);
}

// After a load that found no map nothing of the previous one stays to be
// exported under criteria that found nothing.
void frmMapas::escondeMapa()
{
    Grelha->hide();
    btExcel->setEnabled(false);
    btExpandir->hide();
}

void frmMapas::Act_Grelha(int NoTam)
{
    aplicaAspectoMatriz(*Grelha, iOpcao == 1 ? 300 : NoTam * 300);
}

void frmMapas::defineCampos()
{
    const auto referencias = [] {
        return QStringLiteral("SELECT Codigo as 'Código', Nome as 'Designação' FROM Artigos ")
            + QStringLiteral(" where TMHOR<>'' and TMVER<>'' and CodRef='' order by Codigo");
    };
    const QList<DefinicaoCampo::Coluna> estreita{{1500}, {3500}};
    const QList<DefinicaoCampo::Coluna> larga{{1500}, {4500}};
    using CamposFamilia::lista;

    DefinicaoCampo referencia = lista(texto("Referências"), referencias, 5500, estreita);
    campos_->define(3, referencia);
    referencia.sqlValidacao = [](const QString& codigo) {
        return QStringLiteral("Select *  from Artigos where Codigo='") + zav::SqlTexto(codigo) + QStringLiteral("'")
            + QStringLiteral(" and TmHor<>'' and TmVer<>'' and CodRef=''");
    };
    if (iOpcao == 1 || iOpcao == 5)
        referencia.aoEncontrar = [this](zav::Recordset& artigo) {
            Label2[0]->setText(artigo.Fields(QStringLiteral("Nome")).text());
        };
    if (iOpcao == 1) {
        referencia.mensagemNaoExiste = texto("Referência não existente!");
        referencia.limpaNaoExistente = false;
        referencia.aoNaoEncontrar = [this] { Label2[0]->clear(); };
    }
    campos_->define(0, referencia);

    const DefinicaoCampo clientes = lista(QStringLiteral("Clientes"), [] {
        return QStringLiteral("SELECT Codigo as 'Cliente', Nome as 'Nome' FROM Clientes order by Codigo");
    }, 6500, larga);
    campos_->define(1, clientes);
    campos_->define(2, clientes);

    const DefinicaoCampo vendedores = lista(QStringLiteral("Vendedores"), [] {
        return QStringLiteral("SELECT Codigo as 'Vendedor', Nome as 'Nome' FROM Vendedor order by Codigo");
    }, 6500, larga);
    campos_->define(4, vendedores);
    campos_->define(5, vendedores);

    campos_->define(6, CamposFamilia::listaGrupos());
    campos_->define(7, CamposFamilia::listaGrupos());
    campos_->define(8, CamposFamilia::grupo());
    campos_->define(9, CamposFamilia::familia(campo(8), DescFamilia));
    campos_->define(10, CamposFamilia::subFamilia(campo(8), campo(9), DescSubFamilia));

    DefinicaoCampo fornecedor = lista(QStringLiteral("Fornecedores"), [] {
        return QStringLiteral("SELECT Codigo as 'Fornecedor', Nome as 'Nome' FROM Fornec order by Codigo");
    }, 6500, larga);
    fornecedor.sqlValidacao = [](const QString& codigo) {
        return QStringLiteral("SELECT * FROM Fornec where Codigo='") + zav::SqlTexto(codigo) + QStringLiteral("' ");
    };
    fornecedor.mensagemNaoExiste = texto("Fornecedor não existente!");
    campos_->define(11, fornecedor);
}

// Mode 4 leaves the filters open while its map shows: the header names the
// criteria of the map on screen, not what was typed since.
void frmMapas::guardaCabecalho(const MapasSql::Filtros& f)
{
    cabecalhoDaCarga_ = ImpressaoMapas::cabecalho(iOpcao, f, DescFamilia, DescSubFamilia);
}

void frmMapas::FormataPrintGrelha()
{
    ImpressaoMapas::formata(Grelha->printSettings(), cabecalhoDaCarga_, QDateTime::currentDateTime());
}

void frmMapas::ImprimeGrelha()
{
    preview_->toggle();
}
