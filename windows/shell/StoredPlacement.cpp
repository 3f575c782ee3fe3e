#include "windows/shell/StoredPlacement.h"

#include "shell/WindowPlacement.h"
#include "suite/AppSettings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace vxw {
namespace {

const QScreen* ScreenOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

int Scaled(int value, double numerator, double denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

struct Dpi {
    double x = 96.0;
    double y = 96.0;
};

Dpi DpiOf(const QScreen* screen) {
    return screen ? Dpi{screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()} : Dpi{};
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

} // namespace

bool RestorePlacement(QWidget& window, const QString& name) {
    const QScreen* screen = ScreenOf(window);
    const Dpi dpi = DpiOf(screen);
    const QSize desktop = screen ? screen->virtualSize() : QSize(1024, 768);
    const QSize desktopTwips(Scaled(desktop.width(), kTwipsPerInch, dpi.x),
                             Scaled(desktop.height(), kTwipsPerInch, dpi.y));
    const QSize currentTwips(Scaled(window.width(), kTwipsPerInch, dpi.x),
                             Scaled(window.height(), kTwipsPerInch, dpi.y));
    const RestoredPlacement restored =
        RestoreWindowPlacement(UserSettings(), name, desktopTwips, currentTwips);
    const WindowPlacement& p = restored.placement;
    const QRect rect(Scaled(p.left, dpi.x, kTwipsPerInch), Scaled(p.top, dpi.y, kTwipsPerInch),
                     Scaled(p.width, dpi.x, kTwipsPerInch), Scaled(p.height, dpi.y, kTwipsPerInch));
    if (!restored.found || !OnSomeScreen(rect)) {
        return false;
    }
    window.resize(rect.size().expandedTo(window.minimumSizeHint()));
    window.move(rect.topLeft());
    return true;
}

void StorePlacement(const QWidget& window, const QString& name) {
    const Dpi dpi = DpiOf(ScreenOf(window));
    const QRect normal = window.isMaximized() || window.isMinimized() ? window.normalGeometry()
                                                                      : QRect(window.pos(), window.size());
    SaveWindowPlacement(
        UserSettings(), name,
        {Scaled(normal.top(), kTwipsPerInch, dpi.y), Scaled(normal.left(), kTwipsPerInch, dpi.x),
         Scaled(normal.height(), kTwipsPerInch, dpi.y), Scaled(normal.width(), kTwipsPerInch, dpi.x)});
}

} // namespace vxw
