#include "windows/explorer/ExplorerTree.h"

#include "explorer/ExplorerModel.h"
#include "windows/listgen/ListPreview.h"
#include "windows/shell/Pictures.h"

#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>

namespace vxw {
namespace {
constexpr int kIndexRole = Qt::UserRole + 1;
constexpr int kOpenTreeLimit = 400;
} // namespace

ExplorerTree::ExplorerTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("treEExp"));
    setColumnCount(1);
    header()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (reporting_ && current != nullptr) {
            emit NodeClicked(current->data(0, kIndexRole).toInt());
        }
    });
    // A click on the node already selected is a node click too: it shows that node afresh.
    // The release that ends a double click is no click of its own: it would empty the list the
    // double click has just made.
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (reporting_ && !activated_ && item == pressedCurrent_ && item == currentItem()) {
            emit NodeClicked(item->data(0, kIndexRole).toInt());
        }
        activated_ = false;
    });
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        activated_ = true;
        emit ListRequested(item->data(0, kIndexRole).toInt());
    });
}

void ExplorerTree::Rebuild(const ExplorerModel& model) {
    const bool reporting = reporting_;
    reporting_ = false;
    clear();
    items_.clear();
    pressedCurrent_ = nullptr;
    items_.reserve(static_cast<std::size_t>(model.NodeCount()));
    for (int index = 1; index <= model.NodeCount(); ++index) {
        const ExplorerNode* node = model.Node(index);
        QTreeWidgetItem* parent =
            node->Parent >= 1 && node->Parent < index ? NodeItem(node->Parent) : nullptr;
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, node->Text);
        item->setIcon(0, ExplorerPicture(node->Image));
        item->setData(0, kIndexRole, index);
        items_.push_back(item);
    }
    // A project of common size opens whole; in a very large one only the fixed nodes open, and
    // a circuit's nodes stay folded until asked for.
    if (NodeCount() <= kOpenTreeLimit) {
        expandAll();
    } else {
        for (int index = 1; index <= std::min<int>(kProjectNode, NodeCount()); ++index) {
            items_[static_cast<std::size_t>(index - 1)]->setExpanded(true);
        }
    }
    reporting_ = reporting;
}

QTreeWidgetItem* ExplorerTree::NodeItem(int index) const {
    return index >= 1 && index <= NodeCount() ? items_[static_cast<std::size_t>(index - 1)] : nullptr;
}

void ExplorerTree::SelectNode(int index) {
    const bool reporting = reporting_;
    reporting_ = false;
    QTreeWidgetItem* item = NodeItem(index);
    setCurrentItem(item);
    if (item != nullptr) {
        scrollToItem(item);
    } else {
        clearSelection();
    }
    reporting_ = reporting;
}

int ExplorerTree::ContentWidth() const {
    return sizeHintForColumn(0) + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}

int ExplorerTree::SelectedNode() const {
    const QTreeWidgetItem* item = currentItem();
    return item != nullptr && item->isSelected() ? item->data(0, kIndexRole).toInt() : 0;
}

QStringList ExplorerTree::mimeTypes() const {
    return {QLatin1String(kNodeMimeType)};
}

QMimeData* ExplorerTree::mimeData(const QList<QTreeWidgetItem*>& items) const {
    if (items.isEmpty()) {
        return nullptr;
    }
    auto* data = new QMimeData;
    data->setData(QLatin1String(kNodeMimeType),
                  QByteArray::number(items.front()->data(0, kIndexRole).toInt()));
    data->setText(items.front()->text(0));
    return data;
}

void ExplorerTree::mousePressEvent(QMouseEvent* event) {
    // A right click selects the node under the pointer first, so its pop-up menu is the one shown.
    if (event->button() == Qt::RightButton) {
        if (QTreeWidgetItem* item = itemAt(event->position().toPoint())) {
            setCurrentItem(item);
        }
        event->accept();
        return;
    }
    pressedCurrent_ = currentItem();
    activated_ = false;
    QTreeWidget::mousePressEvent(event);
}

void ExplorerTree::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit PopupRequested(event->globalPosition().toPoint());
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

} // namespace vxw
