// A five-point Gauss-Legendre rule, exact for polynomials up to degree nine: an integration of
// the shape functions and their products that shares no formula with the closed forms tested.
#pragma once

#include <array>
#include <functional>

namespace testsupport {

/// Integral of f over [lo, hi] by the five-point rule (the negative when hi < lo).
inline double gauss5(const std::function<double(double)>& f, double lo, double hi) {
    static constexpr std::array<double, 5> kPoints = {
        -0.9061798459386639927976269, -0.5384693101056830910363144, 0.0,
        0.5384693101056830910363144, 0.9061798459386639927976269};
    static constexpr std::array<double, 5> kWeights = {
        0.2369268850561890875142640, 0.4786286704993664680412915, 0.5688888888888888888888889,
        0.4786286704993664680412915, 0.2369268850561890875142640};
    const double mid = (lo + hi) / 2, half = (hi - lo) / 2;
    double sum = 0;
    for (int k = 0; k < 5; ++k)
        sum += kWeights[k] * f(mid + half * kPoints[k]);
    return sum * half;
}

/// Integral of f over the rectangle [x0, x1] x [y0, y1] by the product of two five-point rules.
inline double gauss5(const std::function<double(double, double)>& f, double x0, double x1,
                     double y0, double y1) {
    return gauss5([&](double x) { return gauss5([&](double y) { return f(x, y); }, y0, y1); }, x0,
                  x1);
}

} // namespace testsupport
