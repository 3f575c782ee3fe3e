#pragma once
// The two small tools both connectivity passes share: disjoint sets over items, and a grid
// that finds the items whose box holds a point. Work is bounded: an item whose box would
// cover too many cells is kept aside and offered to every query, and the caller's budget
// counts every candidate offered, so a pathological board or sheet ends the search early
// instead of taking quadratic time.

#include "kernel/kicad/KicadGeometry.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace vxw::kicad {

class DisjointSets {
public:
    explicit DisjointSets(size_t count) : parent_(count) {
        for (size_t i = 0; i < count; ++i) {
            parent_[i] = i;
        }
    }
    size_t Find(size_t item) {
        while (parent_[item] != item) {
            parent_[item] = parent_[parent_[item]];
            item = parent_[item];
        }
        return item;
    }
    void Join(size_t a, size_t b) {
        a = Find(a);
        b = Find(b);
        if (a != b) {
            parent_[a < b ? b : a] = a < b ? a : b;
        }
    }
    size_t Size() const { return parent_.size(); }

private:
    std::vector<size_t> parent_;
};

class BoxGrid {
public:
    // `cell` is the side of a grid cell in database units (at least 1).
    explicit BoxGrid(int64_t cell);

    void Insert(size_t item, const Rect& box);
    // Calls visit(item) for every item whose cell holds p, and for every item kept aside; each
    // call costs one from `budget`, and the walk stops when it runs out (answers false then).
    template <typename Visit> bool Query(Point p, int64_t& budget, Visit&& visit) const {
        const auto found = cells_.find(Key(CellOf(p.x), CellOf(p.y)));
        if (found != cells_.end()) {
            for (const size_t item : found->second) {
                if (--budget < 0) {
                    return false;
                }
                visit(item);
            }
        }
        for (const size_t item : aside_) {
            if (--budget < 0) {
                return false;
            }
            visit(item);
        }
        return true;
    }

private:
    static constexpr int64_t MaxCellsPerItem = 4096;
    // All items together fill at most this many cell slots; later large ones are kept aside.
    static constexpr int64_t MaxCellSlots = int64_t{1} << 24;
    int64_t CellOf(int64_t v) const { return v >= 0 ? v / cell_ : -((-v + cell_ - 1) / cell_); }
    static uint64_t Key(int64_t cx, int64_t cy) {
        return (static_cast<uint64_t>(cx) << 32) ^ (static_cast<uint64_t>(cy) & 0xFFFFFFFFu);
    }

    int64_t cell_;
    std::unordered_map<uint64_t, std::vector<size_t>> cells_;
    std::vector<size_t> aside_;
    int64_t slots_ = 0;
};

} // namespace vxw::kicad
