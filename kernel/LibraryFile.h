#pragma once
// Library files: one file holds the items of one library kind (parts, symbols, packages or
// padstacks). The component itself reads only the entry count of the header; everything else
// is read by the kernel through this reader. The byte layout is in docs/library-format.md.

#include "kernel/DesignData.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vxw {

enum class LibraryKind : int32_t { Part = 1, Symbol = 2, Package = 3, Padstack = 4 };

// Byte offsets of the header values that the component reads directly.
constexpr int LibraryHeaderValueOffset = 12; // 32-bit little-endian, read and not used
constexpr int LibraryCountOffset = 16;       // 32-bit little-endian signed entry count

// The rest of the header: magic, format version and header size; reserved bytes up to 32.
constexpr char LibraryMagic[4] = {'V', 'X', 'L', 'B'};
constexpr int LibraryVersionOffset = 4;
constexpr int LibraryHeaderSizeOffset = 8;
constexpr int LibraryHeaderSize = 32;
constexpr int32_t LibraryFormatVersion = 1;
// The smallest entry record: its size, three empty strings, the value, the symbol kind and three
// empty counts.
constexpr int LibraryMinEntrySize = 36;
// Files beyond this size are not read.
constexpr int64_t MaxLibraryFileSize = int64_t(1) << 30;

struct LibraryEntry {
    std::string name;
    std::string second;     // parts: the second string of the info record
    std::string attributes; // 8-bit, tokens separated by the byte 128
    int32_t value = 0;      // symbols, packages, padstacks: the 32-bit value of the info record
    // Symbols, packages and padstacks: what loading the item into a design needs. For a
    // padstack the symbol holds one padstack (hole) and the pad items.
    SymbolData symbol;
};

struct LibraryContents {
    LibraryKind kind = LibraryKind::Part;
    std::vector<LibraryEntry> entries;
};

// The header values as found in the file (valid when headerRead).
struct LibraryHeader {
    bool headerRead = false; // the file holds a complete header with the right magic
    int32_t version = 0;
    int32_t headerSize = 0;
    int32_t kindValue = 0; // the value at offset 12
    int32_t count = 0;     // the value at offset 16
};

struct LibraryReadResult {
    LibraryHeader header;
    LibraryContents contents; // every entry read before a fault
    bool complete = false;    // false: the file was damaged; contents holds what came before
    std::string error;        // cause and byte offset when not complete
};

// Reads a whole library file. Never throws; a damaged file gives the entries before the fault.
// No allocation is sized by a count the file states beyond what the file can hold. In each
// entry read, symbol.name and symbol.attributes repeat the entry's name and attributes.
LibraryReadResult ReadLibraryBytes(const std::string& bytes);
// The path is 8-bit (Latin-1) text, as it crosses the kernel interface.
LibraryReadResult ReadLibraryFile(const std::string& path);

// Writes the binary form (symbol.name and symbol.attributes are not written: the entry's own
// name and attributes stand for them). Answers an empty text on success, else the cause. The
// file is written atomically: a failed write leaves the old file as it was.
std::string WriteLibraryBytes(const LibraryContents& contents, std::string& bytes);
std::string WriteLibraryFile(const LibraryContents& contents, const std::string& path);

// The symbol kind of the items of a symbol, package or padstack library; 0 for parts.
int32_t SymbolKindOf(LibraryKind kind);

// The largest entry count a file of this size can hold (what a caller may allocate).
int64_t MaxLibraryEntries(int64_t fileSize);

} // namespace vxw
