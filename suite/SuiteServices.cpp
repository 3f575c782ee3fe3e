#include "suite/SuiteServices.h"

#include "suite/TextRules.h"

#include <QFileInfo>

#include <cmath>

namespace vxw {

SuiteServices::SuiteServices(SuiteLocation location) : location_(std::move(location)) {}

QString SuiteServices::GetMessageText(const QString& defaultText, const QString& id) const {
    if (!catalogue_) {
        catalogue_ = MessageCatalogue::Load(location_.CatalogueFile());
    }
    const auto text = catalogue_->Find(id);
    return text ? *text : defaultText;
}

void SuiteServices::ReloadCatalogue() const {
    catalogue_.reset();
}

bool SuiteServices::LoadSettings() const {
    const QFileInfo info(location_.settingsFile);
    const bool exists = info.exists();
    const QDateTime modified = exists ? info.lastModified() : QDateTime();
    const qint64 size = exists ? info.size() : -1;
    if (settingsKnown_ && exists == settingsExisted_ && modified == settingsModified_ &&
        size == settingsSize_) {
        return settingsReadable_;
    }
    settingsReadable_ = IniFile::Load(location_.settingsFile, settings_);
    settingsKnown_ = true;
    settingsExisted_ = exists;
    settingsModified_ = modified;
    settingsSize_ = size;
    return settingsReadable_;
}

QString SuiteServices::GetSuiteSetting(const QString& section, const QString& key,
                                       const QString& defaultValue) const {
    LoadSettings();
    return settings_.Value(section, key, defaultValue);
}

bool SuiteServices::SaveSuiteSetting(const QString& section, const QString& key, const QString& value) {
    if (!LoadSettings()) {
        return false;
    }
    settings_.SetValue(section, key, value);
    const bool saved = settings_.Save(location_.settingsFile);
    // Whatever happened on disk, the next read looks at the file again.
    settingsKnown_ = false;
    return saved;
}

double SuiteServices::UnitScale() const {
    const QString text =
        GetSuiteSetting(QLatin1String(kUnitScaleSection), QLatin1String(kUnitScaleKey), QString());
    const double scale = LeadingNumber(text);
    if (scale >= 0.001 && scale <= 1e9) {
        return scale;
    }
    return kDefaultUnitScale;
}

QString SuiteServices::TextFromPointer(const char* text) {
    if (text == nullptr) {
        return QString();
    }
    return QString::fromLatin1(text);
}

namespace {

std::unique_ptr<SuiteServices>& Slot() {
    static std::unique_ptr<SuiteServices> services;
    return services;
}

} // namespace

SuiteServices& Suite() {
    if (!Slot()) {
        Slot() = std::make_unique<SuiteServices>(SuiteLocation::FromEnvironment());
    }
    return *Slot();
}

std::unique_ptr<SuiteServices> InstallSuite(std::unique_ptr<SuiteServices> services) {
    std::swap(Slot(), services);
    return services;
}

} // namespace vxw
