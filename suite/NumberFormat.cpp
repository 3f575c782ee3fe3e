#include "suite/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vxw {

namespace {

struct PatternShape {
    int minIntegerDigits = 0; // "0" placeholders before the point
    int fractionDigits = 0;   // placeholders after the point
    int keptFraction = 0;     // position of the last "0" after the point
};

PatternShape ReadPattern(const QString& pattern) {
    PatternShape shape;
    bool afterPoint = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('.')) {
            if (afterPoint) {
                break; // a second point ends the pattern
            }
            afterPoint = true;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (afterPoint) {
                ++shape.fractionDigits;
                if (c == QLatin1Char('0')) {
                    shape.keptFraction = shape.fractionDigits;
                }
            } else if (c == QLatin1Char('0')) {
                ++shape.minIntegerDigits;
            }
        }
    }
    return shape;
}

// The magnitude of `value` as 15 significant decimal digits and the number of digits before
// the point (which may be 0 or negative for values below 0.1).
void DecimalDigits(double magnitude, std::string& digits, int& pointPosition) {
    digits.clear();
    pointPosition = 0;
    if (magnitude == 0.0) {
        return;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    const char* p = buffer;
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            digits.push_back(*p);
        }
    }
    const int exponent = (*p == 'e') ? std::atoi(p + 1) : 0;
    pointPosition = exponent + 1;
}

} // namespace

QString FormatNumber(const QString& pattern, double value) {
    if (std::isnan(value)) {
        return QStringLiteral("NaN");
    }
    if (std::isinf(value)) {
        return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    }
    const PatternShape shape = ReadPattern(pattern);
    std::string digits;
    int point = 0;
    DecimalDigits(std::fabs(value), digits, point);

    // Round half away from zero to `fractionDigits` places, on the decimal digits.
    const long long kept = static_cast<long long>(point) + shape.fractionDigits;
    if (kept < static_cast<long long>(digits.size())) {
        bool roundUp = kept >= 0 && digits[static_cast<size_t>(kept)] >= '5';
        digits.resize(kept > 0 ? static_cast<size_t>(kept) : 0);
        if (roundUp) {
            size_t i = digits.size();
            while (i > 0 && digits[i - 1] == '9') {
                digits[i - 1] = '0';
                --i;
            }
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                // The carry added a digit in front ("9.99" -> "10.0", "0.0005" -> "0.001"):
                // the last digit still sits at the last kept place.
                point = static_cast<int>(digits.size()) - shape.fractionDigits;
            } else {
                ++digits[i - 1];
            }
        }
    }

    QString integerPart;
    for (int i = 0; i < point; ++i) {
        integerPart.append(
            QLatin1Char(static_cast<size_t>(i) < digits.size() ? digits[static_cast<size_t>(i)] : '0'));
    }
    while (integerPart.size() < shape.minIntegerDigits) {
        integerPart.prepend(QLatin1Char('0'));
    }
    QString fractionPart;
    for (int j = 0; j < shape.fractionDigits; ++j) {
        const long long index = static_cast<long long>(point) + j;
        const bool inDigits = index >= 0 && index < static_cast<long long>(digits.size());
        fractionPart.append(QLatin1Char(inDigits ? digits[static_cast<size_t>(index)] : '0'));
    }
    while (fractionPart.size() > shape.keptFraction && fractionPart.endsWith(QLatin1Char('0'))) {
        fractionPart.chop(1);
    }

    const bool anyNonZero = digits.find_first_not_of('0') != std::string::npos;
    QString text;
    text.reserve(integerPart.size() + fractionPart.size() + 2);
    if (value < 0 && anyNonZero) {
        text.append(QLatin1Char('-'));
    }
    text.append(integerPart);
    if (!fractionPart.isEmpty()) {
        text.append(QLatin1Char('.'));
        text.append(fractionPart);
    }
    return text;
}

} // namespace vxw
