#include "shell/CommandParser.h"

#include "suite/TextRules.h"

namespace vxw {

namespace {

ParsedCommand& CommandState() {
    static ParsedCommand state;
    return state;
}

} // namespace

ParsedCommand ParseCommandText(const QString& text) {
    ParsedCommand command;
    const qsizetype length = text.size();
    const QChar quote(QLatin1Char('"'));
    const QChar comma(QLatin1Char(','));
    qsizetype p = 0; // 0-based position
    while (true) {
        if (p < length - 1 && text[p] == quote) {
            const qsizetype close = text.indexOf(quote, p + 1);
            if (close < 0) {
                command.fields.append(text.mid(p + 1));
                break;
            }
            command.fields.append(text.mid(p + 1, close - p - 1));
            p = close + 2; // past the closing quote and the comma behind it
            if (p >= length) {
                break;
            }
            continue;
        }
        const qsizetype next = (p < length) ? text.indexOf(comma, p) : -1;
        if (next >= 0) {
            command.fields.append(text.mid(p, next - p));
            p = next + 1;
            if (p < length) {
                continue;
            }
        }
        // No further comma, or the text ended with one: the rest is the last field.
        command.fields.append(p < length ? text.mid(p) : QString());
        break;
    }
    command.values.assign(static_cast<size_t>(command.fields.size()) + 1, 0.0);
    command.values[0] = static_cast<double>(command.fields.size());
    for (qsizetype i = 0; i < command.fields.size(); ++i) {
        command.values[static_cast<size_t>(i) + 1] = FieldValue(command.fields[i]);
    }
    return command;
}

const ParsedCommand& ParseCommand(const QString& text) {
    CommandState() = ParseCommandText(text);
    return CommandState();
}

const ParsedCommand& LastCommand() {
    return CommandState();
}

double FieldValue(const QString& text) {
    if (text.isEmpty()) {
        return 0.0;
    }
    QString number = text;
    const qsizetype comma = number.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        number[comma] = QLatin1Char('.');
    }
    return LeadingNumber(number);
}

} // namespace vxw
