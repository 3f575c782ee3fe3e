#pragma once
// The library folders the user chose last time, taken over only when they still exist.

#include <QString>

namespace vxw {

struct ListSettings;
struct SuitePaths;

// False when the path is empty after trimming blanks; otherwise true exactly when the file
// system can report attributes for it (it exists and can be reached).
bool IsValidPath(const QString& path);

// Gives each of the four library paths the stored value of its key when that value passes
// IsValidPath; any other stored value leaves that path as it is.
void RestoreLibraryPaths(SuitePaths& paths, const ListSettings& settings);

} // namespace vxw
