#include "shell/HelpFile.h"
#include "shell/SettingsKeys.h"
#include "shell/SuitePaths.h"
#include "shell/WindowPlacement.h"

#include "suite/AppSettings.h"
#include "suite/IniFile.h"
#include "suite/SuiteServices.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vxw {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        location_ = SuiteLocation::InFolder(dir_.path());
    }
    QTemporaryDir dir_;
    SuiteLocation location_;
};

TEST_F(SettingsTest, FreshStoreGivesTheDefaults) {
    const SuiteServices suite(location_);
    const ListSettings list = ReadListSettings(suite);
    EXPECT_EQ(list.view, kViewList);
    EXPECT_FALSE(list.format);
    EXPECT_FALSE(list.toolbar);
    EXPECT_TRUE(list.tree.isEmpty());
    EXPECT_TRUE(list.propertyFlags.isEmpty());

    SuitePaths paths;
    ReadSuitePaths(paths, suite, QStringLiteral("Vexil 2000"));
    const QString base = location_.suiteDir + QStringLiteral("/Vexil 2000/");
    EXPECT_EQ(paths.JobDir, base + QStringLiteral("JOB"));
    EXPECT_EQ(paths.LibDir, base + QStringLiteral("LIB"));
    EXPECT_EQ(paths.SysDir, base + QStringLiteral("SYS"));
    EXPECT_EQ(paths.VXD3JobDir, location_.suiteDir + QStringLiteral("/CADJOB"));
    for (const QString& library : {paths.PartPath, paths.SymbolPath, paths.PackagePath, paths.PadstackPath}) {
        EXPECT_EQ(library, paths.LibDir);
    }

    AppSettings user(dir_.filePath(QStringLiteral("user.ini")));
    EXPECT_TRUE(user.Value(kLockToolbarKey).isEmpty());
    EXPECT_TRUE(user.Value(kLockListBookToolbarKey).isEmpty());
    EXPECT_FALSE(RestoreWindowPlacement(user, kMainWindowName, QSize(28800, 21600), QSize(9000, 7000)).found);
}

TEST_F(SettingsTest, StoredFoldersWinAndOnlyEmptyLibraryPathsTakeLibDir) {
    SuiteServices suite(location_);
    ASSERT_TRUE(suite.SaveSuiteSetting(kSuiteSection, kLibDirKey, QStringLiteral("/libs/")));
    ASSERT_TRUE(suite.SaveSuiteSetting(kSuiteSection, kJobDirKey, QStringLiteral("/jobs/")));
    SuitePaths paths;
    paths.SymbolPath = QStringLiteral("/own/symbols/");
    ReadSuitePaths(paths, suite, QString());
    EXPECT_EQ(paths.JobDir, QStringLiteral("/jobs/"));
    EXPECT_EQ(paths.PartPath, QStringLiteral("/libs/"));
    EXPECT_EQ(paths.SymbolPath, QStringLiteral("/own/symbols/"));
    EXPECT_EQ(paths.SysDir, location_.suiteDir + QStringLiteral("/SYS")); // no product name: no level
}

TEST(SuitePaths, ProductNameCannotLeaveTheSuiteFolder) {
    EXPECT_EQ(DefaultSuiteFolder(QStringLiteral("/s"), QStringLiteral(".."), QStringLiteral("JOB")),
              QStringLiteral("/s/__/JOB"));
    EXPECT_EQ(DefaultSuiteFolder(QStringLiteral("/s"), QStringLiteral("a/../b\\c"), QStringLiteral("LIB")),
              QStringLiteral("/s/a_.._b_c/LIB"));
}

TEST_F(SettingsTest, SaveListSettingsWritesInItsOrder) {
    ListSettings list;
    list.propertyFlags = QStringLiteral("1,0,1,");
    list.partPath = QStringLiteral("/p/");
    list.view = kViewDetails;
    list.toolbar = true;
    list.tree = QStringLiteral("7");
    SuiteServices suite(location_);
    ASSERT_TRUE(SaveListSettings(suite, list));
    IniFile file;
    ASSERT_TRUE(IniFile::Load(location_.settingsFile, file));
    EXPECT_EQ(file.Lines(), (QStringList{"[LIST GENERATOR]", "PROPERTY=1,0,1", "PART_PATH=/p/",
                                         "SYMBOL_PATH=", "PACKAGE_PATH=", "PADSTACK_PATH=", "VIEW=3",
                                         "FORMAT=0", "TOOLBAR=1", "TREE=7"}));
    const ListSettings again = ReadListSettings(suite);
    EXPECT_EQ(again.view, kViewDetails);
    EXPECT_TRUE(again.toolbar);
    EXPECT_FALSE(again.format);
    EXPECT_EQ(again.propertyFlags, QStringLiteral("1,0,1"));
}

TEST(WindowPlacement, UsabilityRule) {
    const QSize screen(4000, 2000); // a fortieth: 100 wide, 50 high
    const struct {
        const char* texts[4]; // top, left, height, width
        bool found;
        WindowPlacement placement;
    } cases[] = {
        {{"10", "20", "500", "600"}, true, {10, 20, 500, 600}},
        {{"1950", "3900", "1", "1"}, true, {1950, 3900, 1, 1}}, // exactly the last fortieth still fits
        {{"10", "3901", "1", "1"}, false, {10, 0, 1, 1}},       // left within the last fortieth
        {{"10", "-1", "1", "1"}, false, {10, 0, 1, 1}},
        {{"1951", "5", "1", "1"}, false, {0, 5, 1, 1}},
        {{"-5", "5", "1", "1"}, false, {0, 5, 1, 1}},
        {{"10", "10", "0", "-20"}, true, {10, 10, 700, 900}}, // sizes below 1: the current ones
        {{"10", "10", "abc", ""}, true, {10, 10, 700, 900}},
        {{"", "10", "1", "1"}, false, {0, 10, 1, 1}}, // never stored
        {{"10", "", "1", "1"}, false, {10, 0, 1, 1}},
        {{"junk", "0", "", ""}, true, {0, 0, 700, 900}}, // stored, reads as 0, usable
        {{"12.5", "13.5", "1e9", "99999999999"}, true, {12, 14, 1000000000, 2147483647}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.texts[0] << ' ' << c.texts[1] << ' ' << c.texts[2]);
        const auto text = [&](int i) { return QString::fromLatin1(c.texts[i]); };
        const RestoredPlacement r = RestoreWindowPlacement(PlacementTexts{text(0), text(1), text(2), text(3)},
                                                           screen, QSize(900, 700));
        EXPECT_EQ(r.found, c.found);
        EXPECT_EQ(r.placement, c.placement);
    }
}

TEST(WindowPlacement, SavedPlacementIsRestored) {
    QTemporaryDir dir;
    AppSettings user(dir.filePath(QStringLiteral("user.ini")));
    SaveWindowPlacement(user, kListBookWindowName, WindowPlacement{100, 200, 3000, 4000});
    EXPECT_EQ(user.Value(QStringLiteral("OpenListBook_HEIGHT")), QStringLiteral("3000"));
    const RestoredPlacement r =
        RestoreWindowPlacement(user, kListBookWindowName, QSize(20000, 15000), QSize(1, 1));
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.placement, (WindowPlacement{100, 200, 3000, 4000}));
}

TEST(WindowPlacement, FreshStartBesideTheHostWindow) {
    struct Case {
        WorkArea area;
        int hostWidth;
        WindowPlacement expected; // top, left, height, width
    };
    const Case cases[] = {
        {{0, 0, 28800, 21600}, 4000, {0, 4000, 21600, 24800}},   // right of the host window
        {{0, 0, 28800, 21600}, 0, {0, 0, 21600, 28800}},         // no host window: the whole area
        {{0, 0, 28800, 21600}, -300, {0, 0, 21600, 28800}},      // a negative width names none
        {{0, 0, 28800, 21600}, 28800, {0, 14400, 21600, 14400}}, // no room: from the middle
        {{0, 0, 28800, 21600}, 2000000000, {0, 14400, 21600, 14400}},
        {{1440, 600, 30240, 21600}, 4000, {600, 5440, 21000, 24800}}, // panels left and on top
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BesideHostPlacement(c.area, c.hostWidth), c.expected) << c.hostWidth;
    }
}

TEST(HelpFile, NamedAfterTheComponentBesideIt) {
    EXPECT_EQ(HelpFileOf(QStringLiteral("/opt/vx/lib/libVXLlstgn.so")),
              QStringLiteral("/opt/vx/lib/VXLlstgn.HLP"));
    EXPECT_EQ(HelpFileOf(QStringLiteral("/opt/vx/lib/libVXLlstgn.so.1.0")),
              QStringLiteral("/opt/vx/lib/VXLlstgn.HLP"));
    EXPECT_EQ(HelpFileOf(QStringLiteral("C:/vx/VXLlstgn.dll")), QStringLiteral("C:/vx/VXLlstgn.HLP"));
    EXPECT_EQ(HelpFileOf(QString()), QString());
    EXPECT_EQ(HelpContentsFile(QStringLiteral("/opt/VXLlstgn.HLP")), QStringLiteral("/opt/VXLlstgn.html"));
    EXPECT_EQ(HelpContentsFile(QStringLiteral("ab")), QString());
}

} // namespace
} // namespace vxw
