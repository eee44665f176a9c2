// A result picture from its plan and legend, and the page that holds them under a title.
#include "scene/result_drawing.hpp"

#include "scene/scene_placement.hpp"

#include <algorithm>

namespace scene {

namespace {

constexpr double kPageMargin = 18, kTitleHeight = 30, kLegendWidth = 170, kLegendGap = 16;
constexpr double kTitleText = 12.5;

struct PlanArea {
    double x, y, width, height;
};

PlanArea planArea(double width, double height) {
    return {kPageMargin, kPageMargin,
            std::max(1.0, width - 2 * kPageMargin - kLegendWidth - kLegendGap),
            std::max(1.0, height - 2 * kPageMargin - kTitleHeight)};
}

} // namespace

viewer::Levels levelsOf(const std::optional<viewer::Extremes>& extremes) {
    if (!extremes) return viewer::levelsFor(0, 0);
    return viewer::levelsFor(extremes->min.value, extremes->max.value);
}

ResultDrawing resultDrawing(const viewer::ResultSet& r, viewer::Quantity q,
                            const std::string& caption, const ResultStyle& style) {
    ResultDrawing d;
    const auto extremes = viewer::extremaOf(r, q);
    const auto levels = levelsOf(extremes);
    std::vector<Symbol> used;
    d.plan = resultPlan(r, q, levels, extremes, style, used);
    d.legend = resultLegend(q, levels, extremes, used);
    d.title = caption + ": " + std::string(viewer::quantityLabel(q)) + " [" +
              std::string(viewer::quantityUnit(q)) + "]";
    return d;
}

double pageScale(const slab::WorldRect& planBounds, double width, double height) {
    const PlanArea area = planArea(width, height);
    const double w = std::max(1e-9, static_cast<double>(planBounds.x2 - planBounds.x1));
    const double h = std::max(1e-9, static_cast<double>(planBounds.y2 - planBounds.y1));
    return std::min(area.width / w, area.height / h);
}

Scene resultPage(const ResultDrawing& drawing, double width, double height) {
    Scene page;
    page.bounds = {0, 0, static_cast<float>(width), static_cast<float>(height)};
    page.add(Text{{kPageMargin, height - kPageMargin}, drawing.title, kTitleText, Anchor::TopLeft});

    const PlanArea area = planArea(width, height);
    const auto& b = drawing.plan.bounds;
    const double scale = pageScale(b, width, height);
    const Point offset{area.x + (area.width - scale * (b.x2 - b.x1)) / 2 - scale * b.x1,
                       area.y + (area.height - scale * (b.y2 - b.y1)) / 2 - scale * b.y1};
    appendPlaced(page, drawing.plan, scale, offset);

    // The legend hangs from the top of the space under the title.
    const double top = height - kPageMargin - kTitleHeight;
    appendPlaced(page, drawing.legend, 1.0,
                 {width - kPageMargin - kLegendWidth, top - drawing.legend.bounds.y2});
    return page;
}

} // namespace scene
