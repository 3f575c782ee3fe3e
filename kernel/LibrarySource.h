#pragma once
// The text source form of library files: what a person writes and vxlib packs, and what
// vxlib dump prints. One block per item, attribute tokens by name, one line per padstack,
// pad, entry and item. The form is described in docs/library-format.md.

#include "kernel/LibraryFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace vxw {

struct LibrarySourceResult {
    std::optional<LibraryContents> contents; // set when the whole text was read
    std::string error;                       // "line N: cause" otherwise
};

// The text is UTF-8; every character must lie within Latin-1.
LibrarySourceResult ParseLibrarySource(const std::string& text);

// The source text (UTF-8) of the contents; parsing it gives the same contents back (apart from
// symbol.name and symbol.attributes, which repeat the entry's own).
std::string LibraryToSource(const LibraryContents& contents);

// "part", "symbol", "package", "padstack".
const char* LibraryKindName(LibraryKind kind);
std::optional<LibraryKind> LibraryKindFromName(std::string_view name);

// The highest attribute token position the source form names (token1 .. token256).
constexpr int MaxSourceTokens = 256;

} // namespace vxw
