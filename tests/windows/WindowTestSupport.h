#pragma once
// What the window tests share: a suite with a catalogue of the test's choosing, a kernel with
// the maker and product names, and a way to act on a modal dialog while it runs.

#include "kernel/KernelAccess.h"
#include "kernel/MemoryKernel.h"
#include "shell/SharedStrings.h"
#include "suite/SuiteServices.h"
#include "tests/CatalogueSuite.h"

#include <QApplication>
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

    void UseCatalogue(const QByteArray& text) { UseCatalogueIn(dir_.path(), text, suite_); }

    QTemporaryDir dir_;
    std::unique_ptr<ScopedKernel> kernel_;
    std::unique_ptr<ScopedSuite> suite_;
};

// Runs `action` on the modal dialog of type T from inside its event loop, which starts right
// after the dialog is shown. A dialog the action leaves open is closed with a failure, so that
// a fault never leaves the test waiting.
template <class T> void WhenOpen(std::function<void(T&)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no dialog opened";
        action(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog stayed open";
            dialog->done(0);
        }
    });
}

} // namespace vxw
