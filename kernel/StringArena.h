#pragma once
// Append-only storage for the kernel's 8-bit texts (names, attributes, item texts). A text
// stored here keeps its address for the life of the arena, which is what lets the kernel hand
// out name pointers that stay valid until the object is renamed or deleted.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace vxw {

class StringArena {
public:
    // Stores the text up to its first NUL (the caller sees a C string) and answers its address.
    const char* Store(std::string_view text);

private:
    static constexpr std::size_t BlockSize = 64 * 1024;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t used_ = 0;
    std::size_t capacity_ = 0;
};

// The text up to its first NUL: what a C-string reader would see of it.
std::string_view UpToNul(std::string_view text);

} // namespace vxw
