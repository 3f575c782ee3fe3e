// Host commands arrive as text from another process: ParseCommand and FieldValue must take
// any text without crashing, hanging or growing beyond the text.
#include "shell/CommandParser.h"
#include "shell/HostCommand.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const vxw::ParsedCommand command = vxw::ParseCommandText(text);
    // Every field is a piece of the text, and there is at most one field per comma plus one.
    if (command.Count() < 1 || command.Count() > text.size() + 1 ||
        command.values.size() != static_cast<size_t>(command.Count()) + 1 ||
        command.values[0] != static_cast<double>(command.Count())) {
        std::abort();
    }
    qsizetype total = 0;
    for (const QString& field : command.fields) {
        total += field.size();
    }
    if (total > text.size()) {
        std::abort();
    }
    (void)vxw::FieldValue(text);
    (void)vxw::DecideHostCommand(text);
    return 0;
}
