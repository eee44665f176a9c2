// The edge-line table and the outer-edge flags that follow every change of the mesh.
#pragma once

#include "geometry/model.hpp"

#include <array>
#include <cstdint>

namespace morvel {

/// Corner numbers (1..4) of edge k = 1..4: edge k runs from corner k to corner k + 1.
std::array<int, 2> edgeCorners(int edge);

/// Rebuilds the edge lines from the elements (codes copied from the element edges) and sets
/// every element's outer-edge flags: 1 when no other element shares the edge.
void rebuildEdgeLines(Model& m);

/// A checksum of the edge lines (nodes, ends, codes) for the leave question.
std::uint64_t edgeLineChecksum(const Model& m);

} // namespace morvel
