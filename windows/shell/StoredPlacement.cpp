#include "windows/shell/StoredPlacement.h"

#include "shell/WindowPlacement.h"
#include "suite/AppSettings.h"
#include "windows/shell/ScreenTwips.h"

#include <QScreen>
#include <QWidget>

namespace vxw {

bool RestorePlacement(QWidget& window, const QString& name) {
    const QScreen* screen = ScreenOf(&window);
    const QSize desktop = screen ? screen->virtualSize() : QSize(1024, 768);
    const QSize desktopTwips(PixelsToTwipsX(desktop.width(), screen),
                             PixelsToTwipsY(desktop.height(), screen));
    const QSize currentTwips(PixelsToTwipsX(window.width(), screen), PixelsToTwipsY(window.height(), screen));
    const RestoredPlacement restored =
        RestoreWindowPlacement(UserSettings(), name, desktopTwips, currentTwips);
    const QRect rect = PlacementToPixels(restored.placement, screen);
    if (!restored.found || !OnSomeScreen(rect)) {
        return false;
    }
    window.resize(rect.size().expandedTo(window.minimumSizeHint()));
    window.move(rect.topLeft());
    return true;
}

void StorePlacement(const QWidget& window, const QString& name) {
    const QRect normal = window.isMaximized() || window.isMinimized() ? window.normalGeometry()
                                                                      : QRect(window.pos(), window.size());
    SaveWindowPlacement(UserSettings(), name, PixelsToPlacement(normal, ScreenOf(&window)));
}

} // namespace vxw
