// Checking and preparing a load case on save: the checks' messages, load planes, centroids and
// resultants against hand calculations, openings inside areas, line subdivisions, the point
// counts and the domain and opening macros.
#include "loads/macros/load_macros.hpp"
#include "tests/loads/grid_meshes.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

using namespace daskel;
using testsupport::near;

namespace {

/// Single precision keeps about 7 digits of the values the records hold.
constexpr double kSingle = 1e-6;

const SlabOutline& slabWithOpening() {
    static const SlabOutline o = deriveOutline(gridtest::gridModel(gridtest::slabWithOpening()));
    return o;
}

AreaLoad area(std::initializer_list<std::array<float, 3>> corners, bool constant = false) {
    AreaLoad a;
    a.variation = constant ? AreaLoadVariation::Constant : AreaLoadVariation::Linear;
    for (const auto& c : corners) {
        AreaCorner corner;
        corner.x = c[0];
        corner.y = c[1];
        corner.p1 = c[2];
        a.corners.push_back(corner);
    }
    return a;
}

LoadCase withArea(const AreaLoad& a) {
    LoadCase lc;
    lc.number = 7;
    lc.areaLoads.push_back(a);
    return lc;
}

} // namespace

TEST(LoadMacros, RectangleWithCornerValuesOneTwoThreeTwo) {
    // counter-clockwise from the lower left: exactly the plane 1 + x/4 + y/3
    LoadCase lc = withArea(area({{0, 0, 1}, {4, 0, 2}, {4, 3, 3}, {0, 3, 2}}));
    PreparedMacros m = prepareLoadCase(lc, slabWithOpening(), 7);
    EXPECT_TRUE(m.notices.empty());
    EXPECT_TRUE(m.macros.empty());
    const AreaLoad& a = lc.areaLoads[0];
    EXPECT_TRUE(near(a.p0, 1.0, kSingle));
    EXPECT_TRUE(near(a.dpdx, 0.25, kSingle));
    EXPECT_TRUE(near(a.dpdy, 1.0 / 3.0, kSingle));
    EXPECT_TRUE(near(a.area, 12.0, kSingle));
    EXPECT_TRUE(near(a.xs, 2.0, kSingle));
    EXPECT_TRUE(near(a.ys, 1.5, kSingle));
    EXPECT_TRUE(near(a.resultant, 24.0, kSingle)); // the mean corner value 2 times 12 m²
    // edge data: normals off the area, lengths, ceil(0.6·L/h) with h = 1 m
    const float nx[] = {0, 1, 0, -1}, ny[] = {-1, 0, 1, 0}, length[] = {4, 3, 4, 3};
    const int subdivisions[] = {3, 2, 3, 2};
    const float p2[] = {2, 3, 2, 1};
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(a.corners[j].nx, nx[j]) << j;
        EXPECT_EQ(a.corners[j].ny, ny[j]) << j;
        EXPECT_EQ(a.corners[j].length, length[j]) << j;
        EXPECT_EQ(a.corners[j].subdivisions, subdivisions[j]) << j;
        EXPECT_EQ(a.corners[j].p2, p2[j]) << j;
    }
    EXPECT_EQ(a.corners[3].nextX, 0);
    EXPECT_EQ(a.corners[3].nextY, 0);
    EXPECT_EQ(a.boundaryPoints, 10);
    EXPECT_EQ(lc.areaPoints(), 10);
    EXPECT_EQ(lc.macroPoints, 10);
    EXPECT_EQ(lc.openingsInAreas, 0);
}

TEST(LoadMacros, PlaneAwayFromTheOriginAndByLeastSquares) {
    // the same rectangle moved to (2, 1): p0 is the plane's value at the origin
    LoadCase lc = withArea(area({{2, 1, 1}, {6, 1, 2}, {6, 4, 3}, {2, 4, 2}}));
    prepareLoadCase(lc, slabWithOpening(), 7);
    EXPECT_TRUE(near(lc.areaLoads[0].p0, 1 - 2 / 4.0 - 1 / 3.0, kSingle));
    EXPECT_TRUE(near(lc.areaLoads[0].resultant, 24.0, kSingle));

    // values off any plane: about the centre the normal equations give a = -1, b = 1 and the
    // mean 1, so p = 1 - x + y; the mean over the square is its value at the centre, 1
    lc = withArea(area({{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 4}}));
    prepareLoadCase(lc, slabWithOpening(), 7);
    const AreaLoad& a = lc.areaLoads[0];
    EXPECT_TRUE(near(a.p0, 1.0, kSingle));
    EXPECT_TRUE(near(a.dpdx, -1.0, kSingle));
    EXPECT_TRUE(near(a.dpdy, 1.0, kSingle));
    EXPECT_TRUE(near(a.resultant, 4.0, kSingle));
    auto fit = fittedPlane(a);
    ASSERT_TRUE(fit);
    EXPECT_TRUE(near(fit->at(0, 2), 3.0, 1e-12));
}

TEST(LoadMacros, ConstantAreasAndCollinearCorners) {
    LoadCase lc = withArea(area({{0, 0, 3}, {2, 0, 3}, {2, 2, 3}, {0, 2, 3}}, true));
    prepareLoadCase(lc, slabWithOpening(), 7);
    EXPECT_EQ(lc.areaLoads[0].p0, 3.0f);
    EXPECT_EQ(lc.areaLoads[0].dpdx, 0.0f);
    EXPECT_EQ(lc.areaLoads[0].dpdy, 0.0f);
    EXPECT_TRUE(near(lc.areaLoads[0].resultant, 12.0, kSingle));

    // a constant area with unequal values carries their mean
    lc = withArea(area({{0, 0, 1}, {2, 0, 2}, {2, 2, 3}, {0, 2, 2}}, true));
    prepareLoadCase(lc, slabWithOpening(), 7);
    EXPECT_EQ(lc.areaLoads[0].p0, 2.0f);
    EXPECT_EQ(lc.areaLoads[0].dpdx, 0.0f);
    EXPECT_TRUE(near(lc.areaLoads[0].resultant, 8.0, kSingle));

    // corners on one line: the normal matrix is singular, the 4-corner gradients and the mean
    // stay: a = (2 - 1)/1 along edge 1, b = (4 - 1)/3 back along edge 4
    lc = withArea(area({{0, 0, 1}, {1, 0, 2}, {2, 0, 3}, {3, 0, 4}}));
    PreparedMacros m = prepareLoadCase(lc, slabWithOpening(), 7);
    EXPECT_FALSE(fittedPlane(lc.areaLoads[0]));
    EXPECT_EQ(lc.areaLoads[0].p0, 2.5f);
    EXPECT_EQ(lc.areaLoads[0].dpdx, 1.0f);
    EXPECT_EQ(lc.areaLoads[0].dpdy, 1.0f);
    EXPECT_TRUE(m.notices.empty()); // no area, but not a negative one
}

TEST(LoadMacros, ChecksReportAndDoNotStop) {
    LoadCase lc = withArea(area({{0, 0, 1}, {0, 3, 1}, {4, 3, 1}, {4, 0, 1}})); // clockwise
    lc.areaLoads.push_back(area({{0, 0, 1}, {1, 0, 1}, {1, 0, 1}, {1, 1, 1}}));
    LineLoad line;
    line.xa = line.xb = 2;
    line.ya = line.yb = 3;
    lc.lineLoads.push_back(line);
    PreparedMacros m = prepareLoadCase(lc, slabWithOpening(), 7);
    ASSERT_EQ(m.notices.size(), 3u);
    EXPECT_EQ(m.notices[0].title, "Hinweis zu LF 7");
    EXPECT_EQ(m.notices[0].text, "Abschnitt 2 der Lastfläche 2 hat die Länge 0.");
    EXPECT_EQ(m.notices[1].title, "Hinweis");
    EXPECT_EQ(m.notices[1].text, "Die Linienlast 1 hat die Länge 0.");
    EXPECT_EQ(m.notices[2].title, "Hinweis");
    EXPECT_EQ(m.notices[2].text, " FALSCHER UMFAHRUNGSSINN BEI TEILASTFLÄCHE 1 IM LF 7. FLAECHE "
                                 "IST NEGATIV!");
    // the clockwise area is kept with its negative area and resultant
    EXPECT_TRUE(near(lc.areaLoads[0].area, -12.0, kSingle));
    EXPECT_TRUE(near(lc.areaLoads[0].resultant, -12.0, kSingle));
    EXPECT_EQ(lc.lineLoads[0].subdivisions, 1);
}

TEST(LoadMacros, OpeningInsideAnAreaIsSubtractedAndBecomesAMacro) {
    LoadCase lc = withArea(area({{2, 2, 5}, {8, 2, 5}, {8, 7, 5}, {2, 7, 5}}, true));
    PreparedMacros m = prepareLoadCase(lc, slabWithOpening(), 7);
    const AreaLoad& a = lc.areaLoads[0];
    EXPECT_EQ(a.openings, std::vector<std::int16_t>{2});
    EXPECT_EQ(lc.openingsInAreas, 1);
    EXPECT_TRUE(near(a.area, 28.0, kSingle));       // 30 m² less the 2 m² opening
    EXPECT_TRUE(near(a.resultant, 140.0, kSingle)); // 5 kN/m² on 28 m²
    ASSERT_EQ(m.macros.size(), 1u);
    const AreaLoad& hole = m.macros[0];
    ASSERT_EQ(hole.corners.size(), 4u);
    EXPECT_EQ(hole.corners[0].x, 4);
    EXPECT_EQ(hole.corners[0].y, 4);
    EXPECT_EQ(hole.corners[0].nextY, 5);
    EXPECT_EQ(hole.corners[1].subdivisions, 2); // 2 m at h = 1 m: ceil(1.2)
    EXPECT_EQ(hole.boundaryPoints, 6);
    EXPECT_EQ(hole.variation, AreaLoadVariation::Constant);
    EXPECT_EQ(hole.p0, 5.0f);
    EXPECT_EQ(hole.area, -2.0f);
    EXPECT_EQ(hole.xs, 5.0f);
    EXPECT_EQ(hole.ys, 4.5f);
    EXPECT_EQ(hole.resultant, -10.0f);

    // a linear plane p = x: the opening takes its own share, 2 m² at x = 5
    lc = withArea(area({{2, 2, 2}, {8, 2, 8}, {8, 7, 8}, {2, 7, 2}}));
    m = prepareLoadCase(lc, slabWithOpening(), 7);
    EXPECT_TRUE(near(lc.areaLoads[0].resultant, 150.0 - 10.0, kSingle));
    ASSERT_EQ(m.macros.size(), 1u);
    EXPECT_TRUE(near(m.macros[0].corners[1].p1, 4.0, kSingle)); // the plane at (4, 5)
    EXPECT_TRUE(near(m.macros[0].corners[1].p2, 6.0, kSingle)); // and at (6, 5)
    EXPECT_EQ(m.macros[0].variation, AreaLoadVariation::Linear);
}

TEST(LoadMacros, OpeningPartlyInsideIsNotSubtracted) {
    // the opening's centre (5, 4.5) lies on the area's edge, its corners at x = 4 do not
    LoadCase lc = withArea(area({{5, 3, 1}, {8, 3, 1}, {8, 7, 1}, {5, 7, 1}}, true));
    PreparedMacros m = prepareLoadCase(lc, slabWithOpening(), 7);
    EXPECT_TRUE(lc.areaLoads[0].openings.empty());
    EXPECT_EQ(lc.openingsInAreas, 0);
    EXPECT_TRUE(near(lc.areaLoads[0].area, 12.0, kSingle));
    EXPECT_TRUE(m.macros.empty());
}

TEST(LoadMacros, LineSubdivisionsAndPointCounts) {
    EXPECT_EQ(subdivisionsOf(5, 1), 3); // 0.6 · 5 is 3 up to round-off: not raised to 4
    EXPECT_EQ(subdivisionsOf(5.01, 1), 4);
    EXPECT_EQ(subdivisionsOf(1, 0), 1);
    LoadCase lc = withArea(area({{0, 0, 1}, {4, 0, 1}, {4, 3, 1}, {0, 3, 1}}));
    LineLoad longLine; // 20 h: 12 by the rule, limited to 10
    longLine.xb = 20;
    LineLoad shortLine;
    shortLine.xb = 3;
    shortLine.yb = 4;
    shortLine.start = 2;
    shortLine.end = 5;
    lc.lineLoads = {longLine, shortLine};
    prepareLoadCase(lc, slabWithOpening(), 7);
    EXPECT_EQ(lc.lineLoads[0].subdivisions, 10);
    EXPECT_EQ(lc.lineLoads[1].subdivisions, 3);
    EXPECT_EQ(lc.lineLoads[1].length, 5.0f);
    EXPECT_EQ(lineValueAt(lc.lineLoads[1], 1), 2.0);
    EXPECT_EQ(lineValueAt(lc.lineLoads[1], 2), 3.0);
    EXPECT_EQ(lineValueAt(lc.lineLoads[1], 3), 4.0);
    EXPECT_EQ(lineValueAt(lc.lineLoads[1], 4), 5.0);
    EXPECT_EQ(lc.areaPoints(), 10);
    EXPECT_EQ(lc.macroPoints, 11 + 4); // the line points replace the area points
}

TEST(LoadMacros, SelfWeightPerDomainAndDomainMacros) {
    // 8 m x 2 m in cells of 2 m x 1 m; the left 4 m are 0.3 m thick, the rest 0.2 m
    gridtest::Grid g = gridtest::twoThicknesses();
    const SlabOutline two = deriveOutline(gridtest::gridModel(g));
    LoadCase lc;
    lc.selfWeight = lc.uniform = true;
    lc.uniformValue = 9;
    lc.gamma = 25;
    lc.g = 1.5;
    PreparedMacros m = prepareLoadCase(lc, two, 3);
    EXPECT_TRUE(m.writeDomains);
    EXPECT_EQ(lc.uniformValue, 0);
    EXPECT_FALSE(lc.uniform);
    ASSERT_EQ(m.macros.size(), 1u); // one macro per boundary curve
    const AreaLoad& d = m.macros[0];
    EXPECT_TRUE(near(d.p0, 25 * 0.3 + 1.5, kSingle)); // the domain of the curve's first section
    EXPECT_EQ(d.variation, AreaLoadVariation::Constant);
    EXPECT_EQ(d.area, 16.0f);
    EXPECT_TRUE(near(d.resultant, 9.0 * 16, kSingle));
    // h = 20 m over 12 element edges; ceil(0.6 · 8 / h) = 3, ceil(0.6 · 2 / h) = 1
    EXPECT_EQ(d.boundaryPoints, 8);
    EXPECT_EQ(d.corners[0].p1, d.corners[0].p2);

    // one domain: its self weight is the load case's uniform value, and no macros
    g.thickness = [](int, int) { return 0.25; };
    lc.uniformValue = 0;
    m = prepareLoadCase(lc, deriveOutline(gridtest::gridModel(g)), 3);
    EXPECT_TRUE(near(lc.uniformValue, 25 * 0.25 + 1.5, kSingle));
    EXPECT_TRUE(m.macros.empty());
    EXPECT_TRUE(m.writeDomains);
}

TEST(LoadMacros, PointForcesHaveNoDirection) {
    LoadCase lc;
    PointLoad force;
    force.nx = 1;
    force.ny = 0.5f;
    PointLoad moment = force;
    moment.kind = PointLoadKind::Moment;
    lc.pointLoads = {force, moment};
    lc.edgeLoads.resize(1);
    prepareLoadCase(lc, slabWithOpening(), 1);
    EXPECT_EQ(lc.pointLoads[0].nx, 0);
    EXPECT_EQ(lc.pointLoads[0].ny, 0);
    EXPECT_EQ(lc.pointLoads[1].nx, 1);
    EXPECT_EQ(lc.pointLoads[1].ny, 0.5f);
    EXPECT_TRUE(lc.edgeLoadFlag);
}
