#pragma once

#include "platform/xls/SheetContent.h"
#include "platform/xls/XlsCellStyle.h"

#include <QString>

namespace zav {

// A one-sheet Excel 97-2003 workbook (.xls), filled cell by cell and saved
// in one go. Cells may be set in any order; setting a cell again replaces it.
// Each distinct text is kept once, so a large grid costs about 16 bytes a
// cell until it is saved.
class XlsWorkbook {
public:
    static constexpr int MaxRows = xls::SheetRows;
    static constexpr int MaxColumns = xls::SheetColumns;
    static constexpr int MaxTextLength = 32767;

    // Characters Excel does not allow in a sheet name become "_", the name is
    // cut to 31 characters, and an empty one becomes "Folha1".
    explicit XlsWorkbook(const QString& sheetName);

    void reserve(qsizetype cellCount) { sheet_.cells.reserve(cellCount); }

    void setColumnWidthTwips(int column, int twips);
    // The height of a row that holds cells; Excel keeps it as set.
    void setRowHeightTwips(int row, int twips);

    // Raise zav::RuntimeError 9 for a cell beyond the sheet or a text longer
    // than a cell keeps, 6 for a number that is not finite.
    void setText(int row, int column, const QString& text, XlsCellStyle style = {});
    void setNumber(int row, int column, double value, XlsCellStyle style = {});

    const QString& sheetName() const { return sheet_.name; }

    // Raises zav::RuntimeError (76 path not found, 70 permission denied,
    // 75 any other failure to write) and leaves no partial file behind.
    void save(const QString& path);

private:
    void addCell(int row, int column, xls::Cell cell);
    void putCellsInOrder();

    xls::SheetContent sheet_;
    bool cellsInOrder_ = true;
};

} // namespace zav
