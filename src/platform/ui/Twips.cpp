#include "platform/ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace vb {

namespace {
constexpr double kStandardDotsPerInch = 96.0;
}  // namespace

double TwipsPerPixelX()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dotsPerInch = screen ? screen->logicalDotsPerInchX() : kStandardDotsPerInch;
    return dotsPerInch > 0 ? kTwipsPerInch / dotsPerInch : 0.0;
}

int PixelsFromTwips(double twips)
{
    const double factor = TwipsPerPixelX();
    return factor > 0 ? static_cast<int>(std::lround(twips / factor)) : 0;
}

double TwipsFromPixels(double pixels) { return pixels * TwipsPerPixelX(); }

}  // namespace vb
