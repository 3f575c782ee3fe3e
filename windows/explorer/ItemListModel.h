#pragma once
// The rows of the item list as a table model: the rows of the library file loaded last, in the
// order the item list keeps them, with the column heads of the library kind and the sort mark.

#include "libreports/LibraryItems.h"
#include "listgen/LibraryColumns.h"

#include <QAbstractTableModel>

#include <vector>

namespace vxw {

class ItemListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ItemListModel(QObject* parent = nullptr);

    // The rows shown; null shows none. Call Reset after the rows changed.
    void SetRows(const std::vector<LibraryItemRow>* rows);
    void SetColumns(std::vector<ItemColumn> columns);
    const std::vector<ItemColumn>& Columns() const { return columns_; }
    // The sort mark (7 ascending, 8 descending) on one column head; -1 for none.
    void SetSortMark(int column, int picture);
    void Reset();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const std::vector<LibraryItemRow>* rows_ = nullptr;
    std::vector<ItemColumn> columns_;
    int sortColumn_ = -1;
    int sortPicture_ = 0;
};

} // namespace vxw
