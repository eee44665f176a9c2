// The profile LDL^T solver: row starts, small systems by hand, failing pivots.
#include "solver/profile_solver.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include <cmath>
#include <limits>
#include <random>

using namespace slab;
using testsupport::near;

namespace {

std::vector<double> solveDense(const std::vector<double>& a, int n, std::vector<double> b,
                               ports::ProgressBar& bar) {
    ProfileMatrix p = profileFromDense(a, n);
    EXPECT_FALSE(factorize(p));
    return substitute(p, std::move(b), bar);
}

} // namespace

TEST(ProfileSolver, TwoByTwoByHand) {
    ui::ScriptedUi bar;
    auto u = solveDense({4, 2, 2, 3}, 2, {2, 1}, bar);
    EXPECT_TRUE(near(u[0], 0.5));
    EXPECT_TRUE(near(u[1], 0.0, 0, 1e-15));
    EXPECT_EQ(bar.rangeLow, 1);
    EXPECT_EQ(bar.rangeHigh, 2);
    EXPECT_EQ(bar.positions, (std::vector<int>{2}));
}

TEST(ProfileSolver, OneEquation) {
    ui::ScriptedUi bar;
    ProfileMatrix p = profileFromDense({8}, 1);
    EXPECT_EQ(p.values.size(), 1u);
    EXPECT_FALSE(factorize(p));
    EXPECT_EQ(substitute(p, {2}, bar)[0], 0.25);
    EXPECT_TRUE(bar.positions.empty());
}

TEST(ProfileSolver, RowStartsFollowTheThreshold) {
    // Row 2 holds only values below 1e-10 left of its diagonal; row 3 starts at its first
    // entry that is not below, even though a later one is small again.
    const double tiny = 0.9e-10, limit = static_cast<double>(1e-10f);
    const std::vector<double> a = {5,    tiny, 0,     limit,
                                   tiny, 5,    tiny,  0,
                                   0,    tiny, 5,     1,
                                   limit, 0,   1,     5};
    ProfileMatrix p = profileFromDense(a, 4);
    EXPECT_EQ(p.rowStart, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(p.values.size(), 1u + 1u + 1u + 4u);
    EXPECT_EQ(p.at(3, 0), limit);
    EXPECT_EQ(p.at(3, 1), 0.0); // stored though zero
    // Just below the single-precision threshold value counts as zero.
    ProfileMatrix q = profileFromDense({5, std::nextafter(limit, 0.0), std::nextafter(limit, 0.0), 5}, 2);
    EXPECT_EQ(q.rowStart, (std::vector<int>{0, 1}));
}

TEST(ProfileSolver, ZeroRowGetsItsDiagonalAndFails) {
    ProfileMatrix p = profileFromDense({2, 0, 0, 0}, 2);
    EXPECT_EQ(p.rowStart, (std::vector<int>{0, 1}));
    EXPECT_EQ(factorize(p), std::optional<int>(1));
}

TEST(ProfileSolver, PivotThatVanishesDuringFactorisationFails) {
    // [[1, 1], [1, 1]]: the second pivot becomes exactly 0.
    ProfileMatrix p = profileFromDense({1, 1, 1, 1}, 2);
    EXPECT_EQ(factorize(p), std::optional<int>(1));
    ProfileMatrix neg = profileFromDense({1, 2, 2, 1}, 2);
    EXPECT_EQ(factorize(neg), std::optional<int>(1));
}

TEST(ProfileSolver, NotANumberPivotFails) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ProfileMatrix p = profileFromDense({nan, 0, 0, 1}, 2);
    EXPECT_EQ(factorize(p), std::optional<int>(0));
    ProfileMatrix inf = profileFromDense({std::numeric_limits<double>::infinity()}, 1);
    EXPECT_EQ(factorize(inf), std::optional<int>(0));
}

TEST(ProfileSolver, BandedSystemAgainstItsProduct) {
    // A random symmetric diagonally dominant band matrix with a ragged profile; A x = b for a
    // chosen x must give x back to round-off.
    const int n = 60;
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> uni(-1, 1);
    std::vector<double> a(n * n, 0.0);
    for (int i = 0; i < n; ++i) {
        const int band = 1 + (i * 7) % 9;
        for (int j = std::max(0, i - band); j < i; ++j) a[i * n + j] = a[j * n + i] = uni(rng);
    }
    for (int i = 0; i < n; ++i) {
        double s = 0;
        for (int j = 0; j < n; ++j) s += std::fabs(a[i * n + j]);
        a[i * n + i] = s + 1;
    }
    std::vector<double> x(n), b(n, 0.0);
    for (int i = 0; i < n; ++i) x[i] = uni(rng);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) b[i] += a[i * n + j] * x[j];
    ui::ScriptedUi bar;
    const auto u = solveDense(a, n, b, bar);
    for (int i = 0; i < n; ++i) EXPECT_TRUE(near(u[i], x[i], 1e-12, 1e-13));
    // The bar runs 2, 3, ..., n over the back substitution.
    ASSERT_EQ(bar.positions.size(), static_cast<std::size_t>(n - 1));
    EXPECT_EQ(bar.positions.front(), 2);
    EXPECT_EQ(bar.positions.back(), n);
}

TEST(ProfileSolver, TrimmingAWiderEnvelopeGivesTheDenseProfile) {
    const std::vector<double> a = {4, 0, 1e-12, 0, 4, 0.5, 1e-12, 0.5, 4};
    ProfileMatrix wide = makeProfile({0, 0, 0});
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) wide.at(i, j) = a[i * 3 + j];
    trimProfile(wide);
    const ProfileMatrix dense = profileFromDense(a, 3);
    EXPECT_EQ(wide.rowStart, dense.rowStart);
    EXPECT_EQ(wide.diag, dense.diag);
    EXPECT_EQ(wide.values, dense.values);
    EXPECT_EQ(wide.rowStart, (std::vector<int>{0, 1, 1}));
}
