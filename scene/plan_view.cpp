// The overview's plan view state.
#include "scene/plan_view.hpp"

namespace scene {

RightClick PlanView::rightClick() {
    if (shown_) return RightClick::Results;
    shown_ = true;
    return RightClick::ShowPlan;
}

void PlanView::positionOpened(bool hasModel) {
    shown_ = hasModel;
}

void PlanView::positionReread(bool hasModel) {
    // A plan the user hid stays hidden; one without a model to draw goes.
    shown_ = shown_ && hasModel;
}

} // namespace scene
