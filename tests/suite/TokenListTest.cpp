#include "suite/TokenList.h"

#include <gtest/gtest.h>

namespace vxw {
namespace {

TEST(TokenList, CountsAndTokensFromOne) {
    const TokenList list(QStringLiteral("a,,b,"), QLatin1Char(','));
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Token(1), QStringLiteral("a"));
    EXPECT_EQ(list.Token(2), QString());
    EXPECT_EQ(list.Token(3), QStringLiteral("b"));
    EXPECT_EQ(list.Token(4), QString());
    EXPECT_EQ(list.Token(0), QString());
    EXPECT_EQ(list.Token(5), QString());
    EXPECT_EQ(list.Token(-1), QString());
}

TEST(TokenList, EmptyTextHasNoTokensAndOneWithoutSeparatorHasOne) {
    EXPECT_EQ(TokenList(QString(), QLatin1Char(',')).Count(), 0);
    const TokenList single(QStringLiteral(" x "), QLatin1Char(','));
    EXPECT_EQ(single.Count(), 1);
    EXPECT_EQ(single.Token(1), QStringLiteral(" x "));
}

TEST(TokenList, NumbersAreLeadingNumbers) {
    const TokenList list(QStringLiteral("Library Name,1,99830; 2.5mm,x"), QLatin1Char(','));
    EXPECT_EQ(list.Number(2), 1.0);
    EXPECT_EQ(list.Number(3), 99830.0);
    EXPECT_EQ(list.Number(4), 0.0);
    EXPECT_EQ(list.Number(9), 0.0);
    const TokenList spec(QStringLiteral("a,1,2;b,0,3"), QLatin1Char(';'));
    EXPECT_EQ(spec.Count(), 2);
    EXPECT_EQ(spec.Token(2), QStringLiteral("b,0,3"));
}

TEST(TokenList, Code128SplitsLatin1AndWindowsForms) {
    // Kernel text converted from Latin-1: byte 128 is U+0080.
    const QString attributes = QString::fromLatin1("Resistor\x80"
                                                   "EXT1\x80"
                                                   "\x80"
                                                   "Maker");
    TokenList list(attributes, kAttributeSeparator);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Token(1), QStringLiteral("Resistor"));
    EXPECT_EQ(list.Token(3), QString());
    EXPECT_EQ(list.Token(4), QStringLiteral("Maker"));
    // A caller that spelled the separator as the euro sign still splits Latin-1 text, and
    // the other way round.
    list.SetText(attributes, QChar(0x20AC));
    EXPECT_EQ(list.Count(), 4);
    list.SetText(QStringLiteral("a\u20ACb"), kAttributeSeparator);
    EXPECT_EQ(list.Count(), 2);
    // Other separators do not split at code 128.
    list.SetText(attributes, QLatin1Char(','));
    EXPECT_EQ(list.Count(), 1);
}

} // namespace
} // namespace vxw
