#pragma once

#include <QString>

class QGridLayout;

namespace zav {
class zav_input;
class zav_inputArray;
}

// A value field of a maintenance screen: its caption, the column it keeps and
// that column's width, which is as many characters as the field takes.
struct CampoValor {
    int index;  // in `campo`
    const char* legenda;
    const char* coluna;
    int comprimento;

    QString nomeColuna() const { return QString::fromUtf8(coluna); }

    // Its caption and its input on one line of `grelha`, the input added to
    // `campo` and spanning `colunas` columns of the grid.
    zav::zav_input& acrescenta(QGridLayout& grelha, int linha, zav::zav_inputArray& campo, int colunas = 1) const;
};
