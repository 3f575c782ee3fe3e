#pragma once
// A read-only index from a name to the 1-based position of the first object of that name in a
// list, built once over the list. Lookups touch one table slot for short names (the name's
// first bytes are kept in the slot) and the object's own text only for longer names, which
// matters when a large design resolves millions of references in one go.
//
// The names must outlive the index (the slots point into them).

#include "kernel/LargeBlocks.h"
#include "kernel/NameHash.h"

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace vxw {

class NameIndex {
public:
    NameIndex() = default;

    // Indexes objects[i].name (anything convertible to std::string_view) for every i.
    template <typename Objects> static NameIndex Of(const Objects& objects) {
        NameIndex index;
        index.Reserve(objects.size());
        // Slots are written in no order: the slot of a name a few places ahead is fetched early.
        constexpr std::size_t Ahead = 8;
        const std::size_t count = objects.size();
        for (std::size_t i = 0; i < count; ++i) {
            if (i + Ahead < count) {
                index.Prefetch(std::string_view(objects[i + Ahead].name));
            }
            index.Insert(std::string_view(objects[i].name), static_cast<int32_t>(i + 1));
        }
        return index;
    }

    void Reserve(std::size_t count);
    // Adds a name at a position; a name already present keeps its first position.
    void Insert(std::string_view name, int32_t position);
    // The position of the first object of that name, 0 when there is none.
    int32_t Find(std::string_view name) const;
    // Starts bringing in the table slot a later Find of `name` reads first, so that a caller
    // with many names at hand overlaps their waits for memory.
    void Prefetch(std::string_view name) const {
        if (!slots_.empty()) {
            __builtin_prefetch(&slots_[Hash(name) & (slots_.size() - 1)]);
        }
    }

private:
    static constexpr std::size_t Inline = NameHeadBytes;
    struct Slot {
        uint64_t hash = 0;
        const char* text = nullptr;
        uint32_t length = 0;
        int32_t position = 0; // 0: empty slot
        uint64_t head = 0;    // Head(name)
    };

    uint64_t Hash(std::string_view name) const;
    static uint64_t Head(std::string_view name) { return NameHead(name); }
    static bool Same(const Slot& slot, uint64_t hash, uint64_t head, std::string_view name) {
        if (slot.hash != hash || slot.head != head || slot.length != name.size()) {
            return false;
        }
        return name.size() <= Inline || std::memcmp(slot.text, name.data(), name.size()) == 0;
    }
    void Grow();

    LargeVector<Slot> slots_;
    std::size_t used_ = 0;
    uint64_t seed_ = 0;
};

} // namespace vxw
