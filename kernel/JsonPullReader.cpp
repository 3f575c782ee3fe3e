#include "kernel/JsonPullReader.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace vxw {
namespace {

std::string CodePointText(uint32_t code) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(code));
    return buffer;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

JsonPullReader::JsonPullReader(const char* data, size_t size) : data_(data), size_(size) {}

// Nothing is read or taken yet: the first call fills the window.
JsonPullReader::JsonPullReader(TextSource& source, ReadWindow window)
    : data_(nullptr), size_(0), margin_(std::max<size_t>(window.margin, 1)), source_(&source),
      capacity_(std::max(window.capacity, 2 * margin_)), baseCapacity_(capacity_) {}

// Called only with a margin, that is with a source not yet at its end.
void JsonPullReader::Refill() {
    const size_t kept = size_ - pos_;
    if (!window_ || (capacity_ > baseCapacity_ && kept <= baseCapacity_ / 2)) {
        // A window that grew for one long token goes back to its size.
        auto fresh = std::make_unique_for_overwrite<char[]>(baseCapacity_);
        if (kept > 0) {
            std::memcpy(fresh.get(), data_ + pos_, kept);
        }
        window_ = std::move(fresh);
        capacity_ = baseCapacity_;
    } else if (kept > 0) {
        std::memmove(window_.get(), window_.get() + pos_, kept);
    }
    data_ = window_.get();
    base_ += pos_;
    pos_ = 0;
    size_ = kept;
    while (size_ < capacity_) {
        const size_t got = source_->Read(window_.get() + size_, capacity_ - size_);
        if (got == 0) {
            margin_ = 0; // the end is in the window
            break;
        }
        size_ += got;
    }
}

bool JsonPullReader::Extend() {
    if (margin_ == 0) {
        return false;
    }
    if (!window_) {
        Refill();
        return size_ > pos_;
    }
    if (size_ == capacity_) {
        const size_t remaining = source_->Remaining();
        if (remaining == 0) {
            margin_ = 0;
            return false;
        }
        const size_t grown = std::max(capacity_ + 1, std::min(2 * capacity_, size_ + remaining));
        auto bigger = std::make_unique_for_overwrite<char[]>(grown);
        std::memcpy(bigger.get(), window_.get(), size_);
        window_ = std::move(bigger);
        data_ = window_.get();
        capacity_ = grown;
    }
    const size_t got = source_->Read(window_.get() + size_, capacity_ - size_);
    if (got == 0) {
        margin_ = 0;
        return false;
    }
    size_ += got;
    return true;
}

void JsonPullReader::Fail(size_t offset, std::string cause) const {
    throw JsonReadError{offset, std::move(cause)};
}

void JsonPullReader::SkipSpaceRun() {
    while (pos_ < size_ || Extend()) {
#ifdef __SSE2__
        // A line's indentation comes in long runs of blanks: sixteen bytes at a time.
        if (size_ - pos_ >= 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data_ + pos_));
            const auto blanks =
                static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' '))));
            if (blanks == 0xFFFFu) {
                pos_ += 16;
                continue;
            }
            pos_ += static_cast<size_t>(std::countr_one(blanks));
        }
#endif
        const char c = data_[pos_];
        if (c != ' ' && c != '\n' && c != '\t' && c != '\r') {
            return;
        }
        ++pos_;
    }
}

void JsonPullReader::Expect(char c, const char* what) {
    SkipSpace();
    if (pos_ >= size_ || data_[pos_] != c) {
        FailHere(std::string("expected ") + what);
    }
    ++pos_;
}

JsonPullReader::Token JsonPullReader::Peek() {
    SkipSpace();
    if (pos_ >= size_) {
        FailHere("unexpected end of the file");
    }
    valueOffset_ = base_ + pos_;
    const char c = data_[pos_];
    switch (c) {
    case '{':
        return Token::Object;
    case '[':
        return Token::Array;
    case '"':
        return Token::String;
    case 't':
        return Token::True;
    case 'f':
        return Token::False;
    case 'n':
        return Token::Null;
    default:
        break;
    }
    if (c == '-' || IsDigit(c)) {
        return Token::Number;
    }
    const auto byte = static_cast<unsigned char>(c);
    char text[40];
    if (byte >= 0x20 && byte < 0x7F) {
        std::snprintf(text, sizeof text, "unexpected character '%c'", c);
    } else {
        std::snprintf(text, sizeof text, "unexpected byte 0x%02X", byte);
    }
    FailHere(text);
}

void JsonPullReader::BeginObject() {
    Expect('{', "an object");
    if (depth_ >= MaxDepth) {
        Fail(base_ + pos_ - 1, "nesting deeper than " + std::to_string(MaxDepth) + " levels");
    }
    OpenContainer();
}

bool JsonPullReader::NextKey(std::string_view& key) {
    Prepare();
    SkipSpace();
    if (pos_ >= size_) {
        FailHere("unexpected end of the file inside an object");
    }
    if (data_[pos_] == '}') {
        ++pos_;
        CloseContainer();
        return false;
    }
    if (!AtFirstMember()) {
        if (data_[pos_] != ',') {
            FailHere("expected ',' or '}'");
        }
        ++pos_;
        SkipSpace();
    }
    if (pos_ >= size_ || data_[pos_] != '"') {
        FailHere("expected a key in double quotes");
    }
    keyOffset_ = base_ + pos_;
    ++pos_;
    const size_t start = pos_;
    if (const size_t end = PlainRunEnd(pos_); end < size_ && data_[end] == '"') {
        escaped_ = false;
        pos_ = end + 1;
        // Nearly always the colon follows at once. Looking further may move the window, so the
        // view is taken after.
        if (pos_ < size_ && data_[pos_] == ':') {
            ++pos_;
        } else {
            Expect(':', "':' after the key");
        }
        key = std::string_view(data_ + start, end - start);
    } else {
        keyScratch_.clear();
        ReadStringBody(keyScratch_);
        Expect(':', "':' after the key");
        key = keyScratch_;
    }
    MemberRead();
    return true;
}

void JsonPullReader::BeginArray() {
    Expect('[', "an array");
    if (depth_ >= MaxDepth) {
        Fail(base_ + pos_ - 1, "nesting deeper than " + std::to_string(MaxDepth) + " levels");
    }
    OpenContainer();
}

bool JsonPullReader::NextElement() {
    Prepare();
    SkipSpace();
    if (pos_ >= size_) {
        FailHere("unexpected end of the file inside an array");
    }
    if (data_[pos_] == ']') {
        ++pos_;
        CloseContainer();
        return false;
    }
    if (!AtFirstMember()) {
        if (data_[pos_] != ',') {
            FailHere("expected ',' or ']'");
        }
        ++pos_;
    }
    MemberRead();
    return true;
}

std::string JsonPullReader::ReadString() {
    Expect('"', "a string");
    std::string text;
    ReadStringBody(text);
    return text;
}

size_t JsonPullReader::PlainRunEnd(size_t from) const {
    size_t end = from;
#ifdef __SSE2__
    // Sixteen bytes at a time: a signed compare below 0x20 catches both the control characters
    // and the bytes from 0x80 up.
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i backslash = _mm_set1_epi8('\\');
    const __m128i blank = _mm_set1_epi8(0x20);
    for (; size_ - end >= 16; end += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data_ + end));
        const __m128i stop =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, quote), _mm_cmpeq_epi8(bytes, backslash)),
                         _mm_cmplt_epi8(bytes, blank));
        if (const int mask = _mm_movemask_epi8(stop); mask != 0) {
            return end + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
        }
    }
#endif
    for (; end < size_; ++end) {
        const auto c = static_cast<unsigned char>(data_[end]);
        if (c == '"' || c == '\\' || c < 0x20 || c >= 0x80) {
            break;
        }
    }
    return end;
}

void JsonPullReader::ReadStringBody(std::string& out) {
    escaped_ = false;
    while (pos_ < size_ || Extend()) {
        // Copy a run of plain ASCII at once.
        const size_t end = PlainRunEnd(pos_);
        out.append(data_ + pos_, end - pos_);
        pos_ = end;
        if (pos_ >= size_) {
            continue; // the window's end, perhaps not the text's
        }
        const auto c = static_cast<unsigned char>(data_[pos_]);
        if (c == '"') {
            ++pos_;
            return;
        }
        const size_t start = pos_;
        uint32_t code = 0;
        if (c == '\\') {
            escaped_ = true;
            if (!Available(2)) {
                break;
            }
            const char e = data_[pos_ + 1];
            pos_ += 2;
            switch (e) {
            case '"':
                code = '"';
                break;
            case '\\':
                code = '\\';
                break;
            case '/':
                code = '/';
                break;
            case 'b':
                code = '\b';
                break;
            case 'f':
                code = '\f';
                break;
            case 'n':
                code = '\n';
                break;
            case 'r':
                code = '\r';
                break;
            case 't':
                code = '\t';
                break;
            case 'u':
                code = ReadHex4();
                if (code >= 0xD800 && code <= 0xDBFF && Available(2) && data_[pos_] == '\\' &&
                    data_[pos_ + 1] == 'u') {
                    pos_ += 2;
                    const uint32_t low = ReadHex4();
                    if (low < 0xDC00 || low > 0xDFFF) {
                        Fail(base_ + start, "invalid surrogate pair in a \\u escape");
                    }
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                } else if (code >= 0xD800 && code <= 0xDFFF) {
                    Fail(base_ + start, "invalid surrogate in a \\u escape");
                }
                break;
            default:
                Fail(base_ + start, "invalid escape in a string");
            }
        } else if (c < 0x20) {
            FailHere("control character in a string (write it as an escape)");
        } else {
            code = ReadUtf8(c);
        }
        if (code > 0xFF) {
            Fail(base_ + start, "character " + CodePointText(code) + " is outside Latin-1");
        }
        out.push_back(static_cast<char>(code));
    }
    FailHere("unterminated string");
}

uint32_t JsonPullReader::ReadHex4() {
    if (!Available(4)) {
        FailHere("incomplete \\u escape");
    }
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const char c = data_[pos_ + i];
        uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            FailHere("invalid \\u escape");
        }
        value = value * 16 + digit;
    }
    pos_ += 4;
    return value;
}

uint32_t JsonPullReader::ReadUtf8(unsigned char lead) {
    int length = 0;
    uint32_t code = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        FailHere("invalid UTF-8");
    }
    if (!Available(static_cast<size_t>(length))) {
        FailHere("invalid UTF-8");
    }
    for (int i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(data_[pos_ + i]);
        if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xBF)) {
            FailHere("invalid UTF-8");
        }
        code = (code << 6) | (c & 0x3F);
    }
    pos_ += length;
    return code;
}

// Most numbers of a design are a few digits long: eight bytes are looked at in one word, and a
// run of one to seven digits ending inside them is converted without a loop. Answers the number
// of digits, 0 when the general loop must take it (no digit, eight or more, or fewer than eight
// bytes left).
inline int JsonPullReader::ShortDigitRun(size_t from, uint64_t& value) const {
    if (std::endian::native != std::endian::little || size_ - from < 8) {
        return 0;
    }
    uint64_t word = 0;
    std::memcpy(&word, data_ + from, sizeof word);
    // A byte's top bit is set where it is not a digit: above '9' the addition carries into it,
    // below '0' the subtraction borrows. A carry or borrow only reaches the bytes after a
    // non-digit, so the lowest marked byte is the first non-digit.
    const uint64_t nonDigits =
        ((word + 0x4646464646464646ull) | (word - 0x3030303030303030ull)) & 0x8080808080808080ull;
    if (nonDigits == 0) {
        return 0;
    }
    const int count = __builtin_ctzll(nonDigits) / 8;
    if (count == 0) {
        return 0;
    }
    // The digits moved to the top of the word read as eight digits with leading zeros.
    uint64_t digits = (word << (8 * (8 - count))) & 0x0F0F0F0F0F0F0F0Full;
    digits = (digits * 2561) >> 8;
    digits = ((digits & 0x00FF00FF00FF00FFull) * 6553601) >> 16;
    value = (((digits & 0x0000FFFF0000FFFFull) * 42949672960001ull) >> 32) & 0xFFFFFFFFull;
    return count;
}

bool JsonPullReader::ReadWhole(int64_t& value) {
    SkipSpace();
    // A sign, 18 digits and the byte after them: held whole, the window's end is the text's.
    if (size_ - pos_ < 20) [[unlikely]] {
        Available(20);
    }
    size_t p = pos_;
    const bool negative = p < size_ && data_[p] == '-';
    if (negative) {
        ++p;
    }
    const size_t digits = p;
    uint64_t whole = 0;
    if (p < size_ && data_[p] == '0') {
        ++p;
    } else if (const int count = ShortDigitRun(p, whole); count > 0) {
        p += static_cast<size_t>(count);
    } else {
        while (p < size_ && IsDigit(data_[p]) && p - digits < 18) {
            whole = whole * 10 + static_cast<uint64_t>(data_[p] - '0');
            ++p;
        }
    }
    // Nothing read, more digits than are added up exactly, or a fraction or exponent: the
    // general reader takes it (a digit after a leading zero ends the number, as in JSON).
    const bool longer = p < size_ && IsDigit(data_[p]) && whole != 0;
    const bool real = p < size_ && (data_[p] == '.' || data_[p] == 'e' || data_[p] == 'E');
    if (p == digits || longer || real) {
        return false;
    }
    valueOffset_ = base_ + pos_;
    pos_ = p;
    value = negative ? -static_cast<int64_t>(whole) : static_cast<int64_t>(whole);
    return true;
}

bool JsonPullReader::ReadWholeArray(int64_t* values, size_t count) {
    SkipSpace();
    const size_t start = pos_;
    if (pos_ >= size_ || data_[pos_] != '[' || depth_ >= MaxDepth) {
        return false;
    }
    ++pos_;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) {
            SkipSpace();
            if (pos_ >= size_ || data_[pos_] != ',') {
                pos_ = start;
                return false;
            }
            ++pos_;
        }
        if (!ReadWhole(values[i])) {
            pos_ = start;
            return false;
        }
    }
    SkipSpace();
    if (pos_ >= size_ || data_[pos_] != ']') {
        pos_ = start;
        return false;
    }
    ++pos_;
    valueOffset_ = base_ + start;
    return true;
}

double JsonPullReader::ReadNumber() {
    SkipSpace();
    const size_t start = pos_;
    size_t p = pos_;
    // A number longer than the margin may run past the window's end.
    const auto held = [this](size_t at) { return at < size_ || Extend(); };
    if (held(p) && data_[p] == '-') {
        ++p;
    }
    if (held(p) && data_[p] == '0') {
        ++p;
    } else if (held(p) && IsDigit(data_[p])) {
        while (held(p) && IsDigit(data_[p])) {
            ++p;
        }
    } else {
        Fail(base_ + start, "invalid number");
    }
    if (held(p) && data_[p] == '.') {
        ++p;
        if (!held(p) || !IsDigit(data_[p])) {
            Fail(base_ + start, "invalid number");
        }
        while (held(p) && IsDigit(data_[p])) {
            ++p;
        }
    }
    if (held(p) && (data_[p] == 'e' || data_[p] == 'E')) {
        ++p;
        if (held(p) && (data_[p] == '+' || data_[p] == '-')) {
            ++p;
        }
        if (!held(p) || !IsDigit(data_[p])) {
            Fail(base_ + start, "invalid number");
        }
        while (held(p) && IsDigit(data_[p])) {
            ++p;
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(data_ + start, data_ + p, value);
    if (error != std::errc() || end != data_ + p || !std::isfinite(value)) {
        Fail(base_ + start, "number out of range");
    }
    pos_ = p;
    return value;
}

bool JsonPullReader::ReadBool() {
    SkipSpace();
    if (Available(4) && std::memcmp(data_ + pos_, "true", 4) == 0) {
        pos_ += 4;
        return true;
    }
    if (Available(5) && std::memcmp(data_ + pos_, "false", 5) == 0) {
        pos_ += 5;
        return false;
    }
    FailHere("expected true or false");
}

void JsonPullReader::ReadNull() {
    SkipSpace();
    if (Available(4) && std::memcmp(data_ + pos_, "null", 4) == 0) {
        pos_ += 4;
        return;
    }
    FailHere("expected null");
}

void JsonPullReader::ExpectEnd() {
    SkipSpace();
    if (pos_ < size_) {
        FailHere("text after the end of the document");
    }
}

void TextPosition::Advance(const char* text, size_t size) {
    const char* end = text + size;
    for (const char* p = text; (p = static_cast<const char*>(std::memchr(p, '\n', end - p)));) {
        ++line;
        column = 1;
        text = ++p;
    }
    for (const char* p = text; p < end; ++p) {
        if ((static_cast<unsigned char>(*p) & 0xC0) != 0x80) {
            ++column;
        }
    }
}

void JsonPullReader::LineColumn(size_t offset, int& line, int& column) {
    TextPosition position;
    if (source_ != nullptr) {
        position = source_->PositionOf(offset);
    } else {
        position.Advance(data_, offset > size_ ? size_ : offset);
    }
    line = position.line;
    column = position.column;
}

} // namespace vxw
