// Bands and iso-lines: areas against the slab and a linear field, each point in the band of its
// value, openings left out, and the mirror symmetry of a symmetric slab's picture.
#include "tests/viewer/viewer_fixtures.hpp"
#include "viewer/contour.hpp"
#include "viewer/element_field.hpp"
#include "viewer/result_reader.hpp"

#include <random>

namespace {

using testsupport::near;
using viewer::Quantity;
using viewer::XY;
namespace nc = viewer::node_column;
namespace ec = viewer::element_column;

double area(const viewer::BandRegion& band) {
    double a = 0;
    for (const auto& loop : band.loops)
        a += viewerfixtures::signedArea(loop);
    return a;
}

// The bands whose region holds the point.
std::vector<int> bandsAt(const viewer::Contours& c, XY p) {
    std::vector<int> found;
    for (const auto& band : c.bands)
        if (viewerfixtures::insideEvenOdd(band.loops, p)) found.push_back(band.band);
    return found;
}

// mxx = x on a 10 m x 8 m slab of 5 x 4 elements: the bands are strips of the slab.
viewer::ResultSet linearInX() {
    auto r = viewerfixtures::gridSet(5, 4, 2.0, 2.0);
    for (int j = 1; j <= r.nodeCount(); ++j)
        r.nodeResults[j][nc::kMxx] = r.node(j).at.x;
    for (int e = 1; e <= r.elementCount(); ++e) {
        r.elementResults[e][ec::kMxx] = viewer::pointOf(r, e, {0.5, 0.5}).x;
        for (int k = 0; k < 4; ++k)
            r.elementResults[e][ec::kQuarter + k] =
                viewer::pointOf(r, e, viewer::kQuarterPoints[k]).x;
    }
    return r;
}

TEST(Contour, StripsOfALinearField) {
    const auto r = linearInX();
    const auto mesh = viewer::fieldMesh(r, Quantity::Mxx, 1);
    EXPECT_EQ(mesh.triangles.size(), 20u * 20u);
    // Only the outline remains as boundary: 2 * (5 + 4) element sides.
    EXPECT_EQ(mesh.boundary.size(), 18u);
    const auto levels = viewer::levelsFor(0, 10, 5); // thresholds 2, 4, 6, 8
    ASSERT_EQ(levels.thresholds, (std::vector<double>{2, 4, 6, 8}));
    const auto c = viewer::contour(mesh, levels);
    ASSERT_EQ(c.bands.size(), 5u);
    for (const auto& band : c.bands) {
        EXPECT_TRUE(near(area(band), 16.0, 1e-12)) << band.band;
        // One strip, one loop, although some sixty triangles make it up.
        EXPECT_EQ(band.loops.size(), 1u);
    }
    ASSERT_EQ(c.isoLines.size(), 4u);
    for (const auto& iso : c.isoLines) {
        ASSERT_EQ(iso.lines.size(), 1u);
        const auto& line = iso.lines.front();
        for (const XY& p : line)
            EXPECT_TRUE(near(p.x, iso.value, 1e-12));
        // Higher values on the left: the line runs down the slab.
        EXPECT_EQ(line.front().y, 8.0);
        EXPECT_EQ(line.back().y, 0.0);
    }
}

TEST(Contour, AnOpeningStaysBlank) {
    auto r = linearInX();
    viewerfixtures::removeElement(r, 8); // the element from (4, 2) to (6, 4)
    const auto c =
        viewer::contour(viewer::fieldMesh(r, Quantity::Mxx, 1), viewer::levelsFor(0, 10, 5));
    double total = 0;
    for (const auto& band : c.bands)
        total += area(band);
    EXPECT_TRUE(near(total, 80.0 - 4.0, 1e-12));
    EXPECT_TRUE(bandsAt(c, {5.0, 3.0}).empty());
    EXPECT_TRUE(bandsAt(c, {4.5, 2.5}).empty());
    EXPECT_EQ(bandsAt(c, {5.0, 1.0}), (std::vector<int>{2}));
    EXPECT_EQ(bandsAt(c, {5.0, 5.0}), (std::vector<int>{2}));
}

// On a computed slab every point lies in exactly the band of its value: the drawing shows the
// field that "wert" reports.
TEST(Contour, EveryPointInTheBandOfItsValue) {
    viewerfixtures::Position p;
    viewerfixtures::compute(p.dir(), viewerfixtures::hingedSquare(6));
    const auto read = viewer::readResults(p.dir(), 1);
    ASSERT_TRUE(read.results);
    const auto& r = *read.results;
    std::mt19937 random(5);
    std::uniform_real_distribution<double> u(0.001, 3.999);
    for (Quantity q : {Quantity::Mxx, Quantity::Mxy, Quantity::M2, Quantity::Qx}) {
        double low = 1e300, high = -1e300;
        const auto mesh = viewer::fieldMesh(r, q, 1);
        for (double v : mesh.values) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
        const auto levels = viewer::levelsFor(low, high);
        const auto c = viewer::contour(mesh, levels);
        double total = 0;
        for (const auto& band : c.bands)
            total += area(band);
        EXPECT_TRUE(near(total, 16.0, 1e-9)) << viewer::quantityName(q);
        for (int i = 0; i < 300; ++i) {
            const XY at{u(random), u(random)};
            const double v = *viewer::valueAt(r, q, at);
            const auto near =
                std::lower_bound(levels.thresholds.begin(), levels.thresholds.end(), v);
            // Points within round-off of an iso-line may fall on either side.
            if ((near != levels.thresholds.end() && *near - v < 1e-9 * (high - low)) ||
                (near != levels.thresholds.begin() && v - *(near - 1) < 1e-9 * (high - low)))
                continue;
            EXPECT_EQ(bandsAt(c, at), (std::vector<int>{levels.bandOf(v)}))
                << viewer::quantityName(q) << " at " << at.x << " " << at.y;
        }
    }
}

// The hinged square's deflection and moments are symmetric about x = 2: so are the bands.
TEST(Contour, ASymmetricSlabGivesASymmetricPicture) {
    viewerfixtures::Position p;
    viewerfixtures::compute(p.dir(), viewerfixtures::hingedSquare(6));
    const auto r = *viewer::readResults(p.dir(), 1).results;
    std::mt19937 random(9);
    std::uniform_real_distribution<double> u(0.001, 3.999);
    for (Quantity q : {Quantity::W, Quantity::Myy}) {
        const auto mesh = viewer::fieldMesh(r, q, 3);
        const auto c = viewer::contour(
            mesh, viewer::levelsFor(0, *std::max_element(mesh.values.begin(), mesh.values.end())));
        int compared = 0;
        for (int i = 0; i < 400; ++i) {
            const XY a{u(random), u(random)};
            const auto left = bandsAt(c, a), right = bandsAt(c, {4.0 - a.x, a.y});
            // A point on an iso-line and its mirror image may fall apart by round-off.
            if (left.size() == 1 && right.size() == 1) {
                EXPECT_EQ(left, right) << a.x << " " << a.y;
                ++compared;
            }
        }
        EXPECT_GT(compared, 390);
    }
}

// Neighbouring elements under different bedding moduli: the soil pressure jumps at their
// common side, which the bands then follow.
TEST(Contour, SoilPressureJumpsBetweenBeddings) {
    auto r = viewerfixtures::gridSet(2, 1, 1.0, 1.0);
    for (auto& row : r.nodeResults)
        row[nc::kW] = 0.001;
    r.elements[1].bedding = 1000;
    r.elements[2].bedding = 3000;
    const auto mesh = viewer::fieldMesh(r, Quantity::Soil, 2);
    EXPECT_EQ(mesh.boundary.size(), 16u); // both elements keep their whole outline
    const auto c = viewer::contour(mesh, viewer::levelsFor(1, 3, 2));
    ASSERT_EQ(c.bands.size(), 2u);
    EXPECT_TRUE(near(area(c.bands[0]), 1.0, 1e-12));
    EXPECT_TRUE(near(area(c.bands[1]), 1.0, 1e-12));
    EXPECT_TRUE(c.isoLines.empty());
}

} // namespace
