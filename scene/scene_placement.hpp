// Placing one scene inside another: its points scaled and moved, its texts, pens and markers
// kept at their device sizes. Pages are put together from a drawing and its legend this way.
#pragma once

#include "scene/scene.hpp"

namespace scene {

/// Appends the items of `from` to `into`, each point p becoming offset + scale * p.
void appendPlaced(Scene& into, const Scene& from, double scale, Point offset);

/// The closed loops as one polygon that the even-odd rule fills: the loops one after the other,
/// each further loop reached from the first point and left back to it along the same line,
/// which encloses nothing. Empty without points.
std::vector<Point> evenOddPath(const std::vector<std::vector<Point>>& loops);

} // namespace scene
