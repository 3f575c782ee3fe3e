#pragma once
// The suite folders and the list preferences kept in the suite settings.

#include "shell/SettingsKeys.h"

#include <QList>
#include <QPair>
#include <QString>

namespace vxw {

class SuiteServices;

struct SuitePaths {
    QString JobDir;
    QString LibDir;
    QString SysDir;
    QString VXD3JobDir;
    QString PartPath;
    QString SymbolPath;
    QString PackagePath;
    QString PadstackPath;
};

// The default of a suite folder: "\" + product name + "\" + leaf, under the suite folder
// (the per-user data folder): suiteDir/<product>/<leaf>. The product name is made safe for a
// folder name (separators become "_"); an empty product name leaves its level out.
QString DefaultSuiteFolder(const QString& suiteDir, const QString& productName, const QString& leaf);

// ReadSuitePaths: reads JobDir, LibDir, SysDir and VXD3JobDir of section "Vexil2K" (defaults
// <product>/JOB, <product>/LIB, <product>/SYS and CADJOB under the suite folder), then gives
// each of the four library paths that is still empty the value of LibDir.
void ReadSuitePaths(SuitePaths& paths, const SuiteServices& suite, const QString& productName);

// The list preferences of section "LIST GENERATOR".
struct ListSettings {
    // The field-profile flags as built, each flag followed by a comma; saved without its
    // last character.
    QString propertyFlags;
    QString partPath;
    QString symbolPath;
    QString packagePath;
    QString padstackPath;
    int view = kDefaultView;
    bool format = false;
    bool toolbar = false;
    // The selected explorer node's index in decimal; empty when none was stored.
    QString tree;
};

// Reads the list preferences: VIEW "1", "2" or "3" (anything else: list), FORMAT and TOOLBAR
// true exactly for "1", the other values as stored.
ListSettings ReadListSettings(const SuiteServices& suite);

// The keys and texts SaveListSettings writes, in its order: PROPERTY, PART_PATH, SYMBOL_PATH,
// PACKAGE_PATH, PADSTACK_PATH, VIEW, FORMAT, TOOLBAR, TREE.
QList<QPair<QString, QString>> ListSettingsEntries(const ListSettings& settings);
// Writes them; false when a write failed (nobody is told).
bool SaveListSettings(SuiteServices& suite, const ListSettings& settings);

} // namespace vxw
