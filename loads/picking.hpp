// Clicks in the load editor's drawing: the element under a point, the element edge and the
// node nearest to it, in world coordinates [m].
#pragma once

#include "loads/slab_model.hpp"

#include <optional>
#include <string>

namespace daskel {

/// An element edge: element number and edge 1 to 4 (edge k runs from corner k to corner k + 1).
struct EdgePick {
    int element = 0;
    int edge = 0;
};

/// The element whose rectangle holds the point (on a shared edge the lower number); nullopt
/// outside the slab.
std::optional<int> elementAt(const SlabModel& model, double x, double y);

/// The element edge nearest to the point, when it lies within half the shortest element side of
/// the mesh; nullopt otherwise.
std::optional<EdgePick> edgeNear(const SlabModel& model, double x, double y);

/// The node nearest to the point, when it lies within half the shortest element side of the
/// mesh; nullopt otherwise.
std::optional<int> nodeNear(const SlabModel& model, double x, double y);

} // namespace daskel
