// vintor's console form end to end on a small position, in process and as a program.
#include "solver/example_slab.hpp"
#include "tests/support/action_table_checks.hpp"
#include "tests/support/test_support.hpp"
#include "ui/vintor/vintor_console.hpp"

#include "common/position.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

struct Session {
    int status = 0;
    std::string out;
};

Session run(const std::string& commandLine, const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    ui::LineInput input(in);
    Session s;
    s.status = vintor::runConsole(commandLine, input, out);
    s.out = out.str();
    return s;
}

bool contains(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}

} // namespace

TEST(VintorConsole, ActionTableHasEveryActionOnce) {
    testsupport::expectWellFormedTable(vintor::actions(), 8);
}

TEST(VintorConsole, EmptyCommandLineEndsWithTheMessage) {
    Session s = run("", "start\n");
    EXPECT_EQ(s.status, 1);
    EXPECT_EQ(s.out, "Fehlende Eingabe: Kommandozeile: .POS @Datenpfad\\ \n");
}

TEST(VintorConsole, FormRunAndFieldCommands) {
    testsupport::TempDir data;
    const std::string dir = slab::positionDirectory(data.str(), "P1");
    std::filesystem::create_directories(dir);
    auto m = std::make_unique<slab::SolverModel>();
    slab::buildExampleSlab(slab::ExampleSlab{}, *m);
    ASSERT_TRUE(slab::writeModelFiles(*m, dir, 1));

    Session s = run(".P1 @" + data.str(), "lf 51\nlf x\nnichtkonform\nlf 2\nstart\nlf 1\nstart\nende\nstart\n");
    EXPECT_EQ(s.status, 0);
    EXPECT_TRUE(contains(s.out, "FEM-Berechnung für Platten\n"));
    EXPECT_TRUE(contains(s.out, "    Datenpfad:       " + dir + "\n"));
    EXPECT_TRUE(contains(s.out, "Vintor: Geben Sie eine ganze Zahl zwischen 0 und 50 ein.\n"));
    EXPECT_TRUE(contains(s.out, "    (x) Nichtkonform\n"));
    EXPECT_TRUE(contains(s.out, "Vintor: Ihr angegebener Lastfall existiert nicht!\n"));
    EXPECT_TRUE(contains(s.out, "Status: Die Berechnung wurde abgebrochen!\n"));
    EXPECT_TRUE(contains(s.out, "Status: Berechnung wurde erfolgreich beendet.\n"));
    EXPECT_TRUE(contains(s.out, "Die Berechnung dauerte weniger als 1 Sekunde."));
    // "ende" ends at once: the last "start" is never run.
    const auto successes = [&] {
        int n = 0;
        for (auto p = s.out.find("erfolgreich beendet.\n"); p != std::string::npos;
             p = s.out.find("erfolgreich beendet.\n", p + 1))
            ++n;
        return n;
    }();
    EXPECT_EQ(successes, 2); // the status line and the form shown afterwards

    Session path = run(".P1 @" + data.str(), "pfad " + std::string(121, 'x') + "\npfad /anders/\nzeige\n");
    EXPECT_TRUE(contains(path.out, "Vintor: Geben Sie nicht mehr als 120 Zeichen ein.\n"));
    EXPECT_TRUE(contains(path.out, "    Datenpfad:       /anders/\n"));
}

TEST(VintorConsole, ProgramRunsFromItsCommandLine) {
    const char* bin = std::getenv("SLAB_BIN");
    if (!bin) GTEST_SKIP() << "SLAB_BIN not set";
    testsupport::TempDir data;
    const std::string make = std::string(bin) + "/beispielplatte " + data.str() + " P1 > /dev/null";
    ASSERT_EQ(std::system(make.c_str()), 0);
    const std::string cmd = "printf 'start\\n' | " + std::string(bin) + "/vintor .P1 @" + data.str() +
                            " > " + data.str() + "out.txt";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::ostringstream text;
    text << std::ifstream(data.str() + "out.txt").rdbuf();
    EXPECT_TRUE(contains(text.str(), "Status: Berechnung wurde erfolgreich beendet.\n"));
}
