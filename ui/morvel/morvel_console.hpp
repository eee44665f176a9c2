// The console front end of the geometry editor.
#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace morvel {

/// Runs the editor on the command line ".POS @datapath/" with the given working directory until
/// "beenden" or the end of input; returns the process exit status.
int runConsole(const std::string& commandLine, const std::string& workDirectory, std::istream& in,
               std::ostream& out, bool interactive);

} // namespace morvel
