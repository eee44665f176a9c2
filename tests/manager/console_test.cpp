// The console front end: a scripted session with a recording launcher, the real launcher, and
// the real tarvik driving the real morvel and vintor from one piped input.
#include "manager/launcher.hpp"
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
using tarvik::Wait;

struct Session {
    int status = 0;
    std::string out;
};

Session run(const std::string& work, const std::string& script, tarvik::Launcher& launcher) {
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
    tarvik::SpawnLauncher launcher(work.str());
    // Each argument stays one, blanks and shell characters included.
    EXPECT_EQ(launcher.start("touch", {"a b", "$(x);y"}, Wait::Yes), tarvik::LaunchResult::Started);
    EXPECT_TRUE(exists(work.str() + "a b"));
    EXPECT_TRUE(exists(work.str() + "$(x);y"));
    EXPECT_EQ(launcher.start("kein-solches-programm-im-pfad", {}, Wait::Yes),
              tarvik::LaunchResult::NotFound);
    EXPECT_EQ(launcher.start("true", {}, Wait::No), tarvik::LaunchResult::Started);
    EXPECT_EQ(tarvik::SpawnLauncher::locate("kein-solches-programm-im-pfad"),
              "kein-solches-programm-im-pfad");
    // The test program lies beside the suite's programs, so they are found there first.
    if (const char* bin = std::getenv("SLAB_BIN"); bin && exists(std::string(bin) + "/vintor")) {
        const std::string found = tarvik::SpawnLauncher::locate("vintor");
        EXPECT_EQ(std::filesystem::canonical(found),
                  std::filesystem::canonical(std::string(bin) + "/vintor"));
    }
}

TEST(TarvikProgram, PipedScriptDrivesMorvelAndVintor) {
    const char* bin = std::getenv("SLAB_BIN");
    if (!bin) GTEST_SKIP() << "SLAB_BIN not set";
    for (const char* program : {"tarvik", "morvel", "vintor"})
        if (!exists(std::string(bin) + "/" + program)) GTEST_SKIP() << program << " not built";
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
    ASSERT_TRUE(slab::writeFileAtomic(work.str() + "script", script));
    // PATH holds none of the suite's programs: tarvik finds them beside its own executable.
    const std::string cmd = "cd '" + work.str() + "' && PATH=/usr/bin:/bin '" + bin +
                            "/tarvik' < script > out.txt 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const std::string out = slab::readFileText(work.str() + "out.txt").value_or("");

    EXPECT_EQ(bytes(dir + "PARAMETER"), (std::vector<std::uint8_t>{9, 0, 0, 0, 4, 0, 0, 0})) << out;
    const std::string report = slab::readFileText(dir + "OUTPUTFEM.txt").value_or("");
    EXPECT_TRUE(contains(report, "Das globale Gleichgewicht ist erfüllt!")) << out;
    EXPECT_EQ(bytes(work.str() + "EXT"), tarvik::encodeField(".P1"));
    // The lines come in the order of the session: tarvik, morvel, tarvik, vintor, tarvik.
    const auto saved = out.find("Position P1 gespeichert.");
    const auto model = out.find("Modell:               9 Knoten, 4 Elemente");
    const auto solved = out.find("Status: Berechnung wurde erfolgreich beendet.");
    const auto protocol = out.find("Protokoll (0 Zeilen)");
    ASSERT_NE(saved, std::string::npos) << out;
    ASSERT_NE(model, std::string::npos) << out;
    ASSERT_NE(solved, std::string::npos) << out;
    ASSERT_NE(protocol, std::string::npos) << out;
    EXPECT_LT(saved, model);
    EXPECT_LT(model, solved);
    EXPECT_LT(solved, protocol);
}

} // namespace
