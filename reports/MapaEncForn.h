#pragma once

#include "reports/MapasSql.h"
#include "reports/MatrizCorTamanho.h"

namespace zav {
class Grelha;
class zavCoreDataAccess2016;
}

// The colour × size matrix of one reference under a group that names its
// supplier, one totals row, the rows whose total is 0 left out.
namespace MapaEncForn {

ValoresMatriz valores();

// "Select * from Fornec where Codigo='<codigo>' "
QString sqlFornecedor(const QString& codigo);

// The empty matrix with the supplier fields in front, into `carga`.
MatrizCorTamanho& CriaRsEncForn(CargaMatriz& carga);

// The map of `filtros.referencia`, or why there is none; the supplier is
// checked before the sizes and colours.
CargaMatriz CarregaEncomendasFornecedor(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& filtros);

void Act_Grelha_Campos_EncForn(zav::Grelha& grelha, const MatrizCorTamanho& matriz, zav::Recordset& tamanhos);

} // namespace MapaEncForn
