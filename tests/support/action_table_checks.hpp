// Checks every program's action table must pass: each action once, each console word once.
#pragma once

#include "ui/actions/action_table.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace testsupport {

/// Each action appears once and no console word or menu entry stands twice; `count` actions.
template <class Action>
void expectWellFormedTable(std::span<const ui::ActionSpec<Action>> table, std::size_t count) {
    std::set<int> actions;
    std::set<std::string> words, entries;
    for (const auto& spec : table) {
        EXPECT_TRUE(actions.insert(static_cast<int>(spec.action)).second)
            << "action " << static_cast<int>(spec.action) << " twice";
        if (!spec.command.empty()) {
            EXPECT_TRUE(words.insert(std::string(spec.command)).second) << spec.command;
        }
        if (!spec.menu.empty()) {
            EXPECT_TRUE(entries.insert(std::string(spec.menu) + "|" + std::string(spec.text)).second)
                << spec.text;
        }
        EXPECT_TRUE(!spec.command.empty() || !spec.text.empty())
            << "action " << static_cast<int>(spec.action) << " has neither a word nor a text";
        EXPECT_NE(spec.command, "hilfe") << "the loop owns hilfe";
    }
    EXPECT_EQ(actions.size(), count);
    // Actions are numbered from 0 without gaps, so count covers the whole enum.
    if (!actions.empty()) {
        EXPECT_EQ(*actions.rbegin(), static_cast<int>(count) - 1);
    }
}

} // namespace testsupport
