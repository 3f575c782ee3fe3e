#pragma once
// Library file patterns ("*.PART", "*.SYMBOL", "*.PACKAGE", "*.PADSTACK") and the listing of a
// folder's matching files.

#include <QString>
#include <QStringList>

namespace vxw {

// True when the file name matches the pattern without regard to case ("*" and "?" only).
bool FileNameMatches(const QString& fileName, const QString& pattern);

// Orders file names without regard to case; names that differ only in case keep a fixed order
// (by their exact spelling) so listings are the same on every run.
bool FileNameLess(const QString& a, const QString& b);

// The names (without folder) of the regular files in `folder` that match `pattern`, sorted by
// FileNameLess. Hidden files (names starting with ".") and folders are left out; a missing or
// unreadable folder gives an empty list.
QStringList ListMatchingFiles(const QString& folder, const QString& pattern);

} // namespace vxw
