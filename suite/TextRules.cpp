#include "suite/TextRules.h"

#include <charconv>
#include <cmath>
#include <string>

namespace vxw {

namespace {

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ');
}

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Maps every code point through `map`; a mapping that would change the number of UTF-16 units
// (never the case for the simple mappings, but cheap to rule out) keeps the original.
template <typename Map> QString MapChars(const QString& text, Map map) {
    QString result = text;
    QChar* out = result.data();
    const qsizetype size = result.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = out[i];
        if (c.isHighSurrogate() && i + 1 < size && out[i + 1].isLowSurrogate()) {
            const char32_t original = QChar::surrogateToUcs4(c, out[i + 1]);
            const char32_t mapped = map(original);
            if (QChar::requiresSurrogates(mapped)) {
                out[i] = QChar(QChar::highSurrogate(mapped));
                out[i + 1] = QChar(QChar::lowSurrogate(mapped));
            }
            ++i;
            continue;
        }
        const char32_t mapped = map(char32_t(c.unicode()));
        if (!QChar::requiresSurrogates(mapped)) {
            out[i] = QChar(char16_t(mapped));
        }
    }
    return result;
}

} // namespace

QStringView TrimBlanks(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsBlank(text[first])) {
        ++first;
    }
    while (last > first && IsBlank(text[last - 1])) {
        --last;
    }
    return text.mid(first, last - first);
}

QString TrimBlanks(const QString& text) {
    const QStringView trimmed = TrimBlanks(QStringView(text));
    if (trimmed.size() == text.size()) {
        return text;
    }
    return trimmed.toString();
}

char32_t LowerChar(char32_t c) {
    if (c < 0x80) {
        return (c >= U'A' && c <= U'Z') ? c + 32 : c;
    }
    return QChar::toLower(c);
}

char32_t UpperChar(char32_t c) {
    if (c < 0x80) {
        return (c >= U'a' && c <= U'z') ? c - 32 : c;
    }
    const char32_t upper = QChar::toUpper(c);
    // Names are 8-bit text and lists are written as such: a Latin-1 letter whose capital lies
    // outside that set ("µ", "ÿ") stays as it is, or "10µF" would be written "10?F".
    return c <= 0xFF && upper > 0xFF ? c : upper;
}

QString ControlsAsBlanks(const QString& text) {
    QString line = text;
    for (QChar& c : line) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            c = QLatin1Char(' ');
        }
    }
    return line;
}

QString UpperCase(const QString& text) {
    return MapChars(text, UpperChar);
}

QString LowerCase(const QString& text) {
    return MapChars(text, LowerChar);
}

double LeadingNumber(QStringView text) {
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < size && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    // The number is copied as ASCII (without its sign) so that a locale-free parser reads it.
    std::string digits;
    bool anyDigit = false;
    while (i < size && IsAsciiDigit(text[i])) {
        digits.push_back(char(text[i].unicode()));
        anyDigit = true;
        ++i;
    }
    if (i < size && text[i] == QLatin1Char('.')) {
        digits.push_back('.');
        ++i;
        while (i < size && IsAsciiDigit(text[i])) {
            digits.push_back(char(text[i].unicode()));
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    if (i < size && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < size && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) {
            exponent.push_back(char(text[j].unicode()));
            ++j;
        }
        if (j < size && IsAsciiDigit(text[j])) {
            while (j < size && IsAsciiDigit(text[j])) {
                exponent.push_back(char(text[j].unicode()));
                ++j;
            }
            digits += exponent;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) {
        // Beyond the range of a double: treated like no number (tiny values read as 0 anyway).
        return 0.0;
    }
    return negative ? -value : value;
}

namespace {

double RoundHalfEven(double value) {
    const double floorValue = std::floor(value);
    const double fraction = value - floorValue;
    if (fraction > 0.5) {
        return floorValue + 1.0;
    }
    if (fraction < 0.5) {
        return floorValue;
    }
    return std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
}

} // namespace

int16_t RoundToInt16(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 32767.0) {
        return 32767;
    }
    if (value <= -32768.0) {
        return -32768;
    }
    return static_cast<int16_t>(RoundHalfEven(value));
}

int32_t RoundToInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return 2147483647;
    }
    if (value <= -2147483648.0) {
        return static_cast<int32_t>(-2147483647 - 1);
    }
    return static_cast<int32_t>(RoundHalfEven(value));
}

} // namespace vxw
