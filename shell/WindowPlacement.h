#pragma once
// Window placements in the per-user settings and the rule that decides whether a stored
// placement can be used on the current screen. All values are twips (1440 per logical inch).

#include <QSize>
#include <QString>

namespace vxw {

class AppSettings;

inline constexpr int kTwipsPerInch = 1440;

struct WindowPlacement {
    int top = 0;
    int left = 0;
    int height = 0;
    int width = 0;
    bool operator==(const WindowPlacement&) const = default;
};

// The four stored texts; an empty text was not stored.
struct PlacementTexts {
    QString top;
    QString left;
    QString height;
    QString width;
};

struct RestoredPlacement {
    WindowPlacement placement;
    // Whether a usable placement was stored; when false the caller applies its own default.
    bool found = false;
};

// Reads window + "_TOP", "_LEFT", "_HEIGHT", "_WIDTH".
PlacementTexts ReadPlacementTexts(const AppSettings& settings, const QString& window);
// SaveWindowPlacement: writes the four values in decimal.
void SaveWindowPlacement(AppSettings& settings, const QString& window, const WindowPlacement& placement);

// The usability rule of RestoreWindowPlacement. Each stored text gives its leading number
// (missing: 0). Top is usable when it is not negative and top plus a fortieth of the screen
// height does not exceed the screen height; otherwise it becomes 0 and nothing counts as
// found. Left likewise against the screen width. A height or width below 1 is replaced by the
// current one. A placement whose top or left was never stored is not found either (otherwise
// a fresh installation would always count as placed at 0, 0).
RestoredPlacement RestoreWindowPlacement(const PlacementTexts& stored, QSize screen, QSize current);

// The desktop's work area (the screen without task bars), in twips; right and bottom are the
// first twips past the area.
struct WorkArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The main window's placement when none is stored: beside the host's main window, which is
// `hostWidth` wide at the work area's left. The window takes the rest of the work area to the
// right of the host window, its full height (a negative width counts as none); when the host window leaves no
// room (left would reach the work area's right edge) it starts at the middle of the work area. Never wider
// than what lies right of its left edge, so a huge or negative host width cannot push it off the work area.
WindowPlacement BesideHostPlacement(const WorkArea& area, int hostWidth);

// Reads the placement of `window` and applies the rule.
RestoredPlacement RestoreWindowPlacement(const AppSettings& settings, const QString& window, QSize screen,
                                         QSize current);

} // namespace vxw
