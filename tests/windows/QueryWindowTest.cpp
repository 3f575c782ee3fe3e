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

// Each mode shows its one control filled from the proposals; Accept, or Enter in the control,
// answers what the user made of it (in the block Enter starts a line); Cancel answers empty text.
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
            if (cancel || !input || c.mode == AskBlock) {
                query.findChild<QPushButton*>(QLatin1String(cancel ? "cmdCancel" : "cmdAccept"))->click();
            } else { // Enter in the control accepts
                auto* combo = qobject_cast<QComboBox*>(input);
                QTest::keyClick(combo && combo->isEditable() ? combo->lineEdit() : input, Qt::Key_Return);
            }
            EXPECT_FALSE(query.isVisible());
            EXPECT_EQ(query.Cancelled(), cancel);
            EXPECT_EQ(query.Answer(), cancel ? QString() : c.answer);
            if (auto* combo = qobject_cast<QComboBox*>(input)) {
                EXPECT_EQ(combo->count(), c.proposals.size()); // the typed text is not added
            }
        }
    }
}

// The modal run answers what the dialog accepted, and empty text when its window is closed.
TEST_F(QueryWindowTest, AskRunsTheDialogModally) {
    WhenOpen<Vxwquery>(
        [](Vxwquery& query) { query.findChild<QPushButton*>(QStringLiteral("cmdAccept"))->click(); });
    EXPECT_EQ(Vxwquery::Ask(nullptr, QString(), QString(), AskCombo, kNames), kNames.front());
    WhenOpen<Vxwquery>([](Vxwquery& query) { query.close(); });
    EXPECT_EQ(Vxwquery::Ask(nullptr, QString(), QString(), AskLine, kNames), QString());
}

} // namespace
} // namespace vxw
