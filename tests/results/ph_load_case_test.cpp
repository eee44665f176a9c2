// Load case ph of single elements with known fields, and its collection on edges and nodes.
#include "results_fixtures.hpp"
#include "solver/ph_load_case.hpp"
#include "solver/stress_resultants.hpp"
#include "tests/support/test_support.hpp"

namespace {

using namespace resultfixtures;
using testsupport::near;

void computePh(slab::SolverModel& m) {
    slab::computeNodalAverages(m);
    slab::computeElementPh(m);
    slab::computePhSums(m);
}

TEST(ElementPh, PureTwistHasOnlyCornerForces) {
    auto m = mesh(1, 1, 2.0, 3.0);
    setField(*m, [](double x, double y) { return std::array<double, 4>{x * y, y, x, 1}; });
    slab::computeElementPh(*m);
    const double c = rigidity() * (1 - kNu);
    const auto& row = m->elementPh[1];
    const auto& t = row.t;
    for (double ph : row.ph) EXPECT_TRUE(near(ph, 0, 0, 1e-9));
    for (int j = 1; j <= 4; ++j) {
        for (int k = 1; k <= 5; ++k) {
            EXPECT_TRUE(near(t[slab::phMn(j, k)], 0, 0, 1e-9));
            EXPECT_TRUE(near(t[slab::phMnt(j, k)], j % 2 == 1 ? c : -c)) << j << k;
            EXPECT_TRUE(near(t[slab::phMntDerivative(j, k)], 0, 0, 1e-9));
            EXPECT_TRUE(near(t[slab::phQn(j, k)], 0, 0, 1e-9));
            EXPECT_TRUE(near(t[slab::phVn(j, k)], 0, 0, 1e-9));
        }
        EXPECT_TRUE(near(t[slab::phEdgeResultant(j)], 0, 0, 1e-9));
    }
    EXPECT_TRUE(near(t[slab::phCornerForce(1)], 2 * c));
    EXPECT_TRUE(near(t[slab::phCornerForce(2)], -2 * c));
    EXPECT_TRUE(near(t[slab::phCornerForce(3)], 2 * c));
    EXPECT_TRUE(near(t[slab::phCornerForce(4)], -2 * c));
    EXPECT_TRUE(near(t[slab::kPhElementTotal], 0, 0, 1e-9));
    EXPECT_EQ(m->beddingForce[1], 0.0);
    const std::array<float, 4> nx{0, 1, 0, -1}, ny{-1, 0, 1, 0};
    EXPECT_EQ(row.nx, nx);
    EXPECT_EQ(row.ny, ny);
    // Unused indexes stay zero.
    for (int i : {0, 6, 12, 36, 155}) EXPECT_EQ(t[i], 0.0) << i;
}

// w = x²y²: p_h = 2 D w,xxyy = 8 D everywhere, and the element is in equilibrium.
TEST(ElementPh, BiquadraticFieldBalancesToRoundOff) {
    auto m = mesh(1, 1, 2.0, 3.0);
    setField(*m, [](double x, double y) {
        return std::array<double, 4>{x * x * y * y, 2 * x * y * y, 2 * x * x * y, 4 * x * y};
    });
    slab::computeElementPh(*m);
    const double d = rigidity();
    const auto& t = m->elementPh[1].t;
    for (double ph : m->elementPh[1].ph) EXPECT_TRUE(near(ph, 8 * d));
    EXPECT_TRUE(near(t[slab::kPhAreaLoad], 6 * 8 * d));
    // Vn is constant along every edge (on y = 3: qy - D(1 - nu) w,xxy = -(2 - nu)·4·3 D), so
    // the edge rule is exact up to its single-precision weights.
    EXPECT_TRUE(near(t[slab::phVn(3, 2)], -(2 - kNu) * 12 * d));
    EXPECT_TRUE(near(t[slab::kPhElementTotal], 0, 0, 1e-6 * 48 * d));
}

TEST(ElementPh, BeddingAddsCwAndItsForce) {
    auto m = mesh(1, 1, 2.0, 3.0);
    m->bedding[1].v[0] = 5000.0f;
    setField(*m, [](double, double) { return std::array<double, 4>{0.002, 0, 0, 0}; });
    slab::computeElementPh(*m);
    for (double ph : m->elementPh[1].ph) EXPECT_TRUE(near(ph, 10.0));
    EXPECT_TRUE(near(m->elementPh[1].t[slab::kPhAreaLoad], 60.0));
    EXPECT_TRUE(near(m->beddingForce[1], -60.0));
    EXPECT_TRUE(near(m->elementPh[1].t[slab::kPhElementTotal], 0, 0, 1e-12));
}

TEST(PhSums, SingleHingedElementHasFourOuterEdgesAndItsCornerForces) {
    auto m = mesh(1, 1, 2.0, 3.0);
    for (int j = 1; j <= 4; ++j) m->nodes[j].code[0] = slab::kHeld;
    setField(*m, [](double x, double y) { return std::array<double, 4>{x * y, y, x, 1}; });
    computePh(*m);
    EXPECT_TRUE(m->innerEdges.empty());
    ASSERT_EQ(m->outerEdges.size(), 4u);
    const auto& t = m->elementPh[1].t;
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(m->cornerForce[m->elements[1].node[c - 1]], t[slab::phCornerForce(c)]);
    EXPECT_TRUE(near(m->phSums.heldCorners, 0, 0, 1e-9));
    EXPECT_EQ(m->phSums.freeCorners, 0.0);
}

TEST(PhSums, EdgeRowsAddBothElementsAndTakeTheLineLoads) {
    auto m = mesh(2, 1, 2.0, 3.0);
    m->elementLoads[1].v[slab::ElementLoadRecord::kEdgeLoad + 1] = 4.0f; // edge 2 of element 1
    m->elementLoads[2].v[slab::ElementLoadRecord::kEdgeLoad + 3] = 1.5f; // edge 4 of element 2
    m->elementLoads[2].v[slab::ElementLoadRecord::kEdgeLoad + 2] = 2.0f; // edge 3 of element 2
    for (int j = 1; j <= m->nodeCount; ++j)
        m->displacement[j] = {0.001 * j, 0.0002 * j, -0.0003 * j, 0.0001};
    computePh(*m);
    ASSERT_EQ(m->innerEdges.size(), 1u);
    ASSERT_EQ(m->outerEdges.size(), 6u);
    const auto& inner = m->innerEdgeRows[0];
    const auto& t1 = m->elementPh[1].t;
    const auto& t2 = m->elementPh[2].t;
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(inner.load[6 + k], 5.5);
        EXPECT_EQ(inner.values[k], t1[slab::phMn(2, k)] + t2[slab::phMn(4, k)]);
        EXPECT_EQ(inner.values[6 + k], t1[slab::phMnt(2, k)] + t2[slab::phMnt(4, k)]);
        EXPECT_EQ(inner.values[12 + k], t1[slab::phVn(2, k)] + t2[slab::phVn(4, k)]);
    }
    for (int i : {0, 1, 2, 3, 4, 5, 6}) EXPECT_EQ(inner.load[i], 0.0);
    const double w1 = 0.2777778f * 3.0, w2 = 0.44444445f * 3.0;
    EXPECT_TRUE(near(inner.values[18], w1 * inner.values[14] + w2 * inner.values[15] +
                                           w1 * inner.values[16]));
    // Outer edges in order: element 1 edges 1, 3, 4, then element 2 edges 1, 2, 3.
    const auto& top2 = m->outerEdgeRows[5];
    EXPECT_EQ(m->outerEdges[5].firstEdge, 3);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(top2.load[6 + k], 2.0);
    EXPECT_EQ(top2.values[18], t2[slab::phEdgeResultant(3)]);
}

// With the w codes all 0 or 1 and equal edges, the global sums regroup the element totals.
TEST(PhSums, AllVerticalForcesAreTheSumOfTheElementTotals) {
    auto m = mesh(3, 2, 2.0, 1.5);
    for (int j = 1; j <= m->nodeCount; ++j) {
        m->displacement[j] = {0.001 * (j % 5), 0.0002 * (j % 3), -0.0003 * j, 0.0001 * (j % 2)};
        m->nodes[j].code[0] = j % 4 == 0 ? slab::kHeld : slab::kFree;
    }
    m->bedding[2].v[0] = 1000.0f;
    computePh(*m);
    const auto& s = m->phSums;
    double totals = 0, magnitude = 0;
    for (int e = 1; e <= m->elementCount; ++e) {
        totals += m->elementPh[e].t[slab::kPhElementTotal];
        magnitude += std::fabs(m->elementPh[e].t[slab::kPhAreaLoad]);
    }
    EXPECT_TRUE(near(s.all, totals, 0, 1e-12 * magnitude));
    EXPECT_EQ(s.allFree, s.freeCorners + s.elementLoads + s.freeOuterEdges + s.freeInnerEdges);
    EXPECT_EQ(s.allHeld, s.heldCorners + s.heldOuterEdges + s.heldInnerEdges);
    EXPECT_EQ(s.all, s.allFree + s.allHeld);
    double elementLoads = 0;
    for (int e = 1; e <= m->elementCount; ++e)
        elementLoads += m->elementPh[e].t[slab::kPhAreaLoad] + m->beddingForce[e];
    EXPECT_EQ(s.elementLoads, elementLoads);
}

TEST(PhSums, EdgeBetweenHeldAndFreeNodeCountsAsFree) {
    auto m = mesh(1, 1, 2.0, 3.0);
    m->nodes[1].code[0] = slab::kHeld; // edge 1 runs from node 1 (held) to node 2 (free)
    m->nodes[3].code[0] = slab::kHeld;
    m->nodes[4].code[0] = slab::kHeld; // edge 3 between held nodes 4 and 3
    m->nodes[2].code[0] = 2;           // other codes count in neither sum
    setField(*m, [](double x, double y) {
        return std::array<double, 4>{x * x * x * y, 3 * x * x * y, x * x * x, 3 * x * x};
    });
    computePh(*m);
    const auto& t = m->elementPh[1].t;
    // Edges 1 and 2 touch node 2 with code 2; edges 3 and 4 run between held nodes.
    EXPECT_EQ(m->phSums.freeOuterEdges, 0.0);
    EXPECT_TRUE(near(m->phSums.heldOuterEdges,
                     t[slab::phEdgeResultant(3)] + t[slab::phEdgeResultant(4)]));
    EXPECT_EQ(m->phSums.heldCorners, m->cornerForce[1] + m->cornerForce[3] + m->cornerForce[4]);
    m->nodes[2].code[0] = slab::kFree;
    computePh(*m);
    EXPECT_TRUE(near(m->phSums.freeOuterEdges,
                     t[slab::phEdgeResultant(1)] + t[slab::phEdgeResultant(2)]));
    EXPECT_EQ(m->phSums.freeCorners, m->cornerForce[2]);
}

} // namespace
