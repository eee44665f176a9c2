// The overview's plan view as every front end of the manager keeps it: following the manager's
// position, and the right mouse button in the drawing.
#pragma once

#include "manager/manager.hpp"
#include "scene/plan_view.hpp"

namespace tarvik {

/// Applies a change of the open position to the plan: hidden at start and without a position,
/// shown for an opened position with a model, and gone when a reread position lost its model.
void followPosition(scene::PlanView& plan, PositionEvent event, const Manager& manager);

/// The right mouse button in the drawing: shows a hidden plan, or starts the results.
scene::RightClick rightClick(scene::PlanView& plan, Manager& manager);

} // namespace tarvik
