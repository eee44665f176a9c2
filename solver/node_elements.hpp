// The node-to-element table: which elements meet at a node, and at which of their corners.
#pragma once

#include "solver/model.hpp"

#include <vector>

namespace slab {

/// Rows 0 to NN; each node lists its elements in increasing element number, and within an
/// element its corners in order. A node beyond four slots keeps its first four.
std::vector<NodeElementRow> buildNodeElements(const SolverModel& m);

/// Filled slots of a row (0 to 4).
int filledSlots(const NodeElementRow& row);

} // namespace slab
