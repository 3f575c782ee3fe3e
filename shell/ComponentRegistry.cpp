#include "shell/ComponentRegistry.h"

#include <QFileInfo>
#include <QSettings>

namespace vxw {

namespace {

const QString kClassIdKey = QStringLiteral("CLSID");
const QString kLibraryKey = QStringLiteral("Library");
const QString kTypeLibraryKey = QStringLiteral("TypeLib");
const QString kVersionKey = QStringLiteral("Version");
const QString kDescriptionKey = QStringLiteral("Description");

bool Usable(const QString& registryFile) {
    const QFileInfo info(registryFile);
    return !info.exists() || info.size() <= kMaxRegistryFileSize;
}

} // namespace

QString RegistryFile() {
    const QString fromEnvironment = qEnvironmentVariable(kRegistryVariable);
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    const QSettings platform(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VexilXP"),
                             QStringLiteral("registry"));
    return platform.fileName();
}

bool WriteRegistration(const QString& registryFile, const ComponentRegistration& registration) {
    if (registration.progId.isEmpty() || !Usable(registryFile)) {
        return false;
    }
    QSettings settings(registryFile, QSettings::IniFormat);
    settings.beginGroup(registration.progId);
    settings.remove(QString()); // a record is replaced whole, never merged with an old one
    settings.setValue(kClassIdKey, registration.classId);
    settings.setValue(kLibraryKey, registration.library);
    settings.setValue(kTypeLibraryKey, registration.typeLibrary);
    settings.setValue(kVersionKey, registration.version);
    settings.setValue(kDescriptionKey, registration.description);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool RemoveRegistration(const QString& registryFile, const QString& progId) {
    if (progId.isEmpty() || !Usable(registryFile)) {
        return false;
    }
    if (!QFileInfo::exists(registryFile)) {
        return true;
    }
    QSettings settings(registryFile, QSettings::IniFormat);
    settings.remove(progId);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::optional<ComponentRegistration> ReadRegistration(const QString& registryFile, const QString& progId) {
    if (progId.isEmpty() || !QFileInfo::exists(registryFile) || !Usable(registryFile)) {
        return std::nullopt;
    }
    QSettings settings(registryFile, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        return std::nullopt;
    }
    settings.beginGroup(progId);
    ComponentRegistration registration{progId,
                                       settings.value(kClassIdKey).toString(),
                                       settings.value(kLibraryKey).toString(),
                                       settings.value(kTypeLibraryKey).toString(),
                                       settings.value(kVersionKey).toString(),
                                       settings.value(kDescriptionKey).toString()};
    if (registration.classId.isEmpty() || registration.library.isEmpty()) {
        return std::nullopt;
    }
    return registration;
}

} // namespace vxw
