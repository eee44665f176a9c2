// The console front end: a scripted session with a recording launcher, the real launcher, and
// the real tarvik driving the real morvel and vintor from one piped input.
#include "ports/spawn_launcher.hpp"
#include "tests/support/golden.hpp"
#include "tests/manager/manager_fixtures.hpp"
#include "ui/tarvik/tarvik_console.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

using managertest::bytes;
using managertest::exists;
using managertest::FakeLauncher;
using ports::Wait;

struct Session {
    int status = 0;
    std::string out;
};

Session run(const std::string& work, const std::string& script, ports::Launcher& launcher) {
    std::istringstream in(script);
    std::ostringstream out;
    ui::LineInput input(in);
    Session r;
    r.status = tarvik::runConsole(work, input, out, launcher);
    r.out = out.str();
    return r;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

/// The folder of the built programs (SLAB_BIN) when every one named is there; "" otherwise.
std::string builtPrograms(std::initializer_list<const char*> programs) {
    const char* bin = std::getenv("SLAB_BIN");
    if (!bin) return {};
    for (const char* program : programs)
        if (!exists(std::string(bin) + "/" + program)) return {};
    return bin;
}

/// Runs the real tarvik in work with the script on its input and a PATH that holds none of the
/// suite's programs, so that it must find them beside its own executable. The status is -1
/// when the script could not be written.
Session runProgram(const std::string& bin, const std::string& work, const std::string& script) {
    Session r;
    if (!slab::writeFileAtomic(work + "script", script)) {
        r.status = -1;
        return r;
    }
    const std::string cmd =
        "cd '" + work + "' && PATH=/usr/bin:/bin '" + bin + "/tarvik' < script > out.txt 2>&1";
    r.status = std::system(cmd.c_str());
    r.out = slab::readFileText(work + "out.txt").value_or("");
    return r;
}

TEST(TarvikConsole, ScriptedSessionWithEveryCommand) {
    testsupport::TempDir work, data;
    FakeLauncher launcher;
    const std::string d = data.str();
    const Session r = run(work.str(),
                          "hilfe\n"
                          "datenpfad " +
                              d +
                              "\n"
                              "neu Platte 1\n"
                              "neu P1\n"
                              "neue-position Platte 2 pfad=" +
                              d +
                              "zweiter pfad\n"
                              "liste\n"
                              "position P1\n"
                              "position P9\n"
                              "eintrag-loeschen 7\n"
                              "eintrag-loeschen 2\n"
                              "belastung\n"
                              "rechnen\n"
                              "protokoll\n"
                              "protokoll 2\n"
                              "dokument 3\n"
                              "dokument 1\n"
                              "grundriss\n"
                              "rechtsklick\n"
                              "oeffnen " +
                              d +
                              "SDIRFEMP1\n"
                              "duplizieren P1B\n"
                              "protokoll\n"
                              "protokoll 1\n"
                              "liste-leeren\n"
                              "info\n"
                              "gibtsnicht\n"
                              "beenden\n"
                              "rechnen\n",
                          launcher);
    EXPECT_EQ(r.status, 0);
    const std::string& o = r.out;
    EXPECT_TRUE(contains(o, "Befehle:\n")) << o;
    EXPECT_TRUE(contains(o, "  neue-position [NAME] [pfad=PFAD]"));
    EXPECT_TRUE(contains(o, "Position: 1   Datenpfad: " + work.str()));
    EXPECT_TRUE(contains(o, "Position: 1   Datenpfad: " + d + "   ")); // with the free space
    EXPECT_TRUE(contains(o, "Fehler: Der Positionsname darf keine Leerzeichen enthalten.\n"));
    EXPECT_TRUE(contains(o, "Position: P1   Datenpfad: " + d));
    EXPECT_TRUE(contains(o, "Position: Platte_2   Datenpfad: " + d + "zweiter pfad/"));
    EXPECT_TRUE(contains(o, "  1  Platte_2   " + d + "zweiter pfad\n  2  P1   " +
                                d.substr(0, d.size() - 1) + "\n"));
    EXPECT_TRUE(
        contains(o, "Hinweis: Die Position P9 steht nicht in der Liste der letzten Positionen"));
    EXPECT_TRUE(contains(
        o, "Hinweis: Die Liste der letzten Positionen hat keinen Eintrag 7 (sie hat 2).\n"));
    EXPECT_TRUE(contains(o, "Achtung: Erst die Abmessungen der Platte eingeben.\n"));
    EXPECT_TRUE(contains(o, "Protokoll (0 Zeilen)\n"));
    EXPECT_TRUE(contains(o, "Protokoll: Das Protokoll hat keine Zeile 2 (es hat 0 Zeilen).\n"));
    EXPECT_TRUE(contains(o, "Fehlende Eingabe: Aufruf: dokument 1|2\n"));
    EXPECT_TRUE(contains(o, "Fehlende Eingabe: Es wurde noch keine Diskretisierung vorgenommen."));
    EXPECT_TRUE(contains(o, "Grundriß eingeblendet\n"));
    EXPECT_TRUE(contains(o, "Tarvik: Erst die Abmessungen der Platte eingeben.\n"));
    EXPECT_TRUE(contains(o, "Position: P1B   Datenpfad: " + d));
    EXPECT_TRUE(contains(o, "Protokoll (1 Zeilen)\n"));
    EXPECT_TRUE(contains(o, "  Platte dupliziert (Original Pos. P1)\n"));
    EXPECT_TRUE(contains(o, "Die Zeile 1 startet nichts.\n"));
    EXPECT_TRUE(contains(o, "Positionsverzeichnis: " + d + "SDIRFEMP1B/\n"));
    EXPECT_TRUE(contains(o, "Unbekannter Befehl \"gibtsnicht\""));
    EXPECT_EQ(slab::readFileText(work.str() + "LISTEP"),
              "P1B\n" + d.substr(0, d.size() - 1) + "\n");

    // Every start waits, since the child shares the console; "rechnen" after "beenden" never ran.
    const std::string at = "@" + d;
    EXPECT_EQ(launcher.starts, (std::vector<FakeLauncher::Start>{
                                   {"morvel", {".P1", at}, Wait::Yes},
                                   {"morvel", {".Platte_2", at + "zweiter pfad/"}, Wait::Yes},
                                   {"vintor", {".P1", at}, Wait::Yes},
                                   {"morvel", {".P1B", at}, Wait::Yes},
                               }));
}

TEST(TarvikConsole, HelpMatchesTheGoldenFile) {
    testsupport::TempDir work;
    FakeLauncher launcher;
    const Session r = run(work.str(), "hilfe\n", launcher);
    const std::string banner = "Tarvik: Positionen und Arbeitsschritte (hilfe zeigt die Befehle)\n";
    ASSERT_EQ(r.out.find(banner), 0u) << r.out;
    const std::size_t help = r.out.find('\n', banner.size()) + 1;
    EXPECT_TRUE(testsupport::matchesFixture("hilfe.txt", r.out.substr(help)));
}

TEST(TarvikConsole, EndOfInputEndsLikeBeenden) {
    testsupport::TempDir work;
    FakeLauncher launcher;
    const Session r = run(work.str(), "", launcher);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(contains(r.out, "Position: 1   Datenpfad: " + work.str()));
    EXPECT_TRUE(exists(work.str() + "DPFAD"));
}

TEST(SpawnLauncher, StartsInTheWorkingDirectoryWithoutAShell) {
    testsupport::TempDir work;
    ports::SpawnLauncher launcher(work.str());
    // Each argument stays one, blanks and shell characters included.
    EXPECT_EQ(launcher.start("touch", {"a b", "$(x);y"}, Wait::Yes), ports::LaunchResult::Started);
    EXPECT_TRUE(exists(work.str() + "a b"));
    EXPECT_TRUE(exists(work.str() + "$(x);y"));
    EXPECT_EQ(launcher.start("kein-solches-programm-im-pfad", {}, Wait::Yes),
              ports::LaunchResult::NotFound);
    EXPECT_EQ(launcher.start("true", {}, Wait::No), ports::LaunchResult::Started);
    EXPECT_EQ(ports::SpawnLauncher::locate("kein-solches-programm-im-pfad"),
              "kein-solches-programm-im-pfad");
    // A message names the folder of this program and PATH.
    const std::string places = launcher.searchedPlaces();
    EXPECT_EQ(places.rfind("neben dem Programm in /", 0), 0u) << places;
    EXPECT_NE(places.find(" und im Suchpfad PATH"), std::string::npos) << places;
    // The test program lies beside the suite's programs, so they are found there first.
    if (const char* bin = std::getenv("SLAB_BIN"); bin && exists(std::string(bin) + "/vintor")) {
        const std::string found = ports::SpawnLauncher::locate("vintor");
        EXPECT_EQ(std::filesystem::canonical(found),
                  std::filesystem::canonical(std::string(bin) + "/vintor"));
    }
}

// Two positions of one name on different data paths: the number in the list chooses either; a
// name listed twice asks for the number, an unknown one points to "oeffnen".
TEST(TarvikConsole, RecentPositionsByNameOrNumber) {
    testsupport::TempDir work, a, b;
    for (const auto* data : {&a, &b}) std::filesystem::create_directories(data->str() + "SDIRFEMP1");
    ASSERT_TRUE(slab::writeFileAtomic(work.str() + "LISTEP",
                                      "P1\n" + a.str().substr(0, a.str().size() - 1) + "\nP1\n" +
                                          b.str().substr(0, b.str().size() - 1) + "\n"));
    FakeLauncher launcher;
    const Session r = run(work.str(), "position 2\nposition 1\nposition P1\nposition P7\n",
                          launcher);
    const auto second = r.out.find("Position: P1   Datenpfad: " + b.str());
    const auto first = r.out.find("Position: P1   Datenpfad: " + a.str(), second);
    ASSERT_NE(second, std::string::npos) << r.out;
    ASSERT_NE(first, std::string::npos) << r.out;
    EXPECT_TRUE(contains(r.out, "Hinweis: Die Position P1 steht mehrmals in der Liste; bitte ihre "
                                "Nummer angeben (liste).\n"));
    EXPECT_TRUE(contains(r.out, "Hinweis: Die Position P7 steht nicht in der Liste der letzten "
                                "Positionen (oeffnen VERZEICHNIS öffnet sie).\n"));
    EXPECT_TRUE(launcher.starts.empty());
}

// A script goes on with the lines meant for the program started; when that program is missing,
// the script ends with a message instead of being read as tarvik's commands.
TEST(TarvikConsole, AScriptStopsWhenAProgramOfTheSuiteIsMissing) {
    testsupport::TempDir work;
    FakeLauncher launcher;
    launcher.missing = {"morvel"};
    const Session r = run(work.str(),
                          "datenpfad " + work.str() + "daten\n"
                          "neu P1\n"
                          "geometrie nx=2 ny=2\n"
                          "beenden\n"
                          "info\n",
                          launcher);
    EXPECT_EQ(r.status, 1);
    const auto missing = r.out.find(
        "Hinweis: Das Programm morvel ist nicht installiert (gesucht im Suchpfad PATH).\n");
    const auto stopped = r.out.find(
        "Fehler: Das Skript wird beendet: seine nächsten Zeilen sind für morvel bestimmt.\n");
    ASSERT_NE(missing, std::string::npos) << r.out;
    ASSERT_NE(stopped, std::string::npos) << r.out;
    EXPECT_LT(missing, stopped);
    EXPECT_EQ(r.out.find("Unbekannter Befehl"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Arbeitsverzeichnis:"), std::string::npos) << r.out; // "info" not run
}

TEST(TarvikProgram, PipedScriptDrivesMorvelAndVintor) {
    const std::string bin = builtPrograms({"tarvik", "morvel", "vintor"});
    if (bin.empty()) GTEST_SKIP() << "tarvik, morvel and vintor are not built (SLAB_BIN)";
    testsupport::TempDir work;
    // The load case the load editor would write: 10 kN/m² on the four elements of the plate.
    slab::RecordTable<slab::ElementLoadRecord> loads(5);
    for (std::size_t e = 1; e <= 4; ++e)
        loads[e].v[slab::ElementLoadRecord::kAreaLoad] = 10.0f;
    const std::string dir = work.str() + "SDIRFEMP1/";
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(slab::writeRows(dir + "ELEMENTE2LF1", loads, 4));

    const std::string script = "neu P1\n"
                               "geometrie nx=2 ny=2 dx=1 dy=1 e=30000000 nu=0,2 d=0,2\n"
                               "lager art=gelenkig\n"
                               "rand\n"
                               "ende\n"
                               "speichern\n"
                               "beenden\n"
                               "info\n"
                               "rechnen\n"
                               "start\n"
                               "ende\n"
                               "protokoll\n"
                               "beenden\n";
    const Session session = runProgram(bin, work.str(), script);
    ASSERT_EQ(session.status, 0) << session.out;
    const std::string& out = session.out;

    EXPECT_EQ(bytes(dir + "PARAMETER"), (std::vector<std::uint8_t>{9, 0, 0, 0, 4, 0, 0, 0})) << out;
    const std::string report = slab::readFileText(dir + "OUTPUTFEM.txt").value_or("");
    EXPECT_TRUE(contains(report, "Das globale Gleichgewicht ist erfüllt!")) << out;
    EXPECT_EQ(bytes(work.str() + "EXT"), tarvik::encodeField(".P1"));
    // The lines come in the order of the session: tarvik, morvel, tarvik, vintor, tarvik.
    const auto saved = out.find("Position P1 gespeichert.");
    const auto model = out.find("Modell:               9 Knoten, 4 Elemente");
    const auto solved = out.find("Status: Berechnung wurde erfolgreich beendet.");
    // morvel's save and vintor's run are in the time table.
    const auto protocol = out.find("Protokoll (2 Zeilen)");
    ASSERT_NE(saved, std::string::npos) << out;
    ASSERT_NE(model, std::string::npos) << out;
    ASSERT_NE(solved, std::string::npos) << out;
    ASSERT_NE(protocol, std::string::npos) << out;
    EXPECT_LT(saved, model);
    EXPECT_LT(model, solved);
    EXPECT_LT(solved, protocol);
    EXPECT_TRUE(contains(out.substr(protocol), "  Eingabe Abmessungen\n")) << out;
    EXPECT_TRUE(contains(out.substr(protocol), "  Berechnung LF 1\n")) << out;
}

// The road of one slab: tarvik creates the position, morvel generates a 10 m x 8 m mesh with a
// 2 m x 2 m opening and hinges its outer edge, daskel enters self weight and surcharge and a
// nodal force, vintor computes; then the protocol restarts daskel on the load case.
TEST(TarvikProgram, RoadOfOneSlabThroughAllFourPrograms) {
    const std::string bin = builtPrograms({"tarvik", "morvel", "daskel", "vintor"});
    if (bin.empty()) GTEST_SKIP() << "the four programs are not built (SLAB_BIN)";
    testsupport::TempDir work;
    const std::string script = "datenpfad " + work.str() +
                               "daten\n"
                               "neu DEMO\n"
                               "geometrie nx=10 ny=8 dx=1 dy=1 e=30000000 nu=0,2 d=0,2\n"
                               "mehrere\n"
                               "fenster 5,5 2,5 8,5 5,5\n"
                               "mehrere\n"
                               "lager art=gelenkig\n"
                               "rand\n"
                               "ende\n"
                               "speichern\n"
                               "beenden\n"
                               "belastung\n"
                               "gleichlast gamma=25 g=1,5\n"
                               "knotenlast 30 p=12,5\n"
                               "speichern nr=1 titel=Eigengewicht und Belag\n"
                               "beenden\n"
                               "rechnen\n"
                               "lf 1\n"
                               "start\n"
                               "ende\n"
                               "protokoll\n"
                               "protokoll 3\n"
                               "zeige\n"
                               "beenden\n"
                               "beenden\n";
    const Session session = runProgram(bin, work.str(), script);
    ASSERT_EQ(session.status, 0) << session.out;
    const std::string& out = session.out;
    const std::string dir = work.str() + "daten/SDIRFEMDEMO/";

    // 76 elements of 1 m² under 25 · 0.2 + 1.5 = 6.5 kN/m², and 12.5 kN at node 30
    const std::string report = slab::readFileText(dir + "OUTPUTFEM.txt").value_or("");
    EXPECT_TRUE(contains(report, "Summe der Vertikalkräfte (LF p):\t506.50\n")) << out;
    EXPECT_TRUE(contains(report, "Summe der äquiv. Knotenkräfte (FEM):\t506.50\n"));
    EXPECT_TRUE(contains(report, "Summe der äquiv. Lagerkräfte (FEM):\t-506.50\n"));
    EXPECT_TRUE(contains(report, "Das globale Gleichgewicht ist erfüllt!"));
    for (const char* f : {"Knoten3LF1", "Elemente3LF1", "Info", "Aussenkanten2LF1", "D1.TXT",
                          "ECHO_G.DEMO", "ECHO_L.DEMO", "DIARY.DEMO", "PL01.DEMO"})
        EXPECT_TRUE(slab::fileExists(dir + f)) << f;

    // the time table holds the records of morvel (entering the deletion mode saved as well),
    // daskel and vintor in the order of the steps; daskel's line restarts daskel on load case 1
    const auto protocol = out.find("Protokoll (4 Zeilen)");
    ASSERT_NE(protocol, std::string::npos) << out;
    const auto geometry = out.find("  Eingabe Abmessungen\n", protocol);
    const auto loads = out.find("  Eingabe LF 1\n", protocol);
    const auto computed = out.find("  Berechnung LF 1\n", protocol);
    EXPECT_LT(geometry, loads);
    EXPECT_LT(loads, computed);
    EXPECT_NE(computed, std::string::npos);
    const auto restarted =
        out.find("Status: Position DEMO  LF 1\nPosition DEMO: 98 Knoten, 76 Elemente\n", protocol);
    ASSERT_NE(restarted, std::string::npos) << out;
    EXPECT_TRUE(contains(out.substr(restarted), "Titel: Eigengewicht und Belag\n"));
}

} // namespace
