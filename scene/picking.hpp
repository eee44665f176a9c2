// What lies under a point of the drawing: the element, the element edge, the node, a line.
#pragma once

#include "scene/mesh.hpp"

#include <optional>
#include <vector>

namespace scene {

/// An element edge: element number and edge 1 to 4 (edge k runs from corner k to corner k + 1).
struct EdgePick {
    int element = 0;
    int edge = 0;

    friend bool operator==(const EdgePick&, const EdgePick&) = default;
};

/// A straight line of the drawing from a to b.
struct Segment {
    Point a, b;
};

/// The element whose rectangle (corners 1 and 3) holds the point, borders included (on a shared
/// edge the lower number); nullopt outside the mesh.
std::optional<int> elementAt(const Mesh& mesh, Point p);

/// How close the angle sum must come to 2π for a point to lie in an element.
inline constexpr double kAngleSumTolerance = 0.01;
/// A point this close to a corner [m] has no defined angle there.
inline constexpr double kCornerDistance = 1e-6;

/// The first element, in number order, whose corners' angles seen from the point sum to 2π
/// (within kAngleSumTolerance); a point closer than kCornerDistance to a corner of the element
/// under test does not select it. nullopt when none.
std::optional<int> elementByAngleSum(const Mesh& mesh, Point p);

/// Half the shortest element side of the mesh, the radius within which a click picks an edge or
/// a node; 0 for a mesh without elements.
double pickRadius(const Mesh& mesh);

/// The element edge nearest to the point within pickRadius; inside an element its own edges
/// are preferred. nullopt when none is that close.
std::optional<EdgePick> edgeNear(const Mesh& mesh, Point p);

/// The node nearest to the point within pickRadius; nullopt when none is that close.
std::optional<int> nodeNear(const Mesh& mesh, Point p);

/// The segment that meets the square of half-width 1.2·√2·r around the point, the last one of
/// the list first; nullopt when none does.
std::optional<std::size_t> segmentUnder(const std::vector<Segment>& segments, Point p, double r);

} // namespace scene
