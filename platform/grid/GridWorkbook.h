#pragma once

#include "platform/grid/GridContent.h"

#include <QString>

namespace zav {

// Writes what a grid shows to an Excel 97-2003 workbook of one sheet: the
// headings on the first row, then every line, group headings included. Numbers
// stay numbers, everything else is written as the grid displays it.
void writeWorkbook(const GridContent& content, const QString& path);

} // namespace zav
