// The command line ".POS @datapath/ [@n]" that the manager passes to the other programs.
#pragma once

#include <string>
#include <string_view>

namespace slab {

struct CommandLine {
    std::string position; ///< the text before the first "@", without the blank before it
    std::string dataPath; ///< the text after the first "@" (up to a second "@")
    std::string third;    ///< the text after a second "@", if any
};

/// Joins a program's arguments with single blanks, the string the splitting rules work on.
std::string joinArguments(int argc, const char* const* argv);

/// Splits S by its "@" signs; without any "@" all three parts stay empty.
CommandLine splitCommandLine(std::string_view s);

} // namespace slab
