#include "suite/SuiteLocation.h"

#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>

namespace vxw {

SuiteLocation SuiteLocation::InFolder(const QString& dir) {
    const QString clean = QDir::cleanPath(dir);
    SuiteLocation location;
    location.suiteDir = clean;
    location.settingsFile = clean + QStringLiteral("/suite.ini");
    location.languageDir = clean + QStringLiteral("/language");
    return location;
}

SuiteLocation SuiteLocation::FromEnvironment() {
    const QString fromEnvironment = qEnvironmentVariable(kSuiteDirVariable);
    if (!fromEnvironment.isEmpty()) {
        return InFolder(fromEnvironment);
    }
    return InFolder(DefaultFolder());
}

QString SuiteLocation::DefaultFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) {
        base = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return base + QStringLiteral("/VexilXP");
}

QString SuiteLocation::CatalogueFile() const {
    return languageDir + QStringLiteral("/messages.txt");
}

} // namespace vxw
