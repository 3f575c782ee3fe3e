#include "suite/TokenList.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace vxw {
namespace {

// Tokens 1..Count(), so a wrong count shows as a wrong list.
QStringList Tokens(const TokenList& list) {
    QStringList tokens;
    for (int i = 1; i <= list.Count(); ++i) {
        tokens.append(list.Token(i));
    }
    return tokens;
}

TEST(TokenList, CountsAndTokensFromOne) {
    const TokenList list(QStringLiteral("a,,b,"), QLatin1Char(','));
    EXPECT_EQ(Tokens(list), (QStringList{"a", "", "b", ""}));
    EXPECT_EQ(list.Token(0), QString());
    EXPECT_EQ(list.Token(5), QString());
    EXPECT_EQ(list.Token(-1), QString());
    // Empty text has no tokens; text without the separator is one, blanks kept.
    EXPECT_EQ(Tokens(TokenList(QString(), QLatin1Char(','))), QStringList());
    EXPECT_EQ(Tokens(TokenList(QStringLiteral(" x "), QLatin1Char(','))), QStringList{" x "});
    EXPECT_EQ(Tokens(TokenList(QStringLiteral("a,1,2;b,0,3"), QLatin1Char(';'))),
              (QStringList{"a,1,2", "b,0,3"}));
}

TEST(TokenList, NumbersAreLeadingNumbers) {
    const TokenList list(QStringLiteral("Library Name,1,99830; 2.5mm,x"), QLatin1Char(','));
    EXPECT_EQ(list.Number(2), 1.0);
    EXPECT_EQ(list.Number(3), 99830.0);
    EXPECT_EQ(list.Number(4), 0.0);
    EXPECT_EQ(list.Number(9), 0.0);
}

TEST(TokenList, Code128SplitsLatin1AndWindowsForms) {
    // Kernel text converted from Latin-1: byte 128 is U+0080.
    const QString attributes = QString::fromLatin1("Resistor\x80"
                                                   "EXT1\x80"
                                                   "\x80"
                                                   "Maker");
    TokenList list(attributes, kAttributeSeparator);
    EXPECT_EQ(Tokens(list), (QStringList{"Resistor", "EXT1", "", "Maker"}));
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
