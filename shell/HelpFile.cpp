#include "shell/HelpFile.h"

#include "suite/TextRules.h"

#include <QFileInfo>

namespace vxw {

QString HelpFileOf(const QString& componentFile) {
    if (componentFile.isEmpty()) {
        return {};
    }
    const QFileInfo info(componentFile);
    // The name ends at the first point: "libVXLlstgn.so.1" and "VXLlstgn.dll" both name VXLlstgn.
    QString name = info.fileName().section(QLatin1Char('.'), 0, 0);
    if (name.startsWith(QLatin1String("lib")) && info.fileName().contains(QLatin1String(".so"))) {
        name = name.mid(3);
    }
    return TrimBlanks(info.path() + QLatin1Char('/') + name + QLatin1String(".HLP"));
}

QString HelpContentsFile(const QString& helpFile) {
    if (helpFile.size() < 3) {
        return {};
    }
    return helpFile.chopped(3) + QLatin1String("html");
}

} // namespace vxw
