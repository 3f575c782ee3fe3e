#include "kernel/StringArena.h"

#include <cstring>

namespace vxw {

std::string_view UpToNul(std::string_view text) {
    const auto nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

const char* StringArena::Store(std::string_view text) {
    text = UpToNul(text);
    if (text.empty()) {
        return "";
    }
    const std::size_t need = text.size() + 1;
    if (need > BlockSize / 4) {
        // Long texts get a block of their own so that they do not waste the shared block's rest.
        auto block = std::make_unique<char[]>(need);
        std::memcpy(block.get(), text.data(), text.size());
        block[text.size()] = '\0';
        const char* stored = block.get();
        // Keep the current shared block last so that Store goes on filling it.
        blocks_.insert(blocks_.empty() ? blocks_.end() : blocks_.end() - 1, std::move(block));
        return stored;
    }
    if (used_ + need > capacity_) {
        blocks_.push_back(std::make_unique<char[]>(BlockSize));
        used_ = 0;
        capacity_ = BlockSize;
    }
    char* stored = blocks_.back().get() + used_;
    std::memcpy(stored, text.data(), text.size());
    stored[text.size()] = '\0';
    used_ += need;
    return stored;
}

} // namespace vxw
