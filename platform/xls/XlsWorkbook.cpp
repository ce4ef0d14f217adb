#include "platform/xls/XlsWorkbook.h"

#include "platform/data/RuntimeError.h"
#include "platform/xls/CompoundFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace zav {

namespace {

QString validSheetName(const QString& name)
{
    static const QString forbidden = QStringLiteral("[]:*?/\\");
    QString valid = name.left(31);
    for (QChar& c : valid) {
        if (forbidden.contains(c))
            c = QLatin1Char('_');
    }
    // Nor may a name start or end with an apostrophe.
    if (valid.startsWith(QLatin1Char('\'')))
        valid[0] = QLatin1Char('_');
    if (valid.endsWith(QLatin1Char('\'')))
        valid[valid.size() - 1] = QLatin1Char('_');
    return valid.isEmpty() ? QStringLiteral("Folha1") : valid;
}

quint16 clampedWidth(double units)
{
    return quint16(std::clamp(units, 1.0, 65535.0));
}

// Column widths count characters of the default font (Arial 10: a digit is 7
// pixels wide at 96 dpi, 15 twips a pixel).
constexpr double DigitPixels = 7.0;
constexpr double TwipsPerPixel = 15.0;

void checkColumn(int column)
{
    if (column < 0 || column >= XlsWorkbook::MaxColumns)
        throw RuntimeError(errors::SubscriptOutOfRange);
}

void checkRow(int row)
{
    if (row < 0 || row >= XlsWorkbook::MaxRows)
        throw RuntimeError(errors::SubscriptOutOfRange);
}

RuntimeError fileError(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists() || !folder.isDir())
        return RuntimeError(errors::PathNotFound, errors::description(errors::PathNotFound), path);
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return RuntimeError(errors::PermissionDenied, errors::description(errors::PermissionDenied), path);
    return RuntimeError(errors::PathFileAccess, errors::description(errors::PathFileAccess), path);
}

} // namespace

XlsWorkbook::XlsWorkbook(const QString& sheetName)
{
    sheet_.name = validSheetName(sheetName);
}

void XlsWorkbook::setColumnWidthTwips(int column, int twips)
{
    checkColumn(column);
    sheet_.columnWidths[column] = clampedWidth(twips / TwipsPerPixel / DigitPixels * 256.0);
}

void XlsWorkbook::setRowHeightTwips(int row, int twips)
{
    checkRow(row);
    constexpr int MaxRowHeightTwips = 8192; // 409.6 points, the most Excel allows
    sheet_.rowHeights[row] = quint16(std::clamp(twips, 1, MaxRowHeightTwips));
}

void XlsWorkbook::setText(int row, int column, const QString& text, XlsCellStyle style)
{
    if (text.size() > MaxTextLength)
        throw RuntimeError(errors::SubscriptOutOfRange,
                           QStringLiteral("Texto com mais de %1 caracteres").arg(MaxTextLength));
    xls::Cell cell{};
    cell.kind = xls::Cell::Text;
    cell.xf = xls::cellXfIndex(style);
    cell.stringIndex = sheet_.strings.add(text);
    addCell(row, column, cell);
}

void XlsWorkbook::setNumber(int row, int column, double value, XlsCellStyle style)
{
    if (!std::isfinite(value))
        throw RuntimeError(errors::Overflow);
    xls::Cell cell{};
    cell.kind = xls::Cell::Number;
    cell.xf = xls::cellXfIndex(style);
    cell.number = value;
    addCell(row, column, cell);
}

void XlsWorkbook::addCell(int row, int column, xls::Cell cell)
{
    checkColumn(column);
    checkRow(row);
    cell.position = quint32(row) << 8 | quint32(column);
    if (!sheet_.cells.empty() && sheet_.cells.back().position >= cell.position)
        cellsInOrder_ = false;
    sheet_.cells.push_back(cell);
}

// Grids write row by row, so sorting is the exception; when it is needed the
// last value set at a position wins.
void XlsWorkbook::putCellsInOrder()
{
    if (cellsInOrder_)
        return;
    auto& cells = sheet_.cells;
    std::stable_sort(cells.begin(), cells.end(),
                     [](const xls::Cell& a, const xls::Cell& b) { return a.position < b.position; });
    auto kept = cells.begin();
    for (auto next = cells.begin(); next != cells.end(); ++next) {
        if (next + 1 != cells.end() && (next + 1)->position == next->position)
            continue;
        *kept++ = *next;
    }
    cells.erase(kept, cells.end());
    cellsInOrder_ = true;
}

void XlsWorkbook::save(const QString& path)
{
    putCellsInOrder();
    const QByteArray stream = xls::buildWorkbookStream(sheet_);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw fileError(path);
    // A failed write makes commit() fail too, and the file is left as it was.
    if (!xls::writeCompoundFile(file, QStringLiteral("Workbook"), stream) || !file.commit())
        throw fileError(path);
}

} // namespace zav
