// The result viewer's commands, declared once for the window and the console.
#pragma once

#include "ui/actions/action_table.hpp"
#include "viewer/quantity.hpp"

#include <optional>
#include <span>

namespace ergebnisbild {

enum class Action {
    Quantity, ///< console: the quantity by name
    ShowW,    ///< window: one entry per quantity, in the order of viewer::kQuantities
    ShowMxx,
    ShowMyy,
    ShowMxy,
    ShowM1,
    ShowM2,
    ShowQx,
    ShowQy,
    ShowSoil,
    ShowReactions,
    LoadCase,    ///< the load case shown
    Perspective, ///< the deformed slab in perspective instead of the plan
    View,        ///< console: "ansicht grundriss|perspektive"
    Reload,      ///< read the results again after a new calculation
    Value,       ///< the value at a point
    Extremes,    ///< minimum and maximum with their places
    Picture,     ///< the picture as PNG, PDF or SVG
    Report,      ///< the PDF report
    Print,
    PrintPreview,
    Fit, ///< the whole slab in the window
    ZoomIn,
    ZoomOut,
    Quit,
};

/// Every command, in the order the console lists them and the menus show them.
std::span<const ui::ActionEntry<Action>> actions();

/// The window's action that shows quantity q, and the quantity of such an action.
Action showAction(viewer::Quantity q);
std::optional<viewer::Quantity> shownQuantity(Action a);

} // namespace ergebnisbild
