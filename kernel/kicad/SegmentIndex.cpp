#include "kernel/kicad/SegmentIndex.h"

namespace vxw::kicad {

BoxGrid::BoxGrid(int64_t cell) : cell_(cell < 1 ? 1 : cell) {}

void BoxGrid::Insert(size_t item, const Rect& box) {
    if (box.empty) {
        return;
    }
    const int64_t cx1 = CellOf(box.x1), cx2 = CellOf(box.x2);
    const int64_t cy1 = CellOf(box.y1), cy2 = CellOf(box.y2);
    const int64_t cells = (cx2 - cx1 + 1) * (cy2 - cy1 + 1);
    if (cells > MaxCellsPerItem || slots_ + cells > MaxCellSlots) {
        aside_.push_back(item);
        return;
    }
    slots_ += cells;
    for (int64_t cx = cx1; cx <= cx2; ++cx) {
        for (int64_t cy = cy1; cy <= cy2; ++cy) {
            cells_[Key(cx, cy)].push_back(item);
        }
    }
}

} // namespace vxw::kicad
