// The geometry editor's plan of the slab.
#include "scene/slab_plan.hpp"

#include "common/format.hpp"
#include "geometry/model.hpp"

#include <cmath>
#include <numbers>

namespace scene {

namespace {

constexpr Color kInnerLine{150, 150, 150};
constexpr Color kNodeNumber{20, 60, 170};
constexpr Color kElementNumber{150, 30, 30};
/// Supported lines are drawn this wide [points], the others with the thinnest line.
constexpr double kSupportLineWidth = 2.0;
/// Node numbers are drawn smaller than the font, so that they stay off the element numbers.
constexpr double kNodeNumberShare = 0.8;

Point at(const slab::NodeRecord& n) {
    return {n.x, n.y};
}

/// The support label of a line at its middle: upright beside a line along an axis, turned into
/// the line's direction (never upside down) on an oblique line.
Text supportLabel(const morvel::EdgeLine& l, double fontSize) {
    const double dx = static_cast<double>(l.x2) - l.x1, dy = static_cast<double>(l.y2) - l.y1;
    const double length = std::hypot(dx, dy);
    Text t;
    t.at = {(static_cast<double>(l.x1) + l.x2) / 2, (static_cast<double>(l.y1) + l.y2) / 2};
    t.text = morvel::edgeSupportLabel(l.code);
    t.height = fontSize;
    t.color = supportColour(l.code);
    const bool oblique = std::fabs(dx) >= kObliqueShare * length &&
                         std::fabs(dy) >= kObliqueShare * length;
    if (oblique) {
        double angle = std::atan2(dy, dx) * 180 / std::numbers::pi;
        if (angle > 90) angle -= 180;
        if (angle <= -90) angle += 180;
        t.angle = angle;
        t.anchor = Anchor::Bottom;
    } else if (std::fabs(dx) >= std::fabs(dy)) {
        t.anchor = Anchor::Bottom; // above a line along x
    } else {
        t.anchor = Anchor::Left; // right of a line along y
    }
    return t;
}

void addElements(Scene& s, const morvel::Model& m) {
    for (int e = 1; e <= m.elementCount; ++e) {
        Polygon p;
        p.fill = kPlateColour;
        for (int n : m.elements[static_cast<std::size_t>(e)].node)
            if (n >= 1 && n <= m.nodeCount) p.points.push_back(at(m.nodes[static_cast<std::size_t>(n)]));
        if (p.points.size() == 4) s.add(std::move(p));
    }
}

void addLines(Scene& s, const morvel::Model& m, double fontSize) {
    for (const auto& l : m.lines) {
        Polyline line;
        line.points = {{l.x1, l.y1}, {l.x2, l.y2}};
        if (l.code != slab::EdgeSupport::None) {
            line.pen = {supportColour(l.code), kSupportLineWidth, LineStyle::Solid};
        } else {
            line.pen.color = l.inner ? kInnerLine : kBlack;
        }
        s.add(std::move(line));
    }
    // Labels after all lines, so that no line crosses a label drawn before it.
    for (const auto& l : m.lines)
        if (l.code != slab::EdgeSupport::None) s.add(supportLabel(l, fontSize));
}

void addNumbers(Scene& s, const morvel::Model& m, const PlanOptions& o) {
    if (o.elementNumbers) {
        for (int e = 1; e <= m.elementCount; ++e) {
            Point c{};
            int corners = 0;
            for (int n : m.elements[static_cast<std::size_t>(e)].node) {
                if (n < 1 || n > m.nodeCount) continue;
                c.x += m.nodes[static_cast<std::size_t>(n)].x;
                c.y += m.nodes[static_cast<std::size_t>(n)].y;
                ++corners;
            }
            if (corners == 0) continue;
            s.add(Text{{c.x / corners, c.y / corners}, slab::format("%i", e), o.fontSize,
                       Anchor::Center, 0, kElementNumber});
        }
    }
    if (o.nodeNumbers) {
        for (int n = 1; n <= m.nodeCount; ++n)
            s.add(Text{at(m.nodes[static_cast<std::size_t>(n)]), slab::format("%i", n),
                       o.fontSize * kNodeNumberShare, Anchor::BottomLeft, 0, kNodeNumber});
    }
}

} // namespace

Color supportColour(slab::EdgeSupport code) {
    switch (code) {
    case slab::EdgeSupport::None:
        return kBlack;
    case slab::EdgeSupport::Clamped:
        return {0, 90, 160};
    case slab::EdgeSupport::Hinged:
        return {0, 130, 60};
    case slab::EdgeSupport::Free:
        return {120, 120, 120};
    case slab::EdgeSupport::RotationalSpring:
        return {170, 90, 0};
    case slab::EdgeSupport::TranslationalSpring:
        return {160, 0, 120};
    case slab::EdgeSupport::BothSprings:
        return {200, 40, 40};
    }
    return kBlack;
}

Scene slabPlan(const morvel::Model& model, const slab::WorldRect& bounds,
               const PlanOptions& options) {
    Scene s;
    s.bounds = bounds;
    if (options.coloured) addElements(s, model);
    addLines(s, model, options.fontSize);
    addNumbers(s, model, options);
    return s;
}

} // namespace scene
