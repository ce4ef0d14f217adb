#include "reports/MapaRefCliente.h"

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

QString chaveCorCliente(const QString& cliente, const QString& cor)
{
    return chaveDeTextos({cor, cliente});
}

const QList<MatrizCorTamanho::ChaveLinha> ChaveCorCliente{{QStringLiteral("CodCor"), QStringLiteral("MedVert")},
                                                          {QStringLiteral("Cliente"), Terceiro}};

// The lines of one article and customer under several salesmen become one
// line with their sum, so that the customer's cell shows all it ordered and
// not only the salesman read last. The statement orders the lines by
// customer, colour and size position, so such lines stand in one run of equal
// customer and positions; each line is looked for in its run only.
QList<MatrizCorTamanho::LinhaMatriz> linhasPorCliente(zav::Recordset& linhas)
{
    QList<MatrizCorTamanho::LinhaMatriz> juntas;
    QStringList artigos;  // beside `juntas`
    const int campoCor = linhas.fieldIndex(QStringLiteral("MedVert"));
    const int campoCliente = linhas.fieldIndex(Terceiro);
    const int campoArtigo = linhas.fieldIndex(QStringLiteral("artigo"));
    const int campoTamanho = linhas.fieldIndex(QStringLiteral("MedHor"));
    const int campoQuantidade = linhas.fieldIndex(QStringLiteral("Quant"));
    const int campoPosicaoCor = linhas.fieldIndex(QStringLiteral("Mv"));
    const int campoPosicaoTamanho = linhas.fieldIndex(QStringLiteral("mH"));
    juntas.reserve(linhas.RecordCount());
    qsizetype inicioDaSequencia = 0;
    QVariant cliente, posicaoCor, posicaoTamanho;
    for (linhas.MoveFirst(); !linhas.Eof(); linhas.MoveNext()) {
        const QVariant esteCliente = linhas.Fields(campoCliente).value();
        const QVariant estaCor = linhas.Fields(campoPosicaoCor).value();
        const QVariant esteTamanho = linhas.Fields(campoPosicaoTamanho).value();
        if (esteCliente != cliente || estaCor != posicaoCor || esteTamanho != posicaoTamanho) {
            inicioDaSequencia = juntas.size();
            cliente = esteCliente;
            posicaoCor = estaCor;
            posicaoTamanho = esteTamanho;
        }
        const QString artigo = linhas.Fields(campoArtigo).text();
        const zav::Currency quantidade = linhas.Fields(campoQuantidade).currency();
        const qsizetype igual = artigos.indexOf(artigo, inicioDaSequencia);
        if (igual >= 0) {
            juntas[igual].quantidade += quantidade;
            continue;
        }
        artigos << artigo;
        juntas.append({{linhas.Fields(campoCor).text(), esteCliente.toString()}, linhas.Fields(campoTamanho).text(),
                       quantidade});
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

    const QList<MatrizCorTamanho::LinhaMatriz> juntas = linhasPorCliente(*linhas);
    // The rows of a customer's colours without a line would all be removed as zero.
    std::unordered_set<QString, HashTexto> comLinhas;
    for (const MatrizCorTamanho::LinhaMatriz& linha : juntas)
        comLinhas.insert(chaveCorCliente(linha.chave[1], linha.chave[0]));

    MatrizCorTamanho& matriz = CriaRsRefCliente(carga);
    // One entry per customer: its other salesmen's entries would only repeat its colours.
    QString anterior;
    bool primeiro = true;
    for (clientes->MoveFirst(); !clientes->Eof(); clientes->MoveNext()) {
        const QString cliente = clientes->Fields(Terceiro).text();
        if (!primeiro && cliente.compare(anterior, Qt::CaseInsensitive) == 0)
            continue;
        primeiro = false;
        anterior = cliente;
        matriz.acrescentaCores(*carga.cores,
                               {cliente + QLatin1Char('/') + clientes->Fields(QStringLiteral("Nome")).text(), cliente},
                               [&](const QString& cor) { return comLinhas.count(chaveCorCliente(cliente, cor)) > 0; });
    }
    matriz.colocaLinhas(juntas, ChaveCorCliente);
    carga.totaliza();
    return carga;
}

void Act_Grelha_Campos_RefCliente(zav::Grelha& grelha, const MatrizCorTamanho& matriz, zav::Recordset& tamanhos)
{
    matriz.Act_Grelha_Campos(grelha, tamanhos);
    agrupaMatriz(grelha, QStringLiteral("IdCliente"));
}

} // namespace MapaRefCliente
