#pragma once
// The sample project as the List Book, property, Options and search windows see it: a suite
// folder of the test's own (the sample language folder, the sample libraries, a job folder and
// settings; the main window tests make theirs the same way), per-user settings of its own, the
// sample design in the kernel, the component's state started on it, and the dialogs answered
// from queues the test fills.

#include "component/ComponentState.h"
#include "kernel/DesignFile.h"
#include "kernel/KernelAccess.h"
#include "kernel/MemoryKernel.h"
#include "listgen/LibraryColumns.h"
#include "shell/HostEnvironment.h"
#include "shell/MessageBox.h"
#include "shell/RecordingInterface.h"
#include "shell/SharedStrings.h"
#include "shell/SuitePaths.h"
#include "suite/AppSettings.h"
#include "suite/SuiteServices.h"
#include "tests/windows/QueuedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace vxw {

// The sample libraries' folder, with its separator.
inline QString SampleLibDir() {
    return QStringLiteral(LG_BINARY_DIR "/suite/LIB/");
}

// The suite settings in a test's own folder: its job folder, the sample libraries, and the list
// generator's section.
inline void WriteSuiteIni(const QString& folder, const QString& listSection = QString()) {
    QFile ini(folder + "/suite.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(("[Vexil2K]\nJobDir=" + folder + "/JOB/\nLibDir=" + SampleLibDir() + "\nSysDir=" + folder +
               "/SYS/\n\n[LIST GENERATOR]\n" + listSection)
                  .toUtf8());
}

// A suite folder of a test's own: the sample language folder, a job folder and the settings.
inline void MakeSampleSuite(const QString& folder) {
    const QDir language(QStringLiteral(LG_BINARY_DIR "/suite/language"));
    ASSERT_TRUE(QDir().mkpath(folder + "/language"));
    ASSERT_TRUE(QDir().mkpath(folder + "/JOB"));
    for (const QString& name : language.entryList(QDir::Files)) {
        ASSERT_TRUE(QFile::copy(language.filePath(name), folder + "/language/" + name));
    }
    WriteSuiteIni(folder);
}

class SampleProjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        folder_ = dir_.path();
        ASSERT_NO_FATAL_FAILURE(MakeSampleSuite(folder_));
        suite_ = std::make_unique<ScopedSuite>(SuiteLocation::InFolder(folder_));
        user_ = std::make_unique<ScopedUserSettings>(folder_ + "/user.ini");

        DesignFileResult loaded = LoadDesignFile(QStringLiteral(LG_SOURCE_DIR "/samples/demo.vxd"));
        ASSERT_TRUE(loaded.Ok()) << loaded.error.toStdString();
        kernel_ = std::make_unique<ScopedKernel>(std::make_unique<MemoryKernel>(std::move(*loaded.design)));
        PublishHostStrings(TheKernel(), Suite());
        ReadSuitePaths(paths_, Suite(), ProductName());
        ASSERT_TRUE(state_.Start(TheKernel(), Suite(), ui_));
        LoadColumnSpecs();
    }

    void TearDown() override { QApplication::processEvents(); }

    // The index of the explorer node with this key.
    int Node(const QString& key) const {
        const int index = state_.Model().IndexOf(key);
        EXPECT_GT(index, 0) << key.toStdString();
        return index;
    }

    QTemporaryDir dir_;
    QString folder_;
    SuitePaths paths_;
    RecordingInterface ui_; // the main window's side: status panels, progress, Cancel
    ComponentState state_;
    std::unique_ptr<ScopedSuite> suite_;
    std::unique_ptr<ScopedUserSettings> user_;
    test::QueuedDialogs dialogs_;
    std::unique_ptr<ScopedKernel> kernel_;
};

} // namespace vxw
