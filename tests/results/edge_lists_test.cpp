// The fast edge lists against the straightforward scans they replace.
#include "results_fixtures.hpp"
#include "solver/edge_lists.hpp"
#include "solver/ph_load_case.hpp"
#include "solver/result_files.hpp"
#include "solver/stress_resultants.hpp"
#include "tests/support/test_support.hpp"

#include <algorithm>
#include <random>
#include <set>

namespace {

using namespace resultfixtures;

// The lists as first described: scan the lists for the edge, then all later elements for a
// neighbour (the last one counts), then turn the edge by the direction rules.
slab::EdgeLists referenceEdgeLists(const slab::SolverModel& m) {
    struct P {
        float x, y;
    };
    auto corner = [&](int e, int c) {
        const auto& n = m.nodes[m.elements[e].node[c - 1]];
        return P{static_cast<float>(n.x), static_cast<float>(n.y)};
    };
    auto same = [](const slab::MeshEdge& r, P a, P b) {
        return (r.xStart == a.x && r.yStart == a.y && r.xEnd == b.x && r.yEnd == b.y) ||
               (r.xStart == b.x && r.yStart == b.y && r.xEnd == a.x && r.yEnd == a.y);
    };
    slab::EdgeLists lists;
    for (int k = 1; k <= m.elementCount; ++k) {
        for (int l = 1; l <= 4; ++l) {
            const P a = corner(k, l), b = corner(k, l % 4 + 1);
            auto known = [&](const std::vector<slab::MeshEdge>& list) {
                return std::any_of(list.begin(), list.end(), [&](const auto& r) { return same(r, a, b); });
            };
            if (known(lists.inner) || known(lists.outer)) continue;
            int second = 0, secondEdge = 0;
            for (int n = k + 1; n <= m.elementCount; ++n) {
                bool atStart = false;
                int atEnd = 0;
                for (int c = 1; c <= 4; ++c) {
                    const P p = corner(n, c);
                    if (p.x == a.x && p.y == a.y) atStart = true;
                    if (p.x == b.x && p.y == b.y) atEnd = c;
                }
                if (atStart && atEnd != 0) {
                    second = n;
                    secondEdge = atEnd;
                }
            }
            slab::MeshEdge r{a.x, b.x, a.y, b.y};
            r.firstElement = static_cast<std::int16_t>(k);
            r.secondElement = static_cast<std::int16_t>(second);
            r.firstEdge = static_cast<std::int16_t>(l);
            r.secondEdge = static_cast<std::int16_t>(secondEdge);
            if (second != 0 && r.yStart == r.yEnd) std::swap(r.xStart, r.xEnd);
            if (second == 0 && r.yStart == r.yEnd && l == 3) std::swap(r.xStart, r.xEnd);
            if (second == 0 && r.xStart == r.xEnd && l == 4) std::swap(r.yStart, r.yEnd);
            const auto& node = m.elements[k].node;
            const int from[5] = {0, 1, 2, 4, 1}, to[5] = {0, 2, 3, 3, 4};
            r.startNode = static_cast<std::int16_t>(node[from[l] - 1]);
            r.endNode = static_cast<std::int16_t>(node[to[l] - 1]);
            (second != 0 ? lists.inner : lists.outer).push_back(r);
        }
    }
    return lists;
}

void expectSameTopology(const std::vector<slab::MeshEdge>& fast,
                        const std::vector<slab::MeshEdge>& reference) {
    ASSERT_EQ(fast.size(), reference.size());
    for (std::size_t i = 0; i < fast.size(); ++i) {
        const auto &f = fast[i], &r = reference[i];
        EXPECT_EQ(f.firstElement, r.firstElement) << i;
        EXPECT_EQ(f.secondElement, r.secondElement) << i;
        EXPECT_EQ(f.firstEdge, r.firstEdge) << i;
        EXPECT_EQ(f.secondEdge, r.secondEdge) << i;
        EXPECT_EQ(f.startNode, r.startNode) << i;
        EXPECT_EQ(f.endNode, r.endNode) << i;
    }
}

void expectSameCoordinates(const std::vector<slab::MeshEdge>& fast,
                           const std::vector<slab::MeshEdge>& reference) {
    for (std::size_t i = 0; i < fast.size() && i < reference.size(); ++i) {
        EXPECT_EQ(fast[i].xStart, reference[i].xStart) << i;
        EXPECT_EQ(fast[i].xEnd, reference[i].xEnd) << i;
        EXPECT_EQ(fast[i].yStart, reference[i].yStart) << i;
        EXPECT_EQ(fast[i].yEnd, reference[i].yEnd) << i;
    }
}

// Every record starts at its start node and ends at its end node.
void expectCoordinatesOfTheNodes(const slab::SolverModel& m, const std::vector<slab::MeshEdge>& list) {
    for (const auto& e : list) {
        EXPECT_EQ(e.xStart, static_cast<float>(m.nodes[e.startNode].x));
        EXPECT_EQ(e.yStart, static_cast<float>(m.nodes[e.startNode].y));
        EXPECT_EQ(e.xEnd, static_cast<float>(m.nodes[e.endNode].x));
        EXPECT_EQ(e.yEnd, static_cast<float>(m.nodes[e.endNode].y));
    }
}

// Removes the listed elements and numbers the others consecutively in their old order.
void deleteElements(slab::SolverModel& m, const std::set<int>& gone) {
    int n = 0;
    for (int e = 1; e <= m.elementCount; ++e)
        if (!gone.count(e)) m.elements[++n] = m.elements[e];
    m.elementCount = n;
}

TEST(EdgeLists, TwoElementsSideBySide) {
    auto m = mesh(2, 1, 2.0, 3.0);
    const auto lists = slab::buildEdgeLists(*m);
    ASSERT_EQ(lists.inner.size(), 1u);
    ASSERT_EQ(lists.outer.size(), 6u);
    const auto& in = lists.inner[0];
    EXPECT_EQ(in.firstElement, 1);
    EXPECT_EQ(in.secondElement, 2);
    EXPECT_EQ(in.firstEdge, 2);
    EXPECT_EQ(in.secondEdge, 4);
    EXPECT_EQ(in.startNode, 2);
    EXPECT_EQ(in.endNode, 5);
    // The top edge of element 1 runs from left to right, its left edge from bottom to top.
    const auto& top = lists.outer[1];
    EXPECT_EQ(top.firstEdge, 3);
    EXPECT_EQ(top.xStart, 0.0f);
    EXPECT_EQ(top.xEnd, 2.0f);
    EXPECT_EQ(top.startNode, 4);
    EXPECT_EQ(top.endNode, 5);
    const auto& left = lists.outer[2];
    EXPECT_EQ(left.firstEdge, 4);
    EXPECT_EQ(left.yStart, 0.0f);
    EXPECT_EQ(left.yEnd, 3.0f);
    EXPECT_EQ(left.secondEdge, 0);
}

TEST(EdgeLists, SameAsTheScansOnMeshesWithOpenings) {
    for (auto [nx, ny] : {std::pair{6, 5}, std::pair{12, 9}}) {
        auto m = mesh(nx, ny, 0.5, 0.4);
        std::set<int> gone;
        for (int e = 1; e <= m->elementCount; ++e) {
            const int c = (e - 1) % nx, r = (e - 1) / nx;
            // A hole inside, a notch at the edge and single elements joined only at corners.
            if ((c >= 2 && c <= 3 && r >= 1 && r <= 2) || (c == nx - 1 && r == 0) ||
                (r == ny - 1 && c % 2 == 1))
                gone.insert(e);
        }
        deleteElements(*m, gone);
        const auto fast = slab::buildEdgeLists(*m);
        const auto reference = referenceEdgeLists(*m);
        expectSameTopology(fast.inner, reference.inner);
        expectSameTopology(fast.outer, reference.outer);
        expectSameCoordinates(fast.inner, reference.inner);
        expectSameCoordinates(fast.outer, reference.outer);
        expectCoordinatesOfTheNodes(*m, fast.inner);
        expectCoordinatesOfTheNodes(*m, fast.outer);
    }
}

// Numbered from the top right, horizontal inner edges are found as edge 1 of the upper element
// and vertical ones as edge 4 of the right element; the literal turning rule would then store
// them against their node order. The fast lists keep coordinates and nodes together.
TEST(EdgeLists, MeshNumberedFromTheTopKeepsCoordinatesWithTheNodes) {
    auto m = mesh(5, 4, 1.0, 1.0);
    std::reverse(m->elements.begin() + 1, m->elements.begin() + 1 + m->elementCount);
    deleteElements(*m, {7, 8});
    const auto fast = slab::buildEdgeLists(*m);
    const auto reference = referenceEdgeLists(*m);
    expectSameTopology(fast.inner, reference.inner);
    expectSameTopology(fast.outer, reference.outer);
    expectSameCoordinates(fast.outer, reference.outer);
    expectCoordinatesOfTheNodes(*m, fast.inner);
    expectCoordinatesOfTheNodes(*m, fast.outer);
    int turned = 0;
    for (std::size_t i = 0; i < fast.inner.size(); ++i) {
        const auto &f = fast.inner[i], &r = reference.inner[i];
        const bool reversed = f.xStart == r.xEnd && f.xEnd == r.xStart && f.yStart == r.yEnd &&
                              f.yEnd == r.yStart;
        const bool same = f.xStart == r.xStart && f.xEnd == r.xEnd && f.yStart == r.yStart &&
                          f.yEnd == r.yEnd;
        EXPECT_TRUE(reversed || same) << i;
        turned += !same;
    }
    EXPECT_GT(turned, 0);
}

// Overlapping elements of different sizes share no edges: a mesh within the capacity of 3000
// nodes and 3000 elements then has about 12000 outer edges.
std::unique_ptr<slab::SolverModel> overlappingRectangles() {
    auto m = std::make_unique<slab::SolverModel>();
    const int grid = 54;
    m->nodeCount = grid * grid;
    for (int j = 1; j <= m->nodeCount; ++j) {
        m->nodes[j] = {};
        m->nodes[j].number = j;
        m->nodes[j].x = 0.25 * ((j - 1) % grid);
        m->nodes[j].y = 0.25 * ((j - 1) / grid);
    }
    std::mt19937 random(7);
    m->elementCount = slab::kMaxElements;
    for (int e = 1; e <= m->elementCount; ++e) {
        const int x0 = static_cast<int>(random() % (grid - 1)), y0 = static_cast<int>(random() % (grid - 1));
        const int x1 = x0 + 1 + static_cast<int>(random() % (grid - 1 - x0));
        const int y1 = y0 + 1 + static_cast<int>(random() % (grid - 1 - y0));
        auto node = [&](int x, int y) { return y * grid + x + 1; };
        m->elements[e] = {};
        m->elements[e].node = {node(x0, y0), node(x1, y0), node(x1, y1), node(x0, y1)};
        m->elements[e].e = kE;
        m->elements[e].nu = kNu;
        m->elements[e].thickness = kThickness;
    }
    m->displacement.assign(static_cast<std::size_t>(m->nodeCount) + 1, {});
    return m;
}

TEST(EdgeLists, MoreThanSixThousandOuterEdgesAreAllKept) {
    auto m = overlappingRectangles();
    const auto fast = slab::buildEdgeLists(*m);
    EXPECT_GT(fast.outer.size(), 6000u);
    EXPECT_LE(2 * fast.inner.size() + fast.outer.size(), 4u * slab::kMaxElements);
    const auto reference = referenceEdgeLists(*m);
    expectSameTopology(fast.inner, reference.inner);
    expectSameTopology(fast.outer, reference.outer);
    expectCoordinatesOfTheNodes(*m, fast.outer);
}

TEST(EdgeLists, ResultFilesHoldEveryOuterEdge) {
    auto m = overlappingRectangles();
    slab::computeElementResults(*m);
    slab::computeNodalAverages(*m);
    slab::computeElementPh(*m);
    slab::computePhSums(*m);
    testsupport::TempDir dir;
    EXPECT_TRUE(slab::writeResultFiles(*m, dir.str(), 1).empty());
    const auto no = m->outerEdges.size();
    ASSERT_GT(no, 6000u);
    EXPECT_EQ(std::filesystem::file_size(dir.path() / "Aussenkanten1"), no * 44);
    EXPECT_EQ(std::filesystem::file_size(dir.path() / "Aussenkanten2LF1"), no * 96);
    EXPECT_EQ(std::filesystem::file_size(dir.path() / "Aussenkanten4LF1"), no * 152);
    const auto info = slab::readFileBytes(dir.str() + "Info");
    ASSERT_TRUE(info);
    EXPECT_EQ(slab::getLE<std::int32_t>(info->data() + 12), static_cast<std::int32_t>(no));
}

TEST(EdgeLists, PointsWithNaNCoordinatesJoinNothing) {
    auto m = mesh(2, 1, 1.0, 1.0);
    m->nodes[5].x = std::nan("");
    const auto fast = slab::buildEdgeLists(*m);
    const auto reference = referenceEdgeLists(*m);
    expectSameTopology(fast.inner, reference.inner);
    expectSameTopology(fast.outer, reference.outer);
    EXPECT_TRUE(fast.inner.empty());
    EXPECT_EQ(fast.outer.size(), 8u);
}

} // namespace
