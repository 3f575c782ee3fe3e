#include "listgen/LibraryColumns.h"
#include "listgen/ColumnOptions.h"

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
    QStringList texts;
    for (const ItemColumn& column : columns) {
        texts << column.caption + ' ' + QString::number(column.widthTwips);
    }
    // A hidden column keeps its place with no width; so does an empty entry.
    const QString item = QString::number(kItemColumnTwips);
    EXPECT_EQ(texts, (QStringList{"Padstack " + QString::number(kNameColumnTwips), "Library Name 0",
                                  "Type " + item, " 0", "Odd " + item}));
    EXPECT_EQ(ItemColumns(kPartColumns, {}, Suite()).size(), 1u);
    EXPECT_TRUE(ItemColumns(5, specs, Suite()).empty());
}

TEST(ColumnOptionsTest, CancelPutsTheListsBackAndAcceptSavesThem) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ScopedSuite suite(SuiteLocation::InFolder(dir.path()));
    ColumnSpecLists lists;
    for (int libraryClass = 1; libraryClass <= kColumnClassCount; ++libraryClass) {
        lists[static_cast<size_t>(libraryClass - 1)] =
            ParseColumnSpecs(DefaultColumnSpecString(libraryClass));
    }
    const ColumnSpecLists before = lists;
    {
        ColumnOptions options(lists);
        options.SelectTab(OptionsTabForKind(QStringLiteral("K")));
        EXPECT_EQ(options.Tab(), kPackageColumns);
        options.SelectTab(OptionsTabForKind(QStringLiteral("C"))); // other kinds leave the tab
        EXPECT_EQ(options.Tab(), kPackageColumns);
        ASSERT_EQ(options.Lines().size(), 5u);
        EXPECT_EQ(options.Lines()[1].caption, "Type");
        EXPECT_TRUE(options.Lines()[1].ticked);
        options.SetLine(0, true);
        options.SetLine(1, false);
        options.SetLine(99, true); // no such line
        EXPECT_TRUE(lists[kPackageColumns - 1][0].shown == 1 && lists[kPackageColumns - 1][1].shown == 0);
        options.Cancel();
    }
    for (size_t c = 0; c < lists.size(); ++c) {
        EXPECT_EQ(ColumnSpecString(lists[c]), ColumnSpecString(before[c]));
    }
    EXPECT_EQ(Suite().GetSuiteSetting(kListSection, kPackageColumnsKey, QStringLiteral("unset")), "unset");

    ColumnOptions options(lists);
    options.SelectTab(kPadstackColumns);
    options.SetLine(0, true);
    ASSERT_TRUE(options.Accept());
    options.Cancel(); // after Accept, the accepted lists stay
    EXPECT_EQ(Suite().GetSuiteSetting(kListSection, kPadstackColumnsKey, QString()),
              QStringLiteral("Library Name,1,99830;Type,1,16305;Description,1,99542;Shape,1,991207"));
    EXPECT_EQ(lists[kPadstackColumns - 1][0].shown, 1);
}

} // namespace
} // namespace vxw
