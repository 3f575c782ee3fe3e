#pragma once
// Wildcard patterns for item names and file names, compiled once and matched against many
// names.

#include <QString>

#include <vector>

namespace vxw {

enum class PatternSyntax {
    // Item names (library search, List Book search, item matching): pattern and name are
    // trimmed of blanks and lower-cased; "*" any run (also none), "?" one character, "#" one
    // digit 0-9, "[abc]" one of the list, "[!abc]" one not in it, "a-z" a range inside the
    // brackets, "-" first or last in a list is itself, "[]" matches the empty string, "[!]" any
    // one character. An unclosed "[" makes the whole pattern match nothing.
    Name,
    // File names: only "*" and "?" are special; no trimming; case is ignored.
    FileName,
};

class NamePattern {
public:
    explicit NamePattern(const QString& pattern, PatternSyntax syntax = PatternSyntax::Name);

    // True when the whole name matches. Runs in O(name x pattern) at worst (one star retried
    // at a time), linear in practice; never exponential.
    bool Matches(const QString& name) const;

    // False for a malformed pattern (an unclosed "["), which matches nothing.
    bool IsValid() const { return valid_; }

private:
    enum class Kind : unsigned char { Literal, AnyChar, Digit, Star, Set };
    struct Token {
        Kind kind;
        bool negated = false;
        char32_t literal = 0;
        int firstRange = 0; // into ranges_, for Set
        int rangeCount = 0;
    };
    struct Range {
        char32_t low;
        char32_t high;
    };

    bool TokenMatches(const Token& token, char32_t c) const;

    std::vector<Token> tokens_;
    std::vector<Range> ranges_;
    PatternSyntax syntax_;
    bool valid_ = true;
};

// One-off match of a name against a pattern (PatternSyntax::Name).
bool MatchesName(const QString& name, const QString& pattern);

} // namespace vxw
