#include "platform/grid/GridPages.h"

#include "platform/data/RuntimeError.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace zav {

namespace {

constexpr double TwipsPerPoint = 20.0;
constexpr double TwipsPerInch = 1440.0;
constexpr double CellPadding = 60.0;
const QSizeF A4Twips(11906, 16838);
const QColor HeadingShade(0xE4, 0xE4, 0xE4);

// The painter works in twips, so fonts are sized in twips too.
QFont fontInTwips(const QString& family, double pointSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(std::max(1, int(std::lround(pointSize * TwipsPerPoint))));
    font.setBold(bold);
    return font;
}

QFont fontInTwips(const QFont& screenFont)
{
    const double points = screenFont.pointSizeF() > 0 ? screenFont.pointSizeF() : screenFont.pixelSize() * 0.75;
    return fontInTwips(screenFont.family(), points, screenFont.bold());
}

QFont fontInTwips(const PrintFont& font) { return fontInTwips(font.name, font.pointSize, font.bold); }

Qt::Alignment horizontal(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Center: return Qt::AlignHCenter;
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Left:
    case Alignment::General: break;
    }
    return Qt::AlignLeft;
}

QString lines(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

double lineHeight(const QFont& font) { return QFontMetricsF(font).height(); }

void drawCell(QPainter& painter, const QRectF& rect, const QString& text, Qt::Alignment alignment)
{
    painter.drawRect(rect);
    const QRectF inner = rect.adjusted(CellPadding, 0, -CellPadding, 0);
    const QString shown = QFontMetricsF(painter.font()).elidedText(text, Qt::ElideRight, inner.width());
    painter.drawText(inner, int(alignment | Qt::AlignVCenter), shown);
}

} // namespace

GridPages::GridPages(GridContent content, GridPrintSettings settings)
    : content_(std::move(content)), settings_(std::move(settings))
{
    // Heading lines break only where the heading says so: a line that does
    // not fit would be cut off at the cell's edge.
    const QFontMetricsF heading(fontInTwips(content_.headingFont));
    for (auto& column : content_.columns) {
        for (const QString& line : lines(column.heading).split(QLatin1Char('\n')))
            column.widthTwips = std::max(column.widthTwips,
                                         int(std::ceil(heading.horizontalAdvance(line) + 2 * CellPadding)));
    }
    layout(settings_.landscape ? A4Twips.transposed() : A4Twips);
}

QRectF GridPages::bodyRect() const
{
    const double top = settings_.marginTopTwips + settings_.headerHeightTwips;
    const double bottom = pageSize_.height() - settings_.marginBottomTwips - settings_.footerHeightTwips;
    return QRectF(settings_.marginLeftTwips, top,
                  pageSize_.width() - settings_.marginLeftTwips - settings_.marginRightTwips,
                  std::max(bottom - top, 0.0));
}

double GridPages::scale() const
{
    double total = 0;
    for (const auto& column : content_.columns)
        total += column.widthTwips;
    const double available = bodyRect().width();
    return total > available && total > 0 ? available / total : 1.0;
}

double GridPages::rowHeight() const
{
    return std::max<double>(content_.rowHeightTwips, lineHeight(fontInTwips(content_.font)) + 40);
}

double GridPages::headingHeight() const
{
    qsizetype mostLines = 1;
    for (const auto& column : content_.columns)
        mostLines = std::max(mostLines, column.heading.count(QLatin1String("\r\n")) + 1);
    return double(mostLines) * lineHeight(fontInTwips(content_.headingFont)) + 2 * CellPadding;
}

void GridPages::layout(QSizeF pageSizeTwips)
{
    pageSize_ = pageSizeTwips;
    pages_.clear();
    const double available = bodyRect().height() / scale() - headingHeight();
    const int perPage = std::max(1, int(std::floor(available / rowHeight())));
    const int total = int(content_.lines.size());
    for (int first = 0; first < total; first += perPage)
        pages_.push_back(Page{first, std::min(perPage, total - first)});
    if (pages_.empty())
        pages_.push_back(Page{});
}

QString GridPages::footerFor(int page) const
{
    QString text = settings_.footerText;
    text.replace(QLatin1String("{pagecount}"), QString::number(pageCount()));
    text.replace(QLatin1String("{page}"), QString::number(page + 1));
    return text;
}

void GridPages::renderPage(QPainter& painter, int page) const
{
    const Page& range = pages_.at(size_t(page));
    const double contentWidth = pageSize_.width() - settings_.marginLeftTwips - settings_.marginRightTwips;
    painter.save();
    painter.setPen(QPen(Qt::black, 0));

    painter.setFont(fontInTwips(settings_.headerFont));
    painter.drawText(QRectF(settings_.marginLeftTwips, settings_.marginTopTwips, contentWidth, settings_.headerHeightTwips),
                     int(horizontal(settings_.headerAlignment) | Qt::AlignTop), lines(settings_.headerText));

    painter.setFont(fontInTwips(settings_.footerFont));
    painter.drawText(QRectF(settings_.marginLeftTwips,
                            pageSize_.height() - settings_.marginBottomTwips - settings_.footerHeightTwips,
                            contentWidth, settings_.footerHeightTwips),
                     int(horizontal(settings_.footerAlignment) | Qt::AlignVCenter), footerFor(page));

    const QRectF body = bodyRect();
    painter.translate(body.topLeft());
    painter.scale(scale(), scale());

    double tableWidth = 0;
    for (const auto& column : content_.columns)
        tableWidth += column.widthTwips;

    const double headingH = headingHeight();
    painter.setFont(fontInTwips(content_.headingFont));
    double x = 0;
    for (const auto& column : content_.columns) {
        const QRectF cell(x, 0, column.widthTwips, headingH);
        painter.fillRect(cell, HeadingShade);
        painter.drawRect(cell);
        painter.drawText(cell.adjusted(CellPadding, 0, -CellPadding, 0), int(Qt::AlignCenter), lines(column.heading));
        x += column.widthTwips;
    }

    const QFont rowFont = fontInTwips(content_.font);
    QFont groupFont = rowFont;
    groupFont.setBold(true);
    const double rowH = rowHeight();
    double y = headingH;
    for (int i = range.firstLine; i < range.firstLine + range.lineCount; ++i, y += rowH) {
        const GridContent::Line& line = content_.lines.at(i);
        if (line.isGroupHeading) {
            painter.setFont(groupFont);
            const QRectF band(0, y, tableWidth, rowH);
            painter.fillRect(band, HeadingShade);
            drawCell(painter, band, line.groupHeading, Qt::AlignLeft);
            continue;
        }
        painter.setFont(rowFont);
        x = 0;
        for (qsizetype c = 0; c < content_.columns.size(); ++c) {
            const auto& column = content_.columns[c];
            drawCell(painter, QRectF(x, y, column.widthTwips, rowH), line.texts.value(c),
                     column.alignment & Qt::AlignHorizontal_Mask);
            x += column.widthTwips;
        }
    }
    painter.restore();
}

QImage GridPages::pageImage(int page, QSize pixels) const
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(pixels.width() / pageSize_.width(), pixels.height() / pageSize_.height());
    renderPage(painter, page);
    return image;
}

QStringList GridPages::pageTexts(int page) const
{
    const Page& range = pages_.at(size_t(page));
    QStringList texts = lines(settings_.headerText).split(QLatin1Char('\n'));
    for (const auto& column : content_.columns)
        texts.append(lines(column.heading).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    for (int i = range.firstLine; i < range.firstLine + range.lineCount; ++i) {
        const GridContent::Line& line = content_.lines.at(i);
        if (line.isGroupHeading)
            texts.append(line.groupHeading);
        else
            texts.append(line.texts);
    }
    texts.append(footerFor(page));
    return texts;
}

void GridPages::print(QPrinter& printer) const
{
    printer.setFullPage(true);
    GridPages laidOut(*this);
    laidOut.layout(printer.pageLayout().fullRect(QPageLayout::Point).size() * TwipsPerPoint);
    QPainter painter;
    if (!painter.begin(&printer))
        throw RuntimeError(errors::Unspecified, QStringLiteral("Não foi possível começar a impressão."));
    const double factor = printer.resolution() / TwipsPerInch;
    for (int page = 0; page < laidOut.pageCount(); ++page) {
        if (page > 0)
            printer.newPage();
        painter.save();
        painter.scale(factor, factor);
        laidOut.renderPage(painter, page);
        painter.restore();
    }
    painter.end();
}

} // namespace zav
