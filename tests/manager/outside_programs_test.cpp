// Programs outside the suite: the result graphics with the suite's own result viewer in its
// place, starts that fail named in a message, and the scale factor of the overview drawing.
#include "manager/plot_settings.hpp"
#include "solver/modelfiles/ttable.hpp"
#include "tests/manager/manager_fixtures.hpp"

#include <gtest/gtest.h>

namespace {

using managertest::FakeLauncher;
using managertest::Workspace;
using ports::Wait;
using Start = FakeLauncher::Start;

struct OutsidePrograms : ::testing::Test {
    Workspace s;
    std::string at;
    void SetUp() override {
        s.settings("P1", s.data.str());
        managertest::writeModel(s.dir("P1"), 2, 1);
        at = "@" + s.data.str();
    }
};

TEST_F(OutsidePrograms, ResultsStartTheResultGraphicsWhenInstalled) {
    auto m = s.started();
    EXPECT_TRUE(m.resultsStep());
    EXPECT_EQ(s.launcher.starts, (std::vector<Start>{{"DAVIZO", {".P1", at}, Wait::No}}));
    EXPECT_TRUE(s.ui.messages.empty());
}

TEST_F(OutsidePrograms, WithoutTheResultGraphicsTheOwnViewerStarts) {
    s.launcher.missing = {"DAVIZO"};
    auto m = s.started();
    EXPECT_TRUE(m.resultsStep());
    EXPECT_EQ(s.launcher.starts, (std::vector<Start>{{"DAVIZO", {".P1", at}, Wait::No},
                                                     {"ergebnisbild", {".P1", at}, Wait::No}}));
    EXPECT_TRUE(s.ui.messages.empty());
}

TEST_F(OutsidePrograms, WithNeitherAMessageNamesBoth) {
    s.launcher.missing = {"DAVIZO", "ergebnisbild"};
    auto m = s.started();
    EXPECT_TRUE(m.resultsStep());
    ASSERT_EQ(s.ui.messages.size(), 1u);
    EXPECT_EQ(s.ui.messages[0].title, "Hinweis");
    EXPECT_EQ(s.ui.messages[0].text,
              "Die Ergebnisse können nicht dargestellt werden: weder die Ergebnisgrafik DAVIZO "
              "noch der Ergebnisbetrachter ergebnisbild ist installiert.");
}

TEST_F(OutsidePrograms, ProtocolRestartsOfTheResultsTakeTheOwnViewerWithTheLoadCase) {
    ASSERT_TRUE(slab::appendTimeTableRecord(s.dir("P1"), {1'700'000'000, "Berechnung LF 2"}));
    ASSERT_TRUE(slab::appendTimeTableRecord(s.dir("P1"), {1'700'000'000, "Bemessung"}));
    ASSERT_TRUE(slab::appendTimeTableRecord(s.dir("P1"), {1'700'000'000, "Eingabe Satz 4"}));
    s.launcher.missing = {"DAVIZO", "ruvane"};
    auto m = s.started();
    EXPECT_EQ(m.restartFromProtocol(1), "DAVIZO");
    EXPECT_EQ(m.restartFromProtocol(2), "DAVIZO");
    EXPECT_EQ(s.launcher.starts, (std::vector<Start>{{"DAVIZO", {".P1", at, "@2"}, Wait::No},
                                                     {"ergebnisbild", {".P1", at, "@2"}, Wait::No},
                                                     {"DAVIZO", {".P1", at}, Wait::No},
                                                     {"ergebnisbild", {".P1", at}, Wait::No}}));
    EXPECT_TRUE(s.ui.messages.empty());
    // The result-point editor has no stand-in: the message names it.
    EXPECT_EQ(m.restartFromProtocol(3), "ruvane");
    EXPECT_EQ(s.ui.texts(), (std::vector<std::string>{"Das Programm ruvane ist nicht installiert "
                                                      "(gesucht im Suchpfad PATH)."}));
}

TEST_F(OutsidePrograms, AStartThatFailsIsNamed) {
    s.launcher.result = ports::LaunchResult::Failed;
    auto m = s.started();
    m.explorer();
    EXPECT_EQ(s.ui.texts(),
              (std::vector<std::string>{"Das Programm xdg-open konnte nicht gestartet werden."}));
    EXPECT_TRUE(m.resultsStep());
    EXPECT_EQ(s.ui.texts().back(), "Das Programm DAVIZO konnte nicht gestartet werden.");
}

TEST_F(OutsidePrograms, TheConsoleWaitsForTheViewerAndReadsAgain) {
    s.launcher.missing = {"DAVIZO"};
    tarvik::ManagerOptions options;
    options.waitForEveryChild = true;
    auto m = s.started(options);
    EXPECT_TRUE(m.resultsStep());
    EXPECT_EQ(s.launcher.starts.back(), (Start{"ergebnisbild", {".P1", at}, Wait::Yes}));
}

TEST(DrawingScale, ReadFromPscalaAtTheFirstOpening) {
    Workspace s;
    s.settings("P1", s.data.str());
    tarvik::PlotParameters p;
    p.drawingScale = 1.5;
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "PSCALA", tarvik::encodePlotParameters(p)));
    auto m = s.started();
    EXPECT_EQ(m.drawingScale(), 1.5);
    // Read once: a later change of the file waits for the next start or for the dialog.
    p.drawingScale = 2.0;
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "PSCALA", tarvik::encodePlotParameters(p)));
    m.openPosition();
    EXPECT_EQ(m.drawingScale(), 1.5);
    m.setDrawingScale(2.0);
    EXPECT_EQ(m.drawingScale(), 2.0);
}

TEST(DrawingScale, OneWithoutPscala) {
    Workspace s;
    s.settings("P1", s.data.str());
    auto m = s.started();
    EXPECT_EQ(m.drawingScale(), 1.0);
}

} // namespace
