#pragma once
// The panes of the main window and their splitters: the explorer tree left of the main splitter;
// right of it the library file list and the item list (divided by the directory splitter) or the
// hierarchy view, above the preview (divided from it by the list splitter). Splitters are dragged
// with a drag bar and keep the window's pane limits.

#include <QWidget>

class QLabel;
class QSplitter;
class QStackedWidget;

namespace vxw {

class ExplorerTree;
class HierarchyTree;
class ItemList;
class LibraryFilesView;
class ListPreview;
class ProgressPanel;

class MainPanes : public QWidget {
    Q_OBJECT

public:
    explicit MainPanes(QWidget* parent = nullptr);

    // The pane titles "Library Files" and "Library Items".
    void SetPaneTitles(const QString& files, const QString& items);
    // Lays the panes out for a node kind: the library kinds show the file and item lists, the
    // hierarchy node its view, every other kind gives the preview the whole right side.
    void ShowPanesFor(const QString& nodeKind);
    // Applies the pane limits (twips) in pixels of the window's screen.
    void ApplyLimits();
    // The smallest inner width and the least height of the panes, in pixels.
    QSize MinimumPanesSize() const;

    ExplorerTree* Explorer() const { return explorer_; }
    LibraryFilesView* FileList() const { return files_; }
    ProgressPanel* Progress() const { return progress_; }
    ItemList* Items() const { return items_; }
    HierarchyTree* Hierarchy() const { return hierarchy_; }
    ListPreview* Preview() const { return preview_; }
    QSplitter* MainSplitter() const { return mainSplitter_; }
    QSplitter* DirSplitter() const { return dirSplitter_; }
    QSplitter* ListSplitter() const { return listSplitter_; }
    QStackedWidget* ItemArea() const { return itemArea_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* TitledPane(QLabel* title, QWidget* body, QWidget* below = nullptr);

    ExplorerTree* explorer_;
    LibraryFilesView* files_;
    ProgressPanel* progress_;
    ItemList* items_;
    HierarchyTree* hierarchy_;
    ListPreview* preview_;
    QLabel* filesTitle_;
    QLabel* itemsTitle_;
    QWidget* filesPane_ = nullptr;
    QWidget* itemsPane_ = nullptr;
    QSplitter* mainSplitter_;
    QSplitter* listSplitter_;
    QSplitter* dirSplitter_;
    QStackedWidget* itemArea_;
    bool firstLayout_ = true;
};

} // namespace vxw
