// The load macro files byte by byte (MACRO, SBD, DOMAINS, SBLNS) and the hatch segments.
#include "common/binary_io.hpp"
#include "loads/macros/hatching.hpp"
#include "loads/macros/load_macros.hpp"
#include "loads/macros/macro_files.hpp"
#include "tests/loads/grid_meshes.hpp"
#include "tests/support/golden.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace daskel;
using testsupport::near;

namespace {

const SlabOutline& slabWithOpening() {
    static const SlabOutline o = deriveOutline(gridtest::gridModel(gridtest::slabWithOpening()));
    return o;
}

AreaLoad rectangle(float x0, float y0, float x1, float y1, float p, bool constant) {
    AreaLoad a;
    a.variation = constant ? AreaLoadVariation::Constant : AreaLoadVariation::Linear;
    for (auto [x, y] : {std::pair{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}) {
        AreaCorner c;
        c.x = x;
        c.y = y;
        c.p1 = p;
        a.corners.push_back(c);
    }
    return a;
}

} // namespace

TEST(MacroFiles, OpeningInsideAnAreaByteByByte) {
    LoadCase lc;
    lc.areaLoads.push_back(rectangle(2, 2, 8, 7, 5, true));
    PreparedMacros m = prepareLoadCase(lc, slabWithOpening(), 1);
    const auto corners = encodeMacroCorners(m.macros);
    const auto headers = encodeMacroHeaders(m.macros);
    ASSERT_EQ(corners.size(), 4 * MacroCornerRecord::kSize);
    ASSERT_EQ(headers.size(), MacroHeaderRecord::kSize);
    EXPECT_TRUE(testsupport::matchesFixture("macro_opening_in_area", corners));
    EXPECT_TRUE(testsupport::matchesFixture("sbd_opening_in_area", headers));
    // the second corner of the opening: (4, 5) to (6, 5), normal (0, -1) into the opening
    const std::uint8_t* c = corners.data() + MacroCornerRecord::kSize;
    const float expected[] = {4, 5, 6, 5, 0, -1, 5, 5, 2};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(slab::getLE<float>(c + 4 * k), expected[k]) << "field " << k;
    EXPECT_EQ(slab::getLE<std::int16_t>(c + 36), 2);
    // the header: 4 corners, 6 points, constant 5 kN/m² on -2 m², centroid (5, 4.5), -10 kN
    const std::uint8_t* h = headers.data();
    EXPECT_EQ(slab::getLE<std::int16_t>(h + 0), 4);
    EXPECT_EQ(slab::getLE<std::int16_t>(h + 4), 6);
    EXPECT_EQ(slab::getLE<std::int16_t>(h + 6), 1);
    EXPECT_EQ(slab::getLE<float>(h + 12), 5.0f);
    EXPECT_EQ(slab::getLE<float>(h + 16), -2.0f);
    EXPECT_EQ(slab::getLE<float>(h + 28), 5.0f);
    EXPECT_EQ(slab::getLE<float>(h + 32), 4.5f);
    EXPECT_EQ(slab::getLE<float>(h + 36), -10.0f);
    EXPECT_EQ(slab::getLE<std::int16_t>(h + 40), 0);
}

TEST(MacroFiles, AreaHeadersAndCornersReadBack) {
    LoadCase lc;
    lc.areaLoads.push_back(rectangle(2, 2, 8, 7, 5, false));
    lc.areaLoads[0].kind = AreaLoadKind::CutToOutline;
    prepareLoadCase(lc, slabWithOpening(), 1);
    const AreaLoad& a = lc.areaLoads[0];
    auto heads = decodeRecords<MacroHeaderRecord>(encodeMacroHeaders(lc.areaLoads));
    auto corners = decodeRecords<MacroCornerRecord>(encodeMacroCorners(lc.areaLoads));
    ASSERT_EQ(heads.size(), 1u);
    ASSERT_EQ(corners.size(), 4u);
    AreaLoad back = areaOfHeader(heads[0]);
    EXPECT_EQ(back.kind, AreaLoadKind::CutToOutline);
    EXPECT_EQ(back.variation, AreaLoadVariation::Linear);
    EXPECT_EQ(back.p0, a.p0);
    EXPECT_EQ(back.area, a.area);
    EXPECT_EQ(back.resultant, a.resultant);
    EXPECT_EQ(back.boundaryPoints, a.boundaryPoints);
    EXPECT_EQ(back.openings, std::vector<std::int16_t>{2});
    for (std::size_t j = 0; j < 4; ++j) {
        AreaCorner c = cornerOfRecord(corners[j]);
        EXPECT_EQ(c.x, a.corners[j].x);
        EXPECT_EQ(c.nextY, a.corners[j].nextY);
        EXPECT_EQ(c.p2, a.corners[j].p2);
        EXPECT_EQ(c.length, a.corners[j].length);
        EXPECT_EQ(c.subdivisions, a.corners[j].subdivisions);
    }
    // a file image ending in part of a record yields the whole records only
    auto bytes = encodeMacroHeaders(lc.areaLoads);
    bytes.resize(bytes.size() - 1);
    EXPECT_TRUE(decodeRecords<MacroHeaderRecord>(bytes).empty());
}

TEST(MacroFiles, DomainsWithTheirSelfWeight) {
    gridtest::Grid g = gridtest::twoThicknesses();
    const SlabOutline o = deriveOutline(gridtest::gridModel(g));
    const auto bytes = encodeDomains(o.domains, 25, 1.5);
    ASSERT_EQ(bytes.size(), 2 * DomainRecord::kSize);
    EXPECT_TRUE(testsupport::matchesFixture("domains_two_thicknesses", bytes));
    EXPECT_EQ(slab::getLE<float>(bytes.data() + 0), 0.3f);
    EXPECT_EQ(slab::getLE<float>(bytes.data() + 32), float(25 * 0.3 + 1.5));
    EXPECT_EQ(slab::getLE<float>(bytes.data() + 56 + 0), 0.2f);
    EXPECT_EQ(slab::getLE<float>(bytes.data() + 56 + 4), 8.0f);
    EXPECT_EQ(slab::getLE<float>(bytes.data() + 56 + 32), float(25 * 0.2 + 1.5));
    EXPECT_EQ(domainsFileName(".P1"), "DOMAINS.P1");
    EXPECT_EQ(hatchFileName(1, 3, ".P1"), "SBLNS13.P1");
    EXPECT_EQ(hatchFileName(12, 7, ".P2"), "SBLNS127.P2");
}

TEST(Hatching, RectangleSweptAtOneHundredthOfTheSlab) {
    // the slab is 10 m wide: lines y = x + c, 0.1 m apart, from c = 3 down to c = -4
    const AreaLoad a = rectangle(0, 0, 4, 3, 1, true);
    const std::vector<HatchSegment> s = hatchSegments(a, slabWithOpening());
    // 71 lines, of which the first and the last only touch a corner
    ASSERT_EQ(s.size(), 69u);
    EXPECT_TRUE(near(s[0].x1, 0.0, 0, 1e-6));
    EXPECT_TRUE(near(s[0].y1, 2.9, 0, 1e-6));
    EXPECT_TRUE(near(s[0].x2, 0.1, 0, 1e-6));
    EXPECT_TRUE(near(s[0].y2, 3.0, 0, 1e-6));
    for (const HatchSegment& h : s) {
        EXPECT_TRUE(near(h.y2 - h.y1, h.x2 - h.x1, 0, 1e-5)); // slope 1
        EXPECT_GT(h.x2, h.x1);
        EXPECT_TRUE(h.x1 >= 0 && h.x2 <= 4 && h.y1 >= 0 && h.y2 <= 3);
    }
    const auto bytes = encodeHatch(s);
    EXPECT_EQ(bytes.size(), 69u * 16);
    EXPECT_TRUE(testsupport::matchesFixture("sblns_rectangle_4x3", bytes));
    const auto back = decodeHatch(bytes);
    ASSERT_EQ(back.size(), s.size());
    EXPECT_EQ(back[5].x2, s[5].x2);
    EXPECT_EQ(back[68].y1, s[68].y1);
}

TEST(Hatching, ALineThroughACornerCrossesOnce) {
    // the triangle's corner (0, 0) lies on the line y = x of the sweep (spacing 0.04 m from its
    // own extent without an outline): one segment from the corner to the far side
    AreaLoad t;
    for (auto [x, y] : {std::pair{0.f, 0.f}, {4.f, 0.f}, {0.f, 4.f}}) {
        AreaCorner c;
        c.x = x;
        c.y = y;
        t.corners.push_back(c);
    }
    const std::vector<HatchSegment> s = hatchSegments(t, SlabOutline{});
    int throughCorner = 0;
    for (const HatchSegment& h : s)
        if (std::fabs(h.x1) < 1e-6 && std::fabs(h.y1) < 1e-6) {
            ++throughCorner;
            EXPECT_TRUE(near(h.x2, 2.0, 0, 1e-5));
            EXPECT_TRUE(near(h.y2, 2.0, 0, 1e-5));
        }
    EXPECT_EQ(throughCorner, 1);
    // c = 4 - 0.04 k for k = 0 to 200: the lines at the two corners (4 and -4) only touch
    // them, the 99 above the corner meet the left leg, the 99 below the bottom leg
    EXPECT_EQ(s.size(), 99u + 1u + 99u);
    EXPECT_TRUE(hatchSegments(AreaLoad{}, slabWithOpening()).empty());
}
