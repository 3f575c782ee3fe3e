#include "kernel/NameIndex.h"

#include "kernel/NameHash.h"

namespace vxw {

uint64_t NameIndex::Hash(std::string_view name) const {
    return NameHash(name, seed_);
}

void NameIndex::Reserve(std::size_t count) {
    std::size_t capacity = 16;
    while (capacity < count * 2) {
        capacity *= 2;
    }
    if (capacity <= slots_.size()) {
        return;
    }
    if (seed_ == 0) {
        seed_ = NameHashSeed();
    }
    LargeVector<Slot> old;
    old.swap(slots_);
    slots_.resize(capacity);
    const std::size_t mask = capacity - 1;
    for (const Slot& slot : old) {
        if (slot.position == 0) {
            continue;
        }
        std::size_t at = slot.hash & mask;
        while (slots_[at].position != 0) {
            at = (at + 1) & mask;
        }
        slots_[at] = slot;
    }
}

void NameIndex::Grow() {
    Reserve(slots_.empty() ? 8 : slots_.size());
}

void NameIndex::Insert(std::string_view name, int32_t position) {
    if ((used_ + 1) * 2 > slots_.size()) {
        Grow();
    }
    const uint64_t hash = Hash(name);
    const uint64_t head = Head(name);
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = hash & mask;
    while (slots_[at].position != 0) {
        if (Same(slots_[at], hash, head, name)) {
            return;
        }
        at = (at + 1) & mask;
    }
    Slot& slot = slots_[at];
    slot.hash = hash;
    slot.text = name.data();
    slot.length = static_cast<uint32_t>(name.size());
    slot.position = position;
    slot.head = head;
    ++used_;
}

int32_t NameIndex::Find(std::string_view name) const {
    if (slots_.empty()) {
        return 0;
    }
    const uint64_t hash = Hash(name);
    const uint64_t head = Head(name);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.position == 0) {
            return 0;
        }
        if (Same(slot, hash, head, name)) {
            return slot.position;
        }
    }
}

} // namespace vxw
