#pragma once
// A container's index from names to the slot positions that hold them, kept up to date as
// objects are added, renamed and taken out. Open addressing in one flat table of 32-byte slots:
// a look-up by a short name touches a single slot, where a node-based map touched a bucket, a
// node and the name's text, which a list that looks up every component of a large design by name
// paid for on every row.
//
// The names must outlive the table (the slots point into them).

#include "kernel/LargeBlocks.h"
#include "kernel/NameHash.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace vxw {

// The slot positions of one name in ascending order, as the table holds them at the moment
// (a view: any change to the table may end it).
class NamePositions {
public:
    NamePositions() = default;
    NamePositions(int32_t first, const std::vector<int32_t>* rest) : first_(first), rest_(rest) {}
    bool Empty() const { return first_ < 0; }
    int32_t First() const { return first_; }
    // The first position at or after `start`, -1 when none.
    int32_t FirstFrom(int32_t start) const;

private:
    int32_t first_ = -1;
    const std::vector<int32_t>* rest_ = nullptr; // the later positions, ascending; null none
};

class NameTable {
public:
    explicit NameTable(std::size_t expected = 0);

    // Room for `count` names without growing.
    void Reserve(std::size_t count);
    // Empty when the name has no position.
    NamePositions Find(std::string_view name) const;
    void Insert(std::string_view name, int32_t position);
    // Adds the position only when the name has none yet.
    void InsertFirst(std::string_view name, int32_t position);
    void Erase(std::string_view name, int32_t position);
    // Starts bringing in the slot a later look-up of `name` reads first, so that a caller with
    // many names at hand overlaps their waits for memory.
    void Prefetch(std::string_view name) const {
        __builtin_prefetch(&slots_[Home(static_cast<uint32_t>(NameHash(name, seed_)))]);
    }

private:
    // Most names are unique: the first position lives in the slot, and only a name held more
    // than once takes a list of its own for the rest.
    struct Slot {
        uint64_t head = 0;
        const char* text = nullptr; // null: an empty slot
        uint32_t hash = 0;          // the low half of the name's hash
        uint32_t length = 0;
        int32_t first = -1;
        int32_t rest = -1; // index into rests_, -1 none
    };

    std::size_t Home(uint32_t hash) const;
    std::size_t After(std::size_t at) const;
    // The slot of the name, or the empty slot where it would go.
    std::size_t SlotOf(uint32_t hash, uint64_t head, std::string_view name) const;
    // The slot of the name, made for it (*added true) when it had none.
    Slot& Place(std::string_view name, bool* added);
    void Rehash(std::size_t capacity);
    void AddPosition(Slot& slot, int32_t position);
    void RemovePosition(Slot& slot, int32_t position);

    LargeVector<Slot> slots_;
    std::size_t used_ = 0;
    std::vector<std::vector<int32_t>> rests_;
    std::vector<int32_t> freeRests_;
    uint64_t seed_ = NameHashSeed();
};

} // namespace vxw
