// Paints a scene with QPainter on any device: a widget, a printer, a PDF, an image, an SVG.
#pragma once

#include "scene/scene.hpp"
#include "scene/world.hpp"

class QPainter;

namespace qtui {

/// Paints the items in order through the mapping. Pen widths, text heights and marker sizes are
/// in points and converted with the device's resolution, so a print matches the screen.
void paintScene(QPainter& painter, const scene::Scene& scene, const scene::WorldMapping& mapping);

/// The mapping that shows the scene's bounds in the device rectangle (with a margin of
/// `margin` device units), keeping x and y at the same scale so that the slab is not distorted.
scene::WorldMapping fittedMapping(const slab::WorldRect& bounds, scene::DeviceRect device,
                                  double margin);

} // namespace qtui
