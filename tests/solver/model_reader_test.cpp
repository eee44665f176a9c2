// Reading a position: every message of a missing or damaged file, and nothing carried over.
#include "solver/example_slab.hpp"
#include "solver/model_reader.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "common/format.hpp"

#include <filesystem>
#include <limits>
#include <memory>

using namespace slab;
namespace fs = std::filesystem;

namespace {

// A position with the 8 x 6 example slab, load case 1, written by the editors' spellings.
struct Position {
    testsupport::TempDir data;
    std::string dir = data.str();
    std::unique_ptr<SolverModel> written = std::make_unique<SolverModel>();
    Position() {
        buildExampleSlab(ExampleSlab{}, *written);
        EXPECT_TRUE(writeModelFiles(*written, dir, 1));
    }
    void truncate(const std::string& name, std::size_t size) {
        fs::resize_file(dir + name, size);
    }
};

std::vector<std::string> readMessages(const std::string& dir, int loadCase) {
    auto m = std::make_unique<SolverModel>();
    ui::ScriptedUi ui;
    EXPECT_FALSE(readModel(dir, loadCase, *m, ui));
    return ui.texts();
}

using Texts = std::vector<std::string>;

} // namespace

TEST(ModelReader, ReadsTheFilesUnderTheEditorsSpellings) {
    Position p;
    auto m = std::make_unique<SolverModel>();
    ui::ScriptedUi ui;
    ASSERT_TRUE(readModel(p.dir, 1, *m, ui));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(m->nodeCount, 63);
    EXPECT_EQ(m->elementCount, 48);
    EXPECT_EQ(m->nodes[63].x, 8.0);
    EXPECT_EQ(m->elements[48].node, (std::array<int, 4>{53, 54, 63, 62}));
    EXPECT_EQ(m->elementLoads[48].v[0], 10.0f);
}

TEST(ModelReader, MissingParameterOrLoadCase) {
    Position p;
    EXPECT_EQ(readMessages(p.dir + "gibtsnicht/", 1), Texts{"Ihr angegebener Datenpfad existiert nicht!"});
    EXPECT_EQ(readMessages(p.dir, 2), Texts{"Ihr angegebener Lastfall existiert nicht!"});
}

TEST(ModelReader, CountsOutsideTheCapacity) {
    for (auto [nn, ne] : {std::pair{0, 48}, {63, 0}, {3001, 48}, {63, 3001}, {-5, 48}}) {
        Position p;
        ASSERT_TRUE(writeFileAtomic(p.dir + "PARAMETER", encodeParameter({nn, ne})));
        EXPECT_EQ(readMessages(p.dir, 1),
                  Texts{format("Die Datei Parameter nennt %i Knoten und %i Elemente; zulässig "
                               "sind je 1 bis 3000.",
                               nn, ne)});
    }
    Position p;
    p.truncate("PARAMETER", 5);
    EXPECT_EQ(readMessages(p.dir, 1),
              Texts{"Die Datei Parameter ist beschädigt: sie ist kürzer als 8 Byte."});
}

TEST(ModelReader, MissingOrShortModelFiles) {
    {
        Position p;
        fs::remove(p.dir + "KNOTEN1");
        EXPECT_EQ(readMessages(p.dir, 1),
                  Texts{"Die Datei Knoten1 fehlt im Datenpfad! Bitte die Platte im "
                        "Geometrieprogramm speichern."});
    }
    {
        Position p;
        fs::remove(p.dir + "ELEMENTE1");
        EXPECT_EQ(readMessages(p.dir, 1),
                  Texts{"Die Datei Elemente1 fehlt im Datenpfad! Bitte die Platte im "
                        "Geometrieprogramm speichern."});
    }
    const std::pair<const char*, std::size_t> shortFiles[] = {
        {"KNOTEN1", 40}, {"ELEMENTE1", 2372}, {"FEDER1", 40}, {"BETTUNG1", 0},
        {"ELEMENTE2LF1", 92 * 47}, {"KNOTEN2LF1", 120 * 62 + 119}};
    for (auto [name, size] : shortFiles) {
        Position p;
        p.truncate(name, size);
        const bool perNode = std::string(name).find("KNOTEN") == 0 || std::string(name) == "FEDER1";
        const std::size_t record = std::string(name) == "KNOTEN1"      ? 40
                                   : std::string(name) == "ELEMENTE1"  ? 2372
                                   : std::string(name) == "FEDER1"     ? 40
                                   : std::string(name) == "BETTUNG1"   ? 1160
                                   : std::string(name) == "KNOTEN2LF1" ? 120
                                                                       : 92;
        // The message names the file as the solver opens it.
        std::string shown = name;
        if (shown == "KNOTEN1") shown = "Knoten1";
        if (shown == "ELEMENTE1") shown = "Elemente1";
        if (shown == "ELEMENTE2LF1") shown = "Elemente2LF1";
        if (shown == "KNOTEN2LF1") shown = "Knoten2LF1";
        EXPECT_EQ(readMessages(p.dir, 1),
                  Texts{format("Die Datei %s ist beschädigt: sie enthält %zu statt %i Datensätze.",
                               shown.c_str(), size / record, perNode ? 63 : 48)});
    }
}

TEST(ModelReader, CornerNodesOutsideTheNodeCount) {
    for (int bad : {0, 64, -1}) {
        Position p;
        p.written->elements[7].node[2] = bad;
        ASSERT_TRUE(writeModelFiles(*p.written, p.dir, 1));
        EXPECT_EQ(readMessages(p.dir, 1),
                  Texts{format("Element 7: Eckknoten 3 ist Knoten %i, es gibt aber nur die "
                               "Knoten 1 bis 63.",
                               bad)});
    }
}

TEST(ModelReader, ElementsThatAreNotCounterClockwiseRectangles) {
    {
        Position p; // corners clockwise: negative length in y
        p.written->elements[5].node = {6, 5, 14, 15};
        ASSERT_TRUE(writeModelFiles(*p.written, p.dir, 1));
        EXPECT_EQ(readMessages(p.dir, 1),
                  Texts{"Element 5: Die Länge in x-Richtung ist -1 m und damit nicht positiv. "
                        "Die Eckknoten müssen von links unten gegen den Uhrzeigersinn folgen."});
    }
    {
        Position p; // two corners at one point
        p.written->nodes[6].x = p.written->nodes[5].x;
        ASSERT_TRUE(writeModelFiles(*p.written, p.dir, 1));
        auto texts = readMessages(p.dir, 1);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].rfind("Element 5: Die Länge in x-Richtung ist 0 m", 0), 0u) << texts[0];
    }
    {
        Position p;
        p.written->elements[9].node[3] = p.written->elements[9].node[0];
        ASSERT_TRUE(writeModelFiles(*p.written, p.dir, 1));
        EXPECT_EQ(readMessages(p.dir, 1),
                  Texts{"Element 9: Eckknoten 1 und 4 sind derselbe Knoten 10."});
    }
}

TEST(ModelReader, OptionalFilesMissingMeanNoSpringsBeddingOrNodalLoads) {
    // A first position with springs, bedding and nodal loads, then one without those files,
    // read into the same tables: nothing of the first may remain.
    Position first;
    first.written->springs[20].v[1] = 500.0f;
    first.written->bedding[3].v[0] = 1000.0f;
    first.written->nodalLoads[20].v[6] = 7.0;
    ASSERT_TRUE(writeModelFiles(*first.written, first.dir, 1));
    Position second;
    fs::remove(second.dir + "FEDER1");
    fs::remove(second.dir + "BETTUNG1");
    fs::remove(second.dir + "KNOTEN2LF1");
    auto m = std::make_unique<SolverModel>();
    ui::ScriptedUi ui;
    ASSERT_TRUE(readModel(first.dir, 1, *m, ui));
    EXPECT_EQ(m->springs[20].v[1], 500.0f);
    ASSERT_TRUE(readModel(second.dir, 1, *m, ui));
    EXPECT_EQ(m->springs[20].v[1], 0.0f);
    EXPECT_EQ(m->bedding[3].v[0], 0.0f);
    EXPECT_EQ(m->nodalLoads[20].v[6], 0.0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ModelReader, LoadCaseZeroUsesTheDigitZero) {
    Position p;
    ASSERT_TRUE(writeModelFiles(*p.written, p.dir, 0));
    auto m = std::make_unique<SolverModel>();
    ui::ScriptedUi ui;
    EXPECT_TRUE(readModel(p.dir, 0, *m, ui));
    EXPECT_TRUE(fs::exists(p.dir + "ELEMENTE2LF0"));
}

// An infinity or NaN in any number of a model or load file is refused before anything is
// computed, with the file, the record and the byte named.
TEST(ModelReader, NonFiniteNumbersAreRefusedWithFileAndRecord) {
    struct Case {
        const char* file;
        const char* shown;
        std::size_t recordSize;
        int record;
        std::size_t offset;
        bool single; ///< a 32-bit float; else a 64-bit double
    };
    const Case cases[] = {{"KNOTEN1", "Knoten1", 40, 7, 12, false},
                          {"ELEMENTE1", "Elemente1", 2372, 3, 32, false},
                          {"FEDER1", "FEDER1", 40, 2, 0, true},
                          {"BETTUNG1", "BETTUNG1", 1160, 5, 0, true},
                          {"ELEMENTE2LF1", "Elemente2LF1", 92, 48, 4, true},
                          {"KNOTEN2LF1", "Knoten2LF1", 120, 63, 48, false}};
    for (const auto& c : cases) {
        for (double bad : {std::numeric_limits<double>::infinity(), std::nan("")}) {
            Position p;
            auto bytes = readFileBytes(p.dir + c.file).value();
            std::uint8_t* at = bytes.data() + (c.record - 1) * c.recordSize + c.offset;
            if (c.single)
                putLE(at, static_cast<float>(bad));
            else
                putLE(at, bad);
            ASSERT_TRUE(writeFileAtomic(p.dir + c.file, bytes));
            EXPECT_EQ(readMessages(p.dir, 1),
                      Texts{format("Die Datei %s ist beschädigt: Datensatz %i enthält bei Byte %zu "
                                   "keine endliche Zahl. Bitte die Eingabe wiederholen.",
                                   c.shown, c.record, c.offset)})
                << c.file;
        }
    }
}
