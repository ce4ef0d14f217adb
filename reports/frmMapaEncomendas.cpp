#include "reports/frmMapaEncomendas.h"

#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/Grelha.h"
#include "platform/grid/PreviewSwitch.h"
#include "platform/grid/Visualizador.h"
#include "platform/widgets/CursorOcupado.h"
#include "reports/CamposFamilia.h"
#include "reports/ImpressaoEncomenda.h"
#include "reports/MatrizCorTamanho.h"
#include "reports/TitulosTamanho.h"
#include "shell/CampoValidado.h"
#include "shell/Tools.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString SemInformacao = QStringLiteral("Não existe informação para as condições selecionadas!");

// A key or filter field: index, caption, tip, maximum length, numbers only.
struct CampoChave {
    int index;
    const char* legenda;
    const char* dica;
    int comprimento;
    bool soNumeros;
};
// In the order of the tab chain.
const CampoChave CamposChave[] = {
    {1, "Ano", "Ano.", 4, true},
    {2, "Série", "Série.", 10, false},
    {0, "Tipo Doc.", "Tipo Documento.", 15, false},
    {3, "No.Doc", "Número Documento.", 10, true},
    {6, "Grupo", "Grupo", 6, false},
    {5, "Família", "Família.", 6, false},
    {7, "Sub-Família", "SubFamílias.", 6, false},
};
// The fields with a pick list, and the button's tip.
const std::pair<int, const char*> Listas[] = {
    {0, "Lista de Tipos  Documentos."},
    {6, "Lista de Grupos."},
    {5, "Lista de Famílias."},
    {7, "Lista de SubFamílias."},
};
// Where each field sits in the panel: row, first column (caption, field, list button).
const QMap<int, std::pair<int, int>> PosicaoCampo{
    {1, {0, 0}}, {2, {0, 3}}, {0, {0, 6}}, {3, {0, 9}}, {6, {1, 0}}, {5, {1, 3}}, {7, {1, 6}},
};

QString texto(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

frmMapaEncomendas::frmMapaEncomendas(zav::CommonDialog& CommonDialog1, QWidget* parent)
    : Ecra(parent), CommonDialog1_(CommonDialog1)
{
    setWindowTitle(QStringLiteral("Encomendas"));
    constroiCampos();
    constroiEcra();
    resize(1000, 640);
    campos_ = new CamposValidados(*this, campo, CampoAlterado);
    QMap<int, QAbstractButton*> botoes;
    for (auto it = btLista.constBegin(); it != btLista.constEnd(); ++it)
        botoes.insert(it.key(), it.value());
    campos_->liga(botoes);
    defineCampos();
}

frmMapaEncomendas::~frmMapaEncomendas() = default;

void frmMapaEncomendas::Form_Load()
{
    TomaIconeDaJanelaPrincipal();
    campos_->setBd(bd);
    LimparForm();
    // Past the year, already filled, in the series.
    abreEm(seguinteNoTab(&campo(1)));
}

void frmMapaEncomendas::LimparForm()
{
    campo(0).setText(QString());
    campo(1).setText(QString::number(QDate::currentDate().year()));
    campo(3).setText(QString());
    campo(2).setText(QString());
    campo(5).setText(QString());
    campo(6).setText(QString());
    campo(7).setText(QString());
    Grelha->hide();
    btExcel->setEnabled(false);
    cmp(7).setText(QString());
    cmp(7).hide();
    Label2[4]->hide();
    DescFamilia.clear();
    DescSubFamilia.clear();
}

void frmMapaEncomendas::btCancelar_Click()
{
    LimparForm();
    campo(0).setFocus();
}

void frmMapaEncomendas::btSair_Click()
{
    close();
}

void frmMapaEncomendas::defineCampos()
{
    DefinicaoCampo tipos = CamposFamilia::lista(QStringLiteral("Tipos Documento"), [] {
        return QStringLiteral("SELECT Codigo as 'Código', Descr as 'Designação' FROM TpDoc ")
            + QStringLiteral(" where Entidade=2 and Areag=2");
    }, 5500, {{1500}, {3500}});
    tipos.sqlValidacao = [](const QString& codigo) {
        return QStringLiteral("SELECT Codigo as 'Código', Descr as 'Designação' FROM TpDoc ")
            + QStringLiteral(" where Entidade=2 and Areag=2 and Codigo='") + zav::SqlTexto(codigo) + QStringLiteral("' ");
    };
    tipos.mensagemNaoExiste = QStringLiteral("Tipo Documento não existente!");
    campos_->define(0, tipos);
    campos_->define(6, CamposFamilia::grupo());
    campos_->define(5, CamposFamilia::familia(campo(6), DescFamilia));
    campos_->define(7, CamposFamilia::subFamilia(campo(6), campo(5), DescSubFamilia));
}

ChaveEncomenda frmMapaEncomendas::chave() const
{
    return ChaveEncomenda{campo(0).Text(), campo(1).Text(), campo(2).Text(), campo(3).Text()};
}

FiltroFamilia frmMapaEncomendas::filtro() const
{
    return FiltroFamilia{campo(6).Text(), campo(5).Text(), campo(7).Text()};
}

void frmMapaEncomendas::btCarga_Click()
{
    const ChaveEncomenda documento = chave();
    // A year or number that is not a whole number would break the statement.
    if (!documento.completa()) {
        Tools::MostraMensagem(QString(), QStringLiteral("Falta preencher campos!"), 2);
        return;
    }
    zav::RecordsetPtr documentos;
    {
        const zav::CursorOcupado ocupado;
        documentos = bd->AbreRecordset(QString(), EncomendaSql::documentos(documento));
    }
    if (documentos->RecordCount() == 0) {
        Tools::MostraMensagem(QString(), SemInformacao, 2);
        escondeFolha();
        return;
    }
    for (documentos->MoveFirst(); !documentos->Eof(); documentos->MoveNext()) {
        lNoDoc = documentos->Fields(QStringLiteral("NNumdoc")).integer();
        dDataDoc = documentos->Fields(QStringLiteral("Data")).value().toDateTime();
        CarregaRefIndividual(lNoDoc);
    }
}

void frmMapaEncomendas::LerTerceiro(const QString& codigo)
{
    // A customer without a row leaves the block empty, never the previous document's.
    Cliente = ClienteFicha::le(*bd, codigo);
}

void frmMapaEncomendas::CarregaRefIndividual(qint64& lNoDoc)
{
    Label2[4]->hide();
    cmp(7).hide();
    FolhaEncomenda::Carga carga;
    {
        const zav::CursorOcupado ocupado;
        Titulos = std::make_unique<TitulosTamanho>(*bd);
        carga = FolhaEncomenda::carrega(*bd, chave(), filtro(), lNoDoc, *Titulos);
        if (carga.carregada)
            mostraFolha(carga);
    }
    if (!carga.carregada) {
        // Without a single article line the sheet is gone before the message;
        // otherwise the message still stands over the sheet it replaces.
        if (carga.semLinhas) {
            escondeFolha();
            Tools::MostraMensagem(QString(), SemInformacao, 2);
        } else {
            Tools::MostraMensagem(QString(), SemInformacao, 2);
            escondeFolha();
        }
        return;
    }
    if (carga.preenchimento.linhasSemColuna > 0)
        Tools::MostraMensagem(QString(), mensagemLinhasForaDasColunas(carga.preenchimento.linhasSemColuna), 2);
}

void frmMapaEncomendas::mostraFolha(const FolhaEncomenda::Carga& carga)
{
    sTerceiro = carga.preenchimento.sTerceiro;
    sVendedor = carga.preenchimento.sVendedor;
    LerTerceiro(sTerceiro);
    folha_ = carga.folha;
    Act_Grelha(carga.NoTam);
    Grelha->setDataSource(folha_);
    Act_Grelha_Campos_Detalhe(carga.NoTamFinal);
    Grelha->rebind();
    cmp(7).setText(FolhaEncomenda::leLinhasTexto(*bd, chave(), lNoDoc));
    if (!cmp(7).Text().isEmpty()) {
        Label2[4]->show();
        cmp(7).show();
    }
    Grelha->show();
    btExcel->setEnabled(true);
    cabecalho_ = cabecalhoDaCarga();
}

// After a load that found nothing no earlier sheet stays to be exported or
// read as this key's: the grid, its text lines and the export go.
void frmMapaEncomendas::escondeFolha()
{
    Grelha->hide();
    btExcel->setEnabled(false);
    Label2[4]->hide();
    cmp(7).hide();
}

void frmMapaEncomendas::Act_Grelha_Campos_Detalhe(int NoTamFinal)
{
    Grelha->clearColumns();
    for (const zav::GridColumn& coluna :
         FolhaEncomenda::colunas(NoTamFinal, [this](int p) { return Titulos->Titulos(p); }))
        Grelha->addColumn(coluna);
}

void frmMapaEncomendas::Act_Grelha(int NoTam)
{
    aplicaAspectoMatriz(*Grelha, NoTam * 300);
}

void frmMapaEncomendas::btImp_Click()
{
    if (btImp->text() == QStringLiteral("&Imprimir") && Grelha->isHidden())
        return;
    Grelha->expandAll();
    FormataPrintGrelha();
    ImprimeGrelha();
}

void frmMapaEncomendas::FormataPrintGrelha()
{
    ImpressaoEncomenda::formata(Grelha->printSettings(), ImpressaoEncomenda::texto(cabecalho_),
                                !cabecalho_.linhasTexto.isEmpty());
}

// The fields stay open after a load: the header names the document the sheet
// shows, not what was typed since.
ImpressaoEncomenda::Cabecalho frmMapaEncomendas::cabecalhoDaCarga() const
{
    ImpressaoEncomenda::Cabecalho c;
    c.chave = chave();
    c.lNoDoc = lNoDoc;
    c.dDataDoc = dDataDoc;
    c.sVendedor = sVendedor;
    c.sTerceiro = sTerceiro;
    c.filtro = filtro();
    c.descFamilia = DescFamilia;
    c.descSubFamilia = DescSubFamilia;
    c.cliente = Cliente;
    // The box holds its lines as the platform keeps them (LF); the header's end in CR LF.
    c.linhasTexto = cmp(7).Text().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return c;
}

void frmMapaEncomendas::ImprimeGrelha()
{
    preview_->toggle();
}

void frmMapaEncomendas::btExcel_Click()
{
    Tools::ExportarExcel(*Grelha, CommonDialog1_);
}

void frmMapaEncomendas::constroiCampos()
{
    GroupBox1 = new QGroupBox(this);
    auto* painel = new QGridLayout(GroupBox1);
    const QFont verdana(QStringLiteral("Verdana"));
    // The focus runs through the fields in the order they are made, then the
    // list buttons and "&Carregar".
    for (const CampoChave& def : CamposChave) {
        auto* entrada = new zav::zav_input(def.index, GroupBox1, zav::zav_input::UmaLinha,
                                           def.soNumeros ? zav::zav_input::SoNumeros : zav::zav_input::QualquerTexto);
        entrada->setMaxLength(def.comprimento);
        entrada->setMinimumWidth(entrada->fontMetrics().averageCharWidth() * (def.comprimento + 3));
        entrada->setToolTip(texto(def.dica));
        campo.add(entrada);
        auto* etiqueta = new QLabel(texto(def.legenda), GroupBox1);
        etiqueta->setFont(verdana);
        Label2.insert(def.index, etiqueta);
        const auto [linha, coluna] = PosicaoCampo.value(def.index);
        painel->addWidget(etiqueta, linha, coluna);
        painel->addWidget(entrada, linha, coluna + 1);
    }
    for (const auto& [index, dica] : Listas) {
        auto* lista = BotaoEcra(QStringLiteral("..."), texto(dica), GroupBox1);
        lista->setFocusPolicy(Qt::TabFocus);
        lista->setFixedWidth(lista->fontMetrics().horizontalAdvance(lista->text()) * 3);
        const auto [linha, coluna] = PosicaoCampo.value(index);
        painel->addWidget(lista, linha, coluna + 2);
        btLista.insert(index, lista);
    }
    btCarga = BotaoEcra(QStringLiteral("&Carregar"), QStringLiteral("Carregar."), GroupBox1);
    painel->addWidget(btCarga, 1, 9, 1, 2);
    connect(btCarga, &QPushButton::clicked, this, &frmMapaEncomendas::btCarga_Click);

    auto* obs = new QLabel(QStringLiteral("OBS"), this);
    obs->setFont(verdana);
    Label2.insert(4, obs);
    cmp.add(new zav::zav_input(7, this, zav::zav_input::VariasLinhas));
    cmp(7).setEnabled(false);
}

void frmMapaEncomendas::constroiEcra()
{
    Grelha = new zav::Grelha(this);
    Visualizador = new zav::Visualizador(this);
    Visualizador->hide();
    auto* area = new QGridLayout;
    area->addWidget(Grelha, 0, 0);
    area->addWidget(Visualizador, 0, 0);

    btCancelar = BotaoEcra(QStringLiteral("Ca&ncelar"), QStringLiteral("Cancelar."), this);
    btImp = BotaoEcra(QStringLiteral("&Imprimir"), QStringLiteral("Imprimir."), this);
    btExcel = BotaoEcra(QStringLiteral("&Excel"), QStringLiteral("Excel."), this);
    btSair = BotaoEcra(QStringLiteral("&Sair"), texto("Abandonar a opção."), this);
    connect(btCancelar, &QPushButton::clicked, this, &frmMapaEncomendas::btCancelar_Click);
    connect(btImp, &QPushButton::clicked, this, &frmMapaEncomendas::btImp_Click);
    connect(btExcel, &QPushButton::clicked, this, &frmMapaEncomendas::btExcel_Click);
    connect(btSair, &QPushButton::clicked, this, &frmMapaEncomendas::btSair_Click);

    // The panel keeps the height of its two rows; the text lines take the rest of the row.
    GroupBox1->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    cmp(7).setMinimumWidth(280);
    cmp(7).setMaximumHeight(GroupBox1->sizeHint().height());
    auto* topo = new QHBoxLayout;
    topo->addWidget(GroupBox1, 0, Qt::AlignTop);
    topo->addWidget(Label2[4], 0, Qt::AlignTop);
    topo->addWidget(&cmp(7), 1);

    auto* fila = new QHBoxLayout;
    for (QPushButton* b : {btCancelar, btImp, btExcel})
        fila->addWidget(b);
    fila->addStretch();
    fila->addWidget(btSair);

    auto* ecra = new QVBoxLayout(this);
    ecra->addLayout(topo);
    ecra->addLayout(area, 1);
    ecra->addLayout(fila);

    preview_ = std::make_unique<zav::PreviewSwitch>(*Grelha, *Visualizador, *btImp, QStringLiteral("&Grelha"),
                                                    QStringLiteral("&Imprimir"),
                                                    QList<QWidget*>{btCancelar, btExcel, GroupBox1});
}
