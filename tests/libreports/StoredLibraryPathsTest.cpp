#include "libreports/StoredLibraryPaths.h"

#include "shell/SuitePaths.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vxw {
namespace {

TEST(StoredLibraryPaths, OnlyExistingStoredPathsReplaceTheCurrentOnes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString existing = dir.path() + QLatin1Char('/');
    EXPECT_TRUE(IsValidPath(existing));
    EXPECT_FALSE(IsValidPath(QString()));
    EXPECT_FALSE(IsValidPath(QStringLiteral("   ")));
    EXPECT_FALSE(IsValidPath(existing + QStringLiteral("missing/")));
    EXPECT_FALSE(IsValidPath(existing + QChar(0) + QStringLiteral("x")));

    SuitePaths paths;
    paths.PartPath = paths.SymbolPath = paths.PackagePath = paths.PadstackPath = QStringLiteral("/lib/");
    ListSettings settings;
    settings.partPath = existing;
    settings.symbolPath = existing + QStringLiteral("missing/");
    settings.packagePath = QStringLiteral(" ");
    RestoreLibraryPaths(paths, settings);
    EXPECT_EQ(paths.PartPath, existing);
    EXPECT_EQ(paths.SymbolPath, QStringLiteral("/lib/"));
    EXPECT_EQ(paths.PackagePath, QStringLiteral("/lib/"));
    EXPECT_EQ(paths.PadstackPath, QStringLiteral("/lib/"));
}

} // namespace
} // namespace vxw
