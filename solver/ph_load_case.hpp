// Load case ph: the loads the finite element solution satisfies exactly, collected on the
// elements, edges and nodes, with the sums of the global equilibrium control.
#pragma once

#include "solver/model.hpp"

namespace slab {

/// Indexes of table T in ElementPhRow::t for edge j (1 to 4) and edge point k (1 to 5).
constexpr int phMn(int j, int k) { return 6 * j + k; }
constexpr int phMnt(int j, int k) { return 6 * j + k + 30; }
constexpr int phMntDerivative(int j, int k) { return 6 * j + k + 60; }
constexpr int phQn(int j, int k) { return 6 * j + k + 90; }
constexpr int phVn(int j, int k) { return 6 * j + k + 120; }
constexpr int phCornerForce(int corner) { return 150 + corner; }
constexpr int phEdgeResultant(int j) { return 155 + j; }
inline constexpr int kPhAreaLoad = 160;
inline constexpr int kPhElementTotal = 161;

/// Fills m.elementPh and m.beddingForce from the current displacements.
void computeElementPh(SolverModel& m);

/// Builds the edge lists, the corner force sums, the edge rows and the control sums; needs
/// m.elementPh and m.nodeElements.
void computePhSums(SolverModel& m);

} // namespace slab
