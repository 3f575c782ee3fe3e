#include "tests/windows/WindowTestSupport.h"
#include "windows/shell/Dialogs.h"
#include "windows/shell/frmSplash.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace vxw {
namespace {

using SplashWindowTest = WindowTest;

TEST_F(SplashWindowTest, SplashShowsTheNamesWithoutOkAndWithoutFrame) {
    frmSplash splash;
    splash.ShowAsSplash();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(splash.findChild<QPushButton*>(QStringLiteral("cmdOk"))->isVisible());
    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblSystemName"))->text(),
              QStringLiteral("Vexil Vexil 2000"));
}

// The about box waits for OK; Ctrl+F1 in it asks for the help contents.
TEST_F(SplashWindowTest, AboutBoxOffersHelpAndClosesWithOk) {
    int helpRequests = 0;
    bool okShown = false;
    WhenOpen<frmSplash>([&](frmSplash& about) {
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("cmdOk"));
        okShown = ok->isVisible();
        QTest::keyClick(ok, Qt::Key_F1, Qt::ControlModifier);
        QTest::keyClick(ok, Qt::Key_F1);
        ok->click();
    });
    ShowAboutDialog(nullptr, [&] { ++helpRequests; });
    EXPECT_TRUE(okShown);
    EXPECT_EQ(helpRequests, 1);
}

} // namespace
} // namespace vxw
