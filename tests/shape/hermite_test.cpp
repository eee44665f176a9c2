// The one-dimensional Hermite cubics against hand values and finite differences, and a Gauss
// rule for their integrals and the integrals of their products.
#include "shape/hermite.hpp"
#include "tests/support/gauss_rule.hpp"
#include "tests/support/test_support.hpp"

#include <cmath>

using namespace shape;
using testsupport::gauss5;
using testsupport::near;

namespace {

// Closed forms against the Gauss rule: both exact, so they differ by round-off only.
constexpr double kExact = 1e-13;
// Central differences with h = 1e-5 L for 0.5 m <= L <= 3 m: the truncation h^2/6 H''' and the
// round-off eps H / h stay below 1e-9 in every unit met here, so 1e-8 is a clear margin.
constexpr double kStepFraction = 1e-5;
constexpr double kDifference = 1e-8;

// 2/3 m is not a binary fraction, so the tests see the rounding of s / L.
const double kLengths[] = {0.5, 2.0 / 3.0, 1.0, 1.7, 3.0};

double maxAbs(const Matrix4& m) {
    double r = 0;
    for (const auto& row : m)
        for (double v : row)
            r = std::max(r, std::fabs(v));
    return r;
}

} // namespace

TEST(HermiteFunctions, EachHoldsOneEndValueOrSlope) {
    for (double L : kLengths) {
        const HermiteTable start = hermite(0, L), end = hermite(L, L);
        for (int f = 0; f < kHermiteCount; ++f) {
            EXPECT_EQ(start[f][0], f == 0 ? 1.0 : 0.0) << f << " L " << L;
            EXPECT_EQ(start[f][1], f == 1 ? 1.0 : 0.0) << f << " L " << L;
            EXPECT_EQ(end[f][0], f == 2 ? 1.0 : 0.0) << f << " L " << L;
            EXPECT_EQ(end[f][1], f == 3 ? 1.0 : 0.0) << f << " L " << L;
        }
    }
}

TEST(HermiteFunctions, ValuesAndDerivativesAtAQuarterByHand) {
    // L = 2, s = 0.5: xi = 1/4, and every term is a binary fraction.
    const HermiteTable h = hermite(0.5, 2.0);
    const HermiteTable expected = {{{0.84375, -0.5625, -0.75, 1.5},
                                    {0.28125, 0.1875, -1.25, 1.5},
                                    {0.15625, 0.5625, 0.75, -1.5},
                                    {-0.09375, -0.3125, -0.25, 1.5}}};
    for (int f = 0; f < kHermiteCount; ++f)
        for (int k = 0; k < kDerivativeCount; ++k)
            EXPECT_EQ(h[f][k], expected[f][k]) << "H" << f + 1 << " derivative " << k;
}

TEST(HermiteFunctions, DerivativesMatchCentralDifferences) {
    for (double L : kLengths) {
        const double h = kStepFraction * L;
        for (double xi : {0.1, 0.37, 0.5, 0.93}) {
            const double s = xi * L;
            const HermiteTable at = hermite(s, L), above = hermite(s + h, L),
                               below = hermite(s - h, L);
            for (int f = 0; f < kHermiteCount; ++f) {
                for (int k = 0; k + 1 < kDerivativeCount; ++k) {
                    const double difference = (above[f][k] - below[f][k]) / (2 * h);
                    EXPECT_TRUE(near(difference, at[f][k + 1], kDifference, kDifference))
                        << "H" << f + 1 << " derivative " << k + 1 << " at " << s << " L " << L;
                }
                // A cubic's third derivative is one constant over the whole interval.
                EXPECT_EQ(at[f][3], hermite(0, L)[f][3]);
            }
        }
    }
}

TEST(HermiteIntegrals, OverTheWholeLengthByHandAndByGauss) {
    for (double L : kLengths) {
        const HermiteTable r = hermiteIntegrals(L);
        EXPECT_EQ(r[0][0], L / 2);
        EXPECT_EQ(r[1][0], L * L / 12);
        EXPECT_EQ(r[2][0], L / 2);
        EXPECT_EQ(r[3][0], -L * L / 12);
        for (int f = 0; f < kHermiteCount; ++f)
            for (int k = 0; k < kDerivativeCount; ++k) {
                const double g = gauss5([&](double s) { return hermite(s, L)[f][k]; }, 0, L);
                EXPECT_TRUE(near(r[f][k], g, kExact, kExact * std::pow(L, -k)))
                    << "H" << f + 1 << " derivative " << k << " L " << L;
            }
    }
}

TEST(HermiteIntegrals, OverPartsOfTheLengthByGauss) {
    const double L = 1.7;
    const std::pair<double, double> parts[] = {{0, L}, {0, 0.4}, {0.4, 1.1}, {1.1, L}, {0.3, 0.3}};
    for (auto [s0, s1] : parts) {
        const HermiteTable r = hermiteIntegrals(s0, s1, L);
        const HermiteTable back = hermiteIntegrals(s1, s0, L);
        for (int f = 0; f < kHermiteCount; ++f)
            for (int k = 0; k < kDerivativeCount; ++k) {
                const double g = gauss5([&](double s) { return hermite(s, L)[f][k]; }, s0, s1);
                EXPECT_TRUE(near(r[f][k], g, kExact, kExact * std::pow(L, -k)))
                    << "H" << f + 1 << " derivative " << k << " over " << s0 << " to " << s1;
                EXPECT_EQ(back[f][k], -r[f][k]);
            }
    }
}

TEST(HermiteProducts, MatricesAreTheIntegralsOfProductsOfDerivatives) {
    struct Case {
        const char* name;
        Matrix4 (*matrix)(double);
        int left, right; // derivative of H_i and of H_j
    };
    const Case cases[] = {{"mass", massMatrix, 0, 0},
                          {"slope", slopeMatrix, 1, 1},
                          {"curvature", curvatureMatrix, 2, 2},
                          {"mixed", mixedMatrix, 2, 0}};
    for (const Case& c : cases)
        for (double L : kLengths) {
            const Matrix4 m = c.matrix(L);
            const double scale = maxAbs(m);
            for (int i = 0; i < kHermiteCount; ++i)
                for (int j = 0; j < kHermiteCount; ++j) {
                    const double g = gauss5(
                        [&](double s) {
                            const HermiteTable h = hermite(s, L);
                            return h[i][c.left] * h[j][c.right];
                        },
                        0, L);
                    EXPECT_TRUE(near(m[i][j], g, kExact, kExact * scale))
                        << c.name << " (" << i << ", " << j << ") L " << L;
                }
        }
}
