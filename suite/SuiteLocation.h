#pragma once
// Where the suite's files are: the suite folder, its settings file and its language folder.

#include <QString>

namespace vxw {

struct SuiteLocation {
    // The suite folder. The default suite folders (JOB, LIB, SYS under the product name) are
    // made under it.
    QString suiteDir;
    // The suite settings INI file (sections "LIST GENERATOR" and "Vexil2K").
    QString settingsFile;
    // The language folder, which holds the message catalogue.
    QString languageDir;

    // suiteDir = dir, settingsFile = dir/suite.ini, languageDir = dir/language.
    static SuiteLocation InFolder(const QString& dir);
    // The folder named by VEXIL_SUITE_DIR when set and not empty, else DefaultFolder().
    static SuiteLocation FromEnvironment();
    // The per-user data folder of the suite (for example ~/.local/share/VexilXP).
    static QString DefaultFolder();

    // languageDir/messages.txt
    QString CatalogueFile() const;
};

inline constexpr char kSuiteDirVariable[] = "VEXIL_SUITE_DIR";

} // namespace vxw
