// Menus and tool bars of a main window.
#include "ui/qt/action_binder.hpp"

#include "ui/qt/qt_ui.hpp"

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
    QMenu* m = window_.menuBar()->addMenu(key);
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

QAction* MenuBuilder::add(std::string_view menuTitle, std::string_view text,
                          std::string_view shortcut, std::string_view tooltip,
                          ui::ToolBar which, bool checkable) {
    auto* action = new QAction(qs(text), &window_); // owned by the window
    if (!shortcut.empty())
        action->setShortcut(QKeySequence(qs(shortcut), QKeySequence::PortableText));
    if (!tooltip.empty()) {
        action->setToolTip(qs(tooltip));
        action->setStatusTip(qs(tooltip));
    }
    action->setCheckable(checkable);
    if (!menuTitle.empty()) {
        if (menuTitle == text)
            window_.menuBar()->addAction(action);
        else
            menu(menuTitle)->addAction(action);
    } else {
        // Without a menu the action still answers its shortcut.
        window_.addAction(action);
    }
    if (QToolBar* bar = toolBar(which)) bar->addAction(action);
    return action;
}

} // namespace qtui
