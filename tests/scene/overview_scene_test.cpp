// The position overview by its content: the title, the grey elements on the light ground, the
// axes, the dimension lines with their texts, the 90 % and 80 % areas, the 3000 limit and the
// scale factor of the labels.
#include "manager/position_model.hpp"
#include "scene/overview_scene.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

namespace {

using scene::OverviewTarget;
using testsupport::near;

/// A slab x0..x0+8 by y0..y0+5.5 of 4 x 2 elements.
scene::OverviewInput slab8x55(double x0 = 0, double y0 = 0) {
    scene::OverviewInput in;
    in.positionName = "P1";
    for (int j = 0; j <= 2; ++j)
        for (int i = 0; i <= 4; ++i)
            in.mesh.nodes.push_back({x0 + 2.0 * i, y0 + 2.75 * j});
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 4; ++i) {
            const int a = j * 5 + i + 1;
            in.mesh.elements.push_back({a, a + 1, a + 6, a + 5});
        }
    in.bounds = slab::WorldRect{static_cast<float>(x0), static_cast<float>(y0),
                                static_cast<float>(x0 + 8), static_cast<float>(y0 + 5.5)};
    return in;
}

std::vector<const scene::Polygon*> elements(const scene::Scene& s) {
    std::vector<const scene::Polygon*> found;
    for (const auto* p : s.all<scene::Polygon>())
        if (p->fill == scene::Color{192, 192, 192}) found.push_back(p);
    return found;
}

const scene::Text* textOf(const scene::Scene& s, const std::string& text) {
    for (const auto* t : s.all<scene::Text>())
        if (t->text == text) return t;
    return nullptr;
}

double width(const slab::WorldRect& r) {
    return static_cast<double>(r.x2) - r.x1;
}

TEST(OverviewScene, Title) {
    EXPECT_EQ(scene::overviewTitle("P1", false), "Deckenplatte Position P1");
    EXPECT_EQ(scene::overviewTitle("P1", true), "Bodenplatte Position P1");
    const auto o =
        scene::overviewScene(slab8x55(), {800, 600}, OverviewTarget::Screen, true, false);
    EXPECT_EQ(o.title, "Deckenplatte Position P1");
    // On screen the title is the window's; a picture carries it in the drawing.
    EXPECT_EQ(textOf(o.scene, o.title), nullptr);
    const auto picture =
        scene::overviewScene(slab8x55(), {800, 600}, OverviewTarget::Printer, true, true);
    const scene::Text* title = textOf(picture.scene, "Deckenplatte Position P1");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->anchor, scene::Anchor::TopLeft);
}

TEST(OverviewScene, GreyElementsOnALightGround) {
    const auto o =
        scene::overviewScene(slab8x55(), {800, 600}, OverviewTarget::Screen, true, false);
    EXPECT_TRUE(o.planDrawn);
    EXPECT_FALSE(o.hidePlan);
    // The ground first, over the whole drawing.
    const auto* ground = std::get_if<scene::Polygon>(&o.scene.items.front());
    ASSERT_NE(ground, nullptr);
    EXPECT_EQ(ground->fill, (scene::Color{250, 250, 250}));
    EXPECT_FALSE(ground->outline);
    EXPECT_EQ(ground->points.front(), (scene::Point{o.scene.bounds.x1, o.scene.bounds.y1}));
    const auto grey = elements(o.scene);
    ASSERT_EQ(grey.size(), 8u);
    EXPECT_EQ(grey[0]->points, (std::vector<scene::Point>{{0, 0}, {2, 0}, {2, 2.75}, {0, 2.75}}));
    ASSERT_TRUE(grey[0]->outline);
    EXPECT_EQ(grey[0]->outline->color, scene::kBlack);
    EXPECT_EQ(grey[7]->points[2], (scene::Point{8, 5.5}));
}

TEST(OverviewScene, DimensionTextsOfAnEightByFiveAndAHalfSlab) {
    const auto o =
        scene::overviewScene(slab8x55(), {800, 600}, OverviewTarget::Screen, true, false);
    const scene::Text* w = textOf(o.scene, "8.00");
    const scene::Text* l = textOf(o.scene, "5.50");
    ASSERT_NE(w, nullptr);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(w->angle, 0);
    EXPECT_EQ(l->angle, 90); // the length is written along the slab's side
    EXPECT_EQ(w->height, 10);
    // Centred on their lines, outside the slab.
    EXPECT_TRUE(near(w->at.x, 4.0));
    EXPECT_LT(w->at.y, 0.0);
    EXPECT_TRUE(near(l->at.y, 2.75));
    EXPECT_LT(l->at.x, 0.0);
}

TEST(OverviewScene, ASlabAwayFromTheOriginIsDimensionedByItsOwnSize) {
    const auto o =
        scene::overviewScene(slab8x55(3, 2), {800, 600}, OverviewTarget::Screen, true, false);
    EXPECT_NE(textOf(o.scene, "8.00"), nullptr);
    EXPECT_NE(textOf(o.scene, "5.50"), nullptr);
    EXPECT_TRUE(near(textOf(o.scene, "8.00")->at.x, 7.0));
}

TEST(OverviewScene, ArrowHeadsPointAlongTheirLines) {
    const auto o =
        scene::overviewScene(slab8x55(), {1000, 1000}, OverviewTarget::Screen, true, false);
    const double perMetre = 900.0 / 8.0;
    const double length = 8 * 0.75 / perMetre, half = 3 * 0.75 / perMetre;
    const double xTip = 35 * 0.75 / perMetre;
    bool xHead = false, rightHead = false;
    for (const auto* p : o.scene.all<scene::Polygon>()) {
        if (p->points.size() != 3 || p->fill != scene::kBlack) continue;
        const auto& tip = p->points[0];
        // The x axis' head: its base lies a head's length behind the tip, half a width aside.
        if (near(tip.x, xTip) && tip.y == 0) {
            xHead = near(p->points[1].x, xTip - length) && near(p->points[1].y, half) &&
                    near(p->points[2].x, xTip - length) && near(p->points[2].y, -half);
        }
        // The width dimension's right head points to the right.
        if (near(tip.x, 8.0) && tip.y < 0) rightHead = p->points[1].x < tip.x;
    }
    EXPECT_TRUE(xHead);
    EXPECT_TRUE(rightHead);
}

TEST(OverviewScene, DimensionLines17PixelsOutsideTheSlab) {
    // 1000 x 1000 points: the width limits, 0.9 * 1000 / 8 points per metre.
    const auto o =
        scene::overviewScene(slab8x55(), {1000, 1000}, OverviewTarget::Screen, true, false);
    const double perMetre = 900.0 / 8.0;
    const double offset = 17 * 0.75 / perMetre; // 17 pixels of 96 per inch, in metres
    bool widthLine = false, lengthLine = false;
    for (const auto* line : o.scene.all<scene::Polyline>()) {
        if (line->points.size() != 2) continue;
        const auto& a = line->points[0];
        const auto& b = line->points[1];
        if (near(a.y, -offset) && near(b.y, -offset) && near(a.x, 0) && near(b.x, 8))
            widthLine = true;
        if (near(a.x, -offset) && near(b.x, -offset) && near(a.y, 0) && near(b.y, 5.5))
            lengthLine = true;
    }
    EXPECT_TRUE(widthLine);
    EXPECT_TRUE(lengthLine);
    // End ticks across both ends of the width line, 5 pixels to either side.
    const double tick = 5 * 0.75 / perMetre;
    int ticks = 0;
    for (const auto* line : o.scene.all<scene::Polyline>()) {
        const auto& a = line->points.front();
        const auto& b = line->points.back();
        if ((near(a.x, 0) || near(a.x, 8)) && a.x == b.x && near(a.y, -offset - tick) &&
            near(b.y, -offset + tick))
            ++ticks;
    }
    EXPECT_EQ(ticks, 2);
    // Arrow heads: two per dimension line, one per axis.
    int heads = 0;
    for (const auto* p : o.scene.all<scene::Polygon>())
        if (p->fill == scene::kBlack && p->points.size() == 3) ++heads;
    EXPECT_EQ(heads, 6);
}

TEST(OverviewScene, AxesAtTheOrigin) {
    const auto o =
        scene::overviewScene(slab8x55(3, 2), {1000, 1000}, OverviewTarget::Screen, true, false);
    const auto markers = o.scene.all<scene::Marker>();
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0]->at, (scene::Point{0, 0}));
    EXPECT_EQ(markers[0]->shape, scene::MarkerShape::Circle);
    EXPECT_FALSE(markers[0]->filled);
    EXPECT_TRUE(near(markers[0]->size, 10 * 0.75)); // 5 pixels radius
    const double perMetre = 900.0 / 8.0;
    bool xAxis = false, yAxis = false;
    for (const auto* line : o.scene.all<scene::Polyline>()) {
        if (line->points.front() != scene::Point{0, 0}) continue;
        const auto& tip = line->points.back();
        if (near(tip.x, 35 * 0.75 / perMetre) && tip.y == 0) xAxis = true;
        if (tip.x == 0 && near(tip.y, 25 * 0.75 / perMetre)) yAxis = true;
    }
    EXPECT_TRUE(xAxis);
    EXPECT_TRUE(yAxis);
}

TEST(OverviewScene, ThePlanFills90PercentOnScreenAnd80OnPaper) {
    // Wide area: the length limits.
    auto o = scene::overviewScene(slab8x55(), {2000, 550}, OverviewTarget::Screen, true, false);
    EXPECT_TRUE(
        near(5.5 / (static_cast<double>(o.scene.bounds.y2) - o.scene.bounds.y1), 0.9, 1e-6));
    // Tall area: the width limits.
    o = scene::overviewScene(slab8x55(), {800, 3000}, OverviewTarget::Screen, true, false);
    EXPECT_TRUE(near(8.0 / width(o.scene.bounds), 0.9, 1e-6));
    o = scene::overviewScene(slab8x55(), {800, 3000}, OverviewTarget::Printer, true, false);
    EXPECT_TRUE(near(8.0 / width(o.scene.bounds), 0.8, 1e-6));
    // The window keeps the area's proportions, so x and y share one scale, and the slab is in
    // its middle.
    EXPECT_TRUE(
        near(width(o.scene.bounds) / (static_cast<double>(o.scene.bounds.y2) - o.scene.bounds.y1),
             800.0 / 3000.0, 1e-6));
    EXPECT_TRUE(near((static_cast<double>(o.scene.bounds.x1) + o.scene.bounds.x2) / 2, 4.0, 1e-6));
}

TEST(OverviewScene, TheScaleFactorOfPscalaScalesTheLabels) {
    auto in = slab8x55();
    in.scaleFactor = 1.5;
    const auto o = scene::overviewScene(in, {800, 600}, OverviewTarget::Screen, true, false);
    EXPECT_EQ(textOf(o.scene, "8.00")->height, 15);
    EXPECT_EQ(textOf(o.scene, "5.50")->height, 15);
    in.scaleFactor = 0; // a damaged factor draws at 1
    EXPECT_EQ(
        textOf(scene::overviewScene(in, {800, 600}, OverviewTarget::Screen, true, false).scene,
               "8.00")
            ->height,
        10);
}

TEST(OverviewScene, NodesOnOneLineDrawTheElementsWithoutAxesOrDimensions) {
    scene::OverviewInput in;
    in.positionName = "L";
    in.mesh.nodes = {{}, {0, 0}, {4, 0}, {8, 0}};
    in.mesh.elements = {{}, {1, 2, 2, 1}, {2, 3, 3, 2}};
    in.bounds = slab::WorldRect{0, 0, 8, 0};
    const auto o = scene::overviewScene(in, {800, 600}, OverviewTarget::Screen, true, false);
    EXPECT_TRUE(o.planDrawn);
    EXPECT_EQ(elements(o.scene).size(), 2u);
    EXPECT_TRUE(o.scene.all<scene::Text>().empty());
    EXPECT_TRUE(o.scene.all<scene::Marker>().empty());
    EXPECT_GT(width(o.scene.bounds), 8.0);
}

TEST(OverviewScene, HiddenPlanOrNoModelDrawsOnlyTheGround) {
    auto o = scene::overviewScene(slab8x55(), {800, 600}, OverviewTarget::Screen, false, false);
    EXPECT_FALSE(o.planDrawn);
    EXPECT_FALSE(o.hidePlan);
    EXPECT_EQ(o.scene.items.size(), 1u);
    scene::OverviewInput empty;
    empty.positionName = "NEU";
    o = scene::overviewScene(empty, {800, 600}, OverviewTarget::Screen, true, true);
    EXPECT_EQ(o.title, "Deckenplatte Position NEU");
    EXPECT_FALSE(o.planDrawn);
    EXPECT_FALSE(o.hidePlan);
    EXPECT_EQ(o.scene.items.size(), 2u); // ground and title
}

TEST(OverviewScene, MoreThan3000ElementsOrABadCornerHideThePlan) {
    auto in = slab8x55();
    auto o = scene::overviewScene(in, {800, 600}, OverviewTarget::Screen, true, false);
    EXPECT_TRUE(o.planDrawn);
    in.mesh.elements.resize(3002, in.mesh.elements[1]);
    o = scene::overviewScene(in, {800, 600}, OverviewTarget::Screen, true, false);
    EXPECT_TRUE(o.hidePlan);
    EXPECT_FALSE(o.planDrawn);
    EXPECT_TRUE(elements(o.scene).empty());
    in = slab8x55();
    in.mesh.elements.resize(3001, in.mesh.elements[1]); // exactly 3000 elements draw
    EXPECT_TRUE(
        scene::overviewScene(in, {800, 600}, OverviewTarget::Screen, true, false).planDrawn);
    for (int bad : {3001, 16, 0, -4}) {
        in = slab8x55();
        in.mesh.elements[5][2] = bad;
        o = scene::overviewScene(in, {800, 600}, OverviewTarget::Screen, true, false);
        EXPECT_TRUE(o.hidePlan) << bad;
        EXPECT_EQ(o.scene.items.size(), 1u) << bad;
    }
}

TEST(OverviewScene, InputFromTheModelArraysOfAPosition) {
    tarvik::PositionModel m;
    m.nodeCount = 4;
    m.elementCount = 1;
    m.nodes = slab::RecordTable<slab::NodeRecord>(5);
    const double xy[4][2] = {{0, 0}, {8, 0}, {8, 5.5}, {0, 5.5}};
    for (int k = 1; k <= 4; ++k) {
        (*m.nodes)[k].x = xy[k - 1][0];
        (*m.nodes)[k].y = xy[k - 1][1];
    }
    m.elements = slab::RecordTable<slab::ElementRecord>(2);
    (*m.elements)[1].node = {1, 2, 3, 4};
    auto in = scene::overviewInput(m, "P1", 1.25);
    EXPECT_EQ(in.mesh.nodeCount(), 4);
    EXPECT_EQ(in.mesh.elements[1], (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(in.bounds, (slab::WorldRect{0, 0, 8, 5.5f}));
    EXPECT_EQ(in.scaleFactor, 1.25);
    EXPECT_FALSE(in.groundSlab);
    m.bedding = slab::RecordTable<slab::BeddingRecord>(2);
    // No bedding modulus under an element, and row 0 is not an element.
    (*m.bedding)[0].v[0] = 20000.0f;
    EXPECT_FALSE(scene::overviewInput(m, "P1", 1.0).groundSlab);
    (*m.bedding)[1].v[0] = 20000.0f;
    in = scene::overviewInput(m, "P1", 1.0);
    EXPECT_TRUE(in.groundSlab);
    EXPECT_EQ(scene::overviewScene(in, {800, 600}, OverviewTarget::Screen, true, false).title,
              "Bodenplatte Position P1");
    // Without the node file there is nothing to draw.
    m.nodes.reset();
    EXPECT_FALSE(scene::overviewInput(m, "P1", 1.0).bounds);
}

} // namespace
