#pragma once
// Plane geometry the KiCad importer needs: points in database units (KiCad's own axes, y
// downwards), turns as KiCad makes them, arcs through three points, and the hit tests of the
// copper and wire connectivity. Everything is computed in 64-bit integers or doubles; the
// importer keeps every coordinate within +-100 m, so no sum here can overflow.

#include <cstdint>
#include <optional>
#include <vector>

namespace vxw::kicad {

struct Point {
    int64_t x = 0;
    int64_t y = 0;

    bool operator==(const Point&) const = default;
};

struct Rect {
    int64_t x1 = 0, y1 = 0, x2 = 0, y2 = 0; // x1 <= x2, y1 <= y2 once anything was added
    bool empty = true;

    void Add(Point p);
    void Add(const Rect& other);
    void Grow(int64_t by);
    bool Contains(Point p) const { return !empty && p.x >= x1 && p.x <= x2 && p.y >= y1 && p.y <= y2; }
    bool Overlaps(const Rect& other) const {
        return !empty && !other.empty && x1 <= other.x2 && other.x1 <= x2 && y1 <= other.y2 && other.y1 <= y2;
    }
};

// KiCad turns a point by `degrees` counter-clockwise as seen on its screen (y downwards):
// x' = x cos + y sin, y' = y cos - x sin.
Point Rotated(Point p, double degrees);

// The circle through three points; nothing when they lie on one line.
struct Circle {
    double cx = 0, cy = 0, r = 0;
};
std::optional<Circle> CircleThrough(Point a, Point b, Point c);

// The box of the arc from `start` through `mid` to `end` (its centre line). Falls back to the
// box of the three points when they lie on one line.
Rect ArcBox(Point start, Point mid, Point end);

// The arc of an older board: centre, start point and the angle swept (degrees, KiCad's sense),
// as start, middle and end points.
void ArcFromCentre(Point centre, Point start, double angle, Point& outStart, Point& outMid, Point& outEnd);

// Distance tests.
double DistanceToSegment(Point p, Point a, Point b);
// Distance from p to the arc start-mid-end (its centre line).
double DistanceToArc(Point p, Point start, Point mid, Point end);

// Even-odd point in polygon; the polygon's edges count as inside.
bool PolygonContains(const std::vector<Point>& polygon, Point p);

} // namespace vxw::kicad
