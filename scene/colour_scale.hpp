// The colour scale of the result pictures: violet through blue, teal and green to yellow, its
// lightness rising all the way, so that it reads in grey print and without telling red from green.
#pragma once

#include "scene/scene.hpp"

namespace scene {

/// The colour at position t of the scale, 0 (lowest values) to 1 (highest); t is clamped.
Color scaleColour(double t);

/// The colour of band `band` (0 to bandCount - 1): the scale at the middle of the band.
Color bandColour(int band, int bandCount);

/// Relative lightness 0 (black) to 1 (white), for choosing a legible text colour on a fill.
double lightness(Color c);

/// Black or white, whichever reads better on the fill.
Color textColourOn(Color fill);

} // namespace scene
