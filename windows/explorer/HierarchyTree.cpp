#include "windows/explorer/HierarchyTree.h"

#include "explorer/HierarchyView.h"
#include "windows/shell/Pictures.h"

#include <QHeaderView>

namespace vxw {
namespace {
constexpr int kIndexRole = Qt::UserRole + 1;
constexpr int kTagRole = Qt::UserRole + 2;
} // namespace

HierarchyTree::HierarchyTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("treHirarcy"));
    setColumnCount(1);
    header()->hide();
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    const auto fold = [this](QTreeWidgetItem* item, bool expanded) {
        if (view_ != nullptr) {
            view_->SetExpanded(item->data(0, kIndexRole).toInt(), expanded);
        }
    };
    connect(this, &QTreeWidget::itemExpanded, this, [fold](QTreeWidgetItem* item) { fold(item, true); });
    connect(this, &QTreeWidget::itemCollapsed, this, [fold](QTreeWidgetItem* item) { fold(item, false); });
    connect(this, &QTreeWidget::itemActivated, this, [this] { emit ListRequested(); });
}

void HierarchyTree::Clear() {
    view_ = nullptr;
    items_.clear();
    clear();
}

QTreeWidgetItem* HierarchyTree::NodeItem(int index) const {
    return index >= 1 && index <= static_cast<int>(items_.size())
               ? items_[static_cast<std::size_t>(index - 1)]
               : nullptr;
}

void HierarchyTree::Show(HierarchyView* view) {
    Clear();
    if (view == nullptr) {
        return;
    }
    items_.reserve(static_cast<std::size_t>(view->NodeCount()));
    for (int index = 1; index <= view->NodeCount(); ++index) {
        const HierarchyNode* node = view->Node(index);
        QTreeWidgetItem* parent = NodeItem(node->Parent);
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, node->Text);
        item->setIcon(0, HierarchyPicture(node->Picture));
        item->setData(0, kIndexRole, index);
        item->setData(0, kTagRole, node->Tag);
        if (node->Colour) {
            item->setForeground(0, QColor(node->Colour->Red, node->Colour->Green, node->Colour->Blue));
        }
        items_.push_back(item);
    }
    // The folding follows the model; it is connected only once the items are all there.
    for (int index = 1; index <= view->NodeCount(); ++index) {
        items_[static_cast<std::size_t>(index - 1)]->setExpanded(view->Node(index)->Expanded);
    }
    view_ = view;
}

} // namespace vxw
