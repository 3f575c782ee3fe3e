#pragma once
// The one way a design is opened, by the host and the batch command alike: a KiCad project,
// board or schematic (by its extension, docs/kicad-import.md), otherwise a design file (.vxd,
// docs/design-format.md). Either the whole design or one message naming the file and the place.

#include "kernel/DesignFile.h"

#include <QString>

namespace vxw {

DesignFileResult LoadDesign(const QString& path);

} // namespace vxw
