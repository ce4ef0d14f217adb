#include "maintenance/frmMoradas.h"

#include "maintenance/CampoValor.h"
#include "maintenance/MoradasSql.h"
#include "platform/data/zavCoreDataAccess2016.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

enum { Cliente = 0, CodMorada = 1, CodPostal = 5, Pais = 6, Sitio = 11, Gps = 12, TipoMorada = 13 };

// The fields below the top box.
const CampoValor CamposMorada[] = {
    {2, "Nome Loja", "Contacto", 25},   {3, "Morada Loja", "Morada", 50}, {4, "Localidade", "Local", 35},
    {5, "Cod.Postal", "CdPostal", 8},   {6, "País", "País", 3},           {7, "Telefone", "Telef", 15},
    {8, "Telemóvel", "Telex", 15},      {9, "e-Mail", "Descr", 50},       {10, "Facebook", "Morada2", 50},
    {11, "Site ", "Sitio", 30},         {12, "GPS", "CodEan", 20},
};

const CampoValor& campoMorada(int index)
{
    return CamposMorada[index - 2];
}

QString coluna(int index)
{
    return campoMorada(index).nomeColuna();
}

} // namespace

frmMoradas::frmMoradas(QWidget* parent) : EcraManutencao(parent)
{
    QWidget* valores = criaValores();
    monta(tabelaDoEcra(), valores, {});
    montaCaixa();
    // The address type, with its default, is rarely changed: it comes last,
    // after the buttons and the other list buttons.
    QList<QWidget*> ordem{&campo(Cliente), &campo(CodMorada)};
    for (const CampoValor& c : CamposMorada)
        ordem << &campo(c.index);
    ordem << btConf << btCancelar << btAnular << btSair << btLista[Cliente] << btLista[Pais] << &campo(TipoMorada)
          << btLista[TipoMorada];
    ordenaTabulacao(ordem);
    defineCampos();
    resize(700, 520);
}

TabelaManutencao frmMoradas::tabelaDoEcra()
{
    DefinicaoCampo cliente = definicaoChave(
        QStringLiteral("Clientes"), [] { return MoradasSql::listaClientes(); },
        [](const QString& texto) { return MoradasSql::validaCliente(texto); }, u("Cliente não existente!"), 6500,
        {{1500}, {4500}});
    cliente.aoEncontrar = [this](zav::Recordset& encontrado) { clienteEncontrado(encontrado); };

    TabelaManutencao tabela;
    tabela.titulo = QStringLiteral("Moradas");
    // The customer's code is as long as Clientes.Codigo, the column it is written to.
    // Unlike the other screens' keys, a customer that does not exist is wiped.
    tabela.chave = {{Cliente, 0, QStringLiteral("Cliente"), 15, cliente, QStringLiteral("Nome"), true}};
    tabela.escolhas.escFechaDeQualquerCampo = false;
    tabela.escolhas.primeiroCampo = Cliente;
    // The key stays open for a new address; a stored one locks the whole top box.
    tabela.bloqueio = BloqueioChave::PeloEcra;
    tabela.dicaConfirmar = QStringLiteral("Confirmar a informação digitada");
    return tabela;
}

QWidget* frmMoradas::criaValores()
{
    // The address code and the address type stand in the top box, made with it.
    auto* codigo = new zav::zav_input(CodMorada, this);
    codigo->setMaxLength(3);
    campo.add(codigo);
    auto* tipo = new zav::zav_input(TipoMorada, this);
    tipo->setMaxLength(3);
    campo.add(tipo);

    auto* area = new QWidget(this);
    auto* grelha = new QGridLayout(area);
    int linha = 0;
    for (const CampoValor& c : CamposMorada) {
        c.acrescenta(*grelha, linha, campo);
        if (c.index == CodPostal) {
            auto* descricao = new QLabel(area);
            Dsc.insert(1, descricao);
            grelha->addWidget(descricao, linha, 3);
        }
        ++linha;
    }
    for (const auto& [index, dica] : {std::pair{int(Pais), "Lista de Países."}, {int(TipoMorada), "Lista de Tipos Moradas."}}) {
        auto* lista = BotaoEcra(QStringLiteral("..."), u(dica), this);
        lista->setFocusPolicy(Qt::TabFocus);
        btLista.insert(index, lista);
    }
    grelha->addWidget(btLista[Pais], campoMorada(Pais).index - 2, 2);
    grelha->setColumnStretch(1, 1);
    grelha->setRowStretch(linha, 1);
    return area;
}

void frmMoradas::montaCaixa()
{
    btLista[Cliente]->setToolTip(QStringLiteral("Lista de Clientes."));
    auto* grelha = static_cast<QGridLayout*>(GroupBox2->layout());
    grelha->addWidget(new QLabel(QStringLiteral("Cod.Morada"), GroupBox2), 1, 0);
    grelha->addWidget(&campo(CodMorada), 1, 1);
    grelha->addWidget(new QLabel(QStringLiteral("Tipo Morada"), GroupBox2), 2, 0);
    grelha->addWidget(&campo(TipoMorada), 2, 1);
    grelha->addWidget(btLista[TipoMorada], 2, 2);
}

void frmMoradas::defineCampos()
{
    DefinicaoCampo morada;
    morada.sqlValidacao = [this](const QString& texto) { return MoradasSql::morada(chave(Cliente), texto); };
    morada.vazioPassa = true;
    // Found, the address is stored; not found, it is a new one and nothing happens.
    morada.aoEncontrar = [this](zav::Recordset&) { carrega(); };
    campos().define(CodMorada, morada);

    DefinicaoCampo postal;
    postal.sqlValidacao = [](const QString& texto) { return MoradasSql::codigoPostal(texto); };
    postal.vazioPassa = true;
    postal.mensagemNaoExiste = u("Código Postal não existente!");
    // Cleared before every check, so that a postal code emptied by the user
    // leaves no description of the old one beside it.
    postal.aoVerificar = [this] { Dsc[1]->clear(); };
    postal.aoEncontrar = [this](zav::Recordset& encontrado) {
        Dsc[1]->setText(encontrado.Fields(QStringLiteral("Descr")).text());
    };
    campos().define(CodPostal, postal);

    DefinicaoCampo pais = definicaoChave(
        u("Países"), [] { return MoradasSql::listaPaises(); },
        [](const QString& texto) { return MoradasSql::validaPais(texto); }, u("País não existente!"), 5500,
        {{1500}, {3500}});
    pais.vazioPassa = true;
    campos().define(Pais, pais);
    campos().ligaLista(Pais, *btLista[Pais]);

    DefinicaoCampo tipo = definicaoChave(
        QStringLiteral("Tipos Morada"), [] { return MoradasSql::listaTipos(); },
        [](const QString& texto) { return MoradasSql::validaTipo(texto); }, u("Tipo Morada não existente!"), 5500,
        {{1500}, {3500}});
    tipo.mensagemVazio = u("Campo Obrigatório!");
    // Refused, blank or unknown, the type is wiped.
    tipo.aoNaoEncontrar = [this] { campo(TipoMorada).setText(QString()); };
    campos().define(TipoMorada, tipo);
    campos().ligaLista(TipoMorada, *btLista[TipoMorada]);
}

void frmMoradas::aoAbrir()
{
    const zav::RecordsetPtr tipo = bd->AbreRecordset(QString(), MoradasSql::tipoPadrao());
    tipoPadrao_ = tipo->RecordCount() > 0 ? tipo->Fields(QStringLiteral("Codigo")).text() : QString();
    tipo->close();
    campo(TipoMorada).setText(tipoPadrao_);
}

void frmMoradas::LimparForm()
{
    for (int index : campo.indexes())
        campo(index).setText(QString());
    Dsc[0]->clear();
    Dsc[1]->clear();
    GroupBox2->setEnabled(true);
    campo(TipoMorada).setText(tipoPadrao_);
    codigoCliente_.clear();
    sitioCliente_.clear();
}

void frmMoradas::clienteEncontrado(zav::Recordset& cliente)
{
    const QString codigo = cliente.Fields(QStringLiteral("Codigo")).text();
    sitioCliente_ = cliente.Fields(QStringLiteral("Sitio")).text();
    // A new address shows the customer's site too, so that confirming it
    // writes the site back as it was rather than erasing it.
    if (codigo != codigoCliente_)
        campo(Sitio).setText(sitioCliente_);
    codigoCliente_ = codigo;
}

// The customer alone loads nothing: the address code does.
void frmMoradas::chaveValidada(int) {}

void frmMoradas::CarregaValores()
{
    const zav::RecordsetPtr morada =
        bd->AbreRecordset(QString(), MoradasSql::morada(chave(Cliente), campo(CodMorada).Text()));
    if (morada->RecordCount() > 0)
        CarregaFicha(*morada);
    morada->close();
    activa({GroupBox2}, false);
}

void frmMoradas::CarregaFicha(zav::Recordset& morada)
{
    // A NULL, as the ERP may leave one, shows as an empty field.
    for (int index : {2, 3, 4, 5})
        campo(index).setText(morada.Fields(coluna(index)).text());
    const zav::RecordsetPtr postal = bd->AbreRecordset(QString(), MoradasSql::descricaoPostal(campo(CodPostal).Text()));
    Dsc[1]->setText(postal->RecordCount() > 0 ? postal->Fields(QStringLiteral("Descr")).text() : QString());
    postal->close();
    for (int index : {6, 7, 8, 9, 10})
        campo(index).setText(morada.Fields(coluna(index)).text());
    campo(Sitio).setText(sitioCliente_);
    campo(Gps).setText(morada.Fields(coluna(Gps)).text());
    campo(TipoMorada).setText(morada.Fields(QStringLiteral("TpMorada")).text());
}

bool frmMoradas::PodeConfirmar()
{
    // A new address has no stored row to load; its key must still be whole.
    if (!codigoCliente_.isEmpty() && !chave(Cliente).trimmed().isEmpty() && !campo(CodMorada).Text().trimmed().isEmpty())
        return true;
    return EcraManutencao::PodeConfirmar();
}

void frmMoradas::GravaRegisto()
{
    const zav::RecordsetPtr morada =
        bd->AbreRecordsetEdicao(MoradasSql::morada(chave(Cliente), campo(CodMorada).Text()));
    if (morada->RecordCount() == 0) {
        morada->AddNew();
        morada->Fields(QStringLiteral("TpTerc")) = QVariant(2);
        morada->Fields(QStringLiteral("Terceiro")) = chave(Cliente);
        morada->Fields(QStringLiteral("CdMorada")) = campo(CodMorada).Text();
    }
    for (int index : {2, 3, 4, 5, 6, 7, 8, 9, 10, 12})
        morada->Fields(coluna(index)) = campo(index).Text();
    morada->Fields(QStringLiteral("TpMorada")) = campo(TipoMorada).Text();
    morada->Update();
    morada->close();
    gravaSitio();
}

void frmMoradas::gravaSitio()
{
    const zav::RecordsetPtr cliente = bd->AbreRecordsetEdicao(MoradasSql::cliente(codigoCliente_));
    if (cliente->RecordCount() > 0) {
        cliente->Fields(QStringLiteral("Sitio")) = campo(Sitio).Text();
        cliente->Update();
    }
    cliente->close();
}

QStringList frmMoradas::Anulacoes() const
{
    return {MoradasSql::anula(chave(Cliente), campo(CodMorada).Text())};
}
