// The load editor's plan: the frame, the shaded elements with their legend, the mesh, the edge
// loads of the elements, the node symbols, the numbers and the title lines.
#include "scene/load_plan.hpp"

#include "common/format.hpp"
#include "loads/load_case.hpp"
#include "loads/outline/slab_outline.hpp"
#include "loads/slab_model.hpp"
#include "scene/load_plan_parts.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <set>
#include <unordered_set>

namespace scene {

namespace plan {

namespace {

void grow(slab::WorldRect& r, bool& any, double x, double y) {
    const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
    if (!any) {
        r = {fx, fy, fx, fy};
        any = true;
        return;
    }
    r.x1 = std::min(r.x1, fx);
    r.y1 = std::min(r.y1, fy);
    r.x2 = std::max(r.x2, fx);
    r.y2 = std::max(r.y2, fy);
}

} // namespace

std::string valueText(double v) {
    return slab::withDecimalComma(slab::format("%.2f", v));
}

double angleAlong(double dx, double dy) {
    double angle = std::atan2(dy, dx) * 180 / std::numbers::pi;
    if (angle > 90) angle -= 180;
    if (angle <= -90) angle += 180;
    return angle;
}

Frame frameOf(const LoadPlanData& data) {
    slab::WorldRect r{0, 0, 10, 10};
    bool any = false;
    const daskel::SlabModel& m = data.model;
    for (int n = 1; n <= m.nodeCount; ++n)
        grow(r, any, m.nodes[n].x, m.nodes[n].y);
    const daskel::LoadCase& lc = data.loadCase;
    for (const auto& a : lc.areaLoads)
        for (const auto& c : a.corners)
            grow(r, any, c.x, c.y);
    for (const auto& l : lc.lineLoads) {
        grow(r, any, l.xa, l.ya);
        grow(r, any, l.xb, l.yb);
    }
    for (const auto& p : lc.pointLoads)
        grow(r, any, p.x, p.y);
    Frame f;
    f.content = r;
    f.size = std::max(static_cast<double>(r.x2) - r.x1, static_cast<double>(r.y2) - r.y1);
    if (!(f.size > 0)) f.size = 1; // a single point: room of a metre around it
    return f;
}

} // namespace plan

using plan::Builder;
using plan::Frame;

namespace {

constexpr Color kMeshLine{165, 165, 165};
constexpr Color kNodeNumber{20, 60, 170};
constexpr Color kElementNumber{150, 30, 30};
constexpr double kNodeNumberShare = 0.8;
/// An element's edge load is drawn this share of the way towards the element's centre, so that
/// the loads of two elements on their common edge stay apart.
constexpr double kEdgeInset = 0.12;
/// Its value stands this share of the way from the edge's middle to the centre.
constexpr double kEdgeLabelInset = 0.32;

Point at(const slab::NodeRecord& n) {
    return {n.x, n.y};
}

/// Corner k (0 to 3) of element e; nullopt when a corner names no node.
bool corners(const daskel::SlabModel& m, int e, std::array<Point, 4>& c) {
    for (int k = 0; k < 4; ++k) {
        const int n = m.elements[e].node[k];
        if (n < 1 || n > m.nodeCount) return false;
        c[k] = at(m.nodes[n]);
    }
    return true;
}

Point centreOf(const std::array<Point, 4>& c) {
    return {(c[0].x + c[1].x + c[2].x + c[3].x) / 4, (c[0].y + c[1].y + c[2].y + c[3].y) / 4};
}

Point lerp(Point a, Point b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

Color mix(Color a, Color b, double t) {
    auto c = [t](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
    };
    return {c(a.r, b.r), c(a.g, b.g), c(a.b, b.b)};
}

constexpr Color kDownLight{255, 238, 170}, kDownDark{205, 85, 30};
constexpr Color kUpLight{205, 225, 255}, kUpDark{50, 100, 200};

double areaLoad(const daskel::LoadTables& loads, int e) {
    return loads.elementLoads[e].v[slab::ElementLoadRecord::kAreaLoad];
}

void addShading(Scene& s, const LoadPlanData& d, const std::vector<LoadClass>& classes) {
    if (classes.empty()) return;
    std::array<Point, 4> c;
    for (int e = 1; e <= d.model.elementCount; ++e) {
        const int k = loadClassOf(classes, areaLoad(d.loads, e));
        if (k < 0 || !corners(d.model, e, c)) continue;
        s.add(Polygon{{c[0], c[1], c[2], c[3]}, classes[static_cast<std::size_t>(k)].colour, {}});
    }
}

void addMesh(Builder& b, const LoadPlanData& d) {
    // Each edge once, though two elements share it.
    std::unordered_set<std::uint64_t> drawn;
    drawn.reserve(static_cast<std::size_t>(d.model.elementCount) * 4);
    const Pen pen{kMeshLine, 0, LineStyle::Solid};
    for (int e = 1; e <= d.model.elementCount; ++e) {
        const auto& node = d.model.elements[e].node;
        std::array<Point, 4> c;
        if (!corners(d.model, e, c)) continue;
        for (int k = 0; k < 4; ++k) {
            const auto n1 = static_cast<std::uint32_t>(node[k]);
            const auto n2 = static_cast<std::uint32_t>(node[(k + 1) % 4]);
            const std::uint64_t key = (std::uint64_t{std::min(n1, n2)} << 32) | std::max(n1, n2);
            if (drawn.insert(key).second) b.line(c[k], c[(k + 1) % 4], pen);
        }
    }
    const Pen outline{kBlack, 1.2, LineStyle::Solid};
    for (const auto& curve : d.outline.curves)
        for (const auto& sec : curve.sections)
            b.line({sec.xa, sec.ya}, {sec.xb, sec.yb}, outline);
}

void addElementEdgeLoads(Builder& b, const LoadPlanData& d) {
    const Pen pen{plan::kEdgeColour, 2, LineStyle::Solid};
    std::array<Point, 4> c;
    for (int e = 1; e <= d.model.elementCount; ++e) {
        const auto& v = d.loads.elementLoads[e].v;
        for (int k = 0; k < 4; ++k) {
            const double p = v[slab::ElementLoadRecord::kEdgeLoad + static_cast<std::size_t>(k)];
            if (p == 0 || !corners(d.model, e, c)) continue;
            const Point mid = centreOf(c);
            const Point a = c[k], z = c[(k + 1) % 4];
            b.line(lerp(a, mid, kEdgeInset), lerp(z, mid, kEdgeInset), pen);
            const Point middle{(a.x + z.x) / 2, (a.y + z.y) / 2};
            b.label(lerp(middle, mid, kEdgeLabelInset), plan::valueText(p), Anchor::Center,
                    plan::kEdgeColour, plan::angleAlong(z.x - a.x, z.y - a.y));
        }
    }
}

/// The texts of the nonzero values of a node, "P = 12,50 kN  Mx = 1,00 kNm".
std::string nodeValues(const slab::NodalLoadRecord& r, std::size_t first, const char* fmt,
                       const std::array<const char*, 4>& names,
                       const std::array<const char*, 4>& units) {
    std::string text;
    for (std::size_t k = 0; k < 4; ++k) {
        const double v = r.v[first + k];
        if (v == 0) continue;
        text += (text.empty() ? "" : "  ") + std::string(names[k]) + " = " +
                slab::withDecimalComma(slab::format(fmt, v)) + units[k];
    }
    return text;
}

void addNodeSymbols(Builder& b, const LoadPlanData& d) {
    for (int n = 1; n <= d.model.nodeCount; ++n) {
        const auto& r = d.loads.nodeLoads[n];
        const Point p = at(d.model.nodes[n]);
        const std::string loads =
            nodeValues(r, slab::NodalLoadRecord::kLoad, "%.2f", {"P", "Mx", "My", "Mxy"},
                       {" kN", " kNm", " kNm", " kNm"});
        if (!loads.empty()) {
            b.scene.add(Marker{p, MarkerShape::Triangle, 8, plan::kNodeLoadColour, true});
            b.label(p, loads, Anchor::TopLeft, plan::kNodeLoadColour);
        }
        // Deformations are small: four places, so that a millimetre shows.
        const std::string prescribed = nodeValues(r, slab::NodalLoadRecord::kPrescribed, "%.4f",
                                                  {"w", "w,x", "w,y", "w,xy"}, {" m", "", "", ""});
        if (!prescribed.empty()) {
            b.scene.add(Marker{p, MarkerShape::Diamond, 9, plan::kPrescribedColour, false});
            b.label(p, prescribed, Anchor::TopRight, plan::kPrescribedColour);
        }
    }
}

void addNumbers(Builder& b, const LoadPlanData& d) {
    const LoadPlanOptions& o = b.options;
    std::array<Point, 4> c;
    for (int e = 1; o.elementNumbers && e <= d.model.elementCount; ++e)
        if (corners(d.model, e, c))
            b.labels.push_back(Text{centreOf(c), slab::format("%i", e), o.fontSize, Anchor::Center,
                                    0, kElementNumber});
    for (int n = 1; o.nodeNumbers && n <= d.model.nodeCount; ++n)
        b.labels.push_back(Text{at(d.model.nodes[n]), slab::format("%i", n),
                                o.fontSize * kNodeNumberShare, Anchor::BottomLeft, 0, kNodeNumber});
}

std::string temperatureText(const daskel::LoadCase& lc) {
    if (!lc.temperature) return {};
    return "Temperatur Delta T = " + plan::valueText(lc.deltaT) +
           slab::withDecimalComma(slab::format("  Alpha T = %.3E", lc.alphaT));
}

void addTitleLines(Builder& b, const LoadPlanData& d, const Frame& f) {
    const daskel::LoadCase& lc = d.loadCase;
    // From the top: the title, the load case's own title, the uniform load, the temperature.
    const std::pair<std::string, double> lines[] = {{loadPlanTitle(lc.number), 1.6},
                                                    {lc.title, 1.2},
                                                    {uniformLoadText(lc), 1.2},
                                                    {temperatureText(lc), 1.1}};
    const double step = plan::kLineStep * f.size;
    double y = f.content.y2 + plan::kTitleLines * step;
    for (const auto& [text, share] : lines) {
        if (text.empty()) continue;
        b.labels.push_back(Text{
            {f.content.x1, y}, text, b.options.fontSize * share, Anchor::BottomLeft, 0, kBlack});
        y -= step;
    }
}

std::string classText(const LoadClass& c) {
    if (c.low == c.high) return plan::valueText(c.low);
    return plan::valueText(c.low) + " bis " + plan::valueText(c.high);
}

void addLegend(Builder& b, const std::vector<LoadClass>& classes, const Frame& f) {
    if (classes.empty()) return;
    const double step = plan::kLineStep * f.size;
    const double x = f.content.x2 + 2 * plan::kMargin * f.size;
    b.labels.push_back(Text{{x, f.content.y2},
                            "Elementlasten [kN/m2]",
                            b.options.fontSize,
                            Anchor::BottomLeft,
                            0,
                            kBlack});
    // The values from the greatest down, as a scale reads.
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const LoadClass& c = classes[classes.size() - 1 - i];
        const Point p{x + 0.02 * f.size, f.content.y2 - static_cast<double>(i + 1) * step};
        b.scene.add(Marker{p, MarkerShape::Square, 11, c.colour, true});
        b.scene.add(Marker{p, MarkerShape::Square, 11, kBlack, false});
        b.labels.push_back(Text{
            {p.x + 0.02 * f.size, p.y}, classText(c), b.options.fontSize, Anchor::Left, 0, kBlack});
    }
}

} // namespace

std::vector<LoadClass> elementLoadClasses(const daskel::LoadTables& loads, int elementCount) {
    std::set<double> values;
    for (int e = 1; e <= elementCount; ++e)
        if (const double p = areaLoad(loads, e); p != 0 && std::isfinite(p)) values.insert(p);
    std::vector<LoadClass> classes;
    if (values.size() <= static_cast<std::size_t>(kMaxLoadClasses)) {
        for (double v : values)
            classes.push_back({v, v, {}});
    } else {
        const double low = *values.begin(), high = *values.rbegin();
        const double width = (high - low) / kMaxLoadClasses;
        for (int i = 0; i < kMaxLoadClasses; ++i) {
            LoadClass c{
                low + i * width, i + 1 == kMaxLoadClasses ? high : low + (i + 1) * width, {}};
            // A range that holds no value is left out of the legend.
            auto first = values.lower_bound(c.low);
            if (first != values.end() && *first <= c.high) classes.push_back(c);
        }
    }
    // Shades by the sign of a class's middle: the heavier, the darker.
    std::vector<std::size_t> down, up;
    for (std::size_t i = 0; i < classes.size(); ++i)
        (classes[i].low + classes[i].high >= 0 ? down : up).push_back(i);
    for (std::size_t k = 0; k < down.size(); ++k)
        classes[down[k]].colour =
            mix(kDownLight, kDownDark, static_cast<double>(k + 1) / (down.size() + 1));
    for (std::size_t k = 0; k < up.size(); ++k)
        classes[up[k]].colour =
            mix(kUpLight, kUpDark, static_cast<double>(up.size() - k) / (up.size() + 1));
    return classes;
}

int loadClassOf(const std::vector<LoadClass>& classes, double value) {
    if (value == 0) return -1;
    for (std::size_t i = 0; i < classes.size(); ++i)
        if (value >= classes[i].low && value <= classes[i].high) return static_cast<int>(i);
    return -1;
}

std::string loadPlanTitle(int loadCase) {
    return slab::format("BELASTUNG IM LF %i", loadCase);
}

std::string uniformLoadText(const daskel::LoadCase& lc) {
    if (!lc.uniform) return {};
    if (lc.uniformShape == daskel::UniformShape::Triangular)
        return slab::withDecimalComma(
            slab::format("Dreieckslast po = %.2f kN/m2 * x", lc.uniformValue));
    return slab::withDecimalComma(slab::format("Gleichlast %c = %.2f kN/m2", 'p', lc.uniformValue));
}

slab::WorldRect loadPlanExtents(const LoadPlanData& data) {
    const Frame f = plan::frameOf(data);
    const bool legend = !elementLoadClasses(data.loads, data.model.elementCount).empty();
    const double margin = plan::kMargin * f.size;
    const double top = (plan::kTitleLines + 0.8) * plan::kLineStep * f.size;
    const double right = legend ? plan::kLegendWidth * f.size : 0.0;
    return {static_cast<float>(f.content.x1 - margin), static_cast<float>(f.content.y1 - margin),
            static_cast<float>(f.content.x2 + margin + right),
            static_cast<float>(f.content.y2 + top)};
}

Scene loadPlan(const LoadPlanData& data, const slab::WorldRect& bounds,
               const LoadPlanOptions& options) {
    Scene s;
    s.bounds = bounds;
    Builder b{s, options};
    const Frame f = plan::frameOf(data);
    const std::vector<LoadClass> classes = elementLoadClasses(data.loads, data.model.elementCount);
    addShading(s, data, classes);
    addMesh(b, data);
    plan::addLoadsOfTables(b, data);
    addElementEdgeLoads(b, data);
    addNodeSymbols(b, data);
    addNumbers(b, data);
    addTitleLines(b, data, f);
    addLegend(b, classes, f);
    for (Text& t : b.labels)
        s.add(std::move(t));
    return s;
}

void addSketch(Scene& s, const std::vector<Point>& corners, bool closed) {
    constexpr Color kSketch{0, 0, 0};
    if (corners.size() >= 2)
        s.add(
            Polyline{corners, Pen{kSketch, 1.5, LineStyle::Dashed}, closed && corners.size() >= 3});
    for (const Point& p : corners)
        s.add(Marker{p, MarkerShape::Cross, 10, kSketch, false});
}

} // namespace scene
