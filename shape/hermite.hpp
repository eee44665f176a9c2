// The four one-dimensional cubic Hermite functions on [0, L] (value at 0, slope at 0, value at L,
// slope at L): derivatives at a point, exact integrals, and exact integrals of their products.
#pragma once

#include <array>

namespace shape {

/// The functions in their order: H1 value at 0, H2 slope at 0, H3 value at L, H4 slope at L.
inline constexpr int kHermiteCount = 4;
/// Derivatives 0 to 3 are kept; the fourth derivative of a cubic vanishes.
inline constexpr int kDerivativeCount = 4;

/// [function][derivative k]. With s and L in metres, derivative k of H1 and H3 is in m^-k, of H2
/// and H4 (which carry a factor L) in m^(1-k); an integral adds one metre to each.
using HermiteTable = std::array<std::array<double, kDerivativeCount>, kHermiteCount>;

/// [i][j] over the four functions; units as the entries of HermiteTable multiplied.
using Matrix4 = std::array<std::array<double, kHermiteCount>, kHermiteCount>;

/// Values and derivatives 0 to 3 at s on [0, L], L > 0; s outside [0, L] extrapolates the cubics.
HermiteTable hermite(double s, double length);

/// Integral over [0, L] of derivative k of each function, in closed form.
HermiteTable hermiteIntegrals(double length);

/// Integral over [s0, s1] of derivative k of each function (the negative when s1 < s0).
HermiteTable hermiteIntegrals(double s0, double s1, double length);

/// Integral over [0, L] of H_i H_j (the one-dimensional mass matrix).
Matrix4 massMatrix(double length);

/// Integral over [0, L] of H_i' H_j'.
Matrix4 slopeMatrix(double length);

/// Integral over [0, L] of H_i'' H_j''.
Matrix4 curvatureMatrix(double length);

/// Integral over [0, L] of H_i'' H_j (not symmetric).
Matrix4 mixedMatrix(double length);

} // namespace shape
