// The console front end of the solver's calculation form.
#pragma once

#include "ui/console/console_ui.hpp"

#include <ostream>
#include <string>

namespace vintor {

/// Runs the form for the command line text until "ende" or the end of input; returns the
/// process exit status.
int runConsole(const std::string& commandLine, ui::LineInput& input, std::ostream& out);

} // namespace vintor
