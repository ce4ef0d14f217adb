#pragma once

#include "platform/data/Currency.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zav {
class Recordset;
}

// The rows of the maps whose quantity columns are size print positions (the
// summary and detail maps, the order sheet), filled from their data lines in
// reference (and colour) order.
//
// A row opens on the first line and whenever the line's `CodRef`, or its
// `MedVert` where the map has a row per colour, differs from the line before;
// a line without a code (Null) never opens a row by itself. A new row takes
// `Referencia` from `CodRef` and its other texts from the line, each cut to
// its field's length. Every line's `Quant` is added to the cell of its
// position and to the row's `Total`, so two sizes that print at one position
// share their cell. A line whose position has no column still opens its row,
// which then shows empty.
namespace LinhasPorPosicao {

struct Forma {
    QString campoPosicao;  // the lines' field with their size's print position
    bool porCor = false;   // a row per reference and colour, not per reference
    QStringList textos;    // the texts a row takes from the line of the same field name
    int NoTamFinal = 0;    // the position fields, 1 .. NoTamFinal, stand just before `Total`
};

struct Somas {
    QList<zav::Currency> porPosicao;  // index p: every quantity placed at position p
    int linhasSemColuna = 0;          // lines left out: their position has no column
};

Somas preenche(zav::Recordset& mapa, zav::Recordset& dados, const Forma& forma);

} // namespace LinhasPorPosicao
