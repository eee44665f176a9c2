// World windows of a drawing: the two world slots, the visible window, zoom, and the mapping
// between world coordinates (metres, y up) and device coordinates (pixels or points, y down).
#pragma once

#include "common/world_rect.hpp"
#include "ports/ports.hpp"
#include "scene/mesh.hpp"

#include <array>
#include <optional>

namespace scene {

using slab::WorldRect;

/// World slots 1 and 2 (slot 2 is the drawing of the slab) and the visible window: the state of
/// one view of a drawing.
struct World {
    std::array<WorldRect, 3> slot{}; ///< slots 1 and 2; slot 0 unused
    WorldRect visible{0, 0, 10, 10};
};

/// Stores the rectangle in slot 1 or 2. A degenerate rectangle or another slot is refused with
/// the message "Bereichs-Fehler in DefineWorld" ("x1 = %.2f y1 = %.2f x2 = %.2f y2 = %.2f") and
/// leaves the slot as it was, so that the view keeps its former window.
bool defineWorld(World& w, int slot, WorldRect r, ports::MessageBox& box);

/// New extents of the drawing: the visible window becomes them and they go into slot 2.
void showExtents(World& w, WorldRect extents, ports::MessageBox& box);

/// The rectangle dragged from (x1, y1) to (x2, y2), corners sorted to minimum and maximum.
WorldRect draggedRect(Point a, Point b);

/// "Verkleinern": the window grows about its centre; xmin and ymin decrease by the centre's x and
/// y, xmax and ymax increase by them (0..10 × 0..5 becomes −5..15 × −2.5..7.5).
WorldRect zoomedOut(WorldRect r);

/// The smallest rectangle holding every node of the mesh; nullopt without nodes.
std::optional<WorldRect> meshExtents(const Mesh& mesh);

/// A rectangle of the output device, y down: left, top, width and height.
struct DeviceRect {
    double left = 0, top = 0, width = 1, height = 1;
};

/// The anisotropic mapping of a world window onto a device rectangle: x and y are scaled
/// separately and y is flipped, so that larger y is drawn higher.
class WorldMapping {
  public:
    WorldMapping(WorldRect world, DeviceRect device);
    Point toDevice(Point world) const;
    Point toWorld(Point device) const;
    /// Device units per metre in x and in y.
    double scaleX() const { return sx_; }
    double scaleY() const { return sy_; }
    const WorldRect& world() const { return world_; }
    const DeviceRect& device() const { return device_; }

  private:
    WorldRect world_;
    DeviceRect device_;
    double sx_, sy_;
};

/// Maps world slot 1 or 2 onto the device rectangle; another slot gives "Index-Fehler in
/// SelectWorld" titled "Fehler" and nothing to draw with.
std::optional<WorldMapping> selectWorld(const World& w, int slot, DeviceRect device,
                                        ports::MessageBox& box);

} // namespace scene
