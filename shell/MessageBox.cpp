#include "shell/MessageBox.h"

namespace vxw {

QList<int> MessageButtons(int style) {
    if ((style & MbYesNoAllCancel) != 0) {
        return {AnswerYes, AnswerNo, AnswerYesToAll, AnswerCancel};
    }
    switch (style & 0x7) {
    case MbOkCancel:
        return {AnswerOk, AnswerCancel};
    case MbAbortRetryIgnore:
        return {AnswerAbort, AnswerRetry, AnswerIgnore};
    case MbYesNoCancel:
        return {AnswerYes, AnswerNo, AnswerCancel};
    case MbYesNo:
        return {AnswerYes, AnswerNo};
    case MbRetryCancel:
        return {AnswerRetry, AnswerCancel};
    default:
        return {AnswerOk};
    }
}

int DefaultAnswer(int style) {
    const QList<int> buttons = MessageButtons(style);
    const qsizetype index = (style & 0x300) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

} // namespace vxw
