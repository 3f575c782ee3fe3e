// Long jobs and the window's limits: Cancel during a library load, closing while a job runs,
// and the splitters and the least size of the window.

#include "tests/windows/MainWindowFixture.h"

#include "libreports/LibraryItems.h"
#include "shell/PaneLimits.h"
#include "windows/explorer/ItemList.h"
#include "windows/explorer/LibraryFilesView.h"
#include "windows/explorer/ProgressPanel.h"
#include "windows/shell/ScreenTwips.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>

namespace vxw::test {
namespace {

using MainWindowJobs = MainWindowTest;

// Runs `during` once, at the first chance the next job gives the event loop.
void DuringNextJob(LGMAIN& window, std::function<void()> during) {
    auto* connection = new QMetaObject::Connection;
    *connection =
        QObject::connect(&window, &LGMAIN::JobStateChanged, &window, [connection, during](bool running) {
            if (running) {
                QObject::disconnect(*connection);
                delete connection;
                QTimer::singleShot(0, during);
            }
        });
}

TEST_F(MainWindowJobs, CancelStopsALibraryLoadAndLeavesNoHalfFilledList) {
    LGMAIN& window = Start();
    Click("PART");
    bool disabledDuring = false;
    bool busyDuring = false;
    DuringNextJob(window, [&] {
        disabledDuring = !window.Panes()->Explorer()->isEnabled() && !window.Panes()->FileList()->isEnabled();
        busyDuring = !window.JobStopped() && kernel_->stores.back().value.endsWith(",-1, 0");
        EXPECT_TRUE(window.Panes()->Progress()->isVisible());
        window.Panes()->Progress()->CancelButton()->click();
    });
    window.LibraryEntryClick(2);
    EXPECT_TRUE(disabledDuring);
    EXPECT_TRUE(busyDuring);
    // Stopped: no rows, every entry closed, the panes usable again, Cancel off, idle.
    LibraryItems& items = *window.Items();
    EXPECT_TRUE(items.Rows().empty());
    EXPECT_EQ(window.Panes()->Items()->RowCount(), 0);
    for (const auto& entry : items.Entries()) {
        EXPECT_EQ(entry.icon % 2, 1) << entry.text.toStdString();
    }
    EXPECT_TRUE(window.Panes()->Explorer()->isEnabled());
    EXPECT_TRUE(window.Panes()->FileList()->isEnabled());
    EXPECT_FALSE(window.Panes()->Progress()->CancelButton()->isEnabled());
    EXPECT_FALSE(window.Panes()->Progress()->isVisible());
    EXPECT_TRUE(window.JobStopped());
    EXPECT_EQ(kernel_->stores.back().value, "List Generator, 0, 0, 0, 0");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The same entry loads in full when clicked again.
    window.LibraryEntryClick(2);
    EXPECT_FALSE(items.Rows().empty());
    EXPECT_EQ(items.Entries()[1].icon, 2);
}

TEST_F(MainWindowJobs, ClosingAsksOnlyWhileAJobRuns) {
    LGMAIN& window = Start();
    Click("PART");
    // "No" keeps the window and lets the job finish.
    dialogs_.answers = {AnswerNo};
    DuringNextJob(window, [&] { window.close(); });
    window.LibraryEntryClick(2);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].prompt, "Cancel job and exit\nList Generator?");
    EXPECT_EQ(dialogs_.messages[0].style, MbYesNo | MbExclamation | MbSystemModal);
    EXPECT_TRUE(window.IsWindowShown());
    EXPECT_FALSE(window.Items()->Rows().empty());
    EXPECT_TRUE(notifications_.empty());

    // "Yes" stops the job, then the window unloads.
    dialogs_.answers = {AnswerYes};
    DuringNextJob(window, [&] { window.close(); });
    window.LibraryEntryClick(3);
    EXPECT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_FALSE(window.IsWindowShown());
    ASSERT_EQ(notifications_.size(), 1u);
    EXPECT_EQ(notifications_[0], (HostNotification{"VXLLSTGN", "SHUTDOWN"}));

    // Idle, closing asks nothing.
    LGMAIN& again = Start();
    again.close();
    EXPECT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_FALSE(again.IsWindowShown());
}

// Drags a splitter's handle by `distance` pixels, as the mouse does.
void DragHandle(QSplitter* splitter, int distance) {
    QSplitterHandle* handle = splitter->handle(1);
    const QPoint from = handle->rect().center();
    const QPoint to =
        from + (splitter->orientation() == Qt::Horizontal ? QPoint(distance, 0) : QPoint(0, distance));
    const auto send = [handle](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, handle->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(handle, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}

TEST_F(MainWindowJobs, SplittersKeepTheirLimitsAndTheWindowItsLeastSize) {
    LGMAIN& window = Start();
    Click("PART");
    const QScreen* screen = ScreenOf(&window);
    const auto px = [screen](int twips) { return TwipsToPixelsX(twips, screen); };
    const auto py = [screen](int twips) { return TwipsToPixelsY(twips, screen); };
    MainPanes& panes = *window.Panes();
    QSplitter* main = panes.MainSplitter();
    const int width = main->width();

    DragHandle(main, -5000); // far left: 3000 twips from the left edge
    EXPECT_EQ(main->sizes()[0], px(kExplorerMinWidth));
    DragHandle(main, 5000); // far right: 2670 twips from the right edge
    EXPECT_EQ(main->sizes()[0], width - px(kRightPanesMinWidth));

    DragHandle(main, -5000);
    QSplitter* dir = panes.DirSplitter();
    DragHandle(dir, -5000);
    EXPECT_EQ(dir->sizes()[0], px(kFileListMinWidth));
    DragHandle(dir, 5000);
    EXPECT_EQ(dir->sizes()[0], dir->width() - px(kItemListMinWidth));

    QSplitter* list = panes.ListSplitter();
    DragHandle(list, -5000);
    EXPECT_EQ(list->sizes()[0], py(kItemAreaMinHeight));
    DragHandle(list, 5000);
    EXPECT_EQ(list->sizes()[1], py(kPreviewMinHeight));

    // The window is never narrower than the explorer, both handles and twice the item area's height.
    window.resize(10, 10);
    const InnerSize least = MinimumInnerSize(kSplitterHandleWidth, 0);
    EXPECT_GE(window.width(), px(least.width));
    EXPECT_LE(window.width(), px(least.width) + main->handleWidth());
    EXPECT_GE(panes.height(), py(least.height));
}

} // namespace
} // namespace vxw::test
