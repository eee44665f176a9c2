// Reading a computed load case, and every way the files can be missing, short, damaged or
// stale, each with its message.
#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "tests/viewer/viewer_fixtures.hpp"
#include "viewer/result_reader.hpp"

#include <filesystem>
#include <fstream>

namespace {

using viewerfixtures::Position;
namespace fs = std::filesystem;

// A 3 x 2 slab of 6 m x 4 m, hinged, 10 kN/m², with a spring under node 6 and bedding under
// element 2, computed as load case 2.
class ReaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        slab::ExampleSlab s;
        s.nx = 3;
        s.ny = 2;
        s.width = 6;
        s.height = 4;
        computed = viewerfixtures::compute(p.dir(), s, 2, [](slab::SolverModel& m) {
            m.springs[6].v[slab::SpringRecord::kConstant] = 5000.0f;
            m.bedding[2].v[0] = 20000.0f;
        });
    }

    std::string read(int loadCase = 2) {
        auto outcome = viewer::readResults(p.dir(), loadCase);
        EXPECT_EQ(outcome.results.has_value(), outcome.error.empty());
        return outcome.error;
    }

    void resize(const std::string& name, std::size_t size) {
        fs::resize_file(p.dir() + name, size);
    }

    // Makes a file look changed after the run.
    void touchLater(const std::string& name) {
        const auto t = fs::last_write_time(p.dir() + "Elemente3LF2");
        fs::last_write_time(p.dir() + name, t + std::chrono::seconds(10));
    }

    Position p;
    viewerfixtures::Computed computed;
};

TEST_F(ReaderTest, ReadsWhatTheSolverWrote) {
    const auto outcome = viewer::readResults(p.dir(), 2);
    ASSERT_TRUE(outcome.results) << outcome.error;
    const viewer::ResultSet& r = *outcome.results;
    const slab::SolverModel& m = *computed.model;
    EXPECT_EQ(r.loadCase, 2);
    EXPECT_EQ(r.directory, p.dir());
    ASSERT_EQ(r.nodeCount(), 12);
    ASSERT_EQ(r.elementCount(), 6);
    for (int j = 1; j <= 12; ++j) {
        EXPECT_EQ(r.node(j).at, (viewer::XY{m.nodes[j].x, m.nodes[j].y}));
        EXPECT_EQ(r.node(j).code, m.nodes[j].code);
        for (std::size_t c = 1; c < 14; ++c)
            EXPECT_EQ(r.nodeResults[j][c], m.nodeResults[j][c]);
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(r.reactions[j][k], m.nodalLoads[j].v[slab::NodalLoadRecord::kReaction + k]);
    }
    for (int e = 1; e <= 6; ++e) {
        EXPECT_EQ(r.element(e).node, m.elements[e].node);
        EXPECT_EQ(r.elementResults[e], m.elementResults[e]);
        EXPECT_EQ(r.element(e).lx, 2.0);
        EXPECT_EQ(r.element(e).ly, 2.0);
    }
    EXPECT_EQ(r.node(6).spring[0], 5000.0);
    EXPECT_EQ(r.node(5).spring[0], 0.0);
    EXPECT_EQ(r.element(2).bedding, 20000.0);
    EXPECT_TRUE(r.bedded());
    EXPECT_TRUE(r.hasReaction(1)); // hinged edge
    EXPECT_TRUE(r.hasReaction(6)); // the spring
    EXPECT_FALSE(r.hasReaction(7));
    // The spring force is part of the reaction the solver wrote: -k w.
    EXPECT_TRUE(testsupport::near(r.reactions[6][0], -5000.0 * r.nodeResults[6][1], 1e-6));
}

TEST_F(ReaderTest, ListsTheComputedLoadCases) {
    viewerfixtures::compute(p.dir(), slab::ExampleSlab{3, 2, 6, 4}, 7, {},
                            viewerfixtures::Write::LoadsOnly);
    // Names the writers never give are passed over.
    std::ofstream(p.dir() + "Knoten3LF01").put('x');
    std::ofstream(p.dir() + "Knoten3LFx").put('x');
    std::ofstream(p.dir() + "knoten3lf100").put('x');
    EXPECT_EQ(viewer::computedLoadCases(p.dir()), (std::vector<int>{2, 7}));
    EXPECT_TRUE(viewer::computedLoadCases(p.dir() + "fehlt/").empty());
}

TEST_F(ReaderTest, ALoadCaseNotComputed) {
    EXPECT_EQ(read(3), "Der Lastfall 3 wurde nicht berechnet: die Ergebnisdatei Knoten3LF3 fehlt. "
                       "Berechnen Sie den Lastfall 3 mit vintor.");
    EXPECT_EQ(read(100), "Der Lastfall 100 liegt nicht zwischen 0 und 99.");
}

TEST_F(ReaderTest, MissingResultFiles) {
    fs::remove(p.dir() + "Elemente3LF2");
    EXPECT_EQ(read(), "Der Lastfall 2 ist nicht vollständig berechnet: die Ergebnisdatei "
                      "Elemente3LF2 fehlt. Berechnen Sie den Lastfall 2 neu.");
}

TEST_F(ReaderTest, ShortAndLongResultFiles) {
    resize("Knoten3LF2", 12 * 112 - 1);
    EXPECT_EQ(read(), "Die Ergebnisdatei Knoten3LF2 ist zu kurz: 1343 statt 1344 Bytes. "
                      "Berechnen Sie den Lastfall 2 neu.");
    resize("Knoten3LF2", 12 * 112 + 112);
    EXPECT_EQ(read(),
              "Die Ergebnisdatei Knoten3LF2 hat 1456 statt 1344 Bytes und gehört nicht "
              "zum Modell mit 12 Knoten und 6 Elementen. Berechnen Sie den Lastfall 2 neu.");
}

TEST_F(ReaderTest, ShortReactionFile) {
    resize("KNOTEN2LF2", 100);
    EXPECT_EQ(read(), "Die Ergebnisdatei Knoten2LF2 ist zu kurz: 100 statt 1440 Bytes. Berechnen "
                      "Sie den Lastfall 2 neu.");
}

TEST_F(ReaderTest, NumbersThatAreNotFinite) {
    auto bytes = *slab::readFileBytes(p.dir() + "Elemente3LF2");
    slab::putLE(bytes.data() + 4 * 312 + 8, std::numeric_limits<double>::quiet_NaN());
    ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "Elemente3LF2", bytes));
    EXPECT_EQ(read(), "Die Ergebnisdatei Elemente3LF2 enthält beim Element 5 ungültige Zahlen. "
                      "Berechnen Sie den Lastfall 2 neu.");
}

// Found by fuzzing: finite values whose soil pressure or interpolated deflection is not.
TEST_F(ReaderTest, DeflectionsBeyondTheNumberRange) {
    const auto original = *slab::readFileBytes(p.dir() + "Knoten3LF2");
    auto withValue = [&](int node, int column, double v) {
        auto bytes = original;
        slab::putLE(bytes.data() + (node - 1) * 112 + column * 8, v);
        ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "Knoten3LF2", bytes));
    };
    // Node 7 is a corner of the bedded element 2: 20000 kN/m³ times 1e305 m.
    withValue(7, 1, 1e305);
    EXPECT_EQ(read(), "Die Ergebnisdatei Knoten3LF2 enthält an den Ecken von Element 2 "
                      "Verformungen, deren Verlauf oder Bodenpressung den Zahlenbereich "
                      "überschreitet. Berechnen Sie den Lastfall 2 neu.");
    // A slope of 1e308 over a side of 2 m at node 1 of the unbedded element 1.
    withValue(1, 3, 1e308);
    EXPECT_NE(read().find("an den Ecken von Element 1 "), std::string::npos);
    // Huge but representable: the pictures can still be drawn.
    withValue(1, 1, 1e300);
    EXPECT_EQ(read(), "");
}

// Found by fuzzing: an infinite spring constant reached the extremes of the soil pressure.
TEST_F(ReaderTest, ModelNumbersThatAreNotFinite) {
    const struct {
        const char* file;
        std::size_t offset;
        const char* record;
    } cases[] = {{"FEDER1", 5 * 40 + 4, "FEDER1 ist beschädigt: Datensatz 6"},
                 {"KNOTEN1", 11 * 40 + 4, "KNOTEN1 ist beschädigt: Datensatz 12"},
                 {"BETTUNG1", 1 * 1160, "BETTUNG1 ist beschädigt: Datensatz 2"},
                 {"ELEMENTE1", 3 * 2372 + 40, "ELEMENTE1 ist beschädigt: Datensatz 4"}};
    for (const auto& c : cases) {
        const auto original = *slab::readFileBytes(p.dir() + c.file);
        auto bytes = original;
        if (std::string(c.file) == "BETTUNG1")
            slab::putLE(bytes.data() + c.offset, std::numeric_limits<float>::infinity());
        else if (std::string(c.file) == "FEDER1")
            slab::putLE(bytes.data() + c.offset, -std::numeric_limits<float>::infinity());
        else
            slab::putLE(bytes.data() + c.offset, std::numeric_limits<double>::quiet_NaN());
        ASSERT_TRUE(slab::writeFileAtomic(p.dir() + c.file, bytes));
        EXPECT_EQ(read(), std::string("Die Modelldatei ") + c.record +
                              " enthält keine endliche Zahl. Speichern Sie die Platte im "
                              "Geometrieprogramm und berechnen Sie den Lastfall 2 neu.")
            << c.file;
        ASSERT_TRUE(slab::writeFileAtomic(p.dir() + c.file, original));
    }
}

TEST_F(ReaderTest, InfoOfAnotherModel) {
    auto bytes = *slab::readFileBytes(p.dir() + "Info");
    slab::putLE<std::int32_t>(bytes.data(), 20);
    ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "Info", bytes));
    touchLater("Info"); // Info is no input: its age does not matter
    EXPECT_EQ(read(), "Die Ergebnisdatei Info nennt 20 Knoten und 6 Elemente, das Modell hat 12 "
                      "Knoten und 6 Elemente. Berechnen Sie den Lastfall 2 neu.");
    fs::remove(p.dir() + "Info");
    EXPECT_EQ(read(), "");
}

TEST_F(ReaderTest, ResultsOlderThanTheModel) {
    touchLater("KNOTEN1");
    EXPECT_EQ(read(), "Die Ergebnisse von Lastfall 2 sind älter als die Datei KNOTEN1. Berechnen "
                      "Sie den Lastfall 2 neu.");
}

TEST_F(ReaderTest, ResultsOlderThanTheLoads) {
    touchLater("ELEMENTE2LF2");
    EXPECT_EQ(read(), "Die Ergebnisse von Lastfall 2 sind älter als die Datei ELEMENTE2LF2. "
                      "Berechnen Sie den Lastfall 2 neu.");
}

TEST_F(ReaderTest, NodalLoadsSavedAgainAfterTheRun) {
    touchLater("KNOTEN2LF2");
    EXPECT_EQ(read(), "Die Ergebnisse von Lastfall 2 sind älter als die Datei KNOTEN2LF2. "
                      "Berechnen Sie den Lastfall 2 neu.");
}

TEST_F(ReaderTest, MissingAndDamagedModelFiles) {
    fs::remove(p.dir() + "ELEMENTE1");
    EXPECT_EQ(read(), "Die Modelldatei ELEMENTE1 fehlt in " + p.dir() +
                          ". Speichern Sie die Platte im Geometrieprogramm und berechnen Sie den "
                          "Lastfall 2 neu.");
    fs::remove(p.dir() + "PARAMETER");
    EXPECT_EQ(read(), "Die Modelldatei PARAMETER fehlt in " + p.dir() +
                          ". Speichern Sie die Platte im Geometrieprogramm und berechnen Sie den "
                          "Lastfall 2 neu.");
}

TEST_F(ReaderTest, ShortOptionalModelFile) {
    resize("FEDER1", 40);
    EXPECT_EQ(read(), "Die Modelldatei FEDER1 ist zu kurz: 40 statt 480 Bytes. Speichern Sie die "
                      "Platte im Geometrieprogramm und berechnen Sie den Lastfall 2 neu.");
    fs::remove(p.dir() + "FEDER1");
    fs::remove(p.dir() + "BETTUNG1");
    const auto outcome = viewer::readResults(p.dir(), 2);
    ASSERT_TRUE(outcome.results);
    EXPECT_FALSE(outcome.results->bedded());
    EXPECT_FALSE(outcome.results->hasReaction(6));
}

TEST_F(ReaderTest, CountsOutOfRange) {
    ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "PARAMETER", slab::encodeParameter({3001, 6})));
    EXPECT_EQ(read(), "Die Modelldatei PARAMETER nennt 3001 Knoten und 6 Elemente; zulässig sind "
                      "je 1 bis 3000. Speichern Sie die Platte im Geometrieprogramm neu.");
}

class DamagedElements : public ReaderTest {
  protected:
    // Rewrites element 4's corner nodes and keeps the file's age.
    void setCorners(std::array<std::int32_t, 4> nodes) {
        auto bytes = *slab::readFileBytes(p.dir() + "ELEMENTE1");
        for (std::size_t k = 0; k < 4; ++k)
            slab::putLE(bytes.data() + 3 * slab::ElementRecord::kSize + 8 + 4 * k, nodes[k]);
        const auto t = fs::last_write_time(p.dir() + "ELEMENTE1");
        ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "ELEMENTE1", bytes));
        fs::last_write_time(p.dir() + "ELEMENTE1", t);
    }
    void moveNode(int node, double x, double y) {
        auto bytes = *slab::readFileBytes(p.dir() + "KNOTEN1");
        slab::putLE(bytes.data() + (node - 1) * 40 + 4, x);
        slab::putLE(bytes.data() + (node - 1) * 40 + 12, y);
        const auto t = fs::last_write_time(p.dir() + "KNOTEN1");
        ASSERT_TRUE(slab::writeFileAtomic(p.dir() + "KNOTEN1", bytes));
        fs::last_write_time(p.dir() + "KNOTEN1", t);
    }
};

TEST_F(DamagedElements, CornerOutsideTheNodes) {
    setCorners({5, 6, 10, 13});
    EXPECT_EQ(read(), "Element 4: Eckknoten 4 ist Knoten 13, es gibt aber nur die Knoten 1 bis "
                      "12. Speichern Sie die Platte im Geometrieprogramm neu.");
}

TEST_F(DamagedElements, CornerTwice) {
    setCorners({5, 6, 10, 6});
    EXPECT_EQ(read(), "Element 4: Eckknoten 2 und 4 sind derselbe Knoten 6. Speichern Sie die "
                      "Platte im Geometrieprogramm neu.");
}

TEST_F(DamagedElements, ClockwiseCorners) {
    setCorners({6, 5, 9, 10});
    EXPECT_EQ(read(), "Element 4: Die Längen in x- und y-Richtung sind -2 m und 2 m und damit "
                      "nicht beide positiv. Die Eckknoten müssen von links unten gegen den "
                      "Uhrzeigersinn folgen. Speichern Sie die Platte im Geometrieprogramm neu.");
}

TEST_F(DamagedElements, NotARectangle) {
    moveNode(9, 0.5, 4.0); // the upper left corner of element 4 moves half a metre
    EXPECT_EQ(read(), "Element 4 ist kein Rechteck mit achsparallelen Seiten. Speichern Sie die "
                      "Platte im Geometrieprogramm neu.");
}

TEST(Reader, NoPositionDirectory) {
    testsupport::TempDir t;
    EXPECT_EQ(viewer::readResults(t.str() + "SDIRFEMX/", 1).error,
              "Das Positionsverzeichnis " + t.str() +
                  "SDIRFEMX/ existiert nicht. Prüfen Sie Position und Datenpfad.");
}

} // namespace
