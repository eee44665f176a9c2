// The deformed slab seen in perspective: the deflection, exaggerated to a readable size, as a
// surface of element patches coloured by w, drawn from the back to the front.
#pragma once

#include "scene/result_drawing.hpp"

#include <array>

namespace scene {

/// The camera of the view.
struct Camera {
    double azimuth = -35;  ///< turn about the vertical axis [degrees]; 0 looks along +y
    double elevation = 35; ///< height of the eye above the slab's plane [degrees]
    double distance = 2.4; ///< distance of the eye from the slab's centre, in slab diagonals
};

/// The largest deflection is drawn at no more than this share of the slab's diagonal.
inline constexpr double kDeflectionShare = 0.25;
/// The steepest slope is drawn at no more than this share of the slope of the line of sight,
/// so that the eye never looks at the underside of the slab.
inline constexpr double kSlopeShare = 0.8;

/// The exaggeration of the deflection: the largest round factor (1, 2 or 5 times a power of
/// ten) within both limits above, at least 1.
double exaggeration(double largestDeflection, double steepestSlope, double diagonal,
                    double elevation);

/// The light falls from the front left and above: the unit vector towards it.
inline constexpr std::array<double, 3> kLight = {-0.451, -0.551, 0.702};
/// A patch facing away from the light keeps this share of its colour, so that the scale stays
/// recognisable.
inline constexpr double kShadow = 0.72;

/// The colour of a patch of the surface z = lift w with the slopes w,x and w,y, lit by kLight:
/// from kShadow of the colour (facing away) to all of it (facing the light).
Color shaded(Color c, std::array<double, 2> slope, double lift);

/// The picture: plan (the projected surface, in the projection's units), legend (the colour
/// scale of w and the exaggeration) and title.
ResultDrawing deformedView(const viewer::ResultSet& r, const std::string& caption,
                           const Camera& camera = {}, int subdivisions = 0);

} // namespace scene
