#pragma once

#include "platform/xls/SharedStringTable.h"
#include "platform/xls/XlsCellStyle.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <map>
#include <vector>

namespace zav::xls {

constexpr int SheetRows = 65536;
constexpr int SheetColumns = 256;

struct Cell {
    enum Kind : quint8 { Text, Number };

    quint32 position; // row << 8 | column: sorts row by row
    Kind kind;
    quint8 xf;
    union {
        double number;
        quint32 stringIndex;
    };

    int row() const { return int(position >> 8); }
    int column() const { return int(position & 0xFF); }
};

// What one sheet holds when it is written: cells in row-then-column order,
// one per position, texts by their index in the shared string table.
struct SheetContent {
    QString name;
    std::vector<Cell> cells;
    SharedStringTable strings;
    std::array<quint16, SheetColumns> columnWidths{}; // 1/256 of a character; 0 keeps the default
    std::map<int, quint16> rowHeights;                 // twips, for the rows that do not keep the default
};

// The XF record a cell of this style refers to.
quint8 cellXfIndex(XlsCellStyle style);

// The BIFF8 Workbook stream of a one-sheet workbook.
QByteArray buildWorkbookStream(const SheetContent& sheet);

} // namespace zav::xls
