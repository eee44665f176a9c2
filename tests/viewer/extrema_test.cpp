// Extremes against the series solution of the simply supported square, against the values the
// result files hold, and inside an element where the deflection peaks between the nodes.
#include "tests/viewer/viewer_fixtures.hpp"
#include "viewer/element_field.hpp"
#include "viewer/extrema.hpp"
#include "viewer/result_reader.hpp"

#include <cmath>

namespace {

using testsupport::near;
using viewer::Quantity;
namespace nc = viewer::node_column;

constexpr double kPi = 3.141592653589793;

// Navier's series for the simply supported square (side a, load q, nu) at (x, y): w and mxx.
struct Series {
    double w, mxx;
};
Series navier(const slab::ExampleSlab& s, double x, double y) {
    const double a = s.width, q = s.areaLoad, nu = s.nu;
    const double d = s.e * std::pow(s.thickness, 3) / (12 * (1 - nu * nu));
    double w = 0, m = 0;
    for (int i = 1; i <= 601; i += 2)
        for (int j = 1; j <= 601; j += 2) {
            const double k = (i * i + j * j) / (a * a);
            const double amplitude = 16 * q / (kPi * kPi * i * j) / (kPi * kPi * kPi * kPi * k * k);
            const double shape = std::sin(i * kPi * x / a) * std::sin(j * kPi * y / a);
            w += amplitude / d * shape;
            m += amplitude * kPi * kPi * (i * i + nu * j * j) / (a * a) * shape;
        }
    return {w, m};
}

viewer::ResultSet computedSet(const viewerfixtures::Position& p, const slab::ExampleSlab& s,
                              const std::function<void(slab::SolverModel&)>& change = {}) {
    viewerfixtures::compute(p.dir(), s, 1, change);
    auto read = viewer::readResults(p.dir(), 1);
    EXPECT_TRUE(read.results) << read.error;
    return read.results ? std::move(*read.results) : viewer::ResultSet{};
}

// The extremes found by scanning every value the files hold for a stress resultant.
viewer::Extremes scanWritten(const viewer::ResultSet& r, Quantity q) {
    std::vector<double> all;
    for (int j = 1; j <= r.nodeCount(); ++j)
        all.push_back(viewer::nodeValue(r, q, j));
    for (int e = 1; e <= r.elementCount(); ++e) {
        all.push_back(viewer::centreValue(r, q, e));
        if (viewer::hasQuarterValues(q))
            for (int k = 0; k < 4; ++k)
                all.push_back(viewer::quarterValue(r, q, e, k));
    }
    return {{*std::min_element(all.begin(), all.end()), {}},
            {*std::max_element(all.begin(), all.end()), {}}};
}

TEST(Extrema, HingedSquareAgainstNavier) {
    viewerfixtures::Position p;
    const auto s = viewerfixtures::hingedSquare(8);
    const auto r = computedSet(p, s);
    const auto exact = navier(s, 2, 2);

    const auto m = viewer::extremaOf(r, Quantity::Mxx);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->max.at, (viewer::XY{2, 2}));         // the centre node
    EXPECT_TRUE(near(m->max.value, exact.mxx, 1e-2)); // the moments' discretisation error at n = 8
    EXPECT_EQ(m->max.value, scanWritten(r, Quantity::Mxx).max.value);
    EXPECT_EQ(m->min.value, scanWritten(r, Quantity::Mxx).min.value);

    const auto w = viewer::extremaOf(r, Quantity::W);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->max.at, (viewer::XY{2, 2}));
    EXPECT_EQ(w->max.value, r.nodeResults[41][nc::kW]); // node 41 is the centre
    EXPECT_TRUE(near(w->max.value, exact.w, 1e-3));
    // Between two supported nodes the edge keeps w = 0 exactly; node 1 comes first.
    EXPECT_EQ(w->min.value, 0.0);
    EXPECT_EQ(w->min.at, (viewer::XY{0, 0}));

    // mxx along the middle line against the series, away from the centre too.
    const auto quarter = navier(s, 1, 2);
    EXPECT_TRUE(near(*viewer::valueAt(r, Quantity::Mxx, {1, 2}), quarter.mxx, 2e-2));
    EXPECT_TRUE(near(*viewer::valueAt(r, Quantity::W, {1, 2}), quarter.w, 2e-3));
}

// With an odd number of elements the peak lies at the centre of the middle element, between
// the nodes: the search finds it in the Hermite field, above every nodal value.
TEST(Extrema, DeflectionPeakInsideAnElement) {
    viewerfixtures::Position p;
    const auto s = viewerfixtures::hingedSquare(5);
    const auto r = computedSet(p, s);
    const auto w = viewer::extremaOf(r, Quantity::W);
    ASSERT_TRUE(w);
    double nodal = 0;
    for (int j = 1; j <= r.nodeCount(); ++j)
        nodal = std::max(nodal, r.nodeResults[j][nc::kW]);
    EXPECT_GT(w->max.value, nodal);
    EXPECT_TRUE(near(w->max.at.x, 2.0, 0, 1e-4));
    EXPECT_TRUE(near(w->max.at.y, 2.0, 0, 1e-4));
    EXPECT_TRUE(near(w->max.value, *viewer::valueAt(r, Quantity::W, {2, 2}), 1e-9));
    EXPECT_TRUE(near(w->max.value, navier(s, 2, 2).w, 3e-3));
}

TEST(Extrema, TwistingMomentsAndShearAreThoseWritten) {
    viewerfixtures::Position p;
    const auto r = computedSet(p, slab::ExampleSlab{});
    for (Quantity q : {Quantity::Mxy, Quantity::M1, Quantity::M2, Quantity::Qx, Quantity::Qy}) {
        const auto found = viewer::extremaOf(r, q);
        const auto scanned = scanWritten(r, q);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->min.value, scanned.min.value) << viewer::quantityName(q);
        EXPECT_EQ(found->max.value, scanned.max.value) << viewer::quantityName(q);
        // The place holds that value.
        EXPECT_TRUE(near(*viewer::valueAt(r, q, found->max.at), found->max.value, 1e-12, 1e-12));
        EXPECT_TRUE(near(*viewer::valueAt(r, q, found->min.at), found->min.value, 1e-12, 1e-12));
    }
}

TEST(Extrema, SoilPressureIsTheBeddingTimesTheDeflection) {
    viewerfixtures::Position p;
    auto s = viewerfixtures::hingedSquare(4);
    const auto r = computedSet(p, s, [](slab::SolverModel& m) {
        for (int e = 1; e <= m.elementCount; ++e)
            m.bedding[e].v[0] = 5000.0f;
    });
    const auto w = viewer::extremaOf(r, Quantity::W);
    const auto soil = viewer::extremaOf(r, Quantity::Soil);
    ASSERT_TRUE(w && soil);
    EXPECT_TRUE(near(soil->max.value, 5000.0 * w->max.value));
    EXPECT_EQ(soil->max.at, w->max.at);
    EXPECT_TRUE(near(soil->min.value, 5000.0 * w->min.value, 1e-9, 1e-12));
}

TEST(Extrema, ReactionsAtTheirNodes) {
    viewerfixtures::Position p;
    const auto r = computedSet(p, viewerfixtures::hingedSquare(4));
    const auto found = viewer::extremaOf(r, Quantity::Reactions);
    ASSERT_TRUE(found);
    double low = 1e300, high = -1e300;
    int lowNode = 0;
    for (int j = 1; j <= r.nodeCount(); ++j) {
        if (!r.hasReaction(j)) continue;
        if (r.reactions[j][0] < low) lowNode = j;
        low = std::min(low, r.reactions[j][0]);
        high = std::max(high, r.reactions[j][0]);
    }
    EXPECT_EQ(found->min.value, low);
    EXPECT_EQ(found->max.value, high);
    EXPECT_EQ(found->min.at, r.node(lowNode).at);
    // A slab without any held or sprung node has no reactions to show.
    EXPECT_FALSE(viewer::extremaOf(viewerfixtures::gridSet(2, 2, 1, 1), Quantity::Reactions));
}

// A paraboloid lies in the element's space: its peak, away from every sample of the search,
// is found at its place and with its value.
TEST(Extrema, ThePeakOfAParaboloidInsideAnElement) {
    auto r = viewerfixtures::gridSet(1, 1, 2.0, 1.5);
    const double a = 1.23456, b = 0.34567, c = 0.01;
    for (int j = 1; j <= r.nodeCount(); ++j) {
        const auto [x, y] = r.node(j).at;
        r.nodeResults[j][nc::kW] = c - 0.001 * ((x - a) * (x - a) + (y - b) * (y - b));
        r.nodeResults[j][nc::kW + 1] = -0.002 * (x - a);
        r.nodeResults[j][nc::kW + 2] = -0.002 * (y - b);
    }
    const auto w = viewer::extremaOf(r, Quantity::W);
    ASSERT_TRUE(w);
    EXPECT_TRUE(near(w->max.value, c, 1e-12));
    EXPECT_TRUE(near(w->max.at.x, a, 0, 1e-5));
    EXPECT_TRUE(near(w->max.at.y, b, 0, 1e-5));
    // The lowest point is the corner farthest from the peak, node 3 at (0, 1.5).
    EXPECT_EQ(w->min.at, r.node(3).at);
}

// The last node and the last element count like the others.
TEST(Extrema, AtTheLastNode) {
    auto r = viewerfixtures::gridSet(2, 2, 1.0, 1.0);
    for (int j = 1; j <= r.nodeCount(); ++j) {
        r.nodeResults[j][nc::kW] = 0.001 * j;
        r.nodeResults[j][nc::kMxx] = j;
        r.nodes[j].code[0] = viewer::kHeldWithReaction;
        r.reactions[j][0] = -j;
    }
    EXPECT_EQ(viewer::extremaOf(r, Quantity::W)->max.at, r.node(9).at);
    EXPECT_EQ(viewer::extremaOf(r, Quantity::Mxx)->max.value, 9.0);
    EXPECT_EQ(viewer::extremaOf(r, Quantity::Reactions)->min.value, -9.0);
    EXPECT_EQ(viewer::extremaOf(r, Quantity::Reactions)->min.at, r.node(9).at);
}

} // namespace
