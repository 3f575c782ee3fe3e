#include "shell/TerminalInterface.h"

#include <cstdio>

namespace vxw {

namespace {

QString OneLine(const QString& text) {
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

QString AnswerName(int answer) {
    switch (answer) {
    case AnswerOk:
        return QStringLiteral("OK");
    case AnswerCancel:
        return QStringLiteral("Cancel");
    case AnswerAbort:
        return QStringLiteral("Abort");
    case AnswerRetry:
        return QStringLiteral("Retry");
    case AnswerIgnore:
        return QStringLiteral("Ignore");
    case AnswerYes:
        return QStringLiteral("Yes");
    case AnswerNo:
        return QStringLiteral("No");
    case AnswerYesToAll:
        return QStringLiteral("Yes to All");
    default:
        return QString::number(answer);
    }
}

void WriteToStandardError(const QString& line) {
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace

TerminalInterface::TerminalInterface(LineSink sink)
    : sink_(sink ? std::move(sink) : LineSink(WriteToStandardError)) {}

void TerminalInterface::WriteLine(const QString& title, const QString& text, const QString& answer) {
    QString line = OneLine(title);
    if (!line.isEmpty()) {
        line.append(QStringLiteral(": "));
    }
    line.append(OneLine(text));
    if (!answer.isNull()) {
        line.append(QStringLiteral(" [") + OneLine(answer) + QLatin1Char(']'));
    }
    sink_(line);
}

int TerminalInterface::ShowMessageBox(const QString& prompt, int style, const QString& title) {
    const int answer = DefaultAnswer(style);
    const bool question = MessageButtons(style).size() > 1;
    WriteLine(title, prompt, question ? AnswerName(answer) : QString());
    return answer;
}

QString TerminalInterface::AskText(const QString& prompt, const QString& title, int mode,
                                   const QStringList& proposals) {
    QString answer(QLatin1String("")); // not null: the line shows the answer, even when empty
    if ((mode == AskLine || mode == AskCombo || mode == AskBlock) && !proposals.isEmpty()) {
        answer = proposals.front();
    }
    WriteLine(title, prompt, answer);
    return answer;
}

void TerminalInterface::SetStatus(int panel, const QString& text) {
    status_[panel] = text;
    if (verbose_ && !text.isEmpty()) {
        sink_(OneLine(text));
    }
}

QString TerminalInterface::StatusText(int panel) const {
    return status_.value(panel);
}

} // namespace vxw
