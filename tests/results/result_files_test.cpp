// A whole run of a small position: the run's statuses, and every result file's records.
#include "results_fixtures.hpp"
#include "solver/modelfiles/ttable.hpp"
#include "solver/result_files.hpp"
#include "solver/solver_run.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

namespace {

using slab::getLE;

// A hinged 2 x 2 slab of 4 m x 6 m under 10 kN/m², 5 kN at the centre node and a settlement
// of 1 mm at node 1, as load case 2.
class SmallRun : public ::testing::Test {
  protected:
    void SetUp() override {
        slab::ExampleSlab s;
        s.nx = 2;
        s.ny = 2;
        s.width = 4;
        s.height = 6;
        auto written = std::make_unique<slab::SolverModel>();
        slab::buildExampleSlab(s, *written);
        written->nodalLoads[5].v[slab::NodalLoadRecord::kLoad] = 5.0;
        written->nodalLoads[1].v[slab::NodalLoadRecord::kPrescribed] = 0.001;
        ASSERT_TRUE(slab::writeModelFiles(*written, dir.str(), 2));
        form.positionDirectory = dir.str();
        form.loadCase = 2;
    }

    bool run() { return slab::runCalculation(form, *model, ui); }

    std::vector<std::uint8_t> file(const std::string& name) {
        auto bytes = slab::readFileBytes(dir.str() + name);
        EXPECT_TRUE(bytes) << name;
        return bytes.value_or(std::vector<std::uint8_t>{});
    }

    testsupport::TempDir dir;
    slab::CalculationForm form;
    std::unique_ptr<slab::SolverModel> model = std::make_unique<slab::SolverModel>();
    ui::ScriptedUi ui;
};

TEST_F(SmallRun, StatusesOfAllSteps) {
    ASSERT_TRUE(run());
    const std::vector<std::string> expected = {
        "FEM-Berechnung läuft ...",          "Aufstellen und Lösen von KU=F ...",
        "Lösen des Gleichungssystems ...",   "Berechne Schnittgrößen ...",
        "Berechne FE-Lastfall ...",          "Schreibe ASCII- und Binaerdateien ...",
        "Berechnung wurde erfolgreich beendet."};
    EXPECT_EQ(ui.statuses, expected);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.beeps, 1);
}

TEST_F(SmallRun, WritesTheReportAndTwelveFilesWithTheirSizes) {
    ASSERT_TRUE(run());
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        std::string name = entry.path().filename().string();
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        names.insert(name);
    }
    const std::set<std::string> expected = {
        "parameter",       "knoten1",         "elemente1",       "feder1",        "bettung1",
        "elemente2lf2",    "knoten2lf2",      "outputfem.txt",   "knoten3lf2",    "elemente3lf2",
        "info",            "innenkanten1",    "innenkanten2lf2", "innenkanten4lf2",
        "aussenkanten1",   "aussenkanten2lf2", "aussenkanten4lf2", "knoten4lf2",   "elemente4lf2",
        // the run's line of the protocol
        "ttable"};
    EXPECT_EQ(names, expected);
    const auto records = slab::readTimeTable(dir.str());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].text, "Berechnung LF 2");
    const std::pair<const char*, std::size_t> sizes[] = {
        {"Knoten3LF2", 9 * 112},     {"Knoten2LF2", 9 * 120},      {"Elemente3LF2", 4 * 312},
        {"Info", 120056},            {"Innenkanten1", 4 * 44},     {"Innenkanten2LF2", 4 * 96},
        {"Innenkanten4LF2", 4 * 152}, {"Aussenkanten1", 8 * 44},   {"Aussenkanten2LF2", 8 * 96},
        {"Aussenkanten4LF2", 8 * 152}, {"Knoten4LF2", 9 * 8},      {"Elemente4LF2", 4 * 1384}};
    for (auto [name, size] : sizes) EXPECT_EQ(file(name).size(), size) << name;
}

TEST_F(SmallRun, NodeFilesHoldResultsAndKeepTheLoads) {
    ASSERT_TRUE(run());
    const auto k3 = file("Knoten3LF2");
    const auto k2 = file("KNOTEN2LF2");
    const auto k4 = file("Knoten4LF2");
    ASSERT_EQ(k3.size(), 9u * 112);
    for (int j = 1; j <= 9; ++j) {
        const std::uint8_t* p = k3.data() + 112 * (j - 1);
        EXPECT_EQ(getLE<double>(p), 0.0);
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(getLE<double>(p + 8 * i), model->displacement[j][i - 1]);
        for (int i = 5; i <= 13; ++i) EXPECT_EQ(getLE<double>(p + 8 * i), model->nodeResults[j][i]);
        EXPECT_EQ(getLE<double>(k4.data() + 8 * (j - 1)), model->cornerForce[j]);
        for (int i = 11; i <= 14; ++i)
            EXPECT_EQ(getLE<double>(k2.data() + 120 * (j - 1) + 8 * i), model->nodalLoads[j].v[i]);
    }
    EXPECT_EQ(model->displacement[1][0], 0.001);
    EXPECT_EQ(getLE<double>(k2.data() + 8 * 1), 0.001);                // prescribed w of node 1
    EXPECT_EQ(getLE<double>(k2.data() + 120 * 4 + 8 * 6), 5.0);        // load at node 5
    EXPECT_NE(getLE<double>(k2.data() + 120 * 0 + 8 * 11), 0.0);       // reaction at node 1
    EXPECT_EQ(model->nodalLoads[5].v[slab::NodalLoadRecord::kReaction], 0.0); // node 5 is free
}

TEST_F(SmallRun, ElementFilesByteForByte) {
    ASSERT_TRUE(run());
    const auto e3 = file("Elemente3LF2");
    const auto e4 = file("Elemente4LF2");
    ASSERT_EQ(e4.size(), 4u * 1384);
    for (int e = 1; e <= 4; ++e) {
        for (int i = 0; i < 39; ++i)
            EXPECT_EQ(getLE<double>(e3.data() + 312 * (e - 1) + 8 * i), model->elementResults[e][i]);
        const std::uint8_t* p = e4.data() + 1384 * (e - 1);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(getLE<double>(p + 8 * i), model->elementPh[e].ph[i]);
        for (int i = 0; i < 162; ++i) EXPECT_EQ(getLE<double>(p + 40 + 8 * i), model->elementPh[e].t[i]);
        const float nx[4] = {0, 1, 0, -1}, ny[4] = {-1, 0, 1, 0};
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(getLE<float>(p + 1340 + 4 * j), nx[j]);
            EXPECT_EQ(getLE<float>(p + 1360 + 4 * j), ny[j]);
        }
        for (int unused : {1336, 1337, 1338, 1339, 1356, 1357, 1358, 1359, 1376, 1383})
            EXPECT_EQ(p[unused], 0) << unused;
    }
    const auto decoded = slab::decodeResultRows<slab::ElementPhLayout, slab::ElementPhRow>(e4);
    ASSERT_EQ(decoded.size(), 4u);
    EXPECT_EQ(decoded[2].t, model->elementPh[3].t);
    EXPECT_EQ(slab::encodeResultRows<slab::ElementPhLayout>(decoded, 0, 4), e4);
}

TEST_F(SmallRun, InfoHoldsCountsAndTheNodeElementTable) {
    ASSERT_TRUE(run());
    const auto info = file("Info");
    ASSERT_EQ(info.size(), 120056u);
    EXPECT_EQ(getLE<std::int32_t>(info.data()), 9);
    EXPECT_EQ(getLE<std::int32_t>(info.data() + 4), 4);
    EXPECT_EQ(getLE<std::int32_t>(info.data() + 8), 4);
    EXPECT_EQ(getLE<std::int32_t>(info.data() + 12), 8);
    auto element = [&](int j, int s) { return getLE<std::int32_t>(info.data() + 16 + 4 * (5 * j + s)); };
    auto corner = [&](int j, int s) { return getLE<std::int32_t>(info.data() + 60036 + 4 * (5 * j + s)); };
    const int elements[4] = {1, 2, 3, 4}, corners[4] = {3, 4, 2, 1};
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(element(5, s), elements[s - 1]);
        EXPECT_EQ(corner(5, s), corners[s - 1]);
    }
    EXPECT_EQ(element(9, 1), 4);
    EXPECT_EQ(corner(9, 1), 3);
    EXPECT_EQ(element(9, 2), 0);
    // Row 0, slot 0 and the rows past node 9 stay zero.
    long nonZero = 0;
    for (std::size_t i = 0; i < info.size(); ++i) nonZero += info[i] != 0;
    int filled = 0;
    for (int j = 1; j <= 9; ++j)
        for (int s = 1; s <= 4; ++s) filled += element(j, s) != 0;
    EXPECT_EQ(filled, 16);
    EXPECT_LE(nonZero, 4 + 2 * 16 + 1); // one byte per small number, counts included
}

TEST_F(SmallRun, EdgeFilesByteForByte) {
    ASSERT_TRUE(run());
    const auto edges = file("Innenkanten1");
    const auto loads = file("Innenkanten2LF2");
    const auto values = file("Innenkanten4LF2");
    ASSERT_EQ(edges.size(), 4u * 44);
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint8_t* p = edges.data() + 44 * i;
        const auto& e = model->innerEdges[i];
        EXPECT_EQ(getLE<float>(p + 4), e.xStart);
        EXPECT_EQ(getLE<float>(p + 8), e.xEnd);
        EXPECT_EQ(getLE<float>(p + 16), e.yStart);
        EXPECT_EQ(getLE<float>(p + 20), e.yEnd);
        EXPECT_EQ(getLE<std::int16_t>(p + 26), e.firstElement);
        EXPECT_EQ(getLE<std::int16_t>(p + 28), e.secondElement);
        EXPECT_EQ(getLE<std::int16_t>(p + 32), e.firstEdge);
        EXPECT_EQ(getLE<std::int16_t>(p + 34), e.secondEdge);
        EXPECT_EQ(getLE<std::int16_t>(p + 38), e.startNode);
        EXPECT_EQ(getLE<std::int16_t>(p + 40), e.endNode);
        for (int unused : {0, 1, 2, 3, 12, 13, 14, 15, 24, 25, 30, 31, 36, 37, 42, 43})
            EXPECT_EQ(p[unused], 0) << unused;
        for (int k = 0; k < 12; ++k)
            EXPECT_EQ(getLE<double>(loads.data() + 96 * i + 8 * k), model->innerEdgeRows[i].load[k]);
        for (int k = 0; k < 19; ++k)
            EXPECT_EQ(getLE<double>(values.data() + 152 * i + 8 * k), model->innerEdgeRows[i].values[k]);
    }
    // The first inner edge: element 1's right edge, shared with element 2's left edge.
    const std::uint8_t* p = edges.data();
    EXPECT_EQ(getLE<float>(p + 4), 2.0f);
    EXPECT_EQ(getLE<float>(p + 8), 2.0f);
    EXPECT_EQ(getLE<float>(p + 16), 0.0f);
    EXPECT_EQ(getLE<float>(p + 20), 3.0f);
    EXPECT_EQ(getLE<std::int16_t>(p + 26), 1);
    EXPECT_EQ(getLE<std::int16_t>(p + 28), 2);
    EXPECT_EQ(getLE<std::int16_t>(p + 32), 2);
    EXPECT_EQ(getLE<std::int16_t>(p + 34), 4);
    EXPECT_EQ(getLE<std::int16_t>(p + 38), 2);
    EXPECT_EQ(getLE<std::int16_t>(p + 40), 5);
    const auto outer = slab::decodeResultRows<slab::EdgeLayout, slab::MeshEdge>(file("Aussenkanten1"));
    ASSERT_EQ(outer.size(), 8u);
    EXPECT_EQ(outer[0].secondElement, 0);
    EXPECT_EQ(outer[0].secondEdge, 0);
}

TEST_F(SmallRun, KnotenFileKeepsTheEditorsSpelling) {
    ASSERT_TRUE(run());
    int copies = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        std::string name = entry.path().filename().string();
        if (name.size() == 10 && (name == "KNOTEN2LF2" || name == "Knoten2LF2")) ++copies;
    }
    EXPECT_EQ(copies, 1);
}

TEST_F(SmallRun, ReportThatCannotBeCreatedIsSkippedWithAStatus) {
    std::filesystem::create_directory(dir.path() / "OUTPUTFEM.txt");
    ASSERT_TRUE(run());
    const std::string skipped =
        "Die Datei OUTPUTFEM.txt konnte nicht geschrieben werden und wurde übersprungen.";
    EXPECT_NE(std::find(ui.statuses.begin(), ui.statuses.end(), skipped), ui.statuses.end());
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "OUTPUTFEM.txt"));
    EXPECT_EQ(file("Elemente4LF2").size(), 4u * 1384);
    EXPECT_EQ(form.status, "Berechnung wurde erfolgreich beendet.");
}

TEST_F(SmallRun, BinaryFileThatCannotBeCreatedIsSkippedAndTheOthersWritten) {
    std::filesystem::create_directory(dir.path() / "INFO");
    ASSERT_TRUE(run());
    const std::string skipped = "Die Datei Info konnte nicht geschrieben werden und wurde übersprungen.";
    EXPECT_NE(std::find(ui.statuses.begin(), ui.statuses.end(), skipped), ui.statuses.end());
    EXPECT_EQ(file("Innenkanten1").size(), 4u * 44);
    EXPECT_EQ(file("Elemente4LF2").size(), 4u * 1384);
    EXPECT_TRUE(slab::readFileText(dir.str() + "OUTPUTFEM.txt"));
}

TEST_F(SmallRun, FailedRunWritesNothing) {
    std::filesystem::remove(dir.path() / "ELEMENTE2LF2");
    EXPECT_FALSE(run());
    EXPECT_FALSE(slab::fileExists(dir.str() + "OUTPUTFEM.txt"));
    EXPECT_FALSE(slab::fileExists(dir.str() + "Info"));
}

TEST_F(SmallRun, SecondRunOfASmallerSlabReplacesEveryTable) {
    ASSERT_TRUE(run());
    testsupport::TempDir other;
    auto one = resultfixtures::mesh(1, 1, 2.0, 3.0);
    for (int j = 1; j <= 4; ++j) one->nodes[j].code = {1, 1, 1, 1};
    one->elementLoads[1].v[slab::ElementLoadRecord::kAreaLoad] = 1.0f;
    ASSERT_TRUE(slab::writeModelFiles(*one, other.str(), 2));
    form.positionDirectory = other.str();
    ASSERT_TRUE(run());
    EXPECT_EQ(model->elementResults.size(), 2u);
    EXPECT_TRUE(model->innerEdges.empty());
    EXPECT_EQ(model->outerEdges.size(), 4u);
    const auto info = slab::readFileBytes(other.str() + "Info").value_or(std::vector<std::uint8_t>{});
    ASSERT_EQ(info.size(), 120056u);
    EXPECT_EQ(getLE<std::int32_t>(info.data() + 16 + 4 * (5 * 5 + 1)), 0); // no node 5 here
    EXPECT_EQ(slab::readFileBytes(other.str() + "Innenkanten1").value_or(std::vector<std::uint8_t>{1}).size(), 0u);
}

} // namespace
