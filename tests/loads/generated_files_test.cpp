// The generated loads in the load files: added to the node loads entered, never counted twice
// (reopened and saved again, imported twice, rewritten by the solver), the node table showing
// what was entered, older files and files changed elsewhere, and loads cleared.
#include "common/binary_io.hpp"
#include "common/codepage.hpp"
#include "common/file_io.hpp"
#include "loads/document.hpp"
#include "solver/modelfiles/knoten2lf.hpp"
#include "solver/solver_run.hpp"
#include "tests/loads/grid_positions.hpp"
#include "tests/loads/load_fixtures.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include <gtest/gtest.h>

#include <memory>

using namespace daskel;
using gridtest::DataPath;
using slab::NodalLoadRecord;

namespace {

// The files a save writes that depend on the generated loads, and the load echo.
const char* const kSavedFiles[] = {"KNOTEN2LF1", "ELEMENTE2LF1", "KNOTENEIN01.P1",
                                   "D2.TXT",     "ECHO_L.P1",    "PL01.P1"};

std::map<std::string, std::string> savedFiles(const DataPath& d) {
    std::map<std::string, std::string> files;
    for (const char* f : kSavedFiles)
        files[f] = d.bytes("P1", f);
    return files;
}

// Node j's loads P, Mx, My, Mxy in a KNOTEN2LF image.
NodalLoads fileLoads(const std::string& image, int j) {
    NodalLoads l{};
    for (std::size_t k = 0; k < 4; ++k)
        l[k] = slab::getLE<double>(reinterpret_cast<const std::uint8_t*>(image.data()) +
                                   (j - 1) * NodalLoadRecord::kSize + (6 + k) * 8);
    return l;
}

// The number of the node at (x, y) in the 10 x 8 grid with the opening.
int nodeAt(const SlabModel& m, double x, double y) {
    for (int j = 1; j <= m.nodeCount; ++j)
        if (m.nodes[j].x == x && m.nodes[j].y == y) return j;
    return 0;
}

NodeValues force(double p) {
    NodeValues v{};
    v[4] = p;
    return v;
}

AreaLoadInput square(double x, double y, double p) {
    return {{{x, y, p}, {x + 1, y, p}, {x + 1, y + 1, p}, {x, y + 1, p}}, false};
}

PointLoadInput pointAt(double x, double y, double size) {
    PointLoadInput in;
    in.x = x;
    in.y = y;
    in.size = size;
    return in;
}

bool shown(const ui::ScriptedUi& ui, const std::string& title, const std::string& text) {
    for (const auto& m : ui.messages)
        if (m.title == title && m.text == text) return true;
    return false;
}

} // namespace

TEST(GeneratedLoadFiles, TheSaveAddsTheGeneratedLoadsToTheEnteredOnes) {
    DataPath d;
    d.position("P1");
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    const int corner = nodeAt(e->model(), 2, 1);
    ASSERT_TRUE(e->setNodeValues(corner, force(10)));
    ASSERT_TRUE(e->addAreaLoad(square(1, 0, 4))); // 4 kN/m² on the element x 1 to 2, y 0 to 1
    ASSERT_TRUE(e->save(1, "Fläche und Knotenlast"));
    // the element's upper right corner takes a quarter of 4 kN and 4/144 on its twist
    const NodalLoads written = fileLoads(d.bytes("P1", "KNOTEN2LF1"), corner);
    EXPECT_DOUBLE_EQ(written[0], 11.0);
    EXPECT_DOUBLE_EQ(written[1], -4.0 / 24);
    EXPECT_DOUBLE_EQ(written[2], -4.0 / 24);
    EXPECT_DOUBLE_EQ(written[3], 4.0 / 144);
    // the node table still shows what was entered
    EXPECT_EQ(e->loads().nodeLoads[corner].v[NodalLoadRecord::kLoad], 10.0);
    EXPECT_TRUE(testsupport::near(e->generated().nodes[corner][0], 1.0, 1e-12));
    // KNOTENEIN: per node the entered and the written loads
    const std::string entered = d.bytes("P1", "KNOTENEIN01.P1");
    ASSERT_EQ(entered.size(), static_cast<std::size_t>(e->model().nodeCount) * 64);
    auto at = [&](int j, int k) {
        return slab::getLE<double>(reinterpret_cast<const std::uint8_t*>(entered.data()) +
                                   (j - 1) * 64 + k * 8);
    };
    EXPECT_EQ(at(corner, 0), 10.0);
    EXPECT_EQ(at(corner, 4), written[0]);
    EXPECT_TRUE(testsupport::near(at(corner, 7), 4.0 / 144, 1e-12));
}

TEST(GeneratedLoadFiles, ReopenedAndSavedAgainTheFilesStayTheSame) {
    DataPath d;
    d.position("P1");
    {
        ui::ScriptedUi ui;
        auto e = d.editor("P1", ui);
        ASSERT_TRUE(e->setNodeValues(nodeAt(e->model(), 3, 3), force(2.5)));
        ASSERT_TRUE(e->addAreaLoad(square(1.25, 0.5, 4)));
        // more digits than the load echo keeps: the save generates from what it keeps
        ASSERT_TRUE(e->addPointLoad(pointAt(7.00037, 2.1234, 20)));
        LineLoadInput line;
        line.xa = 0.5;
        line.ya = 6.3;
        line.xb = 9.5;
        line.yb = 7.7;
        line.start = 1.1;
        line.end = 2.2;
        ASSERT_TRUE(e->addLineLoad(line));
        ASSERT_TRUE(e->setTemperature({15, 1e-5}));
        ASSERT_TRUE(e->save(1, "Alles"));
    }
    const auto first = savedFiles(d);
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    EXPECT_EQ(e->caption(), "Position P1  LF 1");
    EXPECT_EQ(e->loads().nodeLoads[nodeAt(e->model(), 3, 3)].v[NodalLoadRecord::kLoad], 2.5);
    EXPECT_EQ(e->loads().nodeLoads[nodeAt(e->model(), 7, 2)].v[NodalLoadRecord::kLoad], 0.0);
    ASSERT_TRUE(e->save(1, e->loadCase().title));
    EXPECT_EQ(savedFiles(d), first);
    // and once more after a table was written at once: the entered value changes, the
    // generated part stays
    ASSERT_TRUE(e->setNodeValues(nodeAt(e->model(), 3, 3), force(3.5)));
    const NodalLoads before = fileLoads(first.at("KNOTEN2LF1"), nodeAt(e->model(), 3, 3));
    const NodalLoads after = fileLoads(d.bytes("P1", "KNOTEN2LF1"), nodeAt(e->model(), 3, 3));
    EXPECT_DOUBLE_EQ(after[0] - before[0], 1.0);
    EXPECT_EQ(after[1], before[1]);
}

TEST(GeneratedLoadFiles, ALoadCaseImportedTwiceGivesTheFilesOfOneImport) {
    DataPath d;
    d.position("P1");
    const std::string archive = slab::utf8ToCp850(
        "LASTFÄLLE\nLF 1\n1 1 1 1\nTITEL\nZweimal\nEIGENGEWICHT\n  25.000     1.500\n"
        "TEILFLÄCHENLASTEN\n1\n   2.000\n3\n"
        "   1.000    1.000    5.000    1.000    1.000    3.000\n"
        "   5.000    1.000    3.000    6.000    3.000    2.000\n"
        "   3.000    6.000    1.000    1.000    2.000    1.000\n"
        "LINIENLASTEN\n1 \n   0.500    7.500    9.500    7.500    2.000    2.000 Kraefte\n"
        "PUNKTLASTEN\n1 \nEinzelkraft     5.500    2.500    0.000    0.000    0.000   30.000\n"
        "RANDLASTEN\n1 \n   0.000    0.000   10.000    0.000 V     1.000    2.000 1 1\n");
    ASSERT_TRUE(slab::writeFileAtomic(d.dir("P1") + "ACADLAST.P1", archive));
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    ASSERT_TRUE(e->importAll());
    const auto once = savedFiles(d);
    EXPECT_NE(once.at("KNOTENEIN01.P1"), "(fehlt)");
    ASSERT_TRUE(e->importAll());
    EXPECT_EQ(savedFiles(d), once);
    ui::ScriptedUi again;
    ASSERT_TRUE(d.editor("P1", again)->importAll());
    EXPECT_EQ(savedFiles(d), once);
}

TEST(GeneratedLoadFiles, TheSolversRewriteKeepsTheEnteredLoadsApart) {
    // A hinged 4 m x 3 m slab: computed, the node file gets the reactions; reopened, the node
    // table shows the entered loads and a save writes the same loads again.
    loadtest::PositionDirs p(4, 3);
    ui::ScriptedUi ui;
    auto paths = startPaths(".P1 @" + p.data.str(), p.work.str(), ui);
    auto e = std::make_unique<LoadEditor>(*paths, ui, [] { return std::int64_t(1765000000); });
    ASSERT_TRUE(e->setNodeValues(8, force(5)));
    ASSERT_TRUE(e->addPointLoad(pointAt(2, 1, 20))); // node 8 as well
    ASSERT_TRUE(e->save(1, "Gerechnet"));
    const std::string saved = slab::readFileText(p.dir() + "KNOTEN2LF1").value();
    slab::CalculationForm form;
    form.positionDirectory = p.dir();
    form.loadCase = 1;
    auto model = std::make_unique<slab::SolverModel>();
    ui::ScriptedUi solverUi;
    ASSERT_TRUE(slab::runCalculation(form, *model, solverUi));
    EXPECT_TRUE(testsupport::near(model->totalLoad, 25.0, 1e-12));
    const std::string computed = slab::readFileText(p.dir() + "Knoten2LF1").value();
    EXPECT_NE(computed, saved); // the reactions
    e = std::make_unique<LoadEditor>(*paths, ui, [] { return std::int64_t(1765000000); });
    EXPECT_EQ(e->loads().nodeLoads[8].v[NodalLoadRecord::kLoad], 5.0);
    ASSERT_TRUE(e->save(1, "Gerechnet"));
    const std::string again = slab::readFileText(p.dir() + "KNOTEN2LF1").value();
    for (int j = 1; j <= 20; ++j)
        EXPECT_EQ(fileLoads(again, j), fileLoads(saved, j)) << "node " << j;
}

TEST(GeneratedLoadFiles, AnOlderNodeFileHoldsWhatWasEntered) {
    // Written before loads were generated: KNOTEN2LF holds the entered 5 kN, the echo a point
    // load of 20 kN at the same node, and there is no KNOTENEIN.
    DataPath d;
    d.position("P1");
    {
        ui::ScriptedUi ui;
        auto e = d.editor("P1", ui);
        ASSERT_TRUE(e->setNodeValues(nodeAt(e->model(), 2, 2), force(5)));
        ASSERT_TRUE(e->addPointLoad(pointAt(2, 2, 20)));
        ASSERT_TRUE(e->save(1, "Alt"));
    }
    const int node = nodeAt(gridtest::gridModel(gridtest::slabWithOpening()), 2, 2);
    std::string older = d.bytes("P1", "KNOTEN2LF1");
    slab::putLE<double>(reinterpret_cast<std::uint8_t*>(older.data()) + (node - 1) * 120 + 48, 5.0);
    ASSERT_TRUE(slab::writeFileAtomic(d.dir("P1") + "KNOTEN2LF1", older));
    std::filesystem::remove(d.dir("P1") + "KNOTENEIN01.P1");
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(e->loads().nodeLoads[node].v[NodalLoadRecord::kLoad], 5.0);
    ASSERT_TRUE(e->save(1, "Alt"));
    EXPECT_EQ(fileLoads(d.bytes("P1", "KNOTEN2LF1"), node)[0], 25.0);
}

TEST(GeneratedLoadFiles, ANodeFileChangedElsewhereCountsAsEnteredAndIsNamed) {
    DataPath d;
    d.position("P1");
    const int node = nodeAt(gridtest::gridModel(gridtest::slabWithOpening()), 2, 2);
    {
        ui::ScriptedUi ui;
        auto e = d.editor("P1", ui);
        ASSERT_TRUE(e->addPointLoad(pointAt(2, 2, 20)));
        ASSERT_TRUE(e->save(1, "Geändert"));
    }
    std::string changed = d.bytes("P1", "KNOTEN2LF1");
    slab::putLE<double>(reinterpret_cast<std::uint8_t*>(changed.data()) + (node - 1) * 120 + 48,
                        7.0);
    ASSERT_TRUE(slab::writeFileAtomic(d.dir("P1") + "KNOTEN2LF1", changed));
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    EXPECT_TRUE(shown(ui, "Hinweis",
                      "Die Knotenlasten in KNOTEN2LF1 passen nicht zu KNOTENEIN01.P1; sie gelten "
                      "als eingegebene Knotenlasten. Bitte prüfen, ob darin schon erzeugte Lasten "
                      "stehen, die sonst doppelt zählen."));
    EXPECT_EQ(e->loads().nodeLoads[node].v[NodalLoadRecord::kLoad], 7.0);
    // a damaged KNOTENEIN is not taken either
    ASSERT_TRUE(slab::writeFileAtomic(d.dir("P1") + "KNOTENEIN01.P1", std::string(100, 'x')));
    ui::ScriptedUi damaged;
    EXPECT_EQ(d.editor("P1", damaged)->loads().nodeLoads[node].v[NodalLoadRecord::kLoad], 7.0);
    EXPECT_EQ(damaged.messages.size(), 1u);
}

TEST(GeneratedLoadFiles, ClearingAllLoadsTakesTheGeneratedOnesAlong) {
    DataPath d;
    d.position("P1");
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    ASSERT_TRUE(e->addAreaLoad(square(1, 1, 4)));
    ASSERT_TRUE(e->setTemperature({10, 1e-5}));
    ASSERT_TRUE(e->save(1, "Weg damit"));
    ASSERT_TRUE(slab::fileExists(d.dir("P1") + "KNOTENEIN01.P1"));
    ui.answerNext(ports::Answer::Ok);
    ASSERT_TRUE(e->clearAllLoads());
    EXPECT_EQ(e->loadCase().nt(), 0);
    EXPECT_FALSE(e->loadCase().temperature);
    EXPECT_FALSE(slab::fileExists(d.dir("P1") + "KNOTENEIN01.P1"));
    const std::string nodes = d.bytes("P1", "KNOTEN2LF1");
    for (int j = 1; j <= e->model().nodeCount; ++j)
        EXPECT_EQ(fileLoads(nodes, j), NodalLoads{}) << "node " << j;
}

TEST(GeneratedLoadFiles, AnInfluenceLoadCaseCarriesItsLoadsAlone) {
    // Area loads saved before: the influence surface of w at a node replaces them, in the file
    // at once and at the next save.
    DataPath d;
    d.position("P1");
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    ASSERT_TRUE(e->addAreaLoad(square(1, 1, 4)));
    ASSERT_TRUE(e->save(1, "Einfluss"));
    const int node = nodeAt(e->model(), 2, 2);
    ui.answerNext(ports::Answer::Ok);
    ASSERT_TRUE(e->influenceAtNode(node, PointQuantity::W));
    for (const std::string& image : {d.bytes("P1", "KNOTEN2LF1")}) {
        for (int j = 1; j <= e->model().nodeCount; ++j)
            EXPECT_EQ(fileLoads(image, j), (j == node ? NodalLoads{1, 0, 0, 0} : NodalLoads{}))
                << "node " << j;
    }
    ASSERT_TRUE(e->save(1, "Einfluss"));
    const std::string saved = d.bytes("P1", "KNOTEN2LF1");
    for (int j = 1; j <= e->model().nodeCount; ++j)
        EXPECT_EQ(fileLoads(saved, j), (j == node ? NodalLoads{1, 0, 0, 0} : NodalLoads{}))
            << "node " << j;
}

TEST(GeneratedLoadFiles, TheSaveNamesTheLoadsItLeavesOut) {
    DataPath d;
    d.position("P1");
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    ASSERT_TRUE(e->addPointLoad(pointAt(5, 4.5, 20))); // in the opening
    ASSERT_TRUE(e->addPointLoad(pointAt(2, 2, 10)));
    ASSERT_TRUE(e->save(3, "Öffnung"));
    EXPECT_TRUE(shown(ui, "Hinweis",
                      "LF 3: Punktlast 1 bei x = 5,00, y = 4,50 liegt auf keinem Element "
                      "(Öffnung oder außerhalb der Platte) und wird nicht berücksichtigt."));
    // everything else is saved
    EXPECT_EQ(fileLoads(d.bytes("P1", "KNOTEN2LF3"), nodeAt(e->model(), 2, 2))[0], 10.0);
    EXPECT_NE(d.bytes("P1", "ECHO_L.P1").find("Einzelkraft     5.000    4.500"), std::string::npos);
}
