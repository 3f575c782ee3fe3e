#include "shell/HostLink.h"

#include "kernel/MemoryKernel.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace vxw {
namespace {

TEST(IsAppRunning, OnlyTheTrimmedTextOneCounts) {
    MemoryKernel kernel;
    kernel.E_SetString("mw_VXLSPCVR", " 1 ");
    kernel.E_SetString("mw_A", "1");
    kernel.E_SetString("mw_B", "0");
    kernel.E_SetString("mw_C", "\t1");
    kernel.E_SetString("mw_D", "11");
    EXPECT_TRUE(IsAppRunning(kernel, QStringLiteral("VXLSPCVR")));
    EXPECT_TRUE(IsAppRunning(kernel, QStringLiteral("  vxlspcvr ")));
    EXPECT_TRUE(IsAppRunning(kernel, QStringLiteral("a")));
    EXPECT_FALSE(IsAppRunning(kernel, QStringLiteral("B")));
    EXPECT_FALSE(IsAppRunning(kernel, QStringLiteral("C")));
    EXPECT_FALSE(IsAppRunning(kernel, QStringLiteral("D")));
    EXPECT_FALSE(IsAppRunning(kernel, QStringLiteral("unknown")));
    EXPECT_EQ(AppRunningKey(QStringLiteral(" ab c ")), QStringLiteral("mw_AB C"));
}

TEST(PublishState, ComposesTheStateLine) {
    EXPECT_EQ(StateLine(QStringLiteral("List Generator"), 0, 0),
              QStringLiteral("List Generator, 0, 0, 0, 0"));
    EXPECT_EQ(StateLine(QStringLiteral("List Generator"), 2, -1),
              QStringLiteral("List Generator, 2, 0,-1, 0"));
    EXPECT_EQ(StateLine(QString(), -2147483647 - 1, 12), QStringLiteral(",-2147483648, 0, 12, 0"));

    MemoryKernel kernel;
    PublishState(kernel, true, QStringLiteral("Größe"), 1, -1);
    EXPECT_STREQ(kernel.E_GetString("VXLLSTGN"), "Gr\xF6\xDF"
                                                 "e, 1, 0,-1, 0");
    // An inactive component clears its line rather than leaving the last one behind.
    PublishState(kernel, false, QStringLiteral("ignored"), 1, 0);
    EXPECT_STREQ(kernel.E_GetString("VXLLSTGN"), "");
}

TEST(HostLink, NotificationTexts) {
    std::vector<HostNotification> sent;
    HostLink link([&](const QString& aname, const QString& command) { sent.push_back({aname, command}); });
    link.AP_Shell(QStringLiteral("APP"), -3, QStringLiteral("a b,c"));
    link.AP_SendCmd(QStringLiteral("APP"), QStringLiteral("X,Y"));
    link.AP_SendCmdAll(QStringLiteral("UP"));
    link.NotifyShutdown();
    const std::vector<HostNotification> expected{
        {QStringLiteral("APP"), QStringLiteral("SHELL,-3,a b,c")},
        {QStringLiteral("APP"), QStringLiteral("X,Y")},
        {QStringLiteral("VXLLSTGN"), QStringLiteral("UP")},
        {QStringLiteral("VXLLSTGN"), QStringLiteral("SHUTDOWN")},
    };
    EXPECT_EQ(sent, expected);
}

TEST(HostLink, TextViewerChoiceFollowsItsRunningFlag) {
    const QString path = QStringLiteral("/jobs/UNTITLED.LIST");
    std::vector<HostNotification> sent;
    HostLink link([&](const QString& aname, const QString& command) { sent.push_back({aname, command}); });
    MemoryKernel kernel;
    for (const char* running : {"1", " 1 "}) {
        kernel.E_SetString("mw_VXLSPCVR", running);
        EXPECT_EQ(link.OpenInTextViewer(kernel, path), 0);
        EXPECT_EQ(sent.back(), (HostNotification{"VXLSPCVR", "VXLSPCVR,NF," + path}));
    }
    for (const char* other : {"0", "", "yes"}) {
        kernel.E_SetString("mw_VXLSPCVR", other);
        EXPECT_EQ(link.OpenInTextViewer(kernel, path), 0);
        EXPECT_EQ(sent.back(), (HostNotification{"VXLSPCVR", "SHELL,0," + path}));
    }
    kernel.E_SetString("mw_VXLSPCVR", nullptr);
    EXPECT_EQ(link.OpenInTextViewer(kernel, path), 0);
    EXPECT_EQ(sent.back(), (HostNotification{"VXLSPCVR", "SHELL,0," + path}));
}

TEST(HostLink, FailuresOfTheViewerCallAnswerOne) {
    MemoryKernel kernel;
    HostLink throwing([](const QString&, const QString&) { throw std::runtime_error("host gone"); });
    EXPECT_EQ(throwing.OpenInTextViewer(kernel, QStringLiteral("/x")), 1);
    HostLink silent{HostLink::Notify()};
    EXPECT_EQ(silent.OpenInTextViewer(kernel, QStringLiteral("/x")), 1);
}

} // namespace
} // namespace vxw
