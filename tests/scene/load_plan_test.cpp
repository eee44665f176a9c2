// The load editor's plan by content: the title lines, the shades of the element loads and their
// legend, the mesh drawn once per edge, the edge and node loads, the loads of the tables with
// their values, the numbers, the extents and the sketch of a load being drawn.
#include "loads/element_loads.hpp"
#include "loads/load_entry.hpp"
#include "loads/macros/hatching.hpp"
#include "loads/outline/slab_outline.hpp"
#include "scene/load_plan.hpp"
#include "tests/loads/grid_meshes.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using scene::Anchor;
using scene::LoadClass;

namespace {

using slab::ElementLoadRecord;
using slab::NodalLoadRecord;

// The 10 m × 8 m slab of 1 m cells with the 2 m × 1 m opening at x 4 to 6, y 4 to 5.
struct PlanFixture {
    daskel::SlabModel model = gridtest::gridModel(gridtest::slabWithOpening());
    daskel::SlabOutline outline = daskel::deriveOutline(model);
    daskel::LoadTables loads = daskel::emptyLoadTables(model);
    daskel::LoadCase lc;

    scene::LoadPlanData data() const { return {model, lc, loads, outline}; }
    scene::Scene plan(const scene::LoadPlanOptions& o = {}) const {
        return scene::loadPlan(data(), scene::loadPlanExtents(data()), o);
    }
    void elementLoad(int e, double p) {
        loads.elementLoads[e].v[ElementLoadRecord::kAreaLoad] = static_cast<float>(p);
    }
};

const scene::Text* textNamed(const scene::Scene& s, const std::string& text) {
    for (const auto* t : s.all<scene::Text>())
        if (t->text == text) return t;
    return nullptr;
}

int linesIn(const scene::Scene& s, scene::Color colour) {
    int n = 0;
    for (const auto* l : s.all<scene::Polyline>())
        if (l->pen.color == colour) ++n;
    return n;
}

} // namespace

TEST(LoadPlan, TitleAndUniformLoadTexts) {
    daskel::LoadCase lc;
    lc.number = 3;
    EXPECT_EQ(scene::loadPlanTitle(3), "BELASTUNG IM LF 3");
    EXPECT_EQ(scene::uniformLoadText(lc), "");
    lc.uniform = true;
    lc.uniformValue = 6.5;
    EXPECT_EQ(scene::uniformLoadText(lc), "Gleichlast p = 6,50 kN/m2");
    lc.uniformShape = daskel::UniformShape::Triangular;
    lc.uniformValue = 2.25;
    EXPECT_EQ(scene::uniformLoadText(lc), "Dreieckslast po = 2,25 kN/m2 * x");

    PlanFixture f;
    f.lc.number = 7;
    f.lc.title = "Eigengewicht und Belag";
    f.lc.uniform = true;
    f.lc.uniformValue = 6.5;
    const scene::Scene s = f.plan();
    const auto* title = textNamed(s, "BELASTUNG IM LF 7");
    const auto* own = textNamed(s, "Eigengewicht und Belag");
    const auto* uniform = textNamed(s, "Gleichlast p = 6,50 kN/m2");
    ASSERT_TRUE(title && own && uniform);
    // Above the slab (8 m high) in this order from the top, at its left edge.
    EXPECT_GT(title->at.y, own->at.y);
    EXPECT_GT(own->at.y, uniform->at.y);
    EXPECT_GT(uniform->at.y, 8.0);
    EXPECT_EQ(title->at.x, 0.0);
    EXPECT_GT(title->height, uniform->height);
    EXPECT_EQ(textNamed(s, "Elementlasten [kN/m2]"), nullptr); // no element loads, no legend
}

TEST(LoadPlan, OneShadePerDistinctElementLoad) {
    PlanFixture f;
    f.elementLoad(1, 6.5);
    f.elementLoad(2, 6.5);
    f.elementLoad(3, 2.0);
    f.elementLoad(4, -1.5);
    const auto classes = scene::elementLoadClasses(f.loads, f.model.elementCount);
    ASSERT_EQ(classes.size(), 3u);
    EXPECT_EQ(classes[0].low, -1.5);
    EXPECT_EQ(classes[1].low, 2.0);
    EXPECT_EQ(classes[2].high, 6.5);
    // Downward loads in oranges, the heavier darker; upward ones in blue.
    EXPECT_GT(classes[0].colour.b, classes[0].colour.r);
    EXPECT_GT(classes[1].colour.r, classes[1].colour.b);
    EXPECT_LT(classes[2].colour.g, classes[1].colour.g);
    EXPECT_EQ(scene::loadClassOf(classes, 0.0), -1);
    EXPECT_EQ(scene::loadClassOf(classes, 6.5), 2);
    EXPECT_EQ(scene::loadClassOf(classes, 3.0), -1);

    const scene::Scene s = f.plan();
    const auto polygons = s.all<scene::Polygon>();
    ASSERT_EQ(polygons.size(), 4u); // unloaded elements stay white
    // Element 1 is the cell 0..1 × 0..1, in its corner order.
    EXPECT_EQ(polygons[0]->points, (std::vector<scene::Point>{{0, 0}, {1, 0}, {1, 1}, {0, 1}}));
    EXPECT_EQ(polygons[0]->fill, classes[2].colour);
    EXPECT_EQ(polygons[3]->fill, classes[0].colour);
    EXPECT_FALSE(polygons[0]->outline.has_value());
    // The legend: its heading and the values from the greatest down, right of the slab.
    const auto* heading = textNamed(s, "Elementlasten [kN/m2]");
    ASSERT_NE(heading, nullptr);
    EXPECT_GT(heading->at.x, 10.0);
    const auto* heavy = textNamed(s, "6,50");
    const auto* up = textNamed(s, "-1,50");
    ASSERT_TRUE(heavy && up);
    EXPECT_GT(heavy->at.y, up->at.y);
    EXPECT_GT(heavy->at.x, heading->at.x);
    // One filled and one outlined square per shade, nothing more.
    const auto markers = s.all<scene::Marker>();
    ASSERT_EQ(markers.size(), 2 * classes.size());
    EXPECT_EQ(markers[0]->color, classes[2].colour);
    EXPECT_TRUE(markers[0]->filled);
    EXPECT_FALSE(markers[1]->filled);
    EXPECT_EQ(markers[4]->color, classes[0].colour);
}

TEST(LoadPlan, ManyElementLoadsFallIntoEightRanges) {
    PlanFixture f;
    // Loads 1 to 20 on elements 1 to 20: 20 distinct values from 1 to 20.
    for (int e = 1; e <= 20; ++e)
        f.elementLoad(e, e);
    const auto classes = scene::elementLoadClasses(f.loads, f.model.elementCount);
    ASSERT_EQ(classes.size(), static_cast<std::size_t>(scene::kMaxLoadClasses));
    EXPECT_EQ(classes.front().low, 1.0);
    EXPECT_EQ(classes.back().high, 20.0);
    EXPECT_DOUBLE_EQ(classes[1].low, 1.0 + 19.0 / 8);
    for (int e = 1; e <= 20; ++e)
        EXPECT_GE(scene::loadClassOf(classes, e), 0) << e;
    EXPECT_EQ(scene::loadClassOf(classes, 1.0), 0);
    EXPECT_EQ(scene::loadClassOf(classes, 20.0), 7);
    // A range holding no value is left out: 1, 2 and 100 give two ranges with values.
    PlanFixture g;
    for (int e = 1; e <= 9; ++e)
        g.elementLoad(e, e);
    g.elementLoad(10, 100);
    const auto sparse = scene::elementLoadClasses(g.loads, g.model.elementCount);
    ASSERT_EQ(sparse.size(), 2u);
    EXPECT_EQ(sparse[1].high, 100.0);
    EXPECT_EQ(scene::loadClassOf(sparse, 9.0), 0);
}

TEST(LoadPlan, MeshLinesOnceAndTheOutline) {
    PlanFixture f;
    const scene::Scene s = f.plan();
    // 10 × 9 edges along x and 11 × 8 along y, less the edge between the two cells of the
    // opening, which no element has.
    EXPECT_EQ(linesIn(s, scene::Color{165, 165, 165}), 10 * 9 + 11 * 8 - 1);
    // The outer boundary and the opening: four sections each, drawn black and wider.
    int outline = 0;
    for (const auto* l : s.all<scene::Polyline>())
        if (l->pen.color == scene::kBlack && l->pen.width > 0) ++outline;
    EXPECT_EQ(outline, 8);
    EXPECT_EQ(s.bounds, scene::loadPlanExtents(f.data()));
}

TEST(LoadPlan, EdgeLoadsOfElementsInsideTheirElement) {
    PlanFixture f;
    // Edge 2 of element 1 runs from (1, 0) to (1, 1); element 2 shares it as its edge 4.
    f.loads.elementLoads[1].v[ElementLoadRecord::kEdgeLoad + 1] = 4.0f;
    f.loads.elementLoads[2].v[ElementLoadRecord::kEdgeLoad + 3] = 3.0f;
    const scene::Scene s = f.plan();
    std::vector<const scene::Polyline*> edges;
    for (const auto* l : s.all<scene::Polyline>())
        if (l->pen.color == scene::Color{0, 90, 200}) edges.push_back(l);
    ASSERT_EQ(edges.size(), 2u);
    // Drawn 12 % of the way to the element's centre (0.5, 0.5) and (1.5, 0.5).
    EXPECT_NEAR(edges[0]->points[0].x, 1 - 0.12 * 0.5, 1e-12);
    EXPECT_NEAR(edges[0]->points[0].y, 0 + 0.12 * 0.5, 1e-12);
    EXPECT_NEAR(edges[1]->points[0].x, 1 + 0.12 * 0.5, 1e-12);
    const auto* four = textNamed(s, "4,00");
    const auto* three = textNamed(s, "3,00");
    ASSERT_TRUE(four && three);
    EXPECT_LT(four->at.x, 1.0); // inside element 1
    EXPECT_GT(three->at.x, 1.0);
    EXPECT_EQ(four->angle, 90.0); // along the vertical edge
}

TEST(LoadPlan, NodeLoadsAndPrescribedDeformations) {
    PlanFixture f;
    f.loads.nodeLoads[12].v[NodalLoadRecord::kLoad] = 12.5;
    f.loads.nodeLoads[12].v[NodalLoadRecord::kLoad + 1] = 1.0;
    f.loads.nodeLoads[3].v[NodalLoadRecord::kPrescribed] = 0.001;
    const scene::Scene s = f.plan();
    const auto* loads = textNamed(s, "P = 12,50 kN  Mx = 1,00 kNm");
    const auto* prescribed = textNamed(s, "w = 0,0010 m");
    ASSERT_TRUE(loads && prescribed);
    // Loads below right of the node, deformations below left: the node number stands above
    // right.
    EXPECT_EQ(loads->anchor, Anchor::TopLeft);
    EXPECT_EQ(prescribed->anchor, Anchor::TopRight);
    // Node 12 is (0, 1), node 3 is (2, 0).
    EXPECT_EQ(loads->at, (scene::Point{0, 1}));
    EXPECT_EQ(prescribed->at, (scene::Point{2, 0}));
    const auto markers = s.all<scene::Marker>();
    ASSERT_EQ(markers.size(), 2u);
    EXPECT_EQ(markers[0]->shape, scene::MarkerShape::Diamond);
    EXPECT_EQ(markers[1]->shape, scene::MarkerShape::Triangle);
}

TEST(LoadPlan, AreaLineEdgeAndPointLoadsWithTheirValues) {
    PlanFixture f;
    ASSERT_FALSE(daskel::addAreaLoad(f.lc, {{{1, 1, 1}, {4, 1, 2}, {4, 3, 3}, {1, 3, 2}}, false}));
    ASSERT_FALSE(daskel::addAreaLoad(f.lc, {{{6, 6, 5}, {8, 6, 5}, {7, 7, 5}}, true}));
    ASSERT_FALSE(daskel::addLineLoad(f.lc, {2, 7, 2, 5, 4, 4, daskel::LineLoadKind::Forces, ""}));
    ASSERT_FALSE(
        daskel::addLineLoad(f.lc, {5, 1, 9, 1, 1, 2, daskel::LineLoadKind::Moments, "Wand"}));
    ASSERT_FALSE(
        daskel::addPointLoad(f.lc, {7.5, 2.5, 50, daskel::PointLoadKind::Force, 0, 0, 0.3, ""}));
    ASSERT_FALSE(
        daskel::addPointLoad(f.lc, {8.5, 2.5, 20, daskel::PointLoadKind::Moment, 1, 0, 0, ""}));
    ASSERT_FALSE(
        daskel::addEdgeLoad(f.lc, {1, 2, 3, 3, daskel::EdgeLoadKind::Forces, ""}, f.outline));
    const scene::Scene s = f.plan();

    const auto* area = textNamed(s, "Fläche 1: 1,00 bis 3,00 kN/m2");
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->at, (scene::Point{2.5, 2})); // the centroid of the rectangle
    const auto* constant = textNamed(s, "Fläche 2: 5,00 kN/m2 (konstant)");
    ASSERT_NE(constant, nullptr);
    EXPECT_NEAR(constant->at.x, 7, 1e-9);
    EXPECT_NEAR(constant->at.y, 6 + 1.0 / 3, 1e-6);
    // The outline of each area closed, and its hatch as SBLNS holds it.
    const scene::Color areaColour{200, 0, 90};
    std::size_t hatch = 0;
    for (const auto& a : f.lc.areaLoads)
        hatch += daskel::hatchSegments(a, f.outline).size();
    EXPECT_GT(hatch, 20u);
    int closed = 0;
    for (const auto* l : s.all<scene::Polyline>())
        if (l->pen.color == areaColour && l->closed) ++closed;
    EXPECT_EQ(closed, 2);
    EXPECT_EQ(static_cast<std::size_t>(linesIn(s, areaColour)), hatch + 2);

    const auto* line = textNamed(s, "Linie 1: 4,00 kN/m");
    const auto* moments = textNamed(s, "Linie 2: 1,00 bis 2,00 kNm/m");
    ASSERT_TRUE(line && moments);
    EXPECT_EQ(line->at, (scene::Point{2, 6}));
    EXPECT_EQ(line->angle, 90.0); // from (2, 7) down to (2, 5), never upside down
    EXPECT_EQ(moments->angle, 0.0);

    // Section 2 of the outer boundary is its right side, x = 10 from y 0 to 8.
    const auto* edge = textNamed(s, "Rand 1: 3,00 kN/m");
    ASSERT_NE(edge, nullptr);
    EXPECT_EQ(edge->at, (scene::Point{10, 4}));
    // Its value stands off the slab: turned along the section, the text's top faces the slab,
    // so the text hangs below its anchor, to the right of x = 10.
    EXPECT_EQ(edge->angle, 90.0);
    EXPECT_EQ(edge->anchor, Anchor::Top);

    const auto* force = textNamed(s, "Punkt 1: 50,00 kN");
    const auto* moment = textNamed(s, "Punkt 2: 20,00 kNm");
    ASSERT_TRUE(force && moment);
    EXPECT_EQ(force->at, (scene::Point{7.5, 2.5}));
    std::vector<scene::MarkerShape> shapes;
    for (const auto* m : s.all<scene::Marker>())
        shapes.push_back(m->shape);
    EXPECT_EQ(shapes, (std::vector<scene::MarkerShape>{scene::MarkerShape::Circle,
                                                       scene::MarkerShape::Square}));
}

TEST(LoadPlan, EdgeLoadValuesStandOffTheSlab) {
    PlanFixture f;
    // Section 1 of the outer boundary runs along the bottom, section 3 along the top (from
    // right to left); section 1 of the opening (boundary 2, clockwise) up its left side at
    // x = 4, with the slab on its left.
    for (auto [boundary, section] : {std::pair{1, 1}, {1, 3}, {2, 1}})
        ASSERT_FALSE(daskel::addEdgeLoad(
            f.lc, {boundary, section, 1, 1, daskel::EdgeLoadKind::Moments, ""}, f.outline));
    const scene::Scene s = f.plan();
    const auto* bottom = textNamed(s, "Rand 1: 1,00 kNm/m");
    const auto* top = textNamed(s, "Rand 2: 1,00 kNm/m");
    const auto* opening = textNamed(s, "Rand 3: 1,00 kNm/m");
    ASSERT_TRUE(bottom && top && opening);
    EXPECT_EQ(bottom->at, (scene::Point{5, 0}));
    EXPECT_EQ(bottom->anchor, Anchor::Top); // below the slab
    EXPECT_EQ(top->at, (scene::Point{5, 8}));
    EXPECT_EQ(top->anchor, Anchor::Bottom); // above it
    EXPECT_EQ(top->angle, 0.0);             // read from left to right
    EXPECT_EQ(opening->at, (scene::Point{4, 4.5}));
    EXPECT_EQ(opening->angle, 90.0);
    EXPECT_EQ(opening->anchor, Anchor::Top); // turned, hanging to the right: into the opening
}

TEST(LoadPlan, EdgeLoadsOffTheOutlineKeepTheirCoordinates) {
    // A slab without outline: the edge load stands where the load echo put it, and the slab
    // is taken to lie on the left of its direction. Running down x = 0 from y = 6 to 2, its
    // left is +x, so the value stands at -x, above its anchor in the text's own turn.
    PlanFixture f;
    daskel::SlabOutline none;
    daskel::EdgeLoad e;
    e.boundary = 5;
    e.a = e.b = 2;
    e.xa = 0;
    e.ya = 6;
    e.xb = 0;
    e.yb = 2;
    f.lc.edgeLoads.push_back(e);
    const scene::Scene s =
        scene::loadPlan({f.model, f.lc, f.loads, none}, scene::loadPlanExtents(f.data()), {});
    const auto* text = textNamed(s, "Rand 1: 2,00 kN/m");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->at, (scene::Point{0, 4}));
    EXPECT_EQ(text->angle, 90.0);
    EXPECT_EQ(text->anchor, Anchor::Bottom);
}

TEST(LoadPlan, NumbersByTheSwitchesAndTextsOverTheLines) {
    PlanFixture f;
    f.elementLoad(5, 1);
    const auto without = f.plan().all<scene::Text>().size();
    scene::LoadPlanOptions o;
    o.elementNumbers = true;
    const scene::Scene elements = f.plan(o);
    EXPECT_EQ(elements.all<scene::Text>().size(), without + 78);
    const auto* e78 = textNamed(elements, "78");
    ASSERT_NE(e78, nullptr);
    EXPECT_EQ(e78->anchor, Anchor::Center);
    EXPECT_EQ(e78->at, (scene::Point{9.5, 7.5})); // the last element, the upper right cell
    o.nodeNumbers = true;
    const scene::Scene both = f.plan(o);
    EXPECT_EQ(both.all<scene::Text>().size(), without + 78 + f.model.nodeCount);
    // Every text comes after every line, so no line crosses a value.
    std::size_t lastLine = 0, firstText = both.items.size();
    for (std::size_t i = 0; i < both.items.size(); ++i) {
        if (std::holds_alternative<scene::Polyline>(both.items[i])) lastLine = i;
        if (std::holds_alternative<scene::Text>(both.items[i])) firstText = std::min(firstText, i);
    }
    EXPECT_LT(lastLine, firstText);
}

TEST(LoadPlan, ExtentsMakeRoomForTitleAndLegend) {
    PlanFixture f;
    const slab::WorldRect plain = scene::loadPlanExtents(f.data());
    // The slab is 10 × 8: margins of 3 % of 10, title room of 4.8 lines of 4.5 % above.
    EXPECT_NEAR(plain.x1, -0.3, 1e-6);
    EXPECT_NEAR(plain.y1, -0.3, 1e-6);
    EXPECT_NEAR(plain.x2, 10.3, 1e-6);
    EXPECT_NEAR(plain.y2, 8 + 4.8 * 0.45, 1e-5);
    f.elementLoad(1, 5);
    EXPECT_NEAR(scene::loadPlanExtents(f.data()).x2, 10.3 + 3.4, 1e-5);
    // A point load beyond the slab widens the drawing to hold it.
    ASSERT_FALSE(
        daskel::addPointLoad(f.lc, {12, -2, 5, daskel::PointLoadKind::Force, 0, 0, 0, ""}));
    const slab::WorldRect wide = scene::loadPlanExtents(f.data());
    EXPECT_NEAR(wide.y1, -2 - 0.36, 1e-5);
    EXPECT_GT(wide.x2, 12.0f);

    // Nothing to draw: a window of 10 m, so that the view has a place to start from.
    daskel::SlabModel none;
    daskel::SlabOutline noOutline;
    daskel::LoadTables noLoads;
    daskel::LoadCase lc;
    const slab::WorldRect empty = scene::loadPlanExtents({none, lc, noLoads, noOutline});
    EXPECT_NEAR(empty.x1, -0.3, 1e-6);
    EXPECT_NEAR(empty.x2, 10.3, 1e-6);
    EXPECT_NE(
        textNamed(scene::loadPlan({none, lc, noLoads, noOutline}, empty, {}), "BELASTUNG IM LF 0"),
        nullptr);
}

TEST(LoadPlan, SketchOfALoadBeingDrawn) {
    scene::Scene s;
    scene::addSketch(s, {{0, 0}}, true);
    EXPECT_TRUE(s.all<scene::Polyline>().empty());
    EXPECT_EQ(s.all<scene::Marker>().size(), 1u);
    scene::Scene two;
    scene::addSketch(two, {{0, 0}, {1, 0}}, true);
    ASSERT_EQ(two.all<scene::Polyline>().size(), 1u);
    EXPECT_FALSE(two.all<scene::Polyline>()[0]->closed); // a segment cannot close
    scene::Scene three;
    scene::addSketch(three, {{0, 0}, {1, 0}, {1, 1}}, true);
    const auto* line = three.all<scene::Polyline>()[0];
    EXPECT_TRUE(line->closed);
    EXPECT_EQ(line->pen.style, scene::LineStyle::Dashed);
    EXPECT_EQ(three.all<scene::Marker>().size(), 3u);
    scene::Scene open;
    scene::addSketch(open, {{0, 0}, {1, 0}, {1, 1}}, false);
    EXPECT_FALSE(open.all<scene::Polyline>()[0]->closed);
}
