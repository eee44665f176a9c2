// The calculation form: initial values, the run sequence with its texts, aborts and timing.
#include "solver/example_slab.hpp"
#include "solver/solver_run.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include "common/file_io.hpp"
#include "common/position.hpp"

#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <memory>

using namespace slab;
namespace fs = std::filesystem;

namespace {

// Every file of a directory with its contents, to show that a failed run touched nothing.
std::map<std::string, std::vector<std::uint8_t>> snapshot(const std::string& dir) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& e : fs::directory_iterator(dir))
        files[e.path().filename().string()] = readFileBytes(e.path().string()).value();
    return files;
}

struct Position {
    testsupport::TempDir data;
    std::string dir = positionDirectory(data.str(), "P1");
    std::unique_ptr<SolverModel> model = std::make_unique<SolverModel>();
    Position() {
        fs::create_directories(dir);
        buildExampleSlab(ExampleSlab{}, *model);
        EXPECT_TRUE(writeModelFiles(*model, dir, 1));
    }
    CalculationForm form() const { return initialForm(splitCommandLine(".P1 @" + data.str())); }
};

const std::string kAborted = "Die Berechnung wurde abgebrochen!";

} // namespace

TEST(SolverRun, InitialFormFromTheCommandLine) {
    CalculationForm f = initialForm(splitCommandLine(".P1 @/daten/"));
    EXPECT_EQ(f.positionDirectory, "/daten/SDIRFEMP1/");
    EXPECT_EQ(f.loadCase, 1);
    EXPECT_EQ(f.status, "Vor der Berechnung ...");
    EXPECT_EQ(f.timing, " ");
    EXPECT_TRUE(f.conforming);
    f = initialForm(splitCommandLine(".P1 @/daten/ @3"));
    EXPECT_EQ(f.positionDirectory, "/daten/SDIRFEMP1/");
    EXPECT_EQ(f.loadCase, 1);
    EXPECT_EQ(initialForm(splitCommandLine(".P1 /daten/")).positionDirectory, "SDIRFEM/");
}

TEST(SolverRun, FieldValidation) {
    EXPECT_FALSE(loadCaseError(0));
    EXPECT_FALSE(loadCaseError(50));
    EXPECT_EQ(loadCaseError(51).value_or(""), "Geben Sie eine ganze Zahl zwischen 0 und 50 ein.");
    EXPECT_TRUE(loadCaseError(-1));
    EXPECT_FALSE(positionDirectoryError(std::string(120, 'a')));
    EXPECT_EQ(positionDirectoryError(std::string(121, 'a')).value_or(""),
              "Geben Sie nicht mehr als 120 Zeichen ein.");
}

TEST(SolverRun, TimingTexts) {
    EXPECT_EQ(timingText(0), "Die Berechnung dauerte weniger als 1 Sekunde.");
    EXPECT_EQ(timingText(400), "Die Berechnung dauerte weniger als 1 Sekunde.");
    EXPECT_EQ(timingText(500), "Die Berechnung dauerte weniger als 1 Sekunde.");
    EXPECT_EQ(timingText(501), "Die Berechnung dauerte\t1 Sekunde.");
    EXPECT_EQ(timingText(1500), "Die Berechnung dauerte\t1 Sekunde.");
    EXPECT_EQ(timingText(2500), "Die Berechnung dauerte\t2 Sekunden.");
    EXPECT_EQ(timingText(2600), "Die Berechnung dauerte\t3 Sekunden.");
    EXPECT_EQ(timingText(61000), "Die Berechnung dauerte\t61 Sekunden.");
}

TEST(SolverRun, SuccessfulRunShowsItsStepsAndTiming) {
    Position p;
    CalculationForm form = p.form();
    auto model = std::make_unique<SolverModel>();
    ui::ScriptedUi ui;
    long long now = 10000;
    auto clock = [&] { return now += 1300; }; // start 11300, end 12600: 1.3 s
    ASSERT_TRUE(runCalculation(form, *model, ui, clock));
    ASSERT_GE(ui.statuses.size(), 4u);
    EXPECT_EQ(ui.statuses[0], "FEM-Berechnung läuft ...");
    EXPECT_EQ(ui.statuses[1], "Aufstellen und Lösen von KU=F ...");
    EXPECT_EQ(ui.statuses[2], "Lösen des Gleichungssystems ...");
    EXPECT_EQ(ui.statuses.back(), "Berechnung wurde erfolgreich beendet.");
    EXPECT_EQ(form.status, "Berechnung wurde erfolgreich beendet.");
    EXPECT_EQ(form.timing, "Die Berechnung dauerte\t1 Sekunde.");
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_FALSE(ui.positions.empty());
    EXPECT_EQ(ui.positions.front(), 0);
    EXPECT_EQ(ui.positions.back(), ui.rangeHigh);
    EXPECT_TRUE(testsupport::near(model->supportSum, -480.0, 1e-7));
}

TEST(SolverRun, NonConformingChoiceGivesTheSameResults) {
    Position p;
    CalculationForm a = p.form(), b = p.form();
    b.conforming = false;
    auto ma = std::make_unique<SolverModel>(), mb = std::make_unique<SolverModel>();
    ui::ScriptedUi ui;
    ASSERT_TRUE(runCalculation(a, *ma, ui));
    ASSERT_TRUE(runCalculation(b, *mb, ui));
    EXPECT_EQ(ma->displacement, mb->displacement);
}

TEST(SolverRun, EveryFailureAbortsAndTouchesNoFile) {
    struct Case {
        const char* what;
        std::function<void(Position&, CalculationForm&)> spoil;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"no position", [](Position&, CalculationForm& f) { f.positionDirectory += "x/"; },
         "Ihr angegebener Datenpfad existiert nicht!"},
        {"no load case", [](Position&, CalculationForm& f) { f.loadCase = 7; },
         "Ihr angegebener Lastfall existiert nicht!"},
        {"load case out of range", [](Position&, CalculationForm& f) { f.loadCase = 51; },
         "Geben Sie eine ganze Zahl zwischen 0 und 50 ein."},
        {"spring on a support",
         [](Position& p, CalculationForm&) {
             p.model->springs[1].v[1] = 10.0f;
             writeModelFiles(*p.model, p.dir, 1);
         },
         "Federauflager dürfen nicht gelagert werden!"},
        {"settlement of a free node",
         [](Position& p, CalculationForm&) {
             p.model->nodalLoads[20].v[1] = 0.01;
             writeModelFiles(*p.model, p.dir, 1);
         },
         "Knoten mit eingeprägten Lagerverschiebungen müssen gelagert werden!"},
        {"no supports",
         [](Position& p, CalculationForm&) {
             for (int j = 1; j <= p.model->nodeCount; ++j)
                 p.model->nodes[j].code = {0, 0, 0, 0};
             writeModelFiles(*p.model, p.dir, 1);
         },
         "Stiffness matrix is not positiv definit!"},
        {"modulus not a number",
         [](Position& p, CalculationForm&) {
             p.model->elements[3].e = std::numeric_limits<double>::quiet_NaN();
             writeModelFiles(*p.model, p.dir, 1);
         },
         // caught on reading, before the stiffness is formed
         "Die Datei Elemente1 ist beschädigt: Datensatz 3 enthält bei Byte 24 keine endliche "
         "Zahl. Bitte die Eingabe wiederholen."},
        {"finite load too large for the arithmetic",
         [](Position& p, CalculationForm&) {
             // found by fuzzing: a nodal moment of -5.5e303 gave a run "erfolgreich beendet"
             // with an infinite support sum
             p.model->nodalLoads[20].v[9] = -5.486121452805878e+303;
             writeModelFiles(*p.model, p.dir, 1);
         },
         "Die Berechnung ergibt bei Knoten 1 keine endlichen Werte: Lasten, Federn oder "
         "Steifigkeiten sind zu groß. Bitte die Eingabe prüfen."},
    };
    for (const auto& c : cases) {
        Position p;
        CalculationForm form = p.form();
        c.spoil(p, form);
        const auto before = snapshot(p.dir);
        auto model = std::make_unique<SolverModel>();
        ui::ScriptedUi ui;
        EXPECT_FALSE(runCalculation(form, *model, ui)) << c.what;
        EXPECT_EQ(ui.texts(), std::vector<std::string>{c.message}) << c.what;
        EXPECT_EQ(ui.statuses.back(), kAborted) << c.what;
        EXPECT_EQ(form.status, kAborted);
        EXPECT_EQ(form.timing, " ");
        EXPECT_EQ(ui.beeps, 0);
        EXPECT_EQ(snapshot(p.dir), before) << c.what;
    }
}

TEST(SolverRun, NonFiniteResultNamesTheFirstPlace) {
    auto m = std::make_unique<SolverModel>();
    buildExampleSlab(ExampleSlab{}, *m); // 8 x 6 elements, 63 nodes
    m->displacement.assign(64, {});
    m->nodeResults.assign(64, {});
    m->elementResults.assign(49, {});
    EXPECT_EQ(nonFiniteResult(*m), std::nullopt);
    const double inf = std::numeric_limits<double>::infinity();
    const auto at = [](const char* place) {
        return std::string("Die Berechnung ergibt bei ") + place +
               " keine endlichen Werte: Lasten, Federn oder Steifigkeiten sind zu groß. Bitte "
               "die Eingabe prüfen.";
    };
    m->displacement[63][2] = inf; // only the deflection of the last node
    EXPECT_EQ(nonFiniteResult(*m), at("Knoten 63"));
    m->displacement[63][2] = 0;
    m->nodeResults[5][13] = std::numeric_limits<double>::quiet_NaN(); // only a nodal average
    EXPECT_EQ(nonFiniteResult(*m), at("Knoten 5"));
    m->nodeResults[5][13] = 0;
    m->elementResults[48][38] = -inf; // the last element's last quarter point
    EXPECT_EQ(nonFiniteResult(*m), at("Element 48"));
    m->elementResults[48][38] = 0;
    m->supportSum = inf;
    EXPECT_EQ(nonFiniteResult(*m), at("den Kontrollsummen"));
}
