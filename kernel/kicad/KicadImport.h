#pragma once
// Opens KiCad 6 designs as the kernel's design data: a project (".kicad_pro" with the
// ".kicad_sch" sheet hierarchy and the ".kicad_pcb" board of the same name beside it), a board
// alone or a schematic alone. The mapping is described in docs/kicad-import.md.
//
// Like the design file loader, it answers either the whole design or one message
// "FILE: PLACE (line L, column C): cause", where PLACE names the lists the fault lies in
// (e.g. "kicad_pcb.footprint.pad.size"). Files of KiCad 5 and earlier that are not
// s-expressions (".pro", ".sch", ".brd") are refused with a message naming their format.

#include "kernel/DesignFile.h"

#include <QByteArray>
#include <QString>

namespace vxw::kicad {

// No KiCad file this program reads may be larger.
constexpr qint64 MaxKicadFileSize = qint64(256) << 20;
// A project's sheet hierarchy may hold at most this many sheet files, nested this deep.
constexpr int MaxSheetFiles = 1000;
constexpr int MaxSheetDepth = 32;

// Whether the path names a KiCad file by its extension (".kicad_pro", ".kicad_pcb",
// ".kicad_sch", and the older ".pro", ".sch", ".brd"), in any case.
bool IsKicadPath(const QString& path);

DesignFileResult ImportKicad(const QString& path);

// The same for the text of one board or schematic file (kind from nameForMessages' extension),
// without reading other files: sheets of a schematic are not followed. For tests and fuzzing.
DesignFileResult ImportKicadBytes(const QByteArray& bytes, const QString& nameForMessages);

} // namespace vxw::kicad
