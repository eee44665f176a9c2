// The 16 element functions: their DOF order, the nodal value each holds, the fields they
// reproduce exactly, their derivatives against differences and their integrals against a Gauss
// rule.
#include "shape/rectangle.hpp"
#include "tests/support/gauss_rule.hpp"
#include "tests/support/test_support.hpp"

#include <cmath>

using namespace shape;
using testsupport::gauss5;
using testsupport::near;

namespace {

// Fields the element represents come back to round-off: 1e-12 of the sum of the magnitudes
// of the terms added.
constexpr double kExact = 1e-12;
// Central differences with h = 1e-5 of the element size: see hermite_test.cpp.
constexpr double kStepFraction = 1e-5;
constexpr double kDifference = 1e-8;

// lx is not a binary fraction (2/3 m in single precision, as the solver rounds lengths).
const double kLx = static_cast<float>(2.0 / 3.0), kLy = 1.25;

const double kCornerX[kCornerCount] = {0, kLx, kLx, 0};
const double kCornerY[kCornerCount] = {0, 0, kLy, kLy};

// w = (x0 + x)^i (y0 + y)^j in local coordinates of an element whose corner 1 lies at (x0, y0)
// of the field's frame: away from the origin the element sees every lower term too.
struct Monomial {
    int i, j;
    double x0, y0;

    // d^dx/dx^dx d^dy/dy^dy w at local (x, y).
    double at(int dx, int dy, double x, double y) const {
        return derivative(i, dx, x0 + x) * derivative(j, dy, y0 + y);
    }
    // d^k/dt^k t^n.
    static double derivative(int n, int k, double t) {
        if (k > n) return 0;
        double r = 1;
        for (int m = 0; m < k; ++m)
            r *= n - m;
        return r * std::pow(t, n - k);
    }
    NodalValues nodal() const {
        NodalValues u{};
        for (int c = 0; c < kCornerCount; ++c) {
            u[dofOf(c, Component::W)] = at(0, 0, kCornerX[c], kCornerY[c]);
            u[dofOf(c, Component::Wx)] = at(1, 0, kCornerX[c], kCornerY[c]);
            u[dofOf(c, Component::Wy)] = at(0, 1, kCornerX[c], kCornerY[c]);
            u[dofOf(c, Component::Wxy)] = at(1, 1, kCornerX[c], kCornerY[c]);
        }
        return u;
    }
};

// The sum of |u_p phi_p| for one derivative: the size of the terms the interpolation adds.
double termScale(const NodalValues& u, double x, double y, int i, int j) {
    const auto phi = elementFunctions(kLx, kLy, x, y);
    double s = 0;
    for (int p = 0; p < kDofCount; ++p)
        s += std::fabs(u[p] * phi[p][i][j]);
    return s;
}

const std::pair<double, double> kInside[] = {
    {0, 0}, {kLx, kLy}, {0.3 * kLx, 0.8 * kLy}, {kLx / 2, kLy / 2}, {0.9 * kLx, 0.05 * kLy}};

} // namespace

TEST(RectangleFunctions, DofOrderAndTensorFactors) {
    // Corners counter-clockwise from the lower left; within a corner w, w,x, w,y, w,xy. The
    // factors are H1, H2 (end at 0) or H3, H4 (end at L), a slope function for each derivative.
    const TensorIndex expected[kDofCount] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {3, 0},
                                             {2, 1}, {3, 1}, {2, 2}, {3, 2}, {2, 3}, {3, 3},
                                             {0, 2}, {1, 2}, {0, 3}, {1, 3}};
    for (int p = 0; p < kDofCount; ++p) {
        EXPECT_EQ(tensorIndex(p).x, expected[p].x) << p;
        EXPECT_EQ(tensorIndex(p).y, expected[p].y) << p;
    }
    EXPECT_EQ(dofOf(0, Component::W), 0);
    EXPECT_EQ(dofOf(1, Component::Wx), 5);
    EXPECT_EQ(dofOf(2, Component::Wy), 10);
    EXPECT_EQ(dofOf(3, Component::Wxy), 15);
}

TEST(RectangleFunctions, EachHoldsOneNodalValueAndNoOther) {
    for (int c = 0; c < kCornerCount; ++c) {
        const auto phi = elementFunctions(kLx, kLy, kCornerX[c], kCornerY[c]);
        for (int p = 0; p < kDofCount; ++p) {
            const double held[kComponentCount] = {phi[p][0][0], phi[p][1][0], phi[p][0][1],
                                                  phi[p][1][1]};
            for (int k = 0; k < kComponentCount; ++k)
                EXPECT_EQ(held[k], p == kComponentCount * c + k ? 1.0 : 0.0)
                    << "function " << p << " at corner " << c << " component " << k;
        }
    }
}

TEST(RectangleFunctions, ValueFunctionsSumToOne) {
    // The sum of the four w functions is the interpolation of w = 1: one, with no slope.
    for (auto [x, y] : kInside) {
        const auto phi = elementFunctions(kLx, kLy, x, y);
        for (int i = 0; i < kDerivativeCount; ++i)
            for (int j = 0; j < kDerivativeCount; ++j) {
                double sum = 0, scale = 0;
                for (int c = 0; c < kCornerCount; ++c) {
                    sum += phi[dofOf(c, Component::W)][i][j];
                    scale += std::fabs(phi[dofOf(c, Component::W)][i][j]);
                }
                EXPECT_TRUE(near(sum, i == 0 && j == 0 ? 1.0 : 0.0, 0, kExact * scale))
                    << i << " " << j << " at " << x << ", " << y;
            }
    }
}

TEST(RectangleInterpolation, ReproducesEveryMonomialUpToBicubic) {
    // x^i y^j with i, j <= 3 (w = 1, x, x^2 y, x^3 y^3, ...), and all their derivatives, with
    // the origin on a corner and away from the element.
    for (auto [x0, y0] : {std::pair(0.0, 0.0), std::pair(0.4, -1.3)})
        for (int mi = 0; mi < 4; ++mi)
            for (int mj = 0; mj < 4; ++mj) {
                const Monomial w{mi, mj, x0, y0};
                const NodalValues u = w.nodal();
                for (auto [x, y] : kInside) {
                    const Derivatives d = interpolate(u, kLx, kLy, x, y);
                    for (int i = 0; i < kDerivativeCount; ++i)
                        for (int j = 0; j < kDerivativeCount; ++j)
                            EXPECT_TRUE(near(d[i][j], w.at(i, j, x, y), 0,
                                             kExact * termScale(u, x, y, i, j)))
                                << "x^" << mi << " y^" << mj << " from " << x0 << ", " << y0
                                << " derivative " << i << ", " << j << " at " << x << ", " << y;
                }
            }
}

TEST(RectangleFunctions, DerivativesMatchCentralDifferences) {
    const double hx = kStepFraction * kLx, hy = kStepFraction * kLy;
    for (auto [x, y] : {std::pair(0.2 * kLx, 0.6 * kLy), std::pair(0.75 * kLx, 0.3 * kLy)}) {
        const auto at = elementFunctions(kLx, kLy, x, y);
        const auto east = elementFunctions(kLx, kLy, x + hx, y);
        const auto west = elementFunctions(kLx, kLy, x - hx, y);
        const auto north = elementFunctions(kLx, kLy, x, y + hy);
        const auto south = elementFunctions(kLx, kLy, x, y - hy);
        for (int p = 0; p < kDofCount; ++p)
            for (int i = 0; i + 1 < kDerivativeCount; ++i)
                for (int j = 0; j + 1 < kDerivativeCount; ++j) {
                    const double dx = (east[p][i][j] - west[p][i][j]) / (2 * hx);
                    const double dy = (north[p][i][j] - south[p][i][j]) / (2 * hy);
                    EXPECT_TRUE(near(dx, at[p][i + 1][j], kDifference, kDifference))
                        << p << " d/dx of " << i << ", " << j;
                    EXPECT_TRUE(near(dy, at[p][i][j + 1], kDifference, kDifference))
                        << p << " d/dy of " << i << ", " << j;
                }
    }
}

TEST(RectangleFunctions, IntegralTablesGiveIntegralsOverTheElementAndParts) {
    // An area load on part of the element, a line load along x at y = s: integral tables in
    // place of the point tables.
    const double x0 = 0.1 * kLx, x1 = 0.7 * kLx, y0 = 0.25, y1 = kLy, s = 0.4 * kLy;
    const HermiteTable wholeX = hermiteIntegrals(kLx), wholeY = hermiteIntegrals(kLy);
    const HermiteTable partX = hermiteIntegrals(x0, x1, kLx), partY = hermiteIntegrals(y0, y1, kLy);
    const HermiteTable atY = hermite(s, kLy);
    double total = 0;
    for (int p = 0; p < kDofCount; ++p) {
        auto phi = [p](double x, double y) { return elementFunctions(kLx, kLy, x, y)[p][0][0]; };
        const double whole = productDerivatives(p, wholeX, wholeY)[0][0];
        EXPECT_TRUE(near(whole, gauss5(phi, 0, kLx, 0, kLy), 1e-13, 1e-15)) << p;
        EXPECT_TRUE(near(productDerivatives(p, partX, partY)[0][0], gauss5(phi, x0, x1, y0, y1),
                         1e-13, 1e-15))
            << p;
        EXPECT_TRUE(near(productDerivatives(p, wholeX, atY)[0][0],
                         gauss5([&](double x) { return phi(x, s); }, 0, kLx), 1e-13, 1e-15))
            << p;
        if (p % kComponentCount == 0) total += whole;
    }
    // The w functions sum to one, so they share the area among them.
    EXPECT_TRUE(near(total, kLx * kLy, 1e-15));
}
