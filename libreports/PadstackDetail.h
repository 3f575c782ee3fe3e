#pragma once
// The detail text of a padstack: its name and attribute lines and its geometry (overall size,
// hole and a table of its pad items), measured on a copy of the padstack in the design
// database that is always removed again.

#include "libreports/LibraryEntries.h"

#include <QString>

namespace vxw {

// Padstack tokens: 1 description, 2 type, 3 shape. `path` is the library file's full path, or
// empty for a padstack of the project library.
QString BuildPadstackDetail(const LibraryReportContext& context, const QString& name,
                            const QString& libraryText, const TokenList& tokens, const QString& path);

// The geometry block of the padstack `name` of the library file `path` (empty: of the project
// library). The padstack is brought into the design under a temporary name that no symbol of
// the design has, read, and deleted, also when reading fails. Empty when it cannot be read.
QString PadstackGeometryText(const LibraryReportContext& context, const QString& path, const QString& name);

// The geometry block of a padstack symbol already in the design (by symbol id).
QString PadstackSymbolGeometry(const LibraryReportContext& context, int32_t symbol);

// A table cell: the text trimmed of blanks; a number rewritten with at most four decimals
// (trailing zeros dropped); padded with blanks to `width`. A longer text is kept whole.
QString PadCell(const QString& text, int width);

} // namespace vxw
