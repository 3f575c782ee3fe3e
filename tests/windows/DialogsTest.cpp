#include "windows/shell/Dialogs.h"
#include "shell/MessageBox.h"
#include "shell/UserInterface.h"
#include "tests/windows/WindowTestSupport.h"
#include "windows/shell/frmVxwMsgBox.h"

#include <QPushButton>

namespace vxw {
namespace {

using DialogsTest = WindowTest;

// A window's tests replace the dialogs: the entry points call what is installed, and the real
// dialogs come back when the scope ends.
TEST_F(DialogsTest, InstalledFunctionsAnswerForTheirScope) {
    QStringList calls;
    {
        DialogFunctions fake;
        fake.messageBox = [&](QWidget*, const QString& prompt, int style, const QString&) {
            calls.append(prompt);
            return DefaultAnswer(style);
        };
        fake.askText = [&](QWidget*, const QString& prompt, const QString&, int mode,
                           const QStringList& proposals) {
            calls.append(prompt + QString::number(mode));
            return proposals.value(0);
        };
        ScopedDialogs scope(fake);
        EXPECT_EQ(ShowMessageDialog(nullptr, QStringLiteral("Exit?"), MbYesNo | MbDefaultButton2, QString()),
                  AnswerNo);
        EXPECT_EQ(AskTextDialog(nullptr, QStringLiteral("Name:"), QString(), AskLine, {QStringLiteral("L1")}),
                  QStringLiteral("L1"));
    }
    EXPECT_EQ(calls, (QStringList{QStringLiteral("Exit?"), QStringLiteral("Name:1")}));

    WhenOpen<frmVxwMsgBox>([](frmVxwMsgBox& box) { box.Button(AnswerRetry)->click(); });
    EXPECT_EQ(ShowMessageDialog(nullptr, QStringLiteral("Again?"), MbRetryCancel, QString()), AnswerRetry);
    EXPECT_EQ(calls.size(), 2);
}

} // namespace
} // namespace vxw
