#include "platform/grid/GridWorkbook.h"

#include "platform/grid/NumberFormat.h"
#include "platform/xls/XlsWorkbook.h"

namespace zav {

namespace {

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

    const XlsCellStyle bold{.bold = true};
    for (int c = 0; c < int(content.columns.size()); ++c) {
        const GridContent::Column& column = content.columns[c];
        book.setColumnWidthTwips(c, column.widthTwips);
        // A heading of several lines (one per size type) wraps, so Excel shows its lines one under the other.
        QString heading = column.heading;
        heading.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        book.setText(0, c, heading, {.bold = true, .wrap = heading.contains(QLatin1Char('\n'))});
    }

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
