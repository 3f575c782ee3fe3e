#include "suite/FilePatterns.h"

#include "suite/NamePattern.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace vxw {

bool FileNameMatches(const QString& fileName, const QString& pattern) {
    return NamePattern(pattern, PatternSyntax::FileName).Matches(fileName);
}

bool FileNameLess(const QString& a, const QString& b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    if (folded != 0) {
        return folded < 0;
    }
    return a < b;
}

QStringList ListMatchingFiles(const QString& folder, const QString& pattern) {
    QStringList names;
    if (folder.isEmpty()) {
        return names;
    }
    const NamePattern matcher(pattern, PatternSyntax::FileName);
    QDir dir(folder);
    // The filter is applied here rather than by QDir, whose name filters follow the platform's
    // case rules; library patterns ignore case everywhere.
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (matcher.Matches(name)) {
            names.append(name);
        }
    }
    std::sort(names.begin(), names.end(), FileNameLess);
    return names;
}

} // namespace vxw
