#include "reports/frmTarvelo.h"

#include "platform/widgets/CursorOcupado.h"
#include "platform/grid/Grelha.h"
#include "platform/grid/PreviewSwitch.h"
#include "platform/grid/Visualizador.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "reports/LinhasMapaEstatistico.h"
#include "platform/widgets/SeletorData.h"
#include "shell/Tools.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString DicaData = QStringLiteral("Data a partir da qual se processa a extração.");
const QString DicaConfirmar = QStringLiteral("Confirmar a operação.");
const QString FormatoDataSql = QStringLiteral("yyyy-MM-dd");
constexpr int LinhasIniciais = 10;

QLabel* Etiqueta(const QString& texto, QWidget* parent)
{
    auto* etiqueta = new QLabel(texto, parent);
    etiqueta->setFont(QFont(QStringLiteral("Verdana"), 8));
    return etiqueta;
}

zav::SeletorData* Data(QWidget* parent)
{
    auto* data = new zav::SeletorData(parent);
    data->setToolTip(DicaData);
    return data;
}

} // namespace

frmTarvelo::frmTarvelo(QWidget* parent)
    : Ecra(parent),
      lblPrimeiraData(Etiqueta(QStringLiteral("1ª Data"), this)),
      lblUltimaData(Etiqueta(QStringLiteral("Ult. Data"), this)),
      DTPicker1{Data(this), Data(this)},
      btCarga(BotaoEcra(QStringLiteral("&Carregar"), DicaConfirmar, this)),
      btImp(BotaoEcra(QStringLiteral("&Imprimir"), DicaConfirmar, this)),
      btExcel(BotaoEcra(QStringLiteral("&Excel"), DicaConfirmar, this)),
      btSair(BotaoEcra(QStringLiteral("&Sair"), QStringLiteral("Abandonar a opção."), this)),
      Grelha(new zav::Grelha(this)),
      Visualizador(new zav::Visualizador(this))
{
    setWindowTitle(QStringLiteral("Tarvelo"));

    auto* barra = new QHBoxLayout;
    barra->addWidget(lblPrimeiraData);
    barra->addWidget(DTPicker1[0]);
    barra->addSpacing(12);
    barra->addWidget(lblUltimaData);
    barra->addWidget(DTPicker1[1]);
    barra->addStretch();
    for (QPushButton* botao : {btCarga, btImp, btExcel, btSair})
        barra->addWidget(botao);

    // The preview takes the grid's place, so the grid keeps its room while hidden.
    QSizePolicy lugarDaGrelha = Grelha->sizePolicy();
    lugarDaGrelha.setRetainSizeWhenHidden(true);
    Grelha->setSizePolicy(lugarDaGrelha);
    Visualizador->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(barra);
    layout->addWidget(Grelha, 1);

    preview_ = std::make_unique<zav::PreviewSwitch>(*Grelha, *Visualizador, *btImp, QStringLiteral("Grelha"),
                                                    QStringLiteral("Imprimir"), QList<QWidget*>{btCarga, btExcel});

    connect(btCarga, &QPushButton::clicked, this, &frmTarvelo::btCarga_Click);
    connect(btImp, &QPushButton::clicked, this, &frmTarvelo::btImp_Click);
    connect(btExcel, &QPushButton::clicked, this, &frmTarvelo::btExcel_Click);
    connect(btSair, &QPushButton::clicked, this, &frmTarvelo::btSair_Click);

    // As designed: the headings over empty rows until the first load.
    Act_Grelha();
    Act_Campos_Grelha();
    resize(1120, 640);
}

frmTarvelo::~frmTarvelo() = default;

void frmTarvelo::Form_Load()
{
    const QDate hoje = QDate::currentDate();
    DTPicker1[0]->setDate(QDate(hoje.year(), hoje.month(), 1));
    DTPicker1[1]->setDate(hoje);
    // Past the first date, already the month's first day, in the last.
    abreEm(seguinteNoTab(DTPicker1[0]));
}

void frmTarvelo::btCarga_Click()
{
    const zav::CursorOcupado ocupado;
    const QString primeiraData = DTPicker1[0]->date().toString(FormatoDataSql);
    const QString ultimaData = DTPicker1[1]->date().toString(FormatoDataSql);
    const MapaEstatistico::LinhasMapa mapa(*bd, primeiraData, ultimaData);

    const zav::RecordsetPtr classes = mapa.LinhasClasses();
    if (classes->RecordCount() == 0)
        return; // nothing in the period: the grid keeps what it showed

    Act_Grelha();
    Act_Campos_Grelha();
    int linha = 0;
    EscreveLinhas(*classes, linha);

    const zav::RecordsetPtr mercados = mapa.LinhasMercados();
    if (mercados->RecordCount() > 0) {
        AvancaLinha(linha, 2); // two empty rows between the blocks
        EscreveLinhas(*mercados, linha);
    }
    Grelha->show();
}

void frmTarvelo::Act_Grelha()
{
    Grelha->setGridFont(QFont(QStringLiteral("Verdana"), 8));
    Grelha->setHeadingFont(QFont(QStringLiteral("Verdana"), 8, QFont::Bold));
    Grelha->setHeadingAlignment(zav::Alignment::Center);
    Grelha->setRowCount(0);
    Grelha->setRowCount(LinhasIniciais);
}

void frmTarvelo::Act_Campos_Grelha()
{
    // The figures are texts; as numbers they right-align and export as numbers.
    const auto texto = zav::ValueKind::Text;
    const auto numero = zav::ValueKind::Number;
    Grelha->clearColumns();
    Grelha->addColumn({"Ord", QStringLiteral("Ord"), 1000, true, texto});
    Grelha->addColumn({"Produto", QStringLiteral("Produto"), 5000, false, texto});
    Grelha->addColumn({"Und", QStringLiteral("UND"), 1000, false, texto});
    Grelha->addColumn({"Codigo", QStringLiteral("Código"), 1500, false, texto});
    Grelha->addColumn({"QtdProd", QStringLiteral("Qtd.Prod."), 1500, false, numero});
    Grelha->addColumn({"QtdVend", QStringLiteral("Qtd.Vend."), 1500, false, numero});
    Grelha->addColumn({"ValorVendas", QStringLiteral("Valor Vendas"), 1500, false, numero});
    Grelha->addColumn({"OBS", QStringLiteral("Observações"), 3700, false, texto});
}

// Writes the lines in their sorted order from the given grid row on; the
// hidden Ord column stays empty.
void frmTarvelo::EscreveLinhas(zav::Recordset& linhas, int& linha)
{
    for (linhas.MoveFirst(); !linhas.Eof(); linhas.MoveNext()) {
        for (int campo = 1; campo < linhas.fieldCount(); ++campo)
            Grelha->setText(linha, campo, linhas.Fields(campo).text());
        AvancaLinha(linha, 1);
    }
}

// Moves the row index on; once it reaches the grid's last row the grid grows by one.
void frmTarvelo::AvancaLinha(int& linha, int passo)
{
    linha += passo;
    if (linha >= Grelha->rowCount() - 1)
        Grelha->addRow();
}

void frmTarvelo::btImp_Click()
{
    FormataPrintGrelha();
    ImprimeGrelha();
}

void frmTarvelo::FormataPrintGrelha()
{
    zav::GridPrintSettings& impressao = Grelha->printSettings();
    impressao.marginLeftTwips = 300;
    impressao.marginRightTwips = 300;
    impressao.marginTopTwips = 900;
    impressao.marginBottomTwips = 900;
    impressao.headerHeightTwips = 1500;

    impressao.headerFont = {QStringLiteral("Verdana"), 14, true};
    impressao.headerAlignment = zav::Alignment::Center;
    impressao.headerText = QStringLiteral("Mapa Estatístico") + QStringLiteral("\r\n\r\n") + QStringLiteral(" de '")
        + DTPicker1[0]->text() + QStringLiteral("' a '") + DTPicker1[1]->text() + QStringLiteral("'");

    impressao.footerHeightTwips = 750;
    impressao.footerFont.pointSize = 8;
    impressao.footerAlignment = zav::Alignment::Right;
    impressao.footerText = QStringLiteral("Página: {page} de {pagecount}");
    impressao.landscape = false;
}

void frmTarvelo::ImprimeGrelha()
{
    preview_->toggle();
}

void frmTarvelo::resizeEvent(QResizeEvent* event)
{
    Ecra::resizeEvent(event);
    if (preview_->previewShown())
        Visualizador->setGeometry(Grelha->geometry());
}

void frmTarvelo::btExcel_Click()
{
    Tools::ExportarExcel(*Grelha, CommonDialog1);
}

void frmTarvelo::btSair_Click()
{
    close();
}
