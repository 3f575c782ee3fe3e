#pragma once
// The hash of the kernel's name tables. It is seeded per process with a value the author of a
// file cannot know, so that names cannot be chosen to crowd one part of a table and make every
// look-up slow.

#include <cstdint>
#include <cstring>
#include <string_view>

namespace vxw {

uint64_t NameHashSeed();
uint64_t NameHash(std::string_view name, uint64_t seed);

// The first bytes of a name, zero-padded, as one word: a table that keeps it beside the hash
// compares short names without reading their text.
inline constexpr std::size_t NameHeadBytes = 8;
inline uint64_t NameHead(std::string_view name) {
    uint64_t head = 0;
    if (!name.empty()) {
        std::memcpy(&head, name.data(), name.size() < NameHeadBytes ? name.size() : NameHeadBytes);
    }
    return head;
}

} // namespace vxw
