// Plane polygon formulas. Corner coordinates are taken relative to the first corner, so that
// slabs far from the origin keep their digits in the cross products.
#include "loads/outline/polygon.hpp"

#include <cmath>
#include <cstddef>

namespace daskel {

namespace {

const PlanePoint& corner(const Polygon& poly, std::size_t i) {
    return poly[i % poly.size()];
}

/// Distance of q from the segment a-b.
double distanceToSegment(PlanePoint q, PlanePoint a, PlanePoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((q.x - a.x) * dx + (q.y - a.y) * dy) / len2 : 0;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return std::hypot(q.x - (a.x + t * dx), q.y - (a.y + t * dy));
}

/// Crossing-number test: true when a ray from q to the right crosses the edges an odd number
/// of times (each edge taken half-open, so a vertex on the ray counts once).
bool crossingsOdd(const Polygon& poly, PlanePoint q) {
    bool inside = false;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const PlanePoint& a = corner(poly, i);
        const PlanePoint& b = corner(poly, i + 1);
        if ((a.y > q.y) == (b.y > q.y)) continue;
        const double x = a.x + (q.y - a.y) * (b.x - a.x) / (b.y - a.y);
        if (x > q.x) inside = !inside;
    }
    return inside;
}

bool nearAnEdge(const Polygon& poly, PlanePoint q, double tolerance) {
    for (std::size_t i = 0; i < poly.size(); ++i)
        if (distanceToSegment(q, corner(poly, i), corner(poly, i + 1)) <= tolerance) return true;
    return false;
}

} // namespace

double signedArea(const Polygon& poly) {
    if (poly.size() < 3) return 0;
    const PlanePoint o = poly[0];
    double twice = 0;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const PlanePoint& a = corner(poly, i);
        const PlanePoint& b = corner(poly, i + 1);
        twice += (a.x - o.x) * (b.y - o.y) - (b.x - o.x) * (a.y - o.y);
    }
    return twice / 2;
}

PlanePoint centroid(const Polygon& poly) {
    if (poly.empty()) return {};
    const PlanePoint o = poly[0];
    double twice = 0, sx = 0, sy = 0;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const double xi = corner(poly, i).x - o.x, yi = corner(poly, i).y - o.y;
        const double xj = corner(poly, i + 1).x - o.x, yj = corner(poly, i + 1).y - o.y;
        const double c = xi * yj - xj * yi;
        twice += c;
        sx += c * (xi + xj);
        sy += c * (yi + yj);
    }
    if (std::fabs(twice / 2) <= kZeroTolerance) {
        PlanePoint mean;
        for (const PlanePoint& p : poly) {
            mean.x += p.x / static_cast<double>(poly.size());
            mean.y += p.y / static_cast<double>(poly.size());
        }
        return mean;
    }
    return {o.x + sx / (3 * twice), o.y + sy / (3 * twice)};
}

double planeIntegral(const Polygon& poly, const LoadPlane& plane, PlanePoint centre) {
    // Each triangle (corner i, corner i + 1, centre) carries its signed area times the mean of
    // the plane at its three corners; a linear plane is integrated exactly.
    const double pc = plane.at(centre.x, centre.y);
    double sum = 0;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const PlanePoint& a = corner(poly, i);
        const PlanePoint& b = corner(poly, i + 1);
        const double twiceArea = (b.x - a.x) * (centre.y - a.y) - (centre.x - a.x) * (b.y - a.y);
        sum += twiceArea * (plane.at(a.x, a.y) + plane.at(b.x, b.y) + pc);
    }
    return sum / 6;
}

bool insideOrOn(const Polygon& poly, PlanePoint q, double tolerance) {
    if (poly.empty()) return false;
    return nearAnEdge(poly, q, tolerance) || crossingsOdd(poly, q);
}

bool strictlyInside(const Polygon& poly, PlanePoint q, double tolerance) {
    if (poly.size() < 3) return false;
    return !nearAnEdge(poly, q, tolerance) && crossingsOdd(poly, q);
}

} // namespace daskel
