#include "listgen/LibraryColumns.h"

#include "shell/SettingsKeys.h"
#include "suite/SuiteServices.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vxw {
namespace {

TEST(ColumnSpecsTest, BuiltInListsReadAndWriteBackUnchanged) {
    for (int libraryClass = 1; libraryClass <= kColumnClassCount; ++libraryClass) {
        const QString text = DefaultColumnSpecString(libraryClass);
        EXPECT_EQ(ColumnSpecString(ParseColumnSpecs(text)), text) << libraryClass;
    }
    const ColumnSpecList specs = ParseColumnSpecs(u"Manufacturer,0,5011;;A,1.5");
    ASSERT_EQ(specs.size(), 3u);
    EXPECT_EQ(specs[0].captionId, QStringLiteral("5011"));
    EXPECT_TRUE(specs[1].name.isEmpty()); // an empty entry keeps its place
    EXPECT_EQ(specs[2].shown, 2);
}

TEST(ColumnSpecsTest, SettingsOverrideTheBuiltInListsAndEmptyOnesFallBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ScopedSuite suite(SuiteLocation::InFolder(dir.path()));
    ASSERT_TRUE(Suite().SaveSuiteSetting(kListSection, kSymbolColumnsKey, QStringLiteral("Type,1,16305")));
    ASSERT_TRUE(Suite().SaveSuiteSetting(kListSection, kPackageColumnsKey, QString()));
    LoadColumnSpecs();
    EXPECT_EQ(ColumnSpecString(kPartColumns), QLatin1String(kDefaultPartColumns));
    EXPECT_EQ(ColumnSpecString(kSymbolColumns), QStringLiteral("Type,1,16305"));
    EXPECT_EQ(ColumnSpecString(kPackageColumns), QLatin1String(kDefaultPackageColumns));
    EXPECT_TRUE(ColumnSpecString(0).isEmpty());

    ColumnSpecs()[kPadstackColumns - 1][0].shown = 1;
    ASSERT_TRUE(SaveColumnSpecs());
    ColumnSpecs()[kPadstackColumns - 1].clear();
    LoadColumnSpecs();
    EXPECT_EQ(ColumnSpecs()[kPadstackColumns - 1][0].shown, 1);
    EXPECT_EQ(Suite().GetSuiteSetting(kListSection, kPadstackColumnsKey, QString()),
              QStringLiteral("Library Name,1,99830;Type,1,16305;Description,1,99542;Shape,1,991207"));
}

TEST(ColumnSpecsTest, ItemColumnsHeadTheNameThenEverySpecWithItsWidth) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ScopedSuite suite(SuiteLocation::InFolder(dir.path()));
    const ColumnSpecList specs = ParseColumnSpecs(u"Library Name,0,99830;Type,1,16305;;Odd,7,");
    const std::vector<ItemColumn> columns = ItemColumns(kPadstackColumns, specs, Suite());
    ASSERT_EQ(columns.size(), 5u);
    EXPECT_EQ(columns[0].caption, QStringLiteral("Padstack"));
    EXPECT_EQ(columns[0].widthTwips, kNameColumnTwips);
    EXPECT_EQ(columns[1].caption, QStringLiteral("Library Name"));
    EXPECT_EQ(columns[1].widthTwips, 0); // hidden, in its place
    EXPECT_EQ(columns[2].widthTwips, kItemColumnTwips);
    EXPECT_EQ(columns[3].caption, QString()); // an empty entry keeps its place too
    EXPECT_EQ(columns[4].widthTwips, kItemColumnTwips);
    EXPECT_EQ(ItemColumns(kPartColumns, {}, Suite()).size(), 1u);
    EXPECT_TRUE(ItemColumns(5, specs, Suite()).empty());
}

} // namespace
} // namespace vxw
