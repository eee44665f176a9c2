// The session: command lines, the load case and quantity chosen, and what a failure keeps.
#include "tests/viewer/viewer_fixtures.hpp"
#include "viewer/session.hpp"

#include <filesystem>

namespace {

using viewer::Quantity;
using viewerfixtures::Position;

TEST(Session, OpensTheLowestComputedLoadCase) {
    Position p;
    viewerfixtures::compute(p.dir(), slab::ExampleSlab{}, 3);
    viewerfixtures::compute(p.dir(), slab::ExampleSlab{}, 2, {}, viewerfixtures::Write::LoadsOnly);
    ui::ScriptedUi ui;
    viewer::Session s(ui);
    ASSERT_TRUE(s.open(p.commandLine()));
    EXPECT_EQ(s.loadCase(), 2);
    EXPECT_EQ(s.positionName(), "P1");
    EXPECT_EQ(s.directory(), p.dir());
    EXPECT_EQ(s.computedLoadCases(), (std::vector<int>{2, 3}));
    EXPECT_EQ(s.caption(), "Position P1, Lastfall 2");
    ASSERT_TRUE(s.results());
    EXPECT_EQ(s.results()->loadCase, 2);
    ASSERT_TRUE(s.open(p.commandLine(3)));
    EXPECT_EQ(s.loadCase(), 3);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Session, RefusesBadCommandLines) {
    Position p;
    ui::ScriptedUi ui;
    viewer::Session s(ui);
    EXPECT_FALSE(s.open(""));
    EXPECT_FALSE(s.open("P1 @/daten/"));
    EXPECT_FALSE(s.open(p.commandLine() + " @x"));
    EXPECT_FALSE(s.open(p.commandLine() + " @100"));
    EXPECT_FALSE(s.open(". @/daten/"));
    EXPECT_EQ(ui.texts(),
              (std::vector<std::string>{"Kommandozeile: .POS @Datenpfad/ [@Lastfall]",
                                        "Kommandozeile: .POS @Datenpfad/ [@Lastfall]",
                                        "@x ist keine Lastfallnummer; zulässig sind 0 bis 99.",
                                        "@100 ist keine Lastfallnummer; zulässig sind 0 bis 99.",
                                        "Kommandozeile: .POS @Datenpfad/ [@Lastfall]"}));
    EXPECT_EQ(ui.messages[0].title, "Fehlende Eingabe");
    EXPECT_EQ(ui.messages[2].title, "Ergebnisbild");
    EXPECT_FALSE(s.results());
}

TEST(Session, APositionWithoutResults) {
    Position p;
    ui::ScriptedUi ui;
    viewer::Session s(ui);
    EXPECT_FALSE(s.open(p.commandLine()));
    EXPECT_EQ(ui.texts().back(), "Für die Position P1 gibt es keine Ergebnisse in " + p.dir() +
                                     ". Berechnen Sie einen Lastfall mit vintor.");
    EXPECT_FALSE(s.results());
    EXPECT_FALSE(s.extremes());
    EXPECT_EQ(s.caption(), "Position P1, Lastfall 1"); // the first load case, as vintor's form
}

TEST(Session, APositionThatDoesNotExist) {
    Position p;
    ui::ScriptedUi ui;
    viewer::Session s(ui);
    EXPECT_FALSE(s.open(".P2 @" + p.dataPath()));
    EXPECT_EQ(ui.texts().back(),
              "Das Positionsverzeichnis " + p.dataPath() +
                  "SDIRFEMP2/ existiert nicht. Prüfen Sie Position und Datenpfad.");
    EXPECT_FALSE(s.open(".P2 @" + p.dataPath() + " @3"));
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.texts().back(), ui.texts().front());
}

TEST(Session, AFailedChoiceKeepsWhatIsShown) {
    Position p;
    viewerfixtures::compute(p.dir(), slab::ExampleSlab{}, 1);
    ui::ScriptedUi ui;
    viewer::Session s(ui);
    ASSERT_TRUE(s.open(p.commandLine(1)));
    EXPECT_FALSE(s.chooseLoadCase(4));
    EXPECT_EQ(ui.texts().back(), "Der Lastfall 4 wurde nicht berechnet: die Ergebnisdatei "
                                 "Knoten3LF4 fehlt. Berechnen Sie den Lastfall 4 mit vintor.");
    EXPECT_EQ(s.loadCase(), 1);
    ASSERT_TRUE(s.results());

    EXPECT_FALSE(s.chooseQuantity(Quantity::Soil));
    EXPECT_EQ(ui.texts().back(), "Die Platte liegt auf keiner Bettung und hat daher keine "
                                 "Bodenpressung. Wählen Sie eine andere Größe.");
    EXPECT_EQ(s.quantity(), Quantity::W);
    EXPECT_TRUE(s.chooseQuantity(Quantity::Mxy));
    EXPECT_EQ(s.quantity(), Quantity::Mxy);
    EXPECT_TRUE(s.extremes());
}

// Results that became stale while shown are dropped on reading them again.
TEST(Session, ReloadDropsStaleResults) {
    Position p;
    viewerfixtures::compute(p.dir(), slab::ExampleSlab{}, 1);
    ui::ScriptedUi ui;
    viewer::Session s(ui);
    ASSERT_TRUE(s.open(p.commandLine()));
    const auto t = std::filesystem::last_write_time(p.dir() + "Elemente3LF1");
    std::filesystem::last_write_time(p.dir() + "KNOTEN1", t + std::chrono::seconds(3));
    EXPECT_FALSE(s.reload());
    EXPECT_FALSE(s.results());
    EXPECT_EQ(ui.texts().back(), "Die Ergebnisse von Lastfall 1 sind älter als die Datei KNOTEN1. "
                                 "Berechnen Sie den Lastfall 1 neu.");
}

} // namespace
