#pragma once
// What the window tests share: a suite with a catalogue of the test's choosing, a kernel that
// publishes the maker and product names, and a way to act on a modal dialog from inside its
// own event loop.

#include "kernel/KernelAccess.h"
#include "kernel/MemoryKernel.h"
#include "shell/SharedStrings.h"
#include "suite/SuiteServices.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace vxw {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        kernel_ = std::make_unique<ScopedKernel>(std::make_unique<MemoryKernel>());
        WriteSharedString(TheKernel(), QLatin1String(kMakerNameKey), QStringLiteral("Vexil"));
        WriteSharedString(TheKernel(), QLatin1String(kProductNameKey), QStringLiteral("Vexil 2000"));
        UseCatalogue(QByteArray());
    }

    void UseCatalogue(const QByteArray& text) {
        const SuiteLocation location = SuiteLocation::InFolder(dir_.path());
        QDir().mkpath(location.languageDir);
        QFile file(location.CatalogueFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        suite_.reset();
        suite_ = std::make_unique<ScopedSuite>(location);
    }

    QTemporaryDir dir_;
    std::unique_ptr<ScopedKernel> kernel_;
    std::unique_ptr<ScopedSuite> suite_;
};

// Runs `action` on the modal dialog of type T once it is open. A dialog that does not open
// within two seconds fails the test, and one that is still open then is closed, so that a
// fault never leaves the test waiting.
template <class T> void WhenOpen(std::function<void(T&)> action) {
    auto deadline = std::make_shared<QDeadlineTimer>(2000);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, deadline, poll] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            action(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog->done(0);
            }
            *poll = nullptr; // breaks the cycle
        } else if (deadline->hasExpired()) {
            ADD_FAILURE() << "no dialog opened";
            *poll = nullptr;
        } else {
            QTimer::singleShot(10, *poll);
        }
    };
    QTimer::singleShot(0, *poll);
}

} // namespace vxw
