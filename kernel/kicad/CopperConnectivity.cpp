#include "kernel/kicad/CopperConnectivity.h"

#include "kernel/kicad/SegmentIndex.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace vxw::kicad {
namespace {

// Candidate tests a board may cost: far beyond any real board, small enough to end in about a
// second on a pathological one (pads it did not reach then count as not connected).
constexpr int64_t WorkBudget = int64_t{1} << 27;

enum class ItemKind { Pad, Via, Track, Fill };

struct Item {
    ItemKind kind = ItemKind::Pad;
    int net = 0;
    uint32_t layers = 0;
    Rect box;
    size_t a = 0, b = 0; // pad: footprint, pad; via, track: index; fill: zone, fill
};

uint32_t SpanLayers(int top, int bottom) {
    uint32_t bits = 0;
    for (int layer = std::max(top, 0); layer <= std::min(bottom, 31); ++layer) {
        bits |= 1u << layer;
    }
    return bits;
}

Point PadCentre(const Pad& pad) {
    const Point offset = Rotated(pad.offset, pad.angle);
    return Point{pad.position.x + offset.x, pad.position.y + offset.y};
}

bool PadHolds(const Pad& pad, Point p) {
    const Point centre = PadCentre(pad);
    const Point q = Rotated(Point{p.x - centre.x, p.y - centre.y}, -pad.angle);
    const double hw = static_cast<double>(pad.width) / 2, hh = static_cast<double>(pad.height) / 2;
    const double x = std::fabs(static_cast<double>(q.x)), y = std::fabs(static_cast<double>(q.y));
    switch (pad.shape) {
    case PadShape::Circle:
        return std::hypot(x, y) <= hw;
    case PadShape::Oval: {
        // A stadium: the segment along the longer side, widened by half the shorter one.
        const double r = std::min(hw, hh);
        const double along = std::max(hw, hh) - r;
        return hw >= hh ? std::hypot(std::max(x - along, 0.0), y) <= r
                        : std::hypot(x, std::max(y - along, 0.0)) <= r;
    }
    case PadShape::Custom:
        if (pad.customBox.Contains(q)) {
            return true;
        }
        return x <= hw && y <= hh;
    default:
        return x <= hw && y <= hh;
    }
}

Rect PadBox(const Pad& pad) {
    const Point centre = PadCentre(pad);
    int64_t reach = static_cast<int64_t>(
        std::ceil(std::hypot(static_cast<double>(pad.width), static_cast<double>(pad.height)) / 2));
    if (!pad.customBox.empty) {
        reach = std::max<int64_t>({reach, std::llabs(pad.customBox.x1), std::llabs(pad.customBox.x2),
                                   std::llabs(pad.customBox.y1), std::llabs(pad.customBox.y2)});
        reach = static_cast<int64_t>(std::ceil(static_cast<double>(reach) * 1.4143));
    }
    Rect box;
    box.Add(centre);
    box.Grow(reach);
    return box;
}

} // namespace

std::vector<std::vector<bool>> PadConnections(const Board& board) {
    std::vector<std::vector<bool>> connected(board.footprints.size());
    std::vector<Item> items;
    for (size_t f = 0; f < board.footprints.size(); ++f) {
        const Footprint& footprint = board.footprints[f];
        connected[f].assign(footprint.pads.size(), false);
        for (size_t p = 0; p < footprint.pads.size(); ++p) {
            const Pad& pad = footprint.pads[p];
            if (pad.net > 0) {
                items.push_back(Item{ItemKind::Pad, pad.net, pad.copper, PadBox(pad), f, p});
            }
        }
    }
    for (size_t v = 0; v < board.vias.size(); ++v) {
        const Via& via = board.vias[v];
        if (via.net > 0) {
            Rect box;
            box.Add(via.position);
            box.Grow(via.size / 2 + 1);
            items.push_back(Item{ItemKind::Via, via.net, SpanLayers(via.top, via.bottom), box, v, 0});
        }
    }
    for (size_t t = 0; t < board.tracks.size(); ++t) {
        const Track& track = board.tracks[t];
        if (track.net > 0) {
            Rect box = track.arc ? ArcBox(track.start, track.mid, track.end) : Rect{};
            box.Add(track.start);
            box.Add(track.end);
            box.Grow(track.width / 2 + 1);
            items.push_back(Item{ItemKind::Track, track.net, 1u << track.layer, box, t, 0});
        }
    }
    for (size_t z = 0; z < board.zones.size(); ++z) {
        const Zone& zone = board.zones[z];
        if (zone.keepout || zone.net <= 0) {
            continue;
        }
        for (size_t k = 0; k < zone.fills.size(); ++k) {
            const ZoneFill& fill = zone.fills[k];
            if (fill.layer < 0 || fill.outline.size() < 3) {
                continue;
            }
            Rect box;
            for (const Point& p : fill.outline) {
                box.Add(p);
            }
            items.push_back(Item{ItemKind::Fill, zone.net, 1u << fill.layer, box, z, k});
        }
    }

    BoxGrid grid(20000); // 2 mm
    for (size_t i = 0; i < items.size(); ++i) {
        grid.Insert(i, items[i].box);
    }
    auto holds = [&](const Item& item, Point p) {
        switch (item.kind) {
        case ItemKind::Pad:
            return PadHolds(board.footprints[item.a].pads[item.b], p);
        case ItemKind::Via: {
            const Via& via = board.vias[item.a];
            return std::hypot(static_cast<double>(p.x - via.position.x),
                              static_cast<double>(p.y - via.position.y)) <= static_cast<double>(via.size) / 2;
        }
        case ItemKind::Track: {
            const Track& track = board.tracks[item.a];
            const double distance = track.arc ? DistanceToArc(p, track.start, track.mid, track.end)
                                              : DistanceToSegment(p, track.start, track.end);
            return distance <= static_cast<double>(track.width) / 2;
        }
        case ItemKind::Fill:
            return PolygonContains(board.zones[item.a].fills[item.b].outline, p);
        }
        return false;
    };

    DisjointSets sets(items.size());
    int64_t budget = WorkBudget;
    for (size_t i = 0; i < items.size() && budget > 0; ++i) {
        const Item& item = items[i];
        Point anchors[2];
        int anchorCount = 1;
        switch (item.kind) {
        case ItemKind::Pad:
            anchors[0] = board.footprints[item.a].pads[item.b].position;
            break;
        case ItemKind::Via:
            anchors[0] = board.vias[item.a].position;
            break;
        case ItemKind::Track:
            anchors[0] = board.tracks[item.a].start;
            anchors[1] = board.tracks[item.a].end;
            anchorCount = 2;
            break;
        case ItemKind::Fill:
            anchorCount = 0;
            break;
        }
        for (int k = 0; k < anchorCount; ++k) {
            const Point anchor = anchors[k];
            grid.Query(anchor, budget, [&](size_t j) {
                const Item& other = items[j];
                if (j == i || other.net != item.net || (other.layers & item.layers) == 0 ||
                    !other.box.Contains(anchor) || sets.Find(i) == sets.Find(j)) {
                    return;
                }
                if (other.kind == ItemKind::Fill) {
                    budget -= static_cast<int64_t>(board.zones[other.a].fills[other.b].outline.size());
                }
                if (holds(other, anchor)) {
                    sets.Join(i, j);
                }
            });
        }
    }

    // Pads per net and per connected set.
    std::unordered_map<int, size_t> padsOfNet;
    std::unordered_map<size_t, size_t> padsOfSet;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind == ItemKind::Pad) {
            ++padsOfNet[items[i].net];
            ++padsOfSet[sets.Find(i)];
        }
    }
    for (size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        if (item.kind == ItemKind::Pad) {
            connected[item.a][item.b] = padsOfNet[item.net] <= 1 || padsOfSet[sets.Find(i)] >= 2;
        }
    }
    return connected;
}

} // namespace vxw::kicad
