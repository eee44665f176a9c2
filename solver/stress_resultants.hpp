// Moments, principal moments and shear forces in the elements and averaged at the nodes.
#pragma once

#include "solver/model.hpp"

namespace slab {

/// |mxy| and |mxx - myy| at or below this count as zero when the principal direction is taken.
inline constexpr double kPrincipalCutOff = 1e-8;
/// Principal directions within this many degrees of 0 are reported as 0.
inline constexpr double kPhiCutOff = 0.01;

struct PrincipalMoments {
    double m1 = 0; ///< acting in the direction phi
    double m2 = 0; ///< acting at right angles to it
};

/// M1 and M2 from the moments; M1 belongs to the direction principalDirection gives.
PrincipalMoments principalMoments(double mxx, double myy, double mxy);

/// Direction of M1 in degrees, from -45 to 45.
double principalDirection(double mxx, double myy, double mxy);

/// Resultant shear force sqrt(qx² + qy²).
double resultantShear(double qx, double qy);

/// Fills m.elementResults: centre values and the quarter points Q1 to Q4.
void computeElementResults(SolverModel& m);

/// Builds m.nodeElements and fills m.nodeResults with the displacements and the means of the
/// corner values of the elements at each node (zeros at a node without elements).
void computeNodalAverages(SolverModel& m);

} // namespace slab
