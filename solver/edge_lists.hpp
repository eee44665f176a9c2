// The inner and outer edges of the mesh, found by the single-precision corner coordinates.
#pragma once

#include "solver/model.hpp"

#include <vector>

namespace slab {

struct EdgeLists {
    std::vector<MeshEdge> inner, outer;
};

/// Visits the edges of elements 1 to NE, local edges 1 to 4, and keeps each edge once: an edge
/// that another, later element shares at both end points becomes an inner edge with the last
/// such element as second element; any other edge is an outer edge. Every edge runs from its
/// start node to its end node, in increasing x or y on a rectangle: (corner 1, corner 2),
/// (2, 3), (4, 3) and (1, 4) of the first element for local edges 1 to 4. The lists are sized
/// by the mesh, however many edges it has.
EdgeLists buildEdgeLists(const SolverModel& m);

} // namespace slab
