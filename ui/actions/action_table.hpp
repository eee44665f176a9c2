// A program's commands declared once as data: the console's command word and help line, and the
// window's menu entry, shortcut, tool bar and tooltip. Both front ends are built from the table.
#pragma once

#include <span>
#include <string_view>

namespace ui {

/// The tool bar an action appears on.
enum class ToolBar { None, First, Second };

/// One command of a program. Action is the program's enum class of commands; the window and the
/// console each switch over it without a default, so that no command can be forgotten.
template <class Action> struct ActionEntry {
    Action action{};
    std::string_view command{};   ///< the console word; empty when only the window has it
    std::string_view arguments{}; ///< how the console arguments are written, for "hilfe"
    std::string_view help{};      ///< the line "hilfe" shows
    std::string_view menu{};      ///< the menu title ("&Position"); empty when in no menu
    std::string_view text{};      ///< the menu entry with its access key ("&Neu")
    std::string_view shortcut{};  ///< a key sequence in portable text form ("Ctrl+N"), or empty
    std::string_view tooltip{};   ///< the tool bar's tooltip and the status-line hint
    ToolBar toolBar = ToolBar::None;
    bool checkable = false;  ///< a switch shown with a check mark
    std::string_view icon{}; ///< the tool-bar icon's name (ui/qt/tool_icons.hpp), or empty
};

/// The entry of an action; nullptr when the table does not hold it.
template <class Action>
const ActionEntry<Action>* findAction(std::span<const ActionEntry<Action>> table, Action action) {
    for (const auto& entry : table)
        if (entry.action == action) return &entry;
    return nullptr;
}

/// The entry whose console word is `word`; nullptr when there is none.
template <class Action>
const ActionEntry<Action>* findCommand(std::span<const ActionEntry<Action>> table,
                                       std::string_view word) {
    if (word.empty()) return nullptr;
    for (const auto& entry : table)
        if (entry.command == word) return &entry;
    return nullptr;
}

} // namespace ui
