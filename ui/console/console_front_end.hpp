// What every program's console front end shares: the input, the output, the console's message
// boxes, the usage message and the dialog fields asked for on a terminal.
#pragma once

#include "ui/console/arguments.hpp"
#include "ui/console/command_loop.hpp"
#include "ui/console/console_ui.hpp"

#include <ostream>
#include <string>
#include <string_view>

namespace ui {

class ConsoleFrontEnd {
  protected:
    ConsoleFrontEnd(LineInput& input, std::ostream& out)
        : input_(input), out_(out), console_(input, out) {}

    /// "Fehlende Eingabe: Aufruf: <call>"; the loop goes on.
    Flow usage(std::string_view call);

    /// A dialog field left out of the command: on a terminal it is asked for as
    /// "label [current]: ", and an empty answer keeps current; from a script current stays.
    std::string askField(std::string_view label, const std::string& current);

    LineInput& input_;
    std::ostream& out_;
    ConsoleUi console_;
};

} // namespace ui
