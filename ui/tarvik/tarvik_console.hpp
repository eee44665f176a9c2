// The console front end of the project manager.
#pragma once

#include "ports/launcher.hpp"
#include "ui/console/console_ui.hpp"

#include <ostream>
#include <string>

namespace tarvik {

/// Runs the manager in the working directory until "beenden" or the end of input; every
/// program it starts is waited for, since it shares the console's terminal and input.
/// Returns the process exit status.
int runConsole(const std::string& workDirectory, ui::LineInput& input, std::ostream& out,
               ports::Launcher& launcher);

} // namespace tarvik
