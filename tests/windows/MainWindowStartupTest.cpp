// The main window's life: start-up in its order, the settings of a fresh and of a second start,
// the placement rules, a start-up that fails, closing and the host's commands.

#include "tests/windows/MainWindowFixture.h"

#include "shell/SettingsKeys.h"
#include "windows/explorer/ItemList.h"
#include "windows/shell/CommandBar.h"
#include "windows/shell/ScreenTwips.h"
#include "windows/shell/StatusPanels.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QToolBar>

namespace vxw::test {
namespace {

bool SplashShown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmSplash") && widget->isVisible()) {
            return true;
        }
    }
    return false;
}

using MainWindowStartup = MainWindowTest;

TEST_F(MainWindowStartup, RunsInItsOrderAndEndsIdle) {
    // At every shared string: is the splash up, how far is the window built?
    kernel_->probe = [this] {
        const LGMAIN& window = *window_;
        return QStringLiteral("splash=%1 captions=%2 nodes=%3")
            .arg(SplashShown())
            .arg(!window.Commands()->Band("popFile")->title().isEmpty())
            .arg(window.Model() ? window.Model()->NodeCount() : 0);
    };
    LGMAIN& window = Start();
    const auto& stores = kernel_->stores;
    ASSERT_GE(stores.size(), 3u);
    EXPECT_EQ(stores[0].key, "ServerPath");
    EXPECT_EQ(stores[0].value, QFileInfo(QStringLiteral(LG_BINARY_DIR "/lib")).absoluteFilePath());
    EXPECT_EQ(stores[0].probe, "splash=0 captions=0 nodes=0");
    EXPECT_EQ(stores[1].key, "VXLLSTGN");
    EXPECT_EQ(stores[1].value, "List Generator, 0, 0,-1, 0"); // busy before the window is built
    EXPECT_EQ(stores[1].probe, "splash=1 captions=0 nodes=0");
    EXPECT_EQ(stores.back().key, "VXLLSTGN");
    EXPECT_EQ(stores.back().value, "List Generator, 0, 0, 0, 0"); // idle once it is
    EXPECT_EQ(stores.back().probe, "splash=1 captions=1 nodes=34");
    EXPECT_FALSE(SplashShown());

    EXPECT_TRUE(window.IsWindowShown());
    EXPECT_TRUE(window.JobStopped());
    EXPECT_EQ(window.windowTitle(), "List Generator");
    EXPECT_TRUE(window.HelpFile().endsWith("/lib/VXLlstgn.HLP")) << window.HelpFile().toStdString();
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_TRUE(QFontInfo(window.findChild<QWidget*>("txtNet")->font()).fixedPitch());
}

TEST_F(MainWindowStartup, FreshStartTakesTheDefaultsBesideTheHostWindow) {
    LGMAIN& window = Start();
    CommandBar& bar = *window.Commands();
    EXPECT_TRUE(bar.IsChecked("list"));
    EXPECT_FALSE(bar.IsChecked("smallicon") || bar.IsChecked("details"));
    EXPECT_EQ(window.Panes()->Items()->View(), kViewList);
    EXPECT_FALSE(bar.IsChecked("format"));
    EXPECT_FALSE(bar.IsChecked("toolbar"));
    EXPECT_FALSE(bar.ToolBar()->isVisible());
    EXPECT_FALSE(bar.IsChecked("LockTB"));
    EXPECT_TRUE(bar.ToolBar()->isMovable());
    EXPECT_EQ(window.SelectedNode(), 1); // System
    for (const QString& path : {window.Paths().PartPath, window.Paths().SymbolPath,
                                window.Paths().PackagePath, window.Paths().PadstackPath}) {
        EXPECT_EQ(path, libDir_);
    }
    // Beside the host window, 3000 twips from the work area's left, over the rest of its width.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    const int hostWidth = TwipsToPixelsX(3000, screen);
    EXPECT_EQ(window.pos(), QPoint(area.left() + hostWidth, area.top()));
    EXPECT_EQ(window.width(), area.width() - hostWidth);
    EXPECT_EQ(window.height(), area.height());
}

TEST_F(MainWindowStartup, SecondStartRestoresWhatTheFirstLeft) {
    QTemporaryDir partFolder;
    ASSERT_TRUE(partFolder.isValid());
    QFile::copy(libDir_ + "ic.PART", partFolder.filePath("mine.PART"));
    {
        LGMAIN& window = Start();
        for (const char* command : {"details", "format", "toolbar", "LockTB"}) {
            window.RunCommand(command);
        }
        Click("PART");
        pickedFolder_ = partFolder.path(); // chosen without its separator
        window.RunCommand("librarypath");
        Click("VX6_1_1");
        window.move(40, 30);
        window.resize(700, 500);
        window.ShutDown();
        EXPECT_FALSE(window.IsWindowShown());
        ASSERT_FALSE(notifications_.empty());
        EXPECT_EQ(notifications_.back(), (HostNotification{"VXLLSTGN", "SHUTDOWN"}));
    }
    const auto listed = [](const char* key) { return Suite().GetSuiteSetting(kListSection, key, "?"); };
    EXPECT_EQ(listed("VIEW"), "3");
    EXPECT_EQ(listed("FORMAT"), "1");
    EXPECT_EQ(listed("TOOLBAR"), "1");
    EXPECT_EQ(listed("TREE"), "13");
    EXPECT_EQ(listed("PART_PATH"), partFolder.path() + "/");
    EXPECT_EQ(listed("SYMBOL_PATH"), ""); // the suite's folder is not stored as one of its own
    EXPECT_FALSE(listed("PROPERTY").isEmpty());
    EXPECT_FALSE(listed("PROPERTY").endsWith(","));
    EXPECT_EQ(UserSettings().Value("LOCK_TB"), "1");

    LGMAIN& again = Start();
    CommandBar& bar = *again.Commands();
    EXPECT_TRUE(bar.IsChecked("details"));
    EXPECT_FALSE(bar.IsChecked("list"));
    EXPECT_EQ(again.Panes()->Items()->View(), kViewDetails);
    EXPECT_TRUE(bar.IsChecked("format"));
    EXPECT_TRUE(bar.IsChecked("toolbar"));
    EXPECT_TRUE(bar.ToolBar()->isVisible());
    EXPECT_TRUE(bar.IsChecked("LockTB"));
    EXPECT_FALSE(bar.ToolBar()->isMovable());
    EXPECT_EQ(again.SelectedNode(), 13);
    EXPECT_EQ(again.Status()->Text(2), "Page[ POWER ]");
    EXPECT_EQ(again.Paths().PartPath, partFolder.path() + "/");
    EXPECT_EQ(again.Paths().SymbolPath, libDir_);
    EXPECT_EQ(again.pos(), QPoint(40, 30));
    EXPECT_EQ(again.size(), QSize(700, 500));

    // Toggling the lock twice leaves the bars as they were.
    again.RunCommand("LockTB");
    again.RunCommand("LockTB");
    EXPECT_TRUE(bar.IsChecked("LockTB"));
    EXPECT_FALSE(bar.ToolBar()->isMovable());
}

TEST_F(MainWindowStartup, PlacementOffTheScreenFallsBackBesideTheHostWindow) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect beside = PlacementToPixels(BesideHostPlacement(WorkAreaTwips(), 3000), screen);
    const int screenWidth = PixelsToTwipsX(screen->virtualSize().width(), screen);
    const struct {
        QString left;
        QString top;
    } stored[] = {
        {"-200", "100"},                                          // left of the screen
        {"100", "-50"},                                           // above it
        {QString::number(screenWidth - screenWidth / 80), "100"}, // in its last fortieth
        {"99999999", "100"},                                      // on a screen that is not there
        {"abc", "100"},                                           // reads 0: usable
    };
    for (const auto& placement : stored) {
        {
            AppSettings& user = UserSettings();
            user.SetValue("LGMAIN_LEFT", placement.left);
            user.SetValue("LGMAIN_TOP", placement.top);
            user.SetValue("LGMAIN_WIDTH", "6000");
            user.SetValue("LGMAIN_HEIGHT", "6000");
        }
        const bool usable = placement.left == "abc";
        LGMAIN& window = Start();
        if (usable) {
            EXPECT_EQ(window.pos(), QPoint(0, TwipsToPixelsY(100, screen)));
        } else {
            EXPECT_EQ(window.pos(), beside.topLeft()) << placement.left.toStdString();
            EXPECT_EQ(window.size(), beside.size());
        }
        window_.reset();
    }
}

TEST_F(MainWindowStartup, AFailingProfileEndsStartUpAndLeavesTheSettingsAlone) {
    QFile::remove(folder_ + "/language/PROPERTY.MEN");
    UserSettings().SetValue("LOCK_TB", "1");
    WriteSuiteIni(folder_, "VIEW=3\nPROPERTY=0,1\n");
    LGMAIN& window = Start();
    EXPECT_FALSE(window.IsWindowShown());
    EXPECT_FALSE(window.IsLoaded());
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].prompt, "Cant Read Menu Profile");
    ASSERT_EQ(notifications_.size(), 1u);
    EXPECT_EQ(notifications_[0], (HostNotification{"VXLLSTGN", "SHUTDOWN"}));
    EXPECT_EQ(UserSettings().Value("LOCK_TB"), "1");
    EXPECT_EQ(Suite().GetSuiteSetting(kListSection, "PROPERTY", ""), "0,1");
    EXPECT_EQ(Suite().GetSuiteSetting(kListSection, "VIEW", ""), "3");
    EXPECT_EQ(kernel_->stores.back().value, ""); // the component is no longer active
}

TEST_F(MainWindowStartup, HostCommandsMinimiseRestoreRefreshAndExit) {
    LGMAIN& window = Start();
    EXPECT_TRUE(window.AP_ExeCmd("Other,MN"));
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.AP_ExeCmd("VXLLSTGN,MN"));
    EXPECT_TRUE(window.isMinimized());
    EXPECT_TRUE(window.AP_ExeCmd("All,DF"));
    EXPECT_FALSE(window.isMinimized());
    EXPECT_FALSE(window.AP_ExeCmd("VXLLSTGN")); // addressed here without an action

    Click("VX4_2");
    window.RunCommand("preview");
    EXPECT_FALSE(window.List().PreviewText().isEmpty());
    EXPECT_TRUE(window.AP_ExeCmd("VXLLSTGN,UP"));
    EXPECT_TRUE(window.List().PreviewText().isEmpty()); // the working state is cleared
    EXPECT_EQ(window.SelectedNode(), IndexOf("VX4_2")); // on the node the user was on
    EXPECT_TRUE(notifications_.empty());

    EXPECT_TRUE(window.AP_ExeCmd("VXLLSTGN,EX,"));
    EXPECT_FALSE(window.IsWindowShown());
    EXPECT_TRUE(dialogs_.messages.empty());
    ASSERT_EQ(notifications_.size(), 1u);
    EXPECT_EQ(notifications_[0], (HostNotification{"VXLLSTGN", "SHUTDOWN"}));
    // Shown again, the window starts up again.
    window.ShowWindow();
    EXPECT_TRUE(window.IsWindowShown());
}

} // namespace
} // namespace vxw::test
