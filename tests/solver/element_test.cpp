// The plate rectangle against hand values and fields it represents exactly.
#include "shape/rectangle.hpp"
#include "solver/element.hpp"
#include "solver/example_slab.hpp"
#include "solver/model.hpp"
#include "tests/support/gauss_rule.hpp"
#include "tests/support/test_support.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

using namespace slab;
using testsupport::near;

namespace {

constexpr double kLx = 2.0, kLy = 3.0, kE = 30000.0, kT = 0.25, kNu = 0.2;

struct Field {
    std::function<double(double, double)> w, wx, wy, wxy;
};

// Nodal values (w, w,x, w,y, w,xy at the corners) of a field on the kLx x kLy element.
ElementVector nodalValues(const Field& f) {
    const double cx[4] = {0, kLx, kLx, 0}, cy[4] = {0, 0, kLy, kLy};
    ElementVector u{};
    for (int c = 0; c < 4; ++c) {
        u[4 * c] = f.w(cx[c], cy[c]);
        u[4 * c + 1] = f.wx(cx[c], cy[c]);
        u[4 * c + 2] = f.wy(cx[c], cy[c]);
        u[4 * c + 3] = f.wxy(cx[c], cy[c]);
    }
    return u;
}

double energy(const ElementMatrix& k, const ElementVector& u) {
    double s = 0;
    for (int i = 0; i < 16; ++i)
        for (int j = 0; j < 16; ++j)
            s += u[i] * k[i * 16 + j] * u[j];
    return s;
}

const double kD = flexuralRigidity(kE, kT, kNu);

// Closed forms against an integration of the shape functions: both exact, so they differ by
// round-off of the largest entry only.
constexpr double kExact = 1e-12;
// Entries kept in single precision are rounded to half a unit in the 24th bit, 6e-8 of their
// size; 1e-7 of the largest entry covers that with a margin.
constexpr double kSingle = 1e-7;

// Integral over the element of f(phi_p, phi_q), by the five-point rule in x and in y.
template <typename F> double overElement(F f, int p, int q) {
    return testsupport::gauss5(
        [&](double x, double y) {
            const auto phi = shape::elementFunctions(kLx, kLy, x, y);
            return f(phi[p], phi[q]);
        },
        0, kLx, 0, kLy);
}

template <typename T, std::size_t N> double largest(const std::array<T, N>& a) {
    double r = 0;
    for (T v : a)
        r = std::max(r, std::fabs(static_cast<double>(v)));
    return r;
}

} // namespace

TEST(Element, StiffnessEntriesByHand) {
    const ElementMatrix k = elementStiffness(kLx, kLy, kD, kNu);
    EXPECT_NEAR(k[0], 100.976, 5e-4);
    EXPECT_NEAR(k[1], 78.310, 5e-4);
    // K(1,1) = D / (175 lx ly) (780 lx²/ly² + 504 + 780 ly²/lx²)
    EXPECT_TRUE(
        near(k[0], kD / (175 * kLx * kLy) *
                       (780 * kLx * kLx / (kLy * kLy) + 504 + 780 * kLy * kLy / (kLx * kLx))));
    for (int i = 0; i < 16; ++i)
        for (int j = 0; j < 16; ++j)
            EXPECT_EQ(k[i * 16 + j], k[j * 16 + i]);
}

TEST(Element, StiffnessIsTheCurvatureEnergyOfTheShapeFunctions) {
    const ElementMatrix k = elementStiffness(kLx, kLy, kD, kNu);
    const double scale = largest(k);
    auto energy = [](const shape::Derivatives& a, const shape::Derivatives& b) {
        return kD *
               (a[2][0] * b[2][0] + a[0][2] * b[0][2] +
                kNu * (a[2][0] * b[0][2] + a[0][2] * b[2][0]) + 2 * (1 - kNu) * a[1][1] * b[1][1]);
    };
    for (int p = 0; p < 16; ++p)
        for (int q = 0; q < 16; ++q)
            EXPECT_TRUE(near(k[p * 16 + q], overElement(energy, p, q), 0, kExact * scale))
                << p << ", " << q;
}

TEST(Element, EquivalentLoadsAreTheIntegralsOfTheShapeFunctions) {
    // The work of a uniform area load q and of constant line loads p1 to p4 on edges 1 to 4
    // (y = 0, x = lx, y = ly, x = 0) on each element function.
    const double q = 7.5;
    const std::array<double, 4> line = {1.5, -2.0, 4.0, 0.5};
    const auto f = equivalentNodalLoads(kLx, kLy, q, line);
    const shape::HermiteTable alongX = shape::hermiteIntegrals(kLx);
    const shape::HermiteTable alongY = shape::hermiteIntegrals(kLy);
    const shape::HermiteTable x0 = shape::hermite(0, kLx), x1 = shape::hermite(kLx, kLx);
    const shape::HermiteTable y0 = shape::hermite(0, kLy), y1 = shape::hermite(kLy, kLy);
    const double scale = largest(f);
    for (int p = 0; p < 16; ++p) {
        const double expected = q * shape::productDerivatives(p, alongX, alongY)[0][0] +
                                line[0] * shape::productDerivatives(p, alongX, y0)[0][0] +
                                line[1] * shape::productDerivatives(p, x1, alongY)[0][0] +
                                line[2] * shape::productDerivatives(p, alongX, y1)[0][0] +
                                line[3] * shape::productDerivatives(p, x0, alongY)[0][0];
        EXPECT_TRUE(near(f[p], expected, 0, kSingle * scale)) << p;
    }
}

TEST(Element, RigidBodyMotionsCostNoEnergy) {
    const ElementMatrix k = elementStiffness(kLx, kLy, kD, kNu);
    const Field fields[3] = {
        {[](double, double) { return 1.0; }, [](double, double) { return 0.0; },
         [](double, double) { return 0.0; }, [](double, double) { return 0.0; }},
        {[](double x, double) { return x; }, [](double, double) { return 1.0; },
         [](double, double) { return 0.0; }, [](double, double) { return 0.0; }},
        {[](double, double y) { return y; }, [](double, double) { return 0.0; },
         [](double, double) { return 1.0; }, [](double, double) { return 0.0; }}};
    for (const auto& f : fields) {
        const ElementVector u = nodalValues(f);
        for (int i = 0; i < 16; ++i) {
            double r = 0;
            for (int j = 0; j < 16; ++j)
                r += k[i * 16 + j] * u[j];
            EXPECT_TRUE(near(r, 0.0, 0, 1e-9 * kD));
        }
    }
}

TEST(Element, StrainEnergyOfConstantCurvatures) {
    const ElementMatrix k = elementStiffness(kLx, kLy, kD, kNu);
    const double area = kLx * kLy;
    // w = x²: curvature energy D (w,xx)² over the area.
    const Field xx{[](double x, double) { return x * x; }, [](double x, double) { return 2 * x; },
                   [](double, double) { return 0.0; }, [](double, double) { return 0.0; }};
    EXPECT_TRUE(near(energy(k, nodalValues(xx)), kD * 4 * area));
    // w = x y: pure twist, 2 D (1 - nu) (w,xy)².
    const Field xy{[](double x, double y) { return x * y; }, [](double, double y) { return y; },
                   [](double x, double) { return x; }, [](double, double) { return 1.0; }};
    EXPECT_TRUE(near(energy(k, nodalValues(xy)), 2 * kD * (1 - kNu) * area));
    // w = x² + y²: D (4 + 4 + 2 nu 4) over the area.
    const Field sum{[](double x, double y) { return x * x + y * y; },
                    [](double x, double) { return 2 * x; }, [](double, double y) { return 2 * y; },
                    [](double, double) { return 0.0; }};
    EXPECT_TRUE(near(energy(k, nodalValues(sum)), kD * (8 + 8 * kNu) * area));
}

TEST(Element, PointFunctionsReproducePolynomialFields) {
    const double x = 0.7, y = 2.2;
    const Field x2{[](double x, double) { return x * x; }, [](double x, double) { return 2 * x; },
                   [](double, double) { return 0.0; }, [](double, double) { return 0.0; }};
    PointValues v = pointValues(kLx, kLy, kD, kNu, nodalValues(x2), x, y);
    EXPECT_TRUE(near(v.w, x * x));
    EXPECT_TRUE(near(v.mxx, -2 * kD));
    EXPECT_TRUE(near(v.myy, -2 * kNu * kD));
    EXPECT_TRUE(near(v.mxy, 0, 0, 1e-12 * kD));

    const Field x3{[](double x, double) { return x * x * x; },
                   [](double x, double) { return 3 * x * x; }, [](double, double) { return 0.0; },
                   [](double, double) { return 0.0; }};
    v = pointValues(kLx, kLy, kD, kNu, nodalValues(x3), x, y);
    EXPECT_TRUE(near(v.qx, -6 * kD));
    EXPECT_TRUE(near(v.mxx, -6 * x * kD));

    const Field x2y2{[](double x, double y) { return x * x * y * y; },
                     [](double x, double y) { return 2 * x * y * y; },
                     [](double x, double y) { return 2 * x * x * y; },
                     [](double x, double y) { return 4 * x * y; }};
    v = pointValues(kLx, kLy, kD, kNu, nodalValues(x2y2), x, y);
    EXPECT_TRUE(near(v.ph, 8 * kD));
    EXPECT_TRUE(near(v.tx, kD * (1 - kNu) * 4 * y));  // w,xxy = 4y
    EXPECT_TRUE(near(v.ty, -kD * (1 - kNu) * 4 * x)); // w,xyy = 4x

    const Field xy{[](double x, double y) { return x * y; }, [](double, double y) { return y; },
                   [](double x, double) { return x; }, [](double, double) { return 1.0; }};
    v = pointValues(kLx, kLy, kD, kNu, nodalValues(xy), x, y);
    EXPECT_TRUE(near(v.mxy, -kD * (1 - kNu)));
    EXPECT_TRUE(near(v.ph, 0, 0, 1e-12 * kD));
}

TEST(Element, EdgeResultantsRotateTheMoments) {
    PointValues v;
    v.mxx = 10;
    v.myy = 2;
    v.mxy = 3;
    v.qx = 4;
    v.qy = -5;
    auto r = edgeResultants(v, 1, 0);
    EXPECT_EQ(r.mn, 10);
    EXPECT_EQ(r.mnt, 3);
    EXPECT_EQ(r.qn, 4);
    r = edgeResultants(v, 0, -1);
    EXPECT_EQ(r.mn, 2);
    EXPECT_EQ(r.mnt, -3);
    EXPECT_EQ(r.qn, 5);
}

TEST(Element, EquivalentLoadsOfAreaAndLineLoads) {
    const auto f = equivalentNodalLoads(kLx, kLy, 5.0, {0, 0, 0, 0});
    EXPECT_TRUE(near(f[0] + f[4] + f[8] + f[12], 5.0 * kLx * kLy, 1e-7));
    EXPECT_EQ(f[1], static_cast<float>(5.0 * kLx * kLx * kLy / 24));
    EXPECT_EQ(f[3], static_cast<float>(5.0 * kLx * kLx * kLy * kLy / 144));
    EXPECT_EQ(f[7], -f[3]);
    // A line load on edge 2 (x = lx) goes to corners 2 and 3 only.
    const auto g = equivalentNodalLoads(kLx, kLy, 0.0, {0, 4.0, 0, 0});
    EXPECT_EQ(g[0], 0.0f);
    EXPECT_EQ(g[4], 6.0f);
    EXPECT_EQ(g[8], 6.0f);
    EXPECT_EQ(g[6], 3.0f); // p ly² / 12
    EXPECT_EQ(g[10], -3.0f);
}

TEST(Element, BeddingMatrixIsTheMassOfTheShapeFunctions) {
    const double c = 50000.0;
    const auto kb = beddingMatrix(kLx, kLy, c);
    EXPECT_EQ(kb[0], static_cast<float>(c * kLx * kLy * 169.0 / 1225.0));
    // The w functions sum to one, so the w block sums to c times the area.
    double sum = 0;
    for (int i = 0; i < 16; i += 4)
        for (int j = 0; j < 16; j += 4)
            sum += kb[i * 16 + j];
    EXPECT_TRUE(near(sum, c * kLx * kLy, 1e-6));
    for (int i = 0; i < 16; ++i)
        for (int j = 0; j < 16; ++j)
            EXPECT_EQ(kb[i * 16 + j], kb[j * 16 + i]);
}

TEST(Element, LengthsAreRoundedToSinglePrecisionInEveryBuild) {
    // 8 m in 12 elements: 2/3 m is not a float, so the rounding is visible.
    auto m = std::make_unique<SolverModel>();
    ExampleSlab s;
    s.nx = 12;
    s.ny = 9;
    buildExampleSlab(s, *m);
    for (int e : {1, 50, 108}) {
        const auto [lx, ly] = elementSize(*m, e);
        EXPECT_EQ(lx, static_cast<double>(static_cast<float>(edgeLength(*m, e, 1))));
        EXPECT_EQ(ly, static_cast<double>(static_cast<float>(edgeLength(*m, e, 2))));
        EXPECT_NE(lx, edgeLength(*m, e, 1));
    }
}

TEST(Element, LineRuleConstants) {
    EXPECT_EQ(linePoint(1, 1.0), static_cast<double>(0.11270166f));
    EXPECT_EQ(linePoint(2, 4.0), 2.0);
    EXPECT_EQ(lineWeight(2, 1.0), static_cast<double>(0.44444445f));
    EXPECT_TRUE(near(lineWeight(1, 2.0) + lineWeight(2, 2.0) + lineWeight(3, 2.0), 2.0, 1e-7));
}
