#include "shell/WindowPlacement.h"

#include "shell/SettingsKeys.h"
#include "suite/AppSettings.h"
#include "suite/TextRules.h"

#include <algorithm>
#include <cstdint>

namespace vxw {

namespace {

int StoredNumber(const QString& text) {
    return RoundToInt32(LeadingNumber(text));
}

// Usable when not negative and the window's first fortieth of the screen still lies on it.
bool Usable(int position, int screenExtent) {
    return position >= 0 && static_cast<double>(position) + screenExtent / 40.0 <= screenExtent;
}

} // namespace

PlacementTexts ReadPlacementTexts(const AppSettings& settings, const QString& window) {
    const auto read = [&](QLatin1String suffix) { return settings.Value(window + suffix); };
    return {read(kTopSuffix), read(kLeftSuffix), read(kHeightSuffix), read(kWidthSuffix)};
}

void SaveWindowPlacement(AppSettings& settings, const QString& window, const WindowPlacement& placement) {
    settings.SetValue(window + kTopSuffix, QString::number(placement.top));
    settings.SetValue(window + kLeftSuffix, QString::number(placement.left));
    settings.SetValue(window + kHeightSuffix, QString::number(placement.height));
    settings.SetValue(window + kWidthSuffix, QString::number(placement.width));
}

RestoredPlacement RestoreWindowPlacement(const PlacementTexts& stored, QSize screen, QSize current) {
    RestoredPlacement result;
    result.found = !stored.top.isEmpty() && !stored.left.isEmpty();
    WindowPlacement& placement = result.placement;
    placement.top = StoredNumber(stored.top);
    placement.left = StoredNumber(stored.left);
    placement.height = StoredNumber(stored.height);
    placement.width = StoredNumber(stored.width);
    if (!Usable(placement.top, screen.height())) {
        placement.top = 0;
        result.found = false;
    }
    if (!Usable(placement.left, screen.width())) {
        placement.left = 0;
        result.found = false;
    }
    if (placement.height < 1) {
        placement.height = current.height();
    }
    if (placement.width < 1) {
        placement.width = current.width();
    }
    return result;
}

WindowPlacement BesideHostPlacement(const WorkArea& area, int hostWidth) {
    WindowPlacement placement;
    placement.top = area.top;
    placement.height = std::max(0, area.bottom - area.top);
    // A negative width names no host window.
    const int64_t left = int64_t{area.left} + std::max(0, hostWidth);
    placement.left = left < area.right ? static_cast<int>(left) : area.left + (area.right - area.left) / 2;
    placement.width = std::max(0, area.right - placement.left);
    return placement;
}

RestoredPlacement RestoreWindowPlacement(const AppSettings& settings, const QString& window, QSize screen,
                                         QSize current) {
    return RestoreWindowPlacement(ReadPlacementTexts(settings, window), screen, current);
}

} // namespace vxw
