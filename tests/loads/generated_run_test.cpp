// The suite's programs run as a new user runs them: a slab made by the geometry editor, loads
// typed into the load editor and imported from an independently written archive, computed by
// the solver. The report's load sum is the sum of the loads entered, and the deflections
// agree with those of the same loads entered as element and nodal loads.
#include "common/binary_io.hpp"
#include "common/codepage.hpp"
#include "common/file_io.hpp"
#include "common/format.hpp"
#include "loads/slab_model.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace {

/// The folder of the built programs (SLAB_BIN) when all three are there; "" otherwise.
std::string builtPrograms() {
    const char* bin = std::getenv("SLAB_BIN");
    if (!bin) return {};
    for (const char* program : {"morvel", "daskel", "vintor"})
        if (!std::filesystem::exists(std::string(bin) + "/" + program)) return {};
    return bin;
}

/// Runs a program of the suite on position P1 with the script on its input, on the console;
/// returns what it printed.
std::string run(const std::string& bin, const std::string& program, const std::string& work,
                const std::string& data, const std::string& script) {
    EXPECT_TRUE(slab::writeFileAtomic(work + "script", script));
    const std::string cmd = "cd '" + work + "' && SLAB_OBERFLAECHE=konsole '" + bin + "/" +
                            program + "' .P1 @" + data + " < script > out.txt 2>&1";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << program;
    return slab::readFileText(work + "out.txt").value_or("");
}

/// The deflections w of a result file Knoten3LF<n>: 14 float64 per node, w at index 1.
std::vector<double> deflections(const std::string& dir, int loadCase) {
    const auto bytes = slab::readFileBytes(dir + "Knoten3LF" + std::to_string(loadCase));
    std::vector<double> w;
    if (!bytes) return w;
    for (std::size_t at = 0; at + 112 <= bytes->size(); at += 112)
        w.push_back(slab::getLE<double>(bytes->data() + at + 8));
    return w;
}

/// Element lengths that single precision rounds, as the solver's element does.
constexpr double kDx = 0.7, kDy = 0.9;

/// The geometry editor keeps coordinates in single precision.
bool at(double coordinate, double expected) {
    return std::fabs(coordinate - expected) < 1e-6;
}

/// The number of the element whose corner 1 lies at grid point (i, j).
int elementAt(const daskel::SlabModel& m, int i, int j) {
    for (int e = 1; e <= m.elementCount; ++e) {
        const auto& c = m.nodes[m.elements[e].node[0]];
        if (at(c.x, i * kDx) && at(c.y, j * kDy)) return e;
    }
    return 0;
}

int nodeAt(const daskel::SlabModel& m, int i, int j) {
    for (int n = 1; n <= m.nodeCount; ++n)
        if (at(m.nodes[n].x, i * kDx) && at(m.nodes[n].y, j * kDy)) return n;
    return 0;
}

/// Load case 3 of an archive written by another program: the loads of load case 1.
const char* const kArchive =
    "LASTFÄLLE\nLF 3\n1 1 1 1\nTITEL\nAus dem Archiv\nTEILFLÄCHENLASTEN\n1\n   4.000\n4\n"
    "   1.400    0.900    4.200    0.900    4.000    4.000\n"
    "   4.200    0.900    4.200    3.600    4.000    4.000\n"
    "   4.200    3.600    1.400    3.600    4.000    4.000\n"
    "   1.400    3.600    1.400    0.900    4.000    4.000\n"
    "LINIENLASTEN\n1 Wand\n   0.700    4.500    4.900    4.500    3.000    3.000 Kraefte\n"
    "PUNKTLASTEN\n1 Stütze\nEinzelkraft     2.800    2.700    0.000    0.000    0.000   20.000\n"
    "RANDLASTEN\n1 Brüstung\n   5.600    0.000    5.600    5.400 V     2.000    2.000 1 2\n";

} // namespace

TEST(GeneratedLoadsRun, TheSolverComputesWhatWasEntered) {
    const std::string bin = builtPrograms();
    if (bin.empty()) GTEST_SKIP() << "the programs are not built beside the tests";
    testsupport::TempDir work, data;
    const std::string dir = data.str() + "SDIRFEMP1/";
    std::filesystem::create_directories(dir);
    run(bin, "morvel", work.str(), data.str(),
        "geometrie nx=8 ny=6 dx=0,7 dy=0,9 e=30000000 nu=0,2 d=0,2\nlager art=gelenkig\nrand\n"
        "ende\nspeichern\nbeenden\n");
    std::vector<std::string> problems;
    const daskel::SlabModel m = daskel::readSlabModel(dir, problems);
    ASSERT_EQ(m.elementCount, 48) << (problems.empty() ? "" : problems.front());

    // Load case 1 typed in, on the 5.6 m x 5.4 m slab: 4 kN/m² on x 1.4 to 4.2, y 0.9 to 3.6
    // (30.24 kN), 3 kN/m along y = 4.5 from x = 0.7 to 4.9 (12.6 kN), 20 kN at (2.8, 2.7),
    // 2 kN/m on the right edge (10.8 kN): 73.64 kN. Load case 2 the same as element, edge and
    // nodal loads; load case 3 from the archive.
    ASSERT_TRUE(slab::writeFileAtomic(dir + "ACADLAST.P1", slab::utf8ToCp850(kArchive)));
    std::string script = "j\nneu\n"
                         "flaechenlast 1,4 0,9 4 4,2 0,9 4 4,2 3,6 4 1,4 3,6 4\n"
                         "linienlast 0,7 4,5 4,9 4,5 anfang=3 ende=3\n"
                         "punktlast 2,8 2,7 groesse=20\n"
                         "randlast 1 2 a=2 b=2\n"
                         "speichern nr=1 titel=Eingetippt\nneu\n";
    for (int i = 2; i < 6; ++i)
        for (int j = 1; j < 4; ++j)
            script += slab::format("elementlast %i 4\n", elementAt(m, i, j));
    for (int i = 1; i < 7; ++i)
        script += slab::format("kantenlast %i 3 3\n", elementAt(m, i, 4));
    for (int j = 0; j < 6; ++j)
        script += slab::format("kantenlast %i 2 2\n", elementAt(m, 7, j));
    script += slab::format("knotenlast %i p=20\n", nodeAt(m, 4, 3));
    script += "speichern nr=2 titel=Element- und Knotenlasten\nbeenden\n";
    const std::string editor = run(bin, "daskel", work.str(), data.str(), script);
    EXPECT_NE(editor.find("LF 1 gespeichert."), std::string::npos) << editor;
    EXPECT_NE(editor.find("LF 2 gespeichert."), std::string::npos) << editor;

    std::vector<std::vector<double>> w;
    for (int n = 1; n <= 3; ++n) {
        run(bin, "vintor", work.str(), data.str(), slab::format("lf %i\nstart\nende\n", n));
        const std::string report = slab::readFileText(dir + "OUTPUTFEM.txt").value_or("");
        EXPECT_NE(report.find("Summe der Vertikalkräfte (LF p):\t73.64\n"), std::string::npos)
            << "LF " << n;
        EXPECT_NE(report.find("Das globale Gleichgewicht ist erfüllt!"), std::string::npos);
        w.push_back(deflections(dir, n));
        ASSERT_EQ(w.back().size(), 63u) << "LF " << n;
    }
    // The solver reads nodal loads and element loads in single precision, the generated loads
    // rounded after summing, the element loads before: each load within 6e-8 of itself. The
    // deflections then agree within 1e-6 of the largest (observed 3e-8).
    double largest = 0;
    for (double v : w[1])
        largest = std::max(largest, std::fabs(v));
    ASSERT_GT(largest, 0);
    for (std::size_t j = 0; j < w[0].size(); ++j) {
        EXPECT_TRUE(testsupport::near(w[0][j], w[1][j], 0, 1e-6 * largest)) << "node " << j + 1;
        EXPECT_EQ(w[2][j], w[0][j]) << "node " << j + 1; // the same loads, the same files
    }
}
