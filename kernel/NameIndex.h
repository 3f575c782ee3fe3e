#pragma once
// A read-only index from a name to the 1-based position of the first object of that name in a
// list, built once over the list: the kernel's name table, keeping only each name's first
// position.
//
// The names must outlive the index (the table points into them).

#include "kernel/NameTable.h"

#include <cstdint>
#include <string_view>

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

    void Reserve(std::size_t count) { table_.Reserve(count); }
    // Adds a name at a position; a name already present keeps its first position.
    void Insert(std::string_view name, int32_t position) { table_.InsertFirst(name, position); }
    // The position of the first object of that name, 0 when there is none.
    int32_t Find(std::string_view name) const {
        const NamePositions found = table_.Find(name);
        return found.Empty() ? 0 : found.First();
    }
    // Starts bringing in the table slot a later Find of `name` reads first, so that a caller
    // with many names at hand overlaps their waits for memory.
    void Prefetch(std::string_view name) const { table_.Prefetch(name); }

private:
    NameTable table_;
};

} // namespace vxw
