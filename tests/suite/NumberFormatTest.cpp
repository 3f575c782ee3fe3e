#include "suite/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vxw {
namespace {

TEST(FormatNumber, TableOfTheTextRules) {
    const struct {
        const char* pattern;
        double value;
        const char* text;
    } cases[] = {
        {"#0.0000#", 1 / 25.4, "0.03937"},
        {"#0.0000#", 25.4, "25.4000"},
        {"#0.0000#", 0, "0.0000"},
        {"#0.0000#", 1.23456789, "1.23457"},
        {"###0.000#", 12.5, "12.500"},
        {"###0.000#", 1234.56785, "1234.5679"},
        {"##0.0#", 1, "1.0"},
        {"##0.0#", 1.255, "1.26"},
        {"##0.00", 200.0 / 3, "66.67"},
        {"##0.00", 0.125, "0.13"},
        // Carries, rounding away from zero, signs (no "-0") and patterns without optional digits.
        {"#0.000", 9.9995, "10.000"},
        {"#0.000", 0.0005, "0.001"},
        {"#0.000", 0.0004999, "0.000"},
        {"##0.00", 99.995, "100.00"},
        {"###0.0", 0.05, "0.1"},
        {"###0.0", 0.00001, "0.0"},
        {"##0.00", -0.125, "-0.13"},
        {"#0.000", -2.5, "-2.500"},
        {"#0.000", -0.0001, "0.000"},
        {"#0.000", -0.0, "0.000"},
        {"##0.0#", 123456.789, "123456.79"},
        {"#0.0000#", 1e-7, "0.0000"},
        {"##0.00", 1e20, "100000000000000000000.00"},
        {"#.00", 0.5, ".50"},
        {"00.0", 5, "05.0"},
        {"##0", 2.5, "3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumber(QString::fromLatin1(c.pattern), c.value), QString::fromLatin1(c.text))
            << c.pattern << " " << c.value;
    }
}

TEST(FormatNumber, NonFiniteValuesGiveAWord) {
    EXPECT_EQ(FormatNumber(QStringLiteral("##0.00"), std::nan("")), QStringLiteral("NaN"));
    EXPECT_EQ(FormatNumber(QStringLiteral("##0.00"), std::numeric_limits<double>::infinity()),
              QStringLiteral("Inf"));
    EXPECT_EQ(FormatNumber(QStringLiteral("##0.00"), -std::numeric_limits<double>::infinity()),
              QStringLiteral("-Inf"));
    // The largest double prints all its integer digits.
    EXPECT_EQ(FormatNumber(QStringLiteral("#0.0"), std::numeric_limits<double>::max()).size(), 309 + 2);
}

} // namespace
} // namespace vxw
