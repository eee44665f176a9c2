// Checking and preparing a load case on save: the checks with their messages, self weight per
// domain, the area loads' edge data, load plane, centroid and resultant, the openings inside
// areas, line-load subdivisions, the point counts and the domain and opening macros.
#pragma once

#include "loads/load_case.hpp"
#include "loads/outline/polygon.hpp"
#include "loads/outline/slab_outline.hpp"

#include <optional>
#include <string>
#include <vector>

namespace daskel {

/// A message of the checks: its title and text. The checks never stop a save.
struct Notice {
    std::string title;
    std::string text;
};

/// What the save writes besides the load case itself.
struct PreparedMacros {
    std::vector<Notice> notices;
    /// MACRO and SBD in their order: the domain macros (curve order), then the opening macros
    /// (area order, then list order).
    std::vector<AreaLoad> macros;
    bool writeDomains = false; ///< the self-weight flag is set: DOMAINS is written
};

/// Edges of ceil(0.6·L/h) subdivisions: the boundary points of macros and lines are spaced a
/// little wider than the slab's own boundary segments.
inline constexpr double kSubdivisionFactor = 0.6;

/// ceil(0.6·L/h); a whole number up to round-off is not raised. 1 when h is not positive
/// (a slab without outline).
int subdivisionsOf(double length, double h);

/// Checks and prepares load case n in place (Part of every save): closes each area polygon and
/// takes the next corner's position and value from the following corner, computes edge data,
/// load planes, centroids, resultants, openings inside areas, line subdivisions and the point
/// counts, sets the uniform value from the domains under self weight and clears the direction
/// of point forces. Returns the check messages and the macros to write.
PreparedMacros prepareLoadCase(LoadCase& lc, const SlabOutline& outline, int n);

/// The load plane of an area load.
LoadPlane planeOf(const AreaLoad& area);
/// The corners of an area load as a polygon.
Polygon polygonOf(const AreaLoad& area);
/// The plane through the corner values by least squares; nullopt when the corners lie on one
/// line (|det| ≤ kZeroTolerance).
std::optional<LoadPlane> fittedPlane(const AreaLoad& area);

/// The value of a line load at its subdivision point j (1 to n + 1) after preparation.
double lineValueAt(const LineLoad& load, int j);

} // namespace daskel
