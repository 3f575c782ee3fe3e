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
// No item reaches further than this beyond its anchor when the anchors are tested.
constexpr int64_t MaxReach = 50000; // 5 mm

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

double Distance(Point a, Point b) {
    return std::hypot(static_cast<double>(a.x - b.x), static_cast<double>(a.y - b.y));
}

Point PadCentre(const Pad& pad) {
    const Point offset = Rotated(pad.offset, pad.angle);
    return Point{pad.position.x + offset.x, pad.position.y + offset.y};
}

// Whether p lies within `reach` of the pad's copper.
bool PadHolds(const Pad& pad, Point p, double reach) {
    const Point centre = PadCentre(pad);
    const Point q = Rotated(Point{p.x - centre.x, p.y - centre.y}, -pad.angle);
    const double hw = static_cast<double>(pad.width) / 2, hh = static_cast<double>(pad.height) / 2;
    const double x = std::fabs(static_cast<double>(q.x)), y = std::fabs(static_cast<double>(q.y));
    auto inBox = [&](double halfX, double halfY) {
        return std::hypot(std::max(x - halfX, 0.0), std::max(y - halfY, 0.0)) <= reach;
    };
    switch (pad.shape) {
    case PadShape::Circle:
        return std::hypot(x, y) <= hw + reach;
    case PadShape::Oval: {
        // A stadium: the segment along the longer side, widened by half the shorter one.
        const double r = std::min(hw, hh);
        return hw >= hh ? inBox(hw - r, 0) || std::hypot(std::max(x - (hw - r), 0.0), y) <= r + reach
                        : std::hypot(x, std::max(y - (hh - r), 0.0)) <= r + reach;
    }
    case PadShape::Custom: {
        const Rect& box = pad.customBox;
        if (!box.empty && static_cast<double>(q.x) >= static_cast<double>(box.x1) - reach &&
            static_cast<double>(q.x) <= static_cast<double>(box.x2) + reach &&
            static_cast<double>(q.y) >= static_cast<double>(box.y1) - reach &&
            static_cast<double>(q.y) <= static_cast<double>(box.y2) + reach) {
            return true;
        }
        return inBox(hw, hh);
    }
    default:
        return inBox(hw, hh);
    }
}

Rect PadBox(const Pad& pad) {
    double reach = std::hypot(static_cast<double>(pad.width), static_cast<double>(pad.height)) / 2;
    if (!pad.customBox.empty) {
        const double far =
            static_cast<double>(std::max({std::llabs(pad.customBox.x1), std::llabs(pad.customBox.x2),
                                          std::llabs(pad.customBox.y1), std::llabs(pad.customBox.y2)}));
        reach = std::max(reach, far * 1.4143);
    }
    Rect box;
    box.Add(PadCentre(pad));
    box.Grow(static_cast<int64_t>(std::ceil(reach)) + 1);
    return box;
}

// Points of an item's copper that a zone's fill may reach: the centre and points towards the
// edge along the item's axes (and diagonals, for round ones). A pad with thermal relief meets
// the fill only through its spokes, which run along those lines into the pad; its centre lies
// in the gap.
int SamplePoints(Point centre, double halfX, double halfY, double angle, bool diagonals, Point* out) {
    int count = 0;
    out[count++] = centre;
    for (const double fraction : {0.5, 0.95}) {
        const double x = halfX * fraction, y = halfY * fraction;
        const double offsets[8][2] = {{x, 0},
                                      {-x, 0},
                                      {0, y},
                                      {0, -y},
                                      {x * 0.7071, y * 0.7071},
                                      {-x * 0.7071, y * 0.7071},
                                      {x * 0.7071, -y * 0.7071},
                                      {-x * 0.7071, -y * 0.7071}};
        for (int k = 0; k < (diagonals ? 8 : 4); ++k) {
            const Point turned = Rotated(Point{static_cast<int64_t>(std::llround(offsets[k][0])),
                                               static_cast<int64_t>(std::llround(offsets[k][1]))},
                                         angle);
            out[count++] = Point{centre.x + turned.x, centre.y + turned.y};
        }
    }
    return count;
}

class CopperGraph {
public:
    explicit CopperGraph(const Board& board) : board_(board) {}

    std::vector<std::vector<bool>> PadConnections();

private:
    void Collect();
    // The anchors of an item (a pad's or via's centre, a track's ends) and how far its copper
    // reaches around them.
    int Anchors(const Item& item, Point* out, double& reach) const;
    // Whether p (with `reach` of copper around it) touches the item.
    bool Touches(const Item& item, Point p, double reach) const;
    int Samples(const Item& item, Point* out) const;

    const Board& board_;
    std::vector<Item> items_;
};

void CopperGraph::Collect() {
    const Board& board = board_;
    for (size_t f = 0; f < board.footprints.size(); ++f) {
        const Footprint& footprint = board.footprints[f];
        for (size_t p = 0; p < footprint.pads.size(); ++p) {
            const Pad& pad = footprint.pads[p];
            if (pad.net > 0) {
                items_.push_back(Item{ItemKind::Pad, pad.net, pad.copper, PadBox(pad), f, p});
            }
        }
    }
    for (size_t v = 0; v < board.vias.size(); ++v) {
        const Via& via = board.vias[v];
        if (via.net > 0) {
            Rect box;
            box.Add(via.position);
            box.Grow(via.size / 2 + 1);
            items_.push_back(Item{ItemKind::Via, via.net, SpanLayers(via.top, via.bottom), box, v, 0});
        }
    }
    for (size_t t = 0; t < board.tracks.size(); ++t) {
        const Track& track = board.tracks[t];
        if (track.net > 0) {
            Rect box = track.arc ? ArcBox(track.start, track.mid, track.end) : Rect{};
            box.Add(track.start);
            box.Add(track.end);
            box.Grow(track.width / 2 + 1);
            items_.push_back(Item{ItemKind::Track, track.net, 1u << track.layer, box, t, 0});
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
            items_.push_back(Item{ItemKind::Fill, zone.net, 1u << fill.layer, box, z, k});
        }
    }
}

int CopperGraph::Anchors(const Item& item, Point* out, double& reach) const {
    switch (item.kind) {
    case ItemKind::Pad:
        out[0] = board_.footprints[item.a].pads[item.b].position;
        reach = 0;
        return 1;
    case ItemKind::Via:
        out[0] = board_.vias[item.a].position;
        reach = static_cast<double>(board_.vias[item.a].size) / 2;
        return 1;
    case ItemKind::Track:
        out[0] = board_.tracks[item.a].start;
        out[1] = board_.tracks[item.a].end;
        reach = static_cast<double>(board_.tracks[item.a].width) / 2;
        return 2;
    case ItemKind::Fill:
        break;
    }
    return 0;
}

bool CopperGraph::Touches(const Item& item, Point p, double reach) const {
    switch (item.kind) {
    case ItemKind::Pad:
        return PadHolds(board_.footprints[item.a].pads[item.b], p, reach);
    case ItemKind::Via: {
        const Via& via = board_.vias[item.a];
        return Distance(p, via.position) <= static_cast<double>(via.size) / 2 + reach;
    }
    case ItemKind::Track: {
        const Track& track = board_.tracks[item.a];
        const double distance = track.arc ? DistanceToArc(p, track.start, track.mid, track.end)
                                          : DistanceToSegment(p, track.start, track.end);
        return distance <= static_cast<double>(track.width) / 2 + reach;
    }
    case ItemKind::Fill:
        break;
    }
    return false;
}

int CopperGraph::Samples(const Item& item, Point* out) const {
    switch (item.kind) {
    case ItemKind::Pad: {
        const Pad& pad = board_.footprints[item.a].pads[item.b];
        const bool round = pad.shape == PadShape::Circle || pad.shape == PadShape::Oval;
        return SamplePoints(PadCentre(pad), static_cast<double>(pad.width) / 2,
                            static_cast<double>(pad.height) / 2, pad.angle, round, out);
    }
    case ItemKind::Via: {
        const double r = static_cast<double>(board_.vias[item.a].size) / 2;
        return SamplePoints(board_.vias[item.a].position, r, r, 0, true, out);
    }
    case ItemKind::Track: {
        const Track& track = board_.tracks[item.a];
        out[0] = track.start;
        out[1] = track.end;
        out[2] = track.arc ? track.mid : track.start;
        return 3;
    }
    case ItemKind::Fill:
        break;
    }
    return 0;
}

std::vector<std::vector<bool>> CopperGraph::PadConnections() {
    Collect();
    // Every item is filed under the cells its box covers, grown by the furthest reach of any
    // anchor, so that the cell of an anchor holds every item the anchor may touch.
    int64_t reachAll = 1;
    for (const Item& item : items_) {
        Point anchors[2];
        double reach = 0;
        if (Anchors(item, anchors, reach) > 0) {
            reachAll = std::max(reachAll, std::min(static_cast<int64_t>(std::ceil(reach)) + 1, MaxReach));
        }
    }
    BoxGrid grid(20000); // 2 mm
    for (size_t i = 0; i < items_.size(); ++i) {
        Rect box = items_[i].box;
        box.Grow(reachAll);
        grid.Insert(i, box);
    }

    DisjointSets sets(items_.size());
    int64_t budget = WorkBudget;
    for (size_t i = 0; i < items_.size() && budget > 0; ++i) {
        const Item& item = items_[i];
        Point anchors[2];
        double reach = 0;
        const int anchorCount = Anchors(item, anchors, reach);
        reach = std::min(reach, static_cast<double>(MaxReach));
        bool fillsTried = false;
        for (int k = 0; k < anchorCount; ++k) {
            const Point anchor = anchors[k];
            grid.Query(anchor, budget, [&](size_t j) {
                const Item& other = items_[j];
                if (j == i || other.net != item.net || (other.layers & item.layers) == 0 ||
                    sets.Find(i) == sets.Find(j)) {
                    return;
                }
                if (other.kind == ItemKind::Fill) {
                    if (fillsTried) {
                        return; // the whole item was tried against the fills at its first anchor
                    }
                    const std::vector<Point>& outline = board_.zones[other.a].fills[other.b].outline;
                    Point samples[17];
                    const int count = Samples(item, samples);
                    for (int n = 0; n < count; ++n) {
                        if (!other.box.Contains(samples[n])) {
                            continue;
                        }
                        budget -= static_cast<int64_t>(outline.size());
                        if (PolygonContains(outline, samples[n])) {
                            sets.Join(i, j);
                            return;
                        }
                    }
                    return;
                }
                Rect near = other.box;
                near.Grow(static_cast<int64_t>(std::ceil(reach)));
                if (near.Contains(anchor) && Touches(other, anchor, reach)) {
                    sets.Join(i, j);
                }
            });
            fillsTried = true;
        }
    }

    // A pad is connected when its copper reaches another pad of its net, or it is alone there.
    std::vector<std::vector<bool>> connected(board_.footprints.size());
    for (size_t f = 0; f < board_.footprints.size(); ++f) {
        connected[f].assign(board_.footprints[f].pads.size(), false);
    }
    std::unordered_map<int, size_t> padsOfNet;
    std::unordered_map<size_t, size_t> padsOfSet;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].kind == ItemKind::Pad) {
            ++padsOfNet[items_[i].net];
            ++padsOfSet[sets.Find(i)];
        }
    }
    for (size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (item.kind == ItemKind::Pad) {
            connected[item.a][item.b] = padsOfNet[item.net] <= 1 || padsOfSet[sets.Find(i)] >= 2;
        }
    }
    return connected;
}

} // namespace

std::vector<std::vector<bool>> PadConnections(const Board& board) {
    return CopperGraph(board).PadConnections();
}

} // namespace vxw::kicad
