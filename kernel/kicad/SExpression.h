#pragma once
// A pull reader for the s-expression text of KiCad's board and schematic files. It walks the
// text token by token without building a tree, so reading costs one pass and no memory beyond
// one decoded string; the importer takes what it needs as it goes and skips the rest. Lists
// nest at most MaxDepth deep. Every fault is thrown as SExprError with the byte offset where it
// was found; the importer turns it into one message naming the file, the list and the place.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vxw::kicad {

struct SExprError {
    size_t offset = 0;
    std::string cause;
};

class SExprReader {
public:
    enum class Token { Open, Close, Atom, String, End };

    static constexpr int MaxDepth = 64;

    SExprReader(const char* data, size_t size);

    // The kind of the next token (white space skipped); End at the end of the text.
    Token Peek();
    // Offset of the token Peek saw last.
    size_t TokenOffset() const { return tokenOffset_; }

    // Reads "(" and the list's head word (an atom; empty for "()"), and answers the head.
    std::string_view Open();
    // Answers true when the current list has another element; false having read its ")". The
    // end of the text inside a list is an error naming where the list began.
    bool More();
    // Reads one atom or string and answers its text: a string decoded (escapes resolved), an
    // atom as it stands. The view stays valid until the next call of the reader.
    std::string_view Text();
    // Reads the next element when it is the atom `word`, and answers whether it was.
    bool NextIs(std::string_view word);
    // Reads one atom that is a finite decimal number.
    double Number();
    // Reads one atom that is a whole number within [low, high].
    int64_t Integer(int64_t low, int64_t high);
    // Skips the next element (atom, string or a whole list).
    void Skip();
    // Skips what is left of the current list and reads its ")".
    void SkipRest();
    // Only white space may follow the outermost list.
    void ExpectEnd();

    int Depth() const { return static_cast<int>(heads_.size()); }
    // The heads of the open lists, outermost first, joined with "." (e.g. "kicad_pcb.footprint.pad").
    std::string Place() const;
    // Offset where the innermost open list began.
    size_t ListOffset() const { return starts_.empty() ? 0 : starts_.back(); }

    // 1-based line and column (in bytes of the line) of a byte offset.
    void LineColumn(size_t offset, int& line, int& column) const;

    [[noreturn]] void Fail(size_t offset, std::string cause) const;

private:
    void SkipSpace();
    // Reads the atom or string Peek saw; strings are decoded into scratch_.
    std::string_view ReadScalar(Token token);
    [[noreturn]] void FailEndInside() const;

    const char* data_;
    size_t size_;
    size_t pos_ = 0;
    size_t tokenOffset_ = 0;
    std::string scratch_;
    std::vector<std::string_view> heads_; // open lists, at most MaxDepth
    std::vector<size_t> starts_;
};

} // namespace vxw::kicad
