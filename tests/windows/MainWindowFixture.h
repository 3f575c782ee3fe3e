#pragma once
// What the main window tests share: a suite folder of their own (the sample language folder and
// libraries, a job folder and settings of the test), per-user settings of their own, the sample
// design in a kernel that records the shared strings it is given, dialogs and pickers answered
// from queues, and the window with the notifications it raised.

#include "explorer/ExplorerModel.h"
#include "kernel/DesignFile.h"
#include "kernel/KernelAccess.h"
#include "kernel/MemoryKernel.h"
#include "shell/HostEnvironment.h"
#include "shell/HostLink.h"
#include "suite/AppSettings.h"
#include "suite/SuiteServices.h"
#include "tests/windows/QueuedDialogs.h"
#include "tests/windows/SampleProject.h"
#include "windows/explorer/ExplorerTree.h"
#include "windows/shell/FilePickers.h"
#include "windows/shell/LGMAIN.h"
#include "windows/shell/MainPanes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace vxw::test {

// A kernel that records every shared string stored into it and runs a probe at each, so a test
// can see what the window looked like at that step of its start-up.
class RecordingKernel : public MemoryKernel {
public:
    using MemoryKernel::MemoryKernel;

    struct Store {
        QString key;
        QString value;
        QString probe;
    };
    std::vector<Store> stores;
    std::function<QString()> probe;

    int32_t E_SetString(const char* key, const char* value) override {
        stores.push_back({QString::fromLatin1(key), QString::fromLatin1(value), probe ? probe() : QString()});
        return MemoryKernel::E_SetString(key, value);
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The list headings' date is fixed, so the lists compare with the batch command's.
        qputenv("SOURCE_DATE_EPOCH", "1709640000");
        ASSERT_TRUE(dir_.isValid());
        folder_ = dir_.path();
        ASSERT_NO_FATAL_FAILURE(MakeSampleSuite(folder_));
        suite_ = std::make_unique<ScopedSuite>(SuiteLocation::InFolder(folder_));
        user_ = std::make_unique<ScopedUserSettings>(UserFile());
        pickers_ = std::make_unique<ScopedFilePickers>(
            FilePickerFunctions{[this](QWidget*, const QString& title, const QString&, const QString&) {
                                    pickerTitles_.append(title);
                                    return pickedFile_;
                                },
                                [this](QWidget*, const QString& title) {
                                    pickerTitles_.append(title);
                                    return pickedFolder_;
                                }});
        LoadDesign(QStringLiteral(LG_SOURCE_DIR "/samples/demo.vxd"));
    }

    void TearDown() override {
        window_.reset();
        QApplication::processEvents();
        qunsetenv("SOURCE_DATE_EPOCH");
    }

    QString UserFile() const { return folder_ + "/user.ini"; }

    // Loads a design into a recording kernel and publishes the host's strings, the host window
    // 3000 twips wide.
    void LoadDesign(const QString& path, int hostWidth = 3000) {
        DesignFileResult loaded = LoadDesignFile(path);
        ASSERT_TRUE(loaded.Ok()) << loaded.error.toStdString();
        auto kernel = std::make_unique<RecordingKernel>(std::move(*loaded.design));
        kernel_ = kernel.get();
        scopedKernel_.reset();
        scopedKernel_ = std::make_unique<ScopedKernel>(std::move(kernel));
        PublishHostStrings(*kernel_, Suite(), hostWidth);
        kernel_->stores.clear();
    }

    // A new window, shown as the automation class's Load shows it.
    LGMAIN& Start() {
        window_ = std::make_unique<LGMAIN>();
        window_->SetNotifyClass([this](const QString& aname, const QString& command) {
            notifications_.push_back({aname, command});
        });
        window_->ShowWindow();
        QApplication::processEvents();
        return *window_;
    }

    int IndexOf(const QString& key) const { return window_->Model()->IndexOf(key); }
    // The node with this key, clicked as the user clicks it.
    void Click(const QString& key) {
        const int index = IndexOf(key);
        ASSERT_GT(index, 0) << key.toStdString();
        ExplorerTree* tree = window_->Panes()->Explorer();
        QTreeWidgetItem* item = tree->NodeItem(index);
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
        ASSERT_EQ(window_->SelectedNode(), index);
    }

    QTemporaryDir dir_;
    QString folder_;
    const QString libDir_ = SampleLibDir();
    std::unique_ptr<ScopedSuite> suite_;
    std::unique_ptr<ScopedUserSettings> user_;
    QueuedDialogs dialogs_;
    std::unique_ptr<ScopedFilePickers> pickers_;
    std::unique_ptr<ScopedKernel> scopedKernel_;
    RecordingKernel* kernel_ = nullptr;
    std::unique_ptr<LGMAIN> window_;

    QStringList pickerTitles_;
    QString pickedFile_;
    QString pickedFolder_;
    std::vector<HostNotification> notifications_;
};

} // namespace vxw::test
