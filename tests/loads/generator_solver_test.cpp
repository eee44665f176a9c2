// Generated loads solved by the solver's own stiffness, in double precision: deflections equal
// to those of the element and nodal loads they stand for, fields the element represents
// exactly (an edge moment on a strip, a temperature difference on a slab resting on its
// corners), and a centred patch load on a simply supported square converging to the
// double-series solution as the element predicts.
#include "loads/generator/generated_loads.hpp"
#include "loads/load_entry.hpp"
#include "loads/macros/load_macros.hpp"
#include "solver/assembly.hpp"
#include "solver/example_slab.hpp"
#include "tests/loads/element_load_vectors.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

using namespace daskel;
using loadtest::Nodes;
using testsupport::near;

namespace {

/// The deflections of loads that agree to round-off agree to 1e-12 of the largest deflection:
/// the stiffness is factorised once and the loads differ in their last digits only.
constexpr double kSameDeflections = 1e-12;

/// A slab of the example mesh, its stiffness factorised once, solved for nodal loads given in
/// double precision (the solver's files would round them to single precision).
class Plate {
  public:
    explicit Plate(const slab::ExampleSlab& s, void (*supports)(slab::SolverModel&) = nullptr) {
        buildExampleSlab(s, *m_);
        for (int e = 1; e <= m_->elementCount; ++e)
            m_->elementLoads[e] = {};
        if (supports) supports(*m_);
        view_.nodeCount = m_->nodeCount;
        view_.elementCount = m_->elementCount;
        view_.nodes.assign(m_->nodes.begin(), m_->nodes.begin() + m_->nodeCount + 1);
        view_.elements.assign(m_->elements.begin(), m_->elements.begin() + m_->elementCount + 1);
        outline_ = deriveOutline(view_);
        slab::computeElementMatrices(*m_);
        system_ = slab::assembleReducedSystem(*m_);
        factors_ = system_.matrix;
        EXPECT_FALSE(slab::factorize(factors_));
    }

    const SlabModel& view() const { return view_; }
    const SlabOutline& outline() const { return outline_; }

    /// The loads generated from the load case, prepared as a save prepares it.
    GeneratedLoads generate(LoadCase lc) const {
        prepareLoadCase(lc, outline_, 1);
        return generateLoads(lc, view_, outline_);
    }

    /// w, w,x, w,y, w,xy of every node (rows 1 to the node count) under the nodal loads.
    Nodes solve(const Nodes& loads) const {
        std::vector<double> rhs(system_.freeDofs.size());
        for (std::size_t i = 0; i < rhs.size(); ++i) {
            const int g = system_.freeDofs[i];
            rhs[i] = loads[static_cast<std::size_t>(g / 4 + 1)][g % 4];
        }
        ui::ScriptedUi progress;
        const std::vector<double> x = slab::substitute(factors_, rhs, progress);
        Nodes u(static_cast<std::size_t>(m_->nodeCount) + 1, NodalLoads{});
        for (int g = 0; g < 4 * m_->nodeCount; ++g)
            if (const int f = system_.freeIndex[g]; f >= 0) u[g / 4 + 1][g % 4] = x[f];
        return u;
    }

    int nodeAt(double x, double y) const {
        for (int j = 1; j <= view_.nodeCount; ++j)
            if (std::fabs(view_.nodes[j].x - x) < 1e-9 && std::fabs(view_.nodes[j].y - y) < 1e-9)
                return j;
        return 0;
    }

  private:
    std::unique_ptr<slab::SolverModel> m_ = std::make_unique<slab::SolverModel>();
    SlabModel view_;
    SlabOutline outline_;
    slab::ReducedSystem system_;
    slab::ProfileMatrix factors_;
};

double largestDeflection(const Nodes& u) {
    double r = 0;
    for (const NodalLoads& n : u)
        r = std::max(r, std::fabs(n[0]));
    return r;
}

::testing::AssertionResult sameDeflections(const Nodes& actual, const Nodes& expected) {
    const double tolerance = kSameDeflections * largestDeflection(expected);
    for (std::size_t j = 1; j < expected.size(); ++j)
        for (int k = 0; k < 4; ++k)
            if (!(std::fabs(actual[j][k] - expected[j][k]) <= tolerance))
                return ::testing::AssertionFailure()
                       << "node " << j << " component " << k << ": " << actual[j][k]
                       << ", expected " << expected[j][k] << " (tolerance " << tolerance << ")";
    return ::testing::AssertionSuccess();
}

AreaLoadInput rectangle(double x1, double y1, double x2, double y2, double p) {
    return {{{x1, y1, p}, {x2, y1, p}, {x2, y2, p}, {x1, y2, p}}, false};
}

slab::ExampleSlab slabOf(int nx, int ny, double width, double height) {
    slab::ExampleSlab s;
    s.nx = nx;
    s.ny = ny;
    s.width = width;
    s.height = height;
    s.areaLoad = 0;
    return s;
}

} // namespace

TEST(GeneratedLoadsSolved, AnAreaLoadOverTheWholeSlabDeflectsLikeElementLoads) {
    // 7 m x 6 m in 6 x 6 elements of 7/6 m: lengths single precision rounds, as the solver does.
    const Plate plate(slabOf(6, 6, 7, 6));
    LoadCase lc;
    ASSERT_FALSE(addAreaLoad(lc, rectangle(-0.5, -0.5, 7.5, 6.5, 10)));
    const GeneratedLoads g = plate.generate(lc);
    const Nodes byElements = loadtest::elementLoadVector(
        plate.view(),
        std::vector<double>(static_cast<std::size_t>(plate.view().elementCount) + 1, 10.0));
    EXPECT_TRUE(sameDeflections(plate.solve(g.nodes), plate.solve(byElements)));
}

TEST(GeneratedLoadsSolved, AnAreaLoadOnSomeElementsDeflectsLikeTheirElementLoads) {
    const Plate plate(slabOf(8, 6, 8, 6));
    LoadCase lc;
    ASSERT_FALSE(addAreaLoad(lc, rectangle(2, 1, 5, 4, 6.5)));
    std::vector<double> q(static_cast<std::size_t>(plate.view().elementCount) + 1, 0.0);
    for (int e = 1; e <= plate.view().elementCount; ++e) {
        const auto& c = plate.view().nodes[plate.view().elements[e].node[0]];
        if (c.x >= 2 && c.x < 5 && c.y >= 1 && c.y < 4) q[e] = 6.5;
    }
    EXPECT_TRUE(sameDeflections(plate.solve(plate.generate(lc).nodes),
                                plate.solve(loadtest::elementLoadVector(plate.view(), q))));
}

TEST(GeneratedLoadsSolved, ALineLoadAlongElementEdgesDeflectsLikeTheirEdgeLoads) {
    // Along y = 3 from x = 1 to 6: edge 3 of the elements x 1 to 6 in the row below.
    const Plate plate(slabOf(8, 6, 8, 6));
    LoadCase lc;
    LineLoadInput line;
    line.xa = 1;
    line.ya = 3;
    line.xb = 6;
    line.yb = 3;
    line.start = line.end = 4;
    ASSERT_FALSE(addLineLoad(lc, line));
    Nodes byEdges(static_cast<std::size_t>(plate.view().nodeCount) + 1, NodalLoads{});
    for (int column = 1; column < 6; ++column)
        loadtest::addUpperEdgeLoad(byEdges, plate.view(), 2 * 8 + column + 1, 4.0);
    EXPECT_TRUE(sameDeflections(plate.solve(plate.generate(lc).nodes), plate.solve(byEdges)));
}

TEST(GeneratedLoadsSolved, APointForceAtANodeDeflectsLikeThatNodalForce) {
    const Plate plate(slabOf(8, 6, 8, 6));
    LoadCase lc;
    PointLoadInput point;
    point.x = 3;
    point.y = 2;
    point.size = 25;
    ASSERT_FALSE(addPointLoad(lc, point));
    Nodes nodal(static_cast<std::size_t>(plate.view().nodeCount) + 1, NodalLoads{});
    nodal[plate.nodeAt(3, 2)][0] = 25;
    EXPECT_TRUE(sameDeflections(plate.solve(plate.generate(lc).nodes), plate.solve(nodal)));
}

namespace {

/// Hinged on x = 0 and x = L (w and the slope along the edge held), free on y = 0 and y = b.
void hingedLeftAndRight(slab::SolverModel& m) {
    const double right = m.nodes[m.nodeCount].x;
    for (int j = 1; j <= m.nodeCount; ++j) {
        const bool edge = m.nodes[j].x == 0 || m.nodes[j].x == right;
        m.nodes[j].code = {edge ? slab::kHeld : slab::kFree, slab::kFree,
                           edge ? slab::kHeld : slab::kFree, slab::kFree};
    }
}

/// Only the deflection of the four corners held.
void onItsCorners(slab::SolverModel& m) {
    const double right = m.nodes[m.nodeCount].x, top = m.nodes[m.nodeCount].y;
    for (int j = 1; j <= m.nodeCount; ++j) {
        const bool corner = (m.nodes[j].x == 0 || m.nodes[j].x == right) &&
                            (m.nodes[j].y == 0 || m.nodes[j].y == top);
        m.nodes[j].code = {corner ? slab::kHeld : slab::kFree, slab::kFree, slab::kFree,
                           slab::kFree};
    }
}

/// The stiffness solved for fields it represents exactly leaves round-off that grows with the
/// condition of the system: 1e-11 of the largest value (observed: 1e-13).
constexpr double kExactField = 1e-11;

} // namespace

TEST(GeneratedLoadsSolved, EdgeMomentsBendAStripIntoItsParabola) {
    // A strip L = 4 m, b = 1 m, hinged on its short edges, ν = 0, with the moment M on both:
    // mxx = M throughout and w = M·x·(L − x)/(2D), a parabola the element represents.
    slab::ExampleSlab s = slabOf(8, 2, 4, 1);
    s.nu = 0;
    const Plate plate(s, hingedLeftAndRight);
    LoadCase lc;
    const double moment = 12;
    EdgeLoadInput edge;
    edge.kind = EdgeLoadKind::Moments;
    edge.a = edge.b = moment;
    for (int section : {2, 4}) {
        edge.section = section;
        ASSERT_FALSE(addEdgeLoad(lc, edge, plate.outline()));
    }
    const GeneratedLoads g = plate.generate(lc);
    EXPECT_TRUE(near(g.force[static_cast<std::size_t>(GeneratedKind::Edge)], 0, 0, 1e-12));
    const Nodes u = plate.solve(g.nodes);
    const double d = s.e * std::pow(s.thickness, 3) / 12;
    const double scale = moment * 4 * 4 / (8 * d);
    for (int j = 1; j <= plate.view().nodeCount; ++j) {
        const double x = plate.view().nodes[j].x;
        EXPECT_TRUE(near(u[j][0], moment * x * (4 - x) / (2 * d), 0, kExactField * scale)) << j;
        EXPECT_TRUE(near(u[j][1], moment * (4 - 2 * x) / (2 * d), 0, kExactField * scale)) << j;
        EXPECT_TRUE(near(u[j][2], 0, 0, kExactField * scale)) << j;
        EXPECT_TRUE(near(u[j][3], 0, 0, kExactField * scale)) << j;
    }
}

TEST(GeneratedLoadsSolved, ATemperatureDifferenceCurvesASlabOnItsCornersFreely) {
    // Resting on its four corners the slab curves freely by κ = −αT·ΔT/t in x and y, no
    // moment arises: w = κ/2·(x² − Lx·x + y² − Ly·y), which is 0 at all four corners.
    slab::ExampleSlab s = slabOf(6, 4, 6, 4);
    const Plate plate(s, onItsCorners);
    LoadCase lc;
    ASSERT_FALSE(setTemperature(lc, {20, 1e-5}));
    const GeneratedLoads g = plate.generate(lc);
    const Nodes u = plate.solve(g.nodes);
    const double kappa = -1e-5 * 20 / s.thickness;
    const double scale = std::fabs(kappa) * (36 + 16) / 8;
    for (int j = 1; j <= plate.view().nodeCount; ++j) {
        const double x = plate.view().nodes[j].x, y = plate.view().nodes[j].y;
        EXPECT_TRUE(
            near(u[j][0], kappa / 2 * (x * x - 6 * x + y * y - 4 * y), 0, kExactField * scale))
            << j;
        EXPECT_TRUE(near(u[j][1], kappa * (x - 3), 0, kExactField * scale)) << j;
        EXPECT_TRUE(near(u[j][2], kappa * (y - 2), 0, kExactField * scale)) << j;
        EXPECT_TRUE(near(u[j][3], 0, 0, kExactField * scale)) << j;
    }
    // the middle moves down by αT·ΔT·(Lx² + Ly²)/(8·t) when the underside is warmer
    EXPECT_TRUE(near(u[plate.nodeAt(3, 2)][0], 1e-5 * 20 * 52 / (8 * 0.2), kExactField));
}

namespace {

/// The deflection at the centre of a simply supported square a x a under q on the centred
/// square c x c, by the double sine series: 16·q·a⁴/(π⁶·D) · Σ over odd m, n of
/// sin(mπc/2a)·sin(nπc/2a) / (m·n·(m² + n²)²). Terms beyond m, n = 3999 change it by less
/// than 1e-13.
double seriesCentreDeflection(double a, double c, double q, double d) {
    constexpr int kLast = 3999;
    std::vector<double> s(kLast + 1);
    for (int m = 1; m <= kLast; m += 2)
        s[m] = std::sin(m * std::numbers::pi * c / (2 * a));
    double sum = 0;
    for (int m = 1; m <= kLast; m += 2)
        for (int n = 1; n <= kLast; n += 2) {
            const double mn2 = double(m) * m + double(n) * n;
            sum += s[m] * s[n] / (double(m) * n * mn2 * mn2);
        }
    return 16 * q * std::pow(a, 4) / (std::pow(std::numbers::pi, 6) * d) * sum;
}

/// The centre deflection of the n x n mesh under the patch.
double meshCentreDeflection(int n, double a, double c, double q) {
    const Plate plate(slabOf(n, n, a, a));
    LoadCase lc;
    EXPECT_FALSE(addAreaLoad(lc, rectangle((a - c) / 2, (a - c) / 2, (a + c) / 2, (a + c) / 2, q)));
    return plate.solve(plate.generate(lc).nodes)[plate.nodeAt(a / 2, a / 2)][0];
}

} // namespace

TEST(GeneratedLoadsSolved, ACentredPatchConvergesToTheSeriesSolution) {
    // 4 m square, 10 kN/m² on a centred square, meshes of 4 x 4 to 32 x 32 elements. The
    // conforming cubic element approximates deflections with an error of order h⁴: halving h
    // divides the error by 16. With the patch's edges on element edges (2 m) every halving
    // shows it (observed rates 4.14, 4.04, 4.01); with edges through the elements (1.3 m) the
    // cut moves within the elements from mesh to mesh and single halvings scatter (observed
    // 4.6, 3.5, 3.8) around the same rate over the whole refinement (observed 3.99).
    const double a = 4, q = 10;
    const slab::ExampleSlab s;
    const double d = s.e * std::pow(s.thickness, 3) / (12 * (1 - s.nu * s.nu));
    const int meshes[] = {4, 8, 16, 32};
    for (const double c : {2.0, 1.3}) {
        const double exact = seriesCentreDeflection(a, c, q, d);
        std::vector<double> errors;
        for (int n : meshes)
            errors.push_back(std::fabs(meshCentreDeflection(n, a, c, q) - exact) / exact);
        const bool aligned = c == 2.0;
        for (std::size_t k = 1; k < errors.size(); ++k)
            EXPECT_GT(std::log2(errors[k - 1] / errors[k]), aligned ? 3.8 : 3.0)
                << "c = " << c << ", " << meshes[k] << " x " << meshes[k] << ": errors "
                << errors[k - 1] << " and " << errors[k];
        const double overall = std::log2(errors.front() / errors.back()) / (errors.size() - 1);
        EXPECT_GT(overall, 3.8) << "c = " << c;
        EXPECT_LT(errors.back(), 1e-6) << "c = " << c; // observed 2.3e-7 and 4.6e-7
    }
}
