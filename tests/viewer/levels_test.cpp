// Round levels of the colour scale and their texts.
#include "viewer/levels.hpp"

#include <limits>

#include <gtest/gtest.h>

namespace {

TEST(Levels, RoundStepsBetweenTheExtremes) {
    const auto l = viewer::levelsFor(0, 10);
    EXPECT_EQ(l.step, 1.0);
    EXPECT_EQ(l.thresholds, (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(l.bandCount(), 10);

    // A signed field gets its zero line.
    const auto s = viewer::levelsFor(-3.7, 12.2);
    EXPECT_EQ(s.step, 2.0);
    EXPECT_EQ(s.thresholds, (std::vector<double>{-2, 0, 2, 4, 6, 8, 10, 12}));

    EXPECT_DOUBLE_EQ(viewer::levelsFor(0, 0.0023).step, 0.00025);
    EXPECT_EQ(viewer::levelsFor(-47, -3).step, 5.0);
    // The ends never become thresholds.
    EXPECT_EQ(viewer::levelsFor(0, 5, 5).thresholds, (std::vector<double>{1, 2, 3, 4}));
}

TEST(Levels, AConstantFieldHasOneBand) {
    for (auto [low, high] : {std::pair{0.0, 0.0}, {2.5, 2.5}, {1.0, 1.0 + 1e-14}}) {
        const auto l = viewer::levelsFor(low, high);
        EXPECT_TRUE(l.thresholds.empty());
        EXPECT_EQ(l.bandCount(), 1);
        EXPECT_EQ(l.bandOf(low), 0);
    }
    EXPECT_EQ(viewer::levelsFor(5, 1).min, 1.0);
}

// Found by fuzzing: a field of subnormal values (±4.9e-324) had a step of zero, and the band
// loop never ended. Such a field is drawn as constant; a tiny normal field still gets bands.
TEST(Levels, SubnormalFieldsAreConstant) {
    const double least = std::numeric_limits<double>::denorm_min();
    for (auto [low, high] : {std::pair{-least, least}, {-1e-310, 1e-310}}) {
        const auto l = viewer::levelsFor(low, high);
        EXPECT_TRUE(l.thresholds.empty());
        EXPECT_EQ(l.step, 0.0);
    }
    const auto tiny = viewer::levelsFor(-1e-300, 1e-300, 4);
    EXPECT_EQ(tiny.step, 5e-301);
    EXPECT_EQ(tiny.thresholds, (std::vector<double>{-5e-301, 0.0, 5e-301}));
}

TEST(Levels, BandOfAValue) {
    const auto l = viewer::levelsFor(0, 10, 5);
    EXPECT_EQ(l.bandOf(0), 0);
    EXPECT_EQ(l.bandOf(1.999), 0);
    EXPECT_EQ(l.bandOf(2), 1); // a value on a threshold belongs to the band above
    EXPECT_EQ(l.bandOf(10), 4);
    EXPECT_EQ(l.bandOf(-1), 0);
}

TEST(Levels, TextsWithTheDecimalComma) {
    EXPECT_EQ(viewer::levelText(viewer::levelsFor(0, 10), 3), "3");
    EXPECT_EQ(viewer::levelText(viewer::levelsFor(0, 0.0023), 0.0005), "0,00050");
    EXPECT_EQ(viewer::levelText(viewer::levelsFor(0, 1.3), 0.4), "0,4");
    EXPECT_EQ(viewer::levelText(viewer::levelsFor(-1.3, 1.3), -1e-17), "0,0");
    EXPECT_EQ(viewer::extremeText(-0.00123456789), "-0,00123457");
    EXPECT_EQ(viewer::extremeText(12.5), "12,5");
    EXPECT_EQ(viewer::extremeText(1234567.0), "1,23457e+06");
}

} // namespace
