// The load editor's view state: the switches kept in MMRYL, the world window following the plan
// until zoomed, the modes with their prompts, drawn corners on nodes or to the centimetre, the
// click presets, and the steps through the load case list.
#include "common/binary_io.hpp"
#include "loads/view_memory.hpp"
#include "tests/loads/grid_positions.hpp"
#include "ui/daskel/daskel_view.hpp"

#include <gtest/gtest.h>

using daskel::DaskelView;
using daskel::ViewMode;
using daskel::ViewSwitches;

namespace {

struct ViewOnPosition {
    gridtest::DataPath path;
    ui::ScriptedUi ui;
    std::unique_ptr<daskel::LoadEditor> editor;
    std::unique_ptr<DaskelView> view;
    ViewOnPosition() {
        path.position("P1");
        editor = path.editor("P1", ui);
        view = std::make_unique<DaskelView>(*editor, ui);
    }
    std::vector<std::uint8_t> memory() const {
        return slab::readFileBytes(path.work.str() + "MMRYL.P1")
            .value_or(std::vector<std::uint8_t>{});
    }
};

} // namespace

TEST(ViewMemory, SwitchesBesideTheSelfWeightPresets) {
    daskel::Memory m; // no file: the defaults
    EXPECT_EQ(daskel::viewSwitches(m), ViewSwitches{});
    EXPECT_TRUE(ViewSwitches{}.printFrame);
    EXPECT_TRUE(ViewSwitches{}.autoOrientation);
    ViewSwitches s;
    s.nodeNumbers = true;
    s.printFrame = false;
    daskel::setViewSwitches(m, s);
    ASSERT_EQ(m.image.size(), 144u);
    EXPECT_EQ((std::vector<std::uint8_t>(m.image.begin() + 56, m.image.begin() + 60)),
              (std::vector<std::uint8_t>{1, 2, 1, 2}));
    // An image that was no file takes the presets it showed, so that a file written now keeps
    // 25 and 1.5 for the self-weight dialog.
    EXPECT_TRUE(m.present);
    EXPECT_EQ(slab::getLE<float>(m.image.data() + 48), 25.0f);
    EXPECT_EQ(slab::getLE<float>(m.image.data() + 52), 1.5f);
    EXPECT_EQ(daskel::viewSwitches(daskel::decodeMemory(m.image)), s);
    // A file of an earlier version holds zeros there: the defaults.
    std::vector<std::uint8_t> old(144, 0);
    EXPECT_EQ(daskel::viewSwitches(daskel::decodeMemory(old)), ViewSwitches{});
}

TEST(DaskelView, SwitchesSurviveTheSelfWeightDialog) {
    ViewOnPosition v;
    v.view->toggle(&ViewSwitches::elementNumbers);
    EXPECT_TRUE(v.view->switches().elementNumbers);
    EXPECT_EQ(v.memory()[57], 1);
    // The self-weight dialog writes MMRYL too and keeps the switch.
    v.editor->selfWeight(24, 2);
    const auto m = v.memory();
    EXPECT_EQ(m[57], 1);
    EXPECT_EQ(slab::getLE<float>(m.data() + 48), 24.0f);
    // Toggled twice it is off again; the next view starts with the file's switches.
    v.view->toggle(&ViewSwitches::printFrame);
    DaskelView next(*v.editor, v.ui);
    EXPECT_TRUE(next.switches().elementNumbers);
    EXPECT_FALSE(next.printOptions().frame);
    EXPECT_TRUE(next.printOptions().landscapeWhenWide);
}

TEST(DaskelView, TheWindowFollowsThePlanUntilZoomed) {
    ViewOnPosition v;
    const slab::WorldRect whole = v.view->visible();
    EXPECT_NEAR(whole.x1, -0.3, 1e-6);
    EXPECT_NEAR(whole.x2, 10.3, 1e-6);
    // An element load brings the legend, and the window widens to show it.
    v.editor->setElementLoad(1, 5);
    EXPECT_NEAR(v.view->visible().x2, 10.3 + 3.4, 1e-5);
    EXPECT_TRUE(v.view->zoomTo({6, 4}, {2, 1}));
    EXPECT_EQ(v.view->visible(), (slab::WorldRect{2, 1, 6, 4}));
    EXPECT_EQ(v.view->plan().bounds, (slab::WorldRect{2, 1, 6, 4}));
    // A rectangle without width is refused with DefineWorld's message.
    EXPECT_FALSE(v.view->zoomTo({3, 1}, {3, 5}));
    ASSERT_FALSE(v.ui.messages.empty());
    EXPECT_EQ(v.ui.messages.back().title, "Bereichs-Fehler in DefineWorld");
    v.view->zoomOut();
    EXPECT_EQ(v.view->visible(), (slab::WorldRect{-2, -1.5f, 10, 6.5f}));
    v.view->fit();
    EXPECT_NEAR(v.view->visible().x2, 10.3 + 3.4, 1e-5);
}

TEST(DaskelView, ModesAndTheirPrompts) {
    ViewOnPosition v;
    EXPECT_EQ(v.view->prompt(), daskel::kNoPrompt);
    v.view->toggleMode(ViewMode::ElementLoads);
    EXPECT_EQ(v.view->prompt(), "Elementlasten: Auf Element klicken");
    v.view->toggleMode(ViewMode::EdgeLoads);
    EXPECT_EQ(v.view->mode(), ViewMode::EdgeLoads);
    EXPECT_EQ(v.view->prompt(), "Linienlasten: Linke Maustaste - Rechte Taste = Kontextmenü");
    v.view->toggleMode(ViewMode::NodeLoads);
    EXPECT_EQ(v.view->prompt(), "Knotenlasten: Auf Knoten klicken");
    v.view->toggleMode(ViewMode::NodeLoads);
    EXPECT_EQ(v.view->mode(), ViewMode::None);
    // A drawing mode keeps its corners until the mode changes.
    v.view->toggleMode(ViewMode::DrawArea);
    EXPECT_FALSE(v.view->addCorner({1, 1}));
    EXPECT_FALSE(v.view->addCorner({2, 1}));
    EXPECT_EQ(v.view->sketch().size(), 2u);
    v.view->toggleMode(ViewMode::DrawLine);
    EXPECT_TRUE(v.view->sketch().empty());
    EXPECT_FALSE(v.view->addCorner({1, 1}));
    EXPECT_TRUE(v.view->addCorner({3, 1}));
    v.view->toggleMode(ViewMode::DrawPoint);
    EXPECT_TRUE(v.view->addCorner({5, 5}));
    EXPECT_TRUE(v.view->addCorner({6, 5}));
    EXPECT_EQ(v.view->sketch(), (std::vector<scene::Point>{{6, 5}}));
    // The sketch of an area is drawn closed.
    v.view->toggleMode(ViewMode::DrawArea);
    for (scene::Point p : {scene::Point{1, 1}, {2, 1}, {2, 2}})
        v.view->addCorner(p);
    const scene::Scene plan = v.view->plan();
    const auto lines = plan.all<scene::Polyline>();
    EXPECT_TRUE(lines.back()->closed);
    EXPECT_EQ(lines.back()->pen.style, scene::LineStyle::Dashed);
}

TEST(DaskelView, DrawnCornersOnNodesOrToTheCentimetre) {
    ViewOnPosition v;
    // Nodes are 1 m apart: within a quarter metre a corner lands on the node.
    EXPECT_EQ(v.view->snapped({3.2, 4.1}), (scene::Point{3, 4}));
    EXPECT_EQ(v.view->snapped({3.15, 3.85}), (scene::Point{3, 4}));
    // Farther off (0.31 m) it stays where it was clicked.
    EXPECT_NEAR(v.view->snapped({3.24, 3.8}).x, 3.24, 1e-12);
    const scene::Point free = v.view->snapped({3.456, 4.504});
    EXPECT_NEAR(free.x, 3.46, 1e-12);
    EXPECT_NEAR(free.y, 4.5, 1e-12);
}

TEST(DaskelView, ClickPresets) {
    ViewOnPosition v;
    EXPECT_EQ(v.view->elementPreset(), 0);
    v.view->rememberElementLoad(7.5);
    EXPECT_EQ(v.view->elementPreset(), 7.5);
    // An edge shows its own load; one without load the value entered last.
    v.view->rememberEdgeLoad(3);
    EXPECT_EQ(v.view->edgePreset({4, 2}), 3);
    v.editor->setEdgeLoad(4, 2, 6);
    EXPECT_EQ(v.view->edgePreset({4, 2}), 6);
    // What lies under a click: element 12 is the cell 1..2 × 1..2.
    EXPECT_EQ(v.view->elementAt({1.5, 1.5}), 12);
    EXPECT_EQ(v.view->elementAt({4.5, 4.5}), std::nullopt); // the opening
    EXPECT_EQ(v.view->edgeNear({2.9, 0.5}), (scene::EdgePick{3, 2}));
    EXPECT_EQ(v.view->nodeNear({2.1, 0.95}), 14);
    EXPECT_EQ(DaskelView::cursorText({3.456, -0.004}), "3.46  -0.00");
}

TEST(DaskelView, StepsThroughTheList) {
    ViewOnPosition v;
    EXPECT_EQ(v.view->neighbour(true), std::nullopt); // an empty list
    ASSERT_TRUE(v.editor->save(4, "Vier"));
    ASSERT_TRUE(v.editor->save(2, "Zwei"));
    ASSERT_TRUE(v.editor->save(7, "Sieben"));
    // From a new load case either key goes to the first entry.
    v.editor->newLoadCase();
    EXPECT_EQ(v.view->neighbour(true), 4);
    EXPECT_EQ(v.view->neighbour(false), 4);
    v.view->stepTo(4);
    EXPECT_EQ(v.editor->caption(), "Position P1  LF 4");
    EXPECT_EQ(v.view->neighbour(true), 2);
    EXPECT_EQ(v.view->neighbour(false), std::nullopt); // before the first: stays
    v.view->stepTo(7);
    EXPECT_EQ(v.view->neighbour(true), std::nullopt); // past the last: stays
    EXPECT_EQ(v.view->neighbour(false), 2);
    // A listed load case without its header: reset, and the steps go on from its entry.
    std::filesystem::remove(v.path.dir("P1") + "PL02.P1");
    v.view->stepTo(2);
    EXPECT_EQ(v.editor->caption(), "Position P1  Der LF 2 ist nicht definiert.");
    EXPECT_EQ(v.editor->loadCase().number, 0);
    EXPECT_EQ(v.view->neighbour(true), 7);
    EXPECT_EQ(v.view->neighbour(false), 4);
    // Also from the last entry.
    std::filesystem::remove(v.path.dir("P1") + "PL07.P1");
    v.view->stepTo(7);
    EXPECT_EQ(v.editor->loadCase().number, 0);
    EXPECT_EQ(v.view->neighbour(true), std::nullopt);
    EXPECT_EQ(v.view->neighbour(false), 2);
}
