// Transitional: a console command list of handlers, until every console binds its action table.
#pragma once

#include "ui/console/arguments.hpp"
#include "ui/console/command_loop.hpp"
#include "ui/console/console_ui.hpp"

#include <functional>
#include <string>
#include <vector>

namespace ui {

struct Command {
    std::string name;
    std::string arguments;
    std::string help;
    std::function<Flow(const std::vector<std::string>& words, const std::string& rest)> run;
};

inline Flow runCommandLoop(const std::vector<Command>& commands, LineInput& in, std::ostream& out) {
    std::vector<ConsoleCommand> list;
    for (const auto& c : commands) list.push_back({c.name, c.arguments, c.help});
    return runCommandLoop(
        list, [&](std::size_t i, const CommandCall& call) { return commands[i].run(call.words, call.rest); },
        in, out);
}

inline std::string helpText(const std::vector<Command>& commands) {
    std::vector<ConsoleCommand> list;
    for (const auto& c : commands) list.push_back({c.name, c.arguments, c.help});
    return helpText(std::span<const ConsoleCommand>(list));
}

} // namespace ui
