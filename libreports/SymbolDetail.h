#pragma once
// The detail texts of symbols and packages: the item's name, the part files that use it and
// its labelled attribute lines.

#include "libreports/LibraryEntries.h"

#include <QString>

namespace vxw {

class PartUsageIndex;

// Symbol tokens: 1 description, 2 type, 3 mixed-mode simulation function, 4 simulator element
// code, 5 simulator model, 6 simulator variant.
QString BuildSymbolDetail(const LibraryReportContext& context, const QString& name,
                          const QString& libraryText, const TokenList& tokens);
// Package tokens: 1 description, 2 type, 3 JEDEC name, 5 IPC name (token 4 is never printed).
QString BuildPackageDetail(const LibraryReportContext& context, const QString& name,
                           const QString& libraryText, const TokenList& tokens);

// The same with a usage index the caller owns.
QString BuildSymbolDetail(const LibraryReportContext& context, PartUsageIndex& usage, const QString& name,
                          const QString& libraryText, const TokenList& tokens);
QString BuildPackageDetail(const LibraryReportContext& context, PartUsageIndex& usage, const QString& name,
                           const QString& libraryText, const TokenList& tokens);

} // namespace vxw
