// Supports on edge lines. Hinged edges hold w and the tangential slope; clamped edges hold every
// freedom; spring edges leave the freedoms free and put the stiffness on them.
#include "geometry/supports.hpp"

#include "common/format.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace morvel {

namespace {

/// Most sides of a traced boundary.
constexpr std::size_t kMaxBoundarySides = 6000;
/// Join distance of the second trace attempt [m].
constexpr double kWideJoin = 0.2;
/// An edge counts as parallel to an axis when its other component is below this fraction of its
/// length (the same cut-off at which the drawing writes labels obliquely).
constexpr double kAxisFraction = 0.01;

enum class Direction { AlongX, AlongY, Oblique };

Direction direction(const Model& m, int a, int b) {
    const double dx =
        m.nodes[static_cast<std::size_t>(b)].x - m.nodes[static_cast<std::size_t>(a)].x;
    const double dy =
        m.nodes[static_cast<std::size_t>(b)].y - m.nodes[static_cast<std::size_t>(a)].y;
    const double length = std::hypot(dx, dy);
    if (std::fabs(dy) <= kAxisFraction * length) return Direction::AlongX;
    if (std::fabs(dx) <= kAxisFraction * length) return Direction::AlongY;
    return Direction::Oblique;
}

/// Holds exactly the given freedoms of a node and frees the others.
void holdOnly(slab::NodeRecord& node, std::initializer_list<Freedom> held) {
    for (Freedom f : kFreedoms)
        setFixity(node, f,
                  std::find(held.begin(), held.end(), f) != held.end() ? Fixity::Held
                                                                       : Fixity::Free);
}

/// The slope along an edge, which a hinge holds, and the slope across it, on which a rotational
/// spring acts.
struct EdgeSlopes {
    Freedom along, across;
};

/// The slopes of an edge parallel to an axis; nullopt for an oblique edge.
std::optional<EdgeSlopes> edgeSlopes(Direction dir) {
    switch (dir) {
    case Direction::AlongX:
        return EdgeSlopes{Freedom::SlopeX, Freedom::SlopeY};
    case Direction::AlongY:
        return EdgeSlopes{Freedom::SlopeY, Freedom::SlopeX};
    case Direction::Oblique:
        return std::nullopt;
    }
    return std::nullopt;
}

void setNode(Model& m, int n, Direction dir, const SupportChoice& c) {
    auto& node = m.nodes[static_cast<std::size_t>(n)];
    auto& spring = m.springs[static_cast<std::size_t>(n)];
    for (Freedom f : kFreedoms)
        springConstant(spring, f) = 0.0f;
    const auto slopes = edgeSlopes(dir);
    switch (c.kind) {
    case EdgeSupport::None:
    case EdgeSupport::Free:
        holdOnly(node, {});
        break;
    case EdgeSupport::Clamped:
        holdOnly(node, {Freedom::W, Freedom::SlopeX, Freedom::SlopeY, Freedom::Twist});
        break;
    case EdgeSupport::Hinged:
        // An oblique hinged edge leaves the fixities as they are.
        if (slopes) holdOnly(node, {Freedom::W, slopes->along});
        break;
    case EdgeSupport::TranslationalSpring:
        holdOnly(node, {});
        springConstant(spring, Freedom::W) = c.translational;
        break;
    case EdgeSupport::RotationalSpring:
        holdOnly(node, {});
        if (slopes) springConstant(spring, slopes->across) = c.rotational;
        break;
    case EdgeSupport::BothSprings:
        holdOnly(node, {});
        springConstant(spring, Freedom::W) = c.translational;
        if (slopes) springConstant(spring, slopes->across) = c.rotational;
        break;
    }
}

using Point = std::array<double, 2>;

/// End 0 (x1, y1) or end 1 (x2, y2) of a line.
Point lineEnd(const Model& m, std::size_t line, int end) {
    const EdgeLine& l = m.lines[line];
    return end == 0 ? Point{l.x1, l.y1} : Point{l.x2, l.y2};
}

/// Where the trace starts: the outer end point nearest (-1000, -1000), the lower left of the
/// outline.
Point traceStart(const Model& m, const std::vector<std::size_t>& outer) {
    Point start{};
    double best = INFINITY;
    for (std::size_t i : outer)
        for (int end = 0; end < 2; ++end) {
            const Point p = lineEnd(m, i, end);
            const double d = std::hypot(p[0] + 1000.0, p[1] + 1000.0);
            if (d < best) {
                best = d;
                start = p;
            }
        }
    return start;
}

/// A line the trace goes on along, and its end away from the point reached.
struct TraceStep {
    std::size_t line = 0;
    int farEnd = 0;
};

/// The unused outer line leaving the point reached, joined within the tolerance or, failing
/// that, within kWideJoin. Where more outer lines meet, the one turning furthest to the right
/// keeps the exterior on the right and the trace outside.
std::optional<TraceStep> nextOuterLine(const Model& m, const std::vector<std::size_t>& outer,
                                       const std::vector<bool>& used, const Point& at,
                                       double heading, double tolerance, double wide) {
    std::optional<TraceStep> next;
    double bestTurn = INFINITY;
    for (double join : {tolerance, wide}) {
        for (std::size_t i : outer) {
            if (used[i]) continue;
            for (int end = 0; end < 2; ++end) {
                const Point p = lineEnd(m, i, end);
                if (std::hypot(p[0] - at[0], p[1] - at[1]) >= join) continue;
                const Point q = lineEnd(m, i, 1 - end);
                double turn = std::atan2(q[1] - p[1], q[0] - p[0]) - heading;
                while (turn <= -std::numbers::pi)
                    turn += 2 * std::numbers::pi;
                while (turn > std::numbers::pi)
                    turn -= 2 * std::numbers::pi;
                if (turn < bestTurn) {
                    bestTurn = turn;
                    next = TraceStep{i, 1 - end};
                }
            }
        }
        if (next) break;
    }
    return next;
}

/// Half the length of the shortest edge line; infinite without lines.
double halfShortestLine(const Model& m) {
    double shortest = INFINITY;
    for (const auto& l : m.lines) {
        const double length = std::hypot(static_cast<double>(l.x2) - l.x1,
                                         static_cast<double>(l.y2) - l.y1);
        if (length > 0) shortest = std::min(shortest, length);
    }
    return shortest / 2;
}

} // namespace

EdgeSupport defaultSupportKind(SlabKind kind) {
    switch (kind) {
    case SlabKind::Floor:
        return EdgeSupport::Hinged;
    case SlabKind::Ground:
        return EdgeSupport::Free;
    }
    return EdgeSupport::Hinged;
}

void assignSupport(Model& m, std::size_t index, const SupportChoice& choice) {
    if (index >= m.lines.size()) return;
    EdgeLine& line = m.lines[index];
    line.code = choice.kind;
    line.translational = choice.translational;
    line.rotational = choice.rotational;
    if (line.element >= 1 && line.element <= m.elementCount && line.edge >= 1 && line.edge <= 4)
        setEdgeSupport(m.elements[static_cast<std::size_t>(line.element)], line.edge, choice.kind);
    if (line.a < 1 || line.b > m.nodeCount) return;
    const Direction dir = direction(m, line.a, line.b);
    setNode(m, line.a, dir, choice);
    setNode(m, line.b, dir, choice);
}

std::optional<std::vector<std::size_t>> traceBoundary(const Model& m, double tolerance,
                                                      ports::MessageBox& box) {
    std::vector<std::size_t> outer;
    for (std::size_t i = 0; i < m.lines.size(); ++i)
        if (!m.lines[i].inner) outer.push_back(i);
    if (outer.empty()) {
        box.message("Hinweis", "Es gibt keinen Rand: zuerst die Platte generieren.");
        return std::nullopt;
    }
    // A join distance beyond half the shortest line would join the two ends of one line and
    // end the trace after a step or two: the tolerance is bounded by the mesh.
    const double limit = halfShortestLine(m);
    tolerance = std::min(tolerance, limit);
    const double wide = std::min(kWideJoin, limit);
    const Point start = traceStart(m, outer);
    std::vector<bool> used(m.lines.size(), false);
    std::vector<std::size_t> traced;
    Point at = start;
    double heading = -std::numbers::pi / 2; // arriving as if from below: leave along the bottom
    for (;;) {
        const auto next = nextOuterLine(m, outer, used, at, heading, tolerance, wide);
        if (!next) {
            box.message("Fehler 2",
                        "Der Rand ist nicht geschlossen; es wurden keine Lager gesetzt.");
            return std::nullopt;
        }
        if (traced.size() >= kMaxBoundarySides) {
            box.message("Fehler 1", slab::format("Rand hat zuviele Seiten. Stopp bei %zu > %zu !",
                                                 traced.size() + 1, kMaxBoundarySides));
            return std::nullopt;
        }
        used[next->line] = true;
        traced.push_back(next->line);
        const Point from = at;
        at = lineEnd(m, next->line, next->farEnd);
        heading = std::atan2(at[1] - from[1], at[0] - from[0]);
        if (std::hypot(at[0] - start[0], at[1] - start[1]) < std::max(tolerance, 1e-9)) break;
    }
    return traced;
}

std::optional<int> assignWholeBoundary(Model& m, const SupportChoice& choice, double tolerance,
                                       ports::MessageBox& box) {
    auto traced = traceBoundary(m, tolerance, box);
    if (!traced) return std::nullopt;
    std::vector<bool> supported(static_cast<std::size_t>(m.nodeCount) + 1, false);
    for (std::size_t i : *traced) {
        assignSupport(m, i, choice);
        for (int n : {m.lines[i].a, m.lines[i].b})
            if (n >= 1 && n <= m.nodeCount) supported[static_cast<std::size_t>(n)] = true;
    }
    applyCornerRule(m);
    return static_cast<int>(std::count(supported.begin(), supported.end(), true));
}

void applyCornerRule(Model& m) {
    std::vector<int> uses(static_cast<std::size_t>(m.nodeCount + 1), 0);
    for (int e = 1; e <= m.elementCount; ++e)
        for (int n : m.elements[static_cast<std::size_t>(e)].node)
            if (n >= 1 && n <= m.nodeCount) ++uses[static_cast<std::size_t>(n)];
    for (int n = 1; n <= m.nodeCount; ++n) {
        const int u = uses[static_cast<std::size_t>(n)];
        if (u != 1 && u != 3) continue;
        auto& node = m.nodes[static_cast<std::size_t>(n)];
        if (isHeld(node, Freedom::SlopeX) != isHeld(node, Freedom::SlopeY)) {
            setFixity(node, Freedom::SlopeX, Fixity::Held);
            setFixity(node, Freedom::SlopeY, Fixity::Held);
        }
    }
}

} // namespace morvel
