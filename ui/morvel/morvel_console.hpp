// The console front end of the geometry editor.
#pragma once

#include "ui/console/console_ui.hpp"

#include <ostream>
#include <string>

namespace morvel {

/// Runs the editor on the command line ".POS @datapath/" with the given working directory until
/// "beenden" or the end of input; returns the process exit status.
int runConsole(const std::string& commandLine, const std::string& workDirectory,
               ui::LineInput& input, std::ostream& out);

} // namespace morvel
