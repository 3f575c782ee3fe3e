#pragma once
// Text in memory handed out in pieces of at most `piece` bytes, as a file or a pipe might give
// it: lets a reader's windowed path be run over any text, every piece boundary included.

#include "kernel/JsonPullReader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vxw {

class MemoryTextSource final : public TextSource {
public:
    explicit MemoryTextSource(std::string_view text, size_t piece = SIZE_MAX)
        : text_(text), piece_(std::max<size_t>(piece, 1)) {}

    size_t Read(char* into, size_t max) override {
        const size_t count = std::min({max, piece_, text_.size() - read_});
        if (count > 0) {
            std::memcpy(into, text_.data() + read_, count);
            read_ += count;
        }
        return count;
    }
    size_t Remaining() const override { return text_.size() - read_; }
    TextPosition PositionOf(size_t offset) override {
        TextPosition position;
        position.Advance(text_.data(), std::min(offset, text_.size()));
        return position;
    }

private:
    std::string_view text_;
    size_t piece_;
    size_t read_ = 0;
};

} // namespace vxw
