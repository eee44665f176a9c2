// The console front end end to end: a scripted session on a fresh data path, the saved files
// read back byte by byte, a restart that saves the same files again, and the saved model
// computed by the solver with the reactions balancing the load.
#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "solver/solver_run.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"
#include "ui/morvel/morvel_console.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>

namespace {

struct Session {
    int status = 0;
    std::string out;
};

Session run(const std::string& commandLine, const std::string& work, const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    ui::LineInput input(in);
    Session r;
    r.status = morvel::runConsole(commandLine, work, input, out);
    r.out = out.str();
    return r;
}

std::vector<std::uint8_t> bytes(const std::string& path) {
    return slab::readFileBytes(path).value_or(std::vector<std::uint8_t>{});
}

const char* kSession = "geometrie nx=10 ny=10 dx=1 dy=1 e=3e7 nu=0,16 d=0,2\n"
                       "mehrere\n"
                       "fenster 3.9 3.9 6.1 6.1\n"
                       "mehrere\n"
                       "lager art=gelenkig\n"
                       "rand\n"
                       "ende\n"
                       "speichern\n"
                       "beenden\n";

struct Position {
    testsupport::TempDir data, work;
    std::string dir() const { return data.str() + "SDIRFEMP1/"; }
    std::string commandLine() const { return ".P1 @" + data.str(); }
};

} // namespace

TEST(Console, SessionWritesTheModelWithHingedBoundary) {
    Position p;
    Session r = run(p.commandLine(), p.work.str(), kSession);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Netz generiert: 121 Knoten, 100 Elemente"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("4 Elemente gelöscht: 120 Knoten, 96 Elemente"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Ganzer Rand: Gelenkig"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Speichern ?"), std::string::npos) << r.out;

    // Read without the model-file library: PARAMETER, then KNOTEN1 field by field.
    auto parameter = bytes(p.dir() + "PARAMETER");
    ASSERT_EQ(parameter.size(), 8u);
    const int nn = slab::getLE<std::int32_t>(parameter.data());
    const int ne = slab::getLE<std::int32_t>(parameter.data() + 4);
    EXPECT_EQ(nn, 120);
    EXPECT_EQ(ne, 96);
    auto knoten = bytes(p.dir() + "KNOTEN1");
    ASSERT_EQ(knoten.size(), 120u * 40);
    EXPECT_EQ(bytes(p.dir() + "ELEMENTE1").size(), 96u * 2372);
    EXPECT_EQ(bytes(p.dir() + "FEDER1").size(), 120u * 40);
    EXPECT_EQ(bytes(p.dir() + "BETTUNG1").size(), 96u * 1160);
    int corners = 0, sides = 0, free = 0;
    for (int n = 0; n < nn; ++n) {
        const std::uint8_t* r = knoten.data() + 40 * n;
        EXPECT_EQ(slab::getLE<std::int32_t>(r), n + 1);
        const double x = slab::getLE<double>(r + 4), y = slab::getLE<double>(r + 12);
        std::array<int, 4> code{};
        for (int k = 0; k < 4; ++k)
            code[static_cast<std::size_t>(k)] = slab::getLE<std::int32_t>(r + 24 + 4 * k);
        const bool xEdge = x == 0 || x == 10, yEdge = y == 0 || y == 10;
        if (xEdge && yEdge) {
            EXPECT_EQ(code, (std::array<int, 4>{1, 1, 1, 0})) << x << " " << y;
            ++corners;
        } else if (yEdge) {
            EXPECT_EQ(code, (std::array<int, 4>{1, 1, 0, 0})) << x << " " << y;
            ++sides;
        } else if (xEdge) {
            EXPECT_EQ(code, (std::array<int, 4>{1, 0, 1, 0})) << x << " " << y;
            ++sides;
        } else {
            EXPECT_EQ(code, (std::array<int, 4>{0, 0, 0, 0}))
                << x << " " << y; // the opening stays free
            ++free;
        }
    }
    EXPECT_EQ(corners, 4);
    EXPECT_EQ(sides, 36);
    EXPECT_EQ(free, 80);
    EXPECT_TRUE(slab::fileExists(p.dir() + "D1.TXT"));
    EXPECT_TRUE(slab::fileExists(p.dir() + "ECHO_G.P1"));
}

TEST(Console, RestartLoadsEchoAndSavesTheSameFiles) {
    Position p;
    ASSERT_EQ(run(p.commandLine(), p.work.str(), kSession).status, 0);
    const char* files[] = {"PARAMETER", "KNOTEN1", "ELEMENTE1", "FEDER1",  "BETTUNG1",
                           "ECHO_G.P1", "PVI",     "PVI.TXT",   "CMAC.P1", "CWIN.P1",
                           "PCAD.P1",   "DATEIEN", "LASTD"};
    std::vector<std::vector<std::uint8_t>> before;
    for (const char* f : files)
        before.push_back(bytes(p.dir() + f));
    Session r = run(p.commandLine(), p.work.str(), "speichern\nd1\nbeenden\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Position P1: 120 Knoten, 96 Elemente"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(" Plattenberechnung nach der Methode der Finiten Elemente"),
              std::string::npos);
    for (std::size_t i = 0; i < std::size(files); ++i)
        EXPECT_EQ(bytes(p.dir() + files[i]), before[i]) << files[i];
}

TEST(Console, SavedModelIsComputedInEquilibrium) {
    Position p;
    ASSERT_EQ(run(p.commandLine(), p.work.str(), kSession).status, 0);
    slab::RecordTable<slab::ElementLoadRecord> loads(97);
    for (std::size_t e = 1; e <= 96; ++e)
        loads[e].v[slab::ElementLoadRecord::kAreaLoad] = 10.0f;
    ASSERT_TRUE(slab::writeRows(p.dir() + "ELEMENTE2LF1", loads, 96));
    slab::CalculationForm form;
    form.positionDirectory = p.dir();
    form.loadCase = 1;
    auto model = std::make_unique<slab::SolverModel>();
    ui::ScriptedUi ui;
    ASSERT_TRUE(slab::runCalculation(form, *model, ui))
        << (ui.texts().empty() ? "" : ui.texts().back());
    EXPECT_TRUE(testsupport::near(model->totalLoad, 960.0, 1e-6));
    EXPECT_TRUE(testsupport::near(model->supportSum, -model->totalLoad, 1e-6));
    const std::string report = slab::readFileText(p.dir() + "OUTPUTFEM.txt").value_or("");
    EXPECT_NE(report.find("''Das globale Gleichgewicht ist erfüllt!''"), std::string::npos);
}

TEST(Console, TablesModesAndMessages) {
    Position p;
    Session r = run(p.commandLine(), p.work.str(),
                    "hilfe\n"
                    "geometrie nx=2 ny=1 q=3\n"
                    "geometrie nx=zwei\n"
                    "geometrie nx=2 ny=1\n"
                    "kante 0.5 0\n"
                    "klick 0.5 0.5\n"
                    "lager art=quer\n"
                    "lager art=eingespannt\n"
                    "kante 0.5 0\n"
                    "kante 9 9\n"
                    "ende\n"
                    "knoten\n"
                    "zeile 1 0 0 1 1 1\n"
                    "zeile 1 0 0 1 1 1 2\n"
                    "ok\n"
                    "zeile 1 0 0 1 1 1 1\n"
                    "ok\n"
                    "federn\n"
                    "zeile 5 1000 0 0 0\n"
                    "ok\n"
                    "bettung\n"
                    "f5 1 2\n"
                    "zeile 1 5000\n"
                    "f5 1 2\n"
                    "liste\n"
                    "ok\n"
                    "ok\n"
                    "einzeln\n"
                    "klick 1.5 0.5\n"
                    "einzeln\n"
                    "d1\n");
    EXPECT_EQ(r.status, 0);
    const std::string& o = r.out;
    EXPECT_NE(o.find("geometrie nx= ny= dx= dy= e= nu= d="), std::string::npos);
    EXPECT_NE(o.find("Eingabe der Geometrie: Unbekanntes Feld \"q\"."), std::string::npos) << o;
    EXPECT_NE(
        o.find(
            "Eingabe der Geometrie: Anzahl der Elemente in x-Richtung: \"zwei\" ist keine Zahl."),
        std::string::npos);
    EXPECT_NE(o.find("Hinweis: Zuerst Lager setzen (lager) wählen."), std::string::npos);
    EXPECT_NE(o.find("Hinweis: Zuerst Elemente einzeln löschen (einzeln) wählen."),
              std::string::npos);
    EXPECT_NE(o.find("Lager: Unbekannte Lagerart \"quer\"."), std::string::npos);
    EXPECT_NE(o.find("Kante gesetzt: Eingespannt"), std::string::npos);
    EXPECT_NE(o.find("Keine Kante getroffen."), std::string::npos);
    EXPECT_NE(o.find("Knoten: Die Zeile braucht 6 Werte (\"-\" für ein leeres Feld)."),
              std::string::npos);
    EXPECT_NE(o.find("Knoten: Zeile 1, Spalte w,xy: \"2\" muss 0 (frei) oder 1 (gehalten) sein."),
              std::string::npos)
        << o;
    EXPECT_NE(o.find("Knoten übernommen: 6 Knoten, 2 Elemente"), std::string::npos);
    EXPECT_NE(o.find("Federsteifigkeiten übernommen"), std::string::npos);
    EXPECT_NE(o.find("Hinweis: Keine Tabelle offen"), std::string::npos);
    EXPECT_NE(o.find("Element 2 gelöscht: 4 Knoten, 1 Elemente"), std::string::npos) << o;
    EXPECT_NE(o.find("Eingabe:Mausklick = Löschen von Elementen"), std::string::npos);
    EXPECT_NE(o.find("   1    1    2    3    4 3.000E+07"), std::string::npos);
    // End of input with unsaved changes: the question is cancelled and the program says so.
    EXPECT_NE(o.find("Speichern ?: Sollen die Änderungen gespeichert werden?"), std::string::npos);
    EXPECT_NE(o.find("Die Änderungen wurden nicht gespeichert."), std::string::npos);

    // The table OK wrote the model: node 1 with all fixities, the spring of node 5, the bedding.
    auto knoten = bytes(p.dir() + "KNOTEN1");
    ASSERT_GE(knoten.size(), 40u);
    EXPECT_EQ(slab::getLE<std::int32_t>(knoten.data() + 36), 1);
}

TEST(Console, CommandLineAndBinary) {
    Position p;
    EXPECT_EQ(run("", p.work.str(), "").status, 1);
    EXPECT_EQ(run("", p.work.str(), "").out,
              "Fehlende Eingabe: Kommandozeile: .POS @Datenpfad\\ \n");
    Session r =
        run(".NEU @" + p.data.str(), p.work.str(), "geometrie nx=1 ny=1\nspeichern\nP7\nbeenden\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Speichern: Position?"), std::string::npos);
    EXPECT_TRUE(slab::fileExists(p.data.str() + "SDIRFEMP7/KNOTEN1"));
    if (const char* bin = std::getenv("SLAB_BIN")) {
        const std::string script = p.work.str() + "script";
        ASSERT_TRUE(slab::writeFileAtomic(
            script, std::string("geometrie nx=3 ny=2\nspeichern\nbeenden\n")));
        const std::string cmd = "cd " + p.work.str() + " && " + bin + "/morvel .P9 @" +
                                p.data.str() + " < " + script + " > out.txt";
        EXPECT_EQ(std::system(cmd.c_str()), 0);
        EXPECT_EQ(bytes(p.data.str() + "SDIRFEMP9/PARAMETER"),
                  (std::vector<std::uint8_t>{12, 0, 0, 0, 6, 0, 0, 0}));
        EXPECT_TRUE(slab::fileExists(p.work.str() + "EXT"));
        EXPECT_NE(std::system((std::string(bin) + "/morvel > /dev/null < /dev/null").c_str()), 0);
    }
}

TEST(Console, SaveDialogOfANewPlate) {
    Position p;
    Session r = run(".NEU @" + p.data.str(), p.work.str(),
                    "geometrie nx=1 ny=1\nspeichern\n\nspeichern\na b\nspeichern\n P7 \nbeenden\n");
    EXPECT_EQ(r.status, 0);
    // An empty answer cancels; a name with a blank is refused with the reason.
    EXPECT_EQ(r.out, "Position NEU: 0 Knoten, 0 Elemente\n"
                     "Netz generiert: 4 Knoten, 1 Elemente\n"
                     "Speichern: Position?\n"
                     "Speichern: Position?\n"
                     "Speichern: Der Positionsname darf keine Leerzeichen enthalten.\n"
                     "Speichern: Position?\n"
                     "Status: Position P7\n"
                     "Position P7 gespeichert.\n");
    EXPECT_TRUE(slab::fileExists(p.data.str() + "SDIRFEMP7/KNOTEN1"));
    EXPECT_FALSE(slab::fileExists(p.data.str() + "SDIRFEMa b/KNOTEN1"));
}

TEST(Console, GenerationDialogAsksForTheFieldsLeftOutOnATerminal) {
    Position p;
    std::istringstream in("geometrie nx=3 dx=1,5\n2\n\n\n0,25\n\nspeichern\n");
    std::ostringstream out;
    ui::LineInput input(in, true);
    EXPECT_EQ(morvel::runConsole(p.commandLine(), p.work.str(), input, out), 0);
    // Each field left out shows its value; an empty answer keeps it.
    EXPECT_EQ(out.str(), "Position P1: 0 Knoten, 0 Elemente\n"
                         "Anzahl der Elemente in y-Richtung [10]: "
                         "Elastizitätsmodul [kN/m²] [3e+07]: "
                         "Querdehnzahl [0,16]: "
                         "Dicke der Platte [m] [0,2]: "
                         "Elementhöhe [m] [1]: "
                         "Netz generiert: 12 Knoten, 6 Elemente\n"
                         "Position P1 gespeichert.\n");
    const std::string echo = slab::readFileText(p.dir() + "ECHO_G.P1").value_or("");
    EXPECT_NE(echo.find("MASTER\n1.500  1.000  3 2 3.000E+07 0.16 0.25\n"), std::string::npos)
        << echo;
}

TEST(Console, WrongArgumentsNameTheCallAsHelpShowsIt) {
    Position p;
    Session r = run(p.commandLine(), p.work.str(),
                    "geometrie nx=2 ny=1\nlager\nkante 1\nende\neinzeln\nklick a b\neinzeln\n"
                    "mehrere\nfenster 1 2 3\nmehrere\nknoten\nzeile\nleer\nf5 1\nabbrechen\n"
                    "speichern-unter A B\n");
    EXPECT_EQ(r.status, 0);
    for (const char* call : {"kante X Y", "klick X Y", "fenster X1 Y1 X2 Y2", "zeile N WERT...",
                             "leer N", "f5 N SPALTE", "speichern-unter NAME"})
        EXPECT_NE(r.out.find(std::string("Fehlende Eingabe: Aufruf: ") + call + "\n"),
                  std::string::npos)
            << call << "\n"
            << r.out;
}
