// A window's menus, tool bars and shortcuts built from a program's action table.
#pragma once

#include "ui/actions/action_table.hpp"

#include <QAction>
#include <QString>

#include <functional>
#include <map>
#include <span>
#include <string_view>

class QMainWindow;
class QMenu;
class QToolBar;

namespace qtui {

/// Creates menus and tool bars of a main window on demand, in the order first asked for.
class MenuBuilder {
  public:
    explicit MenuBuilder(QMainWindow& window) : window_(window) {}
    /// A QAction of the window with its text, shortcut and tooltip; it answers its shortcut
    /// even where it stands in no menu.
    QAction* action(std::string_view text, std::string_view shortcut, std::string_view tooltip,
                    bool checkable, std::string_view icon = {});
    /// Puts the action into its menu; a menu whose title is the action's text is a command of
    /// the menu bar itself. Nothing for an empty menu title.
    void place(QAction* action, std::string_view menu, std::string_view text);
    /// Puts the action on its tool bar.
    void placeOnToolBar(QAction* action, ui::ToolBar which);
    /// The menu of that title, made on first use; "A/B" names the submenu B of menu A.
    QMenu* menu(std::string_view title);
    QToolBar* toolBar(ui::ToolBar which);

  private:
    QMainWindow& window_;
    std::map<QString, QMenu*> menus_;
    QToolBar* first_ = nullptr;
    QToolBar* second_ = nullptr;
};

/// The QActions of a program's window: the actions of `menus`, in that order, in their menus
/// (the menus appear in the order first named), then those of `toolBars` on their tool bars;
/// each triggers `run(action)`. Without the two lists every table entry with a text is taken
/// in table order.
template <class Action> class ActionBinder {
  public:
    ActionBinder(QMainWindow& window, std::span<const ui::ActionEntry<Action>> table,
                 std::function<void(Action)> run, std::span<const Action> menus = {},
                 std::span<const Action> toolBars = {})
        : builder_(window) {
        if (menus.empty() && toolBars.empty()) {
            for (const auto& entry : table)
                if (!entry.text.empty() || !entry.menu.empty()) {
                    QAction* a = make(entry, run);
                    builder_.place(a, entry.menu, entry.text);
                    builder_.placeOnToolBar(a, entry.toolBar);
                }
            return;
        }
        for (Action action : menus)
            if (const auto* entry = ui::findAction(table, action))
                builder_.place(make(*entry, run), entry->menu, entry->text);
        for (Action action : toolBars)
            if (const auto* entry = ui::findAction(table, action))
                builder_.placeOnToolBar(make(*entry, run), entry->toolBar);
    }
    /// The QAction of an action; nullptr when the window has none.
    QAction* operator[](Action a) const {
        auto it = actions_.find(a);
        return it == actions_.end() ? nullptr : it->second;
    }
    MenuBuilder& builder() { return builder_; }

  private:
    /// The one QAction of an entry, made the first time it is asked for.
    QAction* make(const ui::ActionEntry<Action>& entry, const std::function<void(Action)>& run) {
        if (auto it = actions_.find(entry.action); it != actions_.end()) return it->second;
        QAction* a = builder_.action(entry.text.empty() ? entry.menu : entry.text, entry.shortcut,
                                     entry.tooltip, entry.checkable, entry.icon);
        const Action action = entry.action;
        QObject::connect(a, &QAction::triggered, a, [run, action] { run(action); });
        actions_[action] = a;
        return a;
    }

    MenuBuilder builder_;
    std::map<Action, QAction*> actions_;
};

} // namespace qtui
