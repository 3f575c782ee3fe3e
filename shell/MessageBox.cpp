#include "shell/MessageBox.h"

#include "suite/SuiteServices.h"

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

int EscapeAnswer(int style) {
    const QList<int> buttons = MessageButtons(style);
    if (buttons.contains(AnswerCancel)) {
        return AnswerCancel;
    }
    if (buttons.size() == 1) {
        return buttons.front();
    }
    // Leaving a Yes/No question answers the harmless No: callers act on Yes only.
    return buttons.contains(AnswerNo) ? AnswerNo : 0;
}

int MessageIcon(int style) {
    switch (style & 0x70) {
    case MbCritical:
    case MbQuestion:
    case MbExclamation:
    case MbInformation:
        return style & 0x70;
    default:
        return 0;
    }
}

bool IsSystemModal(int style) {
    return (style & MbSystemModal) != 0;
}

QString MessageButtonCaption(int answer) {
    struct Caption {
        int answer;
        const char* id;
        const char* text;
    };
    static constexpr Caption kCaptions[] = {
        {AnswerOk, "99176", "OK"},          {AnswerCancel, "99388", "Cancel"},
        {AnswerAbort, "99179", "&Abort"},   {AnswerRetry, "99180", "&Retry"},
        {AnswerIgnore, "99181", "&Ignore"}, {AnswerYes, "99182", "&Yes"},
        {AnswerNo, "99183", "&No"},         {AnswerYesToAll, "99184", "Yes &To All"},
    };
    for (const Caption& caption : kCaptions) {
        if (caption.answer == answer) {
            return Suite().GetMessageText(QLatin1String(caption.text), QLatin1String(caption.id));
        }
    }
    return QString::number(answer);
}

} // namespace vxw
