#pragma once
// OpenListBook, the List Book window: the filed lists in a sortable report view (lvwList) with
// their class, item count and saved file, a menu bar, tool bar and pop-up of the book's commands,
// and a status bar with the number of lists, the number selected and whether the selected list
// was saved. It keeps no list data of its own: every command runs a List Book operation of the
// core on the book it is given and then shows the book again. Save and save as ask for the file
// through the component's save picker (PickSaveFile), which tests replace.

#include "windows/shell/DialogInterface.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace vxw {

class ListBook;
class UserInterface;

// What the List Book needs of the main window.
struct ListBookLinks {
    // The job folder, read at each use (the scratch files of unsaved lists go there).
    std::function<QString()> jobDir;
    // Shows a file in the suite's text viewer (the host link's OpenInTextViewer).
    std::function<int(const QString& path)> openInTextViewer;
    // Opens the help contents.
    std::function<void()> showHelp;
};

class OpenListBook : public QMainWindow {
    Q_OBJECT

public:
    // Loads the window (bars, captions, the toolbar lock and the placement stored at the last
    // unload); it shows nothing until ShowListBook. The window deletes itself when it unloads.
    OpenListBook(ListBook& book, UserInterface& hostUi, ListBookLinks links, QWidget* parent = nullptr);
    ~OpenListBook() override;

    // The main window's "open": fills the rows and shows the window, or unloads it when the book
    // holds no list.
    void ShowListBook();
    // OpenList: refills the rows from the book, keeping the selection of the rows that are still
    // there (the first row when none is); an empty book unloads the window. Answers whether the
    // window is still loaded.
    bool RefreshArrayList();
    // The status bar: the number of lists, the number selected and the saved-state mark.
    void BarStatus();

    // Runs a command by its key ("save", "saveas", "merge", "delete", "zoom", "refresh",
    // "selectall", "invertselect", "search", "LockTB", "miHContents", "exit").
    void RunCommand(const QString& key);
    // The command's action (menu, tool bar, pop-up and key); null for an unknown key.
    QAction* Command(const QString& key) const { return commands_.value(key); }

    QTreeWidget* List() const { return list_; }
    // The two status bar texts.
    QStringList StatusTexts() const;
    // True when the shown saved-state mark is imgSave, false for imgUnSave or no mark.
    bool SavedMarkShown() const;
    bool IsLocked() const { return locked_; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* AddCommand(const QString& key, const char* caption, const char* captionId,
                        const QKeySequence& keys = {});
    void BuildBars();
    void SetLocked(bool locked);
    // The entries of the selected rows in the order the rows are shown.
    std::vector<int> SelectedEntries() const;
    // The row the row commands (view, save, save as) act on: the current row when it is
    // selected, otherwise the first selected row shown; null when no row is selected.
    QTreeWidgetItem* ActingRow() const;
    void SelectionChanged();
    void View();
    void Save();
    void Delete();
    void Merge();
    void Search();
    void Unload();

    ListBook& book_;
    DialogInterface ui_;
    ListBookLinks links_;
    QTreeWidget* list_;
    QMenu* popup_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* listsPanel_;
    QLabel* selectedPanel_;
    QLabel* imgSave_;
    QLabel* imgUnSave_;
    QHash<QString, QAction*> commands_;
    bool locked_ = false;
    bool shown_ = false;
    bool unloading_ = false;
};

// The main window's "open": the one List Book window, made on first use (or again after it
// unloaded) with `parent` as its owner, filled and shown; with an empty book nothing shows.
void ShowListBookWindow(QPointer<OpenListBook>& window, ListBook& book, UserInterface& hostUi,
                        const ListBookLinks& links, QWidget* parent);

} // namespace vxw
