// Polygon clipping against one half-plane at a time (each band is two half-planes) and
// Liang-Barsky clipping of segments against a rectangle.
#include "loads/generator/clipping.hpp"

#include <cstddef>

namespace daskel {

namespace {

double along(PlanePoint p, Axis axis) {
    return axis == Axis::X ? p.x : p.y;
}

/// The point of the edge a-b at coordinate c across the axis; the coordinate is set exactly, so
/// that pieces of neighbouring elements meet without a gap.
PlanePoint crossing(PlanePoint a, PlanePoint b, Axis axis, double c) {
    const double t = (c - along(a, axis)) / (along(b, axis) - along(a, axis));
    if (axis == Axis::X) return {c, a.y + t * (b.y - a.y)};
    return {a.x + t * (b.x - a.x), c};
}

/// The part of the polygon on one side of the line at c: keepAbove keeps coordinates ≥ c.
Polygon clipToHalfPlane(const Polygon& polygon, Axis axis, double c, bool keepAbove) {
    Polygon out;
    const std::size_t n = polygon.size();
    auto inside = [&](PlanePoint p) {
        return keepAbove ? along(p, axis) >= c : along(p, axis) <= c;
    };
    for (std::size_t i = 0; i < n; ++i) {
        const PlanePoint a = polygon[i], b = polygon[(i + 1) % n];
        const bool aIn = inside(a), bIn = inside(b);
        if (aIn) out.push_back(a);
        if (aIn != bIn) out.push_back(crossing(a, b, axis, c));
    }
    return out;
}

} // namespace

Polygon clipToBand(const Polygon& polygon, Axis axis, double low, double high) {
    return clipToHalfPlane(clipToHalfPlane(polygon, axis, low, true), axis, high, false);
}

std::optional<SegmentSpan> spanInRectangle(PlanePoint a, PlanePoint b, const Rectangle& r) {
    // Liang-Barsky: each of the four sides narrows the range of t in which the segment is
    // inside.
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - r.x1, r.x2 - a.x, a.y - r.y1, r.y2 - a.y};
    SegmentSpan s{0, 1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0) return std::nullopt; // parallel to this side and outside it
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0) {
            if (t > s.t0) s.t0 = t;
        } else if (t < s.t1) {
            s.t1 = t;
        }
    }
    if (s.t0 > s.t1) return std::nullopt;
    return s;
}

} // namespace daskel
