// The calculation form's commands, declared once for the window and the console.
#pragma once

#include "ui/actions/action_table.hpp"

#include <span>

namespace vintor {

enum class Action {
    Path,          ///< the field "Datenpfad:"
    LoadCase,      ///< the field "Lastfall (Nr.):"
    Conforming,    ///< the radio choice "Konform (empfohlen)"
    NonConforming, ///< the radio choice "Nichtkonform"
    Start,         ///< "&Start der Berechnung"
    Show,          ///< the form's fields as they stand
    About,         ///< the about box
    End,           ///< "&Ende"
};

/// Every command of the form, in the order the console lists them.
std::span<const ui::ActionEntry<Action>> actions();

} // namespace vintor
