// A program's console commands, declared once as data; the loop and "hilfe" derive from it.
#pragma once

#include "ui/console/console_ui.hpp"

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace ui {

/// What the loop does after a command.
enum class Flow { Continue, Stop };

struct Command {
    std::string name;      ///< the word typed
    std::string arguments; ///< how the arguments are written, for "hilfe"
    std::string help;      ///< one line for "hilfe"
    /// Runs the command; words are the blank-separated arguments, rest the text after the name.
    std::function<Flow(const std::vector<std::string>& words, const std::string& rest)> run;
};

/// Splits a line into blank-separated words.
std::vector<std::string> splitWords(const std::string& line);

/// Dialog fields given as name=wert; words without "=" are returned under the key "".
std::map<std::string, std::string> parseFields(const std::vector<std::string>& words);

/// Reads commands line by line until a command stops the loop or the input ends; "hilfe" is
/// added to the table. Returns Flow::Stop if a command stopped it, Continue at end of input.
Flow runCommandLoop(const std::vector<Command>& commands, LineInput& in, std::ostream& out);

/// The lines "hilfe" prints.
std::string helpText(const std::vector<Command>& commands);

} // namespace ui
