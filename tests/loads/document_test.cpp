// The load editor's document: start-up, saving, opening, deleting and importing load cases, and
// a load case computed by the solver.
#include "common/binary_io.hpp"
#include "common/codepage.hpp"
#include "common/file_io.hpp"
#include "loads/document.hpp"
#include "solver/example_slab.hpp"
#include "solver/modelfiles/ttable.hpp"
#include "solver/solver_run.hpp"
#include "tests/loads/load_fixtures.hpp"
#include "tests/support/golden.hpp"
#include "ui/console/scripted_ui.hpp"

#include <filesystem>
#include <limits>
#include <memory>

using namespace daskel;

namespace {

constexpr std::int64_t kTime = 1765000000;

// A position P1 with the 4 x 3 m example slab of 4 x 3 hinged elements, and a working directory.
struct Position : loadtest::PositionDirs {
    Position(bool withModel = true) : PositionDirs(withModel ? 4 : 0, 3) {}
    Paths paths(int loadCase = 0) const {
        ui::ScriptedUi box;
        std::string line = ".P1 @" + data.str();
        if (loadCase) line += " @" + std::to_string(loadCase);
        return *startPaths(line, work.str(), box);
    }
    std::vector<std::uint8_t> bytes(const std::string& name) const {
        return slab::readFileBytes(dir() + name).value_or(std::vector<std::uint8_t>{});
    }
    std::string text(const std::string& name) const {
        return slab::cp850ToUtf8(slab::readFileText(dir() + name).value_or(""));
    }
};

std::unique_ptr<LoadEditor> editorOn(const Position& p, ui::ScriptedUi& ui, int loadCase = 0) {
    return std::make_unique<LoadEditor>(p.paths(loadCase), ui, [] { return kTime; });
}

bool contains(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}

} // namespace

TEST(LoadEditorStart, CommandLineAndLxprot) {
    testsupport::TempDir work;
    ui::ScriptedUi ui;
    auto p = startPaths(".P1 @/daten/ @3", work.str(), ui);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->positionName, "P1");
    EXPECT_EQ(p->suffix, ".P1");
    EXPECT_EQ(p->dataPath, "/daten/");
    EXPECT_EQ(p->positionDirectory, "/daten/SDIRFEMP1/");
    EXPECT_EQ(p->requestedLoadCase, 3);

    // without "@" the start file of the working directory names data path and suffix
    EXPECT_FALSE(startPaths("", work.str(), ui));
    EXPECT_EQ(ui.texts().back(), "Kommandozeile: .POS @Datenpfad\\ ");
    EXPECT_EQ(ui.messages.back().title, "Fehlende Eingabe");
    ASSERT_TRUE(slab::writeFileAtomic(work.str() + "LXPROT", std::string("/daten\r\n.P2\n")));
    p = startPaths("", work.str(), ui);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->positionDirectory, "/daten/SDIRFEMP2/");

    // blanks around the suffix do not belong to the name
    ASSERT_TRUE(slab::writeFileAtomic(work.str() + "LXPROT", std::string("/daten/\n  .P3 \n")));
    p = startPaths("", work.str(), ui);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->positionName, "P3");
    EXPECT_EQ(p->positionDirectory, "/daten/SDIRFEMP3/");

    // a name that would leave the data path is refused
    EXPECT_FALSE(startPaths("./.. @/daten/", work.str(), ui));
    EXPECT_FALSE(startPaths(". @/daten/", work.str(), ui));
}

TEST(LoadEditor, SaveWritesEveryFileOfTheLoadCase) {
    Position p;
    std::vector<std::uint8_t> one = {1, 0};
    ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "LASTD", one));
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    EXPECT_EQ(ed->caption(), "Position P1  LF NEU");
    EXPECT_EQ(ed->model().elementCount, 12);
    ed->selfWeight(25, 1.5);
    ed->setNodeValues(6, {std::nullopt, std::nullopt, std::nullopt, std::nullopt, 10.0});
    EXPECT_TRUE(ed->modified());
    ASSERT_TRUE(ed->save(2, "Eigengewicht + Einzellast"));
    EXPECT_FALSE(ed->modified());
    EXPECT_EQ(ed->caption(), "Position P1  LF 2");
    EXPECT_TRUE(ui.messages.empty()) << ui.texts().front();

    std::vector<std::string> problems;
    Diary d = decodeDiary(p.bytes("DIARY.P1"), problems);
    EXPECT_EQ(d.numbers, std::vector<int>{2});
    auto pl = p.bytes("PL02.P1");
    ASSERT_EQ(pl.size(), 376u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(pl.data() + 210)),
              "Eigengewicht + Einzellast");
    EXPECT_EQ(pl[364], 1);
    EXPECT_EQ(p.bytes("ELEMENTE2LF2").size(), 12u * 92u);
    EXPECT_EQ(slab::getLE<float>(p.bytes("ELEMENTE2LF2").data()), 6.5f);
    EXPECT_EQ(p.bytes("KNOTEN2LF2").size(), 20u * 120u);
    EXPECT_TRUE(testsupport::matchesFixture("pl02_self_weight_and_force", pl));
    EXPECT_TRUE(testsupport::matchesFixture("diary_lf2", p.bytes("DIARY.P1")));
    EXPECT_TRUE(testsupport::matchesFixture("elemente2lf2_self_weight", p.bytes("ELEMENTE2LF2")));
    EXPECT_TRUE(testsupport::matchesFixture("knoten2lf2_force_at_node6", p.bytes("KNOTEN2LF2")));
    EXPECT_TRUE(testsupport::matchesFixture("echo_l_lf2_self_weight", p.bytes("ECHO_L.P1")));
    EXPECT_EQ(decodeSaveOrder(p.bytes("D2LOG")), std::vector<int>{2});
    EXPECT_EQ(p.bytes("LASTD"), (std::vector<std::uint8_t>{2, 0}));
    auto table = slab::readTimeTable(p.dir());
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].time, kTime);
    EXPECT_EQ(table[0].text, "Eingabe LF 2");
    auto last = slab::readFileBytes(p.work.str() + "LAST").value();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(last.data())), "02");
    const std::string echo = p.text("ECHO_L.P1");
    EXPECT_EQ(
        echo.rfind("LASTFÄLLE\nLF 2\n0 0 0 0\nTITEL\nEigengewicht + Einzellast\nEIGENGEWICHT\n", 0),
        0u)
        << echo;
    EXPECT_FALSE(contains(echo, "GLEICHLAST"));
    // γ and g are remembered for the next dialog
    auto memory = slab::readFileBytes(p.work.str() + "MMRYL.P1").value();
    EXPECT_EQ(slab::getLE<float>(memory.data() + 48), 25.0f);
    EXPECT_TRUE(testsupport::matchesFixture("mmryl_25_1_5", memory));

    // a second save of the same number keeps one list entry and one block, and marks the entry
    ASSERT_TRUE(ed->save(2, "Zweiter Titel"));
    d = decodeDiary(p.bytes("DIARY.P1"), problems);
    EXPECT_EQ(d.numbers, std::vector<int>{2});
    EXPECT_EQ(d.marker[1], 1);
    EXPECT_EQ(p.bytes("LASTD"), (std::vector<std::uint8_t>{2, 0}));
    EXPECT_EQ(slab::readTimeTable(p.dir()).size(), 2u);
    const std::string again = p.text("ECHO_L.P1");
    EXPECT_FALSE(contains(again, "Eigengewicht + Einzellast"));
    EXPECT_TRUE(contains(again, "Zweiter Titel"));
}

TEST(LoadEditor, RestartOpensTheFirstListedLoadCaseWithItsHeader) {
    Position p;
    {
        ui::ScriptedUi ui;
        auto ed = editorOn(p, ui);
        ed->selfWeight(25, 0);
        ASSERT_TRUE(ed->save(3, "Eigengewicht"));
        ed->newLoadCase();
        ed->setElementLoad(5, 2.5);
        ed->setEdgeLoad(5, 2, 7.0);
        ASSERT_TRUE(ed->save(1, "Nutzlast Feld"));
    }
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    EXPECT_EQ(ed->caption(), "Position P1  LF 3");
    EXPECT_EQ(ed->loadCase().title, "Eigengewicht");
    EXPECT_TRUE(ed->loadCase().selfWeight);
    EXPECT_EQ(ed->loads().elementLoads[1].v[0], 5.0f);

    // opening LF 1 takes its own header instead of keeping that of LF 3
    ASSERT_TRUE(ed->openLoadCase(1));
    EXPECT_EQ(ed->loadCase().title, "Nutzlast Feld");
    EXPECT_FALSE(ed->loadCase().selfWeight);
    EXPECT_EQ(ed->loads().elementLoads[1].v[0], 0.0f);
    EXPECT_EQ(ed->loads().elementLoads[5].v[0], 2.5f);
    EXPECT_EQ(ed->loads().elementLoads[5].v[slab::ElementLoadRecord::kEdgeLoad + 1], 7.0f);

    // the command line chooses a listed load case by its number, not by its place in the list
    ui::ScriptedUi ui2;
    EXPECT_EQ(editorOn(p, ui2, 1)->caption(), "Position P1  LF 1");
    EXPECT_EQ(editorOn(p, ui2, 3)->caption(), "Position P1  LF 3");
    EXPECT_EQ(editorOn(p, ui2, 2)->caption(), "Position P1  LF 3"); // not listed: the first one

    ASSERT_TRUE(ed->openLoadCase(7));
    EXPECT_EQ(ed->caption(), "Position P1  Der LF 7 ist nicht definiert.");
    EXPECT_EQ(ed->loadCase().title, "");
}

TEST(LoadEditor, BadInputIsRefusedAndWritesNothing) {
    Position p;
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    for (int n : {0, 100, -3}) {
        EXPECT_FALSE(ed->save(n, "x"));
        EXPECT_EQ(ui.texts().back(), "Die Lastfallnummer muß zwischen 1 und 99 liegen.");
        EXPECT_FALSE(ed->openLoadCase(n));
    }
    EXPECT_FALSE(slab::fileExists(p.dir() + "DIARY.P1"));
    EXPECT_FALSE(ed->setElementLoad(13, 1));
    EXPECT_EQ(ui.texts().back(), "Element 13 gibt es nicht; die Platte hat die Elemente 1 bis 12.");
    EXPECT_FALSE(ed->setEdgeLoad(1, 0, 1));
    EXPECT_EQ(ui.texts().back(), "Kante muß zwischen 1 und 4 liegen!");
    EXPECT_FALSE(ed->setNodeValues(21, {}));
    EXPECT_EQ(ui.texts().back(), "Knoten 21 gibt es nicht; die Platte hat die Knoten 1 bis 20.");
    EXPECT_FALSE(ed->deleteLoadCases({4}));
    EXPECT_EQ(ui.texts().back(), "Der LF 4 ist nicht definiert.");
}

// With every number 1 to 99 listed, each save finds its entry; the list never outgrows 99.
TEST(LoadEditor, FullListKeepsNinetyNineEntries) {
    Position p;
    Diary full;
    for (int n = 99; n >= 1; --n)
        full.numbers.push_back(n);
    ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "DIARY.P1", encodeDiary(full)));
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    EXPECT_TRUE(ed->save(5, "gelistet"));
    std::vector<std::string> problems;
    Diary d = decodeDiary(p.bytes("DIARY.P1"), problems);
    EXPECT_EQ(d.count(), 99);
    EXPECT_EQ(d.marker[95], 1); // LF 5 is entry 95
    ASSERT_TRUE(ed->deleteLoadCases({7}));
    EXPECT_EQ(decodeDiary(p.bytes("DIARY.P1"), problems).count(), 98);
    EXPECT_TRUE(ed->save(7, "wieder"));
    d = decodeDiary(p.bytes("DIARY.P1"), problems);
    EXPECT_EQ(d.count(), 99);
    EXPECT_EQ(d.numbers.back(), 7);
}

TEST(LoadEditor, DeletingTwoLoadCasesKeepsTheirLoadFiles) {
    Position p;
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    for (int n : {4, 1, 10, 2}) {
        ed->newLoadCase();
        ed->setElementLoad(1, n);
        ASSERT_TRUE(ed->save(n, "LF " + std::to_string(n))); // titles that look like block starts
    }
    ASSERT_TRUE(ed->openLoadCase(10));
    ASSERT_TRUE(ed->deleteLoadCases({1, 10}));
    std::vector<std::string> problems;
    EXPECT_EQ(decodeDiary(p.bytes("DIARY.P1"), problems).numbers, (std::vector<int>{4, 2}));
    EXPECT_EQ(decodeSaveOrder(p.bytes("D2LOG")), (std::vector<int>{4, 2}));
    EXPECT_FALSE(slab::fileExists(p.dir() + "PL01.P1"));
    EXPECT_FALSE(slab::fileExists(p.dir() + "PL010.P1"));
    EXPECT_TRUE(slab::fileExists(p.dir() + "PL04.P1"));
    EXPECT_TRUE(slab::fileExists(p.dir() + "KNOTEN2LF10"));
    EXPECT_TRUE(slab::fileExists(p.dir() + "ELEMENTE2LF1"));
    const std::string echo = p.text("ECHO_L.P1");
    EXPECT_TRUE(contains(echo, "\nLF 4\n"));
    EXPECT_TRUE(contains(echo, "\nLF 2\n"));
    EXPECT_FALSE(contains(echo, "\nLF 1\n0"));
    EXPECT_FALSE(contains(echo, "\nLF 10\n0"));
    // the open load case was deleted: the editor holds a new one
    EXPECT_EQ(ed->caption(), "Position P1  LF NEU");
}

TEST(LoadEditor, ALoadCaseNamedTwiceIsDeletedOnce) {
    Position p;
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    for (int n : {1, 3, 5}) {
        ed->newLoadCase();
        ASSERT_TRUE(ed->save(n, "LF " + std::to_string(n)));
    }
    ASSERT_TRUE(ed->deleteLoadCases({3, 3}));
    std::vector<std::string> problems;
    EXPECT_EQ(decodeDiary(p.bytes("DIARY.P1"), problems).numbers, (std::vector<int>{1, 5}));
    EXPECT_EQ(decodeSaveOrder(p.bytes("D2LOG")), (std::vector<int>{1, 5}));
    EXPECT_TRUE(slab::fileExists(p.dir() + "PL01.P1"));
    EXPECT_FALSE(slab::fileExists(p.dir() + "PL03.P1"));
}

TEST(LoadEditor, ClearAllLoadsAsksFirst) {
    Position p;
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    ed->selfWeight(25, 1.5);
    ASSERT_TRUE(ed->save(1, "t"));
    ui.answerNext(ports::Answer::Cancel);
    EXPECT_FALSE(ed->clearAllLoads());
    EXPECT_EQ(ui.messages.back().text, "Achtung!  Alle vorhandenen Lasten werden gelöscht!");
    EXPECT_EQ(ed->loads().elementLoads[3].v[0], 6.5f);
    ui.answerNext(ports::Answer::Ok);
    EXPECT_TRUE(ed->clearAllLoads());
    EXPECT_EQ(ed->loads().elementLoads[3].v[0], 0.0f);
    // the load files are written at once
    EXPECT_EQ(slab::getLE<float>(p.bytes("ELEMENTE2LF1").data() + 2 * 92), 0.0f);

    // ... and the self weight goes with them: saved and reopened, neither the load echo nor the
    // load document claims a self weight the load files do not carry
    ASSERT_TRUE(ed->save(1, "t"));
    EXPECT_EQ(p.text("ECHO_L.P1").find("EIGENGEWICHT"), std::string::npos);
    EXPECT_EQ(p.text("D2.TXT").find("Spez. Gewicht"), std::string::npos);
    ui::ScriptedUi again;
    auto reopened = editorOn(p, again);
    ASSERT_TRUE(reopened->openLoadCase(1));
    EXPECT_FALSE(reopened->loadCase().selfWeight);
    EXPECT_FALSE(reopened->loadCase().uniform);
    EXPECT_EQ(reopened->memory().gamma(), 25.0f); // the dialog's preset stays
}

// An archive written by another program: code page 850, two load cases, one with self weight.
TEST(LoadEditor, ImportAllLoadCasesFromTheArchive) {
    Position p;
    const std::string archive = slab::utf8ToCp850("LASTFÄLLE\n"
                                                  "LF 3\n"
                                                  "0 0 0 0\n"
                                                  "TITEL\n"
                                                  "Ständige Last\n"
                                                  "EIGENGEWICHT\n"
                                                  "  25.000     1.500\n"
                                                  "LF 7\n"
                                                  "0 0 0 0\n"
                                                  "TITEL\n"
                                                  "Verkehr\n"
                                                  "GLEICHLAST\n"
                                                  "   5.000\n");
    ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "ACADLAST.P1", archive));
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    ui.answerNext(ports::Answer::Yes);
    ed->firstDisplay();
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages[0].text,
              "Alle LF aus der Datei ACADLAST.P1 übernehmen? (Kopie aus einer anderen Position "
              "oder Archivdatei)");
    std::vector<std::string> problems;
    EXPECT_EQ(decodeDiary(p.bytes("DIARY.P1"), problems).numbers, (std::vector<int>{3, 7}));
    EXPECT_EQ(decodeSaveOrder(p.bytes("D2LOG")), (std::vector<int>{3, 7}));
    auto pl3 = p.bytes("PL03.P1");
    ASSERT_EQ(pl3.size(), 376u);
    // binary records hold Windows-1252, one byte per character
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(pl3.data() + 210)), "St\xE4ndige Last");
    EXPECT_EQ(slab::getLE<float>(p.bytes("ELEMENTE2LF3").data()), 6.5f);
    EXPECT_EQ(slab::getLE<float>(p.bytes("ELEMENTE2LF7").data()), 5.0f);
    const std::string echo = p.text("ECHO_L.P1");
    EXPECT_TRUE(contains(echo, "LF 3\n0 0 0 0\nTITEL\nStändige Last\nEIGENGEWICHT\n"));
    EXPECT_TRUE(contains(echo, "LF 7\n0 0 0 0\nTITEL\nVerkehr\nGLEICHLAST\n"));
    EXPECT_EQ(decodeImportStampTime(p.bytes("TIMELW")),
              static_cast<std::int32_t>(*modificationTime(p.dir() + "ACADLAST.P1")));
    EXPECT_EQ(slab::readTimeTable(p.dir()).size(), 2u);

    // the question is not asked again for the same archive; a second import rewrites in place
    ui::ScriptedUi again;
    auto ed2 = editorOn(p, again);
    ed2->firstDisplay();
    EXPECT_TRUE(again.messages.empty());
    ASSERT_TRUE(ed2->importAll());
    EXPECT_EQ(p.text("ECHO_L.P1"), echo);
    EXPECT_EQ(decodeDiary(p.bytes("DIARY.P1"), problems).numbers, (std::vector<int>{3, 7}));
}

// γ = g = 3e38 fit single precision each, but γ·d + g does not: the load files would carry
// infinities and the solver an infinite load sum. Refused when typed in and when imported.
TEST(LoadEditor, SelfWeightBeyondSinglePrecisionNeverReachesTheLoadFiles) {
    Position p;
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    ASSERT_TRUE(ed->selfWeight(25, 1.5));
    EXPECT_FALSE(ed->selfWeight(3e38, 3e38));
    EXPECT_EQ(ui.messages.back().title, "Fehler");
    EXPECT_EQ(ui.messages.back().text,
              "Eigengewicht und Verkehrslast ergeben eine Flächenlast über 3,4E+38 kN/m², die "
              "nicht in die Lastdatei paßt; nichts wurde geändert.");
    EXPECT_EQ(ed->loadCase().gamma, 25);
    EXPECT_EQ(ed->loads().elementLoads[3].v[0], 6.5f);
    EXPECT_FALSE(ed->selfWeight(std::numeric_limits<double>::infinity(), 0));

    const std::string archive = slab::utf8ToCp850("LASTFÄLLE\n"
                                                  "LF 7\n"
                                                  "0 0 0 0\n"
                                                  "TITEL\n"
                                                  "Verkehr\n"
                                                  "GLEICHLAST\n"
                                                  "   5.000\n"
                                                  "LF 3\n"
                                                  "0 0 0 0\n"
                                                  "TITEL\n"
                                                  "Zu schwer\n"
                                                  "EIGENGEWICHT\n"
                                                  "  3e38     3e38\n");
    ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "ACADLAST.P1", archive));
    ui::ScriptedUi again;
    auto ed2 = editorOn(p, again);
    ASSERT_TRUE(ed2->importAll());
    bool named = false;
    for (const auto& m : again.messages)
        named = named || m.text.starts_with("LF 3 wurde nicht übernommen: Eigengewicht und "
                                            "Verkehrslast ergeben");
    EXPECT_TRUE(named);
    EXPECT_FALSE(slab::fileExists(p.dir() + "PL03.P1"));
    EXPECT_FALSE(slab::fileExists(p.dir() + "ELEMENTE2LF3"));
    EXPECT_EQ(slab::getLE<float>(p.bytes("ELEMENTE2LF7").data()), 5.0f);
    std::vector<std::string> problems;
    EXPECT_EQ(decodeDiary(p.bytes("DIARY.P1"), problems).numbers, (std::vector<int>{7}));
    EXPECT_EQ(ed2->loadCase().number, 7); // the refused load case is not shown as if saved
}

TEST(LoadEditor, ImportQuestionAnsweredNoIsRemembered) {
    Position p;
    ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "ACADLAST.P1", std::string("LASTF\x8e"
                                                                           "LLE\n")));
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    ui.answerNext(ports::Answer::No);
    ed->firstDisplay();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(slab::fileExists(p.dir() + "TIMELW"));
    EXPECT_FALSE(slab::fileExists(p.dir() + "DIARY.P1"));
    ed->firstDisplay();
    EXPECT_EQ(ui.messages.size(), 1u);

    // TIMELAST switches the question off for good
    std::filesystem::remove(p.dir() + "TIMELW");
    ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "TIMELAST", std::string()));
    ed->firstDisplay();
    EXPECT_EQ(ui.messages.size(), 1u);

    // an import without any archive says where it looked and changes nothing
    Position empty;
    ui::ScriptedUi ui2;
    auto ed2 = editorOn(empty, ui2);
    EXPECT_FALSE(ed2->importAll());
    EXPECT_EQ(ui2.messages.back().title, "Hinweis");
    EXPECT_EQ(ui2.texts().back(), " Weder der File " + empty.work.str() +
                                      "ACADLAST.P1 existiert, noch der File " + empty.dir() +
                                      "ACADLAST.P1");
}

TEST(LoadEditor, DamagedModelGivesNoElementLoads) {
    Position p;
    std::vector<std::uint8_t> parameter(8, 0);
    slab::putLE<std::int32_t>(parameter.data(), 20);
    slab::putLE<std::int32_t>(parameter.data() + 4, 5000);
    ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "PARAMETER", parameter));
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    EXPECT_EQ(ed->model().elementCount, 0);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages[0].text,
              "Die Datei PARAMETER nennt 20 Knoten und 5000 Elemente; zulässig sind je 0 bis 3000. "
              "Ohne gültiges Modell können keine Element- und Knotenlasten eingegeben werden.");
    EXPECT_FALSE(ed->setElementLoad(1, 1));
}

// The loads entered reach the solver: its load control sums what was entered.
TEST(LoadEditor, SavedLoadCaseIsComputedWithTheEnteredLoads) {
    Position p;
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    ed->selfWeight(25, 1.5);    // 6.5 kN/m² on 12 m²
    ed->setEdgeLoad(6, 1, 4.0); // 4 kN/m on a 1 m edge
    NodeValues force{};
    force[4] = 10.0; // P = 10 kN at an inner node
    ed->setNodeValues(7, force);
    ASSERT_TRUE(ed->save(1, "Summe"));

    slab::CalculationForm form;
    form.positionDirectory = p.dir();
    form.loadCase = 1;
    auto model = std::make_unique<slab::SolverModel>();
    ui::ScriptedUi solverUi;
    ASSERT_TRUE(slab::runCalculation(form, *model, solverUi))
        << (solverUi.texts().empty() ? "" : solverUi.texts().back());
    EXPECT_TRUE(testsupport::near(model->totalLoad, 6.5 * 12 + 4.0 + 10.0, 1e-6));
    EXPECT_TRUE(testsupport::near(model->supportSum, -model->totalLoad, 1e-6));
    const std::string report = slab::readFileText(p.dir() + "OUTPUTFEM.txt").value_or("");
    EXPECT_TRUE(contains(report, "Summe der Vertikalkräfte (LF p):\t92.00\n")) << report;
    EXPECT_TRUE(contains(report, "Das globale Gleichgewicht ist erfüllt!"));
}

// An archive found only in the working directory is kept with the position after the import,
// and the next start does not ask about that copy again.
TEST(LoadEditor, ArchiveFromTheWorkingDirectoryIsKeptWithThePosition) {
    Position p;
    const std::string archive =
        slab::utf8ToCp850("LASTFÄLLE\nLF 4\n0 0 0 0\nTITEL\nWind\nGLEICHLAST\n   1.250\n");
    ASSERT_TRUE(slab::writeFileAtomic(p.work.str() + "ACADLAST.P1", archive));
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    ui.answerNext(ports::Answer::Yes);
    ed->firstDisplay();
    EXPECT_EQ(ed->caption(), "Position P1  LF 4");
    EXPECT_EQ(slab::readFileText(p.dir() + "ACADLAST.P1"), archive);
    EXPECT_EQ(slab::getLE<float>(p.bytes("ELEMENTE2LF4").data()), 1.25f);

    ui::ScriptedUi next;
    editorOn(p, next)->firstDisplay();
    EXPECT_TRUE(next.messages.empty()) << next.texts().front();
}

// An imported archive's line and point loads and its temperature reach the solver as nodal
// loads; only the loads the load files cannot carry (the settlement of a column the mesh does
// not have) are named, since the solver will not see them.
TEST(LoadEditor, ImportNamesOnlyTheLoadsTheSolverDoesNotSee) {
    Position p;
    const std::string archive = slab::utf8ToCp850(
        "LASTFÄLLE\nLF 2\n0 1 1 0\nTITEL\nStütze und Wand\nEIGENGEWICHT\n  25.000     0.000\n"
        "LINIENLASTEN\n1 Wand\n   0.000    2.000    4.000    2.000    3.000    3.000 Kraefte\n"
        "PUNKTLASTEN\n1 Stütze\nEinzelkraft     2.000    1.000    0.300    0.000    0.000   "
        "50.000\nTEMPERATUR\n  10.000\n1.000E-05\nSTÜTZENSENKUNG\n1\n3  0.01200\n");
    ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "ACADLAST.P1", archive));
    ui::ScriptedUi ui;
    auto ed = editorOn(p, ui);
    ASSERT_TRUE(ed->importAll());
    EXPECT_EQ(ui.texts().back(),
              "Diese Lasten stehen nur im Lastfall, nicht in den Lastdateien, und werden vom "
              "Rechenprogramm nicht berücksichtigt: LF 2: Stützensenkungen.");
    EXPECT_EQ(ed->loadCase().np(), 1);
    EXPECT_EQ(ed->loadCase().uniformValue, 5.0f); // 25 · 0.2 of element 1
    EXPECT_EQ(slab::getLE<float>(p.bytes("ELEMENTE2LF2").data()), 5.0f);
    // KNOTEN2LF2: the 50 kN at node (2, 1), number 8 of the 5 x 4 nodes, and 3 kN/m along
    // y = 2 over 4 m; the temperature's moments put no force on the slab
    const std::vector<std::uint8_t> nodes = p.bytes("KNOTEN2LF2");
    ASSERT_EQ(nodes.size(), 20u * 120);
    double force = 0;
    for (std::size_t j = 0; j < 20; ++j)
        force += slab::getLE<double>(nodes.data() + j * 120 + 6 * 8);
    EXPECT_TRUE(testsupport::near(force, 50 + 12, 1e-12));
    EXPECT_TRUE(testsupport::near(slab::getLE<double>(nodes.data() + 7 * 120 + 6 * 8), 50, 1e-12));
    // the node table shows what was entered: nothing
    EXPECT_EQ(ed->loads().nodeLoads[8].v[slab::NodalLoadRecord::kLoad], 0.0);
}
