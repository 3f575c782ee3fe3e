#pragma once
// A small pull reader for JSON text, used by the design file loader. It reads the document
// token by token without building a tree, so a large design costs one pass and no more memory
// than the data it yields. Strings come out as 8-bit Latin-1 text; a character beyond U+00FF is
// an error. Every error is thrown as JsonReadError with the byte offset where it was found.
//
// The text is either all in memory or comes from a TextSource through a small window that is
// used again and again: a large file then costs neither its size in memory nor the clearing of
// that much fresh memory by the system.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vxw {

// Line and column (1-based, columns in characters) reached after reading some text; the text
// may come in pieces.
struct TextPosition {
    int line = 1;
    int column = 1;
    void Advance(const char* text, size_t size);
};

struct JsonReadError {
    size_t offset = 0;
    std::string cause;
};

// Text read front to back in pieces. A source that cannot go on throws TextSourceError.
class TextSource {
public:
    virtual ~TextSource() = default;
    // Copies up to `max` (> 0) of the next bytes to `into`; answers how many, 0 at the end.
    virtual size_t Read(char* into, size_t max) = 0;
    // Bytes still to come (an upper bound).
    virtual size_t Remaining() const = 0;
    // Line and column of a byte offset, for a message about text the window has let go of.
    virtual TextPosition PositionOf(size_t offset) = 0;
};

struct TextSourceError {
    std::string cause; // UTF-8, e.g. "cannot read the file: Input/output error"
};

// How much of a source's text a reader holds: `capacity` bytes, refilled whenever fewer than
// `margin` unread ones are left as a member or element begins. A token that meets the window's
// end before that makes the window grow until the token is whole.
struct ReadWindow {
    size_t capacity = size_t{256} << 10;
    size_t margin = size_t{16} << 10;
};

class JsonPullReader {
public:
    enum class Token { Object, Array, String, Number, True, False, Null };

    static constexpr int MaxDepth = 64;

    // The whole text, in memory the caller keeps while the reader is used.
    JsonPullReader(const char* data, size_t size);
    // Text from `source`, which the caller keeps while the reader is used.
    explicit JsonPullReader(TextSource& source, ReadWindow window = {});

    // The kind of the next value; skips white space. Fails at the end of the text or on a
    // character that cannot start a value.
    Token Peek();
    // Offsets count from the start of the text, whatever part of it the window holds.
    // Offset of the value that Peek saw last (where a message about that value points).
    size_t ValueOffset() const { return valueOffset_; }
    // Offset of the key that NextKey read last.
    size_t KeyOffset() const { return keyOffset_; }
    // Offset of the next character to read.
    size_t Position() const { return base_ + pos_; }

    void BeginObject();
    // Reads the next key and its colon; answers false (having read the closing brace) when the
    // object has no more members. The key stays valid until the next call: keys are short and
    // nearly always plain, so it is seen in the text itself rather than copied.
    bool NextKey(std::string_view& key);
    void BeginArray();
    // Answers true when another element follows; false having read the closing bracket.
    bool NextElement();

    std::string ReadString();
    double ReadNumber();
    // Reads the next value when it is a plain whole number (no fraction, no exponent, at most
    // 18 digits), the common case, in one step; answers false having read nothing otherwise.
    bool ReadWhole(int64_t& value);
    // Reads an array of exactly `count` such whole numbers in one step; answers false having
    // read nothing when the next value is anything else.
    bool ReadWholeArray(int64_t* values, size_t count);
    // Goes back to an offset of the value just read, so that the general calls read it again
    // (the window lets go of text only as a member or element begins).
    void Rewind(size_t offset) { pos_ = offset - base_; }
    bool ReadBool();
    void ReadNull();
    // Only white space may follow the document.
    void ExpectEnd();

    // 1-based line and column (in characters) of a byte offset.
    void LineColumn(size_t offset, int& line, int& column);

    [[noreturn]] void Fail(size_t offset, std::string cause) const;

    // True when the string read last held an escape (so it may hold any character, NUL and
    // control characters included); a string without one holds none of them.
    bool LastStringEscaped() const { return escaped_; }

private:
    // Each member and element begins here: what was read before is let go of, so the window
    // stays small. Every scan that meets the window's end extends it, so this is no more than
    // the place where it is safe to forget (no offset or view of the caller's points behind).
    // Text in memory has no margin.
    void Prepare() {
        if (size_ - pos_ < margin_) [[unlikely]] {
            Refill();
        }
    }
    // Lets go of what was read and fills the window again.
    void Refill();
    // Within a call: more text after what the window holds, letting go of nothing (so that the
    // call's offsets stay good). Answers false at the end of the text.
    bool Extend();
    // True when at least `count` bytes from pos_ are held (false only near the end).
    bool Available(size_t count) {
        while (size_ - pos_ < count) {
            if (!Extend()) {
                return false;
            }
        }
        return true;
    }

    // Most calls find the next token right away; only white space takes the loop.
    // A single blank (after a colon or a comma) is the next most common case.
    void SkipSpace() {
        if (pos_<size_&& static_cast<unsigned char>(data_[pos_])> ' ') {
            return;
        }
        if (size_ - pos_ >= 2 && data_[pos_] == ' ' && static_cast<unsigned char>(data_[pos_ + 1]) > ' ') {
            ++pos_;
            return;
        }
        SkipSpaceRun();
    }
    void SkipSpaceRun();
    // Offset of the first byte from `from` that ends a run of plain string text: a quote, a
    // backslash, a control character or a byte of a multi-byte character (size_ when none).
    size_t PlainRunEnd(size_t from) const;
    int ShortDigitRun(size_t from, uint64_t& value) const;
    void Expect(char c, const char* what);
    void ReadStringBody(std::string& out);
    uint32_t ReadHex4();
    uint32_t ReadUtf8(unsigned char lead);
    [[noreturn]] void FailHere(std::string cause) const { Fail(base_ + pos_, std::move(cause)); }

    // data_[0, size_) is the text from offset base_ on; positions inside the reader count from
    // data_.
    const char* data_;
    size_t size_;
    size_t pos_ = 0;
    size_t base_ = 0;
    size_t margin_ = 0;
    TextSource* source_ = nullptr;
    std::unique_ptr<char[]> window_;
    size_t capacity_ = 0;
    size_t baseCapacity_ = 0;
    size_t valueOffset_ = 0;
    size_t keyOffset_ = 0;
    bool escaped_ = false;
    // One bit per open container, the innermost highest: set while no member has been read.
    uint64_t first_ = 0;
    int depth_ = 0;
    static_assert(MaxDepth <= 64);
    void OpenContainer() {
        first_ |= uint64_t{1} << depth_;
        ++depth_;
    }
    void CloseContainer() {
        if (depth_ > 0) {
            --depth_;
            first_ &= ~(uint64_t{1} << depth_);
        }
    }
    bool AtFirstMember() const { return depth_ > 0 && ((first_ >> (depth_ - 1)) & 1) != 0; }
    void MemberRead() {
        if (depth_ > 0) {
            first_ &= ~(uint64_t{1} << (depth_ - 1));
        }
    }
    std::string keyScratch_; // a key that held an escape, decoded
};

} // namespace vxw
