#include "suite/NamePattern.h"
#include "suite/FilePatterns.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vxw {
namespace {

struct MatchCase {
    const char* pattern;
    const char* name;
    bool matches;
};

void ExpectMatches(const MatchCase* begin, const MatchCase* end) {
    for (const MatchCase* c = begin; c != end; ++c) {
        EXPECT_EQ(MatchesName(QString::fromUtf8(c->name), QString::fromUtf8(c->pattern)), c->matches)
            << "pattern '" << c->pattern << "' name '" << c->name << "'";
    }
}

TEST(NamePattern, WildcardsAndCase) {
    const MatchCase cases[] = {
        {"*", "", true},
        {"*", "anything", true},
        {"", "", true},
        {"", "a", false},
        {"abc*", "ABCDEF", true},
        {"abc*", "xabc", false},
        {"  abc*  ", "  AbC1 ", true},
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"a?c", "abbc", false},
        {"r#", "R1", true},
        {"r#", "Ra", false},
        {"r##", "r1", false},
        {"*1", "r11", true},
        {"a*b*c", "aXbYc", true},
        {"a*b*c", "aXcYb", false},
        {"*.*", "a.b.c", true},
        {"**a", "ba", true},
        {"?*", "", false},
        {"ÄB*", "äbc", true},
        {"a b", "A B", true},
        {"a\tb", "a\tb", true},
        // A character beyond the basic plane counts as one.
        {"a?b", "a\U0001F600b", true},
        {"a??b", "a\U0001F600b", false},
    };
    ExpectMatches(std::begin(cases), std::end(cases));
}

TEST(NamePattern, BracketLists) {
    const MatchCase cases[] = {
        {"[abc]x", "bx", true}, {"[abc]x", "dx", false},    {"[!abc]x", "dx", true}, {"[!abc]x", "ax", false},
        {"[a-c]", "b", true},   {"[a-c]", "d", false},      {"[A-C]", "b", true},    {"[-a]", "-", true},
        {"[a-]", "-", true},    {"[a-]", "b", false},       {"a[]b", "ab", true},    {"a[]b", "axb", false},
        {"[!]", "x", true},     {"[!]", "", false},         {"[*]", "*", true},      {"[*]", "a", false},
        {"[?#]", "#", true},    {"[?#]", "1", false},       {"[z-a]", "m", false},   {"[[]", "[", true},
        {"a]", "a]", true},     {"[0-9][0-9]", "42", true}, {"ab[c", "ab[c", false}, {"ab[c", "abc", false},
        {"[", "", false},
    };
    ExpectMatches(std::begin(cases), std::end(cases));
    // An unclosed bracket (the last three cases) matches nothing, not even itself.
    EXPECT_FALSE(NamePattern(QStringLiteral("ab[c")).IsValid());
}

TEST(NamePattern, ManyStarsAgainstALongNameFinish) {
    const QString name(10000, QLatin1Char('a'));
    const NamePattern pattern(QStringLiteral("*a*a*a*a*a*a*a*a*a*a*b"));
    EXPECT_FALSE(pattern.Matches(name));
    EXPECT_TRUE(pattern.Matches(name + QLatin1Char('b')));
}

TEST(FilePatterns, IgnoreCaseAndTreatBracketsLiterally) {
    EXPECT_TRUE(FileNameMatches(QStringLiteral("resistors.part"), QStringLiteral("*.PART")));
    EXPECT_TRUE(FileNameMatches(QStringLiteral("R.Part"), QStringLiteral("*.PART")));
    EXPECT_FALSE(FileNameMatches(QStringLiteral("r.parts"), QStringLiteral("*.PART")));
    EXPECT_FALSE(FileNameMatches(QStringLiteral("r.symbol"), QStringLiteral("*.PART")));
    EXPECT_TRUE(FileNameMatches(QStringLiteral("[1]#.PART"), QStringLiteral("[1]#.part")));
    EXPECT_FALSE(FileNameMatches(QStringLiteral("1.PART"), QStringLiteral("[1].part")));
    // File names are not trimmed.
    EXPECT_FALSE(FileNameMatches(QStringLiteral(" a.PART"), QStringLiteral("a.PART")));
}

TEST(FilePatterns, ListsMatchingFilesSortedWithoutRegardToCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name :
         {"b.part", "A.PART", "c.Part", "a.part", "d.symbol", ".hidden.part", "notes.txt"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.PART")));
    const QStringList expected{QStringLiteral("A.PART"), QStringLiteral("a.part"), QStringLiteral("b.part"),
                               QStringLiteral("c.Part")};
    EXPECT_EQ(ListMatchingFiles(dir.path(), QStringLiteral("*.PART")), expected);
    EXPECT_EQ(ListMatchingFiles(dir.path(), QStringLiteral("*.SYMBOL")),
              QStringList{QStringLiteral("d.symbol")});
    EXPECT_TRUE(ListMatchingFiles(dir.filePath(QStringLiteral("missing")), QStringLiteral("*")).isEmpty());
    EXPECT_TRUE(ListMatchingFiles(QString(), QStringLiteral("*")).isEmpty());
}

} // namespace
} // namespace vxw
