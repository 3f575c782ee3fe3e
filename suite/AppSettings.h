#pragma once
// The per-user application settings: application "VexilXP", section "VXLLSTGN" (window
// placements, toolbar locks). Kept in an INI file through QSettings; the file is the one named
// by VEXILXP_SETTINGS when set, otherwise the platform's per-user configuration file of the
// application. Tests and the batch command pass their own file.

#include <QString>

#include <memory>

class QSettings;

namespace vxw {

inline constexpr char kAppSettingsVariable[] = "VEXILXP_SETTINGS";
inline constexpr char kAppSettingsApplication[] = "VexilXP";
inline constexpr char kAppSettingsSection[] = "VXLLSTGN";

class AppSettings {
public:
    explicit AppSettings(const QString& iniFile);
    ~AppSettings();
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    // VEXILXP_SETTINGS when set and not empty, else the per-user configuration file.
    static QString DefaultFile();

    QString FileName() const { return file_; }

    // The value of `key` in section "VXLLSTGN", or `defaultValue` when not stored. A value
    // that the INI reader took for a list ("a, b") is given back as one text.
    QString Value(const QString& key, const QString& defaultValue = QString()) const;
    // Stores the value and writes the file at once; false when it could not be written.
    bool SetValue(const QString& key, const QString& value);
    bool Contains(const QString& key) const;

    // A settings file larger than this is never read or rewritten: its values answer their
    // defaults and nothing is stored, so a damaged file cannot take the program's memory.
    static constexpr qint64 MaxFileSize = qint64{16} << 20;

private:
    // The settings store, made on first use; null while the file is over the size cap.
    QSettings* Store() const;

    QString file_;
    mutable std::unique_ptr<QSettings> settings_;
};

// The process-wide per-user settings; created on first use from AppSettings::DefaultFile().
AppSettings& UserSettings();
std::unique_ptr<AppSettings> InstallUserSettings(std::unique_ptr<AppSettings> settings);

// Installs per-user settings for one scope (tests) and puts the previous ones back afterwards.
class ScopedUserSettings {
public:
    explicit ScopedUserSettings(const QString& iniFile)
        : previous_(InstallUserSettings(std::make_unique<AppSettings>(iniFile))) {}
    ~ScopedUserSettings() { InstallUserSettings(std::move(previous_)); }
    ScopedUserSettings(const ScopedUserSettings&) = delete;
    ScopedUserSettings& operator=(const ScopedUserSettings&) = delete;

private:
    std::unique_ptr<AppSettings> previous_;
};

} // namespace vxw
