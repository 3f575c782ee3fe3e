#pragma once
// Twips (1440 per logical inch) on a screen: the unit of the stored window placements and of the
// pane limits, converted with the screen's logical dots per inch.

#include "shell/WindowPlacement.h"

#include <QRect>

class QScreen;
class QWidget;

namespace vxw {

// The screen a widget lies on; the primary screen when it lies on none.
const QScreen* ScreenOf(const QWidget* widget);

int TwipsToPixelsX(int twips, const QScreen* screen);
int TwipsToPixelsY(int twips, const QScreen* screen);
int PixelsToTwipsX(int pixels, const QScreen* screen);
int PixelsToTwipsY(int pixels, const QScreen* screen);

// The work area of the primary screen (the screen without task bars) in twips.
WorkArea WorkAreaTwips();
// The placement in pixels and back (top-left corner and size).
QRect PlacementToPixels(const WindowPlacement& placement, const QScreen* screen);
WindowPlacement PixelsToPlacement(const QRect& rect, const QScreen* screen);

// True when some screen shows the top-left part of the window (a fortieth of that screen each
// way), so a placement stored on a screen that is gone counts as off the desktop.
bool OnSomeScreen(const QRect& rect);

} // namespace vxw
