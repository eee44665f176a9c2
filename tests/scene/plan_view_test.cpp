// The overview's plan view: hidden at start, the right click, and how it follows the position.
#include "scene/plan_view.hpp"

#include <gtest/gtest.h>

using scene::PlanView;
using scene::RightClick;

namespace {

PlanView shownPlan() {
    PlanView plan;
    plan.toggle();
    return plan;
}

} // namespace

TEST(PlanView, HiddenAtStartAndToggled) {
    PlanView plan;
    EXPECT_FALSE(plan.shown());
    plan.toggle();
    EXPECT_TRUE(plan.shown());
    plan.toggle();
    EXPECT_FALSE(plan.shown());
    plan.toggle();
    plan.hide();
    EXPECT_FALSE(plan.shown());
    plan.hide();
    EXPECT_FALSE(plan.shown());
}

TEST(PlanView, RightClickShowsAHiddenPlanThenAsksForTheResults) {
    PlanView plan;
    EXPECT_EQ(plan.rightClick(), RightClick::ShowPlan);
    EXPECT_TRUE(plan.shown());
    // Shown: every further click asks for the results and leaves the plan as it is.
    EXPECT_EQ(plan.rightClick(), RightClick::Results);
    EXPECT_EQ(plan.rightClick(), RightClick::Results);
    EXPECT_TRUE(plan.shown());
}

TEST(PlanView, AnOpenedPositionShowsThePlanExactlyWhenItHasAModel) {
    PlanView hidden;
    hidden.positionOpened(true);
    EXPECT_TRUE(hidden.shown());
    PlanView shown = shownPlan();
    shown.positionOpened(false);
    EXPECT_FALSE(shown.shown());
    PlanView again = shownPlan();
    again.positionOpened(true);
    EXPECT_TRUE(again.shown());
    PlanView none;
    none.positionOpened(false);
    EXPECT_FALSE(none.shown());
}

TEST(PlanView, APositionReadAgainNeverShowsAHiddenPlan) {
    PlanView hidden;
    hidden.positionReread(true);
    EXPECT_FALSE(hidden.shown());
    hidden.positionReread(false);
    EXPECT_FALSE(hidden.shown());
    PlanView kept = shownPlan();
    kept.positionReread(true);
    EXPECT_TRUE(kept.shown());
    // The model went (the editor saved under another name, a new data path): the plan goes.
    kept.positionReread(false);
    EXPECT_FALSE(kept.shown());
    kept.positionReread(true);
    EXPECT_FALSE(kept.shown());
}
