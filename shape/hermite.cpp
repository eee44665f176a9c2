// The one-dimensional cubic Hermite functions in closed form, with xi = s / L.
#include "shape/hermite.hpp"

namespace shape {

HermiteTable hermite(double s, double length) {
    const double L = length;
    const double t = s / L, t2 = t * t, t3 = t2 * t;
    return {
        {{1 - 3 * t2 + 2 * t3, (-6 * t + 6 * t2) / L, (-6 + 12 * t) / (L * L), 12 / (L * L * L)},
         {L * (t - 2 * t2 + t3), 1 - 4 * t + 3 * t2, (-4 + 6 * t) / L, 6 / (L * L)},
         {3 * t2 - 2 * t3, (6 * t - 6 * t2) / L, (6 - 12 * t) / (L * L), -12 / (L * L * L)},
         {L * (-t2 + t3), -2 * t + 3 * t2, (-2 + 6 * t) / L, 6 / (L * L)}}};
}

namespace {

// Integrals of derivatives 1 to 3 are differences of the next lower derivative at the ends; only
// the functions themselves (plain) need a closed form of their own.
HermiteTable integrals(const std::array<double, kHermiteCount>& plain, const HermiteTable& start,
                       const HermiteTable& end) {
    HermiteTable r{};
    for (int f = 0; f < kHermiteCount; ++f) {
        r[f][0] = plain[f];
        for (int k = 1; k < kDerivativeCount; ++k)
            r[f][k] = end[f][k - 1] - start[f][k - 1];
    }
    return r;
}

// Antiderivatives of the four functions, zero at s = 0.
std::array<double, kHermiteCount> antiderivatives(double s, double L) {
    const double t = s / L, t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    return {L * (t - t3 + t4 / 2), L * L * (t2 / 2 - 2 * t3 / 3 + t4 / 4), L * (t3 - t4 / 2),
            L * L * (-t3 / 3 + t4 / 4)};
}

} // namespace

HermiteTable hermiteIntegrals(double length) {
    const double L = length;
    return integrals({L / 2, L * L / 12, L / 2, -L * L / 12}, hermite(0, L), hermite(L, L));
}

HermiteTable hermiteIntegrals(double s0, double s1, double length) {
    const auto from = antiderivatives(s0, length), to = antiderivatives(s1, length);
    std::array<double, kHermiteCount> plain{};
    for (int f = 0; f < kHermiteCount; ++f)
        plain[f] = to[f] - from[f];
    return integrals(plain, hermite(s0, length), hermite(s1, length));
}

Matrix4 massMatrix(double length) {
    const double L = length, f = L / 420.0;
    return {{{156 * f, 22 * L * f, 54 * f, -13 * L * f},
             {22 * L * f, 4 * L * L * f, 13 * L * f, -3 * L * L * f},
             {54 * f, 13 * L * f, 156 * f, -22 * L * f},
             {-13 * L * f, -3 * L * L * f, -22 * L * f, 4 * L * L * f}}};
}

Matrix4 slopeMatrix(double length) {
    const double L = length, f = 1.0 / (30.0 * L);
    return {{{36 * f, 3 * L * f, -36 * f, 3 * L * f},
             {3 * L * f, 4 * L * L * f, -3 * L * f, -L * L * f},
             {-36 * f, -3 * L * f, 36 * f, -3 * L * f},
             {3 * L * f, -L * L * f, -3 * L * f, 4 * L * L * f}}};
}

Matrix4 curvatureMatrix(double length) {
    const double L = length, f = 1.0 / (L * L * L);
    return {{{12 * f, 6 * L * f, -12 * f, 6 * L * f},
             {6 * L * f, 4 * L * L * f, -6 * L * f, 2 * L * L * f},
             {-12 * f, -6 * L * f, 12 * f, -6 * L * f},
             {6 * L * f, 2 * L * L * f, -6 * L * f, 4 * L * L * f}}};
}

Matrix4 mixedMatrix(double length) {
    // Integration by parts: [H_i' H_j] from 0 to L minus the integral of H_i' H_j'. At 0 only
    // H2' H1 is 1, at L only H4' H3.
    Matrix4 c = slopeMatrix(length);
    for (auto& row : c)
        for (double& v : row)
            v = -v;
    c[3][2] += 1.0;
    c[1][0] -= 1.0;
    return c;
}

} // namespace shape
