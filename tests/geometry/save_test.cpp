// Saving a position: the files and their layouts, D1.TXT line by line, the bookkeeping files,
// the start modes, restarting from ECHO_G, save as, new plate and the leave question.
#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "geometry/editor.hpp"
#include "geometry/geometry_file.hpp"
#include "geometry/start.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include "scene/picking.hpp"
#include "solver/modelfiles/ttable.hpp"
#include "scene/slab_meshes.hpp"

#include <gtest/gtest.h>

#include <unistd.h>

#include <sys/wait.h>

#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <sstream>
#include <thread>

using namespace morvel;

namespace {

const Date kFriday{5, 6, 3, 2026};

struct Session {
    testsupport::TempDir data, work;
    ui::ScriptedUi ui;
    Editor editor{ui, [] { return kFriday; }};
    std::string dir(const std::string& name = "P1") const {
        return data.str() + "SDIRFEM" + name + "/";
    }
    bool start(const std::string& name = "P1") {
        return editor.start("." + name + " @" + data.str(), work.str());
    }
    std::vector<std::uint8_t> bytes(const std::string& file, const std::string& name = "P1") const {
        return slab::readFileBytes(dir(name) + file).value_or(std::vector<std::uint8_t>{});
    }
    std::vector<std::string> lines(const std::string& file) const {
        std::vector<std::string> out;
        std::istringstream in(slab::readFileText(dir() + file).value_or(""));
        for (std::string l; std::getline(in, l);)
            out.push_back(l);
        return out;
    }
};

// A click on an edge line in the support mode, picked as the front ends pick it.
bool clickEdge(Editor& editor, double x, double y) {
    auto line = scene::segmentUnder(scene::edgeLinesOf(editor.model()), {x, y},
                                    editor.settings().snap.radius);
    return line && editor.setSupportOnLine(*line);
}

} // namespace

TEST(Start, CommandLineAndMissingPosition) {
    Session s;
    EXPECT_FALSE(s.editor.start("", s.work.str()));
    EXPECT_EQ(s.ui.messages.back().title, "Fehlende Eingabe");
    EXPECT_EQ(s.ui.messages.back().text, "Kommandozeile: .POS @Datenpfad\\ ");
    EXPECT_FALSE(s.editor.start(". @" + s.data.str(), s.work.str()));
    EXPECT_FALSE(s.editor.start(".P1", s.work.str()));
    // A data path of blanks alone counts as missing.
    EXPECT_FALSE(s.editor.start(".P1 @   ", s.work.str()));
    EXPECT_EQ(s.ui.messages.back().text, "Kommandozeile: .POS @Datenpfad\\ ");
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.editor.model().elementCount, 0);
    EXPECT_EQ(s.editor.position().directory(), s.dir());
    EXPECT_EQ(s.editor.title(), "Position P1");
}

TEST(Save, TenByTenFilesAndLayouts) {
    Session s;
    ASSERT_TRUE(s.start());
    ASSERT_TRUE(s.editor.generate({10, 10, 1.0, 1.0, 3e7, 0.16, 0.2}));
    ASSERT_TRUE(s.editor.save());
    auto parameter = s.bytes("PARAMETER");
    ASSERT_EQ(parameter.size(), 8u);
    EXPECT_EQ(slab::getLE<std::int32_t>(parameter.data()), 121);
    EXPECT_EQ(slab::getLE<std::int32_t>(parameter.data() + 4), 100);
    EXPECT_EQ(s.bytes("KNOTEN1").size(), 121u * 40);
    EXPECT_EQ(s.bytes("FEDER1").size(), 121u * 40);
    EXPECT_EQ(s.bytes("ELEMENTE1").size(), 100u * 2372);
    EXPECT_EQ(s.bytes("BETTUNG1").size(), 100u * 1160);
    auto elements = s.bytes("ELEMENTE1");
    EXPECT_EQ(slab::getLE<std::int32_t>(elements.data() + 2372 + 8), 2); // element 2, node 1
    EXPECT_EQ(elements[2366], 1);                                        // element 1, edge 1 outer
    EXPECT_EQ(elements[2367], 0);                                        // edge 2 shared
    EXPECT_EQ(s.bytes("CMAC.P1").size(), 220u * 96);
    auto cwin = s.bytes("CWIN.P1");
    ASSERT_EQ(cwin.size(), 16u);
    EXPECT_FLOAT_EQ(slab::getLE<float>(cwin.data() + 8), 10.0f);
    auto pcad = s.bytes("PCAD.P1");
    ASSERT_EQ(pcad.size(), 456u);
    EXPECT_EQ(slab::getLE<std::int16_t>(pcad.data() + 58), 220);
    EXPECT_EQ(slab::getLE<std::int16_t>(pcad.data() + 60), 1);
    EXPECT_EQ(slab::getLE<std::int16_t>(pcad.data() + 62), 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(pcad.data() + 72)), "Position P1");
    EXPECT_DOUBLE_EQ(slab::getLE<double>(pcad.data() + 268), 0.16);
    EXPECT_DOUBLE_EQ(slab::getLE<double>(pcad.data() + 388), static_cast<double>(2.75f));
    EXPECT_EQ(pcad[443], 0);
    EXPECT_EQ(s.bytes("PVI").size(), 4u + 2 * 121);
    EXPECT_EQ(s.bytes("LASTD"), (std::vector<std::uint8_t>{1, 0}));
    EXPECT_EQ(s.bytes("DIARY.P1"), std::vector<std::uint8_t>(402, 0));
    EXPECT_FALSE(slab::fileExists(s.dir() + "RC"));
    auto ext = slab::readFileBytes(s.work.str() + "EXT").value_or(std::vector<std::uint8_t>{});
    ASSERT_EQ(ext.size(), 81u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(ext.data())), ".P1");
    EXPECT_EQ(
        slab::readFileBytes(s.work.str() + "GDUSER1").value_or(std::vector<std::uint8_t>{}).size(),
        76u);
    auto echo = slab::readFileText(s.dir() + "ECHO_G.P1");
    ASSERT_TRUE(echo);
    EXPECT_EQ(*echo, geometryText(s.editor.model()));
}

TEST(Save, DocumentLineByLine) {
    Session s;
    ASSERT_TRUE(s.start());
    ASSERT_TRUE(s.editor.generate({2, 1, 1.0, 1.5, 3e7, 0.16, 0.2}));
    ASSERT_TRUE(s.editor.save());
    const std::string date = "Datum: Freitag der 6. 3. 2026  " + s.dir();
    const std::vector<std::string> expected = {
        " Plattenberechnung nach der Methode der Finiten Elemente Version 1.0 WIN98/NT",
        " " + std::string(76, '-'),
        " Position P1",
        " " + std::string(76, '-'),
        " " + date,
        " " + std::string(date.size() + 1, '-'),
        " ",
        " Knoten",
        " ",
        "   1  x =  0.000  y =  0.000",
        "   2  x =  1.000  y =  0.000",
        "   3  x =  1.000  y =  1.500",
        "   4  x =  0.000  y =  1.500",
        "   5  x =  2.000  y =  0.000",
        "   6  x =  2.000  y =  1.500",
        " ",
        " Elemente",
        " ",
        " Knoten 1    2    3     4     E-Modul  nue   Dicke",
        " ",
        "   1    1    2    3    4 3.000E+07   0.16 0.200",
        "   2    2    5    6    3 3.000E+07   0.16 0.200",
        " ",
    };
    EXPECT_EQ(s.lines("D1.TXT"), expected);
    EXPECT_EQ(s.editor.document().value_or(""),
              slab::readFileText(s.dir() + "D1.TXT").value_or("-"));
}

TEST(Save, BookkeepingFilesOnASecondSave) {
    Session s;
    ASSERT_TRUE(s.start());
    ASSERT_TRUE(s.editor.generate({2, 2, 1.0, 1.0, 3e7, 0.16, 0.2}));
    std::vector<std::uint8_t> diary(402, 0);
    diary[0] = 2;
    diary[4] = 3; // entry 1: load case 3
    diary[6] = 5; // entry 2: load case 5
    diary[304] = 7;
    diary[210] = 9; // beyond the count: untouched
    std::filesystem::create_directories(s.dir());
    ASSERT_TRUE(slab::writeFileAtomic(s.dir() + "diary.P1", diary));
    ASSERT_TRUE(slab::writeFileAtomic(s.dir() + "LASTD", std::vector<std::uint8_t>{4, 0}));
    ASSERT_TRUE(s.editor.save());
    ASSERT_TRUE(s.editor.save());
    EXPECT_EQ(s.lines("DATEIEN"), (std::vector<std::string>{std::string(14, ' ') + "D1" +
                                                            std::string(48, ' ') + "Abmessungen"}));
    EXPECT_EQ(s.bytes("LASTD"), (std::vector<std::uint8_t>{4, 0}));
    auto marked = s.bytes("diary.P1");
    ASSERT_EQ(marked.size(), 402u);
    EXPECT_EQ(marked[203], 1);
    EXPECT_EQ(marked[204], 1);
    EXPECT_EQ(marked[205], 0);
    EXPECT_EQ(marked[304], 0);
    EXPECT_EQ(marked[210], 9);
    EXPECT_EQ(marked[4], 3);
    EXPECT_FALSE(std::filesystem::exists(s.dir() + "DIARY.P1"));
    // A damaged list is left alone and named.
    ASSERT_TRUE(slab::writeFileAtomic(s.dir() + "DIARY.P1", std::vector<std::uint8_t>(10, 1)));
    EXPECT_TRUE(s.editor.save());
    EXPECT_EQ(s.ui.messages.back().text, "DIARY.P1 ist beschädigt und wurde nicht geändert.");
    EXPECT_EQ(s.bytes("DIARY.P1"), std::vector<std::uint8_t>(10, 1));
}

TEST(Save, RcFlagAndUnwritableFiles) {
    Session s;
    GdUser1 g;
    g.rc = RcFile::Written;
    ASSERT_TRUE(writeGdUser1(s.work.str(), g));
    ASSERT_TRUE(s.start());
    ASSERT_TRUE(s.editor.generate({1, 1, 1.0, 1.0, 3e7, 0.16, 0.2}));
    ASSERT_TRUE(s.editor.save());
    EXPECT_EQ(slab::readFileText(s.dir() + "RC").value_or(""), "rc");
    EXPECT_EQ(s.bytes("PCAD.P1")[447], 1);
    // A file that cannot be written is named, and the leave question still comes.
    std::filesystem::remove(s.dir() + "KNOTEN1");
    std::filesystem::create_directories(s.dir() + "KNOTEN1/x");
    s.editor.openSupports({EdgeSupport::Clamped, 0, 0});
    ASSERT_TRUE(clickEdge(s.editor, 0.5, 0.0));
    EXPECT_FALSE(s.editor.save());
    EXPECT_EQ(s.ui.messages.back().text, "Nicht geschrieben: KNOTEN1");
    EXPECT_TRUE(s.editor.changed());
}

TEST(Start, ModesFromFileTimesAndFecho) {
    Session s;
    ASSERT_TRUE(s.start());
    ASSERT_TRUE(s.editor.generate({2, 1, 1.0, 1.0, 3e7, 0.16, 0.2}));
    ASSERT_TRUE(s.editor.save());
    Position p = s.editor.position();
    EXPECT_EQ(chooseStartMode(p), StartMode::LoadEcho);
    // An archive copy of the same time wins; a newer ECHO_G wins over it.
    std::filesystem::copy_file(s.dir() + "ECHO_G.P1", s.dir() + "ACADGEO.P1");
    auto t = std::filesystem::last_write_time(s.dir() + "ECHO_G.P1");
    std::filesystem::last_write_time(s.dir() + "ACADGEO.P1", t);
    EXPECT_EQ(chooseStartMode(p), StartMode::LoadArchive);
    std::filesystem::last_write_time(s.dir() + "ECHO_G.P1", t + std::chrono::seconds(5));
    EXPECT_EQ(chooseStartMode(p), StartMode::LoadEcho);
    std::filesystem::last_write_time(s.dir() + "ACADGEO.P1", t + std::chrono::seconds(10));
    EXPECT_EQ(chooseStartMode(p), StartMode::LoadArchive);
    ASSERT_TRUE(slab::writeFileAtomic(s.work.str() + "FECHO", std::string()));
    EXPECT_EQ(chooseStartMode(p), StartMode::LoadEcho);
    std::filesystem::remove(s.dir() + "ECHO_G.P1");
    EXPECT_EQ(chooseStartMode(p), StartMode::LoadArchive);
    std::filesystem::remove(s.dir() + "ACADGEO.P1");
    EXPECT_EQ(chooseStartMode(p), StartMode::NewPosition);
}

TEST(Start, RestartKeepsSupportsSpringsAndBedding) {
    Session s;
    ASSERT_TRUE(s.start());
    ASSERT_TRUE(s.editor.generate({3, 3, 1.0, 1.0, 3e7, 0.16, 0.2}));
    s.editor.openSupports({EdgeSupport::Hinged, 0, 0});
    ASSERT_TRUE(s.editor.wholeBoundary());
    s.editor.openSupports({EdgeSupport::TranslationalSpring, 1234, 0});
    ASSERT_TRUE(clickEdge(s.editor, 1.5, 1.0)); // an inner line
    s.editor.model().bedding[5].v[0] = 8000.0f;
    ASSERT_TRUE(s.editor.save());
    const auto knoten = s.bytes("KNOTEN1"), feder = s.bytes("FEDER1"),
               bettung = s.bytes("BETTUNG1"), elemente = s.bytes("ELEMENTE1"),
               echo = s.bytes("ECHO_G.P1");

    Session again;
    std::filesystem::rename(s.dir(), again.dir());
    ASSERT_TRUE(again.start());
    EXPECT_EQ(again.editor.model().elementCount, 9);
    EXPECT_FALSE(again.editor.changed());
    EXPECT_TRUE(again.ui.messages.empty());
    ASSERT_TRUE(again.editor.save());
    EXPECT_EQ(again.bytes("KNOTEN1"), knoten);
    EXPECT_EQ(again.bytes("FEDER1"), feder);
    EXPECT_EQ(again.bytes("BETTUNG1"), bettung);
    EXPECT_EQ(again.bytes("ELEMENTE1"), elemente);
    EXPECT_EQ(again.bytes("ECHO_G.P1"), echo);
}

TEST(Start, WorkingDirectoryCopyWinsAndDamagedFilesAreRefused) {
    Session s;
    ASSERT_TRUE(s.start());
    ASSERT_TRUE(s.editor.generate({2, 1, 1.0, 1.0, 3e7, 0.16, 0.2}));
    ASSERT_TRUE(s.editor.save());
    const std::string good = slab::readFileText(s.dir() + "ECHO_G.P1").value();

    // The working directory's copy is loaded and copied into the position directory.
    Session w;
    std::filesystem::rename(s.dir(), w.dir());
    Model one;
    ui::ScriptedUi quiet;
    slab::WorldRect extents;
    double margin = 0.05;
    ASSERT_TRUE(generateMesh(one, {1, 1, 2.0, 2.0, 3e7, 0.16, 0.2}, margin, extents,
                             "/nonexistent/", quiet));
    ASSERT_TRUE(slab::writeFileAtomic(w.work.str() + "ECHO_G.P1", geometryText(one)));
    ASSERT_TRUE(w.start());
    EXPECT_EQ(w.editor.model().elementCount, 1);
    EXPECT_EQ(slab::readFileText(w.dir() + "ECHO_G.P1").value_or(""), geometryText(one));
    EXPECT_EQ(w.ui.messages.back().text,
              "KNOTEN1 passt nicht zur Geometriedatei: Lager, Federn und Bettung "
              "wurden nicht übernommen. Bitte prüfen und neu setzen.");

    // A damaged copy in the working directory is refused and not copied over the good one.
    Session d;
    std::filesystem::create_directories(d.dir());
    ASSERT_TRUE(slab::writeFileAtomic(d.dir() + "ECHO_G.P1", good));
    std::string damaged = good;
    damaged.replace(damaged.find("PARAMETER\n6 2"), 13, "PARAMETER\n6000 2");
    ASSERT_TRUE(slab::writeFileAtomic(d.work.str() + "ECHO_G.P1", damaged));
    ASSERT_TRUE(d.start());
    EXPECT_EQ(d.ui.messages.back().title, "Fehler");
    EXPECT_EQ(d.ui.messages.back().text,
              "Die Datei " + d.work.str() +
                  "ECHO_G.P1 wurde nicht geladen: 6000 Knoten sind mehr als die "
                  "höchstens 3000 Knoten.");
    EXPECT_EQ(d.editor.model().elementCount, 0);
    EXPECT_EQ(slab::readFileText(d.dir() + "ECHO_G.P1").value_or(""), good);
    EXPECT_FALSE(d.editor.changed());

    // Loading into a model keeps it when the file is damaged.
    Model keep = one;
    Position p = d.editor.position();
    EXPECT_EQ(loadGeometryFile(keep, "ECHO_G.P1", p, d.ui), LoadResult::Refused);
    EXPECT_EQ(keep.elementCount, 1);
    EXPECT_EQ(loadGeometryFile(keep, "ACADGEO.P1", p, d.ui), LoadResult::Missing);
    EXPECT_EQ(d.ui.messages.back().text, " Weder der File " + d.work.str() +
                                             "ACADGEO.P1 existiert, noch der File" + d.dir() +
                                             "ACADGEO.P1");
}

TEST(Save, SaveAsNewPlateAndLeaveQuestion) {
    Session s;
    ASSERT_TRUE(s.start());
    ASSERT_TRUE(s.editor.generate({2, 2, 1.0, 1.0, 3e7, 0.16, 0.2}));
    EXPECT_TRUE(s.editor.changed());
    s.ui.answerNext(ports::Answer::Cancel);
    EXPECT_EQ(s.editor.leave(), LeaveResult::Stay);
    EXPECT_EQ(s.ui.messages.back().title, "Speichern ?");
    EXPECT_EQ(s.ui.messages.back().text, "Sollen die Änderungen gespeichert werden?");
    s.ui.answerNext(ports::Answer::No);
    EXPECT_EQ(s.editor.leave(), LeaveResult::Leave);
    EXPECT_FALSE(slab::fileExists(s.dir() + "KNOTEN1"));
    s.ui.answerNext(ports::Answer::Yes);
    EXPECT_EQ(s.editor.leave(), LeaveResult::Leave);
    EXPECT_TRUE(slab::fileExists(s.dir() + "KNOTEN1"));
    EXPECT_EQ(s.editor.leave(), LeaveResult::Leave);

    // New plate: asked first; then saving asks for a name.
    s.ui.answerNext(ports::Answer::No);
    EXPECT_FALSE(s.editor.newPlate());
    EXPECT_EQ(s.editor.model().elementCount, 4);
    s.ui.answerNext(ports::Answer::Yes);
    ASSERT_TRUE(s.editor.newPlate());
    EXPECT_EQ(s.ui.messages.back().text, "Neue Platte ? Bildschirm löschen ?");
    EXPECT_EQ(s.editor.title(), "Position NEU");
    EXPECT_EQ(s.editor.model().nodeCount, 0);
    EXPECT_EQ(std::string(
                  reinterpret_cast<const char*>(slab::readFileBytes(s.work.str() + "EXT")->data())),
              ".NEU");
    ASSERT_TRUE(s.editor.generate({1, 1, 1.0, 1.0, 3e7, 0.16, 0.2}));
    EXPECT_FALSE(s.editor.save()); // the dialog was cancelled
    EXPECT_FALSE(std::filesystem::exists(s.dir("NEU")));
    ASSERT_FALSE(s.ui.asked.empty());
    EXPECT_EQ(s.ui.asked.back().title, "Speichern");
    EXPECT_EQ(s.ui.asked.back().label, "Position");
    // Nothing typed cancels without a message; blanks around a name do not count.
    const std::size_t shown = s.ui.messages.size();
    s.ui.chooseNext("   ");
    EXPECT_FALSE(s.editor.save());
    EXPECT_EQ(s.ui.messages.size(), shown);
    EXPECT_EQ(s.ui.asked.size(), 2u);
    s.ui.chooseNext("a b");
    EXPECT_FALSE(s.editor.save());
    EXPECT_EQ(s.ui.messages.back().text, "Der Positionsname darf keine Leerzeichen enthalten.");
    s.ui.chooseNext(" P2 ");
    EXPECT_TRUE(s.editor.save());
    EXPECT_EQ(s.editor.title(), "Position P2");
    EXPECT_EQ(s.bytes("PARAMETER", "P2").size(), 8u);
    EXPECT_TRUE(slab::fileExists(s.dir("P2") + "ECHO_G.P2"));
    EXPECT_TRUE(s.editor.saveAs("P3"));
    EXPECT_TRUE(slab::fileExists(s.dir("P3") + "ECHO_G.P3"));
    EXPECT_FALSE(s.editor.saveAs(".."));
}

TEST(Save, AnEmptyPlateNeverReplacesASavedModel) {
    Session s;
    ASSERT_TRUE(s.start());
    ASSERT_TRUE(s.editor.generate({3, 2, 1.0, 1.0, 3e7, 0.16, 0.2}));
    ASSERT_TRUE(s.editor.save());
    const auto nodes = s.bytes("KNOTEN1");
    ASSERT_FALSE(nodes.empty());
    s.ui.answerNext(ports::Answer::Yes); // "Neue Platte ? Bildschirm löschen ?"
    ASSERT_TRUE(s.editor.newPlate());
    s.ui.chooseNext("P1");
    EXPECT_FALSE(s.editor.save());
    EXPECT_EQ(s.ui.messages.back().text,
              "Die Platte hat noch kein Netz. Bitte zuerst die Geometrie erzeugen. Nichts "
              "gespeichert.");
    EXPECT_EQ(s.bytes("KNOTEN1"), nodes);
}

TEST(Save, MissingDocument) {
    Session s;
    ASSERT_TRUE(s.start());
    EXPECT_FALSE(s.editor.document());
    EXPECT_EQ(s.ui.messages.back().title, "Fehlende Eingabe");
    EXPECT_EQ(s.ui.messages.back().text,
              "Es wurde noch keine Diskretisierung vorgenommen. Die Datei " + s.dir() +
                  "D1 fehlt.");
}

TEST(Extents, FitTellsTheViewAndKeepsTheFormerExtentsWithoutNodes) {
    Model m;
    m.nodeCount = 2;
    m.nodes[1].x = 1.0;
    m.nodes[2].x = 4.0;
    m.nodes[2].y = -2.5;
    EXPECT_EQ(nodeExtents(m), (slab::WorldRect{1, -2.5f, 4, 0}));
    EXPECT_FALSE(nodeExtents(Model{}));
    // CWIN holds the node extents, else the extents kept.
    auto window = encodeWindow(m, {7, 7, 8, 8});
    EXPECT_EQ(slab::getLE<float>(window.data() + 8), 4.0f);
    window = encodeWindow(Model{}, {7, 7, 8, 8});
    EXPECT_EQ(slab::getLE<float>(window.data() + 12), 8.0f);
}

// Every save records the geometry step in the position's time table; a save under a new name
// that fails leaves the editor on the position it was on.
TEST(Save, RecordsTheStepAndAFailedSaveAsKeepsTheName) {
    Session s;
    ASSERT_TRUE(s.start());
    ASSERT_TRUE(s.editor.generate({2, 1, 1.0, 1.0, 3e7, 0.16, 0.2}));
    ASSERT_TRUE(s.editor.save());
    const auto records = slab::readTimeTable(s.dir());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].text, "Eingabe Abmessungen");
    EXPECT_GT(records[0].time, 1700000000);

    s.ui.answerNext(ports::Answer::Yes);
    ASSERT_TRUE(s.editor.newPlate());
    EXPECT_EQ(s.editor.title(), "Position NEU");
    EXPECT_FALSE(s.editor.saveAs("P9")); // no mesh yet
    EXPECT_EQ(s.editor.title(), "Position NEU");
    EXPECT_FALSE(slab::fileExists(s.dir("P9") + "TTABLE"));
}

// A disk that takes no more bytes while a larger mesh is saved: the file that does not fit keeps
// its old bytes, no temporary file stays behind, and the editor names the files it could not
// write (the solver then refuses the model whose files disagree).
TEST(Save, AFullDiskKeepsTheSavedModelAndSaysSo) {
    Session s;
    ASSERT_TRUE(s.start());
    ASSERT_TRUE(s.editor.generate({2, 2, 1.0, 1.0, 3e7, 0.16, 0.2}));
    ASSERT_TRUE(s.editor.save());
    const auto elemente = s.bytes("ELEMENTE1");
    ASSERT_TRUE(s.editor.generate({20, 20, 1.0, 1.0, 3e7, 0.16, 0.2}));
    // In a child, as the limit holds for the whole process; the limit lets the small files
    // through and stops ELEMENTE1 of 400 elements half way.
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit r{20000, 20000};
        setrlimit(RLIMIT_FSIZE, &r);
        const bool saved = s.editor.save();
        const auto texts = s.ui.texts();
        const bool named = !texts.empty() && texts.back().rfind("Nicht geschrieben: ", 0) == 0 &&
                           texts.back().find("ELEMENTE1") != std::string::npos;
        _exit(!saved && named ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(s.bytes("ELEMENTE1"), elemente);
    for (const auto& e : std::filesystem::directory_iterator(s.dir()))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
    EXPECT_EQ(s.bytes("KNOTEN1").size() % 40, 0u);
}
