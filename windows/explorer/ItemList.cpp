#include "windows/explorer/ItemList.h"

#include "libreports/LibraryItems.h"
#include "shell/SettingsKeys.h"
#include "windows/explorer/ItemListModel.h"
#include "windows/shell/ScreenTwips.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QMouseEvent>
#include <QTreeView>

namespace vxw {

ItemList::ItemList(QWidget* parent)
    : QStackedWidget(parent), model_(new ItemListModel(this)),
      selection_(new QItemSelectionModel(model_, this)), details_(new QTreeView(this)),
      list_(new QListView(this)) {
    setObjectName(QStringLiteral("lvwItems"));
    details_->setObjectName(QStringLiteral("lvwItemsDetails"));
    list_->setObjectName(QStringLiteral("lvwItemsList"));

    details_->setModel(model_);
    details_->setSelectionModel(selection_);
    details_->setRootIsDecorated(false);
    details_->setUniformRowHeights(true);
    details_->setAllColumnsShowFocus(true);
    details_->setSortingEnabled(false); // the item data keeps the order; a click asks for it
    details_->header()->setSectionsClickable(true);
    details_->header()->setSortIndicatorShown(false);
    details_->header()->setStretchLastSection(false);
    details_->header()->setMinimumSectionSize(0);
    // A cell too narrow for a path keeps both ends, the file name among them.
    details_->setTextElideMode(Qt::ElideMiddle);
    connect(details_->header(), &QHeaderView::sectionClicked, this, &ItemList::ColumnClicked);

    list_->setModel(model_);
    list_->setSelectionModel(selection_);
    list_->setUniformItemSizes(true);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setIconSize(QSize(16, 16));

    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(details_), static_cast<QAbstractItemView*>(list_)}) {
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->viewport()->installEventFilter(this);
        connect(view, &QAbstractItemView::activated, this, [this] { emit ListRequested(); });
        addWidget(view);
    }
    connect(selection_, &QItemSelectionModel::selectionChanged, this, [this] {
        if (!syncing_) {
            WriteSelectionToRows();
            emit SelectionTouched();
        }
    });
    SetView(kViewList);
}

void ItemList::SetItems(LibraryItems* items) {
    items_ = items;
    model_->SetRows(items ? &items->Rows() : nullptr);
}

void ItemList::SetColumns(const std::vector<ItemColumn>& columns) {
    model_->SetColumns(columns);
    const QScreen* screen = ScreenOf(this);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        const int width = columns[static_cast<std::size_t>(i)].widthTwips;
        // A hidden column keeps its place with no width.
        details_->setColumnHidden(i, width <= 0);
        if (width > 0) {
            details_->setColumnWidth(i, TwipsToPixelsX(width, screen));
        }
    }
    ShowSortMark();
}

void ItemList::ShowSortMark() {
    if (items_ != nullptr && items_->Sorted()) {
        model_->SetSortMark(items_->SortColumn(), items_->SortDescending() ? 8 : 7);
    } else {
        model_->SetSortMark(-1, 0);
    }
}

void ItemList::RowsChanged() {
    syncing_ = true;
    // Column widths survive a reset of the rows, as the heads stay the same.
    model_->Reset();
    syncing_ = false;
    SelectionChanged();
    ShowSortMark();
}

void ItemList::SelectionChanged() {
    if (items_ == nullptr) {
        return;
    }
    QItemSelection selection;
    const auto& rows = items_->Rows();
    const int last = model_->columnCount() - 1;
    // Runs of selected rows become one range each.
    for (int i = 0; i < static_cast<int>(rows.size());) {
        if (!rows[static_cast<std::size_t>(i)].selected) {
            ++i;
            continue;
        }
        int end = i;
        while (end + 1 < static_cast<int>(rows.size()) && rows[static_cast<std::size_t>(end + 1)].selected) {
            ++end;
        }
        selection.select(model_->index(i, 0), model_->index(end, last));
        i = end + 1;
    }
    syncing_ = true;
    selection_->select(selection, QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
}

void ItemList::WriteSelectionToRows() {
    if (items_ == nullptr) {
        return;
    }
    const int count = static_cast<int>(items_->Rows().size());
    std::vector<char> selected(static_cast<std::size_t>(count), 0);
    for (const QModelIndex& index : selection_->selectedRows()) {
        if (index.row() < count) {
            selected[static_cast<std::size_t>(index.row())] = 1;
        }
    }
    for (int i = 0; i < count; ++i) {
        items_->SetSelected(i, selected[static_cast<std::size_t>(i)] != 0);
    }
}

void ItemList::ScrollToRow(int row) {
    if (row >= 0 && row < RowCount()) {
        CurrentView()->scrollTo(model_->index(row, 0));
    }
}

void ItemList::SetView(int view) {
    switch (view) {
    case kViewSmallIcons:
        list_->setViewMode(QListView::ListMode);
        list_->setFlow(QListView::LeftToRight);
        list_->setGridSize(QSize());
        setCurrentWidget(list_);
        break;
    case kViewList:
        list_->setViewMode(QListView::ListMode);
        list_->setFlow(QListView::TopToBottom);
        setCurrentWidget(list_);
        break;
    case kViewDetails:
        setCurrentWidget(details_);
        break;
    default:
        return;
    }
    view_ = view;
}

int ItemList::RowCount() const {
    return model_->rowCount();
}

QAbstractItemView* ItemList::CurrentView() const {
    return view_ == kViewDetails ? static_cast<QAbstractItemView*>(details_)
                                 : static_cast<QAbstractItemView*>(list_);
}

bool ItemList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (RowCount() > 0) {
            emit SelectionTouched();
        }
        if (mouse->button() == Qt::RightButton) {
            emit PopupRequested(mouse->globalPosition().toPoint());
        }
    }
    return QStackedWidget::eventFilter(watched, event);
}

} // namespace vxw
