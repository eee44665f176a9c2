// Mesh generation with its limits and numbering, the node index table, edge lines and outer
// flags, and deletion by pick and by window with the renumbering through KTEMP.
#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "geometry/edge_lines.hpp"
#include "geometry/element_deletion.hpp"
#include "geometry/mesh_generator.hpp"
#include "tests/geometry/generated_mesh.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include "scene/slab_meshes.hpp"

#include <gtest/gtest.h>

using namespace morvel;

namespace {

struct Mesh : testsupport::GeneratedMesh {
    std::array<double, 2> xy(int n) const {
        return {m.nodes[static_cast<std::size_t>(n)].x, m.nodes[static_cast<std::size_t>(n)].y};
    }
};

// The element a click in the single-element mode deletes, as the front ends pick it; 0 for none.
int pickElement(const Model& m, double x, double y) {
    return scene::elementByAngleSum(scene::meshOf(m), {x, y}).value_or(0);
}

} // namespace

TEST(Generation, OneElementAndTwoElements) {
    Mesh a;
    ASSERT_TRUE(a.generate(0, -3));
    EXPECT_EQ(a.m.master.nx, 1);
    EXPECT_EQ(a.m.nodeCount, 4);
    EXPECT_EQ(a.m.elements[1].node, (std::array<std::int32_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(a.xy(3), (std::array<double, 2>{1, 1}));
    EXPECT_EQ(a.m.elements[1].outerEdge, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));
    Mesh b;
    ASSERT_TRUE(b.generate(2, 1, 2.0, 1.5));
    EXPECT_EQ(b.m.nodeCount, 6);
    EXPECT_EQ(b.xy(5), (std::array<double, 2>{4, 0}));
    EXPECT_EQ(b.xy(6), (std::array<double, 2>{4, 1.5}));
    EXPECT_EQ(b.m.elements[2].node, (std::array<std::int32_t, 4>{2, 5, 6, 3}));
    EXPECT_EQ(b.m.lines.size(), 7u);
    EXPECT_FLOAT_EQ(b.extents.x2, 4.0f);
    EXPECT_FLOAT_EQ(b.extents.y2, 1.5f);
    EXPECT_DOUBLE_EQ(b.margin, 0.01);
}

TEST(Generation, NumberingRowByRowAndJoinedPoints) {
    Mesh a;
    ASSERT_TRUE(a.generate(10, 10));
    EXPECT_EQ(a.m.nodeCount, 121);
    EXPECT_EQ(a.m.elementCount, 100);
    // Element (i, j) is (j - 1) nx + i; element 12 is column 2 of row 2.
    EXPECT_EQ(a.xy(a.m.elements[12].node[0]), (std::array<double, 2>{1, 1}));
    EXPECT_EQ(a.m.lines.size(), 220u);
    // Generated points closer than 0.01 m in x and y would be one node: such a grid is refused
    // (it used to give elements with equal corners); just above it every point is its own.
    Mesh b;
    ASSERT_FALSE(b.generate(1, 1, 0.005, 1.0));
    EXPECT_EQ(b.m.nodeCount, 0);
    ASSERT_TRUE(b.generate(1, 1, 0.0101, 1.0));
    EXPECT_EQ(b.m.nodeCount, 4);
    EXPECT_NEAR(b.margin, 0.00101, 1e-9);
}

TEST(Generation, LimitsRefusedWithoutTouchingTheMesh) {
    Mesh a;
    ASSERT_TRUE(a.generate(3, 3));
    a.m.nodes[1].code = {1, 1, 1, 1};
    for (auto grid : {std::array<int, 2>{60, 60}, {1, 900}, {200, 2}}) {
        EXPECT_FALSE(a.generate(grid[0], grid[1]));
        EXPECT_EQ(a.ui.messages.back().text,
                  "Sie haben die maximale Knotenzahl überschritten!\nBitte geben Sie die Geometrie "
                  "erneut ein");
        EXPECT_EQ(a.m.elementCount, 9);
        EXPECT_EQ(a.m.master.nx, 3);
        EXPECT_EQ(a.m.nodes[1].code[0], 1);
    }
    EXPECT_TRUE(a.generate(199, 2));
    EXPECT_EQ(a.m.nodeCount, 600);
    EXPECT_FALSE(a.generate(3, 3, 0.0, 1.0));
    EXPECT_EQ(a.ui.messages.back().text, "Elementlänge und Elementhöhe müssen größer als 0 sein.");
    EXPECT_FALSE(
        generateMesh(a.m, {3, 3, 1, 1, 3e7, 0.6, 0.2}, a.margin, a.extents, a.dir.str(), a.ui));
    EXPECT_EQ(a.ui.messages.back().text, "Die Querdehnzahl muss zwischen 0 und 0,5 liegen.");
    // Grid points closer than 0.01 m would be joined into one node.
    EXPECT_FALSE(a.generate(3, 3, 0.005, 1.0));
    EXPECT_EQ(a.ui.messages.back().text,
              "Elementlänge und Elementhöhe müssen größer als 0,01 m sein; kleinere Elemente "
              "fallen beim Generieren zu einem Punkt zusammen.");
    Mesh fine;
    EXPECT_TRUE(fine.generate(3, 3, 0.011, 1.0));
    EXPECT_EQ(fine.m.nodeCount, 16);
    EXPECT_FALSE(a.generate(3, 3, 2e38, 1.0));
    EXPECT_EQ(a.ui.messages.back().text, "Elementlänge und Elementhöhe sind zu groß.");
    EXPECT_EQ(a.m.elementCount, 398);
}

TEST(Generation, NewMeshDoesNotInheritSupports) {
    Mesh a;
    ASSERT_TRUE(a.generate(2, 2));
    a.m.nodes[1].code = {1, 1, 1, 1};
    springConstant(a.m.springs[2], Freedom::W) = 500.0f;
    a.m.elements[1].edgeSupport = {1, 1, 1, 1};
    a.m.bedding[1].v[0] = 1000.0f;
    ASSERT_TRUE(a.generate(2, 2));
    EXPECT_EQ(a.m.nodes[1].code, (std::array<std::int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(springConstant(a.m.springs[2], Freedom::W), 0.0f);
    EXPECT_EQ(a.m.elements[1].edgeSupport, (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(a.m.bedding[1].v[0], 0.0f);
}

TEST(NodeIndexTable, PviBytesAndText) {
    Mesh a;
    ASSERT_TRUE(a.generate(2, 1));
    auto bytes = slab::readFileBytes(a.dir.str() + "PVI");
    ASSERT_TRUE(bytes);
    const std::vector<std::int16_t> expected = {1, 2, 1, 2, 5, 4, 3, 6};
    ASSERT_EQ(bytes->size(), expected.size() * 2);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(slab::getLE<std::int16_t>(bytes->data() + 2 * i), expected[i]) << i;
    EXPECT_EQ(
        slab::readFileText(a.dir.str() + "PVI.TXT").value_or(""),
        "Schichten = 1\nMaxPunkteX = 2\n"
        "Zeile 1 Spalte 1 Knoten = 1\nZeile 1 Spalte 2 Knoten = 2\nZeile 1 Spalte 3 Knoten = 5\n"
        "Zeile 2 Spalte 1 Knoten = 4\nZeile 2 Spalte 2 Knoten = 3\nZeile 2 Spalte 3 Knoten = 6\n");
    // Found again from the nodes, as saving does; a deleted corner gives 0.
    EXPECT_EQ(findNodeIndexTable(a.m)[2][3], 6);
    EXPECT_TRUE(encodeNodeIndexTable(findNodeIndexTable(a.m), 0, 1).empty());
}

TEST(Deletion, MiddleOfAStripRenumbersInOrderOfFirstUse) {
    Mesh a;
    ASSERT_TRUE(a.generate(3, 1));
    a.m.nodes[7].code = {1, 0, 1, 0};                    // (3, 0)
    springConstant(a.m.springs[8], Freedom::W) = 250.0f; // (3, 1)
    a.m.bedding[3].v[0] = 5000.0f;
    EXPECT_EQ(pickElement(a.m, 1.5, 0.5), 2);
    EXPECT_EQ(deleteElements(a.m, {2}, a.dir.str()), 1);
    EXPECT_EQ(a.m.elementCount, 2);
    EXPECT_EQ(a.m.nodeCount, 8);
    EXPECT_EQ(a.m.elements[2].node, (std::array<std::int32_t, 4>{5, 6, 7, 8}));
    EXPECT_EQ(a.m.elements[2].number, 2);
    EXPECT_EQ(a.xy(5), (std::array<double, 2>{2, 0}));
    EXPECT_EQ(a.xy(6), (std::array<double, 2>{3, 0}));
    // Fixities, springs and bedding travel with their node and element.
    EXPECT_EQ(a.m.nodes[6].code, (std::array<std::int32_t, 4>{1, 0, 1, 0}));
    EXPECT_EQ(springConstant(a.m.springs[7], Freedom::W), 250.0f);
    EXPECT_EQ(a.m.bedding[2].v[0], 5000.0f);
    EXPECT_EQ(a.m.elements[1].outerEdge, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(a.m.lines.size(), 8u);
    auto scratch = slab::readFileBytes(a.dir.str() + "KTEMP");
    ASSERT_TRUE(scratch);
    EXPECT_EQ(scratch->size(), 8u * 52u);
    EXPECT_DOUBLE_EQ(slab::getLE<double>(scratch->data() + 4 * 52), 2.0);
}

TEST(Deletion, PickMissesAndWindow) {
    Mesh a;
    ASSERT_TRUE(a.generate(4, 4));
    EXPECT_EQ(pickElement(a.m, 5.0, 5.0), 0);
    EXPECT_EQ(pickElement(a.m, 1.0, 1.0), 0); // on a corner of element 1: undefined angle there
    EXPECT_EQ(pickElement(a.m, 1.5, 2.5), 10);
    EXPECT_EQ(deleteElements(a.m, {0, 17}, a.dir.str()), 0);
    EXPECT_EQ(a.m.elementCount, 16);
    auto inside = elementsInWindow(a.m, 3.1, 3.1, 0.9, 0.9);
    EXPECT_EQ(inside, (std::vector<int>{6, 7, 10, 11}));
    EXPECT_EQ(deleteElements(a.m, inside, a.dir.str()), 4);
    EXPECT_EQ(a.m.elementCount, 12);
    EXPECT_EQ(a.m.nodeCount, 24); // the node in the middle of the opening is gone
    int outer = 0;
    for (const auto& l : a.m.lines)
        outer += l.inner ? 0 : 1;
    EXPECT_EQ(outer, 16 + 8);
    // Without a position directory the deletion still works from memory.
    EXPECT_EQ(deleteElements(a.m, {1}, "/nonexistent/dir/"), 1);
    EXPECT_EQ(a.m.elementCount, 11);
}

TEST(EdgeLines, ChecksumFollowsChanges) {
    Mesh a;
    ASSERT_TRUE(a.generate(2, 2));
    const auto sum = edgeLineChecksum(a.m);
    a.m.lines[0].code = EdgeSupport::Hinged;
    EXPECT_NE(edgeLineChecksum(a.m), sum);
    a.m.lines[0].code = EdgeSupport::None;
    EXPECT_EQ(edgeLineChecksum(a.m), sum);
}
