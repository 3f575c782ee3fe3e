#include "tests/windows/SampleProject.h"

#include "properties/PropertyTarget.h"
#include "windows/properties/Properties.h"
#include "windows/properties/PropertyGridModel.h"

#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

namespace vxw {
namespace {

// The part class's grid: GENERAL (rows 1-5), SYMBOL AND PACKAGE (7-9), CROSS REFERENCE with two
// slow fields (11, 12), SIMULATION (14-17).
constexpr int kGeneralRow = 0;
constexpr int kPackageCrossRow = 11;
constexpr int kSymbolCrossRow = 12;

class PropertiesWindowTest : public SampleProjectTest {
protected:
    Properties* Open(const QString& key, bool selectAll = false) {
        PropertyCopies copies =
            CopiesForNode(state_.Levels(), state_.Model(), Node(key), selectAll, selectAll);
        PropertiesLinks links;
        links.mainLoaded = [this] { return mainLoaded_; };
        links.itemListHasRows = [this] { return itemRows_; };
        links.reloadItemList = [this] { ++reloads_; };
        window_ = new Properties(std::move(copies), state_.Profile(), ui_, links);
        QObject::connect(window_, &Properties::FlagsApplied, [this] { ++applied_; });
        window_->show();
        QApplication::setActiveWindow(window_);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_));
        return window_;
    }

    void TearDown() override {
        delete window_.data();
        SampleProjectTest::TearDown();
    }

    QTableView* Grid() { return window_->Grid(); }
    QModelIndex Cell(int row, int column) { return Grid()->model()->index(row, column); }
    Qt::CheckState Check(int row) {
        return static_cast<Qt::CheckState>(
            Cell(row, PropertyGridModel::ValueColumn).data(Qt::CheckStateRole).toInt());
    }
    void Key(Qt::Key key) { QTest::keyClick(Grid(), key, Qt::ControlModifier); }
    // A click on the tick box of a field row, where the user clicks it.
    void ClickTick(int row) {
        QStyleOptionViewItem option;
        option.initFrom(Grid());
        option.rect = Grid()->visualRect(Cell(row, PropertyGridModel::ValueColumn));
        option.features = QStyleOptionViewItem::HasCheckIndicator;
        const QRect box =
            Grid()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, Grid());
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, box.center());
    }
    int Shown(const FieldGroups& groups, int group, int slot) {
        return groups[static_cast<size_t>(group)].fields[static_cast<size_t>(slot)].shown;
    }

    QPointer<Properties> window_;
    bool mainLoaded_ = true;
    bool itemRows_ = true;
    int reloads_ = 0;
    int applied_ = 0;
};

// Ctrl+U never asks; Ctrl+A asks before each slow field, and so does a click that ticks one.
TEST_F(PropertiesWindowTest, SlowFieldsAskBeforeTheyAreTickedByKeyOrClick) {
    Open(QStringLiteral("PART"));
    EXPECT_EQ(window_->windowTitle(), "Properties - Parts");
    Key(Qt::Key_U);
    EXPECT_TRUE(dialogs_.asked.isEmpty());
    for (int row = 1; row < Grid()->model()->rowCount(); ++row) {
        EXPECT_TRUE(window_->Rows().Rows()[static_cast<size_t>(row)].group || Check(row) == Qt::Unchecked)
            << row;
    }
    dialogs_.answers = {AnswerNo, AnswerYes};
    Key(Qt::Key_A);
    EXPECT_EQ(dialogs_.asked,
              (QStringList{"Processing property PACKAGE CROSS REFERENCE takes time, Accept?",
                           "Processing property SYMBOL CROSS REFERENCE takes time, Accept?"}));
    EXPECT_EQ(Check(kPackageCrossRow), Qt::Unchecked);
    EXPECT_EQ(Check(kSymbolCrossRow), Qt::Checked);
    EXPECT_EQ(Check(1), Qt::Checked);

    Key(Qt::Key_U);
    const QStringList slow{"Current operation takes time, Accept?"};
    struct Case {
        int row;
        int answer;
        Qt::CheckState after;
        QStringList asked; // a plain field and clearing never ask
    };
    for (const Case& c :
         {Case{kPackageCrossRow, AnswerNo, Qt::Unchecked, slow}, Case{1, AnswerNo, Qt::Checked, {}},
          Case{kPackageCrossRow, AnswerYes, Qt::Checked, slow},
          Case{kPackageCrossRow, AnswerYes, Qt::Unchecked, {}}}) {
        SCOPED_TRACE(c.row);
        dialogs_.asked.clear();
        dialogs_.answers = {c.answer};
        ClickTick(c.row);
        EXPECT_EQ(Check(c.row), c.after);
        EXPECT_EQ(dialogs_.asked, c.asked);
    }
}

TEST_F(PropertiesWindowTest, ClosingWritesTheFlagsOnlyWhenChangedAndReloadsAShownItemList) {
    struct Case {
        bool change;
        bool mainLoaded;
        bool itemRows;
        int applied;
        int reloads;
    };
    const Case cases[] = {
        {false, true, true, 0, 0},
        {true, true, false, 1, 0},
        {true, true, true, 1, 1},
        {true, false, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.change << c.mainLoaded << c.itemRows);
        ASSERT_TRUE(state_.Start(TheKernel(), Suite(), ui_));
        mainLoaded_ = c.mainLoaded;
        itemRows_ = c.itemRows;
        applied_ = reloads_ = 0;
        Open(QStringLiteral("PART"));
        if (c.change) {
            Key(Qt::Key_U);
        }
        window_->findChild<QPushButton*>(QStringLiteral("cmdSet"))->click();
        EXPECT_EQ(applied_, c.applied);
        EXPECT_EQ(reloads_, c.reloads);
        // Library (group 0, slot 0) is cleared in the class's copy only when the flags were written.
        EXPECT_EQ(Shown(state_.Levels().LibraryProfiles[0], 0, 0), c.applied ? 0 : 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window_.isNull());
    }
}

TEST_F(PropertiesWindowTest, AllCircuitsShowAMixedFieldWhichKeepsEachCircuitsOwnFlag) {
    // Designer (group 0, slot 1) hidden in the second circuit only.
    state_.Levels().Circuits[1].Circuit.Profiles[0].fields[1].shown = 0;
    Open(QStringLiteral("VX4_1"), true);
    EXPECT_EQ(window_->windowTitle(), "Circuit Properties ");
    EXPECT_EQ(Cell(2, PropertyGridModel::NameColumn).data().toString(), "Designer");
    EXPECT_EQ(Check(2), Qt::PartiallyChecked);
    EXPECT_EQ(Check(3), Qt::Checked);
    ClickTick(3); // Revision cleared in every circuit
    EXPECT_EQ(window_->Rows().Flags()[1], 2);
    window_->close();
    ASSERT_EQ(applied_, 1);
    const std::vector<int> designer{1, 0, 1, 1};
    for (size_t circuit = 0; circuit < state_.Levels().Circuits.size(); ++circuit) {
        const FieldGroups& groups = state_.Levels().Circuits[circuit].Circuit.Profiles;
        EXPECT_EQ(Shown(groups, 0, 1), designer[circuit]) << circuit;
        EXPECT_EQ(Shown(groups, 0, 2), 0) << circuit;
    }
}

TEST_F(PropertiesWindowTest, GroupPictureFoldsItsFieldsAndTheHelpPanelFollowsTheCurrentRow) {
    Open(QStringLiteral("PART"));
    EXPECT_EQ(Grid()->model()->headerData(1, Qt::Horizontal).toString(), "Properties");
    EXPECT_EQ(Grid()->model()->headerData(2, Qt::Horizontal).toString(), "Value");
    EXPECT_EQ(window_->findChild<QStatusBar*>(QStringLiteral("staList"))->currentMessage(),
              "Ctrl+A - SelectAll Ctrl+U - UnselectAll");
    auto* head = window_->findChild<QLabel*>(QStringLiteral("lblHead"));
    auto* desc = window_->findChild<QLabel*>(QStringLiteral("lblDesc"));

    const QRect picture = Grid()->visualRect(Cell(kGeneralRow, PropertyGridModel::PictureColumn));
    for (const bool hidden : {true, false}) {
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, picture.center());
        for (int row = 1; row <= 5; ++row) {
            EXPECT_EQ(Grid()->isRowHidden(row), hidden) << row;
        }
        EXPECT_FALSE(Grid()->isRowHidden(6));
        EXPECT_EQ(window_->Rows().Rows()[kGeneralRow].expanded, !hidden);
    }

    Grid()->setCurrentIndex(Cell(kPackageCrossRow, PropertyGridModel::NameColumn));
    EXPECT_EQ(head->text(), "Package Cross Reference");
    EXPECT_EQ(desc->text(), "Package files that hold the package of the part");
    Grid()->setCurrentIndex(Cell(kGeneralRow, PropertyGridModel::NameColumn));
    EXPECT_EQ(head->text(), "GENERAL");
    EXPECT_EQ(desc->text(), "");
}

} // namespace
} // namespace vxw
