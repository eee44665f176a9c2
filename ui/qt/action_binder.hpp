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
    /// A QAction for one table entry, placed in its menu (a menu title without entries is a
    /// command of the menu bar itself) and tool bar.
    QAction* add(std::string_view menu, std::string_view text, std::string_view shortcut,
                 std::string_view tooltip, ui::ToolBar toolBar, bool checkable);
    QMenu* menu(std::string_view title);
    QToolBar* toolBar(ui::ToolBar which);

  private:
    QMainWindow& window_;
    std::map<QString, QMenu*> menus_;
    QToolBar* first_ = nullptr;
    QToolBar* second_ = nullptr;
};

/// The QActions of a program's table: every entry with a menu text gets one, triggering
/// `run(action)`.
template <class Action> class ActionBinder {
  public:
    ActionBinder(QMainWindow& window, std::span<const ui::ActionSpec<Action>> table,
                 std::function<void(Action)> run)
        : builder_(window) {
        for (const auto& spec : table) {
            if (spec.text.empty() && spec.menu.empty()) continue;
            QAction* a = builder_.add(spec.menu, spec.text.empty() ? spec.menu : spec.text,
                                      spec.shortcut, spec.tooltip, spec.toolBar, spec.checkable);
            const Action action = spec.action;
            QObject::connect(a, &QAction::triggered, a, [run, action] { run(action); });
            actions_[action] = a;
        }
    }
    /// The QAction of an action; nullptr when it has no menu entry.
    QAction* operator[](Action a) const {
        auto it = actions_.find(a);
        return it == actions_.end() ? nullptr : it->second;
    }
    MenuBuilder& builder() { return builder_; }

  private:
    MenuBuilder builder_;
    std::map<Action, QAction*> actions_;
};

} // namespace qtui
