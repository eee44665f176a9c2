// The load plan's loads of the load case's tables: hatched area loads, line loads, edge loads on
// the sections of the slab's boundaries and point loads, each with its value.
#include "common/format.hpp"
#include "loads/load_case.hpp"
#include "loads/macros/hatching.hpp"
#include "loads/outline/polygon.hpp"
#include "loads/outline/slab_outline.hpp"
#include "scene/load_plan_parts.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace scene::plan {

namespace {

/// "1,00 bis 3,00 kN/m2", or one value when both ends are equal.
std::string range(double low, double high, const char* unit) {
    std::string text = valueText(low);
    if (valueText(high) != text) text += " bis " + valueText(high);
    return text + " " + unit;
}

std::string areaText(int k, const daskel::AreaLoad& a) {
    if (a.variation == daskel::AreaLoadVariation::Constant) {
        double sum = 0;
        for (const auto& c : a.corners)
            sum += c.p1;
        return slab::format("Fläche %i: ", k) +
               valueText(sum / static_cast<double>(a.corners.size())) + " kN/m2 (konstant)";
    }
    double low = a.corners.front().p1, high = low;
    for (const auto& c : a.corners) {
        low = std::min(low, static_cast<double>(c.p1));
        high = std::max(high, static_cast<double>(c.p1));
    }
    return slab::format("Fläche %i: ", k) + range(low, high, "kN/m2");
}

void addArea(Builder& b, const daskel::AreaLoad& a, int k, const daskel::SlabOutline& outline) {
    if (a.corners.empty()) return;
    const Pen hatch{kAreaColour, 0, LineStyle::Solid};
    // The segments the hatch file SBLNS holds, so the picture shows what a save writes.
    for (const daskel::HatchSegment& h : daskel::hatchSegments(a, outline))
        b.line({h.x1, h.y1}, {h.x2, h.y2}, hatch);
    Polyline edge{{}, Pen{kAreaColour, 1.5, LineStyle::Solid}, true};
    daskel::Polygon poly;
    for (const auto& c : a.corners) {
        edge.points.push_back({c.x, c.y});
        poly.push_back({c.x, c.y});
    }
    b.scene.add(std::move(edge));
    const daskel::PlanePoint centre = daskel::centroid(poly);
    b.label({centre.x, centre.y}, areaText(k, a), Anchor::Center, kAreaColour);
}

void addLine(Builder& b, const daskel::LineLoad& l, int k) {
    const bool moments = l.kind == daskel::LineLoadKind::Moments;
    b.line({l.xa, l.ya}, {l.xb, l.yb}, Pen{kLineColour, 2.5, LineStyle::Solid});
    const Point middle{(static_cast<double>(l.xa) + l.xb) / 2,
                       (static_cast<double>(l.ya) + l.yb) / 2};
    b.label(middle,
            slab::format("Linie %i: ", k) + range(l.start, l.end, moments ? "kNm/m" : "kN/m"),
            Anchor::Bottom, kLineColour, angleAlong(l.xb - l.xa, l.yb - l.ya));
}

void addSectionLoad(Builder& b, const daskel::EdgeLoad& e, int k,
                    const daskel::SlabOutline& outline) {
    double xa = e.xa, ya = e.ya, xb = e.xb, yb = e.yb;
    // The slab lies left of a section; its right side is off the slab.
    double nx = yb - ya, ny = -(xb - xa);
    // The geometry's section wins over the coordinates the load echo kept.
    if (const auto* s = outline.section(e.boundary, e.section)) {
        xa = s->xa;
        ya = s->ya;
        xb = s->xb;
        yb = s->yb;
        nx = s->nx;
        ny = s->ny;
    }
    b.line({xa, ya}, {xb, yb}, Pen{kSectionColour, 3.5, LineStyle::Solid});
    const bool moments = e.kind == daskel::EdgeLoadKind::Moments;
    // The value stands off the slab, where the numbers of the nodes and elements are not.
    const double angle = angleAlong(xb - xa, yb - ya);
    const double rad = angle * std::numbers::pi / 180;
    const bool upIsOutside = -std::sin(rad) * nx + std::cos(rad) * ny > 0;
    b.label({(xa + xb) / 2, (ya + yb) / 2},
            slab::format("Rand %i: ", k) + range(e.a, e.b, moments ? "kNm/m" : "kN/m"),
            upIsOutside ? Anchor::Bottom : Anchor::Top, kSectionColour, angle);
}

MarkerShape shapeOf(daskel::PointLoadKind kind) {
    switch (kind) {
    case daskel::PointLoadKind::Force:
        return MarkerShape::Circle;
    case daskel::PointLoadKind::Moment:
        return MarkerShape::Square;
    case daskel::PointLoadKind::Kink:
        return MarkerShape::Diamond;
    case daskel::PointLoadKind::Rotation:
        return MarkerShape::Cross;
    case daskel::PointLoadKind::Offset:
        return MarkerShape::Triangle;
    }
    return MarkerShape::Circle;
}

const char* unitOf(daskel::PointLoadKind kind) {
    switch (kind) {
    case daskel::PointLoadKind::Force:
        return " kN";
    case daskel::PointLoadKind::Moment:
        return " kNm";
    case daskel::PointLoadKind::Kink:
        return " (Knick)";
    case daskel::PointLoadKind::Rotation:
        return " (Verdrehung)";
    case daskel::PointLoadKind::Offset:
        return " m (Sprung)";
    }
    return "";
}

void addPoint(Builder& b, const daskel::PointLoad& p, int k) {
    const Point at{p.x, p.y};
    b.scene.add(Marker{at, shapeOf(p.kind), 9, kPointColour, true});
    b.label(at, slab::format("Punkt %i: ", k) + valueText(p.size) + unitOf(p.kind),
            Anchor::BottomLeft, kPointColour);
}

} // namespace

void addLoadsOfTables(Builder& b, const LoadPlanData& data) {
    const daskel::LoadCase& lc = data.loadCase;
    int k = 0;
    for (const auto& a : lc.areaLoads)
        addArea(b, a, ++k, data.outline);
    k = 0;
    for (const auto& l : lc.lineLoads)
        addLine(b, l, ++k);
    k = 0;
    for (const auto& e : lc.edgeLoads)
        addSectionLoad(b, e, ++k, data.outline);
    k = 0;
    for (const auto& p : lc.pointLoads)
        addPoint(b, p, ++k);
}

} // namespace scene::plan
