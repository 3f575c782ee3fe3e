#pragma once
// The table of explorer nodes: one row per node in the order the nodes were added, each with
// the node's key and kind letter. It is the only place a node's kind is kept.

#include <QHash>
#include <QString>

#include <vector>

namespace vxw {

struct NodeTableRow {
    QString Key;
    QString Kind;
};

class NodeTable {
public:
    void Clear();
    void Add(const QString& key, const QString& kind);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Rows are numbered from 1; null outside 1..RowCount().
    const NodeTableRow* Row(int row) const;

    // The kind of the first row whose key equals `key` exactly; "" when no row does.
    QString NodeKind(const QString& key) const;
    // The number of that first row; 0 when no row matches.
    int FirstRow(const QString& key) const;

private:
    std::vector<NodeTableRow> rows_;
    // Key -> first row with it; later rows with the same key never replace it.
    QHash<QString, int> firstRow_;
};

} // namespace vxw
