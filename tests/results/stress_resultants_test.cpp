// Principal moments, the element patch states and the nodal averages.
#include "results_fixtures.hpp"
#include "solver/node_elements.hpp"
#include "solver/stress_resultants.hpp"
#include "tests/support/test_support.hpp"

#include <cmath>

namespace {

using namespace resultfixtures;
using testsupport::near;

const double kDegrees = 180 / 3.141592653589793;

TEST(PrincipalMoments, GeneralState) {
    auto [m1, m2] = slab::principalMoments(10, 2, 3);
    EXPECT_TRUE(near(m1, 11));
    EXPECT_TRUE(near(m2, 1));
    EXPECT_TRUE(near(slab::principalDirection(10, 2, 3), 0.5 * std::atan(0.75) * kDegrees));
    EXPECT_NEAR(slab::principalDirection(10, 2, 3), 18.43, 0.005);
}

TEST(PrincipalMoments, EqualNormalMomentsGiveFortyFiveDegrees) {
    auto [m1, m2] = slab::principalMoments(4, 4, 3);
    EXPECT_TRUE(near(m1, 7));
    EXPECT_TRUE(near(m2, 1));
    EXPECT_TRUE(near(slab::principalDirection(4, 4, 3), 45.0, 1e-12));
    auto [n1, n2] = slab::principalMoments(4, 4, -3);
    EXPECT_TRUE(near(n1, 7));
    EXPECT_TRUE(near(n2, 1));
    EXPECT_TRUE(near(slab::principalDirection(4, 4, -3), -45.0, 1e-12));
}

TEST(PrincipalMoments, M1BelongsToTheDirectionPhi) {
    auto [m1, m2] = slab::principalMoments(2, 10, 3);
    EXPECT_TRUE(near(m1, 1));
    EXPECT_TRUE(near(m2, 11));
    EXPECT_NEAR(slab::principalDirection(2, 10, 3), -18.43, 0.005);
    // The normal moment in direction phi is M1.
    const double phi = slab::principalDirection(2, 10, 3) / kDegrees;
    const double c = std::cos(phi), s = std::sin(phi);
    EXPECT_TRUE(near(c * c * 2 + s * s * 10 + 2 * s * c * 3, m1, 1e-12));
}

TEST(PrincipalMoments, TinyTwistAndTinyAnglesGiveZero) {
    EXPECT_EQ(slab::principalDirection(10, 2, 5e-9), 0.0);
    EXPECT_EQ(slab::principalDirection(-3, 7, -5e-9), 0.0);
    // 2 mxy / (mxx - myy) = 2e-4 is 0.0057 degrees, below the 0.01 degree cut-off.
    EXPECT_EQ(slab::principalDirection(1000, 0, 0.1), 0.0);
    EXPECT_GT(slab::principalDirection(1000, 0, 1.0), 0.01);
}

TEST(PrincipalMoments, ResultantShear) { EXPECT_TRUE(near(slab::resultantShear(3, -4), 5)); }

// The element reproduces every bicubic field, so its moments are exact.
TEST(ElementResults, CurvatureInXIsExact) {
    auto m = mesh(1, 1, 2.0, 3.0);
    setField(*m, [](double x, double) { return std::array<double, 4>{x * x, 2 * x, 0, 0}; });
    slab::computeElementResults(*m);
    const double d = rigidity();
    const auto& r = m->elementResults[1];
    for (int i : {0, 10, 11, 12, 13}) EXPECT_TRUE(near(r[i], -2 * d)) << i;       // mxx
    for (int i : {1, 15, 16, 17, 18}) EXPECT_TRUE(near(r[i], -2 * kNu * d)) << i; // myy
    for (int i : {2, 20, 21, 22, 23}) EXPECT_TRUE(near(r[i], 0, 0, 1e-9)) << i;   // mxy
    for (int i : {3, 25, 26, 27, 28}) EXPECT_TRUE(near(r[i], -2 * d)) << i;       // M1
    for (int i : {4, 30, 31, 32, 33}) EXPECT_TRUE(near(r[i], -2 * kNu * d)) << i; // M2
    for (int i : {5, 35, 36, 37, 38}) EXPECT_EQ(r[i], 0.0) << i;                  // phi
    EXPECT_TRUE(near(r[6], 0, 0, 1e-9));
    EXPECT_TRUE(near(r[8], 0, 0, 1e-9));
    for (int i : {9, 14, 19, 24, 29, 34}) EXPECT_EQ(r[i], 0.0) << i;
}

TEST(ElementResults, CubicInXGivesConstantShear) {
    auto m = mesh(1, 1, 2.0, 3.0);
    setField(*m, [](double x, double) { return std::array<double, 4>{x * x * x, 3 * x * x, 0, 0}; });
    slab::computeElementResults(*m);
    const double d = rigidity();
    const auto& r = m->elementResults[1];
    EXPECT_TRUE(near(r[6], -6 * d));
    EXPECT_TRUE(near(r[7], 0, 0, 1e-9));
    EXPECT_TRUE(near(r[8], 6 * d));
    // mxx = -6 D x at the centre and at the quarter points x = 0.5 and 1.5.
    EXPECT_TRUE(near(r[0], -6 * d * 1.0));
    EXPECT_TRUE(near(r[10], -6 * d * 0.5));
    EXPECT_TRUE(near(r[11], -6 * d * 1.5));
    EXPECT_TRUE(near(r[12], -6 * d * 1.5));
    EXPECT_TRUE(near(r[13], -6 * d * 0.5));
}

TEST(ElementResults, TwistGivesEqualPrincipalMomentsAtFortyFiveDegrees) {
    auto m = mesh(1, 1, 2.0, 3.0);
    setField(*m, [](double x, double y) { return std::array<double, 4>{x * y, y, x, 1}; });
    slab::computeElementResults(*m);
    const double d = rigidity(), mxy = -d * (1 - kNu);
    const auto& r = m->elementResults[1];
    EXPECT_TRUE(near(r[2], mxy));
    EXPECT_TRUE(near(r[3], -mxy)); // mxx = myy: M1 = m + R
    EXPECT_TRUE(near(r[4], mxy));
    EXPECT_TRUE(near(r[5], -45.0, 1e-12));
    EXPECT_TRUE(near(r[35], -45.0, 1e-12));
}

TEST(NodeElements, SlotsInElementOrderWithCorners) {
    auto m = mesh(2, 2, 1.0, 1.0); // nodes 1..9 in rows of three
    const auto table = slab::buildNodeElements(*m);
    // The centre node 5 is corner 3 of element 1, 4 of 2, 2 of 3 and 1 of 4.
    const int elements[4] = {1, 2, 3, 4}, corners[4] = {3, 4, 2, 1};
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(table[5][s].element, elements[s - 1]);
        EXPECT_EQ(table[5][s].corner, corners[s - 1]);
    }
    EXPECT_EQ(slab::filledSlots(table[1]), 1);
    EXPECT_EQ(table[1][1].element, 1);
    EXPECT_EQ(table[1][1].corner, 1);
    EXPECT_EQ(slab::filledSlots(table[2]), 2);
    EXPECT_EQ(table[9][1].element, 4);
    EXPECT_EQ(table[9][1].corner, 3);
}

TEST(NodeElements, MoreThanFourElementsKeepTheFirstFour) {
    auto m = mesh(2, 2, 1.0, 1.0);
    m->elementCount = 6; // two more elements on the same corners as element 1
    m->elements[5] = m->elements[1];
    m->elements[6] = m->elements[1];
    const auto table = slab::buildNodeElements(*m);
    EXPECT_EQ(slab::filledSlots(table[5]), 4);
    EXPECT_EQ(table[5][4].element, 4);
    EXPECT_EQ(slab::filledSlots(table[1]), 3);
    EXPECT_EQ(table[1][3].element, 6);
}

TEST(NodalAverages, CornerNodeKeepsItsElementAndInnerNodeGetsTheMean) {
    auto m = mesh(2, 2, 2.0, 3.0);
    // A field the mesh cannot represent smoothly: moments jump between elements.
    for (int j = 1; j <= m->nodeCount; ++j)
        m->displacement[j] = {0.001 * j, 0.0003 * (j % 3), -0.0002 * (j % 4), 0.0001 * j};
    slab::computeNodalAverages(*m);
    const double d = rigidity();
    auto corner = [&](int e, double x, double y) {
        return slab::pointValues(2.0, 3.0, d, kNu, slab::elementDisplacements(*m, e), x, y);
    };
    const auto& n1 = m->nodeResults[1];
    const auto c1 = corner(1, 0, 0);
    EXPECT_TRUE(near(n1[5], c1.mxx));
    EXPECT_TRUE(near(n1[6], c1.myy));
    EXPECT_TRUE(near(n1[7], c1.mxy));
    EXPECT_TRUE(near(n1[11], c1.qx));
    EXPECT_TRUE(near(n1[12], c1.qy));
    for (int k = 0; k < 4; ++k) EXPECT_EQ(n1[1 + k], m->displacement[1][k]);

    const slab::PointValues v[4] = {corner(1, 2, 3), corner(2, 0, 3), corner(3, 2, 0), corner(4, 0, 0)};
    const auto& n5 = m->nodeResults[5];
    const double mxx = (v[0].mxx + v[1].mxx + v[2].mxx + v[3].mxx) / 4;
    const double myy = (v[0].myy + v[1].myy + v[2].myy + v[3].myy) / 4;
    const double mxy = (v[0].mxy + v[1].mxy + v[2].mxy + v[3].mxy) / 4;
    const double qy = (v[0].qy + v[1].qy + v[2].qy + v[3].qy) / 4;
    EXPECT_TRUE(near(n5[5], mxx));
    EXPECT_TRUE(near(n5[6], myy));
    EXPECT_TRUE(near(n5[7], mxy));
    EXPECT_TRUE(near(n5[8], slab::principalMoments(mxx, myy, mxy).m1));
    EXPECT_TRUE(near(n5[10], slab::principalDirection(mxx, myy, mxy)));
    EXPECT_TRUE(near(n5[12], qy));
}

TEST(NodalAverages, NodeWithoutElementsGetsZeros) {
    auto m = mesh(1, 1, 1.0, 1.0);
    m->nodeCount = 5;
    m->nodes[5].x = 7;
    m->displacement.assign(6, {0.1, 0.2, 0.3, 0.4});
    slab::computeNodalAverages(*m);
    for (int i = 5; i <= 13; ++i) EXPECT_EQ(m->nodeResults[5][i], 0.0);
    EXPECT_EQ(m->nodeResults[5][1], 0.1);
}

} // namespace
