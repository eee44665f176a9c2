// The settings files EXT, DPFAD and LISTEP: byte layouts, defaults of missing and damaged
// files, and the rules of the recent-positions list.
#include "geometry/save.hpp"
#include "manager/settings_files.hpp"
#include "tests/support/golden.hpp"
#include "tests/manager/manager_fixtures.hpp"

#include <gtest/gtest.h>

namespace {

using managertest::bytes;
using managertest::bytesOf;
using managertest::exists;
using managertest::field;
using testsupport::fixturePath;
using testsupport::matchesFixture;
using managertest::Workspace;

TEST(SettingsFiles, FieldLayoutIsTextNulAndZerosIn81Bytes) {
    const auto ext = tarvik::encodeField(".P1");
    ASSERT_EQ(ext.size(), 81u);
    EXPECT_EQ(ext, field(".P1"));
    // The geometry editor writes the same EXT.
    EXPECT_EQ(ext, morvel::encodeExt(".P1"));
    // 80 characters fill the field up to its NUL; more are cut there.
    EXPECT_EQ(tarvik::encodeField(std::string(80, 'x'))[80], 0);
    EXPECT_EQ(tarvik::encodeField(std::string(90, 'x')), tarvik::encodeField(std::string(80, 'x')));

    EXPECT_EQ(tarvik::decodeExt(field(".P1")), "P1");
    EXPECT_EQ(tarvik::decodeExt(field("")), ""); // no current position
    auto garbageAfterNul = field(".P1");
    garbageAfterNul[10] = 'Z';
    EXPECT_EQ(tarvik::decodeExt(garbageAfterNul), "P1");
    EXPECT_EQ(tarvik::decodeDataPath(field("/daten/")), "/daten/");
    EXPECT_EQ(tarvik::decodeDataPath(field("daten/")), "daten/");
}

TEST(SettingsFiles, FieldsMatchTheGoldenFiles) {
    EXPECT_TRUE(matchesFixture("ext_P1", tarvik::encodeField(".P1")));
    EXPECT_TRUE(matchesFixture("ext_no_position", tarvik::encodeField("")));
    EXPECT_TRUE(matchesFixture("dpfad_daten", tarvik::encodeField("/daten/")));
    EXPECT_EQ(tarvik::decodeExt(bytes(fixturePath("ext_P1"))), "P1");
    EXPECT_EQ(tarvik::decodeExt(bytes(fixturePath("ext_no_position"))), "");
    EXPECT_EQ(tarvik::decodeDataPath(bytes(fixturePath("dpfad_daten"))), "/daten/");
}

TEST(SettingsFiles, ExtWrittenByTheManagerMatchesTheGoldenFiles) {
    Workspace s;
    s.settings("P0", s.data.str());
    auto m = s.started();
    ASSERT_TRUE(m.newPositionSelector("P1"));
    EXPECT_TRUE(matchesFixture("ext_P1", bytes(s.work.str() + "EXT")));
    // A data path chosen in the folder tree leaves no position.
    ASSERT_TRUE(m.chooseDataPath(s.data.str()));
    EXPECT_TRUE(matchesFixture("ext_no_position", bytes(s.work.str() + "EXT")));
}

TEST(SettingsFiles, DamagedFieldsAreRefused) {
    EXPECT_EQ(tarvik::decodeField(std::vector<std::uint8_t>(81, 'x')), std::nullopt); // no NUL
    EXPECT_EQ(tarvik::decodeField(bytesOf(std::string(".P1\0", 4))), std::nullopt);   // truncated
    EXPECT_EQ(tarvik::decodeField({}), std::nullopt);
    EXPECT_EQ(tarvik::decodeExt(field("P1")), std::nullopt);   // no "."
    EXPECT_EQ(tarvik::decodeExt(field(".P 1")), std::nullopt); // blank
    EXPECT_EQ(tarvik::decodeExt(field("./x")), std::nullopt);
    EXPECT_EQ(tarvik::decodeExt(field("..")), std::nullopt);
    EXPECT_EQ(tarvik::decodeExt(field(".P@1")), std::nullopt);
    EXPECT_EQ(tarvik::decodeExt(field(".\x01\x02")), std::nullopt);
    EXPECT_EQ(tarvik::decodeDataPath(field("/daten")), std::nullopt); // no "/" at the end
    EXPECT_EQ(tarvik::decodeDataPath(field("")), std::nullopt);
    EXPECT_EQ(tarvik::decodeDataPath(field("/da@ten/")), std::nullopt);
    EXPECT_EQ(tarvik::decodeDataPath(field("/da\tten/")), std::nullopt);
}

TEST(SettingsFiles, FirstStartInAnEmptyWorkingDirectory) {
    Workspace s;
    auto m = s.started();
    EXPECT_EQ(m.positionName(), "1");
    EXPECT_EQ(m.suffix(), ".1");
    EXPECT_EQ(m.dataPath(), s.work.str());
    EXPECT_EQ(m.dataPathBare() + "/", s.work.str());
    EXPECT_EQ(m.positionDirectory(), s.work.str() + "SDIRFEM1/");
    EXPECT_EQ(m.positionDirectoryBare(), s.work.str() + "SDIRFEM1");
    EXPECT_EQ(bytes(s.work.str() + "DPFAD"), field(s.work.str()));
    EXPECT_FALSE(exists(s.work.str() + "EXT"));
    EXPECT_FALSE(exists(s.work.str() + "LISTEP"));
    EXPECT_TRUE(m.recent().empty());
    EXPECT_EQ(m.model().nodeCount, 0);
    EXPECT_FALSE(s.plan.shown());
    EXPECT_TRUE(s.ui.messages.empty());
    EXPECT_TRUE(s.launcher.starts.empty());
}

TEST(SettingsFiles, DamagedOrTruncatedFilesGiveTheDefaults) {
    Workspace s;
    // EXT without a NUL in its 81 bytes, DPFAD not ending with "/".
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "EXT", std::string(81, 'P')));
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "DPFAD", field(s.data.str() + "x")));
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "LISTEP",
                                      bytesOf(std::string("\x01\x02\0\xff\n\x7f\n\n", 8))));
    auto m = s.started();
    EXPECT_EQ(m.positionName(), "1");
    EXPECT_EQ(m.dataPath(), s.work.str());
    // The damaged DPFAD is replaced by the data path in force.
    EXPECT_EQ(bytes(s.work.str() + "DPFAD"), field(s.work.str()));
    EXPECT_TRUE(m.recent().empty());
    EXPECT_TRUE(s.ui.messages.empty());

    // Truncated files: EXT of 4 bytes, DPFAD of 20.
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "EXT", bytesOf(std::string(".P1\0", 4))));
    auto shortPath = field(s.data.str());
    shortPath.resize(20);
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "DPFAD", shortPath));
    auto again = s.started();
    EXPECT_EQ(again.positionName(), "1");
    EXPECT_EQ(again.dataPath(), s.work.str());
}

TEST(SettingsFiles, StoredSettingsAreRead) {
    Workspace s;
    s.settings("P7", s.data.str());
    auto m = s.started();
    EXPECT_EQ(m.positionName(), "P7");
    EXPECT_EQ(m.dataPath(), s.data.str());
    EXPECT_EQ(m.positionDirectory(), s.dir("P7"));
    // An empty suffix is no position at all.
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "EXT", field("")));
    EXPECT_EQ(s.started().positionName(), "");
    // A relative data path is taken from the working directory.
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "DPFAD", field("daten/")));
    EXPECT_EQ(s.started().dataPath(), s.work.str() + "daten/");
}

TEST(RecentList, ParseKeepsTenPairsAndStripsTrailingWhiteSpace) {
    std::string text;
    for (int k = 1; k <= 12; ++k)
        text += "P" + std::to_string(k) + "  \r\n/daten" + std::to_string(k) + "\t\n";
    auto list = tarvik::parseRecentList(text);
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list[0], (tarvik::RecentEntry{"P1", "/daten1"}));
    EXPECT_EQ(list[9], (tarvik::RecentEntry{"P10", "/daten10"}));
    EXPECT_TRUE(matchesFixture("listep_first_ten", tarvik::recentListText(list)));
    EXPECT_EQ(tarvik::recentListText({{"P1", "/a"}, {"P2", ""}}), "P1\n/a\nP2\n\n");
    // A name without its path line, a line of 250 characters and a name with a blank are
    // dropped; the root data path is the empty line.
    list = tarvik::parseRecentList("A 1\n/x\n" + std::string(250, 'L') + "\n/y\nB\n\nC\n");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], (tarvik::RecentEntry{"B", ""}));
}

TEST(RecentList, AddingMovesToTheFrontOnceAndKeepsTen) {
    Workspace s;
    std::string text;
    for (int k = 1; k <= 10; ++k)
        text += "P" + std::to_string(k) + "\n" + s.data.str() + "d\n";
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "LISTEP", text));
    s.settings("P4", s.data.str() + "d/");
    std::filesystem::create_directories(s.data.str() + "d");
    auto m = s.started();
    ASSERT_EQ(m.recent().size(), 10u);
    m.addCurrentToRecent();
    ASSERT_EQ(m.recent().size(), 10u);
    EXPECT_EQ(m.recent()[0].name, "P4");
    EXPECT_EQ(m.recent()[1].name, "P1");
    EXPECT_EQ(m.recent()[3].name, "P3");
    EXPECT_EQ(m.recent()[4].name, "P5");
    const std::string written = slab::readFileText(s.work.str() + "LISTEP").value_or("");
    EXPECT_EQ(written.find("P4\n"), 0u);
    EXPECT_EQ(written.find("P4\n", 1), std::string::npos);
    EXPECT_EQ(tarvik::parseRecentList(written), m.recent());

    // A new position pushes the oldest out.
    ASSERT_TRUE(m.newPositionSelector("Q1"));
    ASSERT_EQ(m.recent().size(), 10u);
    EXPECT_EQ(m.recent()[0], (tarvik::RecentEntry{"Q1", s.data.str() + "d"}));
    EXPECT_EQ(m.recent()[9].name, "P9");
    EXPECT_TRUE(m.listChanged());
}

TEST(RecentList, ChooseDeleteAndClear) {
    Workspace s;
    managertest::writeModel(s.dir("B"), 2, 1);
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "LISTEP",
                                      "A\n" + s.data.str() + "x\nB\n" +
                                          tarvik::withoutSlash(s.data.str()) + "\nC\n/c\n"));
    auto m = s.started();
    ASSERT_EQ(m.recent().size(), 3u);

    ASSERT_TRUE(m.chooseRecent(2));
    EXPECT_EQ(m.positionName(), "B");
    EXPECT_EQ(m.dataPath(), s.data.str());
    EXPECT_EQ(bytes(s.work.str() + "EXT"), field(".B"));
    EXPECT_EQ(bytes(s.work.str() + "DPFAD"), field(s.data.str()));
    EXPECT_EQ(m.model().nodeCount, 6);
    EXPECT_TRUE(s.plan.shown());

    EXPECT_FALSE(m.chooseRecent(4));
    EXPECT_FALSE(m.chooseRecent(0));
    EXPECT_EQ(s.ui.texts().back(),
              "Die Liste der letzten Positionen hat keinen Eintrag 0 (sie hat 3).");
    EXPECT_EQ(m.positionName(), "B");

    ASSERT_TRUE(m.deleteRecent(1));
    EXPECT_EQ(m.recent().size(), 2u);
    EXPECT_EQ(slab::readFileText(s.work.str() + "LISTEP"),
              "B\n" + tarvik::withoutSlash(s.data.str()) + "\nC\n/c\n");
    EXPECT_FALSE(m.deleteRecent(3));
    ASSERT_TRUE(m.deleteRecent(2));
    ASSERT_TRUE(m.deleteRecent(1));
    EXPECT_TRUE(m.recent().empty());
    EXPECT_EQ(slab::readFileText(s.work.str() + "LISTEP"), "");

    m.clearRecent();
    EXPECT_EQ(slab::readFileText(s.work.str() + "LISTEP"),
              "B\n" + tarvik::withoutSlash(s.data.str()) + "\n");
}

} // namespace
