// The generated loads of a whole mesh against the work of the loads: for every field the
// elements reproduce (w = x^i·y^j, i, j ≤ 3, in slab coordinates), the nodal loads times the
// field's nodal values equal the work of the load on the field, integrated without the
// generator's cutting, mapping and gathering. Lengths of 0.5 m x 0.75 m keep single precision
// out of the comparison.
#include "loads/generator/generated_loads.hpp"
#include "loads/load_entry.hpp"
#include "loads/macros/load_macros.hpp"
#include "tests/loads/grid_meshes.hpp"
#include "tests/loads/quadrature.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace daskel;
using testsupport::near;

namespace {

// Sums over a few hundred nodes of products of order one: round-off stays below 1e-13 of the
// sum of their magnitudes.
constexpr double kExact = 1e-12;

const gridtest::Grid kGrid = [] {
    gridtest::Grid g;
    g.nx = 8;
    g.ny = 6;
    g.dx = 0.5;
    g.dy = 0.75;
    return g;
}();

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
};

const Field kFields[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 1}, {1, 2}, {3, 2}, {2, 3}, {3, 3}};

struct Work {
    double value = 0, scale = 0;
};

// The work of the generated loads on the field's nodal values w, w,x, w,y, w,xy.
Work workOn(const GeneratedLoads& g, const SlabModel& m, const Field& w) {
    Work r;
    for (int n = 1; n <= m.nodeCount; ++n) {
        const double x = m.nodes[n].x, y = m.nodes[n].y;
        const double u[4] = {w.at(x, y), w.at(x, y, 1, 0), w.at(x, y, 0, 1), w.at(x, y, 1, 1)};
        for (int k = 0; k < 4; ++k) {
            r.value += g.nodes[n][k] * u[k];
            r.scale += std::fabs(g.nodes[n][k] * u[k]);
        }
    }
    return r;
}

struct Case {
    SlabModel model = gridtest::gridModel(kGrid);
    SlabOutline outline = deriveOutline(model);
    GeneratedLoads generate(LoadCase lc) const {
        prepareLoadCase(lc, outline, 1);
        return generateLoads(lc, model, outline);
    }
    // Checks the work on every field against expected(w).
    void check(const GeneratedLoads& g, const std::function<double(const Field&)>& expected) {
        for (const Field& w : kFields) {
            const Work work = workOn(g, model, w);
            EXPECT_TRUE(near(work.value, expected(w), 0, kExact * (work.scale + 1)))
                << "x^" << w.i << " y^" << w.j;
        }
    }
};

LineLoadInput line(PlanePoint a, PlanePoint b, double start, double end, LineLoadKind kind) {
    LineLoadInput in;
    in.xa = a.x;
    in.ya = a.y;
    in.xb = b.x;
    in.yb = b.y;
    in.start = start;
    in.end = end;
    in.kind = kind;
    return in;
}

// ∫ v·(w or ∂w/∂n) along a to b, v linear from va to vb, n the left normal of the direction.
double lineWork(const Field& w, PlanePoint a, PlanePoint b, double va, double vb, bool moments) {
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const double nx = -(b.y - a.y) / length, ny = (b.x - a.x) / length;
    return loadtest::alongSegment(
        [&](double x, double y) {
            const double v = va + std::hypot(x - a.x, y - a.y) / length * (vb - va);
            return v * (moments ? nx * w.at(x, y, 1, 0) + ny * w.at(x, y, 0, 1) : w.at(x, y));
        },
        a, b);
}

// ∫∫ g over the slab, element by element.
double overSlab(const std::function<double(double, double)>& g) {
    double sum = 0;
    for (int i = 0; i < kGrid.nx; ++i)
        for (int j = 0; j < kGrid.ny; ++j)
            sum += testsupport::gauss5(g, i * kGrid.dx, (i + 1) * kGrid.dx, j * kGrid.dy,
                                       (j + 1) * kGrid.dy);
    return sum;
}

} // namespace

TEST(GeneratedWork, AnAreaLoadAcrossManyElements) {
    // A non-convex hexagon with a linear load through its corner values (least squares).
    Case c;
    LoadCase lc;
    const std::vector<CornerInput> corners = {{0.2, 0.3, 2}, {3.7, 0.6, 5}, {2.1, 2.0, 1},
                                              {3.4, 4.1, 3}, {0.9, 3.9, 4}, {1.3, 2.2, 2}};
    ASSERT_FALSE(addAreaLoad(lc, {corners, false}));
    const GeneratedLoads g = c.generate(lc);
    ASSERT_TRUE(g.notices.empty());
    const LoadCase prepared = [&] {
        LoadCase p = lc;
        prepareLoadCase(p, c.outline, 1);
        return p;
    }();
    const LoadPlane plane = planeOf(prepared.areaLoads[0]);
    const Polygon poly = polygonOf(prepared.areaLoads[0]);
    c.check(g, [&](const Field& w) {
        return loadtest::overPolygon(
            [&](double x, double y) { return plane.at(x, y) * w.at(x, y); }, poly);
    });
}

TEST(GeneratedWork, LinesOfForcesAndMomentsAcrossElements) {
    Case c;
    const PlanePoint a{0.3, 4.2}, b{3.8, 0.1};
    LoadCase forces, moments;
    ASSERT_FALSE(addLineLoad(forces, line(a, b, 2, -1, LineLoadKind::Forces)));
    ASSERT_FALSE(addLineLoad(moments, line(a, b, 2, -1, LineLoadKind::Moments)));
    // the corners as the load case keeps them, in single precision
    const PlanePoint fa{float(a.x), float(a.y)}, fb{float(b.x), float(b.y)};
    c.check(c.generate(forces), [&](const Field& w) { return lineWork(w, fa, fb, 2, -1, false); });
    c.check(c.generate(moments), [&](const Field& w) { return lineWork(w, fa, fb, 2, -1, true); });
}

TEST(GeneratedWork, ALineJustInsideAnElementActsWhereItLies) {
    // 0.05 mm right of the line x = 1, within the tolerance of the elements left of it: the
    // load still acts at x = 1.00005 (a stretch goes to the element that holds it).
    Case c;
    const PlanePoint a{1.00005, 0.2}, b{1.00005, 2.9};
    LoadCase lc;
    ASSERT_FALSE(addLineLoad(lc, line(a, b, 3, 3, LineLoadKind::Forces)));
    const PlanePoint fa{float(a.x), float(a.y)}, fb{float(b.x), float(b.y)};
    c.check(c.generate(lc), [&](const Field& w) { return lineWork(w, fa, fb, 3, 3, false); });
}

TEST(GeneratedWork, PointForcesAndMoments) {
    Case c;
    LoadCase lc;
    PointLoadInput force, moment;
    force.x = 1.7;
    force.y = 2.3;
    force.size = 12;
    moment.x = 3.1;
    moment.y = 0.4;
    moment.size = -5;
    moment.kind = PointLoadKind::Moment;
    moment.nx = 3;
    moment.ny = 4; // the direction (0.6, 0.8)
    ASSERT_FALSE(addPointLoad(lc, force));
    ASSERT_FALSE(addPointLoad(lc, moment));
    const double fx = float(1.7), fy = float(2.3), mx = float(3.1), my = float(0.4);
    c.check(c.generate(lc), [&](const Field& w) {
        return 12 * w.at(fx, fy) - 5 * (0.6 * w.at(mx, my, 1, 0) + 0.8 * w.at(mx, my, 0, 1));
    });
}

TEST(GeneratedWork, EdgeLoadsOnTheirSections) {
    // Section 1 of the outer boundary runs along y = 0 from x = 0 to 4, section 2 along x = 4.
    Case c;
    LoadCase lc;
    EdgeLoadInput v, m;
    v.section = 1;
    v.a = 1;
    v.b = 3;
    m.section = 2;
    m.a = -2;
    m.b = 4;
    m.kind = EdgeLoadKind::Moments;
    ASSERT_FALSE(addEdgeLoad(lc, v, c.outline));
    ASSERT_FALSE(addEdgeLoad(lc, m, c.outline));
    c.check(c.generate(lc), [&](const Field& w) {
        return lineWork(w, {0, 0}, {4, 0}, 1, 3, false) +
               lineWork(w, {4, 0}, {4, 4.5}, -2, 4, true);
    });
}

TEST(GeneratedWork, TheTriangularLoadAndTheTemperature) {
    Case c;
    LoadCase triangular;
    triangular.uniform = true;
    triangular.uniformShape = UniformShape::Triangular;
    triangular.uniformValue = 1.5;
    c.check(c.generate(triangular), [&](const Field& w) {
        return overSlab([&](double x, double y) { return 1.5 * x * w.at(x, y); });
    });
    // the held curvature moment −D·(1 + ν)·αT·ΔT/t works on w,xx + w,yy
    LoadCase temperature;
    ASSERT_FALSE(setTemperature(temperature, {12, 1e-5}));
    const double d = 3e7 * 0.008 / (12 * (1 - 0.04));
    const double moment = -d * 1.2 * 1e-5 * 12 / 0.2;
    c.check(c.generate(temperature), [&](const Field& w) {
        return overSlab(
            [&](double x, double y) { return moment * (w.at(x, y, 2, 0) + w.at(x, y, 0, 2)); });
    });
}
