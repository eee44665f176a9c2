// Support kinds on edges, the edge pick, the whole-boundary trace with its corner rule, and the
// node, element, spring and bedding tables with their checks and buttons.
#include "geometry/element_deletion.hpp"
#include "geometry/mesh_generator.hpp"
#include "geometry/supports.hpp"
#include "geometry/tables.hpp"
#include "tests/geometry/generated_mesh.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include "scene/slab_meshes.hpp"

#include <gtest/gtest.h>

using namespace morvel;

namespace {

using Codes = std::array<std::int32_t, 4>;

struct Mesh : testsupport::GeneratedMesh {
    explicit Mesh(int nx, int ny, double d = 1.0) { EXPECT_TRUE(generate(nx, ny, d, d)); }
    std::size_t line(int a, int b) const {
        for (std::size_t i = 0; i < m.lines.size(); ++i)
            if (m.lines[i].a == a && m.lines[i].b == b) return i;
        ADD_FAILURE() << "no line " << a << "-" << b;
        return 0;
    }
    Codes code(int n) const { return m.nodes[static_cast<std::size_t>(n)].code; }
    float spring(int n, Freedom f) const {
        return springConstant(m.springs[static_cast<std::size_t>(n)], f);
    }
};

SupportChoice kind(EdgeSupport k, float c = 0, float r = 0) {
    return {k, c, r};
}

} // namespace

TEST(Supports, ClampedHingedAndSprings) {
    Mesh a(2, 2);
    assignSupport(a.m, a.line(1, 2), kind(EdgeSupport::Clamped));
    EXPECT_EQ(a.code(1), (Codes{1, 1, 1, 1}));
    EXPECT_EQ(a.code(2), (Codes{1, 1, 1, 1}));
    EXPECT_EQ(a.m.elements[1].edgeSupport[0], 1);
    EXPECT_EQ(a.m.lines[a.line(1, 2)].code, EdgeSupport::Clamped);
    // A translational spring after the clamp frees the nodes and carries the stiffness.
    assignSupport(a.m, a.line(1, 2), kind(EdgeSupport::TranslationalSpring, 5000, 70));
    EXPECT_EQ(a.code(1), (Codes{0, 0, 0, 0}));
    EXPECT_EQ(a.spring(1, Freedom::W), 5000.0f);
    EXPECT_EQ(a.spring(2, Freedom::SlopeY), 0.0f);
    // Vertical hinged edge: w and w,y; horizontal: w and w,x.
    assignSupport(a.m, a.line(1, 4), kind(EdgeSupport::Hinged));
    EXPECT_EQ(a.code(4), (Codes{1, 0, 1, 0}));
    EXPECT_EQ(a.spring(1, Freedom::W), 0.0f);
    assignSupport(a.m, a.line(3, 4), kind(EdgeSupport::Hinged));
    EXPECT_EQ(a.code(3), (Codes{1, 1, 0, 0}));
    // A rotational spring acts on the slope across the edge.
    assignSupport(a.m, a.line(2, 5), kind(EdgeSupport::BothSprings, 100, 30));
    EXPECT_EQ(a.spring(5, Freedom::W), 100.0f);
    EXPECT_EQ(a.spring(5, Freedom::SlopeY), 30.0f);
    assignSupport(a.m, a.line(5, 6), kind(EdgeSupport::RotationalSpring, 100, 40));
    EXPECT_EQ(a.spring(6, Freedom::SlopeX), 40.0f);
    EXPECT_EQ(a.spring(6, Freedom::W), 0.0f);
    assignSupport(a.m, a.line(5, 6), kind(EdgeSupport::Free));
    EXPECT_EQ(a.code(6), (Codes{0, 0, 0, 0}));
    EXPECT_EQ(a.spring(6, Freedom::SlopeX), 0.0f);
}

TEST(Supports, SmallElementsKeepTheirEdgeDirection) {
    Mesh a(2, 2, 0.05);
    assignSupport(a.m, a.line(1, 4), kind(EdgeSupport::Hinged));
    EXPECT_EQ(a.code(4), (Codes{1, 0, 1, 0}));
}

// The edge line a click in the support mode picks, as the front ends pick it.
std::optional<std::size_t> pickLine(const Model& m, double x, double y, double r) {
    return scene::segmentUnder(scene::edgeLinesOf(m), {x, y}, r);
}

TEST(Supports, EdgePickTakesTheHighestLineFirst) {
    Mesh a(2, 2);
    auto hit = pickLine(a.m, 0.5, 0.02, 0.05);
    ASSERT_TRUE(hit);
    EXPECT_EQ(a.m.lines[*hit].a, 1);
    EXPECT_EQ(a.m.lines[*hit].b, 2);
    EXPECT_FALSE(pickLine(a.m, 0.5, 0.5, 0.05));
    EXPECT_FALSE(pickLine(a.m, 5.0, 0.0, 0.05));
    // At a node every line through it is near; the highest line number wins.
    auto corner = pickLine(a.m, 1.0, 1.0, 0.05);
    ASSERT_TRUE(corner);
    EXPECT_TRUE(a.m.lines[*corner].a == 3 || a.m.lines[*corner].b == 3);
    for (std::size_t i = *corner + 1; i < a.m.lines.size(); ++i)
        EXPECT_FALSE(a.m.lines[i].a == 3 || a.m.lines[i].b == 3) << i;
}

TEST(Supports, WholeBoundaryHingedWithCornerRule) {
    Mesh a(3, 3);
    // The twelve boundary nodes of a 3 x 3 mesh get the support.
    ASSERT_EQ(assignWholeBoundary(a.m, kind(EdgeSupport::Hinged), a.margin, a.ui), 12);
    int corners = 0, sides = 0, inner = 0;
    for (int n = 1; n <= a.m.nodeCount; ++n) {
        const auto& node = a.m.nodes[static_cast<std::size_t>(n)];
        const bool xEdge = node.x == 0 || node.x == 3, yEdge = node.y == 0 || node.y == 3;
        if (xEdge && yEdge) {
            EXPECT_EQ(node.code, (Codes{1, 1, 1, 0})) << n;
            ++corners;
        } else if (yEdge) {
            EXPECT_EQ(node.code, (Codes{1, 1, 0, 0})) << n;
            ++sides;
        } else if (xEdge) {
            EXPECT_EQ(node.code, (Codes{1, 0, 1, 0})) << n;
            ++sides;
        } else {
            EXPECT_EQ(node.code, (Codes{0, 0, 0, 0})) << n;
            ++inner;
        }
    }
    EXPECT_EQ(corners, 4);
    EXPECT_EQ(sides, 8);
    EXPECT_EQ(inner, 4);
    for (const auto& l : a.m.lines)
        EXPECT_EQ(l.code, l.inner ? EdgeSupport::None : EdgeSupport::Hinged);
}

// A join distance larger than the elements would join both ends of one line and end the trace
// after a step; it is bounded by half the shortest line, so the whole outline is traced.
TEST(Supports, AToleranceBeyondTheElementsIsBoundedByTheMesh) {
    Mesh a(4, 2, 0.5);
    auto traced = traceBoundary(a.m, 5.0, a.ui);
    ASSERT_TRUE(traced);
    EXPECT_EQ(traced->size(), 12u);
    EXPECT_EQ(assignWholeBoundary(a.m, kind(EdgeSupport::Clamped), 5.0, a.ui), 12);
    for (const auto& l : a.m.lines)
        EXPECT_EQ(l.code, l.inner ? EdgeSupport::None : EdgeSupport::Clamped);
    EXPECT_TRUE(a.ui.messages.empty());
}

TEST(Supports, WholeBoundaryLeavesOpeningsAndFollowsReentrantCorners) {
    Mesh a(5, 5);
    // An opening in the middle and a notch at the upper right corner.
    deleteElements(a.m, {13, 25}, a.dir.str());
    auto traced = traceBoundary(a.m, a.margin, a.ui);
    ASSERT_TRUE(traced);
    EXPECT_EQ(traced->size(), 20u);
    ASSERT_TRUE(assignWholeBoundary(a.m, kind(EdgeSupport::Hinged), a.margin, a.ui));
    const int hole = a.m.findNode(2, 2), notch = a.m.findNode(4, 4), tip = a.m.findNode(5, 4);
    EXPECT_EQ(a.code(hole), (Codes{0, 0, 0, 0}));
    // The re-entrant corner of the notch has three elements and gets both slopes.
    EXPECT_EQ(a.code(notch), (Codes{1, 1, 1, 0}));
    EXPECT_EQ(a.code(tip), (Codes{1, 1, 1, 0}));
    EXPECT_TRUE(a.ui.messages.empty());
}

TEST(Supports, TouchingCornersAreTracedAsOneOutline) {
    // Two squares of a 2 x 2 mesh left, touching at the centre node.
    Mesh a(2, 2);
    deleteElements(a.m, {2, 3}, a.dir.str());
    auto traced = traceBoundary(a.m, a.margin, a.ui);
    ASSERT_TRUE(traced);
    EXPECT_EQ(traced->size(), 8u);
    Model empty;
    EXPECT_FALSE(traceBoundary(empty, 0.05, a.ui));
    EXPECT_EQ(a.ui.messages.back().text, "Es gibt keinen Rand: zuerst die Platte generieren.");
}

TEST(Tables, NodeTableRowsAndChecks) {
    Mesh a(1, 1);
    TextTable t = makeTable(a.m, TableKind::Nodes);
    ASSERT_EQ(t.rows.size(), 4u);
    EXPECT_EQ(t.rows[1], (std::vector<std::string>{"1,00000", "0,00000", "0", "0", "0", "0"}));
    EXPECT_FALSE(setRow(t, 2, {"1,5", "0", "1", "1", "0", "0"}));
    EXPECT_EQ(*setRow(t, 2, {"1"}), "Die Zeile braucht 6 Werte (\"-\" für ein leeres Feld).");
    EXPECT_EQ(*setRow(t, 9, {"1", "1", "1", "1", "1", "1"}), "Zeile 9 gibt es nicht (1 bis 5).");
    EXPECT_FALSE(applyTable(a.m, t));
    EXPECT_DOUBLE_EQ(a.m.nodes[2].x, 1.5);
    EXPECT_EQ(a.m.nodes[2].code, (Codes{1, 1, 0, 0}));
    EXPECT_FLOAT_EQ(a.m.lines[0].x2, 1.5f);

    TextTable bad = makeTable(a.m, TableKind::Nodes);
    ASSERT_FALSE(setRow(bad, 3, {"1", "1", "2", "0", "0", "0"}));
    EXPECT_EQ(*applyTable(a.m, bad),
              "Zeile 3, Spalte w: \"2\" muss 0 (frei) oder 1 (gehalten) sein.");
    bad = makeTable(a.m, TableKind::Nodes);
    ASSERT_FALSE(setRow(bad, 1, {"x", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(*applyTable(a.m, bad), "Zeile 1, Spalte x [m]: \"x\" ist keine Zahl.");
    bad = makeTable(a.m, TableKind::Nodes);
    ASSERT_FALSE(clearRow(bad, 4));
    EXPECT_EQ(*applyTable(a.m, bad),
              "Element 1 verweist auf Knoten 4, die Tabelle hat nur 3 Knoten.");
    EXPECT_EQ(a.m.nodeCount, 4);
    EXPECT_EQ(a.m.nodes[2].code, (Codes{1, 1, 0, 0}));
    // An appended, filled row is a new node.
    TextTable more = makeTable(a.m, TableKind::Nodes);
    ASSERT_FALSE(setRow(more, 5, {"3", "3", "0", "0", "0", "0"}));
    EXPECT_FALSE(applyTable(a.m, more));
    EXPECT_EQ(a.m.nodeCount, 5);
}

TEST(Tables, ElementSpringBeddingTablesAndButtons) {
    Mesh a(2, 1);
    TextTable e = makeTable(a.m, TableKind::Elements);
    EXPECT_EQ(e.rows[1],
              (std::vector<std::string>{"2", "5", "6", "3", "30000000", "0,160", "0,200"}));
    ASSERT_FALSE(copyDown(e, 1, 7));
    EXPECT_EQ(*copyDown(e, 1, 9), "Spalte 9 kann nicht geändert werden (1 bis 7).");
    ASSERT_FALSE(setRow(e, 2, {"2", "5", "6", "9", "3e7", "0,16", "0,25"}));
    EXPECT_EQ(*applyTable(a.m, e),
              "Zeile 2, Spalte Knoten 4: \"9\" ist kein Knoten zwischen 1 und 6.");
    ASSERT_FALSE(setRow(e, 2, {"2", "5", "6", "3", "3e7", "0,16", "0,25"}));
    EXPECT_FALSE(applyTable(a.m, e));
    EXPECT_DOUBLE_EQ(a.m.elements[2].thickness, 0.25);
    ASSERT_FALSE(clearRow(e, 1));
    EXPECT_FALSE(applyTable(a.m, e));
    EXPECT_EQ(a.m.elementCount, 1);
    EXPECT_EQ(a.m.lines.size(), 4u);

    TextTable s = makeTable(a.m, TableKind::Springs);
    EXPECT_EQ(s.rows[0],
              (std::vector<std::string>{"0,00000", "0,00000", "0,00", "0,00", "0,00", "0,00"}));
    ASSERT_FALSE(setRow(s, 2, {"1000", "0", "0", "0"}));
    EXPECT_EQ(*setRow(s, 7, {"1", "0", "0", "0"}), "Zeile 7 gibt es nicht (1 bis 6).");
    EXPECT_FALSE(applyTable(a.m, s));
    EXPECT_EQ(springConstant(a.m.springs[2], Freedom::W), 1000.0f);
    ASSERT_FALSE(setRow(s, 3, {"-1", "0", "0", "0"}));
    EXPECT_EQ(*applyTable(a.m, s), "Zeile 3, Spalte c: \"-1\" muss eine Zahl ab 0 sein.");

    a.m.elements[1].edgeSupport = {2, 2, 2, 2};
    clearSprings(a.m);
    EXPECT_EQ(springConstant(a.m.springs[2], Freedom::W), 0.0f);
    EXPECT_EQ(a.m.elements[1].edgeSupport, (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
    a.m.nodes[1].code = {1, 1, 1, 1};
    clearSupports(a.m);
    EXPECT_EQ(a.m.nodes[1].code, (Codes{0, 0, 0, 0}));

    TextTable b = makeTable(a.m, TableKind::Bedding);
    ASSERT_EQ(b.rows.size(), 1u);
    ASSERT_FALSE(setRow(b, 1, {"20000"}));
    EXPECT_FALSE(applyTable(a.m, b));
    EXPECT_EQ(a.m.bedding[1].v[0], 20000.0f);
    ASSERT_FALSE(setRow(b, 1, {"-"}));
    EXPECT_EQ(*applyTable(a.m, b), "Zeile 1, Spalte Bettungszahl: \"\" muss eine Zahl ab 0 sein.");
    clearBedding(a.m);
    EXPECT_EQ(a.m.bedding[1].v[0], 0.0f);
    EXPECT_EQ(a.m.elementCount, 1);
}
