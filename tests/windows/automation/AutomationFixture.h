#pragma once
// What the automation tests share: a fake main window installed as the shared one, a sink that
// records NotifyServer, and a graphical application (Load shows the hourglass).

#include "shell/AutomationText.h"
#include "shell/HostCommand.h"
#include "shell/HostLink.h"
#include "windows/shell/ComponentWindow.h"

#include <QApplication>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace vxw {

class FakeWindow : public ComponentWindow {
public:
    bool startUpFails = false;
    bool loaded = false;
    bool visible = false;
    int state = 0;
    int startUps = 0;
    int stateCalls = 0;
    int refreshes = 0;
    int unloads = 0;
    bool jobStopped = false;
    std::optional<Qt::CursorShape> cursorAtShow;

    void ShowWindow() override {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        cursorAtShow = cursor ? std::optional(cursor->shape()) : std::nullopt;
        if (!loaded) {
            ++startUps;
            loaded = true;
            if (startUpFails) {
                ShutDown(); // a failed start-up unloads the window before Show returns
                return;
            }
        }
        visible = true;
    }
    bool IsWindowShown() const override { return loaded && visible; }
    void SetWindowState(int mode) override {
        ++stateCalls;
        state = mode;
    }
    bool AP_ExeCmd(const QString& command) override {
        switch (DecideHostCommand(command)) {
        case HostCommand::Minimise:
            state = 1;
            break;
        case HostCommand::Restore:
            state = 0;
            break;
        case HostCommand::Refresh:
            ++refreshes;
            break;
        case HostCommand::Exit:
            jobStopped = true;
            ShutDown();
            break;
        case HostCommand::IndexOutOfRange:
            return false;
        case HostCommand::None:
            break;
        }
        return true;
    }
    void ShutDown() override {
        if (!loaded) {
            return;
        }
        loaded = false;
        visible = false;
        ++unloads;
        RaiseNotifyClass(QStringLiteral("VXLLSTGN"), QStringLiteral("SHUTDOWN"));
    }
    using ComponentWindow::RaiseNotifyClass;
};

// The host's sink for __clsVxwlstgn: records what it hears.
class RecordingSink final : public VxlDispatch {
public:
    std::vector<HostNotification> heard;
    uint32_t references = 1;

    VxlResult QueryInterface(const VxlGuid* iid, void** object) override {
        *object = nullptr;
        if (!(*iid == kDiidClsVxwlstgnEvents) && !(*iid == kIidVxlDispatch) && !(*iid == kIidVxlUnknown)) {
            return kResultNoInterface;
        }
        *object = static_cast<VxlDispatch*>(this);
        AddRef();
        return kResultOk;
    }
    uint32_t AddRef() override { return ++references; }
    uint32_t Release() override { return --references; } // lives on the test's stack
    VxlResult GetIdOfName(const char16_t*, int32_t*) override { return kResultNotImplemented; }
    VxlResult Invoke(int32_t dispId, uint16_t flags, const VxlVariant* args, uint32_t argCount,
                     VxlVariant*) override {
        EXPECT_EQ(dispId, kDispIdNotifyServer);
        EXPECT_EQ(flags, kDispatchMethod);
        EXPECT_EQ(argCount, 2u);
        heard.push_back({FromVxlString(args[0].value.string), FromVxlString(args[1].value.string)});
        return kResultOk;
    }
};

class AutomationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), nullptr);
        NewWindow();
        SetSeverPath(QString());
    }
    // A fresh fake as the shared window (installing the factory forgets the one made before).
    void NewWindow() {
        window = std::make_unique<FakeWindow>();
        SetComponentWindowFactory([this] { return window.get(); });
    }
    void TearDown() override { SetComponentWindowFactory(nullptr); }

    std::unique_ptr<FakeWindow> window;
};

} // namespace vxw
