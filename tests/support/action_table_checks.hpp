// Checks every program's action table must pass: each action once, each console word once.
#pragma once

#include "ui/actions/action_table.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace testsupport {

/// Each action appears once and no console word or menu entry stands twice; `count` actions.
template <class Action>
void expectWellFormedTable(std::span<const ui::ActionEntry<Action>> table, std::size_t count) {
    std::set<int> actions;
    std::set<std::string> words, entries;
    for (const auto& entry : table) {
        EXPECT_TRUE(actions.insert(static_cast<int>(entry.action)).second)
            << "action " << static_cast<int>(entry.action) << " twice";
        if (!entry.command.empty()) {
            EXPECT_TRUE(words.insert(std::string(entry.command)).second) << entry.command;
        }
        if (!entry.menu.empty()) {
            EXPECT_TRUE(
                entries.insert(std::string(entry.menu) + "|" + std::string(entry.text)).second)
                << entry.text;
        }
        EXPECT_TRUE(!entry.command.empty() || !entry.text.empty())
            << "action " << static_cast<int>(entry.action) << " has neither a word nor a text";
        EXPECT_NE(entry.command, "hilfe") << "the loop owns hilfe";
    }
    EXPECT_EQ(actions.size(), count);
    // Actions are numbered from 0 without gaps, so count covers the whole enum.
    if (!actions.empty()) {
        EXPECT_EQ(*actions.rbegin(), static_cast<int>(count) - 1);
    }
}

} // namespace testsupport
