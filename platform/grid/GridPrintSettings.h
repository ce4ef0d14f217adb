#pragma once

#include "platform/grid/GridColumn.h"

#include <QString>

namespace zav {

struct PrintFont {
    QString name = QStringLiteral("Verdana");
    double pointSize = 8;
    bool bold = false;
};

// How a grid prints: everything in twips. The header band sits inside the top
// margin's edge, the footer band above the bottom margin; the rows fill what
// is left between them.
struct GridPrintSettings {
    int marginLeftTwips = 300;
    int marginTopTwips = 900;
    int marginRightTwips = 300;
    int marginBottomTwips = 900;
    int headerHeightTwips = 1500;
    int footerHeightTwips = 750;

    QString headerText;          // lines separated by CR LF
    PrintFont headerFont{QStringLiteral("Verdana"), 14, true};
    Alignment headerAlignment = Alignment::Center;

    // {page} and {pagecount} are replaced by the page number and the page count.
    QString footerText = QStringLiteral("Página: {page} de {pagecount}");
    PrintFont footerFont{QStringLiteral("Verdana"), 8, false};
    Alignment footerAlignment = Alignment::Right;

    bool landscape = false;
};

} // namespace zav
