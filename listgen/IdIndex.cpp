#include "listgen/IdIndex.h"

#include <algorithm>

namespace vxw {
namespace {

// A dense table may hold this many cells per id (plus a little) before the hash table is the
// cheaper one.
constexpr int64_t kDenseCellsPerId = 8;
constexpr int64_t kDenseSlack = 1024;

} // namespace

void IdIndex::Build(const std::vector<std::pair<int32_t, int32_t>>& idsToPositions) {
    base_ = 0;
    dense_.clear();
    sparse_.clear();
    if (idsToPositions.empty()) {
        return;
    }
    const auto [low, high] = std::minmax_element(idsToPositions.begin(), idsToPositions.end());
    const int64_t span = static_cast<int64_t>(high->first) - low->first + 1;
    if (span <= static_cast<int64_t>(idsToPositions.size()) * kDenseCellsPerId + kDenseSlack) {
        base_ = low->first;
        dense_.assign(static_cast<std::size_t>(span), -1);
        for (const auto& [id, position] : idsToPositions) {
            dense_[static_cast<std::size_t>(static_cast<int64_t>(id) - base_)] = position;
        }
        return;
    }
    sparse_.reserve(idsToPositions.size());
    for (const auto& [id, position] : idsToPositions) {
        sparse_[id] = position;
    }
}

int32_t IdIndex::Find(int32_t id) const {
    if (!dense_.empty()) {
        const int64_t cell = static_cast<int64_t>(id) - base_;
        return cell >= 0 && cell < static_cast<int64_t>(dense_.size())
                   ? dense_[static_cast<std::size_t>(cell)]
                   : -1;
    }
    const auto it = sparse_.find(id);
    return it == sparse_.end() ? -1 : it->second;
}

} // namespace vxw
