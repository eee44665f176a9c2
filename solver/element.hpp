// The conforming 16-DOF plate rectangle: stiffness, bedding, equivalent loads, point functions.
// Element DOF p (0-based) is component p % 4 (w, w,x, w,y, w,xy) of corner p / 4; corners run
// counter-clockwise from the lower left, local x and y from corner 1.
#pragma once

#include <array>

namespace slab {

using ElementMatrix = std::array<double, 256>; ///< 16 x 16, row-major, 0-based
using ElementVector = std::array<double, 16>;

/// D = E t^3 / (12 (1 - nu^2)).
double flexuralRigidity(double e, double thickness, double nu);

/// Stiffness of the rectangle lx x ly, exact integral of the curvature energy.
ElementMatrix elementStiffness(double lx, double ly, double d, double nu);

/// Bedding matrix c * integral of N^T N, computed in double and kept in single precision.
std::array<float, 256> beddingMatrix(double lx, double ly, double c);

/// Equivalent nodal loads of a uniform area load q and constant line loads p[0..3] on edges
/// 1 to 4, computed in double and kept in single precision.
std::array<float, 16> equivalentNodalLoads(double lx, double ly, double q,
                                           const std::array<double, 4>& p);

/// Values of the plate functions at one point of an element.
struct PointValues {
    double w = 0, mxx = 0, myy = 0, mxy = 0, qx = 0, qy = 0;
    double ph = 0; ///< load density D (w,xxxx + 2 w,xxyy + w,yyyy), without bedding
    double tx = 0; ///< D (1 - nu) w,xxy, the negative x-derivative of mxy
    double ty = 0; ///< -D (1 - nu) w,xyy, the y-derivative of mxy
};

/// Evaluates the interpolated field of the 16 nodal values u at local (x, y).
PointValues pointValues(double lx, double ly, double d, double nu, const ElementVector& u,
                        double x, double y);

/// Moments and shear on an edge with outward unit normal (nx, ny).
struct EdgeResultants {
    double mn = 0, mnt = 0, qn = 0;
};
EdgeResultants edgeResultants(const PointValues& v, double nx, double ny);

/// Points and weights of the three-point Gauss rule on [0, L], k = 1 to 3, in the
/// single-precision constants the result files were defined with.
double linePoint(int k, double length);
double lineWeight(int k, double length);

} // namespace slab
