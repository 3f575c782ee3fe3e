#include "kernel/NameTable.h"

#include <algorithm>
#include <cstring>

namespace vxw {

void NamePositions::Insert(int32_t position) {
    if (first_ < 0) {
        first_ = position;
        return;
    }
    if (!rest_) {
        rest_ = std::make_unique<std::vector<int32_t>>();
    }
    if (position < first_) {
        rest_->insert(rest_->begin(), first_);
        first_ = position;
    } else {
        rest_->insert(std::lower_bound(rest_->begin(), rest_->end(), position), position);
    }
}

void NamePositions::Erase(int32_t position) {
    if (position == first_) {
        if (!rest_ || rest_->empty()) {
            first_ = -1;
        } else {
            first_ = rest_->front();
            rest_->erase(rest_->begin());
        }
        return;
    }
    if (!rest_) {
        return;
    }
    const auto it = std::lower_bound(rest_->begin(), rest_->end(), position);
    if (it != rest_->end() && *it == position) {
        rest_->erase(it);
    }
}

int32_t NamePositions::FirstFrom(int32_t start) const {
    if (first_ < 0 || first_ >= start) {
        return first_;
    }
    if (!rest_) {
        return -1;
    }
    const auto it = std::lower_bound(rest_->begin(), rest_->end(), start);
    return it == rest_->end() ? -1 : *it;
}

NameTable::NameTable(std::size_t expected) {
    std::size_t capacity = 16;
    while (capacity < expected * 2) {
        capacity *= 2;
    }
    slots_.resize(capacity);
}

// The slot of the name, or the empty slot where it would go.
std::size_t NameTable::SlotOf(uint64_t hash, uint64_t head, std::string_view name) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.text == nullptr) {
            return at;
        }
        if (slot.hash == hash && slot.head == head && slot.length == name.size() &&
            (name.size() <= NameHeadBytes || std::memcmp(slot.text, name.data(), name.size()) == 0)) {
            return at;
        }
    }
}

const NamePositions* NameTable::Find(std::string_view name) const {
    const Slot& slot = slots_[SlotOf(NameHash(name, seed_), NameHead(name), name)];
    return slot.text ? &slot.positions : nullptr;
}

void NameTable::Insert(std::string_view name, int32_t position) {
    if ((used_ + 1) * 2 > slots_.size()) {
        Grow();
    }
    const uint64_t hash = NameHash(name, seed_);
    Slot& slot = slots_[SlotOf(hash, NameHead(name), name)];
    if (!slot.text) {
        slot.hash = hash;
        slot.head = NameHead(name);
        slot.text = name.data() ? name.data() : "";
        slot.length = static_cast<uint32_t>(name.size());
        ++used_;
    }
    slot.positions.Insert(position);
}

void NameTable::Erase(std::string_view name, int32_t position) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t hole = SlotOf(NameHash(name, seed_), NameHead(name), name);
    if (!slots_[hole].text) {
        return;
    }
    slots_[hole].positions.Erase(position);
    if (!slots_[hole].positions.Empty()) {
        return;
    }
    // Take the name out and close the gap: each later slot of the run moves back into the hole
    // when the hole lies between its home and where it stands, so that no look-up stops early.
    slots_[hole] = Slot{};
    --used_;
    for (std::size_t at = (hole + 1) & mask; slots_[at].text; at = (at + 1) & mask) {
        const std::size_t home = slots_[at].hash & mask;
        if (((at - home) & mask) >= ((at - hole) & mask)) {
            slots_[hole] = std::move(slots_[at]);
            slots_[at] = Slot{};
            hole = at;
        }
    }
}

void NameTable::Grow() {
    LargeVector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (Slot& slot : old) {
        if (!slot.text) {
            continue;
        }
        std::size_t at = slot.hash & mask;
        while (slots_[at].text) {
            at = (at + 1) & mask;
        }
        slots_[at] = std::move(slot);
    }
}

} // namespace vxw
