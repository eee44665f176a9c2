// The colour scale as eleven anchors with linear blending between them.
#include "scene/colour_scale.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace scene {

namespace {

// Evenly spaced anchors of a perceptually uniform violet-to-yellow scale.
constexpr std::array<Color, 11> kAnchors = {
    Color{68, 1, 84},    Color{72, 36, 117},  Color{65, 68, 135},  Color{53, 95, 141},
    Color{42, 120, 142}, Color{33, 145, 140}, Color{34, 168, 132}, Color{68, 191, 112},
    Color{122, 209, 81}, Color{189, 223, 38}, Color{253, 231, 37}};

/// Fills lighter than this take black text, darker ones white.
constexpr double kTextSwitch = 0.5;

std::uint8_t blend(std::uint8_t a, std::uint8_t b, double f) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * f));
}

} // namespace

Color scaleColour(double t) {
    if (!(t > 0)) return kAnchors.front();
    if (t >= 1) return kAnchors.back();
    const double at = t * (kAnchors.size() - 1);
    const auto i = static_cast<std::size_t>(at);
    const double f = at - static_cast<double>(i);
    const Color a = kAnchors[i], b = kAnchors[std::min(i + 1, kAnchors.size() - 1)];
    return {blend(a.r, b.r, f), blend(a.g, b.g, f), blend(a.b, b.b, f)};
}

Color bandColour(int band, int bandCount) {
    if (bandCount <= 1) return scaleColour(0.5);
    return scaleColour((band + 0.5) / bandCount);
}

double lightness(Color c) {
    // Rec. 709 luma of the gamma-encoded components: enough to pick a text colour.
    return (0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b) / 255.0;
}

Color textColourOn(Color fill) {
    return lightness(fill) > kTextSwitch ? kBlack : kWhite;
}

} // namespace scene
