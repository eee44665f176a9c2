// The work-equivalent loads of the element functions: closed forms by hand for the whole
// element and its edges, and for any polygon, segment and point the work on fields the element
// reproduces (Σ u_i f_i = ∫ p·w) against integrals taken without Green's theorem.
#include "shape/load_integrals.hpp"
#include "tests/loads/quadrature.hpp"
#include "tests/support/gauss_rule.hpp"
#include "tests/support/test_support.hpp"

#include <cmath>

using namespace shape;
using loadtest::alongSegment;
using loadtest::overPolygon;
using testsupport::gauss5;
using testsupport::near;

namespace {

// Sums of a few dozen products of order-one terms: round-off stays below 1e-13 of the size of
// the terms; 1e-12 leaves room and still catches any wrong coefficient.
constexpr double kExact = 1e-12;

// An element whose lengths are not binary fractions.
const double kLx = 1.3, kLy = 0.7;

// A field w = x^i y^j in local coordinates and its nodal values at the corners.
struct Field {
    int i, j;
    static double power(double t, int n, int k) { // d^k/dt^k t^n
        if (k > n) return 0;
        double r = 1;
        for (int m = 0; m < k; ++m)
            r *= n - m;
        return r * std::pow(t, n - k);
    }
    double at(double x, double y, int dx = 0, int dy = 0) const {
        return power(x, i, dx) * power(y, j, dy);
    }
    NodalValues nodal() const {
        const double cx[4] = {0, kLx, kLx, 0}, cy[4] = {0, 0, kLy, kLy};
        NodalValues u{};
        for (int c = 0; c < 4; ++c) {
            u[dofOf(c, Component::W)] = at(cx[c], cy[c]);
            u[dofOf(c, Component::Wx)] = at(cx[c], cy[c], 1, 0);
            u[dofOf(c, Component::Wy)] = at(cx[c], cy[c], 0, 1);
            u[dofOf(c, Component::Wxy)] = at(cx[c], cy[c], 1, 1);
        }
        return u;
    }
};

// Fields the bicubic element reproduces, up to x³y³.
const Field kFields[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {2, 1},
                         {3, 0}, {0, 3}, {3, 2}, {2, 3}, {3, 3}};

// The work of the loads on the field's nodal values.
double work(const ElementLoads& f, const Field& w) {
    const NodalValues u = w.nodal();
    double sum = 0;
    for (int p = 0; p < kDofCount; ++p)
        sum += f[p] * u[p];
    return sum;
}

double scaleOf(const ElementLoads& f) {
    double s = 0;
    for (double v : f)
        s = std::max(s, std::fabs(v));
    return s;
}

} // namespace

TEST(LoadIntegrals, AConstantLoadOverTheElementGivesTheElementLoadTable) {
    // The equivalent nodal loads of a uniform element load, by hand: q·lx·ly/4 on w,
    // ±q·lx²·ly/24 and ±q·lx·ly²/24 on the slopes, ±q·lx²·ly²/144 on the twist.
    const double q = 7.5;
    const std::vector<LocalPoint> whole = {{0, 0}, {kLx, 0}, {kLx, kLy}, {0, kLy}};
    const ElementLoads f = polygonLoads(whole, {q, 0, 0}, kLx, kLy);
    const double w = q * kLx * kLy / 4, mx = q * kLx * kLx * kLy / 24;
    const double my = q * kLx * kLy * kLy / 24, mxy = q * kLx * kLx * kLy * kLy / 144;
    const double expected[16] = {w, mx,  my,  mxy, w, -mx, my,  -mxy,
                                 w, -mx, -my, mxy, w, mx,  -my, -mxy};
    for (int p = 0; p < kDofCount; ++p)
        EXPECT_TRUE(near(f[p], expected[p], kExact)) << "DOF " << p;
    // the same square entered clockwise gives the negatives
    const std::vector<LocalPoint> clockwise = {{0, 0}, {0, kLy}, {kLx, kLy}, {kLx, 0}};
    const ElementLoads g = polygonLoads(clockwise, {q, 0, 0}, kLx, kLy);
    for (int p = 0; p < kDofCount; ++p)
        EXPECT_TRUE(near(g[p], -expected[p], kExact)) << "DOF " << p;
}

TEST(LoadIntegrals, ALinearLoadOverTheElementByHand) {
    // Corner 1: ∫∫ (p0 + px·x + py·y)·H1(x)·H1(y) with ∫H1 = L/2 and ∫x·H1 = 3L²/20; corner 3
    // w,xy: ∫x·H4 = −L³/20, ∫H4 = −L²/12.
    const LinearLoad p{2.0, 3.0, -1.5};
    const std::vector<LocalPoint> whole = {{0, 0}, {kLx, 0}, {kLx, kLy}, {0, kLy}};
    const ElementLoads f = polygonLoads(whole, p, kLx, kLy);
    const double w1 = p.p0 * kLx / 2 * kLy / 2 + p.px * 3 * kLx * kLx / 20 * kLy / 2 +
                      p.py * kLx / 2 * 3 * kLy * kLy / 20;
    EXPECT_TRUE(near(f[0], w1, kExact));
    const double h4x = -kLx * kLx / 12, h4y = -kLy * kLy / 12;
    const double xh4x = -std::pow(kLx, 3) / 20, yh4y = -std::pow(kLy, 3) / 20;
    const double twist3 = p.p0 * h4x * h4y + p.px * xh4x * h4y + p.py * h4x * yh4y;
    EXPECT_TRUE(near(f[dofOf(2, Component::Wxy)], twist3, kExact));
    // the closed form over the whole element gives the same sixteen loads
    const ElementLoads closed = rectangleLoads(p, kLx, kLy);
    EXPECT_TRUE(near(closed[0], w1, kExact));
    EXPECT_TRUE(near(closed[dofOf(2, Component::Wxy)], twist3, kExact));
    for (int k = 0; k < kDofCount; ++k)
        EXPECT_TRUE(near(closed[k], f[k], 0, kExact * scaleOf(f))) << "DOF " << k;
}

TEST(LoadIntegrals, ALinearLoadOverOneElementKeepsItsResultantAndFirstMoments) {
    // The functions reproduce 1, x and y: the loads' work on them is the resultant and the
    // first moments of the load, here by hand over the whole element.
    const LinearLoad p{2.0, 3.0, -1.5};
    const std::vector<LocalPoint> whole = {{0, 0}, {kLx, 0}, {kLx, kLy}, {0, kLy}};
    const ElementLoads f = polygonLoads(whole, p, kLx, kLy);
    const double area = kLx * kLy;
    const double resultant = area * (p.p0 + p.px * kLx / 2 + p.py * kLy / 2);
    const double aboutX = p.p0 * kLx * kLx * kLy / 2 + p.px * std::pow(kLx, 3) * kLy / 3 +
                          p.py * kLx * kLx * kLy * kLy / 4;
    const double aboutY = p.p0 * kLx * kLy * kLy / 2 + p.px * kLx * kLx * kLy * kLy / 4 +
                          p.py * kLx * std::pow(kLy, 3) / 3;
    EXPECT_TRUE(near(work(f, {0, 0}), resultant, kExact));
    EXPECT_TRUE(near(work(f, {1, 0}), aboutX, kExact));
    EXPECT_TRUE(near(work(f, {0, 1}), aboutY, kExact));
}

TEST(LoadIntegrals, AnyPolygonInTheElementAgainstTriangleQuadrature) {
    // A non-convex pentagon and a triangle: for every field the element reproduces, the work of
    // the loads is ∫∫ p·w over the polygon.
    const LinearLoad p{1.0, -2.0, 4.0};
    const std::vector<std::vector<LocalPoint>> polygons = {
        {{0.1, 0.05}, {1.2, 0.1}, {0.6, 0.3}, {1.1, 0.65}, {0.2, 0.6}},
        {{0.0, 0.0}, {1.3, 0.35}, {0.4, 0.7}}};
    for (const auto& poly : polygons) {
        const ElementLoads f = polygonLoads(poly, p, kLx, kLy);
        for (const Field& w : kFields) {
            const double expected = overPolygon(
                [&](double x, double y) { return (p.p0 + p.px * x + p.py * y) * w.at(x, y); },
                poly);
            EXPECT_TRUE(near(work(f, w), expected, 0, kExact * scaleOf(f)))
                << "x^" << w.i << " y^" << w.j << " over " << poly.size() << " corners";
        }
    }
}

TEST(LoadIntegrals, PiecesOfAnAreaAddUpToTheWhole) {
    // The element cut into a left and a right part along a slanted line: their loads add up to
    // those of the whole element.
    const LinearLoad p{3.0, 1.0, 2.0};
    const std::vector<LocalPoint> whole = {{0, 0}, {kLx, 0}, {kLx, kLy}, {0, kLy}};
    const std::vector<LocalPoint> left = {{0, 0}, {0.5, 0}, {0.9, kLy}, {0, kLy}};
    const std::vector<LocalPoint> right = {{0.5, 0}, {kLx, 0}, {kLx, kLy}, {0.9, kLy}};
    const ElementLoads all = polygonLoads(whole, p, kLx, kLy);
    const ElementLoads a = polygonLoads(left, p, kLx, kLy), b = polygonLoads(right, p, kLx, kLy);
    for (int k = 0; k < kDofCount; ++k)
        EXPECT_TRUE(near(a[k] + b[k], all[k], 0, kExact * scaleOf(all))) << "DOF " << k;
}

TEST(LoadIntegrals, ALineLoadAlongAnEdgeGivesTheEdgeLoadTable) {
    // Edge 1 (corner 1 to 2) with q: q·lx/2 on the two w, ±q·lx²/12 on their x slopes; edge 4
    // (corner 4 to 1) the same with ly and the y slopes.
    const double q = 4.0;
    const ElementLoads e1 = segmentForces({0, 0}, {kLx, 0}, q, q, kLx, kLy);
    ElementLoads expected{};
    expected[dofOf(0, Component::W)] = expected[dofOf(1, Component::W)] = q * kLx / 2;
    expected[dofOf(0, Component::Wx)] = q * kLx * kLx / 12;
    expected[dofOf(1, Component::Wx)] = -q * kLx * kLx / 12;
    for (int p = 0; p < kDofCount; ++p)
        EXPECT_TRUE(near(e1[p], expected[p], 0, kExact * q)) << "DOF " << p;
    const ElementLoads e4 = segmentForces({0, kLy}, {0, 0}, q, q, kLx, kLy);
    expected = {};
    expected[dofOf(0, Component::W)] = expected[dofOf(3, Component::W)] = q * kLy / 2;
    expected[dofOf(0, Component::Wy)] = q * kLy * kLy / 12;
    expected[dofOf(3, Component::Wy)] = -q * kLy * kLy / 12;
    for (int p = 0; p < kDofCount; ++p)
        EXPECT_TRUE(near(e4[p], expected[p], 0, kExact * q)) << "DOF " << p;
}

TEST(LoadIntegrals, LinearLinesOfForcesAndMomentsAgainstLineQuadrature) {
    // A slanted segment through the element: the work of the forces on w is ∫ q·w ds, that of
    // the moments ∫ m·∂w/∂n ds.
    const LocalPoint a{0.1, 0.65}, b{1.25, 0.05};
    const double qa = 2.0, qb = -3.0;
    const double nx = 0.6, ny = 0.8;
    const ElementLoads forces = segmentForces(a, b, qa, qb, kLx, kLy);
    const ElementLoads moments = segmentMoments(a, b, qa, qb, nx, ny, kLx, kLy);
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    auto q = [&](double x, double y) {
        const double t = std::hypot(x - a.x, y - a.y) / length;
        return qa + t * (qb - qa);
    };
    for (const Field& w : kFields) {
        const double f =
            alongSegment([&](double x, double y) { return q(x, y) * w.at(x, y); }, a, b);
        EXPECT_TRUE(near(work(forces, w), f, 0, kExact * scaleOf(forces)))
            << "x^" << w.i << " y^" << w.j;
        const double m = alongSegment(
            [&](double x, double y) {
                return q(x, y) * (nx * w.at(x, y, 1, 0) + ny * w.at(x, y, 0, 1));
            },
            a, b);
        EXPECT_TRUE(near(work(moments, w), m, 0, kExact * scaleOf(moments)))
            << "x^" << w.i << " y^" << w.j;
    }
}

TEST(LoadIntegrals, PointForcesAndMomentsAtNodesAndInside) {
    // At corner 3 a force acts on its w alone and a moment turning towards x on its w,x alone.
    const ElementLoads force = pointForce({kLx, kLy}, 5.0, kLx, kLy);
    const ElementLoads moment = pointMoment({kLx, kLy}, 2.0, 1.0, 0.0, kLx, kLy);
    for (int p = 0; p < kDofCount; ++p) {
        EXPECT_EQ(force[p], p == dofOf(2, Component::W) ? 5.0 : 0.0) << "DOF " << p;
        EXPECT_EQ(moment[p], p == dofOf(2, Component::Wx) ? 2.0 : 0.0) << "DOF " << p;
    }
    // inside: the work on each field is F·w and M·∂w/∂n at the point
    const LocalPoint at{0.4, 0.55};
    const ElementLoads f = pointForce(at, 3.0, kLx, kLy);
    const ElementLoads m = pointMoment(at, -1.5, 0.8, -0.6, kLx, kLy);
    for (const Field& w : kFields) {
        EXPECT_TRUE(near(work(f, w), 3.0 * w.at(at.x, at.y), 0, kExact * scaleOf(f)));
        const double slope = 0.8 * w.at(at.x, at.y, 1, 0) - 0.6 * w.at(at.x, at.y, 0, 1);
        EXPECT_TRUE(near(work(m, w), -1.5 * slope, 0, kExact * scaleOf(m)));
    }
}

TEST(LoadIntegrals, CurvatureLoadsByHandAndOnReproducedFields) {
    // Corner 1: ∫∫ N,xx + N,yy of w is 0 (the value functions have no slope at the ends), of
    // w,x −ly/2, of w,y −lx/2, of w,xy −(lx² + ly²)/12.
    const ElementLoads c = curvatureLoads(kLx, kLy);
    EXPECT_TRUE(near(c[0], 0, 0, kExact));
    EXPECT_TRUE(near(c[1], -kLy / 2, kExact));
    EXPECT_TRUE(near(c[2], -kLx / 2, kExact));
    EXPECT_TRUE(near(c[3], -(kLx * kLx + kLy * kLy) / 12, kExact));
    // on any reproduced field the work is ∫∫ (w,xx + w,yy)
    for (const Field& w : kFields) {
        const double expected =
            gauss5([&](double x, double y) { return w.at(x, y, 2, 0) + w.at(x, y, 0, 2); }, 0, kLx,
                   0, kLy);
        EXPECT_TRUE(near(work(c, w), expected, 0, kExact * (1 + std::fabs(expected))))
            << "x^" << w.i << " y^" << w.j;
    }
}
