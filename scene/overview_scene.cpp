// The position overview.
#include "scene/overview_scene.hpp"

#include "common/format.hpp"
#include "manager/position_model.hpp"

#include <algorithm>
#include <cmath>

namespace scene {

namespace {

constexpr Color kGround{250, 250, 250};
constexpr Color kElement{192, 192, 192};
/// Sizes the drawing gives in screen pixels are taken at 96 pixels per inch.
constexpr double kPointsPerPixel = 72.0 / 96.0;
constexpr double kOriginRadius = 5 * kPointsPerPixel;
constexpr double kXAxis = 35 * kPointsPerPixel;
constexpr double kYAxis = 25 * kPointsPerPixel;
constexpr double kDimensionOffset = 17 * kPointsPerPixel;
constexpr double kArrowLength = 8 * kPointsPerPixel;
constexpr double kArrowHalfWidth = 3 * kPointsPerPixel;
constexpr double kTick = 5 * kPointsPerPixel;
constexpr double kTextGap = 2 * kPointsPerPixel;
constexpr double kTitlePoints = 12.0;

/// Points of the drawing area per metre, and the world window that fills the area.
struct Layout {
    double perMetre = 1;
    slab::WorldRect window{};
    double metres(double points) const { return points / perMetre; }
};

Layout layoutOf(const slab::WorldRect& b, AreaSize area, OverviewTarget target) {
    const double share = target == OverviewTarget::Screen ? 0.9 : 0.8;
    const double w = static_cast<double>(b.x2) - b.x1, h = static_cast<double>(b.y2) - b.y1;
    const double byWidth = w > 0 ? share * area.width / w : HUGE_VAL;
    const double byHeight = h > 0 ? share * area.height / h : HUGE_VAL;
    double perMetre = std::min(byWidth, byHeight);
    // A single node or a slab without area: one metre across the shorter side.
    if (!std::isfinite(perMetre)) perMetre = share * std::min(area.width, area.height);
    const double cx = (static_cast<double>(b.x1) + b.x2) / 2;
    const double cy = (static_cast<double>(b.y1) + b.y2) / 2;
    const double halfW = area.width / perMetre / 2, halfH = area.height / perMetre / 2;
    return {perMetre,
            {static_cast<float>(cx - halfW), static_cast<float>(cy - halfH),
             static_cast<float>(cx + halfW), static_cast<float>(cy + halfH)}};
}

/// A filled arrow head with its tip at `tip`, pointing along the unit direction (dx, dy).
Polygon arrowHead(Point tip, double dx, double dy, const Layout& l) {
    const double len = l.metres(kArrowLength), half = l.metres(kArrowHalfWidth);
    const Point base{tip.x - dx * len, tip.y - dy * len};
    return {
        {tip, {base.x - dy * half, base.y + dx * half}, {base.x + dy * half, base.y - dx * half}},
        kBlack,
        Pen{}};
}

void addAxes(Scene& s, const Layout& l) {
    const Point origin{0, 0};
    s.add(Marker{origin, MarkerShape::Circle, 2 * kOriginRadius, kBlack, false});
    const Point xTip{l.metres(kXAxis), 0}, yTip{0, l.metres(kYAxis)};
    s.add(Polyline{{origin, xTip}, Pen{}});
    s.add(arrowHead(xTip, 1, 0, l));
    s.add(Polyline{{origin, yTip}, Pen{}});
    s.add(arrowHead(yTip, 0, 1, l));
    s.add(Text{{xTip.x, xTip.y - l.metres(kTextGap)}, "x", 8, Anchor::TopRight});
    s.add(Text{{yTip.x - l.metres(kTextGap), yTip.y}, "y", 8, Anchor::TopRight});
}

/// A dimension line from a to b (horizontal or vertical) with arrow heads, end ticks and its
/// text on the outer side, rotated with a vertical line.
void addDimension(Scene& s, Point a, Point b, double length, double textPoints, bool vertical,
                  const Layout& l) {
    const double dx = vertical ? 0 : 1, dy = vertical ? 1 : 0;
    s.add(Polyline{{a, b}, Pen{}});
    s.add(arrowHead(a, -dx, -dy, l));
    s.add(arrowHead(b, dx, dy, l));
    const double tick = l.metres(kTick);
    for (const Point& p : {a, b})
        s.add(Polyline{{{p.x - dy * tick, p.y - dx * tick}, {p.x + dy * tick, p.y + dx * tick}},
                       Pen{}});
    const Point middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const double gap = l.metres(kTextGap);
    Text text{
        {middle.x - dy * gap, middle.y - dx * gap}, slab::format("%.2lf", length), textPoints};
    text.anchor = vertical ? Anchor::Bottom : Anchor::Top;
    text.angle = vertical ? 90 : 0;
    s.add(std::move(text));
}

/// True when every element's corners name nodes of the mesh and every coordinate is finite.
bool drawable(const Mesh& mesh) {
    if (mesh.elementCount() > kOverviewLimit) return false;
    for (const auto& p : mesh.nodes)
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    for (int e = 1; e <= mesh.elementCount(); ++e)
        for (int corner : mesh.elements[static_cast<std::size_t>(e)])
            if (corner < 1 || corner > kOverviewLimit || corner > mesh.nodeCount()) return false;
    return true;
}

void addPlan(Scene& s, const OverviewInput& input, const slab::WorldRect& b, const Layout& l) {
    const Mesh& mesh = input.mesh;
    for (int e = 1; e <= mesh.elementCount(); ++e) {
        Polygon element{{}, kElement, Pen{}};
        for (int k = 0; k < 4; ++k)
            element.points.push_back(mesh.corner(e, k));
        s.add(std::move(element));
    }
    const double width = static_cast<double>(b.x2) - b.x1;
    const double length = static_cast<double>(b.y2) - b.y1;
    if (width < kMinDimension || length < kMinDimension) return;
    addAxes(s, l);
    const double factor =
        input.scaleFactor > 0 && std::isfinite(input.scaleFactor) ? input.scaleFactor : 1.0;
    const double off = l.metres(kDimensionOffset);
    addDimension(s, {b.x1, b.y1 - off}, {b.x2, b.y1 - off}, width, kLabelPoints * factor, false, l);
    addDimension(s, {b.x1 - off, b.y1}, {b.x1 - off, b.y2}, length, kLabelPoints * factor, true, l);
}

} // namespace

std::string overviewTitle(const std::string& positionName, bool groundSlab) {
    return slab::format("%s Position %s", groundSlab ? "Bodenplatte" : "Deckenplatte",
                        positionName.c_str());
}

OverviewInput overviewInput(const tarvik::PositionModel& model, const std::string& positionName,
                            double scaleFactor) {
    OverviewInput input;
    input.positionName = positionName;
    input.scaleFactor = scaleFactor;
    if (model.nodes) {
        for (int n = 1; n <= model.nodeCount; ++n) {
            const auto& node = (*model.nodes)[static_cast<std::size_t>(n)];
            input.mesh.nodes.push_back({node.x, node.y});
        }
        input.bounds = slab::extentsOf(model.nodeCount, *model.nodes);
    }
    if (model.elements)
        for (int e = 1; e <= model.elementCount; ++e) {
            const auto& corners = (*model.elements)[static_cast<std::size_t>(e)].node;
            input.mesh.elements.push_back({corners[0], corners[1], corners[2], corners[3]});
        }
    if (model.bedding)
        input.groundSlab = std::any_of(model.bedding->begin() + 1, model.bedding->end(),
                                       [](const auto& b) { return b.v[0] > 0; });
    return input;
}

Overview overviewScene(const OverviewInput& input, AreaSize area, OverviewTarget target,
                       bool planShown, bool titleInPicture) {
    Overview overview;
    overview.title = overviewTitle(input.positionName, input.groundSlab);
    area.width = std::max(area.width, 1.0);
    area.height = std::max(area.height, 1.0);
    const slab::WorldRect b = input.bounds.value_or(slab::WorldRect{0, 0, 1, 1});
    const bool canDraw = input.bounds && drawable(input.mesh);
    const Layout l = layoutOf(canDraw ? b : slab::WorldRect{0, 0, 1, 1}, area, target);
    Scene& s = overview.scene;
    s.bounds = l.window;
    const auto& w = l.window;
    s.add(Polygon{{{w.x1, w.y1}, {w.x2, w.y1}, {w.x2, w.y2}, {w.x1, w.y2}}, kGround, std::nullopt});
    if (titleInPicture)
        s.add(Text{{w.x1 + l.metres(10), w.y2 - l.metres(10)},
                   overview.title,
                   kTitlePoints,
                   Anchor::TopLeft});
    if (!planShown || !input.bounds) return overview;
    if (!canDraw) {
        overview.hidePlan = true;
        return overview;
    }
    addPlan(s, input, b, l);
    overview.planDrawn = true;
    return overview;
}

} // namespace scene
