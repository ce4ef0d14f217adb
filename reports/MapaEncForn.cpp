#include "reports/MapaEncForn.h"

#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/Grelha.h"

namespace MapaEncForn {

ValoresMatriz valores()
{
    ValoresMatriz v;
    v.larguraTamanho = 750;
    v.larguraTotal = 1200;
    v.larguraCor = 1800;
    v.linhaEmBrancoAntesDoTotal = false;
    v.removeLinhasTotalZero = true;
    v.camposAntes = {{QStringLiteral("IdFornec"), QStringLiteral("Fornecedor"), 1700, 100},
                     {QStringLiteral("Fornec"), QStringLiteral("Fornecedor"), 1700, 100}};
    return v;
}

QString sqlFornecedor(const QString& codigo)
{
    return QStringLiteral("Select * from Fornec where Codigo='") + zav::SqlTexto(codigo) + QStringLiteral("' ");
}

MatrizCorTamanho& CriaRsEncForn(CargaMatriz& carga)
{
    return criaMatriz(carga, valores());
}

CargaMatriz CarregaEncomendasFornecedor(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& filtros)
{
    CargaMatriz carga;
    if (!leReferencia(bd, filtros.referencia, carga))
        return carga;
    // A supplier that is null, not only empty, is no supplier either.
    const QString codigo = carga.artigo->Fields(QStringLiteral("Fornec")).text();
    if (codigo.isEmpty()) {
        carga.falhou(CargaMatriz::Falha::SemFornecedor);
        return carga;
    }
    const zav::RecordsetPtr fornecedor = bd.AbreRecordset(QString(), sqlFornecedor(codigo));
    if (fornecedor->RecordCount() == 0) {
        carga.falhou(CargaMatriz::Falha::FornecedorNaoExiste);
        return carga;
    }
    if (!leTamanhosECores(bd, carga))
        return carga;
    const zav::RecordsetPtr linhas = leLinhasEncomenda(
        bd, MapasSql::linhasMatriz(filtros.base, MapasSql::filtroReferencia(filtros, true)), carga);
    if (!linhas)
        return carga;

    MatrizCorTamanho& matriz = CriaRsEncForn(carga);
    matriz.acrescentaCores(*carga.cores,
                           {codigo + QLatin1Char('/') + fornecedor->Fields(QStringLiteral("Nome")).text(), codigo});
    matriz.colocaLinhas(*linhas);
    carga.totaliza();
    return carga;
}

void Act_Grelha_Campos_EncForn(zav::Grelha& grelha, const MatrizCorTamanho& matriz, zav::Recordset& tamanhos)
{
    matriz.Act_Grelha_Campos(grelha, tamanhos);
    agrupaMatriz(grelha, QStringLiteral("IdFornec"));
}

} // namespace MapaEncForn
