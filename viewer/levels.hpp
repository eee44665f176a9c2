// The levels of a colour scale: band boundaries at round values between the field's minimum
// and maximum, and the texts of those values with the decimal comma.
#pragma once

#include <string>
#include <vector>

namespace viewer {

/// Bands a scale aims at; the round step makes it between about 5 and 12.
inline constexpr int kTargetBands = 10;
/// A scale never aims at more bands than this.
inline constexpr int kMaxBands = 100;

struct Levels {
    double min = 0, max = 0;
    double step = 0;                ///< the round distance of the thresholds; 0 for one band
    std::vector<double> thresholds; ///< ascending, strictly between min and max

    int bandCount() const { return static_cast<int>(thresholds.size()) + 1; }
    /// The band of a value: the number of thresholds at or below it (0 to bandCount() - 1).
    int bandOf(double v) const;
};

/// Thresholds at the multiples of a step of 1, 2, 2.5 or 5 times a power of ten that cut the
/// range into about `target` bands; a range without width (a constant field) has one band.
Levels levelsFor(double min, double max, int target = kTargetBands);

/// A threshold as the scale shows it: as many decimals as the step needs, decimal comma.
std::string levelText(const Levels& levels, double value);

/// An extreme value as the scale and the markers show it: "%.6g" with the decimal comma, the
/// same digits the console prints.
std::string extremeText(double value);

} // namespace viewer
