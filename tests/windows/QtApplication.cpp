// The widget tests' one QApplication for the whole run, offscreen without a display, quiet about
// what the offscreen platform cannot do.

#include "tests/ApplicationEnvironment.h"

namespace {

// The offscreen platform says so whenever a window asks for what only a window manager does.
QtMessageHandler previousHandler = nullptr;

void DropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    previousHandler(type, context, message);
}

class QtApplication : public vxw::test::ApplicationEnvironment {
public:
    QtApplication() : ApplicationEnvironment("test_windows") {}
    void SetUp() override {
        previousHandler = qInstallMessageHandler(DropPlatformNotes);
        ApplicationEnvironment::SetUp();
    }
};

[[maybe_unused]] ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace
