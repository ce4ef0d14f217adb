#include "samples/EcraFichaAmostra.h"

#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/Grelha.h"
#include "platform/widgets/CursorOcupado.h"
#include "platform/widgets/GrupoOpcoes.h"
#include "platform/widgets/SeletorData.h"
#include "platform/widgets/ShowImg.h"
#include "platform/widgets/Twips.h"
#include "samples/FichaAmostraDados.h"
#include "shell/CampoValidado.h"
#include "shell/Tools.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>

#include <algorithm>

const QColor EcraFichaAmostra::FundoFicha(0xC4, 0xDA, 0xFA);
const QColor EcraFichaAmostra::FundoEtiquetas(0xD5, 0xDE, 0xF2);

namespace {

// The form as designed and the top of its command buttons, in twips.
constexpr int LarguraForm = 11970;
constexpr int AlturaForm = 9120;
constexpr int TopoBotoes = 8700;

QString texto(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void coloca(QWidget* controlo, const QRect& twips)
{
    controlo->setGeometry(zav::twipsToPixelsX(twips.x()), zav::twipsToPixelsY(twips.y()),
                          zav::twipsToPixelsX(twips.width()), zav::twipsToPixelsY(twips.height()));
}

void pinta(QWidget* controlo, const QColor& fundo)
{
    controlo->setAutoFillBackground(true);
    QPalette cores = controlo->palette();
    cores.setColor(QPalette::Window, fundo);
    controlo->setPalette(cores);
}

// The card's letter: Verdana 8.25, its titles bold 9.75.
QFont verdana(double pontos, bool negrito = false)
{
    QFont letra(QStringLiteral("Verdana"));
    letra.setPointSizeF(pontos);
    letra.setBold(negrito);
    return letra;
}

QLabel* etiqueta(const QString& legenda, const QRect& lugar, QWidget* pai)
{
    auto* label = new QLabel(legenda, pai);
    label->setFont(verdana(8.25));
    pinta(label, EcraFichaAmostra::FundoEtiquetas);
    coloca(label, lugar);
    return label;
}

// The card's fields have a white background: the typed reference while it
// can be typed in (locked, it looks as the other locked controls do), the
// display-only header fields always, as they print.
enum class QuandoBloqueado { ComoBloqueado, Branco };

void fundoBranco(zav::zav_input& entrada, QuandoBloqueado bloqueado)
{
    QPalette cores = entrada.palette();
    for (QPalette::ColorGroup grupo : {QPalette::Active, QPalette::Inactive})
        cores.setColor(grupo, QPalette::Base, Qt::white);
    if (bloqueado == QuandoBloqueado::Branco) {
        cores.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
        // Read-only text stays as legible on the screen as on the printed card.
        cores.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    }
    entrada.setPalette(cores);
}

QPushButton* botao(const QString& legenda, const QString& dica, const QRect& lugar, QWidget* pai)
{
    QPushButton* b = BotaoEcra(legenda, dica, pai);
    coloca(b, lugar);
    return b;
}

} // namespace

EcraFichaAmostra::EcraFichaAmostra(DesenhoFicha desenho, zav::CommonDialog& CommonDialog1, QWidget* parent)
    : Ecra(parent), desenho_(std::move(desenho)), CommonDialog1_(CommonDialog1)
{
    setWindowTitle(desenho_.titulo);
    setFixedSize(zav::twipsToPixelsX(LarguraForm), zav::twipsToPixelsY(AlturaForm));
    pinta(this, desenho_.fundo);
    // Made before the filter panel, which lies over them on the screen.
    constroiTitulos();
    constroiPainelFiltro();

    GroupBox2 = new QGroupBox(this);
    pinta(GroupBox2, desenho_.fundo);
    coloca(GroupBox2, desenho_.painelCabecalho);
    sFoto = new zav::ShowImg(GroupBox2);
    coloca(sFoto, desenho_.foto);

    Grelha = new zav::Grelha(this);
    coloca(Grelha, desenho_.grelha);
    constroiBotoes();

    campos_ = new CamposValidados(*this, campo, CampoAlterado);
    campos_->liga({{0, btLista[0]}});
    defineCampoReferencia();
}

EcraFichaAmostra::~EcraFichaAmostra() = default;

void EcraFichaAmostra::constroiTitulos()
{
    const QFont letra = verdana(9.75, true);
    for (const QRect& lugar : {QRect(240, 120, 2085, 285), QRect(2940, 120, desenho_.larguraTitulo1, 285)}) {
        QLabel* titulo = etiqueta(QStringLiteral("Ficha de Amostra"), lugar, this);
        titulo->setFont(letra);
        Titulo << titulo;
    }
}

void EcraFichaAmostra::constroiPainelFiltro()
{
    GroupBox1 = new QGroupBox(this);
    pinta(GroupBox1, desenho_.fundo);
    coloca(GroupBox1, desenho_.painelFiltro);

    // Made in the order the focus goes through them.
    Label2[3] = etiqueta(texto("Referência"), {120, 300, 1125, 285}, GroupBox1);
    auto* referencia = new zav::zav_input(0, GroupBox1);
    referencia->setMaxLength(15);
    referencia->setToolTip(texto("Referência."));
    fundoBranco(*referencia, QuandoBloqueado::ComoBloqueado);
    coloca(referencia, {1440, 240, 1545, 315});
    campo.add(referencia);
    Label2[0] = etiqueta(QString(), {3600, 200, 7965, 300}, GroupBox1);

    Label2[5] = etiqueta(texto("1ª Data"), {120, 720, 1125, 285}, GroupBox1);
    Label2[4] = etiqueta(texto("Últ.Data"), {2760, 720, 1125, 285}, GroupBox1);
    for (const QRect& lugar : {QRect(1440, 660, 1215, 315), QRect(3720, 660, 1215, 315)}) {
        auto* data = new zav::SeletorData(GroupBox1);
        data->setFont(verdana(8.25));
        coloca(data, lugar);
        data->resize(data->tamanhoComDataInteira(data->size()));
        Data << data;
    }
    const int sobreposicao = Data[0]->geometry().right() + zav::twipsToPixelsX(60) - Label2[4]->x();
    if (sobreposicao > 0) {
        Label2[4]->move(Label2[4]->x() + sobreposicao, Label2[4]->y());
        Data[1]->move(Data[1]->x() + sobreposicao, Data[1]->y());
    }
    const QRect lugaresOpcoes[] = {{10020, 180, 975, 195}, {10020, 420, 1215, 195}, {10020, 660, 1515, 195}};
    int i = 0;
    for (const char* legenda : {"Todas", "Pendentes", "Satisfeitas"}) {
        auto* opcao = new QRadioButton(texto(legenda), GroupBox1);
        opcao->setFont(verdana(8.25));
        pinta(opcao, desenho_.fundo);
        coloca(opcao, lugaresOpcoes[i++]);
        Option1 << opcao;
    }
    zav::fazGrupoDeOpcoes(Option1);
    btCarga = botao(QStringLiteral("&Carregar"), QStringLiteral("Carregar."), {5340, 660, 1095, 360}, GroupBox1);
    connect(btCarga, &QPushButton::clicked, this, &EcraFichaAmostra::btCarga_Click);
    QPushButton* lista = botao(QStringLiteral("..."), texto("Lista de Referências."), {3000, 240, 360, 315}, GroupBox1);
    lista->setFocusPolicy(Qt::TabFocus);
    btLista << lista;
}

void EcraFichaAmostra::constroiBotoes()
{
    btSair = botao(QStringLiteral("&Sair"), texto("Abandonar a opção."), {10740, TopoBotoes, 1095, 360}, this);
    btCancelar = botao(QStringLiteral("Ca&ncelar"), QStringLiteral("Cancelar."), {60, TopoBotoes, 1095, 360}, this);
    btImp = botao(QStringLiteral("&Imprimir"), QStringLiteral("Imprimir."), {1260, TopoBotoes, 1095, 360}, this);
    btExcel = botao(QStringLiteral("&Excel"), QStringLiteral("Excel."), {2400, TopoBotoes, 1095, 360}, this);
    // The card offers no workbook: the button is never shown.
    btExcel->hide();
    connect(btCancelar, &QPushButton::clicked, this, &EcraFichaAmostra::btCancelar_Click);
    connect(btImp, &QPushButton::clicked, this, &EcraFichaAmostra::btImp_Click);
    connect(btExcel, &QPushButton::clicked, this, &EcraFichaAmostra::btExcel_Click);
    connect(btSair, &QPushButton::clicked, this, &EcraFichaAmostra::btSair_Click);

    QWidget::setTabOrder(&campo(0), Data[0]);
    QWidget::setTabOrder(Data[0], Data[1]);
    QWidget::setTabOrder(Data[1], Option1[0]);
    QWidget::setTabOrder(Option1[0], Option1[1]);
    QWidget::setTabOrder(Option1[1], Option1[2]);
    QWidget::setTabOrder(Option1[2], Grelha);
    QWidget::setTabOrder(Grelha, btSair);
    QWidget::setTabOrder(btSair, btCancelar);
    QWidget::setTabOrder(btCancelar, btImp);
    QWidget::setTabOrder(btImp, btCarga);
    QWidget::setTabOrder(btCarga, btLista[0]);
}

void EcraFichaAmostra::adicionaCampoCabecalho(int indiceTit, const QString& legenda, const QRect& lugarTit,
                                              int indiceCmp, const QRect& lugarCmp, int tipoCampo)
{
    Tit[indiceTit] = etiqueta(legenda, lugarTit, GroupBox2);
    auto* campoCabecalho = new zav::zav_input(indiceCmp, GroupBox2, tipoCampo);
    campoCabecalho->setEnabled(false);
    fundoBranco(*campoCabecalho, QuandoBloqueado::Branco);
    coloca(campoCabecalho, lugarCmp);
    cmp.add(campoCabecalho);
}

void EcraFichaAmostra::defineCampoReferencia()
{
    DefinicaoCampo referencia;
    referencia.tituloLista = texto("Referências");
    referencia.sqlLista = [] { return FichaAmostraDados::sqlListaReferencias(); };
    referencia.larguraLista = 5500;
    referencia.colunasLista = {{1500}, {3500}};
    referencia.sqlValidacao = [](const QString& codigo) { return FichaAmostraDados::sqlValidaReferencia(codigo); };
    referencia.mensagemNaoExiste = MensagensMatriz::ReferenciaNaoExiste;
    referencia.limpaNaoExistente = false;
    referencia.aoEncontrar = [this](zav::Recordset& artigo) {
        const QString nome = artigo.Fields(QStringLiteral("Nome")).text();
        Label2[0]->setText(nome);
        Titulo[1]->setText(tituloDaReferencia(campo(0).Text(), nome));
    };
    referencia.aoNaoEncontrar = [this] {
        Label2[0]->clear();
        Titulo[1]->clear();
    };
    campos_->define(0, referencia);
}

void EcraFichaAmostra::Form_Load()
{
    TomaIconeDaJanelaPrincipal();
    campos_->setBd(bd);
    LimparForm();
    prefixoImagens_ = bd->PrefixoImagens();
}

void EcraFichaAmostra::LimparForm()
{
    campo(0).setText(QString());
    for (int i : cmp.indexes())
        cmp(i).setText(QString());
    Label2[0]->clear();

    const QDateTime agora = QDateTime::currentDateTime();
    Data[0]->setDateTime(agora.addMonths(-1));
    Data[1]->setDateTime(agora);

    Option1[1]->setChecked(true);

    Grelha->hide();
    ajustaAMatriz(false);
    btExcel->setEnabled(false);
    sFoto->hide();
    GroupBox1->setEnabled(true);
}

void EcraFichaAmostra::LimpaParteForm()
{
    for (int i : cmp.indexes())
        cmp(i).setText(QString());
    Grelha->hide();
    ajustaAMatriz(false);
    btExcel->setEnabled(false);
    sFoto->hide();
}

MapasSql::Filtros EcraFichaAmostra::filtros() const
{
    MapasSql::Filtros f;
    f.referencia = campo(0).Text();
    f.primeiraData = Data[0]->dateTime();
    f.ultimaData = Data[1]->dateTime();
    f.base = MapasSql::baseDasOpcoes(Option1[0]->isChecked(), Option1[1]->isChecked());
    return f;
}

ValoresMatriz EcraFichaAmostra::valoresFicha()
{
    ValoresMatriz valores;
    valores.larguraTamanho = 600;
    valores.larguraTotal = 900;
    valores.larguraCor = 1700;
    return valores;
}

void EcraFichaAmostra::CarregaRefIndividual()
{
    CargaMatriz carga;
    {
        const zav::CursorOcupado ocupado;
        carga = carregaMatrizReferencia(*bd, filtros(), valoresFicha(), false);
        if (carga.carregada()) {
            preencheCabecalho(*carga.artigo);
            mostraMatriz(carga);
        }
    }
    if (!carga.carregada()) {
        Tools::MostraMensagem(QString(), carga.mensagem(), 2);
        Grelha->hide();
    }
}

void EcraFichaAmostra::mostraMatriz(CargaMatriz& carga)
{
    matriz_ = std::move(carga.matriz);
    Act_Grelha();
    Grelha->setDataSource(matriz_->partilhado());
    colocaColunas(*carga.tamanhos);
    Grelha->rebind();
    Grelha->show();
    ajustaAMatriz(true);
    btExcel->setEnabled(true);
    GroupBox1->setEnabled(false);
}

void EcraFichaAmostra::ajustaAMatriz(bool mostrada)
{
    const int desenhada = zav::twipsToPixelsY(desenho_.grelha.height());
    const int formDesenhado = zav::twipsToPixelsY(AlturaForm);
    // As far as the screen lets the window grow: past that the grid scrolls.
    const QRect livre = screen()->availableGeometry();
    const int moldura = frameGeometry().height() - height();
    const int crescimentoPossivel = std::max(0, livre.height() - moldura - formDesenhado);
    const int crescimento =
        mostrada ? std::clamp(alturaDaMatrizInteira() - desenhada, 0, crescimentoPossivel) : 0;
    Grelha->resize(Grelha->width(), desenhada + crescimento);
    for (QPushButton* botao : {btCancelar, btImp, btExcel, btSair})
        botao->move(botao->x(), zav::twipsToPixelsY(TopoBotoes) + crescimento);
    setFixedHeight(formDesenhado + crescimento);
    // Grown past the screen's foot, the window goes up, its buttons in view.
    const int excesso = frameGeometry().bottom() - livre.bottom();
    if (excesso > 0)
        move(pos().x(), std::max(livre.top(), pos().y() - excesso));
}

int EcraFichaAmostra::alturaDaMatrizInteira() const
{
    const QTableView* vista = Grelha->view();
    int altura = vista->horizontalHeader()->height() + 2 * vista->frameWidth();
    for (int linha = 0; linha < vista->model()->rowCount(); ++linha)
        altura += vista->rowHeight(linha);
    if (vista->horizontalHeader()->length() > Grelha->width() - 2 * vista->frameWidth())
        altura += vista->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, vista);
    return altura;
}

// The matrix's columns, those shown on white: the card prints on white.
void EcraFichaAmostra::colocaColunas(zav::Recordset& tamanhos)
{
    Grelha->clearColumns();
    for (zav::GridColumn coluna : matriz_->colunas(tamanhos)) {
        if (!coluna.hidden)
            coluna.backColor = Qt::white;
        Grelha->addColumn(coluna);
    }
}

void EcraFichaAmostra::Act_Grelha()
{
    aplicaAspectoMatriz(*Grelha, 300);
}

void EcraFichaAmostra::mostraFoto(const QString& pasta)
{
    const QString foto = FichaAmostraDados::procuraFoto(pasta, prefixoImagens_, campo(0).Text());
    if (foto.isEmpty())
        return;
    sFoto->setFicheiro(foto);
    sFoto->Mostra();
    sFoto->show();
}

void EcraFichaAmostra::btCarga_Click()
{
    LimpaParteForm();
    CarregaRefIndividual();
}

void EcraFichaAmostra::btCancelar_Click()
{
    LimparForm();
    campo(0).setFocus();
}

void EcraFichaAmostra::btExcel_Click()
{
    Tools::ExportarExcel(*Grelha, CommonDialog1_);
}

void EcraFichaAmostra::btSair_Click()
{
    close();
}
