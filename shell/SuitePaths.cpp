#include "shell/SuitePaths.h"

#include "shell/SettingsKeys.h"
#include "suite/SuiteServices.h"
#include "suite/TextRules.h"

#include <QDir>

namespace vxw {

namespace {

QString SafeFolderName(const QString& name) {
    QString safe = TrimBlanks(name);
    for (QChar& c : safe) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20) {
            c = QLatin1Char('_');
        }
    }
    if (safe == QLatin1String(".") || safe == QLatin1String("..")) {
        safe.fill(QLatin1Char('_'));
    }
    return safe;
}

} // namespace

QString DefaultSuiteFolder(const QString& suiteDir, const QString& productName, const QString& leaf) {
    QString path = suiteDir;
    const QString product = SafeFolderName(productName);
    if (!product.isEmpty()) {
        path += QLatin1Char('/') + product;
    }
    path += QLatin1Char('/') + leaf;
    return QDir::cleanPath(path);
}

void ReadSuitePaths(SuitePaths& paths, const SuiteServices& suite, const QString& productName) {
    const QString base = suite.Location().suiteDir;
    const auto read = [&](QLatin1String key, const QString& defaultValue) {
        return suite.GetSuiteSetting(kSuiteSection, key, defaultValue);
    };
    paths.JobDir = read(kJobDirKey, DefaultSuiteFolder(base, productName, QStringLiteral("JOB")));
    paths.LibDir = read(kLibDirKey, DefaultSuiteFolder(base, productName, QStringLiteral("LIB")));
    paths.SysDir = read(kSysDirKey, DefaultSuiteFolder(base, productName, QStringLiteral("SYS")));
    paths.VXD3JobDir = read(kVxd3JobDirKey, DefaultSuiteFolder(base, QString(), QStringLiteral("CADJOB")));
    for (QString* libraryPath :
         {&paths.PartPath, &paths.SymbolPath, &paths.PackagePath, &paths.PadstackPath}) {
        if (libraryPath->isEmpty()) {
            *libraryPath = paths.LibDir;
        }
    }
}

ListSettings ReadListSettings(const SuiteServices& suite) {
    const auto read = [&](QLatin1String key) { return suite.GetSuiteSetting(kListSection, key, QString()); };
    ListSettings settings;
    settings.propertyFlags = read(kPropertyKey);
    settings.partPath = read(kPartPathKey);
    settings.symbolPath = read(kSymbolPathKey);
    settings.packagePath = read(kPackagePathKey);
    settings.padstackPath = read(kPadstackPathKey);
    const QString view = read(kViewKey);
    if (view == QLatin1String("1")) {
        settings.view = kViewSmallIcons;
    } else if (view == QLatin1String("3")) {
        settings.view = kViewDetails;
    } else {
        settings.view = kViewList;
    }
    settings.format = read(kFormatKey) == QLatin1String("1");
    settings.toolbar = read(kToolbarKey) == QLatin1String("1");
    settings.tree = read(kTreeKey);
    return settings;
}

QList<QPair<QString, QString>> ListSettingsEntries(const ListSettings& settings) {
    const QString one = QStringLiteral("1");
    const QString zero = QStringLiteral("0");
    return {
        {kPropertyKey, settings.propertyFlags.isEmpty() ? QString() : settings.propertyFlags.chopped(1)},
        {kPartPathKey, settings.partPath},
        {kSymbolPathKey, settings.symbolPath},
        {kPackagePathKey, settings.packagePath},
        {kPadstackPathKey, settings.padstackPath},
        {kViewKey, QString::number(settings.view)},
        {kFormatKey, settings.format ? one : zero},
        {kToolbarKey, settings.toolbar ? one : zero},
        {kTreeKey, settings.tree},
    };
}

bool SaveListSettings(SuiteServices& suite, const ListSettings& settings) {
    bool allSaved = true;
    for (const auto& [key, value] : ListSettingsEntries(settings)) {
        allSaved = suite.SaveSuiteSetting(kListSection, key, value) && allSaved;
    }
    return allSaved;
}

} // namespace vxw
