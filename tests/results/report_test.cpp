// The report's blocks, texts and number formats, and its verdict.
#include "results_fixtures.hpp"
#include "solver/ph_load_case.hpp"
#include "solver/report.hpp"
#include "tests/support/test_support.hpp"

#include <filesystem>
#include <fstream>

namespace {

using namespace resultfixtures;

// Two elements of 2 m x 3 m with every value the report prints set by hand.
std::unique_ptr<slab::SolverModel> reportModel() {
    auto m = mesh(2, 1, 2.0, 3.0);
    m->bedding[2].v[0] = 2500.0f;
    m->nodes[1].code = {1, 1, 1, 0};
    m->nodes[6].code = {1, 0, 7, 0};
    for (int j = 1; j <= 6; ++j) m->displacement[j] = {0.001 * j, -0.0001 * j, 0.00002 * j, 0};
    m->nodalLoads[1].v[slab::NodalLoadRecord::kReaction] = -50.1234567;
    m->nodalLoads[1].v[slab::NodalLoadRecord::kReaction + 2] = -2.25;
    m->springs[2].v[slab::SpringRecord::kForce] = 3.25f;
    m->elementResults.assign(3, {});
    m->nodeResults.assign(7, {});
    m->elementPh.assign(3, {});
    m->cornerForce.assign(7, 0.0);
    for (int i = 0; i < 9; ++i) {
        m->elementResults[1][i] = i + 0.5;
        m->elementResults[2][i] = -i;
    }
    for (int j = 1; j <= 6; ++j) {
        for (int i = 5; i <= 13; ++i) m->nodeResults[j][i] = 10 * j + (i - 5);
        m->cornerForce[j] = 0.25 * j;
    }
    m->elementPh[1].t[slab::kPhAreaLoad] = 12.5;
    m->elementPh[2].t[slab::kPhAreaLoad] = -3.25;
    m->innerEdges.resize(1);
    m->innerEdgeRows.resize(1);
    m->innerEdgeRows[0].load[9] = 5.5;
    m->totalLoad = 100;
    m->equivalentSum = 100.4;
    m->supportSum = -99.5;
    m->phSums = {2, -3, 4, 5, -6, 7, 8, 9, -10, -0.25};
    return m;
}

const char* const kExpected =
    "\n\n\n--- Grundinformation ---\n\n"
    "Anzahl der Knoten:\t\t6\n"
    "Anzahl der Elemente:\t\t2\n"
    "Berechneter Lastfall (Nr.):\t3\n"
    "\n\n\n--- Globale Lastkontrolle ---\n\n"
    "Summe der Vertikalkräfte (LF p):\t100.00\n"
    "Summe der äquiv. Knotenkräfte (FEM):\t100.40\n"
    "Summe der äquiv. Lagerkräfte (FEM):\t-99.50\n"
    "Gleichgewicht des Lastfalls ph (=0!):\t-0.25\n"
    "\n\n  ''Das globale Gleichgewicht ist erfüllt!'' \n"
    "\n\n\n--- Knotenkoordinaten und Randbedingungen---\n\n"
    "Nr.\t x\t y\t w\t w,x\t w,y\t w,xy\n\n "
    "1\t0.00\t0.00\t1\t1\t1\t0\t\n"
    "2\t2.00\t0.00\t0\t0\t0\t0\t\n"
    "3\t4.00\t0.00\t0\t0\t0\t0\t\n"
    "4\t0.00\t3.00\t0\t0\t0\t0\t\n"
    "5\t2.00\t3.00\t0\t0\t0\t0\t\n"
    "6\t4.00\t3.00\t1\t0\t7\t0\t\n"
    "\n\n\n--- Elementkoinzidenzen ---\n\n"
    "1\t1\t2\t5\t4\t\n"
    "2\t2\t3\t6\t5\t\n"
    "\n\n\n--- Elementdaten ---\n\n"
    "Nr.\t E-Modul\t Dicke\t nue\t Bettung\n\n"
    "1\t30000.0\t0.25\t0.20\t0.0\t\n"
    "2\t30000.0\t0.25\t0.20\t2500.0\t\n"
    "\n\n\n--- Unterzüge ---\n\n"
    "Nr.\t Anfang\t Ende\t Breite\t Höhe(inkl. Platte)\n\n"
    "\n\n\n--- Knotenverformungen ---\n\n"
    "Nr.\t w\t w,x\t w,y\t w,xy\n\n"
    "1\t0.00100000\t-0.00010000\t0.00002000\t0.00000000\t\n"
    "2\t0.00200000\t-0.00020000\t0.00004000\t0.00000000\t\n"
    "3\t0.00300000\t-0.00030000\t0.00006000\t0.00000000\t\n"
    "4\t0.00400000\t-0.00040000\t0.00008000\t0.00000000\t\n"
    "5\t0.00500000\t-0.00050000\t0.00010000\t0.00000000\t\n"
    "6\t0.00600000\t-0.00060000\t0.00012000\t0.00000000\t\n"
    "\n\n\n--- Lagerreaktionen (Kräfte und Momente) ---\n\n"
    "Nr.\t F\t Mxx\t Myy\t Mxy\n\n"
    "1\t-50.123457\t0.000000\t-2.250000\t0.000000\t\n"
    "2\t0.000000\t0.000000\t0.000000\t0.000000\t\n"
    "3\t0.000000\t0.000000\t0.000000\t0.000000\t\n"
    "4\t0.000000\t0.000000\t0.000000\t0.000000\t\n"
    "5\t0.000000\t0.000000\t0.000000\t0.000000\t\n"
    "6\t0.000000\t0.000000\t0.000000\t0.000000\t\n"
    "\n\n\n--- Federkräfte (Kräfte und Momente) ---\n\n"
    "Nr.\t F\t Mxx\t Myy\t Mxy\n\n"
    "1\t0.00\t0.00\t0.00\t0.00\t\n"
    "2\t3.25\t0.00\t0.00\t0.00\t\n"
    "3\t0.00\t0.00\t0.00\t0.00\t\n"
    "4\t0.00\t0.00\t0.00\t0.00\t\n"
    "5\t0.00\t0.00\t0.00\t0.00\t\n"
    "6\t0.00\t0.00\t0.00\t0.00\t\n"
    "\n\n\n--- Schnittgrößen in den Elementmittelpunkten ---\n\n"
    "Nr.\t Mxx\t  Myy\t  Mxy\t  M1\t  M2\t phi\t Qx\t  Qy\t  Q1\t\n\n"
    "1\t0.50\t1.50\t2.50\t3.50\t4.50\t5.50\t6.50\t7.50\t8.50\t\n"
    "2\t0.00\t-1.00\t-2.00\t-3.00\t-4.00\t-5.00\t-6.00\t-7.00\t-8.00\t\n"
    "\n\n\n--- Gemittelte Knotenschnittgrößen ---\n\n"
    "Nr.\t Mxx\t  Myy\t  Mxy\t  M1\t  M2\t phi\t Qx\t  Qy\t  Q1\t\n\n"
    "1\t10.00\t11.00\t12.00\t13.00\t14.00\t15.00\t16.00\t17.00\t18.00\t\n"
    "2\t20.00\t21.00\t22.00\t23.00\t24.00\t25.00\t26.00\t27.00\t28.00\t\n"
    "3\t30.00\t31.00\t32.00\t33.00\t34.00\t35.00\t36.00\t37.00\t38.00\t\n"
    "4\t40.00\t41.00\t42.00\t43.00\t44.00\t45.00\t46.00\t47.00\t48.00\t\n"
    "5\t50.00\t51.00\t52.00\t53.00\t54.00\t55.00\t56.00\t57.00\t58.00\t\n"
    "6\t60.00\t61.00\t62.00\t63.00\t64.00\t65.00\t66.00\t67.00\t68.00\t\n"
    "\n\n\n--- Lastfall ph: Lastinhalt der Gebietslast ---\n\n"
    "1\t12.50\t\n"
    "2\t-3.25\t\n"
    "\n\n\n--- Lastfall ph: Eckkräfte F ---\n\n"
    "1\t0.2500000000\t\n"
    "2\t0.5000000000\t\n"
    "3\t0.7500000000\t\n"
    "4\t1.0000000000\t\n"
    "5\t1.2500000000\t\n"
    "6\t1.5000000000\t\n"
    "\n\n\n--- Kantenwerte, Lastfall p ---\n\n"
    "1\t5.50\t\n"
    "\n\n\n--- Globale Kontrolle für den Lastfall ph: ---\n\n"
    "Summe der Elementlasten (LF ph):\t\t\t4.00\n"
    "Summe der freien Eckkräfte (LF ph):\t\t\t2.00\n"
    "Summe der gesperrten Eckkräfte (LF ph):\t\t\t-3.00\n"
    "Summe der freien Aussenkantenlasten (LF ph):\t\t5.00\n"
    "Summe der gesperrten Aussenkantenlasten (LF ph):\t-6.00\n"
    "Summe der freien Innenkantenlasten (LF ph):\t\t7.00\n"
    "Summe der gesperrten Innenkantenlasten (LF ph):\t\t8.00\n"
    "Summe aller freien Vertikalkräfte (LF ph):\t\t9.00\n"
    "Summe aller gesperrten Vertikalkräfte (LF ph):\t\t-10.00\n"
    "Summe aller Vertikalkräfte (LF ph):\t\t\t-0.25\n"
    "Lastratio (ph zu p):\t\t\t\t\t9.00\n";

TEST(Report, EveryBlockWithItsTextsAndFormats) {
    auto m = reportModel();
    const std::string report = slab::formatReport(*m, 3);
    if (report != kExpected) {
        // Left beside the build for inspection.
        std::ofstream("report_actual.txt", std::ios::binary) << report;
    }
    EXPECT_EQ(report, kExpected);
}

TEST(Report, WrittenAsOneFileWithNewlines) {
    auto m = reportModel();
    testsupport::TempDir dir;
    ASSERT_TRUE(slab::writeReport(*m, dir.str(), 3));
    EXPECT_EQ(slab::readFileText(dir.str() + "OUTPUTFEM.txt").value_or(""), kExpected);
}

TEST(Report, CannotBeCreatedInAMissingDirectory) {
    auto m = reportModel();
    testsupport::TempDir dir;
    EXPECT_FALSE(slab::writeReport(*m, dir.str() + "fehlt/", 3));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "fehlt"));
}

TEST(Verdict, EachDifferenceMustStayBelowOnePercentOfP) {
    auto m = reportModel();
    EXPECT_TRUE(slab::globalEquilibrium(*m));
    m->equivalentSum = 101; // exactly 1 %: not below
    EXPECT_FALSE(slab::globalEquilibrium(*m));
    m->equivalentSum = 100;
    m->supportSum = -98.9;
    EXPECT_FALSE(slab::globalEquilibrium(*m));
    m->supportSum = -100;
    m->phSums.all = -1.5;
    EXPECT_FALSE(slab::globalEquilibrium(*m));
    EXPECT_NE(slab::formatReport(*m, 3).find("\n\n  ''Das globale Gleichgewicht ist NICHT erfüllt!'' \n"),
              std::string::npos);
    m->phSums.all = 0;
    EXPECT_TRUE(slab::globalEquilibrium(*m));
    m->totalLoad = -100; // uplift: the limit is |0.01 P|
    m->equivalentSum = -100;
    m->supportSum = 100;
    EXPECT_TRUE(slab::globalEquilibrium(*m));
}

TEST(Verdict, WithoutLoadNeverBalanced) {
    auto m = reportModel();
    m->totalLoad = m->equivalentSum = m->supportSum = 0;
    m->phSums.all = 0;
    EXPECT_FALSE(slab::globalEquilibrium(*m));
    // The ratio of ph to p has no value without p: no inf or nan in the report.
    const std::string report = slab::formatReport(*m, 3);
    EXPECT_NE(report.find("Lastratio (ph zu p):\t\t\t\t\t-\n"), std::string::npos);
    for (const char* word : {"\tinf", "\t-inf", "\tnan", "\t-nan"})
        EXPECT_EQ(report.find(word), std::string::npos) << word;
}

} // namespace
