// Shared by the generator's tests: integrals over triangles, polygons and segments by products
// of five-point Gauss rules, which share no formula with the closed forms and Green's theorem
// they check.
#pragma once

#include "tests/support/gauss_rule.hpp"

#include <cmath>
#include <functional>
#include <vector>

namespace loadtest {

/// ∫∫ g over the triangle a, b, c (signed like its area) by the collapsed map P = a + s(b − a) +
/// st(c − b) with Jacobian 2A·s: exact for polynomials up to degree 8.
template <class Point>
double overTriangle(const std::function<double(double, double)>& g, Point a, Point b, Point c) {
    const double twiceArea = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    return testsupport::gauss5(
        [&](double s) {
            return testsupport::gauss5(
                [&](double t) {
                    const double x = a.x + s * (b.x - a.x) + s * t * (c.x - b.x);
                    const double y = a.y + s * (b.y - a.y) + s * t * (c.y - b.y);
                    return g(x, y) * twiceArea * s;
                },
                0, 1);
        },
        0, 1);
}

/// ∫∫ g over a polygon as the fan of triangles from its first corner (signed).
template <class Point>
double overPolygon(const std::function<double(double, double)>& g, const std::vector<Point>& poly) {
    double sum = 0;
    for (std::size_t k = 1; k + 1 < poly.size(); ++k)
        sum += overTriangle(g, poly[0], poly[k], poly[k + 1]);
    return sum;
}

/// ∫ g ds along the segment from a to b, in three pieces of five points each.
template <class Point>
double alongSegment(const std::function<double(double, double)>& g, Point a, Point b) {
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    double sum = 0;
    for (int piece = 0; piece < 3; ++piece)
        sum += testsupport::gauss5(
            [&](double t) { return g(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)); }, piece / 3.0,
            (piece + 1) / 3.0);
    return sum * length;
}

} // namespace loadtest
