#include "samples/frmFichaAmostra.h"

#include "platform/data/zavCoreDataAccess2016.h"
#include "samples/FichaAmostraDados.h"

namespace {

DesenhoFicha desenho()
{
    DesenhoFicha d;
    d.titulo = QStringLiteral("Ficha Amostra (Antigo)");
    d.fundo = EcraFichaAmostra::FundoEtiquetas;
    d.painelFiltro = {60, 0, 11835, 1100};
    d.painelCabecalho = {60, 1020, 11835, 4815};
    d.grelha = {60, 5880, 11895, 2760};
    d.foto = {600, 720, 2835, 3375};
    d.larguraTitulo1 = 6465;
    return d;
}

// The header: each label left of its field, and the column of zav_FichaAmostra shown.
struct CampoAntigo {
    int tit;
    const char* legenda;
    QRect lugarTit;
    int cmp;
    QRect lugarCmp;
    const char* coluna;
};
const CampoAntigo CamposAntigos[] = {
    {0, "Fornecedor", {5580, 180, 1860, 285}, 0, {7500, 180, 3885, 285}, "Fornec"},
    {1, "Referência Fornecedor", {5580, 540, 1860, 285}, 1, {7500, 540, 3885, 285}, "RefFRN"},
    {2, "Marca", {5580, 900, 1860, 285}, 2, {7500, 900, 3885, 285}, "Marca"},
    {3, "Nossa Referência", {5580, 1260, 1860, 285}, 3, {7500, 1260, 3885, 285}, "NossRef"},
    {4, "Descrição", {5580, 1620, 1860, 285}, 4, {7500, 1620, 3885, 285}, "Descr"},
    {5, "Tamanho Amostra", {5580, 1980, 1860, 285}, 5, {7500, 1980, 3885, 285}, "TamAmostra"},
    {6, "Data Encomenda", {5580, 2340, 1860, 285}, 8, {7500, 2340, 1185, 285}, "DataEnc"},
    {7, "Data Entrega", {8760, 2340, 1380, 285}, 9, {10200, 2340, 1185, 285}, "DataEntrega"},
    {8, "Composição", {5580, 2700, 1860, 285}, 6, {7500, 2700, 3885, 285}, "Composicao"},
};

bool eData(const CampoAntigo& campo)
{
    return campo.cmp == 8 || campo.cmp == 9;
}

} // namespace

frmFichaAmostra::frmFichaAmostra(zav::CommonDialog& CommonDialog1, QWidget* parent)
    : EcraFichaAmostra(desenho(), CommonDialog1, parent)
{
    for (const CampoAntigo& def : CamposAntigos)
        adicionaCampoCabecalho(def.tit, QString::fromUtf8(def.legenda), def.lugarTit, def.cmp, def.lugarCmp);
    adicionaCampoCabecalho(9, QStringLiteral("OBS"), {4920, 3060, 465, 285}, 7, {5580, 3060, 5805, 1700},
                           zav::zav_input::VariasLinhas);
}

QString frmFichaAmostra::tituloDaReferencia(const QString&, const QString& nome) const
{
    return nome;
}

void frmFichaAmostra::preencheCabecalho(zav::Recordset& artigo)
{
    CarregaCamposAmostra(artigo.Fields(QStringLiteral("BlNotas")).text());
}

void frmFichaAmostra::CarregaCamposAmostra(const QString& sObs)
{
    const zav::RecordsetPtr ficha = bd->AbreRecordset(QString(), FichaAmostraDados::sqlFichaAmostra(campo(0).Text()));
    if (ficha->RecordCount() > 0) {
        for (const CampoAntigo& def : CamposAntigos) {
            const zav::Field valor = ficha->Fields(QString::fromLatin1(def.coluna));
            cmp(def.cmp).setText(eData(def) ? FichaAmostraDados::textoData(valor) : valor.text());
        }
    }
    cmp(7).setText(sObs);
    mostraFoto(FichaAmostraDados::PastaImagensAntiga);
}
