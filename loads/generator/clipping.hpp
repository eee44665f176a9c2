// Cutting loads to the elements: a polygon cut to a band between two axis-parallel lines, and
// the stretch of a segment that lies in an axis-parallel rectangle.
#pragma once

#include "loads/outline/polygon.hpp"

#include <optional>

namespace daskel {

/// The direction across which a band is taken.
enum class Axis { X, Y };

/// The part of the polygon with low ≤ x ≤ high (Axis::X) or low ≤ y ≤ high (Axis::Y), low ≤
/// high. A polygon that is not convex may come back with edges running to and fro along a cut;
/// they enclose nothing, so integrals over the result stay exact. Fewer than three corners
/// when nothing is left.
Polygon clipToBand(const Polygon& polygon, Axis axis, double low, double high);

/// An axis-parallel rectangle, closed [m].
struct Rectangle {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; ///< x1 ≤ x2, y1 ≤ y2
};

/// The parameters t0 ≤ t1 of the stretch a + t·(b − a), 0 ≤ t ≤ 1, inside the closed rectangle;
/// nullopt when the segment misses it. A segment that only touches it gives t0 == t1.
struct SegmentSpan {
    double t0 = 0, t1 = 0;
};
std::optional<SegmentSpan> spanInRectangle(PlanePoint a, PlanePoint b, const Rectangle& r);

} // namespace daskel
