#include "shell/ErrorTable.h"
#include "shell/MessageBox.h"
#include "shell/RecordingInterface.h"
#include "shell/TerminalInterface.h"

#include "kernel/KernelAccess.h"
#include "kernel/MemoryKernel.h"
#include "suite/SuiteServices.h"
#include "tests/CatalogueSuite.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vxw {
namespace {

// A suite with a catalogue of the given text, and a kernel that knows the product name.
class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        auto kernel = std::make_unique<MemoryKernel>();
        kernel->E_SetString("PRODUCT_NAME", "Vexil 2000");
        kernel_ = std::make_unique<ScopedKernel>(std::move(kernel));
        UseCatalogue(QByteArray());
    }

    void UseCatalogue(const QByteArray& text) { UseCatalogueIn(dir_.path(), text, suite_); }

    QTemporaryDir dir_;
    std::unique_ptr<ScopedKernel> kernel_;
    std::unique_ptr<ScopedSuite> suite_;
};

TEST_F(MessagesTest, ErrorTextsByCode) {
    const QString r1 = QStringLiteral("R1");
    EXPECT_EQ(ReportErrorText(1, r1), QStringLiteral("Can't find Part: R1"));
    EXPECT_EQ(ReportErrorText(8, r1), QStringLiteral("Cant Read Menu Profile"));
    EXPECT_EQ(ReportErrorText(33, r1), QStringLiteral("Next Text Edit - Pin Not Found: R1"));
    EXPECT_EQ(ReportErrorText(36, QStringLiteral("N1")),
              QStringLiteral("Some nodes in Net: N1 are layout only - can't split"));
    EXPECT_EQ(ReportErrorText(37, r1), QStringLiteral("Unknown Error"));
    EXPECT_EQ(ReportErrorText(59, QStringLiteral("B1")), QStringLiteral("Bus: B1 not found"));
    EXPECT_EQ(ReportErrorText(86, QStringLiteral("a.txt")), QStringLiteral("Save of a.txt failed"));
    // The two texts of 501 and 502 would run into the detail; a blank keeps the words apart.
    EXPECT_EQ(ReportErrorText(501, QStringLiteral("SUB")),
              QStringLiteral("(Sub)circuit: SUB already assigned to other type of component"));
    EXPECT_EQ(ReportErrorText(502, QStringLiteral("SUB")),
              QStringLiteral("Can't assign Circuit SUB as Subcircuit"));
    EXPECT_EQ(ReportErrorText(502, QString()), QStringLiteral("Can't assign Circuit as Subcircuit"));
    EXPECT_EQ(ReportErrorText(75, QStringLiteral("x")), QStringLiteral("Can't execute swap: - x"));
    EXPECT_EQ(ReportErrorText(1001, r1), QStringLiteral("Check Page Size & Placement Patterns."));
    EXPECT_EQ(ReportErrorText(-5, r1), QStringLiteral("Unknown Error"));
    EXPECT_EQ(ReportErrorText(999999, r1), QStringLiteral("Unknown Error"));
    EXPECT_STREQ(LookUpError(4000).id, "991362");
    EXPECT_STREQ(LookUpError(3002).id, "16321");
}

TEST_F(MessagesTest, ErrorTextsComeThroughTheCatalogue) {
    UseCatalogue("99345\tTeil fehlt:\n"
                 "991239\tNetz \n"
                 "99212\tnur im Layout\n"
                 "991362\tUnbekannt\n");
    // The detail stays even when the catalogue text lost its final blank.
    EXPECT_EQ(ReportErrorText(1, QStringLiteral("R1")), QStringLiteral("Teil fehlt:R1"));
    EXPECT_EQ(ReportErrorText(36, QStringLiteral("N1")), QStringLiteral("Netz N1 nur im Layout"));
    EXPECT_EQ(ReportErrorText(12345, QStringLiteral("x")), QStringLiteral("Unbekannt"));
}

TEST_F(MessagesTest, BoxTitlesNameTheProduct) {
    RecordingInterface ui;
    ui.ReportError(1, QStringLiteral("R1")); // an exclamation box
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, QStringLiteral("Can't find Part: R1"));
    EXPECT_EQ(ui.messages[0].style, MbExclamation | MbOk);
    EXPECT_EQ(ui.messages[0].title, QStringLiteral("Vexil 2000 - List Generator ()"));

    ui.messageAnswers.push_back(AnswerNo);
    EXPECT_EQ(ui.ShowMessage(QStringLiteral("Exit?"), MbYesNo | MbExclamation), AnswerNo);
    EXPECT_EQ(ui.messages.back().title, QStringLiteral("Vexil 2000"));
    EXPECT_EQ(ui.ShowMessage(QStringLiteral("Exit?"), MbYesNo, QStringLiteral("Own")), AnswerYes);
    EXPECT_EQ(ui.messages.back().title, QStringLiteral("Own"));
}

TEST(MessageBox, DefaultEscapeIconAndModalityByStyle) {
    struct Case {
        int style;
        int answer; // of the default button
        int escape;
        int icon;
        bool systemModal;
    };
    const Case cases[] = {
        {MbOk, AnswerOk, AnswerOk, 0, false},
        {MbOkCancel | MbCritical, AnswerOk, AnswerCancel, MbCritical, false},
        {MbAbortRetryIgnore | MbExclamation, AnswerAbort, 0, MbExclamation, false},
        {MbYesNoCancel | MbQuestion | MbDefaultButton2, AnswerNo, AnswerCancel, MbQuestion, false},
        {MbYesNo | MbExclamation | MbSystemModal, AnswerYes, AnswerNo, MbExclamation, true},
        {MbYesNo | MbDefaultButton4, AnswerYes, AnswerNo, 0, false}, // no fourth button
        {MbRetryCancel | MbInformation, AnswerRetry, AnswerCancel, MbInformation, false},
        {MbYesNoAllCancel | MbDefaultButton3, AnswerYesToAll, AnswerCancel, 0, false},
        {MbYesNoAllCancel | MbDefaultButton4, AnswerCancel, AnswerCancel, 0, false},
        {0x70 | 7, AnswerOk, AnswerOk, 0, false}, // unknown icon and buttons: a plain OK box
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        EXPECT_EQ(DefaultAnswer(c.style), c.answer);
        EXPECT_EQ(EscapeAnswer(c.style), c.escape);
        EXPECT_EQ(MessageIcon(c.style), c.icon);
        EXPECT_EQ(IsSystemModal(c.style), c.systemModal);
    }
    EXPECT_EQ(MessageButtons(MbYesNoCancel), (QList<int>{AnswerYes, AnswerNo, AnswerCancel}));
}

TEST_F(MessagesTest, ButtonCaptionsComeThroughTheCatalogue) {
    EXPECT_EQ(MessageButtonCaption(AnswerYesToAll), QStringLiteral("Yes &To All"));
    EXPECT_EQ(MessageButtonCaption(AnswerCancel), QStringLiteral("Cancel"));
    UseCatalogue("99184\tJa, &alle\n99388\tAbbrechen\n");
    EXPECT_EQ(MessageButtonCaption(AnswerYesToAll), QStringLiteral("Ja, &alle"));
    EXPECT_EQ(MessageButtonCaption(AnswerCancel), QStringLiteral("Abbrechen"));
    EXPECT_EQ(MessageButtonCaption(AnswerYes), QStringLiteral("&Yes"));
}

TEST(TerminalInterface, WritesOneLinePerMessageAndAnswersDefaults) {
    QStringList lines;
    TerminalInterface terminal([&](const QString& line) { lines.append(line); });
    EXPECT_EQ(
        terminal.ShowMessageBox(QStringLiteral("Can't find\r\nPart: R1"), MbExclamation, QStringLiteral("T")),
        AnswerOk);
    EXPECT_EQ(terminal.ShowMessageBox(QStringLiteral("Exit?"), MbYesNo | MbDefaultButton2, QString()),
              AnswerNo);
    EXPECT_EQ(
        terminal.AskText(QStringLiteral("Name"), QStringLiteral("Q"), AskLine, {QStringLiteral("List 1")}),
        QStringLiteral("List 1"));
    EXPECT_EQ(
        terminal.AskText(QStringLiteral("Pick"), QStringLiteral("Q"), AskDropdown, {QStringLiteral("a")}),
        QString());
    EXPECT_EQ(terminal.AskText(QStringLiteral("Name"), QStringLiteral("Q"), AskLine, {}), QString());
    const QStringList expected{QStringLiteral("T: Can't find Part: R1"), QStringLiteral("Exit? [No]"),
                               QStringLiteral("Q: Name [List 1]"), QStringLiteral("Q: Pick []"),
                               QStringLiteral("Q: Name []")};
    EXPECT_EQ(lines, expected);

    terminal.SetStatus(2, QStringLiteral("File: a.PART"));
    EXPECT_EQ(terminal.StatusText(2), QStringLiteral("File: a.PART"));
    EXPECT_EQ(lines.size(), expected.size()); // status is silent unless verbose
}

} // namespace
} // namespace vxw
