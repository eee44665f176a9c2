// World windows and the extents of the drawing.
#include "geometry/world.hpp"

#include "common/format.hpp"

#include <algorithm>

namespace morvel {

bool defineWorld(World& w, int slot, float x1, float y1, float x2, float y2, ports::MessageBox& box) {
    if (x1 == x2 || y1 == y2 || slot < 1 || slot > 2) {
        // A degenerate window cannot be mapped; the editor keeps the former one and goes on.
        box.message("Bereichs-Fehler in DefineWorld",
                    slab::format("x1 = %.2f y1 = %.2f x2 = %.2f y2 = %.2f", static_cast<double>(x1),
                                 static_cast<double>(y1), static_cast<double>(x2),
                                 static_cast<double>(y2)));
        return false;
    }
    w.slots[static_cast<std::size_t>(slot)] = {x1, y1, x2, y2};
    return true;
}

void setExtents(World& w, WorldRect r, ports::MessageBox& box) {
    w.extents = r;
    w.visible = r;
    defineWorld(w, 2, r.x1, r.y1, r.x2, r.y2, box);
}

void fitExtents(const Model& m, World& w, ports::MessageBox& box) {
    if (m.nodeCount < 1) return;
    WorldRect r;
    r.x1 = r.x2 = static_cast<float>(m.nodes[1].x);
    r.y1 = r.y2 = static_cast<float>(m.nodes[1].y);
    for (int n = 2; n <= m.nodeCount; ++n) {
        const float x = static_cast<float>(m.nodes[static_cast<std::size_t>(n)].x);
        const float y = static_cast<float>(m.nodes[static_cast<std::size_t>(n)].y);
        r.x1 = std::min(r.x1, x);
        r.x2 = std::max(r.x2, x);
        r.y1 = std::min(r.y1, y);
        r.y2 = std::max(r.y2, y);
    }
    setExtents(w, r, box);
}

} // namespace morvel
