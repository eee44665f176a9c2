// World windows: the DefineWorld check, zoom, extents and the world/device mapping.
#include "scene/world.hpp"
#include "ui/console/scripted_ui.hpp"

#include <gtest/gtest.h>

using scene::Point;
using scene::WorldRect;

TEST(World, DegenerateWindowIsRefusedAndTheFormerOneKept) {
    ui::ScriptedUi box;
    scene::World w;
    ASSERT_TRUE(scene::defineWorld(w, 2, {0, 0, 10, 5}, box));
    EXPECT_FALSE(scene::defineWorld(w, 2, {1.5f, 0, 1.5f, 5}, box));
    EXPECT_FALSE(scene::defineWorld(w, 1, {0, 2, 4, 2}, box));
    EXPECT_FALSE(scene::defineWorld(w, 3, {0, 0, 1, 1}, box));
    EXPECT_EQ(w.slot[2], (WorldRect{0, 0, 10, 5}));
    EXPECT_EQ(w.slot[1], WorldRect{});
    ASSERT_EQ(box.messages.size(), 3u);
    EXPECT_EQ(box.messages[0].title, "Bereichs-Fehler in DefineWorld");
    EXPECT_EQ(box.messages[0].text, "x1 = 1.50 y1 = 0.00 x2 = 1.50 y2 = 5.00");
    EXPECT_EQ(box.messages[2].text, "x1 = 0.00 y1 = 0.00 x2 = 1.00 y2 = 1.00");
}

TEST(World, ExtentsOfAMeshOnOneLineAreRefusedButTheVisibleWindowFollows) {
    ui::ScriptedUi box;
    scene::Mesh line;
    line.nodes = {{}, {0, 2}, {4, 2}, {8, 2}};
    auto extents = scene::meshExtents(line);
    ASSERT_TRUE(extents);
    EXPECT_EQ(*extents, (WorldRect{0, 2, 8, 2}));
    scene::World w;
    w.slot[2] = {0, 0, 1, 1};
    scene::showExtents(w, *extents, box);
    EXPECT_EQ(w.visible, *extents);
    EXPECT_EQ(w.slot[2], (WorldRect{0, 0, 1, 1}));
    ASSERT_EQ(box.texts(), std::vector<std::string>{"x1 = 0.00 y1 = 2.00 x2 = 8.00 y2 = 2.00"});
    EXPECT_FALSE(scene::meshExtents(scene::Mesh{}));
}

TEST(World, ZoomOutGrowsAboutTheCentreAndDraggedCornersAreSorted) {
    EXPECT_EQ(scene::zoomedOut({0, 0, 10, 5}), (WorldRect{-5, -2.5f, 15, 7.5f}));
    // Away from the origin the rule takes the centre's coordinates, not the half-size.
    EXPECT_EQ(scene::zoomedOut({10, 10, 12, 12}), (WorldRect{-1, -1, 23, 23}));
    EXPECT_EQ(scene::draggedRect({4, 1}, {2, 3}), (WorldRect{2, 1, 4, 3}));
}

TEST(WorldMapping, IsAnisotropicWithYUpAndRoundTrips) {
    // 10 m × 5 m onto 800 × 200 pixels at (100, 50): 80 px/m in x, 40 px/m in y.
    scene::WorldMapping m({0, 0, 10, 5}, {100, 50, 800, 200});
    EXPECT_DOUBLE_EQ(m.scaleX(), 80);
    EXPECT_DOUBLE_EQ(m.scaleY(), 40);
    EXPECT_EQ(m.toDevice({0, 0}), (Point{100, 250}));
    EXPECT_EQ(m.toDevice({10, 5}), (Point{900, 50}));
    EXPECT_EQ(m.toDevice({2.5, 1}), (Point{300, 210}));
    const Point back = m.toWorld(m.toDevice({3.25, -1.75}));
    EXPECT_NEAR(back.x, 3.25, 1e-12);
    EXPECT_NEAR(back.y, -1.75, 1e-12);
}

TEST(WorldMapping, SelectWorldTakesSlotsOneAndTwoOnly) {
    ui::ScriptedUi box;
    scene::World w;
    w.slot[2] = {-1, -1, 1, 1};
    auto m = scene::selectWorld(w, 2, {0, 0, 200, 100}, box);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->toDevice({0, 0}), (Point{100, 50}));
    EXPECT_FALSE(scene::selectWorld(w, 0, {0, 0, 200, 100}, box));
    ASSERT_EQ(box.messages.size(), 1u);
    EXPECT_EQ(box.messages[0].title, "Fehler");
    EXPECT_EQ(box.messages[0].text, "Index-Fehler in SelectWorld");
    // A degenerate slot cannot be mapped; nothing is drawn and no message repeats.
    w.slot[1] = {2, 2, 2, 2};
    EXPECT_FALSE(scene::selectWorld(w, 1, {0, 0, 200, 100}, box));
    EXPECT_EQ(box.messages.size(), 1u);
}
