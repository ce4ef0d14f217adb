#pragma once

#include <QtGlobal>

namespace zav::xls {

class BiffStream;
struct SheetContent;

void writeBof(BiffStream& out, quint16 substreamType);
void writeEof(BiffStream& out);

// The workbook globals: settings, fonts, formats, styles, the sheet's entry
// and the shared strings. Returns where the sheet entry keeps the stream
// position of the sheet, to be filled in once the sheet is written.
qsizetype writeGlobalsSubstream(BiffStream& out, const SheetContent& sheet);

// The worksheet: settings, column widths, the cells in blocks of 32 rows
// with their DBCELL records and the INDEX that finds them, and the window.
void writeWorksheetSubstream(BiffStream& out, const SheetContent& sheet);

} // namespace zav::xls
