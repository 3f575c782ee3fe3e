#pragma once
// The extent of a drawn item, used for board frames and padstack sizes.
//
//  - Line: from (x, y) to (x + dx, y + dy).
//  - Rectangle: centred on (x, y), |dx| wide and |dy| high, turned by `rotation` degrees
//    (counter-clockwise) about its centre. The left edge lies at x - |dx| / 2 (rounded down),
//    so a rectangle of odd width keeps its exact width. Turns by multiples of 90 degrees are
//    exact; other angles round the turned corners to the nearest unit.
//  - Circle: centred on (x, y) with diameter |diameter|, left edge at x - |diameter| / 2.
//  - Arc: centred on (x, y), radius |radius|, from startAngle counter-clockwise to endAngle;
//    equal angles (after bringing both into [0, 360)) mean the full circle. The box holds both
//    end points and every axis point the arc passes.
//  - Every box then grows by half the item's width (rounded up) on each side: the pen. A width
//    of 0 or less adds nothing.
//  - Texts and unknown kinds have no extent.
// Coordinates are computed in 64 bits and clamped to the 32-bit range.

#include "kernel/DesignData.h"
#include "kernel/KernelRecords.h"

#include <optional>

namespace vxw {

struct Box {
    int64_t x1 = 0;
    int64_t y1 = 0;
    int64_t x2 = 0;
    int64_t y2 = 0;

    void Unite(const Box& other);
    FrameRect ToFrameRect() const; // clamped to 32 bits
};

std::optional<Box> ItemBox(const ItemRecord& item);
// Whether a box lies within the 32-bit coordinates the kernel keeps extents in.
bool FitsCoordinates(const Box& box);
// The kernel's record of an item of the design data.
ItemRecord ItemRecordOf(const ItemData& item);

// Angles into [0, 360); values that are not finite give 0.
double NormalizedAngle(double degrees);

} // namespace vxw
