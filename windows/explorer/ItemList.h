#pragma once
// The item list "lvwItems": the items of the library file loaded last in one of three views,
// small icons (1), list (2) or details with columns (3). The views share one model and one
// selection; the selection is kept in the rows of the item list's data, which the reports read.

#include "listgen/LibraryColumns.h"

#include <QStackedWidget>

#include <vector>

class QAbstractItemView;
class QItemSelectionModel;
class QListView;
class QTreeView;

namespace vxw {

class ItemListModel;
class LibraryItems;

class ItemList : public QStackedWidget {
    Q_OBJECT

public:
    explicit ItemList(QWidget* parent = nullptr);

    // The data shown; the list reads its rows and writes their selection.
    void SetItems(LibraryItems* items);
    // SetupItemColumns and ApplyItemColumnWidths: the heads and widths of a library class (1..4);
    // any other class leaves no column but the name column.
    void SetColumns(const std::vector<ItemColumn>& columns);
    // The rows changed (a load, a sort): shown again, selection taken from the rows.
    void RowsChanged();
    // The rows' selection changed (select all, invert, matching): shown again.
    void SelectionChanged();
    // The sort mark of the item data's order on its column head.
    void ShowSortMark();
    void ScrollToRow(int row);

    // 1 small icons, 2 list, 3 details; other numbers are ignored.
    void SetView(int view);
    int View() const { return view_; }
    int RowCount() const;

    QTreeView* DetailsView() const { return details_; }
    QListView* ListView() const { return list_; }
    QAbstractItemView* CurrentView() const;
    ItemListModel* Model() const { return model_; }

signals:
    // A click on a column head (0 the name column).
    void ColumnClicked(int column);
    // A click or key changed the selection, or a mouse button came up over the list.
    void SelectionTouched();
    // The right button came up over the list.
    void PopupRequested(const QPoint& globalPosition);
    // Double click or Enter on a row.
    void ListRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WriteSelectionToRows();

    ItemListModel* model_;
    QItemSelectionModel* selection_;
    QTreeView* details_;
    QListView* list_;
    LibraryItems* items_ = nullptr;
    int view_ = 2;
    bool syncing_ = false;
};

} // namespace vxw
