#pragma once

#include "reports/MapasSql.h"
#include "reports/MatrizCorTamanho.h"

namespace zav {
class Grelha;
class zavCoreDataAccess2016;
}

// The colour × size matrix of one reference per customer: each customer's
// colours under a group headed "<code>/<name>", one totals row over all, the
// rows whose total is 0 left out.
namespace MapaRefCliente {

ValoresMatriz valores();

QString sqlClientes(const MapasSql::Filtros& filtros);
QString sqlLinhas(const MapasSql::Filtros& filtros);

// The empty matrix with the customer fields around it, one size field per row
// of `carga.tamanhos` from its current row, into `carga`.
MatrizCorTamanho& CriaRsRefCliente(CargaMatriz& carga);

// The map of `filtros.referencia`, or why there is none. A customer whose
// orders carry several salesmen has one group holding all its quantities.
CargaMatriz CarregaRefIndividualCliente(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& filtros);

// The columns from `tamanhos` (from its current row) and one closed group per customer.
void Act_Grelha_Campos_RefCliente(zav::Grelha& grelha, const MatrizCorTamanho& matriz, zav::Recordset& tamanhos);

} // namespace MapaRefCliente
