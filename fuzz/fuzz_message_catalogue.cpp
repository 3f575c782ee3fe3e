// The message catalogue is a text file of the language folder that users translate and patch.
// Any bytes give a catalogue, never more entries than lines; the id of each line that holds one
// finds a text no longer than the longest line (escapes only shorten; a later line may win).

#include "suite/MessageCatalogue.h"
#include "suite/TextRules.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const vxw::MessageCatalogue catalogue = vxw::MessageCatalogue::FromText(bytes);
    if (catalogue.Size() > bytes.count('\n') + 1) {
        std::abort();
    }
    // The lines as the catalogue reads them; text that is not UTF-8 is Latin-1.
    QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter)) {
        text = QString::fromLatin1(bytes);
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    qsizetype longest = 0;
    for (const QString& line : lines) {
        longest = std::max(longest, line.size());
    }
    for (const QString& line : lines) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0) {
            continue;
        }
        const std::optional<QString> found = catalogue.Find(line.left(tab));
        if (found && found->size() > longest) {
            std::abort();
        }
    }
    (void)catalogue.Find(QString());
    return 0;
}
