#pragma once
// Library files: one file holds the items of one library kind (parts, symbols, packages or
// padstacks). The component itself reads only the entry count of the header; everything else
// is read by the kernel through this reader.

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

struct LibraryReadResult {
    LibraryContents contents; // every entry read before a fault
    bool complete = false;    // false: the file was damaged; contents holds what came before
    std::string error;        // cause and byte offset when not complete
};

// Reads a whole library file. Never throws; a damaged file gives the entries before the fault.
// No allocation is sized by a count the file states beyond what the file can hold.
LibraryReadResult ReadLibraryBytes(const std::string& bytes);
LibraryReadResult ReadLibraryFile(const std::string& path);

// Writes the binary form. Answers an empty text on success, else the cause.
std::string WriteLibraryBytes(const LibraryContents& contents, std::string& bytes);
std::string WriteLibraryFile(const LibraryContents& contents, const std::string& path);

// The largest entry count a file of this size can hold (what a caller may allocate).
int64_t MaxLibraryEntries(int64_t fileSize);

} // namespace vxw
