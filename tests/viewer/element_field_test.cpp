// Values inside the elements: w against a hand evaluation and a bicubic it reproduces, the
// resultant patches against linear fields, and the nodes' values against the result files.
#include "tests/viewer/viewer_fixtures.hpp"
#include "viewer/element_field.hpp"
#include "viewer/result_reader.hpp"

#include <random>

namespace {

using testsupport::near;
using viewer::Quantity;
using viewer::XY;
namespace nc = viewer::node_column;
namespace ec = viewer::element_column;

TEST(Deflection, EqualsTheHermiteInterpolationEvaluatedByHand) {
    auto r = viewerfixtures::gridSet(2, 1, 2.0, 1.5);
    // w, w,x, w,y, w,xy at nodes 2, 3, 6, 5: the corners of element 2.
    const double u[4][4] = {{0.010, 0.002, -0.003, 0.0004},
                            {0.020, -0.001, 0.004, -0.0002},
                            {0.015, 0.003, 0.001, 0.0001},
                            {0.005, -0.002, -0.002, 0.0003}};
    const int corners[4] = {2, 3, 6, 5};
    for (int c = 0; c < 4; ++c)
        for (int k = 0; k < 4; ++k)
            r.nodeResults[corners[c]][nc::kW + k] = u[c][k];

    // The point (3.3, 0.4) lies in element 2 at local x = 1.3, y = 0.4.
    const double lx = 2.0, ly = 1.5, t = 1.3 / lx, s = 0.4 / ly;
    const double h1 = 1 - 3 * t * t + 2 * t * t * t, h2 = lx * (t - 2 * t * t + t * t * t);
    const double h3 = 3 * t * t - 2 * t * t * t, h4 = lx * (t * t * t - t * t);
    const double g1 = 1 - 3 * s * s + 2 * s * s * s, g2 = ly * (s - 2 * s * s + s * s * s);
    const double g3 = 3 * s * s - 2 * s * s * s, g4 = ly * (s * s * s - s * s);
    const double hand =
        u[0][0] * h1 * g1 + u[0][1] * h2 * g1 + u[0][2] * h1 * g2 + u[0][3] * h2 * g2 +
        u[1][0] * h3 * g1 + u[1][1] * h4 * g1 + u[1][2] * h3 * g2 + u[1][3] * h4 * g2 +
        u[2][0] * h3 * g3 + u[2][1] * h4 * g3 + u[2][2] * h3 * g4 + u[2][3] * h4 * g4 +
        u[3][0] * h1 * g3 + u[3][1] * h2 * g3 + u[3][2] * h1 * g4 + u[3][3] * h2 * g4;
    EXPECT_EQ(viewer::elementAt(r, {3.3, 0.4}), 2);
    EXPECT_TRUE(near(*viewer::valueAt(r, Quantity::W, {3.3, 0.4}), hand, 1e-12));
    EXPECT_TRUE(near(viewer::DeflectionPatch(r, 2).at(1.3, 0.4), hand, 1e-12));
}

// A product of cubics lies in the element's space and is reproduced exactly.
TEST(Deflection, ReproducesABicubic) {
    auto fx = [](double x) {
        return std::array{1 + 0.3 * x - 0.2 * x * x + 0.05 * x * x * x,
                          0.3 - 0.4 * x + 0.15 * x * x};
    };
    auto fy = [](double y) {
        return std::array{2 - 0.4 * y + 0.1 * y * y - 0.02 * y * y * y,
                          -0.4 + 0.2 * y - 0.06 * y * y};
    };
    auto r = viewerfixtures::gridSet(3, 3, 1.25, 0.75, -1.0, 0.5);
    for (int j = 1; j <= r.nodeCount(); ++j) {
        const auto [x, y] = r.node(j).at;
        const auto a = fx(x), b = fy(y);
        r.nodeResults[j][nc::kW] = a[0] * b[0];
        r.nodeResults[j][nc::kW + 1] = a[1] * b[0];
        r.nodeResults[j][nc::kW + 2] = a[0] * b[1];
        r.nodeResults[j][nc::kW + 3] = a[1] * b[1];
    }
    std::mt19937 random(7);
    std::uniform_real_distribution<double> px(-1.0, 2.75), py(0.5, 2.75);
    for (int i = 0; i < 200; ++i) {
        const XY p{px(random), py(random)};
        const double exact = fx(p.x)[0] * fy(p.y)[0];
        EXPECT_TRUE(near(*viewer::valueAt(r, Quantity::W, p), exact, 1e-12)) << p.x << " " << p.y;
    }
    // Its slopes, as the perspective shades the surface with them.
    const auto slopes = viewer::DeflectionPatch(r, 5).slopes(0.3, 0.6);
    const viewer::XY c5 = r.corner(5, 0);
    EXPECT_TRUE(near(slopes[0], fx(c5.x + 0.3)[1] * fy(c5.y + 0.6)[0], 1e-12));
    EXPECT_TRUE(near(slopes[1], fx(c5.x + 0.3)[0] * fy(c5.y + 0.6)[1], 1e-12));
    // The sampling grid of an element gives the same values.
    const viewer::DeflectionPatch patch(r, 5);
    const auto grid = patch.grid({0.0, 0.5, 1.25}, {0.25, 0.75});
    const XY c1 = r.corner(5, 0);
    EXPECT_TRUE(near(grid[4], fx(c1.x + 0.5)[0] * fy(c1.y + 0.75)[0], 1e-12));
    EXPECT_TRUE(near(grid[2], fx(c1.x + 1.25)[0] * fy(c1.y + 0.25)[0], 1e-12));
}

TEST(Resultants, ThePatchesReproduceALinearField) {
    auto r = viewerfixtures::gridSet(2, 2, 2.0, 1.0);
    auto f = [](XY p) { return 3.0 - 1.5 * p.x + 0.75 * p.y; };
    for (int j = 1; j <= r.nodeCount(); ++j) {
        r.nodeResults[j][nc::kMxx] = f(r.node(j).at);
        r.nodeResults[j][nc::kQy] = f(r.node(j).at);
    }
    for (int e = 1; e <= r.elementCount(); ++e) {
        r.elementResults[e][ec::kMxx] = f(viewer::pointOf(r, e, {0.5, 0.5}));
        r.elementResults[e][ec::kQy] = f(viewer::pointOf(r, e, {0.5, 0.5}));
        for (int k = 0; k < 4; ++k)
            r.elementResults[e][ec::kQuarter + k] =
                f(viewer::pointOf(r, e, viewer::kQuarterPoints[k]));
    }
    std::mt19937 random(3);
    std::uniform_real_distribution<double> px(0, 4), py(0, 2);
    for (int i = 0; i < 200; ++i) {
        const XY p{px(random), py(random)};
        EXPECT_TRUE(near(*viewer::valueAt(r, Quantity::Mxx, p), f(p), 1e-12, 1e-12));
        EXPECT_TRUE(near(*viewer::valueAt(r, Quantity::Qy, p), f(p), 1e-12, 1e-12));
    }
}

// Random written values: the field is continuous across the common side of two elements and
// stays within the values written for each element.
TEST(Resultants, ContinuousAndWithinTheWrittenValues) {
    auto r = viewerfixtures::gridSet(2, 1, 1.0, 1.0);
    std::mt19937 random(11);
    std::uniform_real_distribution<double> value(-5, 5), unit(0, 1);
    for (auto& row : r.nodeResults)
        row[nc::kMyy] = value(random);
    for (auto& row : r.elementResults) {
        row[ec::kMyy] = value(random);
        for (int k = 0; k < 4; ++k)
            row[ec::kQuarter + 5 + k] = value(random);
    }
    const auto left = viewer::resultantPatch(r, Quantity::Myy, 1);
    const auto right = viewer::resultantPatch(r, Quantity::Myy, 2);
    for (int e : {1, 2}) {
        const auto& patch = e == 1 ? left : right;
        const double low = *std::min_element(patch.value.begin(), patch.value.begin() + 9);
        const double high = *std::max_element(patch.value.begin(), patch.value.begin() + 9);
        for (int i = 0; i < 300; ++i) {
            const double v = viewer::patchValue(patch, {unit(random), unit(random)});
            EXPECT_GE(v, low - 1e-12);
            EXPECT_LE(v, high + 1e-12);
        }
    }
    for (double eta : {0.0, 0.1, 0.37, 0.5, 0.8, 1.0})
        EXPECT_TRUE(near(viewer::patchValue(left, {1.0, eta}),
                         viewer::patchValue(right, {0.0, eta}), 1e-12, 1e-12));
}

// Moments near the end of the number range keep a finite patch: the mean at the trapezoid
// points must not overflow on its way.
TEST(Resultants, HugeWrittenValuesStayFinite) {
    auto r = viewerfixtures::gridSet(1, 1, 1.0, 1.0);
    const double huge = 1.5e308;
    for (auto& row : r.nodeResults)
        row[nc::kMxx] = huge;
    for (auto& row : r.elementResults) {
        row[ec::kMxx] = huge;
        for (int k = 0; k < 4; ++k)
            row[ec::kQuarter + k] = huge;
    }
    const auto patch = viewer::resultantPatch(r, Quantity::Mxx, 1);
    for (int v = 0; v < patch.vertexCount; ++v)
        EXPECT_EQ(patch.value[v], huge) << "vertex " << v;
    EXPECT_EQ(viewer::patchValue(patch, {0.3, 0.1}), huge);
}

TEST(Resultants, PrincipalMomentsAreTheLargerAndTheSmaller) {
    auto r = viewerfixtures::gridSet(1, 1, 1.0, 1.0);
    // The solver's M1 acts at phi and may be the smaller one.
    r.nodeResults[3][nc::kM1] = 1.0;
    r.nodeResults[3][nc::kM2] = 11.0;
    r.elementResults[1][ec::kM1] = -4.0;
    r.elementResults[1][ec::kM2] = 2.0;
    r.elementResults[1][ec::kPhi] = -18.43;
    r.elementResults[1][ec::kQuarter + 15 + 2] = 7.0; // M1 at Q3
    r.elementResults[1][ec::kQuarter + 20 + 2] = 1.0; // M2 at Q3
    EXPECT_EQ(viewer::nodeValue(r, Quantity::M1, 3), 11.0);
    EXPECT_EQ(viewer::nodeValue(r, Quantity::M2, 3), 1.0);
    EXPECT_EQ(viewer::centreValue(r, Quantity::M1, 1), 2.0);
    EXPECT_EQ(viewer::centreValue(r, Quantity::M2, 1), -4.0);
    EXPECT_EQ(viewer::quarterValue(r, Quantity::M1, 1, 2), 7.0);
    EXPECT_EQ(viewer::quarterValue(r, Quantity::M2, 1, 2), 1.0);
    const auto axes = viewer::principalAtCentre(r, 1);
    EXPECT_EQ(axes.m1, 2.0);
    EXPECT_EQ(axes.m2, -4.0);
    EXPECT_TRUE(near(axes.angle1, 71.57));
    r.elementResults[1][ec::kM1] = 5.0;
    EXPECT_TRUE(near(viewer::principalAtCentre(r, 1).angle1, -18.43));
}

TEST(Values, OutsideTheSlabAndInAnOpening) {
    auto r = viewerfixtures::gridSet(3, 1, 1.0, 1.0);
    viewerfixtures::removeElement(r, 2);
    EXPECT_FALSE(viewer::valueAt(r, Quantity::W, {1.5, 0.5}));
    EXPECT_FALSE(viewer::valueAt(r, Quantity::Mxx, {-0.1, 0.5}));
    EXPECT_TRUE(viewer::valueAt(r, Quantity::Mxx, {1.0, 0.5})); // the border of element 1
    EXPECT_FALSE(viewer::valueAt(r, Quantity::Reactions, {0.5, 0.5}));
    // On a common side the lower element number answers.
    auto full = viewerfixtures::gridSet(2, 2, 1.0, 1.0);
    EXPECT_EQ(viewer::elementAt(full, {1.0, 1.0}), 1);
    EXPECT_EQ(viewer::elementAt(full, {1.5, 1.0}), 2);
}

TEST(Values, AReactionIsPickedWithinHalfTheShortestSide) {
    auto r = viewerfixtures::gridSet(2, 1, 1.0, 0.5);
    r.nodes[2].code[0] = viewer::kHeldWithReaction;
    r.nodes[5].spring[0] = 1000;
    r.reactions[2][0] = -7.5;
    r.reactions[5][0] = 2.5;
    EXPECT_EQ(viewer::pickRadius(r), 0.25);
    EXPECT_EQ(viewer::reactionNodeNear(r, {1.25, 0.0}), 2); // exactly the radius away
    EXPECT_FALSE(viewer::reactionNodeNear(r, {1.2501, 0.0}));
    EXPECT_FALSE(viewer::reactionNodeNear(r, {0.0, 0.0})); // node 1 has no reaction
    EXPECT_EQ(viewer::reactionNodeNear(r, {1.0, 0.3}), 5);
    EXPECT_EQ(*viewer::valueAt(r, Quantity::Reactions, {1.1, 0.1}), -7.5);
}

// Every node of a computed slab: the values there are those of the result files.
TEST(Values, AtTheNodesEqualTheResultFiles) {
    viewerfixtures::Position p;
    slab::ExampleSlab s; // 8 m x 6 m, 8 x 6 elements, hinged
    viewerfixtures::compute(p.dir(), s, 1, [](slab::SolverModel& m) {
        for (int e = 1; e <= m.elementCount; ++e)
            m.bedding[e].v[0] = e % 2 ? 1000.0f : 3000.0f;
    });
    const auto read = viewer::readResults(p.dir(), 1);
    ASSERT_TRUE(read.results) << read.error;
    const auto& r = *read.results;
    for (int j = 1; j <= r.nodeCount(); ++j) {
        const XY at = r.node(j).at;
        const auto& row = r.nodeResults[j];
        const double scale = 1e-12 * std::max(1.0, std::fabs(row[nc::kMxx]));
        EXPECT_EQ(*viewer::valueAt(r, Quantity::W, at), row[nc::kW]) << j;
        EXPECT_TRUE(near(*viewer::valueAt(r, Quantity::Mxx, at), row[nc::kMxx], 1e-12, scale)) << j;
        EXPECT_TRUE(near(*viewer::valueAt(r, Quantity::Myy, at), row[nc::kMyy], 1e-12, scale)) << j;
        EXPECT_TRUE(near(*viewer::valueAt(r, Quantity::Mxy, at), row[nc::kMxy], 1e-12, scale)) << j;
        EXPECT_TRUE(near(*viewer::valueAt(r, Quantity::M1, at),
                         std::max(row[nc::kM1], row[nc::kM2]), 1e-12, scale))
            << j;
        EXPECT_TRUE(near(*viewer::valueAt(r, Quantity::M2, at),
                         std::min(row[nc::kM1], row[nc::kM2]), 1e-12, scale))
            << j;
        EXPECT_TRUE(near(*viewer::valueAt(r, Quantity::Qx, at), row[nc::kQx], 1e-12, scale)) << j;
        EXPECT_TRUE(near(*viewer::valueAt(r, Quantity::Qy, at), row[nc::kQy], 1e-12, scale)) << j;
        // The soil pressure is the bedding modulus of the element that answers times w.
        const int e = *viewer::elementAt(r, at);
        EXPECT_EQ(*viewer::valueAt(r, Quantity::Soil, at), r.element(e).bedding * row[nc::kW]);
    }
    // The centre of an element holds the centre values the solver wrote.
    const XY centre = viewer::pointOf(r, 20, {0.5, 0.5});
    EXPECT_TRUE(
        near(*viewer::valueAt(r, Quantity::Mxy, centre), r.elementResults[20][ec::kMxy], 1e-12));
    EXPECT_TRUE(
        near(*viewer::valueAt(r, Quantity::Qx, centre), r.elementResults[20][ec::kQx], 1e-12));
}

} // namespace
