// The work steps: their checks and messages, the exact argument lists of every start, which
// starts are waited for, what is read again afterwards, the protocol view and its restarts.
#include "solver/modelfiles/ttable.hpp"
#include "tests/manager/manager_fixtures.hpp"

#include <gtest/gtest.h>

namespace {

using managertest::FakeLauncher;
using managertest::Workspace;
using ports::Wait;
using Start = FakeLauncher::Start;

struct WorkSteps : ::testing::Test {
    Workspace s;
    std::string at; ///< "@" + the data path
    void SetUp() override {
        s.settings("P1", s.data.str());
        std::filesystem::create_directories(s.dir("P1"));
        at = "@" + s.data.str();
    }
    void model() { managertest::writeModel(s.dir("P1"), 2, 1); }
    void record(const std::string& text) {
        ASSERT_TRUE(slab::appendTimeTableRecord(s.dir("P1"), {1'700'000'000, text}));
    }
};

TEST_F(WorkSteps, StepsWithoutTheModelAreRefused) {
    auto m = s.started();
    EXPECT_FALSE(m.loadStep());
    EXPECT_FALSE(m.resultsStep());
    ASSERT_EQ(s.ui.messages.size(), 2u);
    EXPECT_EQ(s.ui.messages[0].title, "Achtung");
    EXPECT_EQ(s.ui.messages[0].text, "Erst die Abmessungen der Platte eingeben.");
    EXPECT_EQ(s.ui.messages[1].title, "Tarvik");
    EXPECT_EQ(s.ui.messages[1].text, "Erst die Abmessungen der Platte eingeben.");
    EXPECT_TRUE(s.launcher.starts.empty());
    // The solver has no check: its own form reports what is missing.
    EXPECT_TRUE(m.calculationStep());
    EXPECT_EQ(s.launcher.starts, (std::vector<Start>{{"vintor", {".P1", at}, ports::Wait::No}}));
}

// A copy whose geometry step was left unsaved has model files without nodes: that is no geometry
// either, and the load editor would ask its questions of an empty slab.
TEST_F(WorkSteps, AModelWithoutNodesIsNoGeometry) {
    // PARAMETER with no nodes and no elements, and the empty tables.
    ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "PARAMETER", std::vector<std::uint8_t>(8, 0)));
    ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "KNOTEN1", std::string()));
    ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "ELEMENTE1", std::string()));
    auto m = s.started();
    EXPECT_FALSE(m.loadStep());
    EXPECT_FALSE(m.resultsStep());
    ASSERT_EQ(s.ui.messages.size(), 2u);
    EXPECT_EQ(s.ui.messages[0].text, "Erst die Abmessungen der Platte eingeben.");
    EXPECT_TRUE(s.launcher.starts.empty());
    model();
    m.openPosition();
    EXPECT_TRUE(m.loadStep());
}

TEST_F(WorkSteps, ArgumentListsAndWaits) {
    model();
    auto m = s.started();
    m.geometryStep();
    EXPECT_TRUE(m.loadStep());
    EXPECT_TRUE(m.calculationStep());
    EXPECT_TRUE(m.resultsStep());
    m.explorer();
    EXPECT_EQ(s.launcher.starts, (std::vector<Start>{
                                     {"morvel", {".P1", at}, ports::Wait::Yes},
                                     {"daskel", {".P1", at}, ports::Wait::No},
                                     {"vintor", {".P1", at}, ports::Wait::No},
                                     {"DAVIZO", {".P1", at}, ports::Wait::No},
                                     {"xdg-open", {s.data.str()}, ports::Wait::No},
                                 }));
    EXPECT_TRUE(s.ui.messages.empty());
}

TEST_F(WorkSteps, NoPositionStartsNothing) {
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "EXT", tarvik::encodeField("")));
    auto m = s.started();
    m.geometryStep();
    EXPECT_FALSE(m.calculationStep());
    EXPECT_FALSE(m.duplicate("P2"));
    EXPECT_TRUE(s.launcher.starts.empty());
    EXPECT_EQ(s.ui.texts().back(),
              "Es ist keine Position gewählt. Bitte zuerst eine Position anlegen oder öffnen.");
    EXPECT_TRUE(m.protocol().empty());
}

TEST_F(WorkSteps, AfterTheGeometryEditorSettingsAndPositionAreReadAgain) {
    model();
    auto m = s.started();
    s.plan.toggle();
    // The editor saved the plate under a new name: EXT changes and the model is elsewhere.
    s.launcher.action = [&](const std::string& program, const std::vector<std::string>&) {
        if (program != "morvel") return;
        managertest::writeModel(s.dir("P5"), 4, 3);
        ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "EXT", tarvik::encodeField(".P5")));
    };
    m.geometryStep();
    EXPECT_EQ(m.positionName(), "P5");
    EXPECT_EQ(m.model().nodeCount, 20);
    EXPECT_TRUE(s.plan.shown());
    // A step that leaves no model hides the plan.
    s.launcher.action = [&](const std::string&, const std::vector<std::string>&) {
        ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "EXT", tarvik::encodeField(".P6")));
    };
    m.geometryStep();
    EXPECT_EQ(m.positionName(), "P6");
    EXPECT_FALSE(s.plan.shown());
    // A start that fails names the program; the reading again still happens.
    s.launcher.result = ports::LaunchResult::NotFound;
    s.launcher.action = [&](const std::string&, const std::vector<std::string>&) {
        ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "EXT", tarvik::encodeField(".P1")));
    };
    m.geometryStep();
    EXPECT_EQ(m.positionName(), "P1");
    EXPECT_EQ(s.ui.texts(), (std::vector<std::string>{"Das Programm morvel ist nicht installiert "
                                                      "(gesucht im Suchpfad PATH)."}));
    EXPECT_EQ(s.ui.messages.back().title, "Hinweis");
}

TEST_F(WorkSteps, ConsoleModeWaitsForEveryChildAndReadsAgain) {
    model();
    tarvik::ManagerOptions options;
    options.waitForEveryChild = true;
    auto m = s.started(options);
    s.launcher.action = [&](const std::string& program, const std::vector<std::string>&) {
        if (program == "vintor") {
            ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "EXT", tarvik::encodeField(".P2")));
        }
    };
    EXPECT_TRUE(m.loadStep());
    EXPECT_TRUE(m.calculationStep());
    EXPECT_EQ(m.positionName(), "P2");
    for (const auto& start : s.launcher.starts) {
        EXPECT_EQ(start.wait, ports::Wait::Yes) << start.program;
    }
}

TEST_F(WorkSteps, ProtocolLinesAndRestarts) {
    model();
    for (const char* text :
         {"Eingabe Abmessungen", "Eingabe LF 3", "Eingabe Satz 2", "Berechnung LF 4", "Bemessung",
          "Überlagerung", "Eingabe LF 0", "Eingabe LF", "Eingabe Abmessungen, Eingabe LF 5",
          "Platte dupliziert (Original Pos. P0)"})
        record(text);
    auto m = s.started();
    const auto lines = m.protocol();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[1].substr(17), "Eingabe LF 3");
    EXPECT_EQ(lines[1].substr(6, 1), " ");
    EXPECT_EQ(lines[1].substr(15, 2), "  ");

    std::vector<std::string> started;
    for (std::size_t k = 1; k <= lines.size(); ++k)
        started.push_back(m.restartFromProtocol(k).value_or("-"));
    EXPECT_EQ(started, (std::vector<std::string>{"morvel", "daskel", "ruvane", "DAVIZO", "DAVIZO",
                                                 "DAVIZO", "-", "-", "morvel", "-"}));
    EXPECT_EQ(s.launcher.starts, (std::vector<Start>{
                                     {"morvel", {".P1", at}, ports::Wait::No},
                                     {"daskel", {".P1", at, "@3"}, ports::Wait::No},
                                     {"ruvane", {".P1", at, "@2"}, ports::Wait::No},
                                     {"DAVIZO", {".P1", at, "@4"}, ports::Wait::No},
                                     {"DAVIZO", {".P1", at}, ports::Wait::No},
                                     {"DAVIZO", {".P1", at}, ports::Wait::No},
                                     {"morvel", {".P1", at}, ports::Wait::No},
                                 }));
    EXPECT_TRUE(s.ui.messages.empty());

    // Line numbers outside the list get a message and start nothing.
    EXPECT_FALSE(m.restartFromProtocol(0));
    EXPECT_FALSE(m.restartFromProtocol(11));
    ASSERT_EQ(s.ui.messages.size(), 2u);
    EXPECT_EQ(s.ui.messages[1].title, "Protokoll");
    EXPECT_EQ(s.ui.messages[1].text, "Das Protokoll hat keine Zeile 11 (es hat 10 Zeilen).");
    EXPECT_EQ(s.launcher.starts.size(), 7u);
}

TEST_F(WorkSteps, TimeTableWithAnIncompleteTail) {
    auto m = s.started();
    EXPECT_TRUE(m.protocol().empty()); // no TTABLE
    ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "TTABLE", std::string()));
    EXPECT_TRUE(m.protocol().empty());
    record("Eingabe LF 1");
    record("Eingabe LF 2");
    auto bytes = managertest::bytes(s.dir("P1") + "TTABLE");
    bytes.resize(bytes.size() + 50, 'E');
    ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "TTABLE", bytes));
    const auto lines = m.protocol();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].substr(17), "Eingabe LF 2");
    EXPECT_FALSE(m.restartFromProtocol(3));
    EXPECT_EQ(s.ui.texts().back(), "Das Protokoll hat keine Zeile 3 (es hat 2 Zeilen).");
}

TEST_F(WorkSteps, DocumentsAndResultPointSets) {
    auto m = s.started();
    EXPECT_EQ(m.document(tarvik::Document::Discretisation), std::nullopt);
    EXPECT_EQ(s.ui.messages.back().title, "Fehlende Eingabe");
    EXPECT_EQ(s.ui.messages.back().text,
              "Es wurde noch keine Diskretisierung vorgenommen. Die Datei " + s.dir("P1") +
                  "D1 fehlt.");
    EXPECT_EQ(m.document(tarvik::Document::LoadCases), std::nullopt);
    EXPECT_EQ(s.ui.messages.back().text,
              "Es wurde noch keine Lastfälle eingegeben. Die Datei " + s.dir("P1") + "D2 fehlt.");
    EXPECT_EQ(m.resultPointSets(), std::nullopt);
    EXPECT_EQ(s.ui.messages.back().text,
              "Es wurde noch keine Spannungspunkte (Ergebnispunkte) eingegeben. Die Datei " +
                  s.dir("P1") + "ECHO_S fehlt.");

    ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "D1", std::string("alt\n")));
    EXPECT_EQ(m.document(tarvik::Document::Discretisation), "alt\n");
    ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "D1.TXT", std::string("neu\n")));
    EXPECT_EQ(m.document(tarvik::Document::Discretisation), "neu\n");
    ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "d2.txt", std::string("Lastfälle\n")));
    EXPECT_EQ(m.document(tarvik::Document::LoadCases), "Lastfälle\n");
    ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "ECHO_S.P1", std::string("Satz 1\n")));
    EXPECT_EQ(m.resultPointSets(), "Satz 1\n");
    EXPECT_TRUE(s.launcher.starts.empty());
}

TEST_F(WorkSteps, PlanFlagAndRightClick) {
    model();
    auto m = s.started();
    EXPECT_FALSE(s.plan.shown());
    EXPECT_EQ(tarvik::rightClick(s.plan, m), scene::RightClick::ShowPlan);
    EXPECT_TRUE(s.plan.shown());
    EXPECT_TRUE(s.launcher.starts.empty());
    EXPECT_EQ(tarvik::rightClick(s.plan, m), scene::RightClick::Results);
    EXPECT_EQ(s.launcher.starts, (std::vector<Start>{{"DAVIZO", {".P1", at}, ports::Wait::No}}));
    s.plan.toggle();
    EXPECT_FALSE(s.plan.shown());
}

TEST_F(WorkSteps, TheManagerTellsWhatBecameOfThePosition) {
    model();
    std::vector<tarvik::PositionEvent> events;
    tarvik::Manager m(s.work.str(), s.ui, s.launcher);
    m.setPositionListener([&](tarvik::PositionEvent e, const tarvik::Manager& told) {
        EXPECT_EQ(&told, &m);
        events.push_back(e);
    });
    using E = tarvik::PositionEvent;
    m.start();
    EXPECT_EQ(events, (std::vector<E>{E::Started}));
    // Programs not waited for leave the position alone.
    EXPECT_TRUE(m.loadStep());
    EXPECT_TRUE(m.calculationStep());
    EXPECT_EQ(events.size(), 1u);
    m.geometryStep();
    ASSERT_TRUE(m.newPositionSelector("P2"));
    ASSERT_TRUE(m.setDataPath(s.data.str()));
    ASSERT_TRUE(m.openDirectory(s.dir("P1")));
    ASSERT_TRUE(m.chooseDataPath(s.data.str()));
    EXPECT_EQ(events, (std::vector<E>{E::Started, E::Reread, E::Reread, E::Opened, E::Reread,
                                      E::Opened, E::Closed}));
    // Refused commands tell nothing.
    EXPECT_FALSE(m.newPositionSelector("a b"));
    EXPECT_FALSE(m.openDirectory(s.data.str()));
    EXPECT_EQ(events.size(), 7u);
}

} // namespace
