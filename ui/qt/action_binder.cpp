// Menus and tool bars of a main window.
#include "ui/qt/action_binder.hpp"

#include "ui/qt/qt_ui.hpp"
#include "ui/qt/tool_icons.hpp"

#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace qtui {

QMenu* MenuBuilder::menu(std::string_view title) {
    const QString key = qs(title);
    auto it = menus_.find(key);
    if (it != menus_.end()) return it->second;
    // "A/B" is the submenu B of the menu A.
    const auto slash = title.rfind('/');
    QMenu* m = slash == std::string_view::npos
                   ? window_.menuBar()->addMenu(key)
                   : menu(title.substr(0, slash))->addMenu(qs(title.substr(slash + 1)));
    menus_[key] = m;
    return m;
}

QToolBar* MenuBuilder::toolBar(ui::ToolBar which) {
    switch (which) {
    case ui::ToolBar::None:
        return nullptr;
    case ui::ToolBar::First:
        if (!first_) first_ = window_.addToolBar(QStringLiteral("Symbolleiste"));
        return first_;
    case ui::ToolBar::Second:
        if (!second_) second_ = window_.addToolBar(QStringLiteral("Ansicht"));
        return second_;
    }
    return nullptr;
}

QAction* MenuBuilder::action(std::string_view text, std::string_view shortcut,
                             std::string_view tooltip, bool checkable, std::string_view icon) {
    auto* action = new QAction(qs(text), &window_); // owned by the window
    if (!icon.empty()) action->setIcon(toolIcon(icon));
    if (!shortcut.empty())
        action->setShortcut(QKeySequence(qs(shortcut), QKeySequence::PortableText));
    if (!tooltip.empty()) {
        action->setToolTip(qs(tooltip));
        action->setStatusTip(qs(tooltip));
    }
    action->setCheckable(checkable);
    window_.addAction(action);
    return action;
}

void MenuBuilder::place(QAction* action, std::string_view menuTitle, std::string_view text) {
    if (menuTitle.empty()) return;
    if (menuTitle == text)
        window_.menuBar()->addAction(action);
    else
        menu(menuTitle)->addAction(action);
}

void MenuBuilder::placeOnToolBar(QAction* action, ui::ToolBar which) {
    if (QToolBar* bar = toolBar(which)) bar->addAction(action);
}

} // namespace qtui
