// Numbers read from settings and profile files, and numbers written by the lists: the reader,
// the 16-bit conversion and the formats must accept any text and any double.
#include "suite/NumberFormat.h"
#include "suite/TextRules.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

const char* const kPatterns[] = {"#0.0000#", "###0.000#", "#0.000", "###0.0", "##0.0#", "##0.00"};

void CheckFormat(const QString& pattern, double value) {
    const QString text = vxw::FormatNumber(pattern, value);
    // Never longer than the integer digits of the largest double plus the pattern.
    if (text.isEmpty() || text.size() > 330 + pattern.size()) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const double read = vxw::LeadingNumber(text);
    if (!std::isfinite(read)) {
        std::abort();
    }
    const int16_t rounded = vxw::RoundToInt16(read);
    if (read >= -32768.0 && read <= 32767.0 && std::fabs(rounded - read) > 0.5) {
        std::abort();
    }
    (void)vxw::RoundToInt32(read);

    for (const char* pattern : kPatterns) {
        CheckFormat(QString::fromLatin1(pattern), read);
    }
    // The raw bytes as doubles (NaN, infinities, denormals included).
    for (size_t offset = 0; offset + sizeof(double) <= size && offset < 64; offset += sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data + offset, sizeof value);
        (void)vxw::RoundToInt16(value);
        for (const char* pattern : kPatterns) {
            CheckFormat(QString::fromLatin1(pattern), value);
        }
    }
    // The text as a pattern of its own, bounded so one run stays quick.
    if (size <= 64) {
        (void)vxw::FormatNumber(text, read);
    }
    return 0;
}
