// Widget tests need one QApplication for the whole run: this environment makes it before the
// first test and ends it after the last. Without a display the tests run offscreen.

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The offscreen platform says so whenever a window asks for what only a window manager does.
QtMessageHandler previousHandler = nullptr;

void DropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    previousHandler(type, context, message);
}

class QtApplication : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        previousHandler = qInstallMessageHandler(DropPlatformNotes);
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    char name_[13] = "test_windows";
    char* argv_[2] = {name_, nullptr};
    int argc_ = 1;
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace
