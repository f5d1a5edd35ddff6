#include "app/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace vandelor {

namespace {
constexpr double TwipsPerInch = 1440.0;
// Without a screen (no application yet), the dots per inch of a screen at 100 %.
constexpr double PlainDotsPerInch = 96.0;
} // namespace

double twipsPerPixel() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : PlainDotsPerInch;
    return TwipsPerInch / (dpi > 0 ? dpi : PlainDotsPerInch);
}

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel()));
}

QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace vandelor
