// The geometry editor's plan by content: the elements, the edge lines, the support labels with
// their oblique rule, the numbers and the coloured plate.
#include "geometry/edge_lines.hpp"
#include "geometry/element_deletion.hpp"
#include "geometry/supports.hpp"
#include "scene/slab_plan.hpp"
#include "tests/geometry/generated_mesh.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using scene::Anchor;

namespace {

// 3 × 3 elements of 1 m with the middle element deleted (an opening); the outer boundary
// carries every support kind on some of its lines.
struct PlanFixture {
    testsupport::GeneratedMesh g;
    PlanFixture() {
        EXPECT_TRUE(g.generate(3, 3));
        EXPECT_EQ(morvel::deleteElements(g.m, {5}, g.dir.str()), 1);
        const slab::EdgeSupport kinds[] = {
            slab::EdgeSupport::Clamped,          slab::EdgeSupport::Hinged,
            slab::EdgeSupport::Free,             slab::EdgeSupport::RotationalSpring,
            slab::EdgeSupport::TranslationalSpring, slab::EdgeSupport::BothSprings};
        std::size_t k = 0;
        for (std::size_t i = 0; i < g.m.lines.size() && k < std::size(kinds); ++i)
            if (!g.m.lines[i].inner) morvel::assignSupport(g.m, i, {kinds[k++], 100, 50});
    }
    std::vector<const scene::Text*> texts(const scene::Scene& s) const {
        return s.all<scene::Text>();
    }
};

std::map<std::string, int> textCount(const scene::Scene& s) {
    std::map<std::string, int> count;
    for (const auto* t : s.all<scene::Text>()) ++count[t->text];
    return count;
}

} // namespace

TEST(SlabPlan, LinesLabelsAndNoNumbersByDefault) {
    PlanFixture f;
    const auto s = scene::slabPlan(f.g.m, {0, 0, 3, 3}, {});
    EXPECT_EQ(s.bounds, (slab::WorldRect{0, 0, 3, 3}));
    EXPECT_TRUE(s.all<scene::Polygon>().empty()); // the plate is not coloured
    // Every edge line once: 8 elements with the opening's four lines outer, 24 lines.
    EXPECT_EQ(s.all<scene::Polyline>().size(), f.g.m.lines.size());
    const auto count = textCount(s);
    for (const char* label : {"E", "G", "F", "DF", "SF", "D&SF"}) EXPECT_EQ(count.at(label), 1) << label;
    EXPECT_EQ(s.all<scene::Text>().size(), 6u);
    // Supported lines are drawn wide in their kind's colour, the opening's lines thin and black.
    int wide = 0, blackOuter = 0;
    for (const auto* line : s.all<scene::Polyline>()) {
        if (line->pen.width > 0) ++wide;
        if (line->pen.width == 0 && line->pen.color == scene::kBlack) ++blackOuter;
    }
    EXPECT_EQ(wide, 6);
    EXPECT_EQ(blackOuter, 12 - 6 + 4); // the unsupported outer lines and the opening
}

TEST(SlabPlan, NumbersAndColouredPlate) {
    PlanFixture f;
    scene::PlanOptions o;
    o.nodeNumbers = o.elementNumbers = o.coloured = true;
    o.fontSize = 12;
    const auto s = scene::slabPlan(f.g.m, {0, 0, 3, 3}, o);
    // The plate: the eight remaining elements filled, none over the opening.
    const auto plates = s.all<scene::Polygon>();
    ASSERT_EQ(plates.size(), 8u);
    for (const auto* p : plates) {
        EXPECT_EQ(p->fill, scene::kPlateColour);
        double cx = 0, cy = 0;
        for (const auto& pt : p->points) cx += pt.x / 4, cy += pt.y / 4;
        EXPECT_FALSE(cx == 1.5 && cy == 1.5);
    }
    // The plate is painted first, so that no line or text lies under it.
    EXPECT_TRUE(std::holds_alternative<scene::Polygon>(s.items.front()));
    const auto count = textCount(s);
    EXPECT_EQ(count.at("8"), 2); // element 8 and node 8
    EXPECT_EQ(count.count("9"), 1u); // 8 elements, but node 9
    int elementNumbers = 0, nodeNumbers = 0;
    for (const auto* t : s.all<scene::Text>()) {
        if (t->anchor == Anchor::Center) {
            ++elementNumbers;
            EXPECT_EQ(t->height, 12);
        } else if (t->anchor == Anchor::BottomLeft) {
            ++nodeNumbers;
        }
    }
    EXPECT_EQ(elementNumbers, 8);
    EXPECT_EQ(nodeNumbers, f.g.m.nodeCount);
    // Element 1 (0..1 × 0..1) has its number at its centre.
    for (const auto* t : s.all<scene::Text>()) {
        if (t->anchor == Anchor::Center && t->text == "1") {
            EXPECT_EQ(t->at, (scene::Point{0.5, 0.5}));
        }
    }
}

TEST(SlabPlan, LabelsTurnAlongObliqueLinesOnly) {
    morvel::Model m;
    auto line = [](float x1, float y1, float x2, float y2) {
        morvel::EdgeLine l;
        l.x1 = x1, l.y1 = y1, l.x2 = x2, l.y2 = y2;
        l.code = slab::EdgeSupport::Hinged;
        return l;
    };
    m.lines = {line(0, 0, 4, 0), line(0, 0, 0, 4), line(0, 0, 3, 3), line(4, 0, 0, 3),
               // 0.5 % off the axis: still upright
               line(0, 0, 4, 0.02f)};
    const auto plan = scene::slabPlan(m, {0, 0, 4, 4}, {});
    const auto texts = plan.all<scene::Text>();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0]->angle, 0);
    EXPECT_EQ(texts[0]->anchor, Anchor::Bottom);
    EXPECT_EQ(texts[0]->at, (scene::Point{2, 0}));
    EXPECT_EQ(texts[1]->angle, 0);
    EXPECT_EQ(texts[1]->anchor, Anchor::Left);
    EXPECT_NEAR(texts[2]->angle, 45, 1e-12);
    // A line drawn right to left reads left to right: never upside down.
    EXPECT_NEAR(texts[3]->angle, -36.86989764584402, 1e-9);
    EXPECT_EQ(texts[4]->angle, 0);
    EXPECT_EQ(texts[0]->text, "G");
}
