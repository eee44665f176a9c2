// Archives: storing a position's input into a folder, loading it back as another position,
// the transfer lines, the TTABLE records, LADEPFAD and the archive file list.
#include "manager/archive.hpp"
#include "solver/modelfiles/ttable.hpp"
#include "tests/manager/manager_fixtures.hpp"

#include <gtest/gtest.h>

namespace {

using managertest::exists;
using managertest::Workspace;

std::string text(const std::string& path) {
    return slab::readFileText(path).value_or("<fehlt>");
}

/// Position P1 with its geometry, loads and result points.
struct ArchiveFixture : ::testing::Test {
    Workspace s;
    testsupport::TempDir folder;
    std::string dir;
    void SetUp() override {
        s.settings("P1", s.data.str());
        dir = s.dir("P1");
        std::filesystem::create_directories(dir);
        ASSERT_TRUE(slab::writeFileAtomic(dir + "ECHO_G.P1", "Geometrie\r\nzweite Zeile\n"));
        ASSERT_TRUE(slab::writeFileAtomic(dir + "ECHO_L.P1", "Lasten \x81\x94\n"));
        ASSERT_TRUE(slab::writeFileAtomic(dir + "ECHO_S.P1", "Punkte\n"));
    }
    tarvik::Manager started() {
        tarvik::ManagerOptions options;
        options.clock = [] { return std::int64_t{1772798400}; };
        return s.started(options);
    }
};

TEST_F(ArchiveFixture, StoreCopiesTheThreeWorkingFilesUnchanged) {
    auto m = started();
    const std::string f = folder.str();
    const auto transfer = m.storeArchive(folder.path().string()); // without the "/"
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->copied, 3);
    EXPECT_EQ(transfer->lines,
              (std::vector<std::string>{dir + "ECHO_G.P1  --->  " + f + "ACADGEO.P1",
                                        dir + "ECHO_L.P1  --->  " + f + "ACADLAST.P1",
                                        dir + "ECHO_S.P1  --->  " + f + "ACADPKT.P1"}));
    EXPECT_EQ(text(f + "ACADGEO.P1"), "Geometrie\r\nzweite Zeile\n");
    EXPECT_EQ(text(f + "ACADLAST.P1"), "Lasten \x81\x94\n");
    const auto records = slab::readTimeTable(dir);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].time, 1772798400);
    EXPECT_EQ(records[0].text, "Platte in Datei " + f + "ACADGEO.P1 gespeichert.");
}

TEST_F(ArchiveFixture, StoringOnlyTheGeometryWritesOneFileOneLineAndTheRecord) {
    std::filesystem::remove(dir + "ECHO_L.P1");
    std::filesystem::remove(dir + "ECHO_S.P1");
    auto m = started();
    const auto transfer = m.storeArchive(folder.str());
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->lines.size(), 1u);
    EXPECT_FALSE(exists(folder.str() + "ACADLAST.P1"));
    EXPECT_EQ(slab::readTimeTable(dir).at(0).text,
              "Platte in Datei " + folder.str() + "ACADGEO.P1 gespeichert.");
}

TEST_F(ArchiveFixture, WithoutTheGeometryTheRecordTextIsEmpty) {
    std::filesystem::remove(dir + "ECHO_G.P1");
    auto m = started();
    const auto transfer = m.storeArchive(folder.str());
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->copied, 2);
    EXPECT_EQ(slab::readTimeTable(dir).at(0).text, "");
}

TEST_F(ArchiveFixture, AnInaccessibleFolderIsReportedAndNothingWritten) {
    auto m = started();
    const std::string missing = folder.str() + "fehlt";
    EXPECT_FALSE(m.storeArchive(missing));
    EXPECT_EQ(s.ui.messages.back().title, "Kein Zugriff!");
    EXPECT_EQ(s.ui.messages.back().text, missing);
    EXPECT_TRUE(slab::readTimeTable(dir).empty());
}

TEST_F(ArchiveFixture, NothingToStoreIsSaid) {
    for (auto name : {"ECHO_G.P1", "ECHO_L.P1", "ECHO_S.P1"})
        std::filesystem::remove(dir + name);
    auto m = started();
    const auto transfer = m.storeArchive(folder.str());
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->copied, 0);
    EXPECT_EQ(s.ui.texts().back(), "Die Position P1 hat keine Eingabedateien (ECHO_G, ECHO_L, "
                                   "ECHO_S); nichts gespeichert.");
    EXPECT_TRUE(slab::readTimeTable(dir).empty());
}

TEST_F(ArchiveFixture, LoadAsAnotherPositionThenOpenIt) {
    auto m = started();
    ASSERT_TRUE(m.storeArchive(folder.str()));
    const std::string f = folder.str();
    const std::string p2 = s.dir("P2");
    const auto transfer = m.loadArchive(f + "ACADGEO.P1", " P2 ");
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->position, "P2");
    EXPECT_EQ(transfer->copied, 3);
    ASSERT_EQ(transfer->lines.size(), 7u);
    EXPECT_EQ(transfer->lines[0], f + "ACADGEO.P1  --->  " + p2 + "ACADGEO.P2");
    EXPECT_EQ(transfer->lines[2], f + "ACADPKT.P1  --->  " + p2 + "ACADPKT.P2");
    EXPECT_EQ(std::vector<std::string>(transfer->lines.begin() + 3, transfer->lines.end()),
              tarvik::loadHints());
    EXPECT_EQ(tarvik::loadHints()[1],
              "Anschließend müssen Sie die Platte (nach eventuellen Änderungen) diskretisieren!");
    EXPECT_EQ(text(p2 + "ACADGEO.P2"), "Geometrie\r\nzweite Zeile\n");
    EXPECT_EQ(text(p2 + "ACADLAST.P2"), "Lasten \x81\x94\n");
    // The archive stays, the working files of the target are not written.
    EXPECT_TRUE(exists(f + "ACADGEO.P1"));
    EXPECT_FALSE(exists(p2 + "ECHO_G.P2"));
    EXPECT_EQ(slab::readTimeTable(p2).at(0).text,
              "Platte aus Datei " + f + "ACADGEO.P1 eingelesen.");
    EXPECT_EQ(slab::readFileText(s.work.str() + "LADEPFAD"), f + "\n");
    EXPECT_EQ(m.loadFolder(), f);

    m.openLoadedPosition("P2");
    EXPECT_EQ(m.positionName(), "P2");
    EXPECT_EQ(m.recent().front().name, "P2");
    ASSERT_EQ(s.launcher.starts.size(), 1u);
    EXPECT_EQ(s.launcher.starts[0].program, "morvel");
    EXPECT_EQ(s.launcher.starts[0].arguments,
              (std::vector<std::string>{".P2", "@" + s.data.str()}));
    EXPECT_EQ(s.launcher.starts[0].wait, ports::Wait::Yes);
}

TEST_F(ArchiveFixture, LoadingIntoAnExistingPositionKeepsItsWorkingFiles) {
    auto m = started();
    ASSERT_TRUE(slab::writeFileAtomic(folder.str() + "ACADGEO.P7", "neu\n"));
    ASSERT_TRUE(slab::writeFileAtomic(dir + "ACADGEO.P1", "alt\n"));
    ASSERT_TRUE(m.loadArchive(folder.str() + "ACADGEO.P7", "P1"));
    EXPECT_EQ(text(dir + "ACADGEO.P1"), "neu\n");
    EXPECT_EQ(text(dir + "ECHO_G.P1"), "Geometrie\r\nzweite Zeile\n");
}

TEST_F(ArchiveFixture, TheNameDefaultsToTheArchivesOwn) {
    auto m = started();
    ASSERT_TRUE(slab::writeFileAtomic(folder.str() + "acadgeo.Halle3", "g\n"));
    const auto transfer = m.loadArchive(folder.str() + "ACADGEO.Halle3", "");
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->position, "Halle3");
    EXPECT_EQ(text(s.dir("Halle3") + "ACADGEO.Halle3"), "g\n");
}

TEST_F(ArchiveFixture, ANameFromTheExtensionIsCheckedLikeEveryPositionName) {
    auto m = started();
    for (const std::string& bad :
         {std::string("ACADGEO.."), std::string("ACADGEO."), std::string("ACADGEO.a@b")}) {
        ASSERT_TRUE(slab::writeFileAtomic(folder.str() + bad, "g\n")) << bad;
        EXPECT_FALSE(m.loadArchive(folder.str() + bad, "")) << bad;
        EXPECT_EQ(s.ui.messages.back().title, "Fehler");
        EXPECT_NE(s.ui.messages.back().text.find("ist kein Positionsname"), std::string::npos)
            << s.ui.messages.back().text;
    }
    // Nothing was made outside the data path, nor a position directory named by it.
    EXPECT_FALSE(exists(s.data.str() + "SDIRFEM."));
    EXPECT_FALSE(exists(s.data.str() + "SDIRFEM.."));
    EXPECT_FALSE(exists(s.data.str() + "SDIRFEM"));
    EXPECT_FALSE(exists(s.work.str() + "LADEPFAD"));
    // The name typed in the dialog is checked as well.
    ASSERT_TRUE(slab::writeFileAtomic(folder.str() + "ACADGEO.P5", "g\n"));
    EXPECT_FALSE(m.loadArchive(folder.str() + "ACADGEO.P5", "P 5"));
    EXPECT_EQ(s.ui.texts().back(), "Der Positionsname darf keine Leerzeichen enthalten.");
}

TEST_F(ArchiveFixture, APathThatIsNoArchiveOrMissingIsReported) {
    auto m = started();
    ASSERT_TRUE(slab::writeFileAtomic(folder.str() + "ECHO_G.P1", "g\n"));
    EXPECT_FALSE(m.loadArchive(folder.str() + "ECHO_G.P1", "P2"));
    EXPECT_EQ(s.ui.texts().back(), "Die Datei " + folder.str() +
                                       "ECHO_G.P1 ist kein Archiv einer Position "
                                       "(ACADGEO.<Position>).");
    EXPECT_FALSE(m.loadArchive(folder.str() + "ACADGEO.P9", "P2"));
    EXPECT_EQ(s.ui.texts().back(), "Die Archivdatei " + folder.str() + "ACADGEO.P9 fehlt.");
    EXPECT_FALSE(exists(s.dir("P2")));
}

TEST_F(ArchiveFixture, TheArchiveFileListNamesTheFilesThatExist) {
    ASSERT_TRUE(slab::writeFileAtomic(dir + "ACADGEO.P1", "a\n"));
    auto m = started();
    EXPECT_EQ(m.archiveFileList(),
              (std::vector<std::string>{dir + "ACADGEO.P1", dir + "ECHO_G.P1", dir + "ECHO_L.P1",
                                        dir + "ECHO_S.P1"}));
}

TEST(LoadFolder, ReadAsItsFirstLineWhenTheFolderExists) {
    testsupport::TempDir work, folder;
    EXPECT_EQ(tarvik::readLoadFolder(work.str()), "");
    ASSERT_TRUE(tarvik::writeLoadFolder(work.str(), folder.str()));
    EXPECT_EQ(tarvik::readLoadFolder(work.str()), folder.str());
    // A folder with blanks is one folder.
    std::filesystem::create_directories(folder.str() + "mit Leer");
    ASSERT_TRUE(tarvik::writeLoadFolder(work.str(), folder.str() + "mit Leer"));
    EXPECT_EQ(tarvik::readLoadFolder(work.str()), folder.str() + "mit Leer/");
    ASSERT_TRUE(tarvik::writeLoadFolder(work.str(), folder.str() + "weg"));
    EXPECT_EQ(tarvik::readLoadFolder(work.str()), "");
}

} // namespace
