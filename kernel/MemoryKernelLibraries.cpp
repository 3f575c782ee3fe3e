// Library files: opening through the cache, item look-ups, info records and loading an item
// into the symbol map.

#include "kernel/MemoryKernel.h"

#include <QFile>
#include <QString>

#include <cstring>
#include <limits>

namespace vxw {
namespace {

constexpr const char* LibraryAccessTag = "ZorbaKTP47";

// Kernel paths are 8-bit Latin-1 texts; the file system wants its own encoding.
std::string LocalPath(const char* path) {
    if (!path || !*path) {
        return {};
    }
    return QFile::encodeName(QString::fromLatin1(path)).toStdString();
}

} // namespace

int32_t MemoryKernel::E_OpenLibrary(const char* path, const char* tag, int32_t mode) {
    (void)mode; // libraries are opened for reading only
    if (!tag || std::strcmp(tag, LibraryAccessTag) != 0) {
        return 0;
    }
    const std::string local = LocalPath(path);
    if (local.empty()) {
        return 0;
    }
    std::shared_ptr<const ParsedLibrary> library = libraries_.Get(local);
    if (!library) {
        return 0;
    }
    // Handles count up and wrap, skipping those still open.
    for (;;) {
        if (nextLibrary_ <= 0 || nextLibrary_ == std::numeric_limits<int32_t>::max()) {
            nextLibrary_ = 1;
        }
        if (!openLibraries_.count(nextLibrary_)) {
            break;
        }
        ++nextLibrary_;
    }
    const int32_t handle = nextLibrary_++;
    openLibraries_[handle] = OpenLibrary{std::move(library), -1};
    return handle;
}

int32_t MemoryKernel::E_OpenLibToRead(int32_t library, const char* name) {
    const auto found = openLibraries_.find(library);
    if (found == openLibraries_.end()) {
        return 0;
    }
    found->second.lastRead = name ? found->second.library->Find(name) : -1;
    return found->second.lastRead >= 0 ? found->second.lastRead + 1 : 0;
}

int32_t MemoryKernel::E_CloseLibrary(int32_t library) {
    return openLibraries_.erase(library) ? 1 : 0;
}

int32_t MemoryKernel::E_GetPartInfo(const char* path, int32_t count, PartInfo* first) {
    if (count <= 0 || !first) {
        return 0;
    }
    const std::string local = LocalPath(path);
    const std::shared_ptr<const ParsedLibrary> library = local.empty() ? nullptr : libraries_.Get(local);
    if (!library || library->contents.kind != LibraryKind::Part) {
        return 0;
    }
    const std::vector<LibraryEntry>& entries = library->contents.entries;
    const std::size_t filled = std::min(entries.size(), static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < filled; ++i) {
        first[i].name = entries[i].name;
        first[i].second = entries[i].second;
        first[i].attributes = entries[i].attributes;
    }
    return static_cast<int32_t>(filled);
}

int32_t MemoryKernel::E_GetSymbolInfo(const char* path, int32_t count, SymbolInfo* first) {
    if (count <= 0 || !first) {
        return 0;
    }
    const std::string local = LocalPath(path);
    const std::shared_ptr<const ParsedLibrary> library = local.empty() ? nullptr : libraries_.Get(local);
    if (!library || SymbolKindOf(library->contents.kind) == 0) {
        return 0;
    }
    const std::vector<LibraryEntry>& entries = library->contents.entries;
    const std::size_t filled = std::min(entries.size(), static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < filled; ++i) {
        first[i].name = entries[i].name;
        first[i].attributes = entries[i].attributes;
        first[i].value = entries[i].value;
    }
    return static_cast<int32_t>(filled);
}

int32_t MemoryKernel::S_LoadSymbol(int32_t library, const char* name) {
    const auto found = openLibraries_.find(library);
    if (found == openLibraries_.end() || found->second.lastRead < 0) {
        return 0;
    }
    const ParsedLibrary& parsed = *found->second.library;
    const int32_t kind = SymbolKindOf(parsed.contents.kind);
    if (kind == 0) {
        return 0; // parts are not symbols
    }
    const LibraryEntry& entry = parsed.contents.entries[static_cast<std::size_t>(found->second.lastRead)];
    SymbolData symbol = entry.symbol;
    if (symbol.attributes.empty()) {
        symbol.attributes = entry.attributes;
    }
    return AddSymbol(symbol, kind, name ? std::string_view(name) : std::string_view(entry.name));
}

} // namespace vxw
