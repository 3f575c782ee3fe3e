#include "suite/NamePattern.h"

#include "suite/TextRules.h"

#include <QVarLengthArray>

namespace vxw {

namespace {

using CodePoints = QVarLengthArray<char32_t, 256>;

// Decodes, lower-cases and (for item names) trims in one pass without touching the heap for
// ordinary names.
void PrepareText(const QString& text, bool trim, CodePoints& out) {
    QStringView view(text);
    if (trim) {
        view = TrimBlanks(view);
    }
    out.clear();
    out.reserve(view.size());
    const qsizetype size = view.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = view[i];
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < size && view[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, view[i + 1]);
            ++i;
        }
        out.append(LowerChar(code));
    }
}

} // namespace

NamePattern::NamePattern(const QString& pattern, PatternSyntax syntax) : syntax_(syntax) {
    CodePoints p;
    PrepareText(pattern, syntax == PatternSyntax::Name, p);
    const qsizetype size = p.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char32_t c = p[i];
        if (c == U'*') {
            if (tokens_.empty() || tokens_.back().kind != Kind::Star) {
                tokens_.push_back({Kind::Star});
            }
            continue;
        }
        if (c == U'?') {
            tokens_.push_back({Kind::AnyChar});
            continue;
        }
        if (syntax == PatternSyntax::FileName) {
            tokens_.push_back({Kind::Literal, false, c});
            continue;
        }
        if (c == U'#') {
            tokens_.push_back({Kind::Digit});
            continue;
        }
        if (c != U'[') {
            tokens_.push_back({Kind::Literal, false, c});
            continue;
        }
        // A bracketed list up to the next "]".
        qsizetype close = i + 1;
        while (close < size && p[close] != U']') {
            ++close;
        }
        if (close >= size) {
            valid_ = false;
            tokens_.clear();
            ranges_.clear();
            return;
        }
        qsizetype first = i + 1;
        const qsizetype last = close; // one past the list
        i = close;
        if (first == last) {
            continue; // "[]" stands for the empty string
        }
        Token token{Kind::Set};
        if (p[first] == U'!') {
            token.negated = true;
            ++first;
        }
        token.firstRange = static_cast<int>(ranges_.size());
        for (qsizetype j = first; j < last; ++j) {
            // "a-z" is a range when the hyphen stands between two characters of the list.
            if (j + 2 < last && p[j + 1] == U'-') {
                ranges_.push_back({p[j], p[j + 2]}); // a reversed range holds nothing
                j += 2;
            } else {
                ranges_.push_back({p[j], p[j]});
            }
        }
        token.rangeCount = static_cast<int>(ranges_.size()) - token.firstRange;
        tokens_.push_back(token);
    }
}

bool NamePattern::TokenMatches(const Token& token, char32_t c) const {
    switch (token.kind) {
    case Kind::Literal:
        return token.literal == c;
    case Kind::AnyChar:
        return true;
    case Kind::Digit:
        return c >= U'0' && c <= U'9';
    case Kind::Set: {
        bool inSet = false;
        for (int r = token.firstRange; r < token.firstRange + token.rangeCount; ++r) {
            if (c >= ranges_[static_cast<size_t>(r)].low && c <= ranges_[static_cast<size_t>(r)].high) {
                inSet = true;
                break;
            }
        }
        return inSet != token.negated;
    }
    case Kind::Star:
        break;
    }
    return false;
}

bool NamePattern::Matches(const QString& name) const {
    if (!valid_) {
        return false;
    }
    CodePoints text;
    PrepareText(name, syntax_ == PatternSyntax::Name, text);

    // Every token but "*" consumes exactly one character, so only the latest star needs to be
    // retried: on a mismatch it swallows one more character and matching resumes behind it.
    const size_t tokenCount = tokens_.size();
    const qsizetype textSize = text.size();
    size_t t = 0;
    qsizetype n = 0;
    size_t starToken = tokenCount; // none yet
    qsizetype starText = 0;
    while (n < textSize) {
        if (t < tokenCount && tokens_[t].kind == Kind::Star) {
            starToken = t++;
            starText = n;
            continue;
        }
        if (t < tokenCount && TokenMatches(tokens_[t], text[n])) {
            ++t;
            ++n;
            continue;
        }
        if (starToken == tokenCount) {
            return false;
        }
        t = starToken + 1;
        n = ++starText;
    }
    while (t < tokenCount && tokens_[t].kind == Kind::Star) {
        ++t;
    }
    return t == tokenCount;
}

bool MatchesName(const QString& name, const QString& pattern) {
    return NamePattern(pattern).Matches(name);
}

} // namespace vxw
