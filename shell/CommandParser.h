#pragma once
// Commands from the host: comma-separated fields, a field in double quotes may hold commas.

#include <QString>
#include <QStringList>

#include <vector>

namespace vxw {

// The fields of one command and their numeric values.
struct ParsedCommand {
    // CommandFields: field i (1-based) is fields[i - 1].
    QStringList fields;
    // CommandValues: values[0] is the number of fields, values[i] the FieldValue of field i.
    std::vector<double> values{0.0};

    int Count() const { return static_cast<int>(fields.size()); }
    bool Has(int i) const { return i >= 1 && i <= Count(); }
    // Field i, empty outside 1..Count().
    QString Field(int i) const { return Has(i) ? fields[i - 1] : QString(); }
    double Value(int i) const { return (i >= 0 && i <= Count()) ? values[static_cast<size_t>(i)] : 0.0; }
};

// Splits a command. Fields are separated by commas; a field that starts with a double quote
// runs to the next double quote (commas inside it belong to the field), and the character
// after the closing quote (the comma) is skipped. A text that ends with a comma after an
// unquoted field has an empty last field ("VXLLSTGN,EX," gives three fields); the empty text
// gives one empty field. A quote that is never closed takes the rest of the text, without the
// quote, as the last field.
ParsedCommand ParseCommandText(const QString& text);

// ParseCommand: parses into the component-wide command state and answers it.
const ParsedCommand& ParseCommand(const QString& text);
// The component-wide state of the last parsed command (CommandFields, CommandValues).
const ParsedCommand& LastCommand();

// An empty text gives 0. Otherwise the first comma becomes a point and the value is the
// leading decimal number (" 12,5x" is 12.5).
double FieldValue(const QString& text);

} // namespace vxw
