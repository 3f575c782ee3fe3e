#include "kernel/kicad/KicadGeometry.h"

#include <algorithm>
#include <cmath>

namespace vxw::kicad {
namespace {

constexpr double Pi = 3.14159265358979323846;

int64_t Round(double value) {
    return static_cast<int64_t>(std::llround(value));
}

// Cosine and sine of an angle in degrees, exact at multiples of 90.
void CosSin(double degrees, double& c, double& s) {
    double a = std::fmod(degrees, 360.0);
    if (a < 0) {
        a += 360.0;
    }
    if (a == 0) {
        c = 1, s = 0;
    } else if (a == 90) {
        c = 0, s = 1;
    } else if (a == 180) {
        c = -1, s = 0;
    } else if (a == 270) {
        c = 0, s = -1;
    } else {
        c = std::cos(a * Pi / 180.0);
        s = std::sin(a * Pi / 180.0);
    }
}

// Angle of p about the centre, in [0, 2 pi), in the file's axes.
double AngleOf(const Circle& circle, Point p) {
    double a = std::atan2(static_cast<double>(p.y) - circle.cy, static_cast<double>(p.x) - circle.cx);
    return a < 0 ? a + 2 * Pi : a;
}

// Whether angle `a` lies on the sweep from `from` increasing by `sweep` (0..2 pi).
bool OnSweep(double a, double from, double sweep) {
    double d = a - from;
    while (d < 0) {
        d += 2 * Pi;
    }
    return d <= sweep;
}

// The increasing sweep from start that passes mid and ends at end.
void ArcSweep(const Circle& circle, Point start, Point mid, Point end, double& from, double& sweep) {
    const double a0 = AngleOf(circle, start);
    const double am = AngleOf(circle, mid);
    const double a1 = AngleOf(circle, end);
    double forward = a1 - a0;
    if (forward < 0) {
        forward += 2 * Pi;
    }
    if (OnSweep(am, a0, forward)) {
        from = a0;
        sweep = forward;
    } else {
        from = a1;
        sweep = 2 * Pi - forward;
    }
}

} // namespace

void Rect::Add(Point p) {
    if (empty) {
        x1 = x2 = p.x;
        y1 = y2 = p.y;
        empty = false;
        return;
    }
    x1 = std::min(x1, p.x);
    y1 = std::min(y1, p.y);
    x2 = std::max(x2, p.x);
    y2 = std::max(y2, p.y);
}

void Rect::Add(const Rect& other) {
    if (!other.empty) {
        Add(Point{other.x1, other.y1});
        Add(Point{other.x2, other.y2});
    }
}

void Rect::Grow(int64_t by) {
    if (!empty) {
        x1 -= by;
        y1 -= by;
        x2 += by;
        y2 += by;
    }
}

Point Rotated(Point p, double degrees) {
    if (degrees == 0) {
        return p;
    }
    double c = 1, s = 0;
    CosSin(degrees, c, s);
    const double x = static_cast<double>(p.x);
    const double y = static_cast<double>(p.y);
    return Point{Round(x * c + y * s), Round(y * c - x * s)};
}

std::optional<Circle> CircleThrough(Point a, Point b, Point c) {
    const double ax = static_cast<double>(a.x), ay = static_cast<double>(a.y);
    const double bx = static_cast<double>(b.x), by = static_cast<double>(b.y);
    const double cx = static_cast<double>(c.x), cy = static_cast<double>(c.y);
    const double d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
    if (std::fabs(d) < 1e-9) {
        return std::nullopt;
    }
    const double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
    Circle circle;
    circle.cx = (a2 * (by - cy) + b2 * (cy - ay) + c2 * (ay - by)) / d;
    circle.cy = (a2 * (cx - bx) + b2 * (ax - cx) + c2 * (bx - ax)) / d;
    circle.r = std::hypot(ax - circle.cx, ay - circle.cy);
    if (!std::isfinite(circle.cx) || !std::isfinite(circle.cy) || !std::isfinite(circle.r)) {
        return std::nullopt;
    }
    return circle;
}

Rect ArcBox(Point start, Point mid, Point end) {
    Rect box;
    box.Add(start);
    box.Add(end);
    const std::optional<Circle> circle = CircleThrough(start, mid, end);
    if (!circle || circle->r > 1e12) {
        box.Add(mid);
        return box;
    }
    double from = 0, sweep = 0;
    ArcSweep(*circle, start, mid, end, from, sweep);
    for (int quadrant = 0; quadrant < 4; ++quadrant) {
        const double axis = quadrant * Pi / 2;
        if (OnSweep(axis, from, sweep)) {
            box.Add(Point{Round(circle->cx + circle->r * std::cos(axis)),
                          Round(circle->cy + circle->r * std::sin(axis))});
        }
    }
    return box;
}

void ArcFromCentre(Point centre, Point start, double angle, Point& outStart, Point& outMid, Point& outEnd) {
    const Point relative{start.x - centre.x, start.y - centre.y};
    const Point midRelative = Rotated(relative, -angle / 2);
    const Point endRelative = Rotated(relative, -angle);
    outStart = start;
    outMid = Point{centre.x + midRelative.x, centre.y + midRelative.y};
    outEnd = Point{centre.x + endRelative.x, centre.y + endRelative.y};
}

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = static_cast<double>(b.x - a.x);
    const double dy = static_cast<double>(b.y - a.y);
    const double px = static_cast<double>(p.x - a.x);
    const double py = static_cast<double>(p.y - a.y);
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? (px * dx + py * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - t * dx, py - t * dy);
}

double DistanceToArc(Point p, Point start, Point mid, Point end) {
    const std::optional<Circle> circle = CircleThrough(start, mid, end);
    if (!circle) {
        return std::min(DistanceToSegment(p, start, mid), DistanceToSegment(p, mid, end));
    }
    double from = 0, sweep = 0;
    ArcSweep(*circle, start, mid, end, from, sweep);
    const double ends =
        std::min(std::hypot(static_cast<double>(p.x - start.x), static_cast<double>(p.y - start.y)),
                 std::hypot(static_cast<double>(p.x - end.x), static_cast<double>(p.y - end.y)));
    if (OnSweep(AngleOf(*circle, p), from, sweep)) {
        const double radial = std::fabs(
            std::hypot(static_cast<double>(p.x) - circle->cx, static_cast<double>(p.y) - circle->cy) -
            circle->r);
        return std::min(radial, ends);
    }
    return ends;
}

bool PolygonContains(const std::vector<Point>& polygon, Point p) {
    const size_t n = polygon.size();
    if (n == 0) {
        return false;
    }
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if (DistanceToSegment(p, a, b) < 0.5) {
            return true;
        }
        if ((a.y > p.y) != (b.y > p.y)) {
            const double x = static_cast<double>(b.x - a.x) * static_cast<double>(p.y - a.y) /
                                 static_cast<double>(b.y - a.y) +
                             static_cast<double>(a.x);
            if (static_cast<double>(p.x) < x) {
                inside = !inside;
            }
        }
    }
    return inside;
}

} // namespace vxw::kicad
