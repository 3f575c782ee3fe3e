#include "shell/MessageBox.h"
#include "tests/windows/WindowTestSupport.h"
#include "windows/shell/frmVxwMsgBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <vector>

namespace vxw {
namespace {

using MessageBoxWindowTest = WindowTest;

struct Button {
    const char* name;
    int answer;
};

// Every style shows its buttons left to right, marks the default one, shows the icon it asks
// for, and answers the code of the button pressed.
TEST_F(MessageBoxWindowTest, EachStyleShowsItsButtonsAndAnswersThem) {
    struct Case {
        int style;
        std::vector<Button> buttons;
        const char* defaultButton;
        bool icon;
    };
    const Case cases[] = {
        {MbOk, {{"cmdOk", AnswerOk}}, "cmdOk", false},
        {MbOkCancel | MbInformation, {{"cmdOk", AnswerOk}, {"cmdCancel", AnswerCancel}}, "cmdOk", true},
        {MbAbortRetryIgnore | MbCritical | MbDefaultButton3,
         {{"cmdAbort", AnswerAbort}, {"cmdRetry", AnswerRetry}, {"cmdIgnore", AnswerIgnore}},
         "cmdIgnore",
         true},
        {MbYesNoCancel | MbQuestion,
         {{"cmdYes", AnswerYes}, {"cmdNo", AnswerNo}, {"cmdCancel", AnswerCancel}},
         "cmdYes",
         true},
        {MbYesNo | MbExclamation | MbSystemModal | MbDefaultButton2,
         {{"cmdYes", AnswerYes}, {"cmdNo", AnswerNo}},
         "cmdNo",
         true},
        {MbRetryCancel, {{"cmdRetry", AnswerRetry}, {"cmdCancel", AnswerCancel}}, "cmdRetry", false},
        {MbYesNoAllCancel | MbDefaultButton4,
         {{"cmdYes", AnswerYes},
          {"cmdNo", AnswerNo},
          {"cmdYesToAll", AnswerYesToAll},
          {"cmdCancel", AnswerCancel}},
         "cmdCancel",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        {
            frmVxwMsgBox box(QStringLiteral("Prompt"), c.style, QStringLiteral("Title"));
            box.show();
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Title"));
            EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("imgIcon")) != nullptr, c.icon);
            EXPECT_EQ(box.findChildren<QPushButton*>().size(), qsizetype(c.buttons.size()));
            int left = -1;
            for (const Button& button : c.buttons) {
                auto* widget = box.findChild<QPushButton*>(QLatin1String(button.name));
                ASSERT_NE(widget, nullptr) << button.name;
                EXPECT_GT(widget->x(), left) << button.name;
                left = widget->x();
                EXPECT_EQ(widget->isDefault(), qstrcmp(button.name, c.defaultButton) == 0) << button.name;
            }
            EXPECT_TRUE(box.isModal());
            EXPECT_EQ(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint), IsSystemModal(c.style));
        }
        for (const Button& button : c.buttons) {
            WhenOpen<frmVxwMsgBox>([&](frmVxwMsgBox& box) { box.Button(button.answer)->click(); });
            EXPECT_EQ(frmVxwMsgBox::ShowMe(nullptr, QStringLiteral("Prompt"), c.style, QString()),
                      button.answer)
                << button.name;
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

TEST_F(MessageBoxWindowTest, ClosingABoxWithoutEscapeAnswerKeepsItOpen) {
    frmVxwMsgBox box(QStringLiteral("Prompt"), MbAbortRetryIgnore, QStringLiteral("Title"));
    box.show();
    box.close();
    EXPECT_TRUE(box.isVisible());
    frmVxwMsgBox yesNo(QStringLiteral("Prompt"), MbYesNo, QStringLiteral("Title"));
    yesNo.show();
    yesNo.close();
    EXPECT_FALSE(yesNo.isVisible());
    EXPECT_EQ(yesNo.result(), AnswerNo);
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
