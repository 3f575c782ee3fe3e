#pragma once
// LGMAIN, the List Generator's main window: it starts the component up in its documented order,
// lays out the explorer, the library lists, the hierarchy view and the preview, routes every
// menu, tool bar, pop-up and keyboard command through one handler into the core, runs the long
// jobs with the window kept responsive and Cancel answered, and saves its settings when it
// unloads. It is the core's user interface (messages, questions, status panels, progress) and the
// automation class's main window.

#include "explorer/HierarchyView.h"
#include "listbook/ListBook.h"
#include "listgen/CurrentList.h"
#include "shell/SuitePaths.h"
#include "shell/UserInterface.h"
#include "windows/shell/ComponentWindow.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <memory>

namespace vxw {

class CommandBar;
class ComponentState;
class ExplorerModel;
class HelpWindow;
class HostLink;
class KeyboardFilter;
class LibraryCatalog;
class LibraryFinder;
class LibraryItems;
class MainPanes;
class StatusPanels;
struct ExplorerLevels;
struct ListOrigin;

class LGMAIN : public QMainWindow, public ComponentWindow, public UserInterface {
    Q_OBJECT

public:
    explicit LGMAIN(QWidget* parent = nullptr);
    ~LGMAIN() override;

    // ComponentWindow: the face the automation class sees.
    void ShowWindow() override;
    bool IsWindowShown() const override;
    void SetWindowState(int mode) override;
    bool AP_ExeCmd(const QString& command) override;
    void ShutDown() override;

    // The host link's other members.
    void AP_Shell(const QString& aname, int16_t mode, const QString& commandLine);
    void AP_SendCmd(const QString& aname, const QString& command);
    void AP_SendCmdAll(const QString& command);
    int OpenInTextViewer(const QString& path);

    // UserInterface: the core asks and shows through the window.
    int ShowMessageBox(const QString& prompt, int style, const QString& title) override;
    QString AskText(const QString& prompt, const QString& title, int mode,
                    const QStringList& proposals) override;
    void SetStatus(int panel, const QString& text) override;
    QString StatusText(int panel) const override;
    void StartProgress(int maximum) override;
    void SetProgressMaximum(int maximum) override;
    void StepProgress(int value) override;
    void StopProgress() override;
    void ProcessEvents() override;
    bool CancelRequested() const override { return cancelRequested_; }

    // The one command handler: every menu item, tool bar button, pop-up item and key comes here
    // with its tool key. Refused while a job runs (the explorer is disabled then).
    void RunCommand(const QString& key);
    // The explorer's node click for the node at `index` (from 1).
    void NodeClick(int index);
    // The list action of the selected node ("preview", double clicks, drops).
    void GenerateForSelectedNode();
    // The click on a library file entry (from 1).
    void LibraryEntryClick(int position);
    // The refresh sequence (start-up and the host's "UP").
    void Refresh();
    // Presses the Cancel button: the running job stops at its next step.
    void PressCancel();
    // ShowPreview: makes the text the current list (scratch file, preview, the long-list
    // question) and records where it came from.
    void ShowPreview(const QString& text, const ListOrigin& origin);

    // What the window holds and shows.
    bool IsLoaded() const { return loaded_; }
    bool JobStopped() const { return jobStopped_; }
    bool JobRunning() const { return jobDepth_ > 0; }
    CommandBar* Commands() const { return commands_; }
    MainPanes* Panes() const { return panes_; }
    StatusPanels* Status() const { return status_; }
    const CurrentList& List() const { return currentList_; }
    const ListBook& Book() const { return book_; }
    const ExplorerModel* Model() const;
    LibraryItems* Items() const { return items_.get(); }
    const SuitePaths& Paths() const { return paths_; }
    const QString& HelpFile() const { return helpFile_; }
    HelpWindow* Help() const { return help_; }
    int SelectedNode() const;
    QString SelectedKind() const;

signals:
    // A job began (true) or ended (false); tests and the automation layer can follow it.
    void JobStateChanged(bool running);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class JobScope;

    bool Startup();
    bool BuildWindow();
    void PlaceWindow();
    void ApplyToolbar(bool shown);
    void SetViewCheck(int view, bool checked);
    void Unload();
    void SaveSettings();
    void AfterCommand();
    void BeginJob();
    void EndJob();
    int WindowStateNumber() const;
    void Publish(int busy);
    QString ListPathFor(int kind) const;
    void ShowLibraryFiles(int kind);
    void RefreshLibraryFiles();
    void ShowLibraryReport();
    void SetLibraryPathCommand();
    void WriteCurrentListCommand();
    void SendToListBookCommand();
    void SelectNodeBy(int offset);
    void FindCommand(bool next);
    void ShowHelpContents();
    void ShowPopup(const QString& band, const QPoint& globalPosition);
    QString ProgressText() const;

    // Commands whose windows the component does not have yet; each does nothing for now.
    void OpenListBookWindow();
    void OpenPropertyWindow();
    void OpenOptionsWindow();
    void OpenSearchDialog();

    CommandBar* commands_;
    MainPanes* panes_;
    StatusPanels* status_;
    KeyboardFilter* keyboard_;
    HelpWindow* help_ = nullptr;
    std::unique_ptr<HostLink> hostLink_;
    std::unique_ptr<ComponentState> state_;
    std::unique_ptr<LibraryCatalog> catalog_;
    std::unique_ptr<LibraryItems> items_;
    std::unique_ptr<LibraryFinder> finder_;
    HierarchyView hierarchy_;
    CurrentList currentList_;
    ListBook book_;
    SuitePaths paths_;
    ListSettings listSettings_;
    QString appTitle_;
    QString helpFile_;
    QElapsedTimer sinceEvents_;

    bool loaded_ = false;
    bool startedUp_ = false;
    bool jobStopped_ = true;
    bool cancelRequested_ = false;
    bool closePending_ = false;
    bool refreshPending_ = false;
    bool unloading_ = false;
    int jobDepth_ = 0;
};

} // namespace vxw
