#include "libreports/StoredLibraryPaths.h"

#include "shell/SuitePaths.h"
#include "suite/TextRules.h"

#include <QFileInfo>

namespace vxw {

bool IsValidPath(const QString& path) {
    if (TrimBlanks(QStringView(path)).isEmpty() || path.contains(QChar(0))) {
        return false;
    }
    return QFileInfo::exists(path);
}

void RestoreLibraryPaths(SuitePaths& paths, const ListSettings& settings) {
    const std::pair<QString*, const QString*> pairs[] = {
        {&paths.PartPath, &settings.partPath},
        {&paths.SymbolPath, &settings.symbolPath},
        {&paths.PackagePath, &settings.packagePath},
        {&paths.PadstackPath, &settings.padstackPath},
    };
    for (const auto& [path, stored] : pairs) {
        if (IsValidPath(*stored)) {
            *path = *stored;
        }
    }
}

} // namespace vxw
