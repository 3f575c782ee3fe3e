#pragma once
// The suite's token splitter: a text cut at a separator, tokens counted from 1.

#include <QChar>
#include <QString>

#include <vector>

namespace vxw {

// The separator of library attribute strings: the character of code 128. Kernel text arrives
// as Latin-1, where that byte becomes U+0080; the same byte read as Windows-1252 is the euro
// sign U+20AC. A TokenList given either one splits at both, since Latin-1 text can never hold
// a real euro sign.
inline constexpr QChar kAttributeSeparator{char16_t(0x80)};

class TokenList {
public:
    TokenList() = default;
    TokenList(const QString& text, QChar separator) { SetText(text, separator); }

    // Splits `text` at every `separator`. An empty text has no tokens; otherwise there is one
    // token more than separators ("a,,b," has four: "a", "", "b", "").
    void SetText(const QString& text, QChar separator);

    int Count() const;
    // Token n (1-based), untrimmed; empty when n is outside 1..Count().
    QString Token(int n) const;
    // The leading number of token n (0 when absent or not a number).
    double Number(int n) const;

private:
    QString text_;
    std::vector<qsizetype> starts_; // start of each token; token i ends before starts_[i+1]-1
};

} // namespace vxw
