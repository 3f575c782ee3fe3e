#include "windows/explorer/LibraryFilesView.h"

#include "windows/shell/Pictures.h"

#include <QTimer>

namespace vxw {

LibraryFilesView::LibraryFilesView(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("lvwList"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (filling_) {
            return;
        }
        // The check box was toggled; the click that did it (if any) opens nothing. A toggle by
        // the space key has no click behind it, so the mark lasts only for this event.
        toggled_ = item;
        QTimer::singleShot(0, this, [this] { toggled_ = nullptr; });
        emit EntryChecked(row(item) + 1, item->checkState() == Qt::Checked);
    });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (item == toggled_) {
            toggled_ = nullptr;
            return;
        }
        emit EntryClicked(row(item) + 1);
    });
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        toggled_ = nullptr;
        emit EntryClicked(row(item) + 1);
    });
}

void LibraryFilesView::Fill(const std::vector<LibraryFileEntry>& entries) {
    filling_ = true;
    clear();
    for (const LibraryFileEntry& entry : entries) {
        auto* item = new QListWidgetItem(entry.text, this);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setData(Qt::UserRole, entry.key);
    }
    filling_ = false;
    Update(entries);
}

void LibraryFilesView::Update(const std::vector<LibraryFileEntry>& entries) {
    filling_ = true;
    for (int i = 0; i < count() && i < static_cast<int>(entries.size()); ++i) {
        const LibraryFileEntry& entry = entries[static_cast<std::size_t>(i)];
        QListWidgetItem* it = item(i);
        it->setIcon(LibraryFilePicture(entry.icon));
        it->setCheckState(entry.checked ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
}

int LibraryFilesView::CurrentPosition() const {
    const QListWidgetItem* item = currentItem();
    return item != nullptr && item->isSelected() ? row(item) + 1 : 0;
}

void LibraryFilesView::SelectPosition(int position) {
    QListWidgetItem* it = item(position - 1);
    setCurrentItem(it);
    if (it != nullptr) {
        scrollToItem(it);
    }
}

} // namespace vxw
