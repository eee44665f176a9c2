// Picking in world coordinates: rectangles, angle sums, distances to edges and nodes, and the
// square around a click that a line must meet.
#include "scene/picking.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace scene {

namespace {

double distanceToSegment(Point p, Point a, Point b) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

/// Liang-Barsky: does the segment meet the square of half-width h around p?
bool segmentMeetsSquare(Point a, Point b, Point p, double h) {
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double dir[4] = {-dx, dx, -dy, dy};
    const double room[4] = {a.x - (p.x - h), (p.x + h) - a.x, a.y - (p.y - h), (p.y + h) - a.y};
    for (int i = 0; i < 4; ++i) {
        if (dir[i] == 0.0) {
            if (room[i] < 0.0) return false;
            continue;
        }
        const double t = room[i] / dir[i];
        if (dir[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

} // namespace

bool Mesh::consistent() const {
    for (std::size_t e = 1; e < elements.size(); ++e)
        for (int n : elements[e])
            if (n < 1 || n > nodeCount()) return false;
    return true;
}

std::optional<int> elementAt(const Mesh& mesh, Point p) {
    for (int e = 1; e <= mesh.elementCount(); ++e) {
        const Point a = mesh.corner(e, 0), c = mesh.corner(e, 2);
        if (p.x >= std::min(a.x, c.x) && p.x <= std::max(a.x, c.x) && p.y >= std::min(a.y, c.y) &&
            p.y <= std::max(a.y, c.y))
            return e;
    }
    return std::nullopt;
}

std::optional<int> elementByAngleSum(const Mesh& mesh, Point p) {
    for (int e = 1; e <= mesh.elementCount(); ++e) {
        double sum = 0.0;
        bool atCorner = false;
        for (int k = 0; k < 4; ++k) {
            const Point& a = mesh.corner(e, k);
            const Point& b = mesh.corner(e, (k + 1) % 4);
            const double ax = a.x - p.x, ay = a.y - p.y, bx = b.x - p.x, by = b.y - p.y;
            if (std::hypot(ax, ay) < kCornerDistance || std::hypot(bx, by) < kCornerDistance) {
                atCorner = true;
                break;
            }
            sum += std::atan2(ax * by - ay * bx, ax * bx + ay * by);
        }
        if (!atCorner && std::fabs(std::fabs(sum) - 2.0 * std::numbers::pi) < kAngleSumTolerance)
            return e;
    }
    return std::nullopt;
}

// A click farther than half the shortest element side from an edge or a node is taken as
// meant for something else.
double pickRadius(const Mesh& mesh) {
    double shortest = std::numeric_limits<double>::infinity();
    for (int e = 1; e <= mesh.elementCount(); ++e) {
        for (int k = 0; k < 4; ++k) {
            const Point a = mesh.corner(e, k), b = mesh.corner(e, (k + 1) % 4);
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            if (length > 0) shortest = std::min(shortest, length);
        }
    }
    return std::isfinite(shortest) ? shortest / 2 : 0.0;
}

std::optional<EdgePick> edgeNear(const Mesh& mesh, Point p) {
    std::optional<EdgePick> best;
    double bestDistance = pickRadius(mesh);
    // Inside an element its own edges come first, so a click beside a shared edge picks the
    // edge of the element it was made in.
    const auto inside = elementAt(mesh, p);
    for (int pass = 0; pass < 2 && !best; ++pass) {
        for (int e = 1; e <= mesh.elementCount(); ++e) {
            if (pass == 0 && inside && e != *inside) continue;
            for (int k = 0; k < 4; ++k) {
                const double d = distanceToSegment(p, mesh.corner(e, k), mesh.corner(e, (k + 1) % 4));
                if (d <= bestDistance && (!best || d < bestDistance)) {
                    best = EdgePick{e, k + 1};
                    bestDistance = d;
                }
            }
        }
    }
    return best;
}

std::optional<int> nodeNear(const Mesh& mesh, Point p) {
    std::optional<int> best;
    double bestDistance = pickRadius(mesh);
    for (int n = 1; n <= mesh.nodeCount(); ++n) {
        const Point& node = mesh.nodes[static_cast<std::size_t>(n)];
        const double d = std::hypot(node.x - p.x, node.y - p.y);
        if (d <= bestDistance && (!best || d < bestDistance)) {
            best = n;
            bestDistance = d;
        }
    }
    return best;
}

std::optional<std::size_t> segmentUnder(const std::vector<Segment>& segments, Point p, double r) {
    const double h = 1.2 * std::numbers::sqrt2 * r;
    for (std::size_t i = segments.size(); i-- > 0;) {
        const Segment& s = segments[i];
        const double xmin = std::min(s.a.x, s.b.x) - h, xmax = std::max(s.a.x, s.b.x) + h;
        const double ymin = std::min(s.a.y, s.b.y) - h, ymax = std::max(s.a.y, s.b.y) + h;
        if (p.x + h < xmin || p.x - h > xmax || p.y + h < ymin || p.y - h > ymax) continue;
        if (segmentMeetsSquare(s.a, s.b, p, h)) return i;
    }
    return std::nullopt;
}

} // namespace scene
