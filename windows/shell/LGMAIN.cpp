#include "windows/shell/LGMAIN.h"
#include "windows/shell/JobScope.h"

#include "component/ComponentState.h"
#include "explorer/ExplorerModel.h"
#include "explorer/NodeActions.h"
#include "kernel/KernelAccess.h"
#include "libreports/LibraryCatalog.h"
#include "libreports/LibraryItems.h"
#include "libreports/LibrarySearch.h"
#include "libreports/StoredLibraryPaths.h"
#include "listgen/FieldProfile.h"
#include "listgen/LibraryColumns.h"
#include "shell/CommandParser.h"
#include "shell/HelpFile.h"
#include "shell/HostCommand.h"
#include "shell/HostLink.h"
#include "shell/SettingsKeys.h"
#include "shell/SharedStrings.h"
#include "shell/Units.h"
#include "shell/WindowPlacement.h"
#include "suite/AppSettings.h"
#include "suite/SuiteServices.h"
#include "suite/TextRules.h"
#include "windows/explorer/ExplorerTree.h"
#include "windows/explorer/HierarchyTree.h"
#include "windows/explorer/ItemList.h"
#include "windows/explorer/LibraryFilesView.h"
#include "windows/explorer/ProgressPanel.h"
#include "windows/listgen/ListPreview.h"
#include "windows/shell/CommandBar.h"
#include "windows/shell/CommandTable.h"
#include "windows/shell/ComponentFile.h"
#include "windows/shell/Dialogs.h"
#include "windows/shell/HelpWindow.h"
#include "windows/shell/KeyboardFilter.h"
#include "windows/shell/MainPanes.h"
#include "windows/shell/ScreenTwips.h"
#include "windows/shell/StatusPanels.h"
#include "windows/shell/frmSplash.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>

#include <exception>

namespace vxw {
namespace {

// The internal error 9999: the field profile could not be loaded, which its loader has already
// told the user.
struct ProfileNotLoaded {};

QString Message(const char* text, const char* id) {
    return Suite().GetMessageText(QString::fromLatin1(text), QString::fromLatin1(id));
}

} // namespace

LGMAIN::LGMAIN(QWidget* parent)
    : QMainWindow(parent), commands_(new CommandBar(this)), panes_(new MainPanes(this)),
      status_(new StatusPanels(this)) {
    setObjectName(QStringLiteral("LGMAIN"));
    setCentralWidget(panes_);
    setStatusBar(status_);
    hostLink_ = std::make_unique<HostLink>(
        [this](const QString& aname, const QString& command) { RaiseNotifyClass(aname, command); });

    connect(commands_, &CommandBar::ToolClicked, this, &LGMAIN::RunCommand);
    connect(commands_->ToolBar(), &QToolBar::visibilityChanged, this, [this](bool visible) {
        // The band closed by its close box (or opened again) carries the View menu's mark along.
        if (isVisible() && !unloading_) {
            commands_->SetChecked(QStringLiteral("toolbar"), visible);
        }
    });
    ExplorerTree* tree = panes_->Explorer();
    connect(tree, &ExplorerTree::NodeClicked, this, [this](int index) {
        if (panes_->Explorer()->isEnabled()) {
            NodeClick(index);
        }
    });
    connect(tree, &ExplorerTree::ListRequested, this, [this] {
        if (panes_->Explorer()->isEnabled()) {
            GenerateForSelectedNode();
            AfterCommand();
        }
    });
    connect(tree, &ExplorerTree::PopupRequested, this,
            [this](const QPoint& position) { ShowPopup(PopupBandForKind(SelectedKind()), position); });
    connect(panes_->FileList(), &LibraryFilesView::EntryClicked, this, &LGMAIN::LibraryEntryClick);
    connect(panes_->FileList(), &LibraryFilesView::EntryChecked, this, [this](int position, bool checked) {
        if (items_ && position >= 1 && position <= static_cast<int>(items_->Entries().size())) {
            items_->Entries()[static_cast<std::size_t>(position - 1)].checked = checked;
        }
    });
    ItemList* itemList = panes_->Items();
    connect(itemList, &ItemList::ColumnClicked, this, [this](int column) {
        if (items_ && !JobRunning()) {
            items_->ClickColumn(column);
            panes_->Items()->RowsChanged();
        }
    });
    connect(itemList, &ItemList::SelectionTouched, this, [this] {
        if (items_) {
            items_->ShowSelectionCount();
        }
    });
    connect(itemList, &ItemList::PopupRequested, this,
            [this](const QPoint& position) { ShowPopup(QLatin1String(kItemPopupBand), position); });
    connect(itemList, &ItemList::ListRequested, this, [this] {
        if (panes_->Explorer()->isEnabled()) {
            GenerateForSelectedNode();
            AfterCommand();
        }
    });
    connect(panes_->Hierarchy(), &HierarchyTree::ListRequested, this, [this] {
        if (panes_->Explorer()->isEnabled()) {
            GenerateForSelectedNode();
            AfterCommand();
        }
    });
    connect(panes_->Preview(), &ListPreview::NodeDropped, this, [this](int index) {
        if (!panes_->Explorer()->isEnabled() || Model() == nullptr || Model()->Node(index) == nullptr) {
            return;
        }
        panes_->Explorer()->SelectNode(index);
        NodeClick(index);
        GenerateForSelectedNode();
        AfterCommand();
    });
    QPushButton* cancel = panes_->Progress()->CancelButton();
    cancel->setEnabled(false);
    connect(cancel, &QPushButton::clicked, this, &LGMAIN::PressCancel);

    keyboard_ = new KeyboardFilter(
        this,
        [this] {
            KeyContext context;
            context.cancelEnabled = panes_->Progress()->CancelButton()->isEnabled();
            context.nodeKind = SelectedKind();
            context.itemRows = items_ ? static_cast<int>(items_->Rows().size()) : 0;
            return context;
        },
        [this](const QString& command) {
            if (command == QLatin1String(kCancelKeyCommand)) {
                panes_->Progress()->CancelButton()->click();
            } else if (command == QLatin1String(kHelpKeyCommand)) {
                ShowHelpContents();
            } else {
                RunCommand(command);
            }
        });
}

LGMAIN::~LGMAIN() {
    // The widgets outlive the data they show by the base class's destruction, and may still send
    // events and signals while it hides them: they are cut loose from the data first.
    delete keyboard_;
    keyboard_ = nullptr;
    for (QObject* sender : std::initializer_list<QObject*>{
             commands_, panes_->Explorer(), panes_->FileList(), panes_->Items(), panes_->Hierarchy(),
             panes_->Preview(), panes_->Progress()->CancelButton(), commands_->ToolBar()}) {
        disconnect(sender, nullptr, this, nullptr);
    }
    panes_->Items()->SetItems(nullptr);
    panes_->Hierarchy()->Clear();
}

const ExplorerModel* LGMAIN::Model() const {
    return state_ ? &state_->Model() : nullptr;
}

int LGMAIN::SelectedNode() const {
    return panes_->Explorer()->SelectedNode();
}

QString LGMAIN::SelectedKind() const {
    const ExplorerModel* model = Model();
    const ExplorerNode* node = model ? model->Node(SelectedNode()) : nullptr;
    return node ? model->NodeKind(node->Key) : QString();
}

// ---------------------------------------------------------------------------------------------
// Start-up

void LGMAIN::ShowWindow() {
    if (!loaded_ && !Startup()) {
        return;
    }
    show();
    raise();
    activateWindow();
}

bool LGMAIN::IsWindowShown() const {
    return loaded_ && isVisible();
}

void LGMAIN::SetWindowState(int mode) {
    if (!loaded_) {
        return;
    }
    switch (mode) {
    case 1:
        showMinimized();
        break;
    case 2:
        showMaximized();
        break;
    default:
        showNormal();
        break;
    }
}

bool LGMAIN::Startup() {
    Kernel& kernel = TheKernel();
    std::unique_ptr<frmSplash> splash;
    startedUp_ = false;
    unloading_ = false;
    try {
        // The platform's interface font stands for the suite's; the controls take it as they are
        // made. The title comes first: the state line carries it.
        appTitle_ = AppTitle();
        setWindowTitle(appTitle_);
        WriteSharedString(kernel, QLatin1String(kServerPathKey), ComponentFolder());
        splash = std::make_unique<frmSplash>();
        splash->ShowAsSplash();
        helpFile_ = HelpFileOf(ComponentFile());
        Publish(-1);
        if (!BuildWindow()) {
            throw ProfileNotLoaded{};
        }
        loaded_ = true;
        startedUp_ = true;
        Publish(0);
        jobStopped_ = true;
        unsetCursor();
        panes_->Preview()->UseListFont();
        splash.reset();
        return true;
    } catch (const ProfileNotLoaded&) {
        splash.reset();
    } catch (const std::exception& error) {
        splash.reset();
        ShowMessage(QString::fromLocal8Bit(error.what()), MbOk | MbSystemModal, appTitle_);
    }
    // The window unloads itself, so Load answers false.
    loaded_ = true;
    Unload();
    return false;
}

bool LGMAIN::BuildWindow() {
    PlaceWindow();
    commands_->ApplyCaptions();
    panes_->SetPaneTitles(Message("Library Files", "4832"), Message("Library Items", "31114"));
    panes_->Progress()->CancelButton()->setText(Message("Cancel", "99388"));
    SetCurrentUnit(kUnitInch);
    LoadColumnSpecs();

    listSettings_ = ReadListSettings(Suite());
    SetViewCheck(listSettings_.view, true);
    panes_->Items()->SetView(listSettings_.view);
    commands_->SetChecked(QStringLiteral("format"), listSettings_.format);
    ApplyToolbar(listSettings_.toolbar);

    state_ = std::make_unique<ComponentState>();
    if (!state_->Start(TheKernel(), Suite(), *this)) {
        state_.reset();
        return false;
    }
    Refresh();
    return true;
}

void LGMAIN::PlaceWindow() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const WorkArea area = WorkAreaTwips();
    const int hostWidth =
        RoundToInt32(FieldValue(ReadSharedString(TheKernel(), QLatin1String(kMainWidthKey))));
    const QSize desktop = screen ? screen->virtualSize() : QSize(1024, 768);
    const QSize desktopTwips(PixelsToTwipsX(desktop.width(), screen),
                             PixelsToTwipsY(desktop.height(), screen));
    const QSize currentTwips(PixelsToTwipsX(width(), screen), PixelsToTwipsY(height(), screen));
    RestoredPlacement restored =
        RestoreWindowPlacement(UserSettings(), QLatin1String(kMainWindowName), desktopTwips, currentTwips);
    QRect rect = PlacementToPixels(restored.placement, screen);
    // A placement on a screen that is gone counts as not stored, as one off the desktop does.
    if (!restored.found || !OnSomeScreen(rect)) {
        rect = PlacementToPixels(BesideHostPlacement(area, hostWidth), screen);
    }
    panes_->ApplyLimits();
    resize(rect.size().expandedTo(minimumSizeHint()));
    move(rect.topLeft());
}

void LGMAIN::ApplyToolbar(bool shown) {
    commands_->SetChecked(QStringLiteral("toolbar"), shown);
    commands_->ToolBar()->setVisible(shown);
}

void LGMAIN::SetViewCheck(int view, bool checked) {
    static const char* const views[] = {"smallicon", "list", "details"};
    for (const char* key : views) {
        commands_->SetChecked(QLatin1String(key), false);
    }
    if (view >= kViewSmallIcons && view <= kViewDetails) {
        commands_->SetChecked(QLatin1String(views[view - 1]), checked);
    }
}

void LGMAIN::Refresh() {
    BusyCursor busy;
    Kernel& kernel = TheKernel();
    // The window's working state goes first: preview, current list, list commands.
    panes_->Preview()->clear();
    currentList_ = CurrentList();
    commands_->SetEnabled(QStringLiteral("save"), false);
    commands_->SetEnabled(QStringLiteral("write"), false);
    // The List Book outlives a refresh; it opens once it holds a list.
    commands_->SetEnabled(QStringLiteral("open"), !book_.IsEmpty());

    // A refresh keeps the node the user is on, when the rebuilt tree still has it.
    const int kept = loaded_ ? SelectedNode() : 0;
    if (startedUp_) {
        state_->RebuildExplorer(kernel, Suite());
    }
    panes_->Explorer()->Rebuild(state_->Model());
    panes_->Hierarchy()->Clear();
    hierarchy_.Clear();

    // Library folders: the stored ones that still exist, then the suite's folders, the library
    // folder standing in for every one still empty. They are in place before the first node
    // click, whose status bar names them.
    RestoreLibraryPaths(paths_, listSettings_);
    ReadSuitePaths(paths_, Suite(), ProductName(kernel));
    catalog_ = std::make_unique<LibraryCatalog>(kernel);
    catalog_->SetPaths(paths_);
    items_ =
        std::make_unique<LibraryItems>(kernel, *catalog_, state_->Levels().LibraryProfiles, Suite(), *this);
    finder_ = std::make_unique<LibraryFinder>(*items_);
    panes_->Items()->SetItems(items_.get());
    panes_->FileList()->clear();

    const int count = state_->Model().NodeCount();
    const int selected =
        kept > 0 && kept <= count ? kept : RestoreTreeSelection(listSettings_.tree, count).Clicked;
    panes_->Explorer()->SelectNode(selected);
    NodeClick(selected);

    if (UserSettings().Value(QLatin1String(kLockToolbarKey)) == QLatin1String("1")) {
        commands_->SetChecked(QStringLiteral("LockTB"), true);
        commands_->SetLocked(true);
    }
    panes_->ApplyLimits();
}

// ---------------------------------------------------------------------------------------------
// Closing

void LGMAIN::ShutDown() {
    if (!loaded_) {
        return;
    }
    if (JobRunning()) {
        // The job stops first; the window unloads as soon as it has.
        cancelRequested_ = true;
        closePending_ = true;
        return;
    }
    Unload();
}

void LGMAIN::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!loaded_ || unloading_) {
        return;
    }
    if (!jobStopped_) {
        const int answer = ShowMessage(Message("Cancel job and exit List Generator?", "31162"),
                                       MbYesNo | MbExclamation | MbSystemModal, appTitle_);
        if (answer == AnswerNo) {
            return;
        }
    }
    ShutDown();
}

void LGMAIN::SaveSettings() {
    AppSettings& user = UserSettings();
    user.SetValue(QLatin1String(kLockToolbarKey),
                  commands_->IsChecked(QStringLiteral("LockTB")) ? QStringLiteral("1") : QStringLiteral("0"));
    const QScreen* screen = ScreenOf(this);
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : QRect(pos(), size());
    SaveWindowPlacement(user, QLatin1String(kMainWindowName), PixelsToPlacement(normal, screen));

    ListSettings& settings = listSettings_;
    if (state_) {
        settings.propertyFlags = SavedFieldFlags(state_->Profile());
    }
    // A library folder equal to the suite's is kept as "none of its own", so it follows the
    // suite's folder when that moves.
    const auto own = [this](const QString& path) { return path == paths_.LibDir ? QString() : path; };
    settings.partPath = own(paths_.PartPath);
    settings.symbolPath = own(paths_.SymbolPath);
    settings.packagePath = own(paths_.PackagePath);
    settings.padstackPath = own(paths_.PadstackPath);
    settings.view = panes_->Items()->View();
    settings.format = commands_->IsChecked(QStringLiteral("format"));
    settings.toolbar = commands_->IsChecked(QStringLiteral("toolbar"));
    const int selected = SelectedNode();
    settings.tree = selected > 0 ? QString::number(selected) : QString();
    SaveListSettings(Suite(), settings);
}

void LGMAIN::Unload() {
    if (!loaded_ || unloading_) {
        return;
    }
    unloading_ = true;
    // Settings are only written by a window that read them: a start-up that failed leaves the
    // stored ones as they were.
    if (startedUp_) {
        SaveSettings();
    }
    panes_->Explorer()->clear();
    panes_->FileList()->clear();
    panes_->Items()->SetItems(nullptr);
    panes_->Hierarchy()->Clear();
    panes_->Preview()->clear();
    hierarchy_.Clear();
    finder_.reset();
    items_.reset();
    catalog_.reset();
    state_.reset();
    currentList_ = CurrentList();
    // The List Book lives in memory only and ends with the window.
    book_ = ListBook();
    if (help_ != nullptr) {
        help_->close();
    }
    hide();
    PublishState(TheKernel(), false, QString(), 0, 0);
    loaded_ = false;
    startedUp_ = false;
    closePending_ = false;
    refreshPending_ = false;
    unloading_ = false;
    RaiseNotifyClass(QString::fromLatin1(kComponentId), QStringLiteral("SHUTDOWN"));
}

void LGMAIN::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        ExplorerTree* tree = panes_->Explorer();
        if (tree->isEnabled() && tree->isVisible()) {
            tree->setFocus();
        }
        if (!JobRunning()) {
            unsetCursor();
        }
    } else if (event->type() == QEvent::WindowStateChange && loaded_) {
        Publish(JobRunning() ? -1 : 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Host link

bool LGMAIN::AP_ExeCmd(const QString& command) {
    switch (DecideHostCommand(command)) {
    case HostCommand::Minimise:
        SetWindowState(1);
        break;
    case HostCommand::Restore:
        SetWindowState(0);
        break;
    case HostCommand::Refresh:
        if (JobRunning()) {
            refreshPending_ = true;
        } else if (loaded_) {
            Refresh();
        }
        break;
    case HostCommand::Exit:
        jobStopped_ = true;
        ShutDown();
        break;
    case HostCommand::IndexOutOfRange:
        return false;
    case HostCommand::None:
        break;
    }
    return true;
}

void LGMAIN::AP_Shell(const QString& aname, int16_t mode, const QString& commandLine) {
    hostLink_->AP_Shell(aname, mode, commandLine);
}

void LGMAIN::AP_SendCmd(const QString& aname, const QString& command) {
    hostLink_->AP_SendCmd(aname, command);
}

void LGMAIN::AP_SendCmdAll(const QString& command) {
    hostLink_->AP_SendCmdAll(command);
}

int LGMAIN::OpenInTextViewer(const QString& path) {
    return hostLink_->OpenInTextViewer(TheKernel(), path);
}

int LGMAIN::WindowStateNumber() const {
    if (isMinimized()) {
        return 1;
    }
    return isMaximized() ? 2 : 0;
}

void LGMAIN::Publish(int busy) {
    PublishState(TheKernel(), true, windowTitle(), WindowStateNumber(), busy);
}

// ---------------------------------------------------------------------------------------------
// User interface of the core

int LGMAIN::ShowMessageBox(const QString& prompt, int style, const QString& title) {
    // A question during a job is answered with the normal pointer.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = ShowMessageDialog(isVisible() ? this : nullptr, prompt, style, title);
    QApplication::restoreOverrideCursor();
    return answer;
}

QString LGMAIN::AskText(const QString& prompt, const QString& title, int mode, const QStringList& proposals) {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const QString answer = AskTextDialog(isVisible() ? this : nullptr, prompt, title, mode, proposals);
    QApplication::restoreOverrideCursor();
    return answer;
}

void LGMAIN::SetStatus(int panel, const QString& text) {
    status_->SetText(panel, text);
    if (JobRunning()) {
        status_->PaintNow();
    }
}

QString LGMAIN::StatusText(int panel) const {
    return status_->Text(panel);
}

QString LGMAIN::ProgressText() const {
    return Message("Generating ", "31115") + (items_ ? items_->OpenedLibraryName() : QString()) +
           Message(" item(s)...", "31116");
}

void LGMAIN::StartProgress(int maximum) {
    panes_->Progress()->ShowProgress(1, maximum, ProgressText());
}

void LGMAIN::SetProgressMaximum(int maximum) {
    panes_->Progress()->SetMaximum(maximum);
}

void LGMAIN::StepProgress(int value) {
    panes_->Progress()->ShowProgress(2, value);
}

void LGMAIN::StopProgress() {
    panes_->Progress()->ShowProgress(0, 0);
}

void LGMAIN::ProcessEvents() {
    // Often enough to paint and to see Cancel, seldom enough to cost nothing in a long loop.
    if (sinceEvents_.isValid() && sinceEvents_.elapsed() < 20) {
        return;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    sinceEvents_.start();
}

// ---------------------------------------------------------------------------------------------
// Jobs

void LGMAIN::BeginJob() {
    if (jobDepth_++ > 0) {
        return;
    }
    jobStopped_ = false;
    cancelRequested_ = false;
    Publish(-1);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    panes_->Explorer()->setEnabled(false);
    panes_->FileList()->setEnabled(false);
    panes_->Items()->setEnabled(false);
    panes_->Hierarchy()->setEnabled(false);
    panes_->Progress()->CancelButton()->setEnabled(true);
    sinceEvents_.invalidate();
    emit JobStateChanged(true);
}

void LGMAIN::EndJob() {
    if (--jobDepth_ > 0) {
        return;
    }
    panes_->Progress()->CancelButton()->setEnabled(false);
    panes_->Progress()->ShowProgress(0, 0);
    panes_->Explorer()->setEnabled(true);
    panes_->FileList()->setEnabled(true);
    panes_->Items()->setEnabled(true);
    panes_->Hierarchy()->setEnabled(true);
    QApplication::restoreOverrideCursor();
    jobStopped_ = true;
    if (loaded_) {
        Publish(0);
    }
    emit JobStateChanged(false);
}

void LGMAIN::PressCancel() {
    if (JobRunning()) {
        cancelRequested_ = true;
    }
}

void LGMAIN::AfterCommand() {
    if (JobRunning()) {
        return;
    }
    if (cancelRequested_) {
        // A stopped job leaves nothing half done: the selected node is shown afresh (its library
        // files listed again, the preview emptied).
        cancelRequested_ = false;
        if (!closePending_ && loaded_) {
            RefreshLibraryFiles();
        }
    }
    if (closePending_) {
        Unload();
        return;
    }
    if (refreshPending_) {
        refreshPending_ = false;
        Refresh();
    }
}

void LGMAIN::ShowPopup(const QString& band, const QPoint& globalPosition) {
    if (QMenu* menu = commands_->Band(band); menu != nullptr && panes_->Explorer()->isEnabled()) {
        menu->popup(globalPosition);
    }
}

void LGMAIN::ShowHelpContents() {
    if (help_ == nullptr) {
        help_ = new HelpWindow(this);
    }
    help_->ShowContents(HelpContentsFile(helpFile_));
}

} // namespace vxw
