#pragma once
// One QApplication for a whole test run: made before the first test and ended after the last,
// for tests whose code shows widgets or cursors. Without a display the tests run offscreen.
// Register it once per executable:
//   [[maybe_unused]] ::testing::Environment* const kApplication =
//       ::testing::AddGlobalTestEnvironment(new vxw::test::ApplicationEnvironment("test_name"));

#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

#include <memory>

namespace vxw::test {

class ApplicationEnvironment : public ::testing::Environment {
public:
    explicit ApplicationEnvironment(const char* name) : name_(name) {}

    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    // QApplication keeps argc and argv for its whole life.
    QByteArray name_;
    char* argv_[2] = {name_.data(), nullptr};
    int argc_ = 1;
    std::unique_ptr<QApplication> app_;
};

} // namespace vxw::test
