// The console's command loop and "hilfe", derived from a program's table of actions.
#pragma once

#include "ui/actions/action_table.hpp"
#include "ui/console/line_input.hpp"

#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

/// What the loop does after a command.
enum class Flow { Continue, Stop };

/// One command as the console shows it in "hilfe".
struct ConsoleCommand {
    std::string_view word;
    std::string_view arguments;
    std::string_view help;
};

/// A command line as typed: the command word, the blank-separated words after it, and the text
/// after the word without the blanks around it (for arguments that may hold blanks).
struct CommandCall {
    std::string word;
    std::vector<std::string> words;
    std::string rest;
};

/// The lines "hilfe" prints: every command, then "hilfe" itself.
std::string helpText(std::span<const ConsoleCommand> commands);

/// Reads commands line by line until one stops the loop or the input ends; empty lines and
/// lines starting with "#" are passed over, "hilfe" lists the commands, an unknown word is
/// named. run(i, call) runs commands[i]. Returns Flow::Stop when a command stopped the loop,
/// Continue at the end of input.
Flow runCommandLoop(std::span<const ConsoleCommand> commands,
                    const std::function<Flow(std::size_t, const CommandCall&)>& run, LineInput& in,
                    std::ostream& out);

/// The table's actions that have a console word, in table order.
template <class Action>
std::vector<ConsoleCommand> consoleCommands(std::span<const ActionEntry<Action>> table) {
    std::vector<ConsoleCommand> commands;
    for (const auto& entry : table)
        if (!entry.command.empty())
            commands.push_back({entry.command, entry.arguments, entry.help});
    return commands;
}

/// The call of an action as "hilfe" shows it ("kante X Y"), for usage messages.
template <class Action>
std::string callOf(std::span<const ActionEntry<Action>> table, Action action) {
    const ActionEntry<Action>* entry = findAction(table, action);
    if (!entry) return {};
    std::string call(entry->command);
    if (!entry->arguments.empty()) call += " " + std::string(entry->arguments);
    return call;
}

/// The loop over a program's action table: run(action, call) runs the action typed.
template <class Action, class Run>
Flow runCommandLoop(std::span<const ActionEntry<Action>> table, Run&& run, LineInput& in,
                    std::ostream& out) {
    std::vector<Action> actions;
    for (const auto& entry : table)
        if (!entry.command.empty()) actions.push_back(entry.action);
    return runCommandLoop(
        consoleCommands(table),
        [&](std::size_t i, const CommandCall& call) { return run(actions[i], call); }, in, out);
}

} // namespace ui
