// Positions: the data path field, new positions by both routes, opening by directory,
// duplication, the model of an opened position, and the names and paths that are refused.
#include "manager/paths.hpp"
#include "tests/support/golden.hpp"
#include "tests/manager/manager_fixtures.hpp"

#include <gtest/gtest.h>

namespace {

using managertest::bytes;
using managertest::exists;
using managertest::FakeLauncher;
using managertest::field;
using managertest::Workspace;
using ports::Wait;

std::vector<std::string> entries(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Positions, DataPathFieldCreatesAMissingPath) {
    Workspace s;
    s.settings("P1", s.data.str());
    auto m = s.started();
    ASSERT_TRUE(m.setDataPath(s.data.str() + "neu/tief"));
    EXPECT_TRUE(tarvik::isDirectory(s.data.str() + "neu/tief"));
    EXPECT_EQ(m.dataPath(), s.data.str() + "neu/tief/");
    EXPECT_EQ(bytes(s.work.str() + "DPFAD"), field(s.data.str() + "neu/tief/"));
    // A path that had to be created holds no position.
    EXPECT_EQ(m.positionName(), "");
    EXPECT_EQ(bytes(s.work.str() + "EXT"), field(""));

    // An existing path keeps the position.
    s.settings("P1", s.data.str());
    auto k = s.started();
    ASSERT_TRUE(k.setDataPath(s.work.str()));
    EXPECT_EQ(k.positionName(), "P1");
    EXPECT_EQ(k.dataPath(), s.work.str());

    // A path that cannot be created, or that cannot be used, leaves the previous one in force.
    ASSERT_TRUE(slab::writeFileAtomic(s.data.str() + "datei", std::string("x")));
    EXPECT_FALSE(k.setDataPath(s.data.str() + "datei/unter"));
    EXPECT_EQ(s.ui.texts().back(), "Pfad datei kann nicht angelegt werden!");
    EXPECT_FALSE(k.setDataPath(s.data.str() + "mit@"));
    EXPECT_EQ(s.ui.texts().back(), "Der Datenpfad darf kein \"@\" enthalten.");
    EXPECT_FALSE(k.setDataPath("/" + std::string(90, 'x')));
    EXPECT_EQ(s.ui.texts().back(), "Der Datenpfad ist zu lang (höchstens 80 Zeichen).");
    EXPECT_FALSE(k.setDataPath(""));
    EXPECT_EQ(k.dataPath(), s.work.str());
    EXPECT_EQ(bytes(s.work.str() + "DPFAD"), field(s.work.str()));
    EXPECT_FALSE(exists(s.data.str() + "mit@"));

    // The folder tree's choice always clears the position.
    ASSERT_TRUE(k.chooseDataPath(s.data.str()));
    EXPECT_EQ(k.positionName(), "");
    EXPECT_EQ(bytes(s.work.str() + "EXT"), field(""));
    EXPECT_TRUE(s.launcher.starts.empty());
}

// One limit of 80 characters for a data path on every way in: what DPFAD cannot hold never
// enters the recent list either, so no entry is lost at the next start.
TEST(Positions, ADataPathTooLongForDpfadEntersNoListByAnyWay) {
    Workspace s;
    s.settings("P1", s.data.str());
    auto m = s.started();
    m.addCurrentToRecent();
    const auto listBefore = bytes(s.work.str() + "LISTEP");
    const auto dpfadBefore = bytes(s.work.str() + "DPFAD");
    // 81 characters with the closing "/", below the test's folder.
    std::string longPath = s.data.str();
    longPath += std::string(81 - longPath.size() - 1, 'x') + "/";
    ASSERT_EQ(longPath.size(), 81u);
    std::filesystem::create_directories(longPath + "SDIRFEMP2");
    EXPECT_FALSE(m.newPositionDialog("P2", longPath));
    EXPECT_FALSE(m.openDirectory(longPath + "SDIRFEMP2", tarvik::TreeChoice::Selection));
    EXPECT_FALSE(m.setDataPath(longPath));
    EXPECT_FALSE(m.chooseDataPath(longPath));
    for (const auto& text : s.ui.texts())
        EXPECT_EQ(text, "Der Datenpfad ist zu lang (höchstens 80 Zeichen).");
    EXPECT_EQ(s.ui.texts().size(), 4u);
    EXPECT_EQ(bytes(s.work.str() + "LISTEP"), listBefore);
    EXPECT_EQ(bytes(s.work.str() + "DPFAD"), dpfadBefore);
    EXPECT_TRUE(s.launcher.starts.empty());
}

TEST(Positions, NewPositionThroughTheDialogReplacesBlanks) {
    Workspace s;
    auto m = s.started();
    const std::string path = s.data.str() + "projekt";
    // The geometry editor creates the directory when it saves.
    s.launcher.action = [&](const std::string&, const std::vector<std::string>&) {
        managertest::writeModel(path + "/SDIRFEMPlatte_1/", 1, 1);
    };
    ASSERT_TRUE(m.newPositionDialog(" Platte 1 ", path));
    EXPECT_EQ(m.positionName(), "Platte_1");
    EXPECT_EQ(bytes(s.work.str() + "EXT"), field(".Platte_1"));
    EXPECT_EQ(bytes(s.work.str() + "DPFAD"), field(path + "/"));
    EXPECT_EQ(m.positionDirectory(), path + "/SDIRFEMPlatte_1/");
    ASSERT_EQ(s.launcher.starts.size(), 1u);
    EXPECT_EQ(s.launcher.starts[0],
              (FakeLauncher::Start{"morvel", {".Platte_1", "@" + path + "/"}, ports::Wait::Yes}));
    EXPECT_EQ(slab::readFileText(s.work.str() + "LISTEP"), "Platte_1\n" + path + "\n");
    // Afterwards the position is read again: it has the model the editor saved.
    EXPECT_EQ(m.model().nodeCount, 4);
    EXPECT_TRUE(s.plan.shown());
}

TEST(Positions, NewPositionThroughTheSelector) {
    Workspace s;
    s.settings("P1", s.data.str());
    auto m = s.started();
    ASSERT_TRUE(m.newPositionSelector("  P2 "));
    EXPECT_TRUE(tarvik::isDirectory(s.data.str() + "SDIRFEMP2"));
    EXPECT_EQ(bytes(s.work.str() + "EXT"), field(".P2"));
    EXPECT_EQ(slab::readFileText(s.work.str() + "LISTEP"),
              "P2\n" + tarvik::withoutSlash(s.data.str()) + "\n");
    ASSERT_EQ(s.launcher.starts.size(), 1u);
    EXPECT_EQ(s.launcher.starts[0],
              (FakeLauncher::Start{"morvel", {".P2", "@" + s.data.str()}, ports::Wait::Yes}));
    // Nothing saved by the editor: no model, no plan.
    EXPECT_FALSE(s.plan.shown());

    // A data path that vanished: the directory cannot be made and nothing else changes.
    s.settings("P1", s.data.str() + "weg/");
    auto k = s.started();
    EXPECT_FALSE(k.newPositionSelector("P3"));
    EXPECT_EQ(s.ui.texts().back(),
              "Verzeichnis " + s.data.str() + "weg/SDIRFEMP3 kann nicht angelegt werden!");
    EXPECT_EQ(k.positionName(), "P1");
    EXPECT_EQ(bytes(s.work.str() + "EXT"), field(".P1"));
    EXPECT_EQ(s.launcher.starts.size(), 1u);
}

TEST(Positions, BadNamesAreRefusedAndNothingIsCreated) {
    Workspace s;
    s.settings("P1", s.data.str());
    auto m = s.started();
    const auto before = entries(s.data.str());
    const auto extBefore = bytes(s.work.str() + "EXT");
    const std::string nul("a\0b", 3);
    const std::pair<std::string, std::string> cases[] = {
        {"", "Der Positionsname fehlt."},
        {"Platte 1", "Der Positionsname darf keine Leerzeichen enthalten."},
        {"../x", "Der Positionsname darf kein \"/\" enthalten."},
        {"a/b", "Der Positionsname darf kein \"/\" enthalten."},
        {nul, "Der Positionsname enthält ein ungültiges Zeichen."},
        {".", "Der Positionsname darf nicht \".\" oder \"..\" sein."},
        {"..", "Der Positionsname darf nicht \".\" oder \"..\" sein."},
        {"P@1", "Der Positionsname darf kein \"@\" enthalten."},
        {std::string(80, 'L'), "Der Positionsname ist zu lang (höchstens 79 Zeichen)."},
    };
    for (const auto& [name, text] : cases) {
        s.ui.messages.clear();
        EXPECT_FALSE(m.newPositionSelector(name)) << name;
        ASSERT_EQ(s.ui.messages.size(), 1u) << name;
        EXPECT_EQ(s.ui.messages[0].text, text);
        EXPECT_EQ(s.ui.messages[0].title, "Fehler");
        EXPECT_FALSE(m.duplicate(name)) << name;
        EXPECT_EQ(s.ui.texts().back(), text);
        if (name != "Platte 1") { // the dialog turns blanks into "_"
            EXPECT_FALSE(m.newPositionDialog(name, s.data.str())) << name;
            EXPECT_EQ(s.ui.texts().back(), text);
        }
    }
    EXPECT_EQ(entries(s.data.str()), before);
    EXPECT_FALSE(exists(s.data.str() + "x"));
    EXPECT_EQ(bytes(s.work.str() + "EXT"), extBefore);
    EXPECT_FALSE(exists(s.work.str() + "LISTEP"));
    EXPECT_TRUE(s.launcher.starts.empty());
    EXPECT_EQ(m.positionName(), "P1");
    // A name of 79 characters fits EXT.
    EXPECT_TRUE(m.newPositionSelector(std::string(79, 'L')));
}

TEST(Positions, OpenByDirectoryKeepsTheLetterCase) {
    Workspace s;
    managertest::writeModel(s.dir("p1"), 3, 2, 1.5, -2.0);
    auto m = s.started();
    ASSERT_TRUE(m.openDirectory(s.dir("p1")));
    EXPECT_EQ(m.positionName(), "p1");
    EXPECT_EQ(m.dataPath(), s.data.str());
    EXPECT_EQ(bytes(s.work.str() + "EXT"), field(".p1"));
    EXPECT_EQ(bytes(s.work.str() + "DPFAD"), field(s.data.str()));
    EXPECT_EQ(m.model().nodeCount, 12);
    EXPECT_EQ(m.model().elementCount, 6);
    ASSERT_TRUE(m.model().bounds);
    EXPECT_EQ(*m.model().bounds, (tarvik::Bounds{1.5, -2.0, 4.5, 0.0}));
    EXPECT_TRUE(s.plan.shown());
    // The final choice does not touch the recent list; a selection in an open tree adds to it.
    EXPECT_FALSE(exists(s.work.str() + "LISTEP"));
    std::filesystem::create_directories(s.dir("Q"));
    ASSERT_TRUE(m.openDirectory(s.data.str() + "SDIRFEMQ", tarvik::TreeChoice::Selection));
    EXPECT_EQ(m.positionName(), "Q");
    EXPECT_FALSE(s.plan.shown());
    EXPECT_EQ(slab::readFileText(s.work.str() + "LISTEP"),
              "Q\n" + tarvik::withoutSlash(s.data.str()) + "\n");

    EXPECT_FALSE(m.openDirectory(s.data.str() + "SDIRFEMfehlt/"));
    EXPECT_EQ(s.ui.texts().back(),
              "Das Verzeichnis " + s.data.str() + "SDIRFEMfehlt existiert nicht.");
    EXPECT_FALSE(m.openDirectory(s.data.str()));
    EXPECT_FALSE(m.openDirectory(s.data.str() + "SDIRFEM P/"));
    EXPECT_EQ(m.positionName(), "Q");
    EXPECT_TRUE(s.launcher.starts.empty());
}

TEST(Positions, OpenedModelChecksItsCounts) {
    Workspace s;
    managertest::writeModel(s.dir("P1"), 2, 2);
    s.settings("P1", s.data.str());
    {
        auto m = s.started();
        EXPECT_EQ(m.model().nodeCount, 9);
        ASSERT_TRUE(m.model().nodes && m.model().springs && m.model().elements &&
                    m.model().bedding);
        EXPECT_EQ((*m.model().elements)[4].node, (std::array<std::int32_t, 4>{5, 6, 9, 8}));
    }
    // A short KNOTEN1 is not taken; the other tables are.
    auto knoten = bytes(s.dir("P1") + "KNOTEN1");
    knoten.resize(knoten.size() - 1);
    ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "KNOTEN1", knoten));
    {
        auto m = s.started();
        EXPECT_EQ(m.model().nodeCount, 9);
        EXPECT_FALSE(m.model().nodes);
        EXPECT_FALSE(m.model().bounds);
        EXPECT_TRUE(m.model().elements);
    }
    // Counts beyond the capacity are reported and give no model.
    ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "PARAMETER", slab::encodeParameter({3001, 4})));
    {
        auto m = s.started();
        EXPECT_EQ(m.model().nodeCount, 0);
        EXPECT_EQ(s.ui.texts().back(),
                  "Die Datei " + s.dir("P1") +
                      "PARAMETER ist beschädigt: 3001 Knoten und 4 Elemente (je 0 bis 3000).");
    }
    ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "PARAMETER", std::string("\x09\0\0", 3)));
    {
        auto m = s.started();
        EXPECT_EQ(m.model().nodeCount, 0);
        EXPECT_EQ(s.ui.texts().back(), "Die Datei " + s.dir("P1") +
                                           "PARAMETER ist beschädigt: sie ist kürzer als 8 Byte.");
    }
}

struct Duplication : ::testing::Test {
    Workspace s;
    const std::string echoL = "ECHO_L " + std::string("\x81\x94\xe1", 3) + "\r\nzweite Zeile\n";
    void SetUp() override {
        managertest::writeModel(s.dir("P1"), 3, 2);
        ASSERT_TRUE(
            slab::writeFileAtomic(s.dir("P1") + "ECHO_G.P1", std::string("GEOMETRIE\n1 2 3\n")));
        ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "ECHO_L.P1", echoL));
        ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "ECHO_S.P1", std::string("SATZ 1\n")));
        ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "ELEMENTE2LF1", std::string(92 * 6, 'x')));
        ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "D1.TXT", std::string("D1\n")));
        s.settings("P1", s.data.str());
    }
};

TEST_F(Duplication, CopiesModelAndArchivesAndRecordsTheOriginal) {
    tarvik::ManagerOptions options;
    options.clock = [] { return std::int64_t{1'700'000'000}; };
    auto m = s.started(options);
    ASSERT_TRUE(m.duplicate("P1B"));
    const std::string src = s.dir("P1"), dst = s.dir("P1B");
    for (const char* f : {"KNOTEN1", "ELEMENTE1", "FEDER1", "BETTUNG1"}) {
        EXPECT_FALSE(bytes(dst + f).empty()) << f;
        EXPECT_EQ(bytes(dst + f), bytes(src + f)) << f;
    }
    EXPECT_EQ(bytes(dst + "ACADGEO.P1B"), bytes(src + "ECHO_G.P1"));
    EXPECT_EQ(slab::readFileText(dst + "ACADLAST.P1B"), echoL);
    EXPECT_EQ(bytes(dst + "ACADPKT.P1B"), bytes(src + "ECHO_S.P1"));
    // Neither PARAMETER nor the load cases, documents or working copies are copied.
    EXPECT_EQ(entries(dst),
              (std::vector<std::string>{"ACADGEO.P1B", "ACADLAST.P1B", "ACADPKT.P1B", "BETTUNG1",
                                        "ELEMENTE1", "FEDER1", "KNOTEN1", "TTABLE"}));
    const auto ttable = bytes(dst + "TTABLE");
    ASSERT_EQ(ttable.size(), 92u);
    EXPECT_EQ(slab::getLE<std::int32_t>(ttable.data()), 1'700'000'000);
    EXPECT_EQ(slab::getLE<std::int32_t>(ttable.data() + 4), 0);
    const std::string text = "Platte dupliziert (Original Pos. P1)";
    EXPECT_EQ(std::string(ttable.begin() + 8, ttable.begin() + 8 + static_cast<long>(text.size())),
              text);
    EXPECT_EQ(ttable[8 + text.size()], 0);
    EXPECT_TRUE(testsupport::matchesFixture("ttable_duplicated_P1", ttable));
    EXPECT_EQ(m.protocol().size(), 1u);

    EXPECT_EQ(m.positionName(), "P1B");
    EXPECT_EQ(bytes(s.work.str() + "EXT"), field(".P1B"));
    EXPECT_EQ(slab::readFileText(s.work.str() + "LISTEP"),
              "P1B\n" + tarvik::withoutSlash(s.data.str()) + "\n");
    // The geometry step runs on the copy, which then has no PARAMETER until the editor saves.
    ASSERT_EQ(s.launcher.starts.size(), 1u);
    EXPECT_EQ(s.launcher.starts[0],
              (FakeLauncher::Start{"morvel", {".P1B", "@" + s.data.str()}, ports::Wait::Yes}));
    EXPECT_EQ(m.model().nodeCount, 0);
    EXPECT_TRUE(s.ui.messages.empty());
}

TEST_F(Duplication, WithoutGeometryFileOnlyTheOtherArchivesAreCopied) {
    std::filesystem::remove(s.dir("P1") + "ECHO_G.P1");
    std::filesystem::remove(s.dir("P1") + "ECHO_S.P1");
    auto m = s.started();
    ASSERT_TRUE(m.duplicate("Kopie"));
    EXPECT_EQ(entries(s.dir("Kopie")), (std::vector<std::string>{"ACADLAST.Kopie", "TTABLE"}));
}

TEST_F(Duplication, ShortModelFilesAreNotCopied) {
    auto feder = bytes(s.dir("P1") + "FEDER1");
    feder.resize(40);
    ASSERT_TRUE(slab::writeFileAtomic(s.dir("P1") + "FEDER1", feder));
    auto m = s.started();
    ASSERT_TRUE(m.duplicate("P2"));
    EXPECT_FALSE(exists(s.dir("P2") + "FEDER1"));
    EXPECT_EQ(bytes(s.dir("P2") + "KNOTEN1"), bytes(s.dir("P1") + "KNOTEN1"));
}

TEST_F(Duplication, RefusesAnExistingPositionAndTheSameName) {
    managertest::writeModel(s.dir("P2"), 1, 1);
    const auto before = bytes(s.dir("P2") + "KNOTEN1");
    auto m = s.started();
    EXPECT_FALSE(m.duplicate("P2"));
    EXPECT_EQ(s.ui.texts().back(), "Die Position P2 gibt es schon (" + s.data.str() +
                                       "SDIRFEMP2). Bitte einen anderen Namen wählen.");
    EXPECT_EQ(bytes(s.dir("P2") + "KNOTEN1"), before);
    EXPECT_FALSE(exists(s.dir("P2") + "ACADGEO.P2"));
    EXPECT_FALSE(m.duplicate("P1"));
    EXPECT_EQ(s.ui.texts().back(), "Die Kopie braucht einen anderen Namen als die Position P1.");
    EXPECT_EQ(m.positionName(), "P1");
    EXPECT_TRUE(s.launcher.starts.empty());
}

} // namespace
