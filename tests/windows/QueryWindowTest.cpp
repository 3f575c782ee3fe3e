#include "shell/UserInterface.h"
#include "tests/windows/WindowTestSupport.h"
#include "windows/shell/Vxwquery.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace vxw {
namespace {

using QueryWindowTest = WindowTest;

const QStringList kNames{QStringLiteral("List of MAIN"), QStringLiteral("Parts"), QStringLiteral("Nets")};
const char* const kControls[] = {"txtText", "cboCombo", "cboDropdown", "txtTextBlock", "cboList"};

// Each mode shows its one control filled from the proposals; Accept answers what the user made
// of it, Cancel answers empty text.
TEST_F(QueryWindowTest, EachModeAnswersItsControlOrEmptyOnCancel) {
    struct Case {
        int mode;
        QStringList proposals;
        const char* control; // null: no input control
        std::function<void(QWidget*)> edit;
        QString answer;
    };
    const Case cases[] = {
        {AskLine, kNames, "txtText", {}, QStringLiteral("List of MAIN")},
        {AskLine, kNames, "txtText", [](QWidget* w) { QTest::keyClicks(w, QStringLiteral(" 2")); },
         QStringLiteral("List of MAIN 2")},
        {AskLine, {}, "txtText", {}, QString()},
        {AskCombo, kNames, "cboCombo", {}, QStringLiteral("List of MAIN")},
        {AskCombo, kNames, "cboCombo", [](QWidget* w) { static_cast<QComboBox*>(w)->setCurrentIndex(2); },
         QStringLiteral("Nets")},
        {AskCombo, kNames, "cboCombo",
         [](QWidget* w) { static_cast<QComboBox*>(w)->lineEdit()->setText(QStringLiteral("New")); },
         QStringLiteral("New")},
        {AskDropdown, kNames, "cboDropdown", {}, QStringLiteral("List of MAIN")},
        {AskDropdown, kNames, "cboDropdown",
         [](QWidget* w) { static_cast<QComboBox*>(w)->setCurrentIndex(1); }, QStringLiteral("Parts")},
        {AskDropdown, {}, "cboDropdown", {}, QString()},
        {AskBlock,
         {QStringLiteral("one\ntwo")},
         "txtTextBlock",
         [](QWidget* w) {
             QTest::keyClick(w, Qt::Key_Return); // a new line, not the answer
             QTest::keyClicks(w, QStringLiteral("three"));
         },
         QStringLiteral("one\ntwo\nthree")},
        {AskList, kNames, "cboList", {}, QStringLiteral("List of MAIN")},
        {AskList, kNames, "cboList", [](QWidget* w) { static_cast<QListWidget*>(w)->setCurrentRow(2); },
         QStringLiteral("Nets")},
        {AskList, kNames, "cboList", [](QWidget* w) { static_cast<QListWidget*>(w)->clearSelection(); },
         QString()},
        {9, kNames, nullptr, {}, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", answer " << c.answer.toStdString());
        for (const bool cancel : {false, true}) {
            Vxwquery query(QStringLiteral("Enter List Name:"), QStringLiteral("Title"), c.mode, c.proposals);
            query.show();
            EXPECT_EQ(query.findChild<QLabel*>(QStringLiteral("lblPrompt"))->text(),
                      QStringLiteral("Enter List Name:"));
            QWidget* input = nullptr;
            for (const char* name : kControls) {
                auto* control = query.findChild<QWidget*>(QLatin1String(name));
                EXPECT_EQ(control != nullptr, c.control && qstrcmp(name, c.control) == 0) << name;
                input = control ? control : input;
            }
            if (c.edit) {
                c.edit(input);
            }
            query.findChild<QPushButton*>(QLatin1String(cancel ? "cmdCancel" : "cmdAccept"))->click();
            EXPECT_FALSE(query.isVisible());
            EXPECT_EQ(query.Cancelled(), cancel);
            EXPECT_EQ(query.Answer(), cancel ? QString() : c.answer);
        }
    }
}

// Enter in the control accepts (in the block it starts a line instead); Escape cancels.
TEST_F(QueryWindowTest, EnterAcceptsAndEscapeCancels) {
    struct Case {
        int mode;
        const char* control;
        Qt::Key key;
        bool open;
        bool cancelled;
    };
    const Case cases[] = {
        {AskLine, "txtText", Qt::Key_Return, false, false},
        {AskCombo, "cboCombo", Qt::Key_Return, false, false},
        {AskCombo, "cboCombo", Qt::Key_Enter, false, false},
        {AskDropdown, "cboDropdown", Qt::Key_Return, false, false},
        {AskList, "cboList", Qt::Key_Return, false, false},
        {AskBlock, "txtTextBlock", Qt::Key_Return, true, false},
        {AskLine, "txtText", Qt::Key_Escape, false, true},
        {AskCombo, "cboCombo", Qt::Key_Escape, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.control << " key " << c.key);
        Vxwquery query(QStringLiteral("Name:"), QString(), c.mode, kNames);
        query.show();
        QWidget* input = query.findChild<QWidget*>(QLatin1String(c.control));
        ASSERT_NE(input, nullptr);
        QWidget* target = c.mode == AskCombo ? static_cast<QComboBox*>(input)->lineEdit() : input;
        QTest::keyClick(target, c.key);
        EXPECT_EQ(query.isVisible(), c.open);
        EXPECT_EQ(query.Cancelled(), c.cancelled);
        if (!c.open && !c.cancelled) {
            EXPECT_EQ(query.Answer(), QStringLiteral("List of MAIN"));
            if (auto* combo = query.findChild<QComboBox*>()) {
                EXPECT_EQ(combo->count(), 3); // Enter does not add the text to the choices
            }
        }
    }
}

TEST_F(QueryWindowTest, AskRunsTheDialogModally) {
    WhenOpen<Vxwquery>([](Vxwquery& query) {
        QTest::keyClicks(query.findChild<QLineEdit*>(QStringLiteral("txtText")), QStringLiteral("X"));
        query.findChild<QPushButton*>(QStringLiteral("cmdAccept"))->click();
    });
    EXPECT_EQ(Vxwquery::Ask(nullptr, QStringLiteral("Name:"), QString(), AskLine, {QStringLiteral("A")}),
              QStringLiteral("AX"));
    WhenOpen<Vxwquery>([](Vxwquery& query) { query.close(); });
    EXPECT_EQ(Vxwquery::Ask(nullptr, QStringLiteral("Name:"), QString(), AskLine, {QStringLiteral("A")}),
              QString());
}

} // namespace
} // namespace vxw
