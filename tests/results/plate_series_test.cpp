// Square slabs under uniform load against the classic series solutions, and their global
// equilibrium as a whole run shows it.
#include "solver/example_slab.hpp"
#include "solver/ph_load_case.hpp"
#include "solver/report.hpp"
#include "solver/solver_run.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include <cmath>
#include <memory>

namespace {

using testsupport::near;

constexpr double kPi = 3.141592653589793;
constexpr double kSide = 4.0, kLoad = 10.0, kNu = 0.3, kE = 30e6, kThickness = 0.2;
const double kD = kE * kThickness * kThickness * kThickness / (12 * (1 - kNu * kNu));

// Navier's double series for the simply supported square at its centre: w and mxx.
struct Centre {
    double w, mxx;
};
Centre navierCentre() {
    double w = 0, m = 0;
    for (int i = 1; i <= 801; i += 2) {
        for (int j = 1; j <= 801; j += 2) {
            const double sign = ((i + j) / 2 - 1) % 2 == 0 ? 1.0 : -1.0; // sin(i pi/2) sin(j pi/2)
            const double k = i * i + j * j;
            w += sign / (i * j * k * k);
            m += sign * (i * i + kNu * j * j) / (i * j * k * k);
        }
    }
    const double a2 = kSide * kSide;
    return {16 * kLoad * a2 * a2 / (std::pow(kPi, 6) * kD) * w, 16 * kLoad * a2 / std::pow(kPi, 4) * m};
}

// Clamped square, nu = 0.3, from the tabulated series solutions: at the centre
// w = 0.001265319 q a^4 / D and mxx = 0.022905 q a², at the middle of an edge m = -0.051329 q a².
constexpr double kClampedW = 0.001265319, kClampedM = 0.022905, kClampedEdgeM = -0.051329;

struct SquareRun {
    std::unique_ptr<slab::SolverModel> model = std::make_unique<slab::SolverModel>();
    ui::ScriptedUi ui;
    slab::CalculationForm form;
    bool ok = false;
    int centre = 0;
};

std::unique_ptr<SquareRun> runSquare(int n, bool clamped, const testsupport::TempDir& dir) {
    auto r = std::make_unique<SquareRun>();
    slab::ExampleSlab s;
    s.nx = s.ny = n;
    s.width = s.height = kSide;
    s.e = kE;
    s.nu = kNu;
    s.thickness = kThickness;
    s.areaLoad = kLoad;
    s.clamped = clamped;
    slab::buildExampleSlab(s, *r->model);
    EXPECT_TRUE(slab::writeModelFiles(*r->model, dir.str(), 1));
    r->form.positionDirectory = dir.str();
    r->form.loadCase = 1;
    r->ok = slab::runCalculation(r->form, *r->model, r->ui);
    r->centre = (n / 2) * (n + 1) + n / 2 + 1;
    return r;
}

TEST(NavierSeries, MatchesTheTabulatedCoefficients) {
    const auto c = navierCentre();
    const double a2 = kSide * kSide;
    EXPECT_TRUE(near(c.w / (kLoad * a2 * a2 / kD), 0.00406235, 1e-5));
    EXPECT_TRUE(near(c.mxx / (kLoad * a2), 0.0478864, 1e-5));
}

// The conforming element converges fast: deflection error about h^4, moments about h^2.
TEST(SimplySupportedSquare, ConvergesToNavier) {
    const auto exact = navierCentre();
    double previousW = 1, previousM = 1;
    for (int n : {4, 8, 16}) {
        testsupport::TempDir dir;
        auto r = runSquare(n, false, dir);
        ASSERT_TRUE(r->ok);
        const double errorW = std::fabs(r->model->displacement[r->centre][0] / exact.w - 1);
        const double errorM = std::fabs(r->model->nodeResults[r->centre][5] / exact.mxx - 1);
        EXPECT_LT(errorW, previousW / 8) << n;
        EXPECT_LT(errorM, previousM / 3) << n;
        previousW = errorW;
        previousM = errorM;
        // The centre moment of the four elements around the node, at the element centres,
        // also approaches it.
        EXPECT_TRUE(near(r->model->nodeResults[r->centre][6], r->model->nodeResults[r->centre][5], 1e-9));
    }
    EXPECT_LT(previousW, 1e-4);
    EXPECT_LT(previousM, 2e-3);
}

// Convergence is slower than for the simply supported slab on coarse meshes, and the ph load
// on the free part of the slab approaches the whole load as the mesh is refined.
TEST(ClampedSquare, ConvergesToTheTabulatedValues) {
    const double a2 = kSide * kSide;
    double previousW = 1, previousM = 1, previousShare = 0;
    for (int n : {4, 8, 16}) {
        testsupport::TempDir dir;
        auto r = runSquare(n, true, dir);
        ASSERT_TRUE(r->ok);
        const auto& m = *r->model;
        const double w = m.displacement[r->centre][0] / (kLoad * a2 * a2 / kD);
        const double errorW = std::fabs(w / kClampedW - 1);
        const double errorM = std::fabs(m.nodeResults[r->centre][5] / (kLoad * a2) / kClampedM - 1);
        EXPECT_LT(errorW, previousW / 4) << n;
        EXPECT_LT(errorM, previousM / 3) << n;
        const double share = m.phSums.allFree / m.totalLoad;
        EXPECT_GT(share, previousShare) << n;
        EXPECT_LT(share, 1.0) << n;
        previousW = errorW;
        previousM = errorM;
        previousShare = share;
        if (n == 16) {
            EXPECT_LT(errorW, 1e-5);
            EXPECT_LT(errorM, 6e-3);
            // myy at the node in the middle of the lower edge.
            EXPECT_TRUE(near(m.nodeResults[n / 2 + 1][6] / (kLoad * a2), kClampedEdgeM, 2e-2));
        }
    }
}

TEST(Equilibrium, ReactionsBalanceTheLoadAndTheReportSaysSo) {
    for (bool clamped : {false, true}) {
        testsupport::TempDir dir;
        auto r = runSquare(8, clamped, dir);
        ASSERT_TRUE(r->ok);
        const auto& m = *r->model;
        const double p = kLoad * kSide * kSide;
        EXPECT_TRUE(near(m.totalLoad, p));
        // The equivalent loads are kept in single precision; the reactions balance them to the
        // round-off of the solution.
        EXPECT_TRUE(near(m.equivalentSum, p, 1e-6));
        EXPECT_TRUE(near(m.supportSum, -m.equivalentSum, 1e-9));
        EXPECT_TRUE(near(m.supportSum, -p, 1e-6));

        // Load case ph: its total is the sum of the element totals, each zero up to the error
        // of the edge rule, and well inside the 1 % of the verdict.
        const auto& s = m.phSums;
        double totals = 0;
        for (int e = 1; e <= m.elementCount; ++e) totals += m.elementPh[e].t[slab::kPhElementTotal];
        EXPECT_TRUE(near(s.all, totals, 0, 1e-9 * p));
        EXPECT_LT(std::fabs(s.all), 1e-3 * p);
        EXPECT_EQ(s.all, s.allFree + s.allHeld);
        EXPECT_TRUE(slab::globalEquilibrium(m));
        const auto report = slab::readFileText(dir.str() + "OUTPUTFEM.txt");
        ASSERT_TRUE(report);
        EXPECT_NE(report->find("  ''Das globale Gleichgewicht ist erfüllt!'' \n"), std::string::npos);
        EXPECT_NE(report->find("Summe der Vertikalkräfte (LF p):\t160.00\n"), std::string::npos);
        EXPECT_NE(report->find("Summe der äquiv. Lagerkräfte (FEM):\t-160.00\n"), std::string::npos);
    }
}

} // namespace
