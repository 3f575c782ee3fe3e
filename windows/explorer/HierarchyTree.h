#pragma once
// The hierarchy view "treHirarcy": mirrors the hierarchy view model of one circuit, with the
// pictures, tags and colours of its nodes. Folding a node is written back to the model, which the
// hierarchy list reads.

#include <QTreeWidget>

#include <vector>

namespace vxw {

class HierarchyView;

class HierarchyTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit HierarchyTree(QWidget* parent = nullptr);

    // Shows the view (whole, never patched); the model must outlive the next Show or Clear.
    void Show(HierarchyView* view);
    void Clear();
    QTreeWidgetItem* NodeItem(int index) const;

signals:
    // Double click or Enter on a node: the list of the selected explorer node.
    void ListRequested();

private:
    HierarchyView* view_ = nullptr;
    std::vector<QTreeWidgetItem*> items_;
};

} // namespace vxw
