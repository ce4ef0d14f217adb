#pragma once

#include "reports/EncomendaSql.h"
#include "reports/FolhaEncomenda.h"

#include <QDateTime>
#include <QString>

namespace zav {
struct GridPrintSettings;
}

// The page layout of the order sheet: a header that names the document, its
// date and salesman, the family filter, the customer, and the document's text
// lines, over the rows; a footer with the page count.
namespace ImpressaoEncomenda {

// What the header shows: the screen's values at the load of the sheet.
struct Cabecalho {
    ChaveEncomenda chave;     // type, year and series as the load read them
    qint64 lNoDoc = 0;        // the number of the document loaded
    QDateTime dDataDoc;
    QString sVendedor;
    QString sTerceiro;
    FiltroFamilia filtro;
    QString descFamilia;
    QString descSubFamilia;
    ClienteFicha cliente;
    QString linhasTexto;      // each line already ending in CR LF
};

// The header's lines, each ending in CR LF; the family line only when group,
// family and sub-family are all filled; the text lines last, as they are.
QString texto(const Cabecalho& cabecalho);

// Header in Verdana 7 bold, its band taller when the document has text lines
// (and as tall as they need when there are many), the footer without a print date.
void formata(zav::GridPrintSettings& impressao, const QString& cabecalho, bool comLinhasTexto);

} // namespace ImpressaoEncomenda
