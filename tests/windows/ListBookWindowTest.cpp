#include "tests/windows/SampleProject.h"

#include "listbook/ListBook.h"
#include "listbook/ListBookActions.h"
#include "listgen/CurrentList.h"
#include "shell/SettingsKeys.h"
#include "windows/listbook/OpenListBook.h"
#include "windows/shell/FilePickers.h"

#include <QAction>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace vxw {
namespace {

class ListBookWindowTest : public SampleProjectTest {
protected:
    ListBook& Book() { return state_.Book(); }

    void File(const QString& name, const QString& text, const QString& count = QStringLiteral("3")) {
        Book().File(ListSource{4, QStringLiteral("MAIN"), QStringLiteral("Circuit"), count, QString(), text},
                    name);
    }
    // Lists named by the names, each text the name in lower case.
    void Files(const QStringList& names) {
        for (const QString& name : names) {
            File(name, name.toLower());
        }
    }

    // A window over the book, shown and active, as the main window's "open" shows it.
    OpenListBook* Open() {
        ListBookLinks links;
        links.jobDir = [this] { return paths_.JobDir; };
        links.openInTextViewer = [this](const QString& path) {
            viewed_.append(path);
            return 0;
        };
        window_ = new OpenListBook(Book(), ui_, links);
        window_->ShowListBook();
        if (window_ && window_->isVisible()) {
            QApplication::setActiveWindow(window_);
            EXPECT_TRUE(QTest::qWaitForWindowActive(window_));
        }
        return window_;
    }

    void SetUp() override {
        SampleProjectTest::SetUp();
        pickers_ = std::make_unique<ScopedFilePickers>(FilePickerFunctions{
            [this](QWidget*, const QString& title, const QString& folder, const QString& name) {
                pickerTitles_.append(title + QLatin1Char('|') + QDir(folder).filePath(name));
                return picked_;
            },
            {}});
    }

    void TearDown() override {
        delete window_.data();
        SampleProjectTest::TearDown();
    }

    QTreeWidget* List() { return window_->List(); }
    // The column's texts in the order the rows are shown.
    QStringList Column(int column) {
        QStringList texts;
        for (int row = 0; row < List()->topLevelItemCount(); ++row) {
            texts.append(List()->topLevelItem(row)->text(column));
        }
        return texts;
    }
    void Select(const QStringList& names) {
        List()->clearSelection();
        for (int row = 0; row < List()->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = List()->topLevelItem(row);
            if (names.contains(item->text(0))) {
                List()->setCurrentItem(item, 0, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            }
        }
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(List(), static_cast<Qt::Key>(key), modifiers);
    }
    static void Unloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::unique_ptr<ScopedFilePickers> pickers_;
    QPointer<OpenListBook> window_;
    QStringList viewed_;
    QStringList pickerTitles_;
    QString picked_;
};

TEST_F(ListBookWindowTest, FiledListsShowAsRowsAndAnEmptyBookShowsNoWindow) {
    Open();
    Unloaded();
    EXPECT_TRUE(window_.isNull()); // nothing filed: the window unloads without showing

    CurrentList list;
    list.RecordListSource(QStringLiteral("MAIN\r\n"),
                          ListOrigin{4, QStringLiteral("MAIN"), QStringLiteral("Circuit"), {}});
    DialogInterface asking(nullptr, ui_);
    dialogs_.texts = {QStringLiteral("First"), QStringLiteral("Second")};
    EXPECT_EQ(SendToListBook(Book(), list, asking), 0);
    EXPECT_EQ(SendToListBook(Book(), list, asking), 1);

    Open();
    ASSERT_FALSE(window_.isNull());
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(window_->windowTitle(), ProductName() + QStringLiteral(" List Book"));
    QTreeWidgetItem* header = List()->headerItem();
    EXPECT_EQ((QStringList{header->text(0), header->text(1), header->text(2), header->text(3)}),
              (QStringList{"List Name", "Class", "Items", "Filename"}));
    EXPECT_EQ(Column(0), (QStringList{"First", "Second"}));
    EXPECT_EQ(List()->topLevelItem(1)->data(0, Qt::UserRole), "L1");
    EXPECT_EQ(Column(1), (QStringList{"Circuit", "Circuit"}));
    EXPECT_EQ(List()->selectedItems().size(), 1); // the first row, when none was selected

    // A list filed while the window is open shows at the next refresh, the selection kept.
    Select({QStringLiteral("Second")});
    File(QStringLiteral("Third"), QStringLiteral("t"));
    window_->RunCommand(QStringLiteral("refresh"));
    EXPECT_EQ(Column(0), (QStringList{"First", "Second", "Third"}));
    EXPECT_EQ(List()->selectedItems().size(), 1);
    EXPECT_EQ(List()->selectedItems()[0]->text(0), "Second");
}

TEST_F(ListBookWindowTest, StatusBarCountsListsAndSelectedRowsAndMarksASavedList) {
    Files({"A", "B", "C"});
    Book().SetFileName(2, folder_ + "/c.lst");
    Open();
    Select({QStringLiteral("A"), QStringLiteral("B")});
    EXPECT_EQ(window_->StatusTexts(), (QStringList{"3 List(s)  ", "2 object(s) selected  "}));
    EXPECT_FALSE(window_->SavedMarkShown());
    EXPECT_TRUE(window_->findChild<QWidget*>(QStringLiteral("imgUnSave"))->isVisibleTo(window_));
    Select({QStringLiteral("C")});
    EXPECT_EQ(window_->StatusTexts()[1], "1 object(s) selected  ");
    EXPECT_TRUE(window_->SavedMarkShown());
}

// Each key runs its command once on the selected rows; Delete alone is no key of the window, and
// with no row selected the row commands do nothing and ask nothing.
TEST_F(ListBookWindowTest, KeysRunTheirCommandsOnTheSelectedRows) {
    Files({"A", "B", "C"});
    Open();
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        QStringList select;
        QStringList asked; // with the answers given below: No, and no text
        int pickerCalls;
        int viewed;
        int selected; // rows selected afterwards
    };
    const QStringList a{QStringLiteral("A")};
    const QString deleteQuestion =
        QStringLiteral("Are yot sure you want to delete the selected item(s) from List Book?");
    const Case cases[] = {
        {Qt::Key_Delete, Qt::NoModifier, a, {}, 0, 0, 1},
        {Qt::Key_Delete, Qt::ControlModifier, a, {deleteQuestion}, 0, 0, 1},
        {Qt::Key_M, Qt::ControlModifier, a, {QStringLiteral("Enter Merge Name:")}, 0, 0, 1},
        {Qt::Key_S, Qt::ControlModifier, a, {}, 1, 0, 1},
        {Qt::Key_L, Qt::ControlModifier, a, {}, 0, 1, 1},
        {Qt::Key_Return, Qt::NoModifier, a, {}, 0, 1, 1},
        {Qt::Key_A, Qt::ControlModifier, a, {}, 0, 0, 3},
        {Qt::Key_I, Qt::ControlModifier, a, {}, 0, 0, 2},
        {Qt::Key_Delete, Qt::ControlModifier, {}, {}, 0, 0, 0},
        {Qt::Key_M, Qt::ControlModifier, {}, {}, 0, 0, 0},
        {Qt::Key_S, Qt::ControlModifier, {}, {}, 0, 0, 0},
        {Qt::Key_L, Qt::ControlModifier, {}, {}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " modifiers " << c.modifiers << " rows "
                                        << c.select.join(',').toStdString());
        Select(c.select);
        dialogs_.asked.clear();
        pickerTitles_.clear();
        viewed_.clear();
        dialogs_.answers = {AnswerNo};
        Key(c.key, c.modifiers);
        EXPECT_EQ(dialogs_.asked, c.asked);
        EXPECT_EQ(pickerTitles_.size(), c.pickerCalls);
        EXPECT_EQ(viewed_.size(), c.viewed);
        EXPECT_EQ(List()->selectedItems().size(), c.selected);
        EXPECT_EQ(Book().Count(), 3);
    }
    EXPECT_EQ(window_->StatusTexts()[1], "0 object(s) selected  ");
    for (const char* key : {"save", "saveas", "zoom", "merge", "delete"}) {
        EXPECT_FALSE(window_->Command(QLatin1String(key))->isEnabled()) << key;
    }
}

TEST_F(ListBookWindowTest, DeletingEveryListEmptiesTheBookAndUnloadsTheWindow) {
    Files({"A", "B"});
    Open();

    Select({QStringLiteral("B")});
    dialogs_.answers = {AnswerYes};
    Key(Qt::Key_Delete);
    EXPECT_EQ(Column(0), QStringList{"A"});
    EXPECT_EQ(List()->selectedItems().size(), 1); // the first row again

    Key(Qt::Key_A);
    dialogs_.answers = {AnswerYes};
    Key(Qt::Key_Delete);
    EXPECT_TRUE(Book().IsEmpty());
    Unloaded();
    EXPECT_TRUE(window_.isNull());
}

TEST_F(ListBookWindowTest, MergeOfAAndBIsFiledAsOneMergedList) {
    File(QStringLiteral("B"), QStringLiteral("b\r\n"));
    File(QStringLiteral("A"), QStringLiteral("a\r\n"));
    Open();
    Key(Qt::Key_A);
    dialogs_.texts = {QStringLiteral("AB")};
    Key(Qt::Key_M);
    ASSERT_EQ(Book().Count(), 3);
    // In the order the rows are shown: A, then B.
    EXPECT_EQ(Book().Entries()[2].Text, "\r\n\r\n\r\na\r\n\r\n\r\n\r\nb\r\n");
    EXPECT_EQ(Column(0), (QStringList{"A", "AB", "B"}));
    EXPECT_EQ(List()->topLevelItem(1)->text(1), "MERGED");
    EXPECT_EQ(List()->topLevelItem(1)->text(2), "");
}

TEST_F(ListBookWindowTest, ViewWritesTheScratchFileOfAnUnsavedRowAndOpensASavedOne) {
    Files({"A", "B"});
    const QString saved = folder_ + "/a.lst";
    Book().SetFileName(0, saved);
    Open();
    Select({QStringLiteral("B")});
    Key(Qt::Key_Return);
    const QString scratch = QDir(paths_.JobDir).filePath(QStringLiteral("UNTITLED2.LIST"));
    EXPECT_EQ(viewed_, QStringList{scratch});

    Select({QStringLiteral("A")});
    const QRect row = List()->visualItemRect(List()->topLevelItem(0));
    // As a mouse gives it: a click, then the second press as a double click and its release.
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, row.center());
    QMouseEvent second(QEvent::MouseButtonDblClick, row.center(),
                       List()->viewport()->mapToGlobal(row.center()), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(List()->viewport(), &second);
    QTest::mouseRelease(List()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(viewed_.value(1), saved);
}

TEST_F(ListBookWindowTest, SaveRecordsOnlyAFileThatWasWritten) {
    File(QStringLiteral("A/B"), QStringLiteral("ab"));
    Open();
    // Cancelled: nothing changes.
    Key(Qt::Key_S);
    EXPECT_EQ(pickerTitles_, QStringList{"Save A/B|" + QDir(paths_.JobDir).filePath(QStringLiteral("A_B"))});
    EXPECT_EQ(Column(3), QStringList{""});

    // A folder that does not exist: the user is told and no file is recorded.
    picked_ = folder_ + "/missing/ab.lst";
    window_->RunCommand(QStringLiteral("saveas"));
    ASSERT_EQ(dialogs_.asked.size(), 1);
    EXPECT_TRUE(dialogs_.asked[0].startsWith(picked_));
    EXPECT_EQ(Book().Entries()[0].FileName, "");
    EXPECT_FALSE(window_->SavedMarkShown());

    picked_ = folder_ + "/ab.lst";
    Key(Qt::Key_S);
    EXPECT_EQ(Column(3), QStringList{picked_});
    EXPECT_TRUE(window_->SavedMarkShown());
    EXPECT_TRUE(QFile::exists(picked_));
    // The next save proposes the saved file.
    window_->RunCommand(QStringLiteral("saveas"));
    EXPECT_EQ(pickerTitles_.last(), "Save A/B|" + picked_);
}

TEST_F(ListBookWindowTest, SearchSelectsTheRowsWhoseNamesBeginWithThePattern) {
    Files({"Alpha", " alpine ", "Beta", "Gamma al"});
    Open();
    dialogs_.texts = {QStringLiteral("al*")};
    window_->RunCommand(QStringLiteral("search"));
    QStringList selected;
    for (const QTreeWidgetItem* item : List()->selectedItems()) {
        selected.append(item->text(0));
    }
    selected.sort();
    EXPECT_EQ(selected, (QStringList{" alpine ", "Alpha"}));
    EXPECT_EQ(window_->StatusTexts()[1], "2 object(s) selected  ");
}

TEST_F(ListBookWindowTest, HeaderClicksSortByTheColumnAndReverseTheOrder) {
    File(QStringLiteral("Nets"), QStringLiteral("n"), QStringLiteral("12"));
    File(QStringLiteral("Parts"), QStringLiteral("p"), QStringLiteral("3"));
    File(QStringLiteral("Board"), QStringLiteral("b"), QStringLiteral("100"));
    Book().Merge({0, 1}, QStringLiteral("Both"));
    Open();
    EXPECT_EQ(Column(0), (QStringList{"Board", "Both", "Nets", "Parts"}));
    QHeaderView* header = List()->header();
    const auto click = [&](int column) {
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    };
    click(2);
    const QStringList first = Column(0);
    // Counts sort as numbers; the merge, which has none, stands at one end.
    EXPECT_TRUE(first == (QStringList{"Both", "Parts", "Nets", "Board"}) ||
                first == (QStringList{"Board", "Nets", "Parts", "Both"}))
        << first.join(',').toStdString();
    click(2);
    QStringList reversed = first;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(Column(0), reversed);
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), 2);
}

TEST_F(ListBookWindowTest, ToolbarLockAndPlacementAreKeptFromOneLoadToTheNext) {
    Files({"A"});
    Open();
    auto* bar = window_->findChild<QToolBar*>(QStringLiteral("banListBook"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isMovable());
    window_->RunCommand(QStringLiteral("LockTB"));
    EXPECT_FALSE(bar->isMovable());
    EXPECT_TRUE(window_->Command(QStringLiteral("LockTB"))->isChecked());
    window_->resize(500, 250);
    window_->RunCommand(QStringLiteral("exit"));
    Unloaded();
    EXPECT_TRUE(window_.isNull());
    EXPECT_EQ(UserSettings().Value(QLatin1String(kLockListBookToolbarKey)), "1");
    EXPECT_FALSE(UserSettings().Value(QStringLiteral("OpenListBook_WIDTH")).isEmpty());

    Open();
    EXPECT_TRUE(window_->IsLocked());
    EXPECT_EQ(window_->size(), QSize(500, 250));
    window_->RunCommand(QStringLiteral("LockTB"));
    window_->close();
    EXPECT_EQ(UserSettings().Value(QLatin1String(kLockListBookToolbarKey)), "0");
}

} // namespace
} // namespace vxw
