// Typed data paths and their creation, picked position directories, the free-space label, the
// protocol lines and the restarts of a protocol line.
#include "manager/free_space.hpp"
#include "manager/paths.hpp"
#include "manager/protocol.hpp"
#include "tests/manager/manager_fixtures.hpp"

#include <gtest/gtest.h>

namespace {

using managertest::exists;

TEST(Paths, TypedDataPaths) {
    EXPECT_EQ(tarvik::dataPathOf("/daten", "/w/"), "/daten/");
    EXPECT_EQ(tarvik::dataPathOf("  /daten/  ", "/w/"), "/daten/");
    EXPECT_EQ(tarvik::dataPathOf("/a/./b//../c", "/w/"), "/a/c/");
    EXPECT_EQ(tarvik::dataPathOf("x/y", "/w/"), "/w/x/y/");
    EXPECT_EQ(tarvik::dataPathOf("Daten 2", "/w/"), "/w/Daten 2/");
    // A drive root of this file system: no doubled "/", and "" without it.
    EXPECT_EQ(tarvik::dataPathOf("/", "/"), "/");
    EXPECT_EQ(tarvik::withoutSlash("/"), "");
    EXPECT_EQ(tarvik::dataPathOf("   ", "/w/"), "");
    EXPECT_EQ(tarvik::dataPathProblem("/w/"), std::nullopt);
    EXPECT_EQ(tarvik::dataPathProblem("/a@b/"), "Der Datenpfad darf kein \"@\" enthalten.");
    EXPECT_EQ(tarvik::dataPathProblem("/" + std::string(79, 'x') + "/"),
              "Der Datenpfad ist zu lang (höchstens 80 Zeichen).");
    EXPECT_EQ(tarvik::dataPathProblem("/" + std::string(78, 'x') + "/"), std::nullopt);
}

TEST(Paths, CreatePathMakesEveryMissingDirectory) {
    testsupport::TempDir t;
    ui::ScriptedUi box;
    EXPECT_TRUE(tarvik::createPath(t.str() + "a/b/c/", box));
    EXPECT_TRUE(tarvik::isDirectory(t.str() + "a/b/c"));
    EXPECT_TRUE(tarvik::createPath(t.str() + "a/b/c/", box)); // exists: nothing to do
    EXPECT_TRUE(box.messages.empty());

    // A file where a directory must go stops the creation with that piece named.
    ASSERT_TRUE(slab::writeFileAtomic(t.str() + "a/datei", std::string("x")));
    EXPECT_FALSE(tarvik::createPath(t.str() + "a/datei/neu/", box));
    ASSERT_EQ(box.messages.size(), 1u);
    EXPECT_EQ(box.messages[0].title, "Fehler");
    EXPECT_EQ(box.messages[0].text, "Pfad datei kann nicht angelegt werden!");
    EXPECT_FALSE(exists(t.str() + "a/datei/neu"));
}

TEST(Paths, PickedPositionDirectories) {
    auto pick = tarvik::splitPositionDirectory("/Daten/SDIRFEMp1/", "/w/");
    ASSERT_TRUE(pick.position);
    // The letter case stays: this file system tells SDIRFEMp1 from SDIRFEMP1.
    EXPECT_EQ(pick.position->dataPath, "/Daten/");
    EXPECT_EQ(pick.position->name, "p1");
    pick = tarvik::splitPositionDirectory("proj/SDIRFEMA/SDIRFEMB", "/w/");
    ASSERT_TRUE(pick.position);
    EXPECT_EQ(pick.position->dataPath, "/w/proj/SDIRFEMA/");
    EXPECT_EQ(pick.position->name, "B");

    EXPECT_EQ(tarvik::splitPositionDirectory("/Daten/P1/", "/w/").problem,
              "Das Verzeichnis /Daten/P1 ist kein Positionsverzeichnis (SDIRFEM<Position>).");
    EXPECT_EQ(tarvik::splitPositionDirectory("/Daten/sdirfemP1/", "/w/").position, std::nullopt);
    EXPECT_EQ(tarvik::splitPositionDirectory("/Daten/SDIRFEM/", "/w/").problem,
              "Der Positionsname fehlt.");
    EXPECT_EQ(tarvik::splitPositionDirectory("/Daten/SDIRFEM../", "/w/").problem,
              "Der Positionsname darf nicht \".\" oder \"..\" sein.");
    EXPECT_EQ(tarvik::splitPositionDirectory("", "/w/").problem, "Das Positionsverzeichnis fehlt.");
}

TEST(FreeSpace, TextIsBytesOver1024Over1000Truncated) {
    EXPECT_EQ(tarvik::freeSpaceText(2'048'000'000ULL), "2000 MB FREI");
    EXPECT_EQ(tarvik::freeSpaceText(0), "0 MB FREI");
    EXPECT_EQ(tarvik::freeSpaceText(1'023'999), "0 MB FREI");
    EXPECT_EQ(tarvik::freeSpaceText(1'024'000), "1 MB FREI");
    EXPECT_EQ(tarvik::freeSpaceText(2'048'000'000ULL * 1'000'000), "2000000000 MB FREI");
    EXPECT_EQ(tarvik::freeSpaceText(18'446'744'073'709'551'615ULL), "18014398509481 MB FREI");
    testsupport::TempDir t;
    EXPECT_TRUE(tarvik::freeBytes(t.str()).has_value());
    EXPECT_TRUE(tarvik::freeBytes(t.str() + "noch/nicht/da/").has_value());
}

TEST(Protocol, LineIsLocalTimeThenText) {
    std::tm t{};
    t.tm_mday = 5;
    t.tm_mon = 2;
    t.tm_year = 124;
    t.tm_hour = 14;
    t.tm_min = 7;
    t.tm_sec = 9;
    EXPECT_EQ(tarvik::protocolLine(t, "Eingabe LF 3"), "05.03. 14:07:09  Eingabe LF 3");

    const std::int64_t when = 1'700'000'000;
    const auto lines =
        tarvik::protocolLines({{when, "Eingabe Abmessungen"}, {when + 61, "Bemessung"}});
    ASSERT_EQ(lines.size(), 2u);
    const auto tt = static_cast<std::time_t>(when + 61);
    std::tm local{};
    localtime_r(&tt, &local);
    EXPECT_EQ(lines[1], tarvik::protocolLine(local, "Bemessung"));
    EXPECT_EQ(lines[1].size(), std::string("dd.mm. hh:mm:ss  Bemessung").size());
}

TEST(Protocol, RestartRulesFirstKeyWins) {
    using tarvik::Restart;
    using tarvik::restartOf;
    const std::string t = "05.03. 14:07:09  ";
    EXPECT_EQ(restartOf(t + "Eingabe Abmessungen"), (Restart{"morvel", std::nullopt}));
    EXPECT_EQ(restartOf(t + "Eingabe LF 3"), (Restart{"daskel", 3}));
    EXPECT_EQ(restartOf(t + "Eingabe LF 12 (Eigengewicht)"), (Restart{"daskel", 12}));
    EXPECT_EQ(restartOf(t + "Eingabe Satz 2"), (Restart{"ruvane", 2}));
    EXPECT_EQ(restartOf(t + "Berechnung LF 4"), (Restart{"DAVIZO", 4}));
    EXPECT_EQ(restartOf(t + "Bemessung"), (Restart{"DAVIZO", std::nullopt}));
    EXPECT_EQ(restartOf(t + "Überlagerung"), (Restart{"DAVIZO", std::nullopt}));
    // Load case 0, no number, or no room for one start nothing.
    EXPECT_EQ(restartOf(t + "Eingabe LF 0"), std::nullopt);
    EXPECT_EQ(restartOf(t + "Eingabe LF"), std::nullopt);
    EXPECT_EQ(restartOf(t + "Eingabe LF x"), std::nullopt);
    EXPECT_EQ(restartOf(t + "Eingabe LF -2"), std::nullopt);
    EXPECT_EQ(restartOf(t + "Eingabe LF 99999999999"), std::nullopt);
    // The character after the key is skipped whatever it is.
    EXPECT_EQ(restartOf(t + "Eingabe LF37"), (Restart{"daskel", 7}));
    // Several keys: the first in the order of the rules decides, not the first in the line.
    EXPECT_EQ(restartOf(t + "Bemessung Eingabe Abmessungen"), (Restart{"morvel", std::nullopt}));
    EXPECT_EQ(restartOf(t + "Berechnung LF 2 nach Eingabe LF 0"), std::nullopt);
    EXPECT_EQ(restartOf(t + "Platte dupliziert (Original Pos. P1)"), std::nullopt);
    EXPECT_EQ(tarvik::leadingNumber("  +42abc"), 42);
    EXPECT_EQ(tarvik::leadingNumber("2147483647"), 2147483647);
    EXPECT_EQ(tarvik::leadingNumber("2147483648"), 0);
}

} // namespace
