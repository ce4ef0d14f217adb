#pragma once

#include "reports/MapasSql.h"

#include <QDateTime>
#include <QString>

namespace zav {
struct GridPrintSettings;
}

// The page layout of the order maps: a header that names the criteria of the
// map on screen and a footer with the page count and when it was printed.
namespace ImpressaoMapas {

// The header lines of map mode `modo` (1 to 6), separated by CR LF; the
// family and sub-family descriptions go in only for the summary and detail
// maps and only when group, family and sub-family are all filled.
QString cabecalho(int modo, const MapasSql::Filtros& filtros, const QString& descFamilia,
                  const QString& descSubFamilia);

// Header, footer, fonts, margins and bands of an order map printed at `agora`.
void formata(zav::GridPrintSettings& impressao, const QString& cabecalho, const QDateTime& agora);

// The page that the order maps and the order sheet share: margins, the header
// `cabecalho` in Verdana bold of `tamanhoLetra` in a band `bandaCabecalho`
// twips high, and the footer `rodape` in size 8 under the rows.
void formataPagina(zav::GridPrintSettings& impressao, const QString& cabecalho, double tamanhoLetra,
                   int bandaCabecalho, const QString& rodape);
// "Página: {page} de {pagecount}": the page number and the page count.
QString rodapePaginas();

} // namespace ImpressaoMapas
