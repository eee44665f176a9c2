// The manager's command table: well formed, "hilfe" byte for byte as before, the keys of the
// work steps, and no key that clashes with a menu's access key.
#include "tests/manager/golden.hpp"
#include "tests/support/action_table_checks.hpp"
#include "ui/console/command_loop.hpp"
#include "ui/tarvik/tarvik_actions.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace {

using tarvik::Action;

const ui::ActionSpec<Action>& spec(Action action) {
    const auto* found = ui::findAction(tarvik::actions(), action);
    EXPECT_NE(found, nullptr);
    static const ui::ActionSpec<Action> none{};
    return found ? *found : none;
}

TEST(TarvikActions, TableIsWellFormed) {
    testsupport::expectWellFormedTable(tarvik::actions(), 39);
}

TEST(TarvikActions, HelpIsDerivedFromTheTableAsBefore) {
    const std::string help = ui::helpText(ui::consoleCommands(tarvik::actions()));
    EXPECT_TRUE(managertest::matchesFixture("hilfe.txt", help));
    EXPECT_EQ(ui::findCommand(tarvik::actions(), "rechtsklick")->action, Action::RightClick);
    EXPECT_EQ(ui::findCommand(tarvik::actions(), "hilfe"), nullptr);
}

TEST(TarvikActions, WorkStepsOnMenuAndToolBarWithTheirKeysAndTooltips) {
    EXPECT_EQ(spec(Action::Geometry).text, "&Abmessungen");
    EXPECT_EQ(spec(Action::Geometry).tooltip, "Abmessungen eingeben");
    EXPECT_EQ(spec(Action::Loads).text, "&Belastung");
    EXPECT_EQ(spec(Action::Loads).tooltip, "Belastung eingeben");
    EXPECT_EQ(spec(Action::Calculation).text, "&Rechnen");
    EXPECT_EQ(spec(Action::Calculation).tooltip, "Starten der Berechnung");
    EXPECT_EQ(spec(Action::Results).text, "&Ergebnisse");
    EXPECT_EQ(spec(Action::Results).tooltip, "Darstellung der Ergebnisse");
    EXPECT_EQ(spec(Action::Results).shortcut, "Alt+G");
    for (Action a : {Action::Geometry, Action::Loads, Action::Calculation, Action::Results,
                     Action::NewPosition, Action::DocumentList, Action::TogglePlan}) {
        EXPECT_EQ(spec(a).toolBar, ui::ToolBar::First) << spec(a).text;
        EXPECT_FALSE(spec(a).menu.empty()) << spec(a).text;
    }
    EXPECT_EQ(spec(Action::DocumentList).text, "&Info");
    EXPECT_EQ(spec(Action::DocumentList).shortcut, "Alt+T");
    EXPECT_EQ(spec(Action::Discretisation).shortcut, "Alt+1");
    EXPECT_EQ(spec(Action::LoadCaseList).text, "Liste der Lastfälle ALT + 2");
    EXPECT_EQ(spec(Action::LoadCaseList).shortcut, "Alt+2");
    EXPECT_EQ(spec(Action::TogglePlan).text, "Grundriß einblenden");
    EXPECT_EQ(spec(Action::TogglePlan).shortcut, "Alt+A");
    EXPECT_TRUE(spec(Action::TogglePlan).checkable);
    EXPECT_EQ(spec(Action::Quit).shortcut, "Esc");
    // The dialog bar's buttons.
    for (Action a : {Action::ChooseDataPath, Action::OpenPosition, Action::Explorer}) {
        EXPECT_EQ(spec(a).toolBar, ui::ToolBar::Second) << spec(a).text;
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
