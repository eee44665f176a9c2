// Deflections and reactions of whole slabs against the classic series solutions.
#include "solver/assembly.hpp"
#include "solver/example_slab.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include <cmath>
#include <memory>
#include <numbers>

using namespace slab;
using testsupport::near;

namespace {

// Navier's double series for the simply supported a x b plate under the uniform load q.
double navierDeflection(double a, double b, double q, double d, double x, double y) {
    const double pi = std::numbers::pi;
    double w = 0;
    for (int m = 1; m < 400; m += 2)
        for (int n = 1; n < 400; n += 2) {
            const double k = m * m / (a * a) + n * n / (b * b);
            w += std::sin(m * pi * x / a) * std::sin(n * pi * y / b) / (m * n * k * k);
        }
    return 16 * q / (std::pow(pi, 6) * d) * w;
}

struct Solved {
    std::unique_ptr<SolverModel> model = std::make_unique<SolverModel>();
    double centre = 0;
};

Solved solve(ExampleSlab s) {
    Solved r;
    buildExampleSlab(s, *r.model);
    ui::ScriptedUi ui;
    EXPECT_TRUE(formAndSolve(*r.model, ui, ui));
    const int centreNode = (s.ny / 2) * (s.nx + 1) + s.nx / 2 + 1;
    r.centre = r.model->displacement[centreNode][0];
    return r;
}

} // namespace

TEST(PlateSolutions, SimplySupportedSquareConvergesToNavier) {
    ExampleSlab s;
    s.width = s.height = 6.0;
    const double d = flexuralRigidity(s.e, s.thickness, s.nu);
    const double exact = navierDeflection(6, 6, 10, d, 3, 3);
    // The tabulated coefficient: w = 0.00406 q a^4 / D.
    EXPECT_TRUE(near(exact, 0.00406235 * 10 * std::pow(6.0, 4) / d, 1e-5));
    double previous = 1;
    for (int n : {2, 4, 8, 16}) {
        s.nx = s.ny = n;
        const double error = std::fabs(solve(s).centre / exact - 1);
        EXPECT_LT(error, previous / 8) << n; // fourth order: each halving gains about 16
        previous = error;
    }
    EXPECT_LT(previous, 2e-5);
}

TEST(PlateSolutions, SimplySupportedRectangleAgreesWithNavierAcrossTheSlab) {
    ExampleSlab s; // 8 m x 6 m
    s.nx = 16;
    s.ny = 12;
    const double d = flexuralRigidity(s.e, s.thickness, s.nu);
    Solved r = solve(s);
    const double peak = navierDeflection(8, 6, 10, d, 4, 3);
    for (int j = 1; j <= r.model->nodeCount; ++j) {
        const auto& n = r.model->nodes[j];
        EXPECT_TRUE(near(r.model->displacement[j][0], navierDeflection(8, 6, 10, d, n.x, n.y), 0,
                         1e-4 * peak))
            << "node " << j;
    }
}

TEST(PlateSolutions, ClampedSquareAgainstTheTabulatedCoefficient) {
    // Centre deflection of the clamped square plate: 0.00126 q a^4 / D.
    ExampleSlab s;
    s.width = s.height = 5.0;
    s.clamped = true;
    const double d = flexuralRigidity(s.e, s.thickness, s.nu);
    const double exact = 0.00126532 * 10 * std::pow(5.0, 4) / d;
    double previous = 1;
    for (int n : {4, 8, 16}) {
        s.nx = s.ny = n;
        const double error = std::fabs(solve(s).centre / exact - 1);
        EXPECT_LT(error, previous) << n;
        previous = error;
    }
    EXPECT_LT(previous, 1e-3);
}

TEST(PlateSolutions, ReactionsBalanceTheLoad) {
    for (bool clamped : {false, true}) {
        ExampleSlab s;
        s.nx = 12;
        s.ny = 9;
        s.clamped = clamped;
        Solved r = solve(s);
        // Lengths and equivalent loads are kept in single precision.
        EXPECT_TRUE(near(r.model->totalLoad, 480.0, 1e-7));
        EXPECT_TRUE(near(r.model->equivalentSum, 480.0, 1e-7));
        EXPECT_TRUE(near(r.model->supportSum, -r.model->equivalentSum, 1e-9));
    }
}
