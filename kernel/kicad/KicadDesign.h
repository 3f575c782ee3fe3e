#pragma once
// What each KiCad object becomes in the kernel's design data (docs/kicad-import.md): sheet
// files as circuits, symbols and sheet symbols as schematic components, footprints and pads
// as layout components, packages and padstacks, tracks and vias, zones and copper shapes as
// board items, nets with both their sides, the title block as the project label.

#include "kernel/DesignData.h"
#include "kernel/kicad/KicadBoard.h"
#include "kernel/kicad/KicadSchematic.h"

#include <QString>

#include <string>
#include <vector>

namespace vxw::kicad {

// One sheet file of a hierarchy, read once however often it is used.
struct SheetFile {
    QString path;
    QString canonical;
    Sheet sheet;
    std::string instancePath;  // of its first use: "" for the root, "/uuid/..." below it
    std::vector<int> children; // per sheet symbol, the sheet file it uses; -1 when not read
};

// `sheets` holds the root first (or is empty: a board alone); `board` may be null (a
// schematic alone). `source` says what was opened, for the design's import notes.
DesignData BuildDesign(const QString& projectName, const QString& source,
                       const std::vector<SheetFile>& sheets, const Board* board);

} // namespace vxw::kicad
