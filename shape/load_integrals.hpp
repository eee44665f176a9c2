// Work-equivalent loads on the plate rectangle's 16 element functions: a linear area load over a
// polygon inside the element, linear line loads of forces or moments along a segment, point
// forces and moments, and a constant curvature; each integral exact for its polynomial degree.
#pragma once

#include "shape/rectangle.hpp"

#include <array>
#include <vector>

namespace shape {

/// The work of a load on each element function, in the DOF order of rectangle.hpp: on a w
/// function in kN, on a slope function in kNm, on the twist function in kNm².
using ElementLoads = std::array<double, kDofCount>;

/// A point in the element's local coordinates [m]; inside the element 0 ≤ x ≤ lx, 0 ≤ y ≤ ly.
struct LocalPoint {
    double x = 0, y = 0;
};

/// A linear area load p(x, y) = p0 + px·x + py·y in local coordinates [kN/m², kN/m³].
struct LinearLoad {
    double p0 = 0, px = 0, py = 0;
};

/// ∫∫ p·N_i over the polygon (corners in local coordinates, the last edge closing it). A
/// counter-clockwise polygon gives the loads, a clockwise one their negatives; convex or not,
/// the polygon must lie in the lx x ly element (lx, ly > 0).
ElementLoads polygonLoads(const std::vector<LocalPoint>& polygon, const LinearLoad& p, double lx,
                          double ly);

/// ∫∫ p·N_i over the whole lx x ly element, in closed form: the same as polygonLoads over the
/// element's four corners, in fewer operations.
ElementLoads rectangleLoads(const LinearLoad& p, double lx, double ly);

/// ∫ q·N_i ds along the segment from a to b, q linear from qa at a to qb at b [kN/m].
ElementLoads segmentForces(LocalPoint a, LocalPoint b, double qa, double qb, double lx, double ly);

/// ∫ m·∂N_i/∂n ds along the segment from a to b, m linear from ma to mb [kNm/m]; (nx, ny) is a
/// unit vector, the direction in which the moment turns the slab.
ElementLoads segmentMoments(LocalPoint a, LocalPoint b, double ma, double mb, double nx, double ny,
                            double lx, double ly);

/// F·N_i at the point [kN].
ElementLoads pointForce(LocalPoint at, double force, double lx, double ly);

/// M·∂N_i/∂n at the point, (nx, ny) a unit vector [kNm].
ElementLoads pointMoment(LocalPoint at, double moment, double nx, double ny, double lx, double ly);

/// ∫∫ (N_i,xx + N_i,yy) over the element: the loads of a curvature moment of 1 that bends the
/// slab alike in x and y, such as a temperature difference through its thickness.
ElementLoads curvatureLoads(double lx, double ly);

} // namespace shape
