// The quantities inside one element as it computes them: w by its own Hermite interpolation,
// the stress resultants linear between the values the solver wrote for the element.
#pragma once

#include "shape/rectangle.hpp"
#include "viewer/quantity.hpp"
#include "viewer/result_set.hpp"

#include <array>
#include <optional>
#include <vector>

namespace viewer {

/// A point of an element in normalised coordinates: 0 to 1 from corner 1 in x and in y.
struct Local {
    double xi = 0, eta = 0;
};

/// The quarter points Q1 to Q4 where the solver writes the moments, counter-clockwise from
/// corner 1.
inline constexpr std::array<Local, 4> kQuarterPoints = {Local{0.25, 0.25}, Local{0.75, 0.25},
                                                        Local{0.75, 0.75}, Local{0.25, 0.75}};

/// The element with the lowest number whose rectangle holds the point, borders included;
/// nullopt in an opening or outside the slab.
std::optional<int> elementAt(const ResultSet& r, XY p);

/// The point in element e's normalised coordinates.
Local localPoint(const ResultSet& r, int e, XY p);

/// The point of the slab at normalised coordinates of element e.
XY pointOf(const ResultSet& r, int e, Local p);

/// The 16 nodal values of element e in the element's order (corner by corner w, w,x, w,y, w,xy).
shape::NodalValues nodalDeflections(const ResultSet& r, int e);

/// The finite-element deflection of element e at local (x, y) [m from corner 1].
double deflectionAt(const ResultSet& r, int e, double x, double y);

/// The deflection of one element in the tensor form of its Hermite interpolation, for sampling
/// many points: w = sum over i, j of a[i][j] H_i(x) H_j(y).
class DeflectionPatch {
  public:
    DeflectionPatch(const ResultSet& r, int e);
    /// w at local (x, y) [m].
    double at(double x, double y) const;
    /// w,x and w,y at local (x, y).
    std::array<double, 2> slopes(double x, double y) const;
    /// w at every (xs[i], ys[j]), row j after row j - 1: values[j * xs.size() + i].
    std::vector<double> grid(const std::vector<double>& xs, const std::vector<double>& ys) const;
    double lx() const { return lx_; }
    double ly() const { return ly_; }

  private:
    double lx_, ly_;
    std::array<std::array<double, 4>, 4> a_{};
};

/// Vertices of a resultant patch: corners 0 to 3, the centre 4, the quarter points 5 to 8 and
/// one point inside each edge trapezoid 9 to 12.
inline constexpr int kPatchCentre = 4, kPatchQuarter = 5, kPatchTrapezoid = 9;

/// The values the solver wrote for an element placed in a small triangulation of the element:
/// nodal averages at the corners and the centre value; for the moments also the quarter points
/// and, inside each trapezoid between an edge and two quarter points, the mean of its four
/// corners. Linear on each triangle, the field is continuous across elements and never leaves
/// the range of the values written.
struct ResultantPatch {
    int vertexCount = 0;
    std::array<Local, 13> at{};
    std::array<double, 13> value{};
    int triangleCount = 0;
    std::array<std::array<int, 3>, 20> triangles{}; ///< counter-clockwise
};

/// The patch of a stress resultant (isStressResultant(q)) in element e.
ResultantPatch resultantPatch(const ResultSet& r, Quantity q, int e);

/// The patch's value at a local point (linear in the triangle that holds it).
double patchValue(const ResultantPatch& patch, Local p);

/// The value of a quantity at a point of the slab; nullopt outside the slab. The reactions
/// have values only at their nodes: F of the node with a reaction within pickRadius.
std::optional<double> valueAt(const ResultSet& r, Quantity q, XY p);

/// Half the shortest element side [m]: a point this close to a node picks it.
double pickRadius(const ResultSet& r);

/// The node with a reaction nearest to the point within pickRadius; nullopt when none is.
std::optional<int> reactionNodeNear(const ResultSet& r, XY p);

/// The value the result files hold at node j: w, or the nodal average of a stress resultant
/// (m1 and m2 the larger and smaller of the principal moments written).
double nodeValue(const ResultSet& r, Quantity q, int j);
/// The value the result files hold at the centre of element e, for a stress resultant.
double centreValue(const ResultSet& r, Quantity q, int e);
/// The value at quarter point k (0 to 3, counter-clockwise from corner 1) of element e, for the
/// moments, the only quantities written there.
double quarterValue(const ResultSet& r, Quantity q, int e, int k);
/// True for the quantities written at the quarter points: mxx, myy, mxy, m1, m2.
bool hasQuarterValues(Quantity q);

/// The principal moments at an element's centre: m1 the larger, acting in the direction
/// angle1 [degrees from the x axis], m2 the smaller, at right angles to it.
struct PrincipalAxes {
    double m1 = 0, m2 = 0, angle1 = 0;
};
PrincipalAxes principalAtCentre(const ResultSet& r, int e);

} // namespace viewer
