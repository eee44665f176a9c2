// The overview's plan view following the manager.
#include "ui/tarvik/tarvik_view.hpp"

namespace tarvik {

void followPosition(scene::PlanView& plan, PositionEvent event, const Manager& manager) {
    const bool hasModel = manager.model().hasModel();
    switch (event) {
    case PositionEvent::Started:
    case PositionEvent::Closed:
        plan.hide();
        return;
    case PositionEvent::Opened:
        plan.positionOpened(hasModel);
        return;
    case PositionEvent::Reread:
        plan.positionReread(hasModel);
        return;
    }
}

scene::RightClick rightClick(scene::PlanView& plan, Manager& manager) {
    const scene::RightClick click = plan.rightClick();
    switch (click) {
    case scene::RightClick::ShowPlan:
        break;
    case scene::RightClick::Results:
        manager.resultsStep();
        break;
    }
    return click;
}

} // namespace tarvik
