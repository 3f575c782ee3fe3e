#include "kernel/NameTable.h"

#include <algorithm>
#include <cstring>

namespace vxw {

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

namespace {

// Room for `count` names at most two thirds full. Any size will do (a slot's home is found by
// scaling its hash, not by masking), so a table is not doubled for lack of a few slots.
std::size_t CapacityFor(std::size_t count) {
    return std::max<std::size_t>(16, count + count / 2 + 1);
}

} // namespace

NameTable::NameTable(std::size_t expected) {
    slots_.resize(CapacityFor(expected));
}

std::size_t NameTable::Home(uint32_t hash) const {
    return static_cast<std::size_t>((static_cast<uint64_t>(hash) * slots_.size()) >> 32);
}

std::size_t NameTable::After(std::size_t at) const {
    return at + 1 == slots_.size() ? 0 : at + 1;
}

// The slot of the name, or the empty slot where it would go.
std::size_t NameTable::SlotOf(uint32_t hash, uint64_t head, std::string_view name) const {
    for (std::size_t at = Home(hash);; at = After(at)) {
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

NamePositions NameTable::Find(std::string_view name) const {
    const Slot& slot = slots_[SlotOf(static_cast<uint32_t>(NameHash(name, seed_)), NameHead(name), name)];
    if (!slot.text) {
        return {};
    }
    return {slot.first, slot.rest >= 0 ? &rests_[static_cast<std::size_t>(slot.rest)] : nullptr};
}

void NameTable::AddPosition(Slot& slot, int32_t position) {
    if (slot.first < 0) {
        slot.first = position;
        return;
    }
    if (position == slot.first) {
        return;
    }
    if (slot.rest < 0) {
        if (freeRests_.empty()) {
            slot.rest = static_cast<int32_t>(rests_.size());
            rests_.emplace_back();
        } else {
            slot.rest = freeRests_.back();
            freeRests_.pop_back();
        }
    }
    std::vector<int32_t>& rest = rests_[static_cast<std::size_t>(slot.rest)];
    if (position < slot.first) {
        rest.insert(rest.begin(), slot.first);
        slot.first = position;
        return;
    }
    const auto it = std::lower_bound(rest.begin(), rest.end(), position);
    if (it == rest.end() || *it != position) {
        rest.insert(it, position);
    }
}

void NameTable::RemovePosition(Slot& slot, int32_t position) {
    std::vector<int32_t>* rest = slot.rest >= 0 ? &rests_[static_cast<std::size_t>(slot.rest)] : nullptr;
    if (position == slot.first) {
        if (!rest || rest->empty()) {
            slot.first = -1;
        } else {
            slot.first = rest->front();
            rest->erase(rest->begin());
        }
    } else if (rest) {
        const auto it = std::lower_bound(rest->begin(), rest->end(), position);
        if (it != rest->end() && *it == position) {
            rest->erase(it);
        }
    }
    if (rest && rest->empty()) {
        rest->shrink_to_fit();
        freeRests_.push_back(slot.rest);
        slot.rest = -1;
    }
}

NameTable::Slot& NameTable::Place(std::string_view name, bool* added) {
    if ((used_ + 1) * 3 > slots_.size() * 2) {
        Rehash(slots_.size() * 2);
    }
    const auto hash = static_cast<uint32_t>(NameHash(name, seed_));
    const uint64_t head = NameHead(name);
    Slot& slot = slots_[SlotOf(hash, head, name)];
    *added = slot.text == nullptr;
    if (*added) {
        slot.hash = hash;
        slot.head = head;
        slot.text = name.data() ? name.data() : "";
        slot.length = static_cast<uint32_t>(name.size());
        ++used_;
    }
    return slot;
}

void NameTable::Insert(std::string_view name, int32_t position) {
    bool added = false;
    AddPosition(Place(name, &added), position);
}

void NameTable::InsertFirst(std::string_view name, int32_t position) {
    bool added = false;
    Slot& slot = Place(name, &added);
    if (added) {
        slot.first = position;
    }
}

void NameTable::Reserve(std::size_t count) {
    if (CapacityFor(count) > slots_.size()) {
        Rehash(CapacityFor(count));
    }
}

void NameTable::Erase(std::string_view name, int32_t position) {
    std::size_t hole = SlotOf(static_cast<uint32_t>(NameHash(name, seed_)), NameHead(name), name);
    if (!slots_[hole].text) {
        return;
    }
    RemovePosition(slots_[hole], position);
    if (slots_[hole].first >= 0) {
        return;
    }
    // Take the name out and close the gap: each later slot of the run moves back into the hole
    // when the hole lies between its home and where it stands, so that no look-up stops early.
    slots_[hole] = Slot{};
    --used_;
    const std::size_t capacity = slots_.size();
    auto distance = [capacity](std::size_t from, std::size_t to) {
        return to >= from ? to - from : to + capacity - from;
    };
    for (std::size_t at = After(hole); slots_[at].text; at = After(at)) {
        if (distance(Home(slots_[at].hash), at) >= distance(hole, at)) {
            slots_[hole] = slots_[at];
            slots_[at] = Slot{};
            hole = at;
        }
    }
}

void NameTable::Rehash(std::size_t capacity) {
    LargeVector<Slot> old(capacity);
    old.swap(slots_);
    for (const Slot& slot : old) {
        if (!slot.text) {
            continue;
        }
        std::size_t at = Home(slot.hash);
        while (slots_[at].text) {
            at = After(at);
        }
        slots_[at] = slot;
    }
}

} // namespace vxw
