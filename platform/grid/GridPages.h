#pragma once

#include "platform/grid/GridContent.h"
#include "platform/grid/GridPrintSettings.h"

#include <QImage>
#include <QSizeF>
#include <QStringList>
#include <vector>

class QPainter;
class QPrinter;

namespace zav {

// A grid laid out as pages: header band, column headings repeated on every
// page, group headings and rows, footer band with the page number. A column
// is at least as wide as the widest line of its heading; columns wider than
// the page are scaled down to its width.
class GridPages {
public:
    GridPages(GridContent content, GridPrintSettings settings);

    // A4 portrait (or landscape, as the settings say) until told otherwise.
    void layout(QSizeF pageSizeTwips);
    QSizeF pageSizeTwips() const { return pageSize_; }
    int pageCount() const { return int(pages_.size()); }
    // As printed, before any scaling down to the page.
    int columnWidthTwips(int column) const { return content_.columns.at(column).widthTwips; }

    // Paints one page; the painter's units must be twips.
    void renderPage(QPainter& painter, int page) const;
    // The page drawn to fill an image of that many pixels.
    QImage pageImage(int page, QSize pixels) const;
    // Every text painted on the page, for searching.
    QStringList pageTexts(int page) const;

    // Lays the pages out for the printer's paper and prints them all.
    void print(QPrinter& printer) const;

    const GridPrintSettings& settings() const { return settings_; }

private:
    struct Page { int firstLine = 0; int lineCount = 0; };
    QRectF bodyRect() const;
    double scale() const;
    QString footerFor(int page) const;
    double headingHeight() const;
    double rowHeight() const;

    GridContent content_;
    GridPrintSettings settings_;
    QSizeF pageSize_;
    std::vector<Page> pages_;
};

} // namespace zav
