#include "windows/explorer/ItemListModel.h"

#include "windows/shell/Pictures.h"

namespace vxw {

ItemListModel::ItemListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ItemListModel::SetRows(const std::vector<LibraryItemRow>* rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

void ItemListModel::SetColumns(std::vector<ItemColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    endResetModel();
}

void ItemListModel::SetSortMark(int column, int picture) {
    sortColumn_ = column;
    sortPicture_ = picture;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void ItemListModel::Reset() {
    beginResetModel();
    endResetModel();
}

int ItemListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || rows_ == nullptr ? 0 : static_cast<int>(rows_->size());
}

int ItemListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(1, static_cast<int>(columns_.size()));
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || rows_ == nullptr || index.row() >= static_cast<int>(rows_->size())) {
        return {};
    }
    const LibraryItemRow& row = (*rows_)[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (column == 0) {
            return row.text;
        }
        return column - 1 < row.subItems.size() ? row.subItems[column - 1] : QString();
    case Qt::DecorationRole:
        return column == 0 ? QVariant(ExplorerPicture(row.icon)) : QVariant();
    default:
        return {};
    }
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return section < static_cast<int>(columns_.size())
                   ? columns_[static_cast<std::size_t>(section)].caption
                   : QString();
    }
    if (role == Qt::DecorationRole && section == sortColumn_) {
        return SortPicture(sortPicture_);
    }
    return {};
}

} // namespace vxw
