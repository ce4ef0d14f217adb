#include "reports/MapaRefCliente.h"

#include "platform/data/ErpText.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/Grelha.h"

#include <unordered_set>

namespace MapaRefCliente {

namespace {

const QString Terceiro = QStringLiteral("Terceiro");

QString filtro(const MapasSql::Filtros& f)
{
    return MapasSql::filtroReferencia(f, true);
}

QByteArray chaveCorCliente(const QString& cliente, const QString& cor)
{
    return chaveDeTextos({cor, cliente});
}

const QList<MatrizCorTamanho::ChaveLinha> ChaveCorCliente{{QStringLiteral("CodCor"), QStringLiteral("MedVert")},
                                                          {QStringLiteral("Cliente"), Terceiro}};

} // namespace

ValoresMatriz valores()
{
    ValoresMatriz v;
    v.larguraTamanho = 750;
    v.larguraTotal = 1200;
    v.larguraCor = 1800;
    v.linhaEmBrancoAntesDoTotal = false;
    v.removeLinhasTotalZero = true;
    v.camposAntes = {{QStringLiteral("IdCliente"), QStringLiteral("Cliente"), 1700, 100},
                     {QStringLiteral("Cliente"), QStringLiteral("Cliente"), 1700, 100}};
    v.camposDepois = {{QStringLiteral("Data"), QStringLiteral("Data"), 1000, 10}};
    return v;
}

QString sqlClientes(const MapasSql::Filtros& f)
{
    return QStringLiteral(" select ") + MapasSql::quantidade(f.base) + QStringLiteral(" c.Terceiro,cl.Nome,c.Vendedor")
        + MapasSql::documentosLinhasArtigos() + QStringLiteral(" inner join Clientes as cl ON cl.Codigo=c.Terceiro")
        + filtro(f) + QStringLiteral(" group by c.Terceiro,cl.Nome,c.Vendedor") + QStringLiteral(" order by c.Terceiro");
}

QString sqlLinhas(const MapasSql::Filtros& f)
{
    return MapasSql::linhasMatriz(f.base, filtro(f), QStringLiteral(",c.Terceiro,c.Vendedor"),
                                  QStringLiteral("c.Terceiro,"));
}

MatrizCorTamanho& CriaRsRefCliente(CargaMatriz& carga)
{
    return criaMatriz(carga, valores());
}

CargaMatriz CarregaRefIndividualCliente(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& filtros)
{
    CargaMatriz carga;
    if (!leReferencia(bd, filtros.referencia, carga) || !leTamanhosECores(bd, carga))
        return carga;
    const zav::RecordsetPtr clientes = bd.AbreRecordset(QString(), sqlClientes(filtros));
    if (clientes->RecordCount() == 0) {
        carga.falhou(CargaMatriz::Falha::SemClientes);
        return carga;
    }
    const zav::RecordsetPtr linhas = leLinhasEncomenda(bd, sqlLinhas(filtros), carga);
    if (!linhas)
        return carga;

    // A customer's lines under several salesmen land in its one row and add up there.
    const QList<MatrizCorTamanho::LinhaMatriz> lidas = MatrizCorTamanho::leLinhas(*linhas, ChaveCorCliente);
    // The rows of a customer's colours without a line would all be removed as zero.
    std::unordered_set<QByteArray> comLinhas;
    for (const MatrizCorTamanho::LinhaMatriz& linha : lidas)
        comLinhas.insert(chaveCorCliente(linha.chave[1], linha.chave[0]));

    MatrizCorTamanho& matriz = CriaRsRefCliente(carga);
    // One entry per customer: its other salesmen's entries would only repeat its colours.
    QString anterior;
    bool primeiro = true;
    for (clientes->MoveFirst(); !clientes->Eof(); clientes->MoveNext()) {
        const QString cliente = clientes->Fields(Terceiro).text();
        if (!primeiro && zav::erptext::equal(cliente, anterior))
            continue;
        primeiro = false;
        anterior = cliente;
        matriz.acrescentaCores(*carga.cores,
                               {cliente + QLatin1Char('/') + clientes->Fields(QStringLiteral("Nome")).text(), cliente},
                               [&](const QString& cor) { return comLinhas.count(chaveCorCliente(cliente, cor)) > 0; });
    }
    matriz.colocaLinhas(lidas, ChaveCorCliente);
    carga.totaliza();
    return carga;
}

void Act_Grelha_Campos_RefCliente(zav::Grelha& grelha, const MatrizCorTamanho& matriz, zav::Recordset& tamanhos)
{
    matriz.Act_Grelha_Campos(grelha, tamanhos);
    agrupaMatriz(grelha, QStringLiteral("IdCliente"));
}

} // namespace MapaRefCliente
