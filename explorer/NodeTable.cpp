#include "explorer/NodeTable.h"

namespace vxw {

void NodeTable::Clear() {
    rows_.clear();
    firstRow_.clear();
}

void NodeTable::Add(const QString& key, const QString& kind) {
    rows_.push_back({key, kind});
    if (!firstRow_.contains(key)) {
        firstRow_.insert(key, static_cast<int>(rows_.size()));
    }
}

const NodeTableRow* NodeTable::Row(int row) const {
    if (row < 1 || row > RowCount()) {
        return nullptr;
    }
    return &rows_[static_cast<std::size_t>(row - 1)];
}

QString NodeTable::NodeKind(const QString& key) const {
    const NodeTableRow* row = Row(FirstRow(key));
    return row ? row->Kind : QString();
}

int NodeTable::FirstRow(const QString& key) const {
    return firstRow_.value(key, 0);
}

} // namespace vxw
