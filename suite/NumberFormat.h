#pragma once
// Number formats of the "#0.000#" family used by the lists.

#include <QString>

namespace vxw {

// Formats `value` with a pattern made of digit placeholders ("0" always printed, "#" printed
// when needed) and at most one point, such as "#0.0000#", "###0.000#", "#0.000", "###0.0",
// "##0.0#" and "##0.00":
//  - the value is taken as a decimal of 15 significant digits and rounded half away from zero
//    to as many fraction digits as the pattern has placeholders after the point (so 1.255 with
//    two places gives 1.26, and a carry runs into the integer part: 9.9995 -> "10.000");
//  - after the point at least as many digits as the position of the last "0" are kept,
//    further trailing zeros are dropped;
//  - every integer digit is printed, padded with leading zeros up to the number of "0"
//    placeholders before the point;
//  - negative values get "-" (not when every printed digit is 0); the mark is always ".".
// Other characters in the pattern are ignored. NaN gives "NaN", infinities "Inf" and "-Inf".
QString FormatNumber(const QString& pattern, double value);

} // namespace vxw
