#pragma once
// The explorer tree "treEExp": mirrors the explorer model, one item per node in addition order
// with the node's text and picture. Nodes can be dragged (onto the preview, which lists them).

#include <QTreeWidget>

#include <vector>

namespace vxw {

class ExplorerModel;

class ExplorerTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit ExplorerTree(QWidget* parent = nullptr);

    // Rebuilds the items from the model, whole; nothing is selected afterwards.
    void Rebuild(const ExplorerModel& model);
    // Selects the node (1-based) without reporting it; 0 or an unknown index selects nothing.
    void SelectNode(int index);
    // The selected node's index; 0 when none is selected.
    int SelectedNode() const;
    int NodeCount() const { return static_cast<int>(items_.size()); }
    QTreeWidgetItem* NodeItem(int index) const;
    // The width that shows every open node's text whole, frame and scroll bar included.
    int ContentWidth() const;

signals:
    // The user selected a node (mouse or keys).
    void NodeClicked(int index);
    // Double click or Enter on a node: its list.
    void ListRequested(int index);
    // The right button was released over the tree.
    void PopupRequested(const QPoint& globalPosition);

protected:
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    QStringList mimeTypes() const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::vector<QTreeWidgetItem*> items_;
    QTreeWidgetItem* pressedCurrent_ = nullptr;
    bool activated_ = false;
    bool reporting_ = true;
};

} // namespace vxw
