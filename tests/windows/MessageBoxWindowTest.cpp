#include "shell/MessageBox.h"
#include "tests/windows/WindowTestSupport.h"
#include "windows/shell/frmVxwMsgBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace vxw {
namespace {

using MessageBoxWindowTest = WindowTest;

// Every style shows its buttons left to right, the default one marked, the icon it asks for,
// and answers the code of the button pressed.
TEST_F(MessageBoxWindowTest, EachStyleShowsItsButtonsAndAnswersThem) {
    const QMap<QString, int> answers{{"cmdOk", AnswerOk},         {"cmdCancel", AnswerCancel},
                                     {"cmdAbort", AnswerAbort},   {"cmdRetry", AnswerRetry},
                                     {"cmdIgnore", AnswerIgnore}, {"cmdYes", AnswerYes},
                                     {"cmdNo", AnswerNo},         {"cmdYesToAll", AnswerYesToAll}};
    struct Case {
        int style;
        QStringList buttons; // left to right
        QString defaultButton;
        bool icon;
    };
    const Case cases[] = {
        {MbOk, {"cmdOk"}, "cmdOk", false},
        {MbOkCancel | MbInformation, {"cmdOk", "cmdCancel"}, "cmdOk", true},
        {MbAbortRetryIgnore | MbCritical | MbDefaultButton3,
         {"cmdAbort", "cmdRetry", "cmdIgnore"},
         "cmdIgnore",
         true},
        {MbYesNoCancel | MbQuestion, {"cmdYes", "cmdNo", "cmdCancel"}, "cmdYes", true},
        {MbYesNo | MbExclamation | MbSystemModal | MbDefaultButton2, {"cmdYes", "cmdNo"}, "cmdNo", true},
        {MbRetryCancel, {"cmdRetry", "cmdCancel"}, "cmdRetry", false},
        {MbYesNoAllCancel | MbDefaultButton4,
         {"cmdYes", "cmdNo", "cmdYesToAll", "cmdCancel"},
         "cmdCancel",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        for (const QString& name : c.buttons) {
            WhenOpen<frmVxwMsgBox>([&](frmVxwMsgBox& box) {
                EXPECT_EQ(box.windowTitle(), QStringLiteral("Title"));
                EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("imgIcon")) != nullptr, c.icon);
                EXPECT_EQ(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint), IsSystemModal(c.style));
                QStringList shown;
                for (QPushButton* button : box.findChildren<QPushButton*>()) {
                    shown.append(button->objectName());
                    EXPECT_EQ(button->isDefault(), button->objectName() == c.defaultButton)
                        << name.toStdString();
                }
                std::sort(shown.begin(), shown.end(), [&](const QString& a, const QString& b) {
                    return box.findChild<QWidget*>(a)->x() < box.findChild<QWidget*>(b)->x();
                });
                EXPECT_EQ(shown, c.buttons);
                box.findChild<QPushButton*>(name)->click();
            });
            EXPECT_EQ(
                frmVxwMsgBox::ShowMe(nullptr, QStringLiteral("Prompt"), c.style, QStringLiteral("Title")),
                answers.value(name))
                << name.toStdString();
        }
    }
}

// Keys as a user presses them on the focused control: a plain letter is the button's access
// key, Enter presses the default button, Escape gives the escape answer or nothing.
TEST_F(MessageBoxWindowTest, KeysAnswerThroughAccessKeysDefaultAndEscape) {
    struct Case {
        int style;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int answer; // 0: the box stays open
    };
    const Case cases[] = {
        {MbYesNoAllCancel, Qt::Key_Y, Qt::NoModifier, AnswerYes},
        {MbYesNoAllCancel, Qt::Key_N, Qt::NoModifier, AnswerNo},
        {MbYesNoAllCancel, Qt::Key_T, Qt::NoModifier, AnswerYesToAll},
        {MbYesNoAllCancel, Qt::Key_T, Qt::ShiftModifier, AnswerYesToAll},
        {MbYesNoAllCancel, Qt::Key_T, Qt::ControlModifier, 0},
        {MbYesNoAllCancel, Qt::Key_X, Qt::NoModifier, 0},
        {MbYesNoAllCancel, Qt::Key_Return, Qt::NoModifier, AnswerYes},
        {MbYesNoAllCancel | MbDefaultButton2, Qt::Key_Return, Qt::NoModifier, AnswerNo},
        {MbYesNoAllCancel | MbDefaultButton3, Qt::Key_Enter, Qt::KeypadModifier, AnswerYesToAll},
        {MbYesNoAllCancel | MbDefaultButton4, Qt::Key_Return, Qt::NoModifier, AnswerCancel},
        {MbYesNoAllCancel, Qt::Key_Escape, Qt::NoModifier, AnswerCancel},
        {MbYesNo, Qt::Key_Escape, Qt::NoModifier, AnswerNo},
        {MbOk, Qt::Key_Escape, Qt::NoModifier, AnswerOk},
        {MbAbortRetryIgnore, Qt::Key_Escape, Qt::NoModifier, 0},
        {MbAbortRetryIgnore, Qt::Key_I, Qt::NoModifier, AnswerIgnore},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.style << " key " << c.key);
        frmVxwMsgBox box(QStringLiteral("Prompt"), c.style, QStringLiteral("Title"));
        box.show();
        QWidget* focus = box.focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, c.key, c.modifiers);
        EXPECT_EQ(box.isVisible(), c.answer == 0);
        EXPECT_EQ(box.result(), c.answer);
    }
}

TEST_F(MessageBoxWindowTest, CaptionsAndAccessKeysComeFromTheCatalogue) {
    UseCatalogue("99184\tJa, &alle\n99182\t&Ja\n");
    frmVxwMsgBox box(QStringLiteral("Prompt"), MbYesNoAllCancel, QStringLiteral("Title"));
    box.show();
    EXPECT_EQ(box.Button(AnswerYesToAll)->text(), QStringLiteral("Ja, &alle"));
    EXPECT_EQ(box.Button(AnswerYes)->text(), QStringLiteral("&Ja"));
    QTest::keyClick(box.focusWidget(), Qt::Key_A);
    EXPECT_EQ(box.result(), AnswerYesToAll);
}

// The prompt is plain text, and its label is as wide as the text up to a readable width, past
// which the text wraps.
TEST_F(MessageBoxWindowTest, PromptLabelIsPlainTextSizedToTheText) {
    const QString shortPrompt = QStringLiteral("<b>R1</b> & R2");
    const QString longPrompt = QStringLiteral("word ").repeated(60) + QStringLiteral("\r\nlast line");
    frmVxwMsgBox shortBox(shortPrompt, MbOk, QString());
    frmVxwMsgBox longBox(longPrompt, MbOk, QString());
    auto* shortLabel = shortBox.findChild<QLabel*>(QStringLiteral("lblPrompt"));
    auto* longLabel = longBox.findChild<QLabel*>(QStringLiteral("lblPrompt"));
    ASSERT_NE(shortLabel, nullptr);
    ASSERT_NE(longLabel, nullptr);
    EXPECT_EQ(shortLabel->text(), shortPrompt);
    EXPECT_EQ(shortLabel->textFormat(), Qt::PlainText);
    const QFontMetrics metrics = shortLabel->fontMetrics();
    EXPECT_NEAR(shortLabel->width(), metrics.horizontalAdvance(shortPrompt), 2);
    EXPECT_EQ(shortLabel->height(), metrics.height());
    EXPECT_LE(longLabel->width(), metrics.averageCharWidth() * 60);
    EXPECT_GE(longLabel->height(), metrics.lineSpacing() * 5); // wrapped lines, then the last one
}

} // namespace
} // namespace vxw
