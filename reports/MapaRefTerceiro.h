#pragma once

#include "platform/data/Recordset.h"
#include "platform/grid/GridColumn.h"
#include "reports/MapasSql.h"

#include <QList>
#include <QString>

namespace zav {
class Grelha;
class zavCoreDataAccess2016;
}

// How much each customer ordered of each reference in the window, without
// sizes or colours: a row per reference and customer, grouped by reference,
// each group showing its total. Always the pending quantity.
namespace MapaRefTerceiro {

QString sql(const MapasSql::Filtros& filtros);

// The empty map: `Referencia` (code "/" name), `Cliente`, `NomeCliente`, `Quant`.
zav::RecordsetPtr CriaRsTerceiro();

// The map of `filtros`, on its first row; null when no order line matches.
zav::RecordsetPtr CarregaRefTerceiro(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& filtros);

QList<zav::GridColumn> colunas();
// One group per reference, headed by " Total Quant = " and its sum, closed.
zav::GroupSpec grupo();
void Act_Grelha_Campos_Terceiro(zav::Grelha& grelha);

} // namespace MapaRefTerceiro
