#include "suite/AppSettings.h"

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

AppSettings::AppSettings(const QString& iniFile)
    : file_(iniFile), settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

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
    settings_->sync(); // see changes made by another process
    const QVariant value = settings_->value(GroupKey(key));
    if (!value.isValid()) {
        return defaultValue;
    }
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

bool AppSettings::SetValue(const QString& key, const QString& value) {
    settings_->setValue(GroupKey(key), value);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

bool AppSettings::Contains(const QString& key) const {
    settings_->sync();
    return settings_->contains(GroupKey(key));
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
