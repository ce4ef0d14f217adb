#include "platform/widgets/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace zav {

namespace {

constexpr double TwipsPerInch = 1440.0;

qreal logicalDpi(Qt::Orientation orientation)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    return orientation == Qt::Horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
}

int toPixels(int twips, Qt::Orientation orientation)
{
    return int(std::lround(twips * logicalDpi(orientation) / TwipsPerInch));
}

int toTwips(int pixels, Qt::Orientation orientation)
{
    return int(std::lround(pixels * TwipsPerInch / logicalDpi(orientation)));
}

} // namespace

int twipsToPixelsX(int twips) { return toPixels(twips, Qt::Horizontal); }
int twipsToPixelsY(int twips) { return toPixels(twips, Qt::Vertical); }
int pixelsToTwipsX(int pixels) { return toTwips(pixels, Qt::Horizontal); }
int pixelsToTwipsY(int pixels) { return toTwips(pixels, Qt::Vertical); }

} // namespace zav
