// The load echo file of a position: appending, replacing and removing blocks through ENEU, the
// failures that leave the file as it was, and the two-load-case golden file.
#include "common/codepage.hpp"
#include "loads/echo/echo_file.hpp"
#include "tests/loads/echo_fixtures.hpp"
#include "tests/support/golden.hpp"
#include "ui/console/scripted_ui.hpp"

#include <filesystem>

using namespace daskel;
using namespace echotest;

// ---------------------------------------------------------------------------------------------
// Writing into ECHO_L

namespace {

LoadCase titled(int number, const std::string& title) {
    LoadCase lc;
    lc.number = static_cast<std::int16_t>(number);
    lc.title = title;
    return lc;
}

std::string block(int number, const std::string& title) {
    return echoBlockBytes(titled(number, title), {});
}

} // namespace

TEST(EchoFile, NewBlocksAreAppendedBehindTheHeaderLine) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, titled(3, "drei"), {}, ui));
    EXPECT_EQ(fileText(echoPath(dir)), kLastfaelle + block(3, "drei"));
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, titled(1, "eins"), {}, ui));
    EXPECT_EQ(fileText(echoPath(dir)), kLastfaelle + block(3, "drei") + block(1, "eins"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "ENEU"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(EchoFile, RewritingLoadCase1LeavesLoadCase10Untouched) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    // LF 10's title is "LF 1": it must not be taken for the block of LF 1.
    const std::string ten = block(10, "LF 1") + "GLEICHLAST\n   2.000\n";
    writeFile(echoPath(dir), kLastfaelle + ten + block(1, "alt") + block(2, "zwei"));
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, titled(1, "neu"), {}, ui));
    EXPECT_EQ(fileText(echoPath(dir)), kLastfaelle + ten + block(1, "neu") + block(2, "zwei"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(EchoFile, ReplacingKeepsOtherBlocksOfADamagedFile) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    // Out of save order, a stale second copy of LF 2 and "\r\n" line ends.
    const std::string crlf = "LF 2\r\n0 0 0 0\r\nTITEL\r\nalt\r\n";
    writeFile(echoPath(dir), kLastfaelle + block(5, "fünf") + crlf + block(3, "drei") +
                                 block(2, "noch älter") + block(4, "vier"));
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, titled(2, "neu"), {}, ui));
    EXPECT_EQ(fileText(echoPath(dir)), kLastfaelle + block(5, "fünf") + block(2, "neu") +
                                           block(3, "drei") + block(4, "vier"));

    // A file whose last line has no line end gets one before an appended block.
    writeFile(echoPath(dir), kLastfaelle + "LF 1\n0 0 0 0\nTITEL\neins");
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, titled(6, "sechs"), {}, ui));
    EXPECT_EQ(fileText(echoPath(dir)), kLastfaelle + block(1, "eins") + block(6, "sechs"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(EchoFile, ExistingSpellingIsKeptAndFailuresLeaveTheFile) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    const std::string lower = dir.str() + "echo_l.p1";
    writeFile(lower, kLastfaelle + block(1, "alt"));
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, titled(1, "neu"), {}, ui));
    EXPECT_EQ(fileText(lower), kLastfaelle + block(1, "neu"));
    EXPECT_FALSE(std::filesystem::exists(echoPath(dir)));

    // ENEU cannot be created (a directory stands in its way).
    std::filesystem::create_directory(dir.path() / "ENEU");
    EXPECT_FALSE(writeEchoBlock(dir.str(), kSuffix, titled(1, "kaputt"), {}, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Fehler");
    EXPECT_EQ(ui.messages[0].text, "Fehler beim Öffnen der Dateien ECHO_L und LNEU in LWRITE");
    EXPECT_EQ(fileText(lower), kLastfaelle + block(1, "neu"));
    std::filesystem::remove(dir.path() / "ENEU");

    // Something that is not a file under the name is neither read nor replaced.
    testsupport::TempDir other;
    std::filesystem::create_directories(other.path() / "ECHO_L.P1" / "x");
    EXPECT_FALSE(writeEchoBlock(other.str(), kSuffix, titled(1, "neu"), {}, ui));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "Fehler beim Öffnen der Dateien ECHO_L und LNEU in LWRITE");
    EXPECT_TRUE(std::filesystem::is_directory(other.path() / "ECHO_L.P1" / "x"));

    // ENEU is written but cannot be renamed to a name longer than the file system allows.
    const std::string longSuffix = "." + std::string(260, 'x');
    EXPECT_FALSE(writeEchoBlock(other.str(), longSuffix, titled(1, "neu"), {}, ui));
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[2].title, "Fehler");
    EXPECT_EQ(ui.messages[2].text, "Fehler beim Löschen der Datei ECHO_L" + longSuffix);
    EXPECT_FALSE(std::filesystem::exists(other.path() / "ENEU"));

    // A load case without a number is refused.
    EXPECT_FALSE(writeEchoBlock(dir.str(), kSuffix, titled(0, "ohne"), {}, ui));
    EXPECT_EQ(
        ui.messages.back().text,
        "Der Lastfall hat keine Nummer von 1 bis 99 und wird nicht in ECHO_L.P1 geschrieben.");
}

TEST(EchoFile, DeletingTwoLoadCasesRemovesBothBlocks) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    // The file's order differs from the list's; LF 8 is in the file but not in the list.
    writeFile(echoPath(dir), kLastfaelle + block(4, "vier") + block(1, "eins") + block(8, "acht") +
                                 block(2, "LF 4") + block(3, "drei"));
    const std::vector<std::int16_t> diary = {1, 2, 3, 4};
    ASSERT_TRUE(removeEchoBlocks(dir.str(), kSuffix, diary, {false, true, true, false}, ui));
    EXPECT_EQ(fileText(echoPath(dir)),
              kLastfaelle + block(8, "acht") + block(2, "LF 4") + block(3, "drei"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "ENEU"));

    // Nothing to delete, or no file: nothing happens.
    ASSERT_TRUE(removeEchoBlocks(dir.str(), kSuffix, diary, {true, true, true, true}, ui));
    testsupport::TempDir empty;
    ASSERT_TRUE(removeEchoBlocks(empty.str(), kSuffix, diary, {false, false, false, false}, ui));
    EXPECT_FALSE(std::filesystem::exists(echoPath(empty)));
    EXPECT_TRUE(ui.messages.empty());
}

// ---------------------------------------------------------------------------------------------
// The golden file

// Two load cases in code page 850 with every section the writer knows: read, then written back
// block by block and through the file, the bytes are those of the fixture.
TEST(EchoFixture, TwoLoadCasesInCp850ReadAndWrittenBackByteForByte) {
    const std::string fixture = testsupport::fixtureBytes("echo_l_two_cases_cp850");
    EchoImport in = readEchoImage(fixture, rectangleGeometry());
    EXPECT_TRUE(in.problems.empty()) << in.problems.front();
    ASSERT_EQ(in.blocks.size(), 2u);
    const LoadCase& one = in.blocks[0].loadCase;
    const LoadCase& twelve = in.blocks[1].loadCase;
    EXPECT_EQ(one.number, 1);
    EXPECT_EQ(one.title, "Ständige Last über Büro");
    EXPECT_EQ(one.nt(), 2);
    EXPECT_EQ(one.areaLoads[1].corners.size(), 3u);
    EXPECT_EQ(one.pointLoads[1].comment, "Kranbahn Süd");
    EXPECT_EQ(one.columnSettlements.size(), 2u);
    EXPECT_EQ(twelve.number, 12);
    EXPECT_EQ(twelve.title, "Verkehr Größe Änderung");
    EXPECT_EQ(twelve.nl(), 1);

    std::string written = kLastfaelle;
    for (const EchoBlock& b : in.blocks)
        written += echoBlockBytes(b.loadCase, rectangleGeometry());
    EXPECT_TRUE(testsupport::matchesFixture("echo_l_two_cases_cp850", written));

    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, one, rectangleGeometry(), ui));
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, twelve, rectangleGeometry(), ui));
    EXPECT_TRUE(testsupport::matchesFixture("echo_l_two_cases_cp850", fileText(echoPath(dir))));
    // Saving LF 1 again rewrites its block in place.
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, one, rectangleGeometry(), ui));
    EXPECT_TRUE(testsupport::matchesFixture("echo_l_two_cases_cp850", fileText(echoPath(dir))));
    EXPECT_TRUE(ui.messages.empty());
}
