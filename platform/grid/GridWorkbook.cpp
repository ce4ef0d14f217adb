#include "platform/grid/GridWorkbook.h"

#include "platform/grid/NumberFormat.h"
#include "platform/xls/XlsWorkbook.h"

#include <algorithm>

namespace zav {

namespace {

// A line of the workbook's default font (Arial 10) takes the default row height.
constexpr int SheetLineTwips = 255;

bool writesAsNumber(const GridContent::Column& column, const QVariant& value)
{
    if (column.kind != ValueKind::Text)
        return true;
    // A text column keeps texts as they are, but a figure stored as a number stays a figure.
    return value.typeId() != QMetaType::QString;
}

// The workbook's nearest number format to the grid's display format.
XlsCellStyle styleFor(const GridContent::Column& column)
{
    XlsCellStyle style;
    if (column.format.compare(QLatin1String("Standard"), Qt::CaseInsensitive) == 0)
        style.format = XlsNumberFormat::TwoDecimals;
    else if (column.format.contains(QLatin1Char('#')))
        style.format = XlsNumberFormat::Integer;
    return style;
}

} // namespace

void writeWorkbook(const GridContent& content, const QString& path)
{
    XlsWorkbook book(QStringLiteral("Folha1"));
    book.reserve(qsizetype(content.lines.size() + 1) * content.columns.size());

    // A heading of several lines (one per size type) wraps, and its row is as
    // tall as the most lines, so Excel shows them one under the other.
    const XlsCellStyle bold{.bold = true};
    qsizetype mostLines = 1;
    for (int c = 0; c < int(content.columns.size()); ++c) {
        const GridContent::Column& column = content.columns[c];
        book.setColumnWidthTwips(c, column.widthTwips);
        QString heading = column.heading;
        heading.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        const qsizetype lines = heading.count(QLatin1Char('\n')) + 1;
        mostLines = std::max(mostLines, lines);
        book.setText(0, c, heading, {.bold = true, .wrap = lines > 1});
    }
    if (mostLines > 1)
        book.setRowHeightTwips(0, int(mostLines) * SheetLineTwips);

    int row = 1;
    for (const GridContent::Line& line : content.lines) {
        if (line.isGroupHeading) {
            if (!line.groupHeading.isEmpty())
                book.setText(row, 0, line.groupHeading, bold);
            ++row;
            continue;
        }
        for (int c = 0; c < int(content.columns.size()); ++c) {
            const GridContent::Column& column = content.columns[c];
            const QString& shown = line.texts.at(c);
            double number = 0;
            if (writesAsNumber(column, line.values.at(c)) && toNumber(line.values.at(c), number))
                book.setNumber(row, c, number, styleFor(column));
            else if (!shown.isEmpty())
                book.setText(row, c, shown);
        }
        ++row;
    }
    book.save(path);
}

} // namespace zav
