// Name patterns come from the user (library and List Book searches). The first byte splits the
// rest into pattern and name; both syntaxes must answer without crashing, and quickly.
#include "suite/FilePatterns.h"
#include "suite/NamePattern.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    const size_t split = 1 + (data[0] % (size));
    const char* bytes = reinterpret_cast<const char*>(data);
    // Latin-1 for one half and UTF-8 for the other, so both kinds of text get exercised.
    const QString pattern = QString::fromUtf8(bytes + 1, static_cast<qsizetype>(split - 1));
    const QString name = QString::fromLatin1(bytes + split, static_cast<qsizetype>(size - split));

    const vxw::NamePattern compiled(pattern);
    const bool matches = compiled.Matches(name);
    if (matches && !compiled.IsValid()) {
        std::abort();
    }
    // A pattern without special characters matches exactly its own text (trimmed, any case).
    if (!pattern.contains(QLatin1Char('*')) && !pattern.contains(QLatin1Char('?')) &&
        !pattern.contains(QLatin1Char('#')) && !pattern.contains(QLatin1Char('[')) &&
        !compiled.Matches(pattern)) {
        std::abort();
    }
    // "*" matches everything.
    if (!vxw::NamePattern(QStringLiteral("*")).Matches(name)) {
        std::abort();
    }
    (void)vxw::FileNameMatches(name, pattern);
    return 0;
}
