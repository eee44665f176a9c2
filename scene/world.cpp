// World slots, zoom and the world/device mapping.
#include "scene/world.hpp"

#include "common/format.hpp"

#include <algorithm>

namespace scene {

bool defineWorld(World& w, int slot, WorldRect r, ports::MessageBox& box) {
    if (r.x1 == r.x2 || r.y1 == r.y2 || slot < 1 || slot > 2) {
        // A degenerate window cannot be mapped; the view keeps the former one and goes on.
        box.message("Bereichs-Fehler in DefineWorld",
                    slab::format("x1 = %.2f y1 = %.2f x2 = %.2f y2 = %.2f",
                                 static_cast<double>(r.x1), static_cast<double>(r.y1),
                                 static_cast<double>(r.x2), static_cast<double>(r.y2)));
        return false;
    }
    w.slot[static_cast<std::size_t>(slot)] = r;
    return true;
}

void showExtents(World& w, WorldRect extents, ports::MessageBox& box) {
    w.visible = extents;
    defineWorld(w, 2, extents, box);
}

WorldRect draggedRect(Point a, Point b) {
    return {static_cast<float>(std::min(a.x, b.x)), static_cast<float>(std::min(a.y, b.y)),
            static_cast<float>(std::max(a.x, b.x)), static_cast<float>(std::max(a.y, b.y))};
}

WorldRect zoomedOut(WorldRect r) {
    const float cx = (r.x1 + r.x2) / 2;
    const float cy = (r.y1 + r.y2) / 2;
    return {r.x1 - cx, r.y1 - cy, r.x2 + cx, r.y2 + cy};
}

std::optional<WorldRect> meshExtents(const Mesh& mesh) {
    return slab::extentsOf(mesh.nodeCount(), mesh.nodes);
}

WorldMapping::WorldMapping(WorldRect world, DeviceRect device)
    : world_(world), device_(device),
      sx_(device.width / (static_cast<double>(world.x2) - world.x1)),
      sy_(device.height / (static_cast<double>(world.y2) - world.y1)) {}

Point WorldMapping::toDevice(Point p) const {
    return {device_.left + (p.x - world_.x1) * sx_,
            device_.top + device_.height - (p.y - world_.y1) * sy_};
}

Point WorldMapping::toWorld(Point d) const {
    return {world_.x1 + (d.x - device_.left) / sx_,
            world_.y1 + (device_.top + device_.height - d.y) / sy_};
}

std::optional<WorldMapping> selectWorld(const World& w, int slot, DeviceRect device,
                                        ports::MessageBox& box) {
    if (slot < 1 || slot > 2) {
        box.message("Fehler", "Index-Fehler in SelectWorld");
        return std::nullopt;
    }
    const WorldRect& r = w.slot[static_cast<std::size_t>(slot)];
    if (r.x1 == r.x2 || r.y1 == r.y2 || device.width <= 0 || device.height <= 0)
        return std::nullopt;
    return WorldMapping(r, device);
}

} // namespace scene
