// Picking under a point: elements by rectangle and by angle sum, edges, nodes and lines.
#include "scene/picking.hpp"

#include <gtest/gtest.h>

using scene::EdgePick;
using scene::Point;

namespace {

// 2 × 1 elements of 2 m × 1 m:  4 --- 5 --- 6
//                               |  1  |  2  |
//                               1 --- 2 --- 3
scene::Mesh twoElements() {
    scene::Mesh m;
    m.nodes = {{}, {0, 0}, {2, 0}, {4, 0}, {0, 1}, {2, 1}, {4, 1}};
    m.elements = {{}, {1, 2, 5, 4}, {2, 3, 6, 5}};
    return m;
}

} // namespace

TEST(Picking, ElementAtTakesBordersAndTheLowerNumberOnASharedEdge) {
    const auto m = twoElements();
    EXPECT_EQ(scene::elementAt(m, {1, 0.5}), 1);
    EXPECT_EQ(scene::elementAt(m, {3.9, 0.1}), 2);
    EXPECT_EQ(scene::elementAt(m, {2, 0.5}), 1);
    EXPECT_EQ(scene::elementAt(m, {4, 1}), 2);
    EXPECT_EQ(scene::elementAt(m, {4.01, 0.5}), std::nullopt);
    EXPECT_EQ(scene::elementAt(m, {1, -0.01}), std::nullopt);
}

TEST(Picking, AngleSumTakesTheFirstElementOnASharedEdgeAndLeavesCornersOutside) {
    const auto m = twoElements();
    EXPECT_EQ(scene::elementByAngleSum(m, {1, 0.5}), 1);
    EXPECT_EQ(scene::elementByAngleSum(m, {3, 0.5}), 2);
    // On the shared edge the edge itself turns by +π or −π, depending on the sign of a zero;
    // the angles then sum to 2π for element 1, which comes first.
    EXPECT_EQ(scene::elementByAngleSum(m, {2, 0.5}), 1);
    EXPECT_EQ(scene::elementByAngleSum(m, {2, 1}), std::nullopt);
    EXPECT_EQ(scene::elementByAngleSum(m, {5, 0.5}), std::nullopt);
    // A point just inside, closer to a corner than kCornerDistance, has no defined angle.
    EXPECT_EQ(scene::elementByAngleSum(m, {1e-7, 1e-7}), std::nullopt);
    EXPECT_EQ(scene::elementByAngleSum(m, {1e-3, 1e-3}), 1);
}

TEST(Picking, EdgesAndNodesWithinHalfTheShortestSide) {
    const auto m = twoElements();
    EXPECT_DOUBLE_EQ(scene::pickRadius(m), 0.5);
    // Beside the shared edge, inside element 2: its own edge 4 is preferred.
    EXPECT_EQ(scene::edgeNear(m, {2.1, 0.5}), (EdgePick{2, 4}));
    EXPECT_EQ(scene::edgeNear(m, {1.9, 0.5}), (EdgePick{1, 2}));
    EXPECT_EQ(scene::edgeNear(m, {1, 0.9}), (EdgePick{1, 3}));
    // Outside the mesh the nearest edge of any element, within the radius.
    EXPECT_EQ(scene::edgeNear(m, {4.3, 0.5}), (EdgePick{2, 2}));
    EXPECT_EQ(scene::edgeNear(m, {4.6, 0.5}), std::nullopt);
    EXPECT_EQ(scene::nodeNear(m, {2.2, 0.9}), 5);
    EXPECT_EQ(scene::nodeNear(m, {1, 0.5}), std::nullopt);
    EXPECT_DOUBLE_EQ(scene::pickRadius(scene::Mesh{}), 0.0);
    EXPECT_EQ(scene::nodeNear(scene::Mesh{}, {0, 0}), std::nullopt);
}

TEST(Picking, SegmentUnderASquareTakesTheLastSegmentFirst) {
    const std::vector<scene::Segment> lines = {{{0, 0}, {4, 0}}, {{2, 0}, {2, 1}}, {{0, 1}, {4, 1}}};
    // r = 0.1: the square's half-width is 1.2·√2·0.1 ≈ 0.17 m.
    EXPECT_EQ(scene::segmentUnder(lines, {1, 0.15}, 0.1), 0u);
    EXPECT_EQ(scene::segmentUnder(lines, {1, 0.2}, 0.1), std::nullopt);
    EXPECT_EQ(scene::segmentUnder(lines, {2.1, 0.1}, 0.1), 1u);
    EXPECT_EQ(scene::segmentUnder(lines, {2.1, 0.9}, 0.1), 2u);
    EXPECT_EQ(scene::segmentUnder({}, {0, 0}, 1), std::nullopt);
}
