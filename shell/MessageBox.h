#pragma once
// Message box styles and answers, with the classic numeric values the callers combine.

#include <QList>
#include <QString>

namespace vxw {

// Buttons (the low bits), the four-button box, icons, default button and modality; combine
// them with "|".
enum MessageStyle : int {
    MbOk = 0,
    MbOkCancel = 1,
    MbAbortRetryIgnore = 2,
    MbYesNoCancel = 3,
    MbYesNo = 4,
    MbRetryCancel = 5,
    // The component's own box with Yes, No, "Yes &To All" and Cancel.
    MbYesNoAllCancel = 8,
    MbCritical = 0x10,
    MbQuestion = 0x20,
    MbExclamation = 0x30,
    MbInformation = 0x40,
    MbDefaultButton2 = 0x100,
    MbDefaultButton3 = 0x200,
    MbDefaultButton4 = 0x300,
    MbSystemModal = 0x1000,
};

// The code of the pressed button.
enum MessageAnswer : int {
    AnswerOk = 1,
    AnswerCancel = 2,
    AnswerAbort = 3,
    AnswerRetry = 4,
    AnswerIgnore = 5,
    AnswerYes = 6,
    AnswerNo = 7,
    AnswerYesToAll = 8,
};

// The answers of the buttons a style shows, left to right.
QList<int> MessageButtons(int style);
// The answer of the default button (the one Enter presses): the first button unless
// MbDefaultButton2..4 names another that the box has.
int DefaultAnswer(int style);
// The answer of Escape and of the window's close box: Cancel when the box has it, the only
// button of a one-button box, No of a Yes/No box; 0 when the box has none of these (Abort,
// Retry, Ignore), which then stays open until a button is pressed.
int EscapeAnswer(int style);
// The icon a style asks for: MbCritical, MbQuestion, MbExclamation, MbInformation, or 0.
int MessageIcon(int style);
// A system-modal box stays above every window, not only the component's.
bool IsSystemModal(int style);
// The caption of a button through the message catalogue, with its access key marked by "&".
QString MessageButtonCaption(int answer);

} // namespace vxw
