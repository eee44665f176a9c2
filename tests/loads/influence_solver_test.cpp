// Influence surfaces computed by the solver from the editor's nodal loads: reciprocity of
// deflections, and influence ordinates times the loads of an ordinary load case against the
// moments and shear forces the solver reports for that load case.
#include "common/command_line.hpp"
#include "common/position.hpp"
#include "loads/element_loads.hpp"
#include "loads/influence_loads.hpp"
#include "loads/slab_model.hpp"
#include "solver/assembly.hpp"
#include "solver/example_slab.hpp"
#include "solver/solver_run.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

using namespace daskel;
using slab::NodalLoadRecord;
using slab::SolverModel;
using testsupport::near;

namespace {

// Unit round-off of single precision: the solver reads nodal loads as floats.
constexpr double kSingle = 1.0 / (1 << 24);

// The load editor's view of the solver's model.
SlabModel editorView(const SolverModel& m) {
    SlabModel s;
    s.nodeCount = m.nodeCount;
    s.elementCount = m.elementCount;
    s.nodes.assign(m.nodes.begin(), m.nodes.begin() + m.nodeCount + 1);
    s.elements.assign(m.elements.begin(), m.elements.begin() + m.elementCount + 1);
    return s;
}

// Solves m under the influence loads alone (no element loads).
void solveUnder(SolverModel& m, const InfluenceLoads& loads) {
    ASSERT_TRUE(loads.ok()) << loads.error;
    for (int e = 1; e <= m.elementCount; ++e)
        m.elementLoads[e] = {};
    for (int j = 1; j <= m.nodeCount; ++j)
        m.nodalLoads[j] = {};
    for (const NodeLoad& l : loads.loads)
        for (std::size_t k = 0; k < 4; ++k)
            m.nodalLoads[l.node].v[NodalLoadRecord::kLoad + k] = l.load[k];
    ui::ScriptedUi ui;
    ASSERT_TRUE(formAndSolve(m, ui, ui));
}

// A hinged 8 m x 6 m slab of 1 m squares: the loads of a unit deflection at an element's
// centre are exact in single precision there.
std::unique_ptr<SolverModel> hingedSlab() {
    auto m = std::make_unique<SolverModel>();
    slab::ExampleSlab s; // 8 x 6 elements on 8 m x 6 m
    buildExampleSlab(s, *m);
    return m;
}

std::vector<int> nodesWithFreeDeflection(const SolverModel& m) {
    std::vector<int> nodes;
    for (int j = 1; j <= m.nodeCount; ++j)
        if (m.nodes[j].code[0] == slab::kFree) nodes.push_back(j);
    return nodes;
}

double largest(const std::vector<std::array<double, 4>>& displacement) {
    double r = 0;
    for (const auto& d : displacement)
        r = std::max(r, std::fabs(d[0]));
    return r;
}

} // namespace

TEST(InfluenceSurfaces, DeflectionsUnderUnitLoadsAreReciprocal) {
    // The influence surface of w at node i is the deflection under a unit force at i; by
    // Maxwell-Betti its ordinate at j is the deflection at i under a unit force at j. In the
    // discrete model this is the symmetry of the stiffness: exact to round-off.
    auto m = hingedSlab();
    const SlabModel view = editorView(*m);
    const int i = 3 * 9 + 3; // (2 m, 3 m)
    const InfluenceLoads unitAtI = nodePointLoads(view, PointQuantity::W, i);
    ASSERT_EQ(unitAtI.loads.size(), 9u);
    for (const NodeLoad& l : unitAtI.loads)
        EXPECT_EQ(l.load, (std::array<double, 4>{l.node == i ? 1.0 : 0.0, 0, 0, 0})) << l.node;
    solveUnder(*m, unitAtI);
    const auto surface = m->displacement;
    const double scale = largest(surface);
    ASSERT_GT(scale, 0);
    for (int j : nodesWithFreeDeflection(*m)) {
        solveUnder(*m, nodePointLoads(view, PointQuantity::W, j));
        EXPECT_TRUE(near(surface[j][0], m->displacement[i][0], 0, testsupport::kRoundOff * scale))
            << "node " << j;
    }
}

TEST(InfluenceSurfaces, DeflectionAtAnElementPointIsReciprocal) {
    // The loads of w at the centre of element 20; the ordinate at j is w at that point under a
    // unit force at j, as the solver's point functions evaluate it.
    auto m = hingedSlab();
    const SlabModel view = editorView(*m);
    const int e = 20;
    solveUnder(*m, elementPointLoads(view, PointQuantity::W, e, 0.5, 0.5));
    const auto surface = m->displacement;
    const double scale = largest(surface);
    const auto& el = m->elements[e];
    const double d = slab::flexuralRigidity(el.e, el.thickness, el.nu);
    for (int j : nodesWithFreeDeflection(*m)) {
        solveUnder(*m, nodePointLoads(view, PointQuantity::W, j));
        const double w =
            slab::pointValues(1, 1, d, el.nu, slab::elementDisplacements(*m, e), 0.5, 0.5).w;
        EXPECT_TRUE(near(surface[j][0], w, 0, testsupport::kRoundOff * scale)) << "node " << j;
    }
}

namespace {

// A position whose load case 1 is ordinary: 10 kN/m² on a 7 m x 6 m hinged slab of
// 7/6 m x 1 m elements (lengths that single precision rounds), a point load and a moment.
struct Position {
    testsupport::TempDir data;
    std::string dir = slab::positionDirectory(data.str(), "P1");
    std::unique_ptr<SolverModel> written = std::make_unique<SolverModel>();
    SlabModel view;
    int nextLoadCase = 2;

    Position() {
        std::filesystem::create_directories(dir);
        slab::ExampleSlab s;
        s.width = 7;
        s.nx = 6;
        s.ny = 6;
        buildExampleSlab(s, *written);
        written->nodalLoads[17].v[NodalLoadRecord::kLoad] = 25.0;
        written->nodalLoads[24].v[NodalLoadRecord::kLoad + 1] = -4.0;
        EXPECT_TRUE(writeModelFiles(*written, dir, 1));
        std::vector<std::string> problems;
        view = readSlabModel(dir, problems);
        EXPECT_TRUE(problems.empty());
    }

    // Writes the loads as a new load case the way the editor does; returns its number.
    int writeInfluenceCase(const InfluenceLoads& loads) {
        LoadTables tables = emptyLoadTables(view);
        EXPECT_FALSE(addInfluenceLoads(tables, loads));
        EXPECT_TRUE(writeLoadFiles(dir, nextLoadCase, view, tables).empty());
        return nextLoadCase++;
    }

    // Runs the solver on load case n.
    std::unique_ptr<SolverModel> run(int loadCase) const {
        auto m = std::make_unique<SolverModel>();
        slab::CalculationForm form =
            slab::initialForm(slab::splitCommandLine(".P1 @" + data.str()));
        form.loadCase = loadCase;
        ui::ScriptedUi ui;
        EXPECT_TRUE(runCalculation(form, *m, ui)) << (ui.texts().empty() ? "" : ui.texts().back());
        return m;
    }
};

struct Measured {
    double byInfluence = 0; ///< sum of influence ordinates times the loads of load case 1
    double byLoads = 0;     ///< the loads as the solver read them, times the field of case 1
    double scale = 0;       ///< sum of |load times field|
};

// The influence case's ordinates against the ordinary case's loads, all freedoms.
Measured measure(const SolverModel& influence, SolverModel& ordinary) {
    Measured r;
    const slab::ReducedSystem system = slab::assembleReducedSystem(ordinary);
    for (int j = 1; j <= ordinary.nodeCount; ++j)
        for (int k = 0; k < 4; ++k) {
            r.byInfluence += influence.displacement[j][k] * system.load[4 * (j - 1) + k];
            const double load =
                static_cast<float>(influence.nodalLoads[j].v[NodalLoadRecord::kLoad + k]);
            r.byLoads += load * ordinary.displacement[j][k];
            r.scale += std::fabs(load * ordinary.displacement[j][k]);
        }
    return r;
}

} // namespace

TEST(InfluenceSurfaces, OrdinatesTimesLoadsGiveTheSolversStressResultants) {
    Position p;
    const int e = 15; // row 2, column 2
    const double a = static_cast<float>(7.0 / 6), b = 1;
    struct Case {
        PointQuantity q;
        double x, y;
        int column; ///< in the solver's element results
        int loadCase = 0;
    };
    std::vector<Case> cases = {{PointQuantity::Mxx, a / 2, b / 2, 0},
                               {PointQuantity::Myy, a / 2, b / 2, 1},
                               {PointQuantity::Mxy, a / 2, b / 2, 2},
                               {PointQuantity::Qx, a / 2, b / 2, 6},
                               {PointQuantity::Qy, a / 2, b / 2, 7},
                               {PointQuantity::Mxx, a / 4, b / 4, 10}, // quarter point Q1
                               {PointQuantity::Mxy, 3 * a / 4, 3 * b / 4, 22}};
    for (Case& c : cases)
        c.loadCase = p.writeInfluenceCase(elementPointLoads(p.view, c.q, e, c.x, c.y));
    auto ordinary = p.run(1);
    for (const Case& c : cases) {
        const auto influence = p.run(c.loadCase);
        const Measured r = measure(*influence, *ordinary);
        // Betti in the discrete model: exact to round-off.
        EXPECT_TRUE(near(r.byInfluence, r.byLoads, 0, testsupport::kRoundOff * r.scale))
            << label(c.q);
        // Against the solver's own value: the loads pass through single precision.
        const double reported = ordinary->elementResults[e][c.column];
        EXPECT_TRUE(near(r.byInfluence, reported, 0, (kSingle + testsupport::kRoundOff) * r.scale))
            << label(c.q) << " at " << c.x << ", " << c.y;
        EXPECT_GT(std::fabs(reported), 0.1) << label(c.q); // a value worth comparing
    }
}

TEST(InfluenceSurfaces, SectionOrdinatesTimesLoadsGiveTheIntegralOfTheSolversField) {
    Position p;
    const double a = static_cast<float>(7.0 / 6), b = 1;
    struct Case {
        SectionQuantity q;
        int through;
        double s;
        std::vector<int> elements = {};
        int loadCase = 0;
    };
    std::vector<Case> cases = {{SectionQuantity::Mxx, 15, a / 2},
                               {SectionQuantity::Vx, 16, a / 3},
                               {SectionQuantity::Myy, 9, b / 2},
                               {SectionQuantity::Qy, 21, 0.2}};
    for (Case& c : cases) {
        const SectionDirection dir = sectionDirection(c.q);
        const SectionElements crossed = completeSection(p.view, dir, c.through);
        ASSERT_TRUE(crossed.ok()) << crossed.error;
        ASSERT_EQ(crossed.elements.size(), 6u);
        c.elements = crossed.elements;
        c.loadCase = p.writeInfluenceCase(sectionLoads(p.view, c.q, dir, c.elements, c.s));
    }
    auto ordinary = p.run(1);
    for (const Case& c : cases) {
        const auto influence = p.run(c.loadCase);
        const Measured r = measure(*influence, *ordinary);
        EXPECT_TRUE(near(r.byInfluence, r.byLoads, 0, testsupport::kRoundOff * r.scale))
            << label(c.q);
        // The integral of the solver's field along the line: two Gauss points per element are
        // exact for the cubics there.
        const bool vertical = isVertical(c.q);
        double integral = 0;
        for (int e : c.elements) {
            const auto [lx, ly] = slab::elementSize(*ordinary, e);
            const auto& el = ordinary->elements[e];
            const double d = slab::flexuralRigidity(el.e, el.thickness, el.nu);
            const auto u = slab::elementDisplacements(*ordinary, e);
            const double length = vertical ? ly : lx;
            for (double g : {-1 / std::sqrt(3.0), 1 / std::sqrt(3.0)}) {
                const double t = length * (1 + g) / 2;
                const slab::PointValues v = vertical
                                                ? slab::pointValues(lx, ly, d, el.nu, u, c.s, t)
                                                : slab::pointValues(lx, ly, d, el.nu, u, t, c.s);
                const double value = [&] {
                    switch (c.q) {
                    case SectionQuantity::Mxx:
                        return v.mxx;
                    case SectionQuantity::Vx:
                        return v.qx + v.ty; // qx + d mxy / dy
                    case SectionQuantity::Myy:
                        return v.myy;
                    case SectionQuantity::Qy:
                        return v.qy;
                    default:
                        return 0.0;
                    }
                }();
                integral += value * length / 2;
            }
        }
        EXPECT_TRUE(near(r.byInfluence, integral, 0, (kSingle + testsupport::kRoundOff) * r.scale))
            << label(c.q);
        EXPECT_GT(std::fabs(integral), 0.1) << label(c.q);
    }
}
