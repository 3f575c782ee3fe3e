#include "suite/TextRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vxw {
namespace {

TEST(TrimBlanks, RemovesOnlyBlanksAtBothEnds) {
    EXPECT_EQ(TrimBlanks(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("\ta\r\n")), QStringLiteral("\ta\r\n"));
    EXPECT_EQ(TrimBlanks(QStringLiteral(" \u00A0x\u00A0 ")), QStringLiteral("\u00A0x\u00A0"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("   ")), QString());
    EXPECT_EQ(TrimBlanks(QString()), QString());
}

TEST(ControlsAsBlanks, KeepsANameOnOneLineAndItsLength) {
    EXPECT_EQ(ControlsAsBlanks(QStringLiteral("A\r\nB\tC\x7f\u00e9")), QStringLiteral("A  B C \u00e9"));
}

TEST(CaseMapping, MapsEachCharacterToOneAndKeepsTheLength) {
    EXPECT_EQ(UpperCase(QStringLiteral("abc xyz 1")), QStringLiteral("ABC XYZ 1"));
    EXPECT_EQ(LowerCase(QStringLiteral("ÄÖÜ Straße")), QStringLiteral("äöü straße"));
    // A full-string mapping would turn "ß" into "SS" and break fixed-width cells.
    const QString german = QStringLiteral("straße");
    EXPECT_EQ(UpperCase(german), QStringLiteral("STRAßE"));
    EXPECT_EQ(UpperCase(german).size(), german.size());
    // Latin-1 letters whose capitals lie outside Latin-1 keep their 8-bit form.
    EXPECT_EQ(UpperCase(QStringLiteral("10µf ÿ à")), QStringLiteral("10µF ÿ À"));
    // Dotted capital I lower-cases to one character here.
    EXPECT_EQ(LowerCase(QStringLiteral("\u0130")).size(), 1);
    // Letters outside the basic plane keep their two code units.
    const QString deseret = QString::fromUcs4(U"\U00010400x");
    EXPECT_EQ(LowerCase(deseret), QString::fromUcs4(U"\U00010428x"));
    EXPECT_EQ(UpperCase(QString::fromUcs4(U"\U00010428")), QString::fromUcs4(U"\U00010400"));
    // A lone surrogate stays as it is.
    const QString lone(QChar(0xD800));
    EXPECT_EQ(UpperCase(lone), lone);
}

TEST(LeadingNumber, ReadsTheClassicForms) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},        {"abc", 0},       {"  42", 42},  {"-7x", -7},   {"+3.5", 3.5},
        {".25", 0.25},  {"-.5", -0.5},    {"1.", 1},     {".", 0},      {"-", 0},
        {"1e3", 1000},  {"2.5E-1", 0.25}, {"1e", 1},     {"1e+", 1},    {"3e2x", 300},
        {" 12 34", 12}, {"12,5", 12},     {"\t5", 0},    {"007", 7},    {"1.2.3", 1.2},
        {"- 5", 0},     {"1e999", 0},     {"-1e999", 0}, {"1e-999", 0}, {"0x10", 0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
    }
}

TEST(LeadingNumber, LongDigitRunsStayFinite) {
    const QString huge = QString(400, QLatin1Char('9'));
    EXPECT_EQ(LeadingNumber(huge), 0.0); // beyond a double
    const QString longFraction = QStringLiteral("0.") + QString(10000, QLatin1Char('3'));
    EXPECT_NEAR(LeadingNumber(longFraction), 1.0 / 3.0, 1e-15);
}

TEST(RoundToInt16, RoundsHalfToEvenAndSaturates) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int rounded;
    } cases[] = {
        {0.5, 0},       {1.5, 2},           {2.5, 2},         {-0.5, 0},        {-1.5, -2},
        {-2.5, -2},     {2.4999, 2},        {2.5001, 3},      {32767.4, 32767}, {32767.5, 32767},
        {40000, 32767}, {-32768.5, -32768}, {-1e300, -32768}, {inf, 32767},     {std::nan(""), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToInt16(c.value), c.rounded) << c.value;
    }
    EXPECT_EQ(RoundToInt32(3e9), 2147483647);
    EXPECT_EQ(RoundToInt32(-3e9), -2147483647 - 1);
    EXPECT_EQ(RoundToInt32(1234.5), 1234);
}

} // namespace
} // namespace vxw
