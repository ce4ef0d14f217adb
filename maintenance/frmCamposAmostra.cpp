#include "maintenance/frmCamposAmostra.h"

#include "maintenance/CampoValor.h"
#include "maintenance/CamposAmostraSql.h"
#include "maintenance/ChaveArtigo.h"
#include "platform/data/WallClock.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/widgets/SeletorData.h"
#include "platform/widgets/Twips.h"
#include "shell/Tools.h"

#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int TeclaEsc = 27;
const QString FormatoData = QStringLiteral("dd-MM-yyyy");

// The text fields after the key.
const CampoValor CamposTexto[] = {
    {1, "Fornecedor", "Fornec", 50},
    {2, "Referência FRN", "RefFRN", 50},
    {3, "Marca", "Marca", 50},
    {4, "Nossa Referência", "NossRef", 30},
    {5, "Descrição", "Descr", 50},
    {6, "Tamanho Amostra", "TamAmostra", 50},
    {7, "Composição", "Composicao", 50},
};
const char* const ColunasData[] = {"DataEnc", "DataEntrega"};

} // namespace

frmCamposAmostra::frmCamposAmostra(QWidget* parent) : EcraManutencao(parent)
{
    QWidget* valores = criaValores();
    QList<QWidget*> ordem;
    for (int i = 1; i <= 6; ++i)
        ordem << &campo(i);
    // Each empty date field comes just before its picker.
    for (int i : {0, 1})
        ordem << &cmp(i) << Data[i];
    ordem << &campo(7);
    monta(tabelaDoEcra(), valores, ordem);
    resize(640, 480);
}

TabelaManutencao frmCamposAmostra::tabelaDoEcra()
{
    TabelaManutencao tabela;
    tabela.titulo = QStringLiteral("Campos Amostra");
    tabela.chave = {chaveArtigo(0)};
    return tabela;
}

QWidget* frmCamposAmostra::criaValores()
{
    auto* area = new QWidget(this);
    auto* grelha = new QGridLayout(area);
    int linha = 0;
    for (int i = 0; i < 6; ++i)
        CamposTexto[i].acrescenta(*grelha, linha++, campo, 2);
    criaData(*grelha, 0, "Data Encomenda", linha++);
    criaData(*grelha, 1, "Data Entrega", linha++);
    CamposTexto[6].acrescenta(*grelha, linha++, campo, 2);
    grelha->setColumnStretch(2, 1);
    grelha->setRowStretch(linha, 1);

    connect(&cmp, &zav::zav_inputArray::Entra, this, &frmCamposAmostra::cmp_Entra);
    connect(&cmp, &zav::zav_inputArray::Tecla, this, &frmCamposAmostra::cmp_Tecla);
    return area;
}

void frmCamposAmostra::criaData(QGridLayout& grelha, int index, const char* legenda, int linha)
{
    QWidget* area = grelha.parentWidget();
    grelha.addWidget(new QLabel(QString::fromUtf8(legenda), area), linha, 0);
    auto* vazio = new zav::zav_input(index, area);
    cmp.add(vazio);
    auto* seletor = new zav::SeletorData(area);
    seletor->setToolTip(QStringLiteral("Data Fecho de Obra."));
    const QSize tamanho =
        seletor->tamanhoComDataInteira(QSize(zav::twipsToPixelsX(1395), zav::twipsToPixelsY(315)));
    vazio->setFixedSize(tamanho);
    seletor->setFixedSize(tamanho);
    connect(seletor, &zav::SeletorData::Escolhida, this, [this, index] { datasEscolhidas_[size_t(index)] = true; });
    connect(seletor, &zav::SeletorData::Deixada, this, [this, index] { deixaData(index); });
    Data.insert(index, seletor);
    // One place for both: only one of them shows at a time.
    grelha.addWidget(vazio, linha, 1);
    grelha.addWidget(seletor, linha, 1);
}

void frmCamposAmostra::LimparForm()
{
    for (int i = 0; i <= 7; ++i)
        campo(i).setText(QString());
    Dsc[0]->clear();
    for (int i : {0, 1}) {
        cmp(i).setText(QString());
        mostraSemData(i);
    }
    datasLidas_ = {};
    datasEscolhidas_ = {};
}

void frmCamposAmostra::CarregaValores()
{
    const zav::RecordsetPtr ficha = bd->AbreRecordset(QString(), CamposAmostraSql::ficha(chave(0)));
    if (ficha->RecordCount() < 1)
        return;
    // A NULL text, as another program may leave one, shows as an empty field.
    for (int i = 0; i < 6; ++i)
        campo(CamposTexto[i].index).setText(ficha->Fields(CamposTexto[i].nomeColuna()).text());
    for (int i : {0, 1}) {
        const zav::Field& data = ficha->Fields(QString::fromLatin1(ColunasData[i]));
        datasLidas_[size_t(i)] = data.value();
        if (data.isNull())
            mostraSemData(i);
        else
            mostraData(i, data.value().toDateTime().date());
    }
    campo(7).setText(ficha->Fields(QStringLiteral("Composicao")).text());
}

// Entering an empty date shows the picker at today, from where the user types
// or picks the date; passing through it stores none (deixaData).
void frmCamposAmostra::cmp_Entra(int index)
{
    Data[index]->show();
    Data[index]->setFocus(Qt::OtherFocusReason);
    cmp(index).hide();
    Data[index]->setDate(QDate::currentDate());
}

// A date without a value that the user passed through without giving one
// shows empty again, as it will be stored.
void frmCamposAmostra::deixaData(int index)
{
    if (!datasEscolhidas_[size_t(index)] && datasLidas_[size_t(index)].isNull())
        mostraSemData(index);
}

void frmCamposAmostra::cmp_Tecla(int, int& keyAscii)
{
    if (keyAscii != TeclaEsc)
        return;
    Tools::EnviaTeclas(QStringLiteral("+{TAB}"));
    keyAscii = 0;
}

void frmCamposAmostra::mostraData(int index, const QDate& dia)
{
    Data[index]->show();
    Data[index]->setDataGuardada(dia);
    cmp(index).hide();
}

void frmCamposAmostra::mostraSemData(int index)
{
    cmp(index).show();
    Data[index]->hide();
    Data[index]->setDate(semData());
}

QVariant frmCamposAmostra::valorData(int index) const
{
    // The picker does not hold every stored date (one before its first day, a
    // time of day): a date the user did not give is written back as it was.
    if (!datasEscolhidas_[size_t(index)])
        return datasLidas_[size_t(index)];
    const QDate dia = Data[index]->date();
    if (dia.toString(FormatoData) == semData().toString(FormatoData))
        return QVariant();
    return zav::wallclock::of(dia);
}

void frmCamposAmostra::GravaRegisto()
{
    const zav::RecordsetPtr ficha = bd->AbreRecordsetEdicao(CamposAmostraSql::linha(chave(0)));
    if (ficha->RecordCount() == 0)
        ficha->AddNew();
    // Every column on every confirm, the code as typed and an empty field as an empty text.
    ficha->Fields(QStringLiteral("Codigo")) = chave(0);
    for (int i = 0; i < 6; ++i)
        ficha->Fields(CamposTexto[i].nomeColuna()) = campo(CamposTexto[i].index).Text();
    for (int i : {0, 1})
        ficha->Fields(QString::fromLatin1(ColunasData[i])) = valorData(i);
    ficha->Fields(QStringLiteral("Composicao")) = campo(7).Text();
    ficha->Update();
    ficha->close();
}

QStringList frmCamposAmostra::Anulacoes() const
{
    return {CamposAmostraSql::anula(chave(0))};
}
