// The load generator on meshes: cutting polygons and segments to the elements, the nodal loads
// of each kind against element loads worked out by hand, the loads on no element, imposed
// deformations and values that do not fit.
#include "common/format.hpp"
#include "loads/d2/d2_generated.hpp"
#include "loads/element_loads.hpp"
#include "loads/generator/clipping.hpp"
#include "loads/generator/generated_loads.hpp"
#include "loads/generator/mesh_cells.hpp"
#include "loads/load_entry.hpp"
#include "loads/macros/load_macros.hpp"
#include "tests/loads/element_load_vectors.hpp"
#include "tests/loads/grid_meshes.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace daskel;
using testsupport::near;

namespace {

// Sums of element contributions of order one: round-off stays far below 1e-12 of the largest.
constexpr double kExact = 1e-12;

using loadtest::elementLoadVector;
using loadtest::Nodes;

double largest(const Nodes& n) {
    double s = 0;
    for (const NodalLoads& l : n)
        for (double v : l)
            s = std::max(s, std::fabs(v));
    return s;
}

::testing::AssertionResult sameLoads(const Nodes& actual, const Nodes& expected) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << actual.size() << " rows, expected " << expected.size();
    const double tolerance = kExact * std::max(largest(expected), 1.0);
    for (std::size_t j = 1; j < actual.size(); ++j)
        for (int k = 0; k < 4; ++k)
            if (std::fabs(actual[j][k] - expected[j][k]) > tolerance)
                return ::testing::AssertionFailure()
                       << "node " << j << " component " << k << ": " << actual[j][k]
                       << ", expected " << expected[j][k];
    return ::testing::AssertionSuccess();
}

// The loads of a load case on a grid, prepared as a save prepares it.
struct Generated {
    SlabModel model;
    SlabOutline outline;
    GeneratedLoads loads;
    Generated(const gridtest::Grid& g, LoadCase lc)
        : model(gridtest::gridModel(g)), outline(deriveOutline(model)) {
        prepareLoadCase(lc, outline, 1);
        loads = generateLoads(lc, model, outline);
    }
    double force(GeneratedKind k) const { return loads.force[static_cast<std::size_t>(k)]; }
    int nodeAt(double x, double y) const {
        for (int j = 1; j <= model.nodeCount; ++j)
            if (model.nodes[j].x == x && model.nodes[j].y == y) return j;
        return 0;
    }
};

LoadCase withArea(const std::vector<CornerInput>& corners, bool constant = false) {
    LoadCase lc;
    EXPECT_FALSE(addAreaLoad(lc, {corners, constant}));
    return lc;
}

std::vector<CornerInput> rectangle(double x1, double y1, double x2, double y2, double p) {
    return {{x1, y1, p}, {x2, y1, p}, {x2, y2, p}, {x1, y2, p}};
}

PointLoadInput point(double x, double y, double size, PointLoadKind kind = PointLoadKind::Force,
                     double nx = 0, double ny = 0) {
    PointLoadInput in;
    in.x = x;
    in.y = y;
    in.size = size;
    in.kind = kind;
    in.nx = nx;
    in.ny = ny;
    return in;
}

LineLoadInput line(double xa, double ya, double xb, double yb, double start, double end) {
    LineLoadInput in;
    in.xa = xa;
    in.ya = ya;
    in.xb = xb;
    in.yb = yb;
    in.start = start;
    in.end = end;
    return in;
}

EdgeLoadInput edge(int boundary, int section, double a, double b,
                   EdgeLoadKind kind = EdgeLoadKind::Forces) {
    EdgeLoadInput in;
    in.boundary = boundary;
    in.section = section;
    in.a = a;
    in.b = b;
    in.kind = kind;
    return in;
}

gridtest::Grid plainGrid(int nx, int ny, double dx, double dy) {
    gridtest::Grid g;
    g.nx = nx;
    g.ny = ny;
    g.dx = dx;
    g.dy = dy;
    return g;
}

} // namespace

TEST(Clipping, PolygonsCutToBands) {
    // The triangle (0,0) (4,0) (0,4) between x = 1 and x = 3: the strip under y = 4 − x,
    // ∫(4 − x)dx from 1 to 3 = 4 m².
    const Polygon triangle = {{0, 0}, {4, 0}, {0, 4}};
    const Polygon strip = clipToBand(triangle, Axis::X, 1, 3);
    EXPECT_TRUE(near(signedArea(strip), 4.0));
    for (const PlanePoint& p : strip)
        EXPECT_TRUE(p.x >= 1 && p.x <= 3);
    EXPECT_TRUE(near(signedArea(clipToBand(triangle, Axis::Y, 1, 2)), 2.5)); // ∫(4 − y)dy
    EXPECT_LT(clipToBand(triangle, Axis::X, 5, 6).size(), 3u);
    // a U-shaped polygon cut across both arms: two pieces joined along the cut, no area between
    const Polygon u = {{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}};
    EXPECT_TRUE(near(signedArea(clipToBand(u, Axis::Y, 2, 3)), 2.0));
    EXPECT_TRUE(near(signedArea(clipToBand(u, Axis::Y, 0.5, 3)), 1.5 + 4.0));
}

TEST(Clipping, SegmentsInRectangles) {
    const Rectangle r{1, 1, 3, 2};
    auto s = spanInRectangle({0, 1.5}, {4, 1.5}, r);
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->t0, 0.25);
    EXPECT_DOUBLE_EQ(s->t1, 0.75);
    EXPECT_FALSE(spanInRectangle({0, 3}, {4, 3}, r));   // above it
    EXPECT_FALSE(spanInRectangle({0, 0}, {0.5, 5}, r)); // left of it
    s = spanInRectangle({0, 2}, {4, 2}, r);             // along its top side
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->t1 - s->t0, 0.5);
    s = spanInRectangle({0, 3}, {2, 1}, r); // in at corner (1, 2), ends on the bottom side
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->t0, 0.5);
    EXPECT_DOUBLE_EQ(s->t1, 1.0);
    s = spanInRectangle({0, 1}, {2, 3}, r); // touches corner (1, 2) only
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->t0, 0.5);
    EXPECT_DOUBLE_EQ(s->t1, 0.5);
}

TEST(MeshCells, ASegmentAlongAnInnerEdgeIsCarriedOnce) {
    // y = 3 is shared by the rows below and above it: each stretch goes to one element.
    const SlabModel m = gridtest::gridModel(gridtest::slabWithOpening());
    const MeshCells mesh = meshCells(m);
    double length = 0;
    for (const SegmentPiece& p : piecesAlong(mesh, {0.5, 3}, {9.5, 3})) {
        ASSERT_TRUE(p.cell);
        length += (p.t1 - p.t0) * 9;
    }
    EXPECT_TRUE(near(length, 9.0));
    // across the opening (x 4 to 6 at y = 4.5) 2 m lie on no element
    double off = 0;
    for (const SegmentPiece& p : piecesAlong(mesh, {1, 4.5}, {9, 4.5}))
        if (!p.cell) off += (p.t1 - p.t0) * 8;
    EXPECT_TRUE(near(off, 2.0));
    EXPECT_EQ(cellAt(mesh, {5, 4.5}), nullptr);
    ASSERT_TRUE(cellAt(mesh, {10.00005, 8})); // within the tolerance of the corner element
    EXPECT_EQ(cellAt(mesh, {10.00005, 8})->element, m.elementCount);
    EXPECT_EQ(cellAt(mesh, {10.001, 8}), nullptr);
}

TEST(LoadGenerator, AnAreaLoadOverTheWholeSlabEqualsElementLoads) {
    // Elements of 0.375 m x 0.625 m, an area exactly on the outline of 3.75 m x 2.5 m.
    Generated exact(plainGrid(10, 4, 0.375, 0.625), withArea(rectangle(0, 0, 3.75, 2.5, 6.5)));
    EXPECT_TRUE(
        sameLoads(exact.loads.nodes, elementLoadVector(exact.model, std::vector<double>(41, 6.5))));
    EXPECT_TRUE(near(exact.force(GeneratedKind::Area), 6.5 * 3.75 * 2.5));
    EXPECT_TRUE(exact.loads.notices.empty());
    // Elements of 0.3 m x 0.7 m, lengths that are no binary fractions; the area reaches beyond
    // the slab of 3 m x 2.8 m (whose edges single-precision corners could not hit).
    Generated beyond(plainGrid(10, 4, 0.3, 0.7), withArea(rectangle(-1, -1, 4, 4, 6.5)));
    EXPECT_TRUE(sameLoads(beyond.loads.nodes,
                          elementLoadVector(beyond.model, std::vector<double>(41, 6.5))));
    // 6.5 kN/m² on 25 − 8.4 m² off the slab
    EXPECT_EQ(beyond.loads.notices,
              (std::vector<std::string>{
                  "Von Teilflächenlast 1 fallen 16,60 m² mit 107,90 kN auf kein Element (Öffnung "
                  "oder außerhalb der Platte); sie werden nicht berücksichtigt."}));
    // the elements' areas in single precision: 1e-7 of the whole
    EXPECT_TRUE(near(beyond.force(GeneratedKind::Area), 6.5 * 3 * 2.8, 1e-6));
}

TEST(LoadGenerator, AnAreaLoadCoveringSomeElementsEqualsTheirElementLoads) {
    // x 2 to 5, y 1 to 3 on the slab with the opening: elements of the columns 2 to 4 in the
    // rows 1 and 2.
    const gridtest::Grid g = gridtest::slabWithOpening();
    Generated gen(g, withArea(rectangle(2, 1, 5, 3, 4.0)));
    std::vector<double> q(static_cast<std::size_t>(gen.model.elementCount) + 1, 0.0);
    for (int e = 1; e <= gen.model.elementCount; ++e) {
        const auto& corner = gen.model.nodes[gen.model.elements[e].node[0]];
        if (corner.x >= 2 && corner.x < 5 && corner.y >= 1 && corner.y < 3) q[e] = 4.0;
    }
    EXPECT_TRUE(sameLoads(gen.loads.nodes, elementLoadVector(gen.model, q)));
    EXPECT_TRUE(near(gen.force(GeneratedKind::Area), 24.0));
}

TEST(LoadGenerator, AClockwiseAreaMeansTheLoadOverItsRegion) {
    const gridtest::Grid g = gridtest::slabWithOpening();
    Generated ccw(g, withArea({{6, 0, 2}, {8, 0, 2}, {6, 2, 2}}));
    LoadCase lc = withArea({{6, 0, 2}, {8, 0, 2}, {6, 2, 2}});
    std::swap(lc.areaLoads[0].corners[1], lc.areaLoads[0].corners[2]); // now clockwise
    Generated cw(g, lc);
    EXPECT_TRUE(sameLoads(cw.loads.nodes, ccw.loads.nodes));
    EXPECT_TRUE(near(cw.force(GeneratedKind::Area), 4.0));
}

TEST(LoadGenerator, TheOpeningsShareOfAnAreaIsNamed) {
    // 5 kN/m² on x 3 to 7, y 3 to 6 around the 2 m² opening: 50 of 60 kN reach the slab.
    Generated gen(gridtest::slabWithOpening(), withArea(rectangle(3, 3, 7, 6, 5)));
    EXPECT_TRUE(near(gen.force(GeneratedKind::Area), 50.0));
    ASSERT_EQ(gen.loads.notices.size(), 1u);
    EXPECT_EQ(gen.loads.notices[0],
              "Von Teilflächenlast 1 fallen 2,00 m² mit 10,00 kN auf kein Element (Öffnung oder "
              "außerhalb der Platte); sie werden nicht berücksichtigt.");
}

TEST(LoadGenerator, LoadsOffTheSlabAreNamedAndLeftOut) {
    LoadCase lc = withArea(rectangle(12, 0, 14, 2, 3));                       // beyond the outline
    ASSERT_FALSE(addAreaLoad(lc, {rectangle(4.2, 4.2, 5.8, 4.8, 3), false})); // in the opening
    ASSERT_FALSE(addPointLoad(lc, point(5, 4.5, 20)));                        // in the opening
    ASSERT_FALSE(addPointLoad(lc, point(-1, 2, 20)));                         // beyond the outline
    ASSERT_FALSE(addPointLoad(lc, point(2, 2, 7)));                           // on the slab
    ASSERT_FALSE(addLineLoad(lc, line(11, 1, 11, 7, 2, 2)));                  // beyond the outline
    ASSERT_FALSE(addLineLoad(lc, line(1, 4.5, 9, 4.5, 1, 3)));                // across the opening
    Generated gen(gridtest::slabWithOpening(), lc);
    const std::vector<std::string> expected = {
        "Teilflächenlast 1 liegt auf keinem Element (Öffnung oder außerhalb der Platte) und wird "
        "nicht berücksichtigt.",
        "Teilflächenlast 2 liegt auf keinem Element (Öffnung oder außerhalb der Platte) und wird "
        "nicht berücksichtigt.",
        "Linienlast 1 liegt auf keinem Element (Öffnung oder außerhalb der Platte) und wird nicht "
        "berücksichtigt.",
        // from x 4 to 6 the load runs from 1.75 to 2.25 kN/m: 4 kN
        "Von Linienlast 2 liegen 2,00 m mit 4,00 kN auf keinem Element (Öffnung oder außerhalb "
        "der Platte); sie werden nicht berücksichtigt.",
        "Punktlast 1 bei x = 5,00, y = 4,50 liegt auf keinem Element (Öffnung oder außerhalb der "
        "Platte) und wird nicht berücksichtigt.",
        "Punktlast 2 bei x = -1,00, y = 2,00 liegt auf keinem Element (Öffnung oder außerhalb der "
        "Platte) und wird nicht berücksichtigt."};
    EXPECT_EQ(gen.loads.notices, expected);
    EXPECT_EQ(gen.force(GeneratedKind::Area), 0.0);
    EXPECT_TRUE(near(gen.force(GeneratedKind::Line), 8 * 2 - 4.0));
    EXPECT_TRUE(near(gen.force(GeneratedKind::Point), 7.0));
    EXPECT_EQ(gen.loads.nodes[gen.nodeAt(2, 2)][0], 7.0);
}

TEST(LoadGenerator, APointForceAtANodeIsThatNodalForce) {
    LoadCase lc;
    ASSERT_FALSE(addPointLoad(lc, point(3, 5, 12.5)));
    ASSERT_FALSE(addPointLoad(lc, point(8, 2, 4, PointLoadKind::Moment, 0, 2))); // turning along y
    Generated gen(gridtest::slabWithOpening(), lc);
    const int force = gen.nodeAt(3, 5), moment = gen.nodeAt(8, 2);
    for (int j = 1; j <= gen.model.nodeCount; ++j) {
        const NodalLoads expected = j == force    ? NodalLoads{12.5, 0, 0, 0}
                                    : j == moment ? NodalLoads{0, 0, 4, 0}
                                                  : NodalLoads{};
        for (int k = 0; k < 4; ++k)
            EXPECT_TRUE(near(gen.loads.nodes[j][k], expected[k], 0, kExact * 12.5))
                << "node " << j << " component " << k;
    }
}

TEST(LoadGenerator, ImposedDeformationsAndMomentsWithoutDirectionAreNamed) {
    LoadCase lc;
    ASSERT_FALSE(addPointLoad(lc, point(1, 1, 0.002, PointLoadKind::Offset)));
    ASSERT_FALSE(addPointLoad(lc, point(2, 1, 5, PointLoadKind::Moment)));
    ASSERT_FALSE(addPointLoad(lc, point(3, 1, 0.01, PointLoadKind::Kink)));
    ASSERT_FALSE(addPointLoad(lc, point(4, 1, 0.01, PointLoadKind::Rotation)));
    Generated gen(gridtest::slabWithOpening(), lc);
    EXPECT_EQ(gen.loads.notices,
              (std::vector<std::string>{
                  "Punktlast 2: Das Moment hat keine Richtung (nx = ny = 0) und wird nicht "
                  "berücksichtigt. Bitte nx und ny angeben.",
                  "Die Punktlasten 1 (Sprung), 3 (Knick), 4 (Verdrehung) sind eingeprägte "
                  "Verformungen, keine Lasten, und werden nicht in Knotenlasten umgerechnet."}));
    EXPECT_FALSE(gen.loads.anyLoad());
    EXPECT_TRUE(gen.loads.anyKind());
    LoadCase one;
    ASSERT_FALSE(addPointLoad(one, point(1, 1, 0.002, PointLoadKind::Offset)));
    EXPECT_EQ(
        Generated(gridtest::slabWithOpening(), one).loads.notices,
        (std::vector<std::string>{"Punktlast 1 (Sprung) ist eine eingeprägte Verformung, "
                                  "keine Last, und wird nicht in Knotenlasten umgerechnet."}));
}

TEST(LoadGenerator, ValuesBeyondSinglePrecisionNeverReachTheNodes) {
    // p = 3e38·x reaches 2.7e39 kN on the nodes at x = 9; αT = ΔT = 3e38 give a moment of
    // 1e83: finite or not in double, beyond the floats the solver reads nodal loads in.
    LoadCase lc;
    lc.uniform = true;
    lc.uniformShape = UniformShape::Triangular;
    lc.uniformValue = 3e38;
    ASSERT_FALSE(setTemperature(lc, {3e38, 3e38}));
    ASSERT_FALSE(addPointLoad(lc, point(2, 2, 7)));
    Generated gen(gridtest::slabWithOpening(), lc);
    EXPECT_EQ(gen.loads.notices,
              (std::vector<std::string>{
                  "Die Dreieckslast ergibt Knotenlasten, die keine endlichen Zahlen sind oder zu "
                  "groß für die Lastdateien; sie wird nicht berücksichtigt.",
                  "Die Temperaturlast ergibt Knotenlasten, die keine endlichen Zahlen sind oder zu "
                  "groß für die Lastdateien; sie wird nicht berücksichtigt."}));
    const double largestFloat = std::numeric_limits<float>::max();
    for (const NodalLoads& n : gen.loads.nodes)
        for (double v : n)
            EXPECT_TRUE(std::fabs(v) <= largestFloat);
    EXPECT_EQ(gen.loads.nodes[gen.nodeAt(2, 2)][0], 7.0);
    EXPECT_EQ(gen.force(GeneratedKind::Triangular), 0.0);
}

TEST(LoadGenerator, ALineLoadAlongAnElementEdgeIsThatEdgesLineLoad) {
    // Along y = 2 from x = 1 to 3: the edge loads of the two elements below the line, by the
    // table (q·l/2 on w, ±q·l²/12 on w,x); an inner edge is carried once.
    LoadCase lc;
    ASSERT_FALSE(addLineLoad(lc, line(1, 2, 3, 2, 6, 6)));
    Generated gen(gridtest::slabWithOpening(), lc);
    Nodes expected(gen.loads.nodes.size(), NodalLoads{});
    expected[gen.nodeAt(1, 2)] = {3, 0.5, 0, 0};
    expected[gen.nodeAt(2, 2)] = {6, 0, 0, 0};
    expected[gen.nodeAt(3, 2)] = {3, -0.5, 0, 0};
    EXPECT_TRUE(sameLoads(gen.loads.nodes, expected));
}

TEST(LoadGenerator, EdgeLoadsAlongTheirSections) {
    // Section 2 of the outer boundary (x = 10, y 0 to 8): 4 to 5 kN/m, 36 kN; moments on the
    // opening's section 3 (x = 6, from y 5 down to 4) turn the slab on its left, towards +x.
    LoadCase lc;
    const SlabOutline outline = deriveOutline(gridtest::gridModel(gridtest::slabWithOpening()));
    ASSERT_FALSE(addEdgeLoad(lc, edge(1, 2, 4, 5), outline));
    ASSERT_FALSE(addEdgeLoad(lc, edge(2, 3, 2, 2, EdgeLoadKind::Moments), outline));
    Generated gen(gridtest::slabWithOpening(), lc);
    EXPECT_TRUE(near(gen.force(GeneratedKind::Edge), 36.0));
    // the moment 2 kNm/m over 1 m: ∫ 2·H1 = 1 kNm on the w,x of each end node, no force
    EXPECT_TRUE(near(gen.loads.nodes[gen.nodeAt(6, 5)][1], 1.0, kExact));
    EXPECT_TRUE(near(gen.loads.nodes[gen.nodeAt(6, 4)][1], 1.0, kExact));
    EXPECT_TRUE(near(gen.loads.nodes[gen.nodeAt(6, 5)][0], 0, 0, kExact));
    EXPECT_TRUE(near(gen.loads.nodes[gen.nodeAt(6, 4)][2], 0, 0, kExact));
    // the lower end of the right edge: q = 4 + y/8 over its first metre, ∫ q·H1 with
    // ∫H1 = 1/2 and ∫y·H1 = 3/20
    const double w0 = 4.0 / 2 + 3.0 / 20 / 8;
    EXPECT_TRUE(near(gen.loads.nodes[gen.nodeAt(10, 0)][0], w0, kExact));
    EXPECT_TRUE(gen.loads.notices.empty());
}

TEST(LoadGenerator, TheTriangularLoadIntegratesPoTimesX) {
    // p = 2·x over the slab less its opening: 2·(∫∫x over 10 x 8 − ∫∫x over the opening) =
    // 2·(400 − 10).
    LoadCase lc;
    lc.uniform = true;
    lc.uniformShape = UniformShape::Triangular;
    lc.uniformValue = 2;
    Generated gen(gridtest::slabWithOpening(), lc);
    EXPECT_TRUE(near(gen.force(GeneratedKind::Triangular), 780.0));
    // with self weight the load echo holds no triangular load: nothing generated
    lc.selfWeight = true;
    EXPECT_FALSE(Generated(gridtest::slabWithOpening(), lc).loads.anyKind());
    // a constant uniform load is an element load already
    lc.selfWeight = false;
    lc.uniformShape = UniformShape::Constant;
    EXPECT_FALSE(Generated(gridtest::slabWithOpening(), lc).loads.anyKind());
}

TEST(LoadGenerator, TemperatureLoadsTheEdgesWithItsMoment) {
    // ΔT = 10, αT = 1e-5 on t = 0.2, E = 3e7, ν = 0.2: the held curvature moment is
    // E·t²·αT·ΔT/(12·(1 − ν)) = 12.5 kNm/m. Inner nodes get nothing, a node inside the left
    // edge turns with 12.5 kNm/m over 1 m (w,x), the forces sum to nothing.
    LoadCase lc;
    ASSERT_FALSE(setTemperature(lc, {10, 1e-5}));
    Generated gen(gridtest::slabWithOpening(), lc);
    const double moment = 3e7 * 0.04 * 1e-5 * 10 / (12 * 0.8);
    EXPECT_TRUE(near(gen.force(GeneratedKind::Temperature), 0, 0, kExact * moment));
    const NodalLoads& inner = gen.loads.nodes[gen.nodeAt(2, 2)];
    for (double v : inner)
        EXPECT_TRUE(near(v, 0, 0, kExact * moment));
    EXPECT_TRUE(near(gen.loads.nodes[gen.nodeAt(0, 3)][1], moment * 1.0, kExact));
    EXPECT_TRUE(near(gen.loads.nodes[gen.nodeAt(10, 3)][1], -moment * 1.0, kExact));
    EXPECT_TRUE(near(gen.loads.nodes[gen.nodeAt(3, 0)][2], moment * 1.0, kExact));
}

TEST(LoadDocument, TheTablesForceSumsElementEdgeAndNodeLoads) {
    // 2 kN/m² on element 1 (1 m²), 3 kN/m on edge 2 of the last element (1 m), 7 kN at the last
    // node and −1 kN at node 1: 2 + 3 + 7 − 1 = 11 kN.
    const SlabModel m = gridtest::gridModel(gridtest::slabWithOpening());
    LoadTables t = emptyLoadTables(m);
    t.elementLoads[1].v[slab::ElementLoadRecord::kAreaLoad] = 2;
    t.elementLoads[m.elementCount].v[slab::ElementLoadRecord::kEdgeLoad + 1] = 3;
    t.nodeLoads[m.nodeCount].v[slab::NodalLoadRecord::kLoad] = 7;
    t.nodeLoads[1].v[slab::NodalLoadRecord::kLoad] = -1;
    EXPECT_TRUE(near(tableForce(m, t), 11.0));
}

TEST(LoadGenerator, SumsBeyondSinglePrecisionAtANodeDropTheGeneratedLoads) {
    // Two areas of 2e38 kN/m² on x 1 to 3, y 1 to 3: each puts 2e38 kN on the node (2, 2),
    // which fits; together 4e38 kN do not.
    LoadCase lc = withArea(rectangle(1, 1, 3, 3, 2e38));
    ASSERT_FALSE(addAreaLoad(lc, {rectangle(1, 1, 3, 3, 2e38), false}));
    Generated gen(gridtest::slabWithOpening(), lc);
    EXPECT_TRUE(gen.loads.notices.empty());
    LoadTables entered = emptyLoadTables(gen.model);
    GeneratedLoads dropped = gen.loads;
    EXPECT_FALSE(keepWithinSinglePrecision(dropped, entered.nodeLoads));
    EXPECT_EQ(dropped.notices,
              (std::vector<std::string>{slab::format(
                  "Die erzeugten und die eingegebenen Knotenlasten sind am Knoten %i zusammen zu "
                  "groß für die Lastdateien; die erzeugten Lasten werden nicht berücksichtigt.",
                  gen.nodeAt(2, 2))}));
    EXPECT_FALSE(dropped.anyLoad());
    EXPECT_EQ(dropped.totalForce(), 0.0);
    // one area fits, unless the node table already holds 2e38 kN there
    Generated one(gridtest::slabWithOpening(), withArea(rectangle(1, 1, 3, 3, 2e38)));
    GeneratedLoads kept = one.loads;
    EXPECT_TRUE(keepWithinSinglePrecision(kept, entered.nodeLoads));
    EXPECT_TRUE(kept.anyLoad());
    entered.nodeLoads[one.nodeAt(2, 2)].v[slab::NodalLoadRecord::kLoad] = 2e38;
    EXPECT_FALSE(keepWithinSinglePrecision(kept, entered.nodeLoads));
}
