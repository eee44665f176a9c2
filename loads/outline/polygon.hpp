// Plane polygons as the load macros use them: signed area, centroid, the integral of a linear
// load plane, and whether a point lies inside.
#pragma once

#include <vector>

namespace daskel {

struct PlanePoint {
    double x = 0, y = 0;
};

/// A polygon by its corners; the edge from the last corner back to the first closes it.
using Polygon = std::vector<PlanePoint>;

/// The load plane p(x, y) = p0 + a·x + b·y [kN/m²].
struct LoadPlane {
    double p0 = 0, a = 0, b = 0;
    double at(double x, double y) const { return p0 + a * x + b * y; }
};

/// Below this a length, an area or a determinant counts as zero (lengths in metres).
inline constexpr double kZeroTolerance = 1e-6;

/// ½·Σ (xi·yi+1 − xi+1·yi): positive for a counter-clockwise polygon [m²].
double signedArea(const Polygon& poly);

/// The centroid; for a polygon without area (|A| ≤ kZeroTolerance) the mean of its corners.
PlanePoint centroid(const Polygon& poly);

/// The exact integral of the plane over the polygon, summed over the fan of triangles from
/// `centre` (signed like the area, so a clockwise opening gives a negative integral) [kN].
double planeIntegral(const Polygon& poly, const LoadPlane& plane, PlanePoint centre);

/// True when q lies inside the polygon or within `tolerance` of one of its edges.
bool insideOrOn(const Polygon& poly, PlanePoint q, double tolerance = kZeroTolerance);

/// True when q lies inside the polygon and farther than `tolerance` from its edges.
bool strictlyInside(const Polygon& poly, PlanePoint q, double tolerance = kZeroTolerance);

} // namespace daskel
