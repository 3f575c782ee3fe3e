#include "suite/AppSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <QtGlobal>

namespace vxw {

namespace {

QString GroupKey(const QString& key) {
    return QLatin1String(kAppSettingsSection) + QLatin1Char('/') + key;
}

} // namespace

AppSettings::AppSettings(const QString& iniFile) : file_(iniFile) {}

QSettings* AppSettings::Store() const {
    // Asked at every use: the store reads the file again whenever another process changed it.
    if (QFileInfo(file_).size() > MaxFileSize) {
        return nullptr;
    }
    if (!settings_) {
        settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
    }
    return settings_.get();
}

AppSettings::~AppSettings() = default;

QString AppSettings::DefaultFile() {
    const QString fromEnvironment = qEnvironmentVariable(kAppSettingsVariable);
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    const QSettings platform(QSettings::IniFormat, QSettings::UserScope,
                             QLatin1String(kAppSettingsApplication), QLatin1String(kAppSettingsApplication));
    return platform.fileName();
}

QString AppSettings::Value(const QString& key, const QString& defaultValue) const {
    QSettings* settings = Store();
    if (!settings) {
        return defaultValue;
    }
    settings->sync(); // see changes made by another process
    const QVariant value = settings->value(GroupKey(key));
    if (!value.isValid()) {
        return defaultValue;
    }
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

bool AppSettings::SetValue(const QString& key, const QString& value) {
    QSettings* settings = Store();
    if (!settings) {
        return false;
    }
    settings->setValue(GroupKey(key), value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

bool AppSettings::Contains(const QString& key) const {
    QSettings* settings = Store();
    if (!settings) {
        return false;
    }
    settings->sync();
    return settings->contains(GroupKey(key));
}

namespace {

std::unique_ptr<AppSettings>& Slot() {
    static std::unique_ptr<AppSettings> settings;
    return settings;
}

} // namespace

AppSettings& UserSettings() {
    if (!Slot()) {
        Slot() = std::make_unique<AppSettings>(AppSettings::DefaultFile());
    }
    return *Slot();
}

std::unique_ptr<AppSettings> InstallUserSettings(std::unique_ptr<AppSettings> settings) {
    std::swap(Slot(), settings);
    return settings;
}

} // namespace vxw
