#pragma once
// The placement a window keeps in the per-user settings between runs (its name + "_TOP",
// "_LEFT", "_HEIGHT", "_WIDTH", in twips), applied at load and stored at unload.

#include <QString>

class QWidget;

namespace vxw {

// Moves and sizes the window as stored, when a usable placement is stored for `name`; answers
// whether one was. A placement off every screen counts as not stored.
bool RestorePlacement(QWidget& window, const QString& name);
// Stores the window's normal (not minimised or maximised) placement under `name`.
void StorePlacement(const QWidget& window, const QString& name);

} // namespace vxw
