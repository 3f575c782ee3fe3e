#include "windows/shell/ScreenTwips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace vxw {
namespace {

double DpiX(const QScreen* screen) {
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

double DpiY(const QScreen* screen) {
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

int Scaled(int value, double numerator, double denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

} // namespace

const QScreen* ScreenOf(const QWidget* widget) {
    const QScreen* screen = widget ? widget->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

int TwipsToPixelsX(int twips, const QScreen* screen) {
    return Scaled(twips, DpiX(screen), kTwipsPerInch);
}

int TwipsToPixelsY(int twips, const QScreen* screen) {
    return Scaled(twips, DpiY(screen), kTwipsPerInch);
}

int PixelsToTwipsX(int pixels, const QScreen* screen) {
    return Scaled(pixels, kTwipsPerInch, DpiX(screen));
}

int PixelsToTwipsY(int pixels, const QScreen* screen) {
    return Scaled(pixels, kTwipsPerInch, DpiY(screen));
}

WorkArea WorkAreaTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return {PixelsToTwipsX(area.left(), screen), PixelsToTwipsY(area.top(), screen),
            PixelsToTwipsX(area.left() + area.width(), screen),
            PixelsToTwipsY(area.top() + area.height(), screen)};
}

QRect PlacementToPixels(const WindowPlacement& placement, const QScreen* screen) {
    return {TwipsToPixelsX(placement.left, screen), TwipsToPixelsY(placement.top, screen),
            TwipsToPixelsX(placement.width, screen), TwipsToPixelsY(placement.height, screen)};
}

WindowPlacement PixelsToPlacement(const QRect& rect, const QScreen* screen) {
    return {PixelsToTwipsY(rect.top(), screen), PixelsToTwipsX(rect.left(), screen),
            PixelsToTwipsY(rect.height(), screen), PixelsToTwipsX(rect.width(), screen)};
}

bool OnSomeScreen(const QRect& rect) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        const QRect corner(rect.topLeft(),
                           QSize(std::max(1, area.width() / 40), std::max(1, area.height() / 40)));
        if (area.contains(corner)) {
            return true;
        }
    }
    return false;
}

} // namespace vxw
