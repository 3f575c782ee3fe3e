#pragma once
// Kernel ids to positions in a caller's table. A dense table over the ids' range when they lie
// close together (as a kernel numbering objects in creation order gives them), a hash table
// otherwise, so that scattered ids cannot make it allocate their whole range.

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vxw {

class IdIndex {
public:
    // Pairs of (id, position); of an id given twice the last position counts.
    void Build(const std::vector<std::pair<int32_t, int32_t>>& idsToPositions);
    // The position of an id, -1 when it was not given.
    int32_t Find(int32_t id) const;
    bool IsDense() const { return !dense_.empty(); }

private:
    int32_t base_ = 0;
    std::vector<int32_t> dense_;
    std::unordered_map<int32_t, int32_t> sparse_;
};

} // namespace vxw
