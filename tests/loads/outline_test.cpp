// The slab's outline derived from the mesh: curves, sections in their documented order,
// openings, reference points, domains; and the plane polygon formulas beneath.
#include "loads/outline/polygon.hpp"
#include "loads/outline/slab_outline.hpp"
#include "tests/loads/grid_meshes.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

using namespace daskel;
using testsupport::near;

namespace {

struct Expected {
    double xa, ya, xb, yb;
    int subdivisions;
};

void expectSections(const BoundaryCurve& c, const std::vector<Expected>& expected) {
    ASSERT_EQ(c.sections.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const OutlineSection& s = c.sections[k];
        const Expected& e = expected[k];
        EXPECT_EQ(s.boundary, c.number);
        EXPECT_EQ(s.section, int(k) + 1);
        EXPECT_EQ(s.xa, e.xa) << "section " << k + 1;
        EXPECT_EQ(s.ya, e.ya) << "section " << k + 1;
        EXPECT_EQ(s.xb, e.xb) << "section " << k + 1;
        EXPECT_EQ(s.yb, e.yb) << "section " << k + 1;
        EXPECT_EQ(s.subdivisions, e.subdivisions) << "section " << k + 1;
        EXPECT_TRUE(near(s.length, std::hypot(e.xb - e.xa, e.yb - e.ya)));
        // the normal has unit length and points to the right of the direction, off the slab
        EXPECT_TRUE(near(std::hypot(s.nx, s.ny), 1.0));
        EXPECT_TRUE(near(s.nx * (e.xb - e.xa) + s.ny * (e.yb - e.ya), 0.0, 0, 1e-12));
        EXPECT_GT(s.nx * (e.yb - e.ya) - s.ny * (e.xb - e.xa), 0);
    }
}

Polygon polygon(const BoundaryCurve& c) {
    Polygon p;
    for (const OutlineSection& s : c.sections)
        p.push_back({s.xa, s.ya});
    return p;
}

} // namespace

TEST(SlabOutline, RectangleIsOneCounterClockwiseCurve) {
    gridtest::Grid g;
    g.nx = 4;
    g.ny = 3;
    const SlabOutline o = deriveOutline(gridtest::gridModel(g));
    ASSERT_EQ(o.curves.size(), 1u);
    const BoundaryCurve& c = o.curves[0];
    EXPECT_EQ(c.number, 1);
    EXPECT_FALSE(c.opening);
    EXPECT_TRUE(near(c.area, 12.0));
    expectSections(c, {{0, 0, 4, 0, 4}, {4, 0, 4, 3, 3}, {4, 3, 0, 3, 4}, {0, 3, 0, 0, 3}});
    EXPECT_EQ(c.sections[0].nx, 0);
    EXPECT_EQ(c.sections[0].ny, -1);
    EXPECT_TRUE(strictlyInside(polygon(c), {c.refX, c.refY}));
    EXPECT_EQ(c.lowestElement, 1);
    ASSERT_EQ(o.domains.size(), 1u);
    EXPECT_TRUE(near(o.domains[0].area, 12.0));
    EXPECT_EQ(o.domains[0].thickness, 0.2);
    EXPECT_EQ(o.domains[0].elementCount, 12);
    EXPECT_TRUE(near(o.meanSegmentLength(), 1.0)); // 14 m over 14 element edges
    EXPECT_EQ(o.columns, 0);
    EXPECT_EQ(o.walls, 0);
}

TEST(SlabOutline, OpeningRunsClockwiseFromItsLowestCorner) {
    const SlabOutline o = deriveOutline(gridtest::gridModel(gridtest::slabWithOpening()));
    ASSERT_EQ(o.curves.size(), 2u);
    expectSections(o.curves[0],
                   {{0, 0, 10, 0, 10}, {10, 0, 10, 8, 8}, {10, 8, 0, 8, 10}, {0, 8, 0, 0, 8}});
    const BoundaryCurve& hole = o.curves[1];
    EXPECT_EQ(hole.number, 2);
    EXPECT_TRUE(hole.opening);
    EXPECT_TRUE(near(hole.area, -2.0));
    expectSections(hole, {{4, 4, 4, 5, 1}, {4, 5, 6, 5, 2}, {6, 5, 6, 4, 1}, {6, 4, 4, 4, 2}});
    // the reference point lies in the opening: its centroid
    EXPECT_TRUE(near(hole.refX, 5.0));
    EXPECT_TRUE(near(hole.refY, 4.5));
    EXPECT_EQ(hole.lowestElement, 35); // row 4 of 10 elements, the cell below the opening
    EXPECT_EQ(hole.domain, 1);
    // the normals of the opening point into it
    EXPECT_EQ(hole.sections[0].nx, 1);
    EXPECT_EQ(hole.sections[1].ny, -1);
    EXPECT_TRUE(near(o.meanSegmentLength(), 1.0));
    ASSERT_EQ(o.domains.size(), 1u);
    EXPECT_TRUE(near(o.domains[0].area, 78.0));

    const OutlineSection* s = o.section(2, 3);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->xa, 6);
    EXPECT_FALSE(o.section(3, 1));
    EXPECT_FALSE(o.section(2, 5));
    EXPECT_FALSE(o.section(0, 1));
    EXPECT_FALSE(o.section(1, 0));
}

TEST(SlabOutline, OpeningsNumberedByTheirLowestElement) {
    gridtest::Grid g;
    g.present = [](int i, int j) { return !(i == 1 && j == 6) && !(i == 8 && j == 2); };
    const SlabOutline o = deriveOutline(gridtest::gridModel(g));
    ASSERT_EQ(o.curves.size(), 3u);
    EXPECT_EQ(o.curves[1].sections[0].xa, 8); // the opening at (8, 2) borders element 19
    EXPECT_EQ(o.curves[1].sections[0].ya, 2);
    EXPECT_EQ(o.curves[2].sections[0].xa, 1);
    EXPECT_EQ(o.curves[2].sections[0].ya, 6);
    EXPECT_LT(o.curves[1].lowestElement, o.curves[2].lowestElement);
}

TEST(SlabOutline, SectionOneStartsAtTheLowestThenLeftmostCorner) {
    // a 4 x 4 slab without its lower left 2 x 2 cells
    gridtest::Grid g;
    g.nx = g.ny = 4;
    g.present = [](int i, int j) { return i >= 2 || j >= 2; };
    const SlabOutline o = deriveOutline(gridtest::gridModel(g));
    ASSERT_EQ(o.curves.size(), 1u);
    expectSections(o.curves[0], {{2, 0, 4, 0, 2},
                                 {4, 0, 4, 4, 4},
                                 {4, 4, 0, 4, 4},
                                 {0, 4, 0, 2, 2},
                                 {0, 2, 2, 2, 2},
                                 {2, 2, 2, 0, 2}});
    EXPECT_TRUE(near(o.curves[0].area, 12.0));
}

TEST(SlabOutline, ElementsTouchingAtACornerLieOnSeparateCurves) {
    gridtest::Grid g;
    g.nx = g.ny = 2;
    g.present = [](int i, int j) { return i == j; };
    const SlabOutline o = deriveOutline(gridtest::gridModel(g));
    ASSERT_EQ(o.curves.size(), 2u);
    for (const BoundaryCurve& c : o.curves) {
        EXPECT_FALSE(c.opening);
        EXPECT_TRUE(near(c.area, 1.0));
        EXPECT_EQ(c.sections.size(), 4u);
    }
    EXPECT_EQ(o.curves[1].sections[0].xa, 1);
    EXPECT_EQ(o.curves[1].sections[0].ya, 1);
    EXPECT_EQ(o.domains.size(), 2u); // they share no edge
}

TEST(SlabOutline, ClockwiseElementsGiveTheSameOutline) {
    gridtest::Grid g;
    g.nx = 3;
    g.ny = 2;
    SlabModel m = gridtest::gridModel(g);
    for (int e = 1; e <= m.elementCount; ++e)
        std::swap(m.elements[e].node[1], m.elements[e].node[3]);
    const SlabOutline o = deriveOutline(m);
    ASSERT_EQ(o.curves.size(), 1u);
    expectSections(o.curves[0],
                   {{0, 0, 3, 0, 3}, {3, 0, 3, 2, 2}, {3, 2, 0, 2, 3}, {0, 2, 0, 0, 2}});
}

TEST(SlabOutline, DomainsAreConnectedRegionsOfOneThickness) {
    gridtest::Grid g;
    g.nx = 4;
    g.ny = 2;
    g.dx = 2;
    g.thickness = [](int i, int) { return i == 0 || i == 3 ? 0.3 : 0.2; };
    const SlabOutline o = deriveOutline(gridtest::gridModel(g));
    ASSERT_EQ(o.domains.size(), 3u);
    const double thickness[] = {0.3, 0.2, 0.3}, area[] = {4, 8, 4};
    const int lowest[] = {1, 2, 4};
    for (int d = 0; d < 3; ++d) {
        EXPECT_EQ(o.domains[d].number, d + 1);
        EXPECT_EQ(o.domains[d].thickness, thickness[d]);
        EXPECT_TRUE(near(o.domains[d].area, area[d]));
        EXPECT_EQ(o.domains[d].lowestElement, lowest[d]);
    }
    EXPECT_EQ(o.domains[2].xmin, 6);
    EXPECT_EQ(o.domains[2].xmax, 8);
    EXPECT_EQ(o.curves[0].domain, 1); // its first section starts in the left strip
    EchoGeometry e = o.echoGeometry();
    EXPECT_EQ(e.domainCount, 3);
    ASSERT_EQ(e.sections.size(), 4u);
    EXPECT_EQ(e.sections[1].boundary, 1);
    EXPECT_EQ(e.sections[1].section, 2);
    EXPECT_EQ(e.sections[1].xa, 8.0f);
    EXPECT_EQ(e.sections[1].yb, 2.0f);
}

TEST(SlabOutline, AnEmptyModelHasNoOutline) {
    const SlabOutline o = deriveOutline(SlabModel{});
    EXPECT_TRUE(o.curves.empty());
    EXPECT_TRUE(o.domains.empty());
    EXPECT_EQ(o.meanSegmentLength(), 0);
    EXPECT_EQ(o.echoGeometry().domainCount, 1);
    EXPECT_TRUE(o.echoGeometry().sections.empty());
}

TEST(Polygon, AreaCentroidAndPlaneIntegralByHand) {
    // the 4 x 4 square without its lower left 2 x 2 quarter, far from the origin
    const double x0 = 1000, y0 = -500;
    Polygon l = {{x0 + 2, y0}, {x0 + 4, y0}, {x0 + 4, y0 + 4},
                 {x0, y0 + 4}, {x0, y0 + 2}, {x0 + 2, y0 + 2}};
    EXPECT_TRUE(near(signedArea(l), 12.0));
    // (16 · 2 - 4 · 1) / 12 from the square less its quarter
    const PlanePoint c = centroid(l);
    EXPECT_TRUE(near(c.x, x0 + 7.0 / 3.0));
    EXPECT_TRUE(near(c.y, y0 + 7.0 / 3.0));
    // ∫ (x - x0) dA = A · (xs - x0) = 28 about any fan centre
    const LoadPlane p{-x0, 1, 0};
    for (PlanePoint centre : {c, PlanePoint{x0 + 1, y0 + 1}, PlanePoint{0, 0}})
        EXPECT_TRUE(near(planeIntegral(l, p, centre), 28.0, 1e-9));
    // clockwise: the signs turn
    Polygon cw(l.rbegin(), l.rend());
    EXPECT_TRUE(near(signedArea(cw), -12.0));
    EXPECT_TRUE(near(planeIntegral(cw, p, c), -28.0, 1e-9));
    // the unit square under 1 + 2x + 3y carries 1 + 1 + 1.5
    Polygon square = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    EXPECT_TRUE(near(planeIntegral(square, {1, 2, 3}, {0.5, 0.5}), 3.5));
    // a polygon without area has the mean of its corners as centroid
    Polygon flat = {{0, 0}, {2, 0}, {4, 0}};
    EXPECT_TRUE(near(centroid(flat).x, 2.0));
}

TEST(Polygon, InsideOrOnTheEdges) {
    Polygon square = {{0, 0}, {2, 0}, {2, 2}, {0, 2}};
    EXPECT_TRUE(insideOrOn(square, {1, 1}));
    EXPECT_TRUE(insideOrOn(square, {2, 1}));        // on an edge
    EXPECT_TRUE(insideOrOn(square, {0, 0}));        // a corner
    EXPECT_TRUE(insideOrOn(square, {2, 1 + 5e-7})); // within the tolerance
    EXPECT_FALSE(insideOrOn(square, {2.001, 1}));
    EXPECT_FALSE(insideOrOn(square, {3, 3}));
    EXPECT_TRUE(strictlyInside(square, {1, 1}));
    EXPECT_FALSE(strictlyInside(square, {2, 1}));
    EXPECT_FALSE(insideOrOn({}, {0, 0}));
}

TEST(SlabOutline, ReferencePointsOfTheOuterBoundaryAndOfAnOpeningWithoutItsCentroid) {
    // an L-shaped opening of five cells: its centroid (3.1, 3.1) lies outside it
    gridtest::Grid g;
    g.present = [](int i, int j) {
        const bool foot = j == 2 && i >= 2 && i <= 4, leg = i == 2 && j >= 3 && j <= 4;
        return !foot && !leg;
    };
    const SlabOutline o = deriveOutline(gridtest::gridModel(g));
    ASSERT_EQ(o.curves.size(), 2u);
    // the outer boundary's point is the centre of the element along its first section
    EXPECT_EQ(o.curves[0].refX, 0.5);
    EXPECT_EQ(o.curves[0].refY, 0.5);
    const BoundaryCurve& hole = o.curves[1];
    EXPECT_TRUE(near(hole.area, -5.0));
    const Polygon poly = polygon(hole);
    EXPECT_FALSE(strictlyInside(poly, centroid(poly)));
    EXPECT_TRUE(strictlyInside(poly, {hole.refX, hole.refY}));
    // a quarter of a cell into the opening from the middle of its first element edge, the top
    // edge (3, 2) to (2, 2) of element 13 below it
    EXPECT_TRUE(near(hole.refX, 2.5));
    EXPECT_TRUE(near(hole.refY, 2.25));
}
