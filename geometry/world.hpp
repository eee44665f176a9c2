// World windows in metres: the drawing extents and DefineWorld with its check.
#pragma once

#include "geometry/model.hpp"
#include "ports/ports.hpp"

#include <array>

namespace morvel {

struct WorldRect {
    float x1 = 0, y1 = 0, x2 = 1, y2 = 1;
};

/// World slots 1 and 2 (slot 2 is the drawing of the slab), the extents and the visible window.
struct World {
    std::array<WorldRect, 3> slots{}; ///< slot 0 unused
    WorldRect extents{0, 0, 10, 10};  ///< xmin, ymin, xmax, ymax of the nodes
    WorldRect visible{0, 0, 10, 10};
};

/// Stores the rectangle in slot 1 or 2. A degenerate rectangle or another slot is refused with
/// the message "Bereichs-Fehler in DefineWorld" and leaves the slot as it was.
bool defineWorld(World& w, int slot, float x1, float y1, float x2, float y2, ports::MessageBox& box);

/// "Grundriß anpassen": extents from the nodes (unchanged without nodes), visible window and
/// slot 2 from them.
void fitExtents(const Model& m, World& w, ports::MessageBox& box);

/// Sets extents, visible window and slot 2 to the rectangle (as generation does).
void setExtents(World& w, WorldRect r, ports::MessageBox& box);

} // namespace morvel
