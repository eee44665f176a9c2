// The console front end of the project manager.
#pragma once

#include "manager/launcher.hpp"
#include "ui/core/console_ui.hpp"

#include <ostream>
#include <string>

namespace tarvik {

/// Runs the manager in the working directory until "beenden" or the end of input; every
/// program it starts is waited for, since it shares the console's terminal and input.
/// Returns the process exit status.
int runConsole(const std::string& workDirectory, ui::LineInput& input, std::ostream& out,
               Launcher& launcher);

} // namespace tarvik
