#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double FallbackDpi = 96.0;

double twipsPerPixel(qreal (QScreen::*logicalDpi)() const) {
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    const double dpi = screen ? (screen->*logicalDpi)() : FallbackDpi;
    return TwipsPerInch / (dpi > 0 ? dpi : FallbackDpi);
}

int rounded(double value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

double TwipsPerPixelX() {
    return twipsPerPixel(&QScreen::logicalDotsPerInchX);
}

double TwipsPerPixelY() {
    return twipsPerPixel(&QScreen::logicalDotsPerInchY);
}

int TwipsToPixelsX(double twips) {
    return rounded(twips / TwipsPerPixelX());
}

int TwipsToPixelsY(double twips) {
    return rounded(twips / TwipsPerPixelY());
}

int PixelsToTwipsX(double pixels) {
    return rounded(pixels * TwipsPerPixelX());
}

int PixelsToTwipsY(double pixels) {
    return rounded(pixels * TwipsPerPixelY());
}
