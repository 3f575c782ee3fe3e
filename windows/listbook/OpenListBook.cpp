#include "windows/listbook/OpenListBook.h"

#include "listbook/ListBook.h"
#include "listbook/ListBookActions.h"
#include "shell/SettingsKeys.h"
#include "shell/SharedStrings.h"
#include "suite/AppSettings.h"
#include "suite/SuiteServices.h"
#include "windows/shell/FilePickers.h"
#include "windows/shell/Pictures.h"
#include "windows/shell/SmallPictures.h"
#include "windows/shell/StoredPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

namespace vxw {
namespace {

enum Column { NameColumn, ClassColumn, ItemsColumn, FileColumn };
constexpr int KeyRole = Qt::UserRole;

QString Text(const char* id, const char* defaultText) {
    return Suite().GetMessageText(QString::fromLatin1(defaultText), QString::fromLatin1(id));
}

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// A row sorts by what it shows, letter case ignored, except the item count, which sorts as a
// number (a merge, which has none, first); equal rows keep filing order.
class BookRowItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : NameColumn;
        int order = 0;
        if (column == ItemsColumn) {
            const double mine = Count(*this);
            const double theirs = Count(other);
            order = mine < theirs ? -1 : theirs < mine ? 1 : 0;
        } else {
            order = QString::compare(text(column), other.text(column), Qt::CaseInsensitive);
        }
        return order != 0 ? order < 0 : Entry(*this) < Entry(other);
    }

    static int Entry(const QTreeWidgetItem& item) {
        return BookEntryOfKey(item.data(NameColumn, KeyRole).toString());
    }

private:
    static double Count(const QTreeWidgetItem& item) {
        bool ok = false;
        const double count = item.text(ItemsColumn).section(QLatin1Char(' '), 0, 0).toDouble(&ok);
        return ok ? count : -1.0;
    }
};

} // namespace

OpenListBook::OpenListBook(ListBook& book, UserInterface& hostUi, ListBookLinks links, QWidget* parent)
    : QMainWindow(parent), book_(book), ui_(this, hostUi), links_(std::move(links)),
      list_(new QTreeWidget(this)), listsPanel_(new QLabel(this)), selectedPanel_(new QLabel(this)),
      imgSave_(new QLabel(this)), imgUnSave_(new QLabel(this)) {
    const BusyCursor busy;
    setObjectName(QStringLiteral("OpenListBook"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);

    list_->setObjectName(QStringLiteral("lvwList"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setTextElideMode(Qt::ElideMiddle); // a long path keeps its file name in view
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setHeaderLabels({Text("31128", "List Name"), Text("31129", "Class"), Text("13129", "Items"),
                            Text("2727", "Filename")});
    list_->header()->setStretchLastSection(true);
    list_->header()->setSortIndicatorShown(true);
    list_->setColumnWidth(NameColumn, 180);
    list_->setColumnWidth(ClassColumn, 110);
    list_->setColumnWidth(ItemsColumn, 80);
    list_->sortByColumn(NameColumn, Qt::AscendingOrder);
    list_->setSortingEnabled(true);
    setCentralWidget(list_);

    QStatusBar* status = statusBar();
    status->setObjectName(QStringLiteral("staList"));
    listsPanel_->setObjectName(QStringLiteral("panLists"));
    selectedPanel_->setObjectName(QStringLiteral("panSelected"));
    imgSave_->setObjectName(QStringLiteral("imgSave"));
    imgUnSave_->setObjectName(QStringLiteral("imgUnSave"));
    const int mark = style()->pixelMetric(QStyle::PM_SmallIconSize);
    imgSave_->setPixmap(SavedPicture(true).pixmap(mark, mark));
    imgUnSave_->setPixmap(SavedPicture(false).pixmap(mark, mark));
    imgUnSave_->hide();
    imgSave_->hide();
    status->addWidget(listsPanel_);
    status->addWidget(selectedPanel_);
    status->addWidget(imgSave_);
    status->addWidget(imgUnSave_);

    BuildBars();
    SetLocked(UserSettings().Value(QLatin1String(kLockListBookToolbarKey)) == QLatin1String("1"));

    resize(640, 320);
    RestorePlacement(*this, QLatin1String(kListBookWindowName));
    setWindowTitle(ProductName() + QLatin1Char(' ') + Text("31127", "List Book"));

    connect(list_, &QTreeWidget::itemSelectionChanged, this, &OpenListBook::SelectionChanged);
    connect(list_, &QTreeWidget::currentItemChanged, this, &OpenListBook::BarStatus);
    // Enter and a double click both view the list.
    connect(list_, &QTreeWidget::activated, this, [this] { View(); });
    connect(list_, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_->popup(list_->viewport()->mapToGlobal(at)); });
    SelectionChanged();
}

OpenListBook::~OpenListBook() = default;

QAction* OpenListBook::AddCommand(const QString& key, const char* caption, const char* captionId,
                                  const QKeySequence& keys) {
    auto* action = new QAction(Text(captionId, caption), this);
    action->setObjectName(key);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, [this, key] { RunCommand(key); });
    addAction(action); // its keys work wherever the focus is in the window
    commands_.insert(key, action);
    return action;
}

void OpenListBook::BuildBars() {
    QStyle* look = style();
    AddCommand(QStringLiteral("save"), "&Save", "9973", QKeySequence(Qt::CTRL | Qt::Key_S))
        ->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
    AddCommand(QStringLiteral("saveas"), "Save As...", "31122");
    AddCommand(QStringLiteral("merge"), "&Merge List", "31117", QKeySequence(Qt::CTRL | Qt::Key_M))
        ->setIcon(look->standardIcon(QStyle::SP_FileDialogNewFolder));
    AddCommand(QStringLiteral("delete"), "&Delete", "9928", QKeySequence(Qt::CTRL | Qt::Key_Delete))
        ->setIcon(look->standardIcon(QStyle::SP_TrashIcon));
    AddCommand(QStringLiteral("zoom"), "&List Viewer", "31118", QKeySequence(Qt::CTRL | Qt::Key_L))
        ->setIcon(look->standardIcon(QStyle::SP_FileDialogContentsView));
    AddCommand(QStringLiteral("refresh"), "&Refresh", "3711")
        ->setIcon(look->standardIcon(QStyle::SP_BrowserReload));
    AddCommand(QStringLiteral("selectall"), "Select &All", "505", QKeySequence(Qt::CTRL | Qt::Key_A));
    AddCommand(QStringLiteral("invertselect"), "&Invert Selection", "5264",
               QKeySequence(Qt::CTRL | Qt::Key_I));
    AddCommand(QStringLiteral("search"), "Search List&Name", "31123");
    AddCommand(QStringLiteral("LockTB"), "&Lock Toolbar", "991733")->setCheckable(true);
    AddCommand(QStringLiteral("miHContents"), "&Contents", "245");
    AddCommand(QStringLiteral("exit"), "E&xit", "99593");
    const struct {
        const char* key;
        const char* tip;
        const char* id;
    } tips[] = {{"save", "Save list", "504"},
                {"merge", "Merge list(s)", "31119"},
                {"delete", "Delete list(s)", "31120"},
                {"zoom", "View list", "31121"},
                {"refresh", "Refresh", "31138"}};
    for (const auto& tip : tips) {
        Command(QLatin1String(tip.key))->setToolTip(Text(tip.id, tip.tip));
    }

    auto add = [this](QWidget* band, std::initializer_list<const char*> keys) {
        for (const char* key : keys) {
            if (key == nullptr) {
                auto* separator = new QAction(band);
                separator->setSeparator(true);
                band->addAction(separator);
            } else {
                band->addAction(Command(QLatin1String(key)));
            }
        }
    };
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("mnuOpenList"));
    QMenu* file = bar->addMenu(Text("9939", "&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    add(file, {"zoom", "save", "saveas", nullptr, "exit"});
    QMenu* edit = bar->addMenu(Text("9933", "&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    add(edit,
        {"merge", "delete", nullptr, "selectall", "invertselect", "search", nullptr, "refresh", "LockTB"});
    QMenu* help = bar->addMenu(Text("993", "&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    add(help, {"miHContents"});

    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName(QStringLiteral("banListBook"));
    toolBar_->setWindowTitle(Text("31127", "List Book"));
    add(toolBar_, {"save", "merge", "delete", "zoom", "refresh"});

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("popListBook"));
    add(popup_,
        {"save", "saveas", "merge", "delete", "zoom", nullptr, "selectall", "invertselect", "search"});
}

void OpenListBook::SetLocked(bool locked) {
    locked_ = locked;
    Command(QStringLiteral("LockTB"))->setChecked(locked);
    // A locked bar can be neither moved nor closed.
    toolBar_->setMovable(!locked);
    toolBar_->setFloatable(!locked);
    toolBar_->toggleViewAction()->setEnabled(!locked);
}

void OpenListBook::ShowListBook() {
    if (!RefreshArrayList()) {
        return;
    }
    shown_ = true;
    show();
    raise();
    activateWindow();
}

bool OpenListBook::RefreshArrayList() {
    if (unloading_) {
        return false;
    }
    if (book_.IsEmpty()) {
        Unload();
        return false;
    }
    QSet<QString> selected;
    for (const QTreeWidgetItem* item : list_->selectedItems()) {
        selected.insert(item->data(NameColumn, KeyRole).toString());
    }
    const QString current =
        list_->currentItem() ? list_->currentItem()->data(NameColumn, KeyRole).toString() : QString();

    const QSignalBlocker quiet(list_);
    list_->setSortingEnabled(false);
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (const BookRow& row : book_.Rows()) {
        auto* item = new BookRowItem(QStringList{row.Name, row.Class, row.Items, row.FileName});
        item->setData(NameColumn, KeyRole, row.Key);
        item->setIcon(NameColumn, row.Image == MergedImage ? MergedPicture() : ExplorerPicture(row.Image));
        item->setToolTip(FileColumn, row.FileName);
        items.append(item);
    }
    list_->addTopLevelItems(items);
    list_->setSortingEnabled(true); // sorts by the header's column and order

    QTreeWidgetItem* currentItem = nullptr;
    for (QTreeWidgetItem* item : std::as_const(items)) {
        const QString key = item->data(NameColumn, KeyRole).toString();
        item->setSelected(selected.contains(key));
        if (key == current) {
            currentItem = item;
        }
    }
    if (list_->selectedItems().isEmpty()) {
        currentItem = list_->topLevelItem(0);
        currentItem->setSelected(true);
    }
    list_->setCurrentItem(currentItem, 0, QItemSelectionModel::NoUpdate);
    SelectionChanged();
    return true;
}

void OpenListBook::BarStatus() {
    const QStringList texts =
        BookStatusTexts(list_->topLevelItemCount(), static_cast<int>(list_->selectedItems().size()));
    listsPanel_->setText(texts.value(0));
    selectedPanel_->setText(texts.value(1));
    const QTreeWidgetItem* row = ActingRow();
    imgSave_->setVisible(row && !row->text(FileColumn).isEmpty());
    imgUnSave_->setVisible(row && row->text(FileColumn).isEmpty());
}

QStringList OpenListBook::StatusTexts() const {
    return {listsPanel_->text(), selectedPanel_->text()};
}

bool OpenListBook::SavedMarkShown() const {
    return !imgSave_->isHidden();
}

void OpenListBook::SelectionChanged() {
    const bool any = !list_->selectedItems().isEmpty();
    for (const char* key : {"save", "saveas", "merge", "delete", "zoom"}) {
        Command(QLatin1String(key))->setEnabled(any);
    }
    BarStatus();
}

std::vector<int> OpenListBook::SelectedEntries() const {
    std::vector<int> entries;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list_->topLevelItem(row);
        if (item->isSelected()) {
            entries.push_back(BookRowItem::Entry(*item));
        }
    }
    return entries;
}

QTreeWidgetItem* OpenListBook::ActingRow() const {
    QTreeWidgetItem* current = list_->currentItem();
    if (current && current->isSelected()) {
        return current;
    }
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        if (list_->topLevelItem(row)->isSelected()) {
            return list_->topLevelItem(row);
        }
    }
    return nullptr;
}

void OpenListBook::RunCommand(const QString& key) {
    const auto is = [&key](const char* name) { return key == QLatin1String(name); };
    if (is("save") || is("saveas")) {
        Save();
    } else if (is("merge")) {
        Merge();
    } else if (is("delete")) {
        Delete();
    } else if (is("zoom")) {
        View();
    } else if (is("refresh")) {
        RefreshArrayList();
    } else if (is("selectall")) {
        list_->selectAll();
    } else if (is("invertselect")) {
        const QModelIndex first = list_->model()->index(0, 0);
        const QModelIndex last = list_->model()->index(list_->topLevelItemCount() - 1, 0);
        if (first.isValid()) {
            list_->selectionModel()->select(QItemSelection(first, last),
                                            QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
        }
    } else if (is("search")) {
        Search();
    } else if (is("LockTB")) {
        SetLocked(!locked_);
    } else if (is("miHContents")) {
        if (links_.showHelp) {
            links_.showHelp();
        }
    } else if (is("exit")) {
        Unload();
    }
}

void OpenListBook::View() {
    const QTreeWidgetItem* row = ActingRow();
    if (!row) {
        return;
    }
    const int entry = BookRowItem::Entry(*row);
    QString path;
    {
        const BusyCursor busy;
        // The scratch file is numbered by the row as filed, which sorting does not change.
        path = ViewListPath(book_, entry, entry + 1, links_.jobDir ? links_.jobDir() : QString(), ui_);
    }
    if (!path.isEmpty() && links_.openInTextViewer) {
        links_.openInTextViewer(path); // a viewer that fails says so itself
    }
}

void OpenListBook::Save() {
    const QTreeWidgetItem* row = ActingRow();
    if (!row) {
        return;
    }
    const int entry = BookRowItem::Entry(*row);
    const BookEntry* found = book_.Entry(entry);
    if (!found) {
        return;
    }
    // The picker asks before it replaces a file and refuses a read-only one.
    const QFileInfo proposed(ProposedSavePath(book_, entry, links_.jobDir ? links_.jobDir() : QString()));
    const QString path =
        PickSaveFile(this, SaveDialogTitle(found->Name), proposed.path(), proposed.fileName());
    if (path.isEmpty()) {
        return;
    }
    {
        const BusyCursor busy;
        SaveList(book_, entry, path, ui_);
    }
    RefreshArrayList();
}

void OpenListBook::Delete() {
    const std::vector<int> entries = SelectedEntries();
    if (entries.empty() || DeleteLists(book_, entries, ui_) == 0) {
        return;
    }
    // The entries were renumbered: the selection starts again at the first row.
    list_->clearSelection();
    list_->setCurrentItem(nullptr);
    RefreshArrayList();
}

void OpenListBook::Merge() {
    const std::vector<int> entries = SelectedEntries();
    if (!entries.empty() && MergeLists(book_, entries, ui_) >= 0) {
        RefreshArrayList();
    }
}

void OpenListBook::Search() {
    std::vector<int> found;
    if (!SearchLists(book_, ui_, found)) {
        return;
    }
    const QSet<int> matching(found.begin(), found.end());
    {
        const QSignalBlocker quiet(list_);
        for (int row = 0; row < list_->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = list_->topLevelItem(row);
            item->setSelected(matching.contains(BookRowItem::Entry(*item)));
        }
    }
    SelectionChanged();
}

void OpenListBook::Unload() {
    if (!unloading_) {
        close();
    }
}

void OpenListBook::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Lists filed while the window was in the background show when it comes forward.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && shown_) {
        RefreshArrayList();
    }
}

void OpenListBook::closeEvent(QCloseEvent* event) {
    unloading_ = true;
    UserSettings().SetValue(QLatin1String(kLockListBookToolbarKey),
                            locked_ ? QStringLiteral("1") : QStringLiteral("0"));
    if (shown_) {
        StorePlacement(*this, QLatin1String(kListBookWindowName));
    }
    event->accept();
}

void ShowListBookWindow(QPointer<OpenListBook>& window, ListBook& book, UserInterface& hostUi,
                        const ListBookLinks& links, QWidget* parent) {
    if (window.isNull()) {
        const BusyCursor busy;
        window = new OpenListBook(book, hostUi, links, parent);
    }
    window->ShowListBook();
}

} // namespace vxw
