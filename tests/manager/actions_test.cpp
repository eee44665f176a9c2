// The manager's command table: well formed, "hilfe" byte for byte as before, the keys of the
// work steps, and no key that clashes with a menu's access key.
#include "tests/support/action_table_checks.hpp"
#include "tests/support/golden.hpp"
#include "ui/console/command_loop.hpp"
#include "ui/tarvik/tarvik_actions.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace {

using tarvik::Action;

const ui::ActionEntry<Action>& entry(Action action) {
    const auto* found = ui::findAction(tarvik::actions(), action);
    EXPECT_NE(found, nullptr);
    static const ui::ActionEntry<Action> none{};
    return found ? *found : none;
}

TEST(TarvikActions, TableIsWellFormed) {
    testsupport::expectWellFormedTable(tarvik::actions(), 48);
}

TEST(TarvikActions, HelpIsDerivedFromTheTableAsBefore) {
    const std::string help = ui::helpText(ui::consoleCommands(tarvik::actions()));
    EXPECT_TRUE(testsupport::matchesFixture("hilfe.txt", help));
    EXPECT_EQ(ui::findCommand(tarvik::actions(), "rechtsklick")->action, Action::RightClick);
    EXPECT_EQ(ui::findCommand(tarvik::actions(), "hilfe"), nullptr);
}

/// A window command with the text, key and tooltip its users know it by.
struct Known {
    Action action;
    std::string_view text, shortcut, tooltip;
};

TEST(TarvikActions, WindowCommandsWithTheirTextsKeysAndTooltips) {
    const Known known[] = {
        {Action::Geometry, "&Abmessungen", "", "Abmessungen eingeben"},
        {Action::Loads, "&Belastung", "", "Belastung eingeben"},
        {Action::Calculation, "&Rechnen", "", "Starten der Berechnung"},
        {Action::Results, "&Ergebnisse", "Alt+G", "Darstellung der Ergebnisse"},
        {Action::DocumentList, "&Info", "Alt+T", ""},
        {Action::Discretisation, "Diskretisierung ALT + 1", "Alt+1", ""},
        {Action::LoadCaseList, "Liste der Lastfälle ALT + 2", "Alt+2", ""},
        {Action::TogglePlan, "Grundriß einblenden", "Alt+A", "Grundriß einblenden"},
        {Action::Quit, "&Beenden", "Esc", ""},
    };
    for (const Known& k : known) {
        EXPECT_EQ(entry(k.action).text, k.text);
        EXPECT_EQ(entry(k.action).shortcut, k.shortcut) << k.text;
        EXPECT_EQ(entry(k.action).tooltip, k.tooltip) << k.text;
    }
    EXPECT_TRUE(entry(Action::TogglePlan).checkable);
    for (Action a : {Action::Geometry, Action::Loads, Action::Calculation, Action::Results,
                     Action::NewPosition, Action::DocumentList, Action::TogglePlan}) {
        EXPECT_EQ(entry(a).toolBar, ui::ToolBar::First) << entry(a).text;
        EXPECT_FALSE(entry(a).menu.empty()) << entry(a).text;
    }
    // The dialog bar's buttons.
    for (Action a : {Action::ChooseDataPath, Action::OpenPosition, Action::Explorer}) {
        EXPECT_EQ(entry(a).toolBar, ui::ToolBar::Second) << entry(a).text;
    }
}

TEST(TarvikActions, NoKeyIsTakenTwiceOrByAMenuTitle) {
    std::set<std::string> keys;
    for (const auto& s : tarvik::actions()) {
        if (s.shortcut.empty()) continue;
        EXPECT_TRUE(keys.insert(std::string(s.shortcut)).second) << s.shortcut;
    }
    // A menu title's access key is Alt and its letter: a shortcut on it would be ambiguous.
    std::set<std::string> menus;
    for (const auto& s : tarvik::actions())
        if (!s.menu.empty()) menus.insert(std::string(s.menu));
    EXPECT_EQ(menus.size(), 6u);
    for (const auto& menu : menus) {
        const auto amp = menu.find('&');
        ASSERT_NE(amp, std::string::npos) << menu;
        const std::string key =
            std::string("Alt+") +
            static_cast<char>(std::toupper(static_cast<unsigned char>(menu[amp + 1])));
        EXPECT_EQ(keys.count(key), 0u) << menu << " and " << key;
    }
}

} // namespace
