#pragma once
// The classic text rules every list relies on: blank trimming, length-keeping case mapping,
// the leading-number reader and the conversion to 16-bit integers. Each rule lives here once
// so that every list prints and reads the same way.

#include <QString>
#include <QStringView>

#include <cstdint>

namespace vxw {

// Removes the blank (U+0020) only, at both ends; tabs, line ends and no-break spaces stay.
QString TrimBlanks(const QString& text);
QStringView TrimBlanks(QStringView text);

// Every control character (below U+0020, and U+007F) replaced by a blank, so a name taken from
// outside stays on one line of a listing.
QString ControlsAsBlanks(const QString& text);

// Per-character case mapping: one character (code point) maps to exactly one, so the length
// never changes ("ß" stays "ß" in upper case, a fixed-width cell stays fixed).
QString UpperCase(const QString& text);
QString LowerCase(const QString& text);
char32_t LowerChar(char32_t c);
char32_t UpperChar(char32_t c);

// The "leading number" of a text: leading blanks skipped, then an optional sign, digits, an
// optional point and digits, an optional exponent ("e" or "E", optional sign, digits). Reading
// stops at the first character that cannot continue the number; blanks inside a number end it
// (" 12 34" reads 12). No number gives 0, and so does a magnitude beyond what a double holds, so
// the result is always finite.
double LeadingNumber(QStringView text);

// Rounds half to even (0.5 -> 0, 1.5 -> 2, 2.5 -> 2) and clamps to -32768..32767; NaN gives 0.
// Out-of-range values saturate, they never wrap.
int16_t RoundToInt16(double value);

// Rounds half to even and clamps to the 32-bit range; NaN gives 0.
int32_t RoundToInt32(double value);

} // namespace vxw
