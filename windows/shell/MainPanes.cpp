#include "windows/shell/MainPanes.h"

#include "explorer/ExplorerModel.h"
#include "explorer/NodeActions.h"
#include "shell/PaneLimits.h"
#include "windows/explorer/ExplorerTree.h"
#include "windows/explorer/HierarchyTree.h"
#include "windows/explorer/ItemList.h"
#include "windows/explorer/LibraryFilesView.h"
#include "windows/explorer/ProgressPanel.h"
#include "windows/listgen/ListPreview.h"
#include "windows/shell/ScreenTwips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vxw {
namespace {

QSplitter* MakeSplitter(Qt::Orientation orientation, const QString& name, QWidget* parent) {
    auto* splitter = new QSplitter(orientation, parent);
    splitter->setObjectName(name);
    // Dragging shows a drag bar over the handle; the panes follow where it is let go.
    splitter->setOpaqueResize(false);
    splitter->setChildrenCollapsible(false);
    return splitter;
}

} // namespace

MainPanes::MainPanes(QWidget* parent)
    : QWidget(parent), explorer_(new ExplorerTree), files_(new LibraryFilesView),
      progress_(new ProgressPanel), items_(new ItemList), hierarchy_(new HierarchyTree),
      preview_(new ListPreview), filesTitle_(new QLabel), itemsTitle_(new QLabel),
      mainSplitter_(MakeSplitter(Qt::Horizontal, QStringLiteral("imgSplitter"), this)),
      listSplitter_(MakeSplitter(Qt::Vertical, QStringLiteral("imgListSplitter"), nullptr)),
      dirSplitter_(MakeSplitter(Qt::Horizontal, QStringLiteral("imgDirSplitter"), nullptr)),
      itemArea_(new QStackedWidget) {
    setObjectName(QStringLiteral("panMain"));
    filesTitle_->setObjectName(QStringLiteral("lblLibraryFiles"));
    itemsTitle_->setObjectName(QStringLiteral("lblLibraryItems"));
    itemArea_->setObjectName(QStringLiteral("fraItemArea"));

    filesPane_ = TitledPane(filesTitle_, files_, progress_);
    itemsPane_ = TitledPane(itemsTitle_, items_);
    dirSplitter_->addWidget(filesPane_);
    dirSplitter_->addWidget(itemsPane_);
    dirSplitter_->setStretchFactor(0, 1);
    dirSplitter_->setStretchFactor(1, 2);
    itemArea_->addWidget(dirSplitter_);
    itemArea_->addWidget(hierarchy_);

    listSplitter_->addWidget(itemArea_);
    listSplitter_->addWidget(preview_);
    listSplitter_->setStretchFactor(0, 2);
    listSplitter_->setStretchFactor(1, 3);

    mainSplitter_->addWidget(explorer_);
    mainSplitter_->addWidget(listSplitter_);
    mainSplitter_->setStretchFactor(0, 0);
    mainSplitter_->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mainSplitter_);
    ApplyLimits();
}

QWidget* MainPanes::TitledPane(QLabel* title, QWidget* body, QWidget* below) {
    auto* pane = new QWidget;
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    title->setMargin(2);
    // A long title is cut rather than widening the pane past its limit.
    title->setMinimumWidth(1);
    title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    title->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; }"));
    layout->addWidget(title);
    layout->addWidget(body, 1);
    if (below != nullptr) {
        layout->addWidget(below);
    }
    return pane;
}

void MainPanes::SetPaneTitles(const QString& files, const QString& items) {
    filesTitle_->setText(files);
    itemsTitle_->setText(items);
}

void MainPanes::ShowPanesFor(const QString& nodeKind) {
    if (LibraryKindOfNode(nodeKind) > 0) {
        itemArea_->setCurrentWidget(dirSplitter_);
        itemArea_->show();
    } else if (nodeKind == kKindHierarchy) {
        itemArea_->setCurrentWidget(hierarchy_);
        itemArea_->show();
    } else {
        itemArea_->hide();
    }
}

void MainPanes::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!firstLayout_) {
        return;
    }
    firstLayout_ = false;
    // The first showing gives the explorer the width its nodes need (a quarter of the window at
    // least, two fifths at most), the file list a third of the lists' width and the preview the
    // larger part of the height; afterwards the user's splitters hold. Each share is kept within
    // the limits by the panes' least sizes.
    const int width = mainSplitter_->width();
    const int needed = explorer_->ContentWidth();
    const int explorer = std::clamp(needed, width / 4, std::max(width / 4, width * 2 / 5));
    mainSplitter_->setSizes({explorer, width - explorer});
    const int height = listSplitter_->height();
    listSplitter_->setSizes({height * 2 / 5, height - height * 2 / 5});
    const int lists = dirSplitter_->width();
    dirSplitter_->setSizes({lists / 3, lists - lists / 3});
}

void MainPanes::ApplyLimits() {
    const QScreen* screen = ScreenOf(this);
    const int handle = TwipsToPixelsX(kSplitterHandleWidth, screen);
    for (QSplitter* splitter : {mainSplitter_, dirSplitter_, listSplitter_}) {
        splitter->setHandleWidth(std::max(1, handle));
    }
    explorer_->setMinimumWidth(TwipsToPixelsX(kExplorerMinWidth, screen));
    listSplitter_->setMinimumWidth(TwipsToPixelsX(kRightPanesMinWidth, screen) - handle);
    filesPane_->setMinimumWidth(TwipsToPixelsX(kFileListMinWidth, screen));
    // The item list reaches from the splitter's far side to the window's edge.
    itemsPane_->setMinimumWidth(TwipsToPixelsX(kItemListMinWidth, screen) - handle);
    itemArea_->setMinimumHeight(TwipsToPixelsY(kItemAreaMinHeight, screen));
    preview_->setMinimumHeight(TwipsToPixelsY(kPreviewMinHeight, screen));
    // The window is never smaller than the panes' least size; the bars come on top of it.
    setMinimumSize(MinimumPanesSize());
}

QSize MainPanes::MinimumPanesSize() const {
    const QScreen* screen = ScreenOf(this);
    const InnerSize least = MinimumInnerSize(kSplitterHandleWidth, 0);
    return {TwipsToPixelsX(least.width, screen), TwipsToPixelsY(least.height, screen)};
}

} // namespace vxw
