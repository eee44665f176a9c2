// Copying a load case from another position or load case: add and replace mode, from the
// source's load echo or its older per-load-case files, and every failure leaving the open load
// case as it was.
#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "loads/copy/legacy_files.hpp"
#include "loads/document.hpp"
#include "loads/macros/macro_files.hpp"
#include "solver/modelfiles/record_file.hpp"
#include "tests/loads/grid_positions.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include <gtest/gtest.h>
#include <limits>

#include <filesystem>
#include <memory>

using namespace daskel;

namespace {

using gridtest::DataPath;

PointLoadInput point(double x, double y, double size) {
    PointLoadInput p;
    p.x = x;
    p.y = y;
    p.size = size;
    return p;
}

/// Saves load case n of the position with point loads at x = 1, 2, ... of sizes 10, 20, ...
void savePoints(const DataPath& d, const std::string& name, int n, int count,
                const std::string& title) {
    ui::ScriptedUi ui;
    auto e = d.editor(name, ui);
    e->newLoadCase();
    for (int k = 1; k <= count; ++k)
        ASSERT_TRUE(e->addPointLoad(point(k, 1, 10 * k)));
    ASSERT_TRUE(e->save(n, title));
}

template <class R> std::vector<std::uint8_t> image(const std::vector<R>& records) {
    std::vector<std::uint8_t> bytes(records.size() * R::kSize);
    for (std::size_t k = 0; k < records.size(); ++k)
        slab::encodeRecord(records[k], bytes.data() + k * R::kSize);
    return bytes;
}

std::vector<std::uint8_t> comments(std::initializer_list<std::string> texts) {
    std::vector<std::uint8_t> bytes(texts.size() * kCommentRecord, 0);
    std::size_t at = 0;
    for (const std::string& t : texts) {
        std::copy(t.begin(), t.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
        at += kCommentRecord;
    }
    return bytes;
}

} // namespace

TEST(CopyLoadCase, AddModeTwoAndThreePointLoadsGiveFive) {
    DataPath d;
    d.position("P1", gridtest::slabWithOpening());
    d.position("P2", gridtest::slabWithOpening());
    savePoints(d, "P2", 4, 3, "Quelle");
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    ASSERT_TRUE(e->addPointLoad(point(7, 7, 1)));
    ASSERT_TRUE(e->addPointLoad(point(8, 7, 2)));
    e->setTitle("Ziel");
    ASSERT_TRUE(e->copyLoadCase({"P2", 4, d.path(), true}));
    const LoadCase& lc = e->loadCase();
    ASSERT_EQ(lc.np(), 5);
    EXPECT_EQ(lc.pointLoads[0].x, 7);
    EXPECT_EQ(lc.pointLoads[1].size, 2);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(lc.pointLoads[1 + k].x, k) << k;
        EXPECT_EQ(lc.pointLoads[1 + k].size, 10 * k) << k;
    }
    EXPECT_EQ(lc.title, "Ziel"); // add mode keeps the header
    EXPECT_TRUE(e->modified());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Hinweis");
    EXPECT_EQ(ui.messages[0].text,
              "LF 4 der Position P2 addiert: 0 Teilflächenlasten, 0 Linienlasten, 3 Punktlasten, 0 "
              "Randlasten. Die Lasten stammen aus dem Block des LF in ECHO_L.P2. Element- und "
              "Knotenlasten werden nicht kopiert.");
}

TEST(CopyLoadCase, ReplaceModeTakesTheSourceHeader) {
    DataPath d;
    d.position("P1", gridtest::slabWithOpening());
    d.position("P2", gridtest::slabWithOpening());
    {
        ui::ScriptedUi ui;
        auto source = d.editor("P2", ui);
        source->selfWeight(25, 1.5);
        ASSERT_TRUE(source->setTemperature({15, 1e-5}));
        EdgeLoadInput edge;
        edge.boundary = 2;
        edge.section = 3;
        edge.a = edge.b = 2;
        ASSERT_TRUE(source->addEdgeLoad(edge));
        ASSERT_TRUE(source->save(2, "Eigengewicht und Temperatur"));
    }
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    ASSERT_TRUE(e->addPointLoad(point(7, 7, 1)));
    ASSERT_TRUE(e->save(6, "Alt"));
    // from another position: no header of a load case "00" is needed there
    ASSERT_TRUE(e->copyLoadCase({"P2", 2, d.path(), false}));
    const LoadCase& lc = e->loadCase();
    EXPECT_EQ(lc.number, 6);
    EXPECT_EQ(lc.title, "Eigengewicht und Temperatur");
    EXPECT_TRUE(lc.selfWeight);
    EXPECT_EQ(lc.gamma, 25);
    EXPECT_EQ(lc.g, 1.5);
    EXPECT_TRUE(lc.temperature);
    EXPECT_EQ(lc.deltaT, 15);
    EXPECT_TRUE(lc.edgeLoadFlag);
    EXPECT_EQ(lc.np(), 0);
    ASSERT_EQ(lc.nr(), 1);
    EXPECT_EQ(lc.edgeLoads[0].boundary, 2);
    EXPECT_EQ(lc.edgeLoads[0].section, 3);
    EXPECT_EQ(lc.edgeLoads[0].xa, 6);
    // the source's self weight is on the elements, as the dialog puts it there
    EXPECT_EQ(e->loads().elementLoads[1].v[slab::ElementLoadRecord::kAreaLoad], 6.5f);
    EXPECT_NE(ui.messages.back().text.find(" übernommen: "), std::string::npos);
    // and saved, the copy is the open load case's own
    ASSERT_TRUE(e->save(6, lc.title));
    ui::ScriptedUi again;
    auto reopened = d.editor("P1", again);
    reopened->openLoadCase(6);
    EXPECT_EQ(reopened->loadCase().nr(), 1);
    EXPECT_TRUE(reopened->loadCase().temperature);
}

TEST(CopyLoadCase, AnotherLoadCaseOfTheSamePosition) {
    DataPath d;
    d.position("P1", gridtest::slabWithOpening());
    savePoints(d, "P1", 1, 2, "Eins");
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    e->newLoadCase();
    CopyRequest r = e->copyPresets();
    EXPECT_EQ(r.position, "P1");
    EXPECT_EQ(r.loadCase, 1); // a new load case presets 1
    EXPECT_EQ(r.dataPath, d.path());
    EXPECT_FALSE(r.add);
    ASSERT_TRUE(e->copyLoadCase(r));
    EXPECT_EQ(e->loadCase().np(), 2);
    EXPECT_EQ(e->loadCase().title, "Eins");
    EXPECT_EQ(e->loadCase().number, 0);
}

TEST(CopyLoadCase, ElementAndNodeLoadsOnlyCopyTheHeader) {
    DataPath d;
    d.position("P1", gridtest::slabWithOpening());
    {
        ui::ScriptedUi ui;
        auto source = d.editor("P1", ui);
        ASSERT_TRUE(source->setElementLoad(3, 4.5));
        ASSERT_TRUE(source->save(2, "Nur Elementlasten"));
    }
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    e->newLoadCase();
    ASSERT_TRUE(e->addLineLoad({0, 0, 1, 0, 1, 1, LineLoadKind::Forces, ""}));
    ASSERT_TRUE(e->copyLoadCase({"P1", 2, d.path(), false}));
    EXPECT_EQ(e->loadCase().title, "Nur Elementlasten");
    EXPECT_EQ(e->loadCase().nl(), 0);
    EXPECT_EQ(e->loads().elementLoads[3].v[slab::ElementLoadRecord::kAreaLoad], 0.0f);
}

TEST(CopyLoadCase, OlderPerLoadCaseFilesWithoutLoadEcho) {
    DataPath d;
    d.position("P1", gridtest::slabWithOpening());
    const std::string src = d.dir("P3");
    std::filesystem::create_directories(src);
    LoadCase header;
    header.number = 1;
    header.title = "Altbestand";
    header.areaLoads.resize(1);
    header.pointLoads.resize(2);
    header.lineLoads.resize(1);
    header.edgeLoads.resize(1);
    header.edgeLoadFlag = true;
    ASSERT_TRUE(slab::writeFileAtomic(src + "PL01.P3", encodeHeader(header)));
    PointLoadRecord p1, p2;
    p1.x = 2;
    p1.y = 3;
    p1.size = 40;
    p1.width = 0.25f;
    p2.x = 5;
    p2.kind = 3; // rotation
    p2.size = 0.01f;
    ASSERT_TRUE(slab::writeFileAtomic(src + "SRC_L01.P3", image(std::vector{p1, p2})));
    ASSERT_TRUE(slab::writeFileAtomic(src + "SOUTXT01.P3", comments({"St\xFCtze", "Lager"})));
    EdgeLoadRecord edge;
    edge.boundary = 1;
    edge.section = 4;
    edge.a = 3;
    edge.b = 6;
    edge.kind = 'M';
    ASSERT_TRUE(slab::writeFileAtomic(src + "EDGLD01.P3", image(std::vector{edge})));
    LineLoadRecord line;
    line.xb = 4;
    line.start = line.end = 7;
    line.kind = 1;
    ASSERT_TRUE(slab::writeFileAtomic(src + "LLOAD01.P3", image(std::vector{line})));
    AreaLoad area;
    area.p0 = 3;
    for (auto [x, y] : {std::pair{0.f, 0.f}, {2.f, 0.f}, {0.f, 2.f}}) {
        AreaCorner c;
        c.x = x;
        c.y = y;
        c.p1 = 3;
        area.corners.push_back(c);
    }
    ASSERT_TRUE(slab::writeFileAtomic(src + "SBD01.P3", encodeMacroHeaders({area})));
    ASSERT_TRUE(slab::writeFileAtomic(src + "MACRO01.P3", encodeMacroCorners({area})));

    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    ASSERT_TRUE(e->copyLoadCase({"P3", 1, d.path(), false}));
    const LoadCase& lc = e->loadCase();
    ASSERT_EQ(lc.np(), 2);
    EXPECT_EQ(lc.pointLoads[0].x, 2);
    EXPECT_EQ(lc.pointLoads[0].width, 0.25f);
    EXPECT_EQ(lc.pointLoads[0].comment, "Stütze"); // Windows-1252 in the file
    EXPECT_EQ(lc.pointLoads[1].kind, PointLoadKind::Rotation);
    EXPECT_EQ(lc.pointLoads[1].comment, "Lager");
    ASSERT_EQ(lc.nr(), 1);
    EXPECT_EQ(lc.edgeLoads[0].kind, EdgeLoadKind::Moments);
    EXPECT_EQ(lc.edgeLoads[0].xa, 0); // section 4 of the outer boundary: (0, 8) to (0, 0)
    EXPECT_EQ(lc.edgeLoads[0].ya, 8);
    EXPECT_EQ(lc.edgeLoads[0].comment, ""); // no ELTXT: empty
    ASSERT_EQ(lc.nl(), 1);
    EXPECT_EQ(lc.lineLoads[0].kind, LineLoadKind::Moments);
    EXPECT_EQ(lc.lineLoads[0].xb, 4);
    ASSERT_EQ(lc.nt(), 1);
    ASSERT_EQ(lc.areaLoads[0].corners.size(), 3u);
    EXPECT_EQ(lc.areaLoads[0].corners[1].x, 2);
    EXPECT_EQ(lc.title, "Altbestand");
    EXPECT_NE(ui.messages.back().text.find("Die Lasten stammen aus den Dateien des Lastfalls."),
              std::string::npos);
}

TEST(CopyLoadCase, AMissingFileOfTheSourceCopiesNothingAndKeepsRunning) {
    DataPath d;
    d.position("P1", gridtest::slabWithOpening());
    const std::string src = d.dir("P3");
    std::filesystem::create_directories(src);
    LoadCase header;
    header.number = 1;
    header.pointLoads.resize(2);
    header.lineLoads.resize(1);
    ASSERT_TRUE(slab::writeFileAtomic(src + "PL01.P3", encodeHeader(header)));
    ASSERT_TRUE(slab::writeFileAtomic(src + "LLOAD01.P3", image(std::vector{LineLoadRecord{}})));
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    ASSERT_TRUE(e->addPointLoad(point(7, 7, 1)));
    const std::size_t shown = ui.messages.size();
    EXPECT_FALSE(e->copyLoadCase({"P3", 1, d.path(), true}));
    ASSERT_EQ(ui.messages.size(), shown + 1);
    EXPECT_EQ(ui.messages.back().title, "Dateifehler");
    EXPECT_EQ(ui.messages.back().text, "Der File " + src + "SRC_L01.P3 fehlt");
    EXPECT_EQ(e->loadCase().np(), 1); // nothing copied, the input kept
    EXPECT_EQ(e->loadCase().nl(), 0);
    // a file shorter than its count
    PointLoadRecord one;
    ASSERT_TRUE(slab::writeFileAtomic(src + "SRC_L01.P3", image(std::vector{one})));
    EXPECT_FALSE(e->copyLoadCase({"P3", 1, d.path(), true}));
    EXPECT_EQ(ui.messages.back().text, "Die Datei " + src +
                                           "SRC_L01.P3 enthält nur 1 statt 2 Datensätze; nichts "
                                           "wurde übernommen.");
    // a record of an unknown kind
    one.kind = 9;
    ASSERT_TRUE(slab::writeFileAtomic(src + "SRC_L01.P3", image(std::vector{one, one})));
    EXPECT_FALSE(e->copyLoadCase({"P3", 1, d.path(), true}));
    EXPECT_EQ(ui.messages.back().text,
              "Die Datei " + src + "SRC_L01.P3 ist beschädigt; nichts wurde übernommen.");
    EXPECT_EQ(e->loadCase().np(), 1);
    // the editor goes on: the input can still be saved
    EXPECT_TRUE(e->save(1, "weiter"));
}

TEST(CopyLoadCase, RefusedRequestsChangeNothing) {
    DataPath d;
    d.position("P1", gridtest::slabWithOpening());
    savePoints(d, "P1", 1, 5, "Fünf");
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    e->newLoadCase();
    for (int k = 0; k < 60; ++k)
        ASSERT_TRUE(e->addPointLoad(point(1, 1, k)));
    EXPECT_FALSE(e->copyLoadCase({"P1", 1, d.path(), true}));
    EXPECT_EQ(ui.messages.back().title, "Fehler");
    EXPECT_EQ(ui.messages.back().text,
              "Zusammen wären es 65 Punktlasten, möglich sind höchstens 64. Nichts wurde "
              "übernommen.");
    EXPECT_EQ(e->loadCase().np(), 60);

    EXPECT_FALSE(e->copyLoadCase({"P1", 7, d.path(), true}));
    EXPECT_EQ(ui.messages.back().title, "Lastfall nicht vorhanden!");
    EXPECT_EQ(ui.messages.back().text, "Der File " + d.dir("P1") + "PL07.P1 fehlt");
    EXPECT_FALSE(e->copyLoadCase({"P1", 0, d.path(), true}));
    EXPECT_EQ(ui.messages.back().text, "Die Lastfallnummer muß zwischen 1 und 99 liegen.");
    EXPECT_FALSE(e->copyLoadCase({"P 1", 1, d.path(), true}));
    EXPECT_EQ(ui.messages.back().title, "Fehler");
    EXPECT_FALSE(e->copyLoadCase({"P1", 1, std::string(81, 'x'), true}));
    EXPECT_EQ(ui.messages.back().text, "Der Datenpfad muß 1 bis 80 Zeichen lang sein.");
    EXPECT_EQ(e->loadCase().np(), 60);
}

TEST(CopyLoadCase, EdgeLoadsOnBoundariesTheSlabDoesNotHaveStayBehind) {
    DataPath d;
    gridtest::Grid plain;
    d.position("P1", plain);
    d.position("P2", gridtest::slabWithOpening());
    {
        ui::ScriptedUi ui;
        auto source = d.editor("P2", ui);
        ASSERT_TRUE(source->addEdgeLoad({1, 2, 1, 1, EdgeLoadKind::Forces, ""}));
        ASSERT_TRUE(source->addEdgeLoad({2, 1, 1, 1, EdgeLoadKind::Forces, ""}));
        ASSERT_TRUE(source->save(1, "Ränder"));
    }
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    ASSERT_TRUE(e->copyLoadCase({"P2", 1, d.path(), false}));
    ASSERT_EQ(e->loadCase().nr(), 1);
    EXPECT_EQ(e->loadCase().edgeLoads[0].section, 2);
    EXPECT_NE(ui.messages.back().text.find("1 Randlasten. "), std::string::npos);
    EXPECT_NE(ui.messages.back().text.find("LF 1: Randlast 2 nicht übernommen. Die Platte hat "
                                           "keinen Rand 2, nur die Ränder 1 bis 1 (Befehl "
                                           "raender)."),
              std::string::npos)
        << ui.messages.back().text;
}

TEST(CopyLoadCase, OlderAreaFilesSkipTheDomainMacrosOfTheSourcesSelfWeight) {
    // the source has two domains and self weight, so its SBD and MACRO begin with the macro of
    // its one boundary; the open load case has no self weight, which must not matter
    DataPath d;
    d.position("P1");
    d.position("P4", gridtest::twoThicknesses());
    const std::string src = d.dir("P4");
    LoadCase header;
    header.number = 1;
    header.selfWeight = true;
    header.gamma = 25;
    header.areaLoads.resize(1);
    ASSERT_TRUE(slab::writeFileAtomic(src + "PL01.P4", encodeHeader(header)));
    AreaLoad domain, area;
    domain.p0 = 9;
    area.p0 = 4;
    for (auto [x, y] : {std::pair{0.f, 0.f}, {8.f, 0.f}, {8.f, 2.f}, {0.f, 2.f}}) {
        AreaCorner c;
        c.x = x;
        c.y = y;
        domain.corners.push_back(c);
    }
    for (auto [x, y] : {std::pair{1.f, 0.f}, {3.f, 0.f}, {3.f, 1.f}}) {
        AreaCorner c;
        c.x = x;
        c.y = y;
        c.p1 = 4;
        area.corners.push_back(c);
    }
    ASSERT_TRUE(slab::writeFileAtomic(src + "SBD01.P4", encodeMacroHeaders({domain, area})));
    ASSERT_TRUE(slab::writeFileAtomic(src + "MACRO01.P4", encodeMacroCorners({domain, area})));
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    ASSERT_FALSE(e->loadCase().selfWeight);
    ASSERT_TRUE(e->copyLoadCase({"P4", 1, d.path(), true}));
    ASSERT_EQ(e->loadCase().nt(), 1);
    EXPECT_EQ(e->loadCase().areaLoads[0].p0, 4);
    ASSERT_EQ(e->loadCase().areaLoads[0].corners.size(), 3u);
    EXPECT_EQ(e->loadCase().areaLoads[0].corners[0].x, 1);
}

// Found by fuzzing: a point load of an older SRC_L file with a NaN coordinate was copied into
// the load case, whose load echo then could not be read back.
TEST(LegacyFiles, RecordsWithNumbersThatAreNotFiniteAreDamaged) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    PointLoadRecord p;
    p.size = 5;
    EXPECT_TRUE(pointLoadOf(p));
    p.x = nan;
    EXPECT_FALSE(pointLoadOf(p));
    EdgeLoadRecord e;
    e.boundary = e.section = 1;
    EXPECT_TRUE(edgeLoadOf(e));
    e.b = -inf;
    EXPECT_FALSE(edgeLoadOf(e));
    LineLoadRecord l;
    EXPECT_TRUE(lineLoadOf(l));
    l.end = inf;
    EXPECT_FALSE(lineLoadOf(l));
}
