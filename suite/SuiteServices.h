#pragma once
// The suite's services object: message texts, suite settings, the unit scale and the
// conversion of kernel text. One instance stands for the whole process (Suite()); tests and
// the batch command install their own with a SuiteLocation of their choosing.

#include "suite/IniFile.h"
#include "suite/MessageCatalogue.h"
#include "suite/SuiteLocation.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

namespace vxw {

// Database units per millimetre when the settings name none.
inline constexpr double kDefaultUnitScale = 10000.0;

inline constexpr char kUnitScaleSection[] = "Vexil2K";
inline constexpr char kUnitScaleKey[] = "UnitScale";

class SuiteServices {
public:
    explicit SuiteServices(SuiteLocation location);

    const SuiteLocation& Location() const { return location_; }

    // The catalogue's text for `id`, or `defaultText` when there is none (missing or damaged
    // catalogue, unknown id, empty entry). The catalogue is read on first use.
    QString GetMessageText(const QString& defaultText, const QString& id) const;
    // Reads the catalogue again (after the language folder changed).
    void ReloadCatalogue() const;

    // A value of the suite settings, or `defaultValue` when the section or key is missing. The
    // file is read again whenever it changed on disk.
    QString GetSuiteSetting(const QString& section, const QString& key, const QString& defaultValue) const;
    // Stores a value at once. Answers false when the file could not be written (or is too
    // large to be a settings file, which is then left alone); the user is not told.
    bool SaveSuiteSetting(const QString& section, const QString& key, const QString& value);

    // Database units per millimetre: the leading number of "UnitScale" in section "Vexil2K"
    // when it lies within 0.001..1e9, otherwise kDefaultUnitScale.
    double UnitScale() const;

    // Text of a zero-terminated Latin-1 string owned by the kernel; null gives empty text.
    static QString TextFromPointer(const char* text);

private:
    bool LoadSettings() const;

    SuiteLocation location_;
    mutable std::optional<MessageCatalogue> catalogue_;
    mutable IniFile settings_;
    mutable bool settingsReadable_ = true;
    mutable bool settingsKnown_ = false;
    mutable QDateTime settingsModified_;
    mutable qint64 settingsSize_ = -1;
    mutable bool settingsExisted_ = false;
};

// The process-wide services; created on first use from SuiteLocation::FromEnvironment().
SuiteServices& Suite();
// Installs the process-wide services and answers the previous ones (may be null).
std::unique_ptr<SuiteServices> InstallSuite(std::unique_ptr<SuiteServices> services);

// Installs services for one scope (tests) and puts the previous ones back afterwards.
class ScopedSuite {
public:
    explicit ScopedSuite(std::unique_ptr<SuiteServices> services)
        : previous_(InstallSuite(std::move(services))) {}
    explicit ScopedSuite(const SuiteLocation& location)
        : ScopedSuite(std::make_unique<SuiteServices>(location)) {}
    ~ScopedSuite() { InstallSuite(std::move(previous_)); }
    ScopedSuite(const ScopedSuite&) = delete;
    ScopedSuite& operator=(const ScopedSuite&) = delete;

private:
    std::unique_ptr<SuiteServices> previous_;
};

} // namespace vxw
