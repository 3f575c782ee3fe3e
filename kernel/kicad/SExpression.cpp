#include "kernel/kicad/SExpression.h"

#include <charconv>
#include <cmath>

namespace vxw::kicad {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\v';
}

// Characters that end an atom.
bool EndsAtom(char c) {
    return IsSpace(c) || c == '(' || c == ')' || c == '"';
}

std::string Shown(std::string_view text) {
    constexpr size_t Longest = 40;
    std::string shown(text.substr(0, Longest));
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    return "\"" + shown + (text.size() > Longest ? "...\"" : "\"");
}

} // namespace

SExprReader::SExprReader(const char* data, size_t size) : data_(data), size_(size) {}

void SExprReader::Fail(size_t offset, std::string cause) const {
    throw SExprError{offset, std::move(cause)};
}

void SExprReader::FailEndInside() const {
    int line = 0, column = 0;
    LineColumn(ListOffset(), line, column);
    Fail(size_, "the file ends inside the list \"" + std::string(heads_.back()) + "\" begun at line " +
                    std::to_string(line) + ", column " + std::to_string(column) + " (is it cut short?)");
}

void SExprReader::SkipSpace() {
    while (pos_ < size_ && IsSpace(data_[pos_])) {
        ++pos_;
    }
}

SExprReader::Token SExprReader::Peek() {
    SkipSpace();
    tokenOffset_ = pos_;
    if (pos_ >= size_) {
        return Token::End;
    }
    switch (data_[pos_]) {
    case '(':
        return Token::Open;
    case ')':
        return Token::Close;
    case '"':
        return Token::String;
    default:
        return Token::Atom;
    }
}

std::string_view SExprReader::ReadScalar(Token token) {
    if (token == Token::Atom) {
        const size_t start = pos_;
        while (pos_ < size_ && !EndsAtom(data_[pos_])) {
            ++pos_;
        }
        return std::string_view(data_ + start, pos_ - start);
    }
    // A quoted string: backslash escapes the next character; \n, \r and \t stand for control
    // characters as KiCad writes them.
    ++pos_;
    const size_t start = pos_;
    while (pos_ < size_ && data_[pos_] != '"' && data_[pos_] != '\\') {
        ++pos_;
    }
    if (pos_ < size_ && data_[pos_] == '"') {
        ++pos_;
        return std::string_view(data_ + start, pos_ - 1 - start);
    }
    scratch_.assign(data_ + start, pos_ - start);
    while (pos_ < size_ && data_[pos_] != '"') {
        char c = data_[pos_++];
        if (c == '\\') {
            if (pos_ >= size_) {
                break;
            }
            c = data_[pos_++];
            c = c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        }
        scratch_.push_back(c);
    }
    if (pos_ >= size_) {
        Fail(tokenOffset_, "the file ends inside a quoted text (is it cut short?)");
    }
    ++pos_;
    return scratch_;
}

std::string_view SExprReader::Open() {
    if (Peek() != Token::Open) {
        Fail(tokenOffset_, "expected \"(\"");
    }
    const size_t start = pos_++;
    if (heads_.size() >= static_cast<size_t>(MaxDepth)) {
        Fail(start, "lists nest more than " + std::to_string(MaxDepth) + " deep");
    }
    std::string_view head;
    const Token token = Peek();
    if (token == Token::Atom) {
        head = ReadScalar(token);
    } else if (token == Token::String) {
        Fail(tokenOffset_, "a list must begin with a word, not a quoted text");
    } else if (token == Token::Open) {
        Fail(tokenOffset_, "a list must begin with a word, not another list");
    }
    heads_.push_back(head);
    starts_.push_back(start);
    return head;
}

bool SExprReader::More() {
    const Token token = Peek();
    if (token == Token::End) {
        FailEndInside();
    }
    if (token != Token::Close) {
        return true;
    }
    ++pos_;
    heads_.pop_back();
    starts_.pop_back();
    return false;
}

std::string_view SExprReader::Text() {
    const Token token = Peek();
    if (token == Token::Atom || token == Token::String) {
        return ReadScalar(token);
    }
    if (token == Token::End) {
        FailEndInside();
    }
    Fail(tokenOffset_, token == Token::Open ? "expected a value, found a list" : "expected a value");
}

bool SExprReader::NextIs(std::string_view word) {
    if (Peek() != Token::Atom) {
        return false;
    }
    const size_t start = pos_;
    if (ReadScalar(Token::Atom) == word) {
        return true;
    }
    pos_ = start;
    return false;
}

double SExprReader::Number() {
    const Token token = Peek();
    if (token != Token::Atom) {
        if (token == Token::End) {
            FailEndInside();
        }
        Fail(tokenOffset_, "expected a number");
    }
    const std::string_view text = ReadScalar(token);
    double value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value)) {
        Fail(tokenOffset_, "expected a number, found " + Shown(text));
    }
    return value;
}

int64_t SExprReader::Integer(int64_t low, int64_t high) {
    const Token token = Peek();
    if (token != Token::Atom) {
        if (token == Token::End) {
            FailEndInside();
        }
        Fail(tokenOffset_, "expected a whole number");
    }
    const size_t offset = tokenOffset_;
    const std::string_view text = ReadScalar(token);
    int64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        Fail(offset, "expected a whole number, found " + Shown(text));
    }
    if (value < low || value > high) {
        Fail(offset, std::to_string(value) + " is out of the range " + std::to_string(low) + ".." +
                         std::to_string(high));
    }
    return value;
}

void SExprReader::Skip() {
    const Token token = Peek();
    switch (token) {
    case Token::Open:
        Open();
        SkipRest();
        return;
    case Token::Atom:
    case Token::String:
        ReadScalar(token);
        return;
    case Token::Close:
        Fail(tokenOffset_, "unexpected \")\"");
    case Token::End:
        FailEndInside();
    }
}

void SExprReader::SkipRest() {
    // Iterative, so that skipping costs no stack whatever the nesting.
    const size_t depth = heads_.size();
    while (heads_.size() >= depth) {
        const Token token = Peek();
        if (token == Token::Open) {
            Open();
        } else if (token == Token::Close) {
            More();
        } else if (token == Token::End) {
            FailEndInside();
        } else {
            ReadScalar(token);
        }
    }
}

void SExprReader::ExpectEnd() {
    if (Peek() != Token::End) {
        Fail(tokenOffset_, "more text follows the end of the outermost list");
    }
}

std::string SExprReader::Place() const {
    std::string place;
    for (const std::string_view head : heads_) {
        if (!place.empty()) {
            place += '.';
        }
        place.append(head.substr(0, 40));
    }
    return place;
}

void SExprReader::LineColumn(size_t offset, int& line, int& column) const {
    line = 1;
    column = 1;
    const size_t end = offset < size_ ? offset : size_;
    for (size_t i = 0; i < end; ++i) {
        if (data_[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(data_[i]) & 0xC0) != 0x80) {
            ++column; // columns count characters, not the bytes of one
        }
    }
}

} // namespace vxw::kicad
