#include "reports/MapaRefCliente.h"

#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/Grelha.h"

#include <QHash>

namespace MapaRefCliente {

namespace {

const QString Terceiro = QStringLiteral("Terceiro");

QString filtro(const MapasSql::Filtros& f)
{
    return MapasSql::filtroReferencia(f, true);
}

// The lines of one article and customer under several salesmen become one
// line with their sum, so that the customer's cell shows all it ordered and
// not only the salesman read last. Lines keep the order of their first.
zav::RecordsetPtr linhasPorCliente(zav::Recordset& linhas)
{
    auto juntas = std::make_shared<zav::Recordset>();
    for (const char* nome : {"MedVert", "MedHor", "Terceiro"})
        juntas->appendField(QString::fromUtf8(nome), zav::FieldType::Text, 0);
    juntas->appendField(QStringLiteral("Quant"), zav::FieldType::Currency);
    juntas->open();

    struct Junta {
        QString cor, tamanho, cliente;
        zav::Currency quantidade;
    };
    QList<Junta> lista;
    QHash<QString, qsizetype> posicao;
    for (linhas.MoveFirst(); !linhas.Eof(); linhas.MoveNext()) {
        const QString cliente = linhas.Fields(Terceiro).text();
        const QString chave = cliente.toCaseFolded() + QChar(0x1F) + linhas.Fields(QStringLiteral("artigo")).text();
        const zav::Currency quantidade = linhas.Fields(QStringLiteral("Quant")).currency();
        const auto existente = posicao.constFind(chave);
        if (existente != posicao.cend()) {
            lista[*existente].quantidade += quantidade;
            continue;
        }
        posicao.insert(chave, lista.size());
        lista.append({linhas.Fields(QStringLiteral("MedVert")).text(), linhas.Fields(QStringLiteral("MedHor")).text(),
                      cliente, quantidade});
    }
    for (const Junta& j : lista) {
        juntas->AddNew();
        juntas->Fields(0) = j.cor;
        juntas->Fields(1) = j.tamanho;
        juntas->Fields(2) = j.cliente;
        juntas->Fields(3) = j.quantidade;
        juntas->Update();
    }
    return juntas;
}

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

std::unique_ptr<MatrizCorTamanho> CriaRsRefCliente(zav::Recordset& tamanhos)
{
    auto matriz = std::make_unique<MatrizCorTamanho>(valores());
    matriz->CriaRsRefIndividual(tamanhos);
    return matriz;
}

CargaMatriz CarregaRefIndividualCliente(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& filtros)
{
    CargaMatriz carga;
    carga.artigo = FonteMatriz::artigo(bd, filtros.referencia);
    if (carga.artigo->RecordCount() == 0) {
        carga.falha = CargaMatriz::Falha::ReferenciaNaoExiste;
        return carga;
    }
    if (!leTamanhosECores(bd, carga))
        return carga;
    const zav::RecordsetPtr clientes = bd.AbreRecordset(QString(), sqlClientes(filtros));
    if (clientes->RecordCount() == 0) {
        carga.falha = CargaMatriz::Falha::SemClientes;
        return carga;
    }
    const zav::RecordsetPtr linhas = bd.AbreRecordset(QString(), sqlLinhas(filtros));
    if (linhas->RecordCount() == 0) {
        carga.falha = CargaMatriz::Falha::SemInformacao;
        return carga;
    }

    carga.matriz = CriaRsRefCliente(*carga.tamanhos);
    // One entry per customer: its other salesmen's entries would only repeat its colours.
    QString anterior;
    bool primeiro = true;
    for (clientes->MoveFirst(); !clientes->Eof(); clientes->MoveNext()) {
        const QString cliente = clientes->Fields(Terceiro).text();
        if (!primeiro && cliente.compare(anterior, Qt::CaseInsensitive) == 0)
            continue;
        primeiro = false;
        anterior = cliente;
        carga.matriz->acrescentaCores(*carga.cores,
                                      {cliente + QLatin1Char('/') + clientes->Fields(QStringLiteral("Nome")).text(), cliente});
    }
    carga.matriz->colocaLinhas(*linhasPorCliente(*linhas),
                               {{QStringLiteral("CodCor"), QStringLiteral("MedVert")},
                                {QStringLiteral("Cliente"), Terceiro}});
    carga.matriz->totaliza();
    carga.tamanhos->MoveFirst();
    return carga;
}

void Act_Grelha_Campos_RefCliente(zav::Grelha& grelha, const MatrizCorTamanho& matriz, zav::Recordset& tamanhos)
{
    matriz.Act_Grelha_Campos(grelha, tamanhos);
    agrupaMatriz(grelha, QStringLiteral("IdCliente"));
}

} // namespace MapaRefCliente
