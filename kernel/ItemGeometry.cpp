#include "kernel/ItemGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vxw {
namespace {

int64_t Clamp32(int64_t value) {
    return std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                               std::numeric_limits<int32_t>::max());
}

int64_t Abs(int32_t value) {
    return std::llabs(static_cast<int64_t>(value));
}

// Cosine and sine of an angle in degrees, exact at multiples of 90.
void CosSin(double degrees, double& c, double& s) {
    const double a = NormalizedAngle(degrees);
    if (a == 0) {
        c = 1, s = 0;
    } else if (a == 90) {
        c = 0, s = 1;
    } else if (a == 180) {
        c = -1, s = 0;
    } else if (a == 270) {
        c = 0, s = -1;
    } else {
        const double r = a * std::acos(-1.0) / 180.0;
        c = std::cos(r);
        s = std::sin(r);
    }
}

int64_t RoundToUnit(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return Clamp32(static_cast<int64_t>(std::llround(std::clamp(value, -4.0e18, 4.0e18))));
}

Box PointBox(int64_t x, int64_t y) {
    return Box{x, y, x, y};
}

Box RectangleBox(const ItemRecord& item) {
    const int64_t w = Abs(item.dx);
    const int64_t h = Abs(item.dy);
    const int64_t left = -(w / 2);
    const int64_t bottom = -(h / 2);
    const int64_t corners[4][2] = {
        {left, bottom}, {left + w, bottom}, {left, bottom + h}, {left + w, bottom + h}};
    double c = 1;
    double s = 0;
    CosSin(item.rotation, c, s);
    std::optional<Box> box;
    for (const auto& corner : corners) {
        const double px = static_cast<double>(corner[0]);
        const double py = static_cast<double>(corner[1]);
        const Box point =
            PointBox(item.x + RoundToUnit(px * c - py * s), item.y + RoundToUnit(px * s + py * c));
        if (box) {
            box->Unite(point);
        } else {
            box = point;
        }
    }
    return *box;
}

Box CircleBox(const ItemRecord& item) {
    const int64_t d = Abs(item.diameter);
    const int64_t left = item.x - d / 2;
    const int64_t bottom = item.y - d / 2;
    return Box{left, bottom, left + d, bottom + d};
}

Box ArcBox(const ItemRecord& item) {
    const int64_t r = Abs(item.radius);
    const double start = NormalizedAngle(item.startAngle);
    const double end = NormalizedAngle(item.endAngle);
    if (start == end) {
        return Box{item.x - r, item.y - r, item.x + r, item.y + r};
    }
    auto pointAt = [&](double degrees) {
        double c = 1;
        double s = 0;
        CosSin(degrees, c, s);
        const double radius = static_cast<double>(r);
        return PointBox(item.x + RoundToUnit(radius * c), item.y + RoundToUnit(radius * s));
    };
    Box box = pointAt(start);
    box.Unite(pointAt(end));
    const double sweep = end > start ? end - start : end + 360 - start;
    for (int axis = 0; axis < 360; axis += 90) {
        double offset = axis - start;
        if (offset < 0) {
            offset += 360;
        }
        if (offset <= sweep) {
            box.Unite(pointAt(axis));
        }
    }
    return box;
}

} // namespace

void Box::Unite(const Box& other) {
    x1 = std::min(x1, other.x1);
    y1 = std::min(y1, other.y1);
    x2 = std::max(x2, other.x2);
    y2 = std::max(y2, other.y2);
}

FrameRect Box::ToFrameRect() const {
    FrameRect rect;
    rect.x1 = static_cast<int32_t>(Clamp32(x1));
    rect.y1 = static_cast<int32_t>(Clamp32(y1));
    rect.x2 = static_cast<int32_t>(Clamp32(x2));
    rect.y2 = static_cast<int32_t>(Clamp32(y2));
    return rect;
}

bool FitsCoordinates(const Box& box) {
    return Clamp32(box.x1) == box.x1 && Clamp32(box.y1) == box.y1 && Clamp32(box.x2) == box.x2 &&
           Clamp32(box.y2) == box.y2;
}

ItemRecord ItemRecordOf(const ItemData& item) {
    ItemRecord record;
    record.kind = item.kind;
    record.flags = item.flags;
    record.mask = item.mask;
    record.layer = item.layer;
    record.x = item.x;
    record.y = item.y;
    record.width = item.width;
    record.gap = item.gap;
    record.dx = item.dx;
    record.dy = item.dy;
    record.rotation = item.rotation;
    record.diameter = item.diameter;
    record.radius = item.radius;
    record.startAngle = item.startAngle;
    record.endAngle = item.endAngle;
    return record;
}

double NormalizedAngle(double degrees) {
    if (!std::isfinite(degrees)) {
        return 0;
    }
    double a = std::fmod(degrees, 360.0);
    if (a < 0) {
        a += 360.0;
    }
    // A tiny negative angle lands on 360 after the addition; it belongs to 0.
    return a >= 360.0 ? 0.0 : a;
}

std::optional<Box> ItemBox(const ItemRecord& item) {
    Box box;
    switch (item.kind) {
    case ItemLine: {
        const int64_t x2 = static_cast<int64_t>(item.x) + item.dx;
        const int64_t y2 = static_cast<int64_t>(item.y) + item.dy;
        box = Box{std::min<int64_t>(item.x, x2), std::min<int64_t>(item.y, y2), std::max<int64_t>(item.x, x2),
                  std::max<int64_t>(item.y, y2)};
        break;
    }
    case ItemRectangle:
        box = RectangleBox(item);
        break;
    case ItemCircle:
        box = CircleBox(item);
        break;
    case ItemArc:
        box = ArcBox(item);
        break;
    default:
        return std::nullopt;
    }
    const int64_t pen = item.width > 0 ? (static_cast<int64_t>(item.width) + 1) / 2 : 0;
    box.x1 -= pen;
    box.y1 -= pen;
    box.x2 += pen;
    box.y2 += pen;
    return box;
}

} // namespace vxw
