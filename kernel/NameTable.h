#pragma once
// A container's index from names to the slot positions that hold them, kept up to date as
// objects are added, renamed and taken out. Open addressing in one flat table: a look-up by a
// short name touches a single slot, where a node-based map touched a bucket, a node and the
// name's text, which a list that looks up every component of a large design by name paid for
// on every row.
//
// The names must outlive the table (the slots point into them).

#include "kernel/LargeBlocks.h"
#include "kernel/NameHash.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace vxw {

// The slot positions of one name in ascending order. Most names are unique, so the first
// position lives inline and only duplicates take memory of their own (a pointer's worth until
// then: a large design has hundreds of thousands of names).
class NamePositions {
public:
    bool Empty() const { return first_ < 0; }
    int32_t First() const { return first_; }
    void Insert(int32_t position);
    void Erase(int32_t position);
    // The first position at or after `start`, -1 when none.
    int32_t FirstFrom(int32_t start) const;

private:
    int32_t first_ = -1;
    std::unique_ptr<std::vector<int32_t>> rest_;
};

class NameTable {
public:
    explicit NameTable(std::size_t expected = 0);

    // The positions of a name, null when it has none.
    const NamePositions* Find(std::string_view name) const;
    void Insert(std::string_view name, int32_t position);
    void Erase(std::string_view name, int32_t position);

private:
    struct Slot {
        uint64_t hash = 0;
        uint64_t head = 0;
        const char* text = nullptr; // null: an empty slot
        uint32_t length = 0;
        NamePositions positions;
    };

    std::size_t SlotOf(uint64_t hash, uint64_t head, std::string_view name) const;
    void Grow();

    LargeVector<Slot> slots_;
    std::size_t used_ = 0;
    uint64_t seed_ = NameHashSeed();
};

} // namespace vxw
