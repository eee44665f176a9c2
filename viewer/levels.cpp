// Round band boundaries and their texts.
#include "viewer/levels.hpp"

#include "common/format.hpp"

#include <algorithm>
#include <cmath>

namespace viewer {

namespace {

/// A range narrower than this share of its magnitude counts as a constant field.
constexpr double kFlatShare = 1e-12;
/// Thresholds closer than this share of the step to an end would make a band no one can see.
constexpr double kEndShare = 1e-6;

} // namespace

int Levels::bandOf(double v) const {
    return static_cast<int>(std::upper_bound(thresholds.begin(), thresholds.end(), v) -
                            thresholds.begin());
}

Levels levelsFor(double min, double max, int target) {
    Levels l;
    l.min = std::min(min, max);
    l.max = std::max(min, max);
    const double range = l.max - l.min;
    const double size = std::max(std::fabs(l.min), std::fabs(l.max));
    target = std::clamp(target, 2, kMaxBands);
    if (!(range > kFlatShare * size) || !std::isfinite(range)) return l;
    const double raw = range / target;
    // Below the normal numbers the step rounds to zero and the bands cannot be counted.
    if (!std::isnormal(raw)) return l;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        l.step = factor * power;
        if (l.step >= raw * (1 - 1e-12)) break;
    }
    const double first = std::ceil(l.min / l.step), last = std::floor(l.max / l.step);
    for (double k = first; k <= last; ++k) {
        // k * step keeps zero exactly zero, so signed fields get their zero line.
        const double t = k * l.step;
        if (t - l.min > kEndShare * l.step && l.max - t > kEndShare * l.step)
            l.thresholds.push_back(t);
    }
    return l;
}

std::string levelText(const Levels& levels, double value) {
    if (levels.step <= 0) return extremeText(value);
    // 2.5 times a power of ten needs one decimal more than its power.
    const double mantissa = levels.step / std::pow(10.0, std::floor(std::log10(levels.step)));
    int decimals = static_cast<int>(-std::floor(std::log10(levels.step)));
    if (std::fabs(mantissa - 2.5) < 1e-9) ++decimals;
    decimals = std::clamp(decimals, 0, 12);
    // Round-off must not print a minus before zero.
    if (std::fabs(value) < levels.step * 1e-9) value = 0.0;
    return slab::withDecimalComma(slab::format("%.*f", decimals, value));
}

std::string extremeText(double value) {
    return slab::withDecimalComma(slab::format("%.6g", value));
}

} // namespace viewer
