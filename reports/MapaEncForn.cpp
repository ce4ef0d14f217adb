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

std::unique_ptr<MatrizCorTamanho> CriaRsEncForn(zav::Recordset& tamanhos)
{
    auto matriz = std::make_unique<MatrizCorTamanho>(valores());
    matriz->CriaRsRefIndividual(tamanhos);
    return matriz;
}

CargaMatriz CarregaEncomendasFornecedor(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& filtros)
{
    CargaMatriz carga;
    carga.artigo = FonteMatriz::artigo(bd, filtros.referencia);
    if (carga.artigo->RecordCount() == 0) {
        carga.falha = CargaMatriz::Falha::ReferenciaNaoExiste;
        return carga;
    }
    // A supplier that is null, not only empty, is no supplier either.
    const QString codigo = carga.artigo->Fields(QStringLiteral("Fornec")).text();
    if (codigo.isEmpty()) {
        carga.falha = CargaMatriz::Falha::SemFornecedor;
        return carga;
    }
    const zav::RecordsetPtr fornecedor = bd.AbreRecordset(QString(), sqlFornecedor(codigo));
    if (fornecedor->RecordCount() == 0) {
        carga.falha = CargaMatriz::Falha::FornecedorNaoExiste;
        return carga;
    }
    if (!leTamanhosECores(bd, carga))
        return carga;
    const zav::RecordsetPtr linhas = bd.AbreRecordset(
        QString(), MapasSql::linhasMatriz(filtros.base, MapasSql::filtroReferencia(filtros, true)));
    if (linhas->RecordCount() == 0) {
        carga.falha = CargaMatriz::Falha::SemInformacao;
        return carga;
    }

    carga.matriz = CriaRsEncForn(*carga.tamanhos);
    carga.matriz->acrescentaCores(
        *carga.cores, {codigo + QLatin1Char('/') + fornecedor->Fields(QStringLiteral("Nome")).text(), codigo});
    carga.matriz->colocaLinhas(*linhas);
    carga.matriz->totaliza();
    carga.tamanhos->MoveFirst();
    return carga;
}

void Act_Grelha_Campos_EncForn(zav::Grelha& grelha, const MatrizCorTamanho& matriz, zav::Recordset& tamanhos)
{
    matriz.Act_Grelha_Campos(grelha, tamanhos);
    agrupaMatriz(grelha, QStringLiteral("IdFornec"));
}

} // namespace MapaEncForn
