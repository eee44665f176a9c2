#include "loads/picking.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace daskel {

namespace {

struct Point {
    double x, y;
};

Point corner(const SlabModel& m, int element, int k) {
    const auto& n = m.nodes[m.elements[element].node[k]];
    return {n.x, n.y};
}

// Half the shortest element side: a click farther than this from an edge or a node is taken as
// meant for something else.
double pickRadius(const SlabModel& m) {
    double shortest = std::numeric_limits<double>::infinity();
    for (int e = 1; e <= m.elementCount; ++e) {
        for (int k = 0; k < 4; ++k) {
            Point a = corner(m, e, k), b = corner(m, e, (k + 1) % 4);
            double length = std::hypot(b.x - a.x, b.y - a.y);
            if (length > 0) shortest = std::min(shortest, length);
        }
    }
    return std::isfinite(shortest) ? shortest / 2 : 0.0;
}

double distanceToSegment(Point p, Point a, Point b) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

} // namespace

std::optional<int> elementAt(const SlabModel& m, double x, double y) {
    for (int e = 1; e <= m.elementCount; ++e) {
        Point a = corner(m, e, 0), c = corner(m, e, 2);
        if (x >= std::min(a.x, c.x) && x <= std::max(a.x, c.x) && y >= std::min(a.y, c.y) &&
            y <= std::max(a.y, c.y))
            return e;
    }
    return std::nullopt;
}

std::optional<EdgePick> edgeNear(const SlabModel& m, double x, double y) {
    std::optional<EdgePick> best;
    double bestDistance = pickRadius(m);
    // Inside an element its own edges come first, so a click beside a shared edge picks the
    // edge of the element it was made in.
    auto inside = elementAt(m, x, y);
    for (int pass = 0; pass < 2 && !best; ++pass) {
        for (int e = 1; e <= m.elementCount; ++e) {
            if (pass == 0 && inside && e != *inside) continue;
            for (int k = 0; k < 4; ++k) {
                double d = distanceToSegment({x, y}, corner(m, e, k), corner(m, e, (k + 1) % 4));
                if (d <= bestDistance && (!best || d < bestDistance)) {
                    best = EdgePick{e, k + 1};
                    bestDistance = d;
                }
            }
        }
    }
    return best;
}

std::optional<int> nodeNear(const SlabModel& m, double x, double y) {
    std::optional<int> best;
    double bestDistance = pickRadius(m);
    for (int n = 1; n <= m.nodeCount; ++n) {
        double d = std::hypot(m.nodes[n].x - x, m.nodes[n].y - y);
        if (d <= bestDistance && (!best || d < bestDistance)) {
            best = n;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace daskel
