// Pages of single pictures and of the report.
#include "scene/result_pages.hpp"

#include "common/format.hpp"
#include "scene/deformed_view.hpp"

namespace scene {

namespace {

constexpr double kMargin = 36;

std::string number(double v) {
    return slab::withDecimalComma(slab::format("%.2f", v));
}

std::string place(const viewer::XY& p) {
    return slab::withDecimalComma(slab::format("%.3f", p.x)) + " / " +
           slab::withDecimalComma(slab::format("%.3f", p.y));
}

class PageWriter {
  public:
    PageWriter(double width, double height) : y_(height - kMargin) {
        s_.bounds = {0, 0, static_cast<float>(width), static_cast<float>(height)};
    }
    // One line of texts at the given columns.
    void line(std::initializer_list<std::pair<double, std::string>> cells, double height = 9.5,
              double advance = 14) {
        y_ -= advance;
        for (const auto& [x, text] : cells)
            s_.add(Text{{kMargin + x, y_}, text, height, Anchor::BottomLeft});
    }
    void space(double h) { y_ -= h; }
    Scene finish() { return std::move(s_); }

  private:
    Scene s_;
    double y_;
};

} // namespace

ResultDrawing viewDrawing(const viewer::ResultSet& r, viewer::Quantity q, ResultView view,
                          const std::string& caption, double width, double height) {
    switch (view) {
    case ResultView::Plan: {
        ResultStyle style;
        style.pointsPerMetre = pageScale(planBounds(r), width, height);
        return resultDrawing(r, q, caption, style);
    }
    case ResultView::Perspective:
        return deformedView(r, caption);
    }
    return {};
}

Scene viewPage(const viewer::ResultSet& r, viewer::Quantity q, ResultView view,
               const std::string& caption, double width, double height) {
    return resultPage(viewDrawing(r, q, view, caption, width, height), width, height);
}

std::vector<viewer::Quantity> reportQuantities(const viewer::ResultSet& r) {
    std::vector<viewer::Quantity> qs;
    for (viewer::Quantity q : viewer::kQuantities)
        if (q != viewer::Quantity::Soil || r.bedded()) qs.push_back(q);
    return qs;
}

Scene loadControlPage(const viewer::ResultSet& r, const std::string& caption,
                      const viewer::LoadControlOutcome& control, double width, double height) {
    PageWriter w(width, height);
    w.line({{0, "Ergebnisbericht – " + caption}}, 15, 18);
    w.line({{0, "Positionsverzeichnis: " + r.directory}});
    w.line({{0, slab::format("Anzahl der Knoten: %i    Anzahl der Elemente: %i", r.nodeCount(),
                             r.elementCount())}});
    w.space(12);
    w.line({{0, std::string("Globale Lastkontrolle (") + viewer::kReportName + ")"}}, 11.5, 16);
    if (control.control) {
        const auto& c = *control.control;
        const std::pair<const char*, double> rows[] = {
            {"Summe der Vertikalkräfte (LF p):", c.p},
            {"Summe der äquiv. Knotenkräfte (FEM):", c.sn},
            {"Summe der äquiv. Lagerkräfte (FEM):", c.ss},
            {"Gleichgewicht des Lastfalls ph (=0!):", c.ph}};
        for (const auto& [label, value] : rows)
            w.line({{0, label}, {260, number(value) + " kN"}});
        w.space(6);
        w.line({{0, c.balanced ? "Das globale Gleichgewicht ist erfüllt!"
                               : "Das globale Gleichgewicht ist NICHT erfüllt!"}},
               11);
    } else {
        w.line({{0, control.note}});
    }
    w.space(12);
    w.line({{0, "Extremwerte"}}, 11.5, 16);
    w.line({{0, "Größe"},
            {150, "Minimum"},
            {250, "bei x / y [m]"},
            {390, "Maximum"},
            {490, "bei x / y [m]"}});
    for (viewer::Quantity q : reportQuantities(r)) {
        const auto x = viewer::extremaOf(r, q);
        const std::string name = std::string(viewer::quantityLabel(q)) + " [" +
                                 std::string(viewer::quantityUnit(q)) + "]";
        if (!x) {
            w.line({{0, name}, {175, "keine Werte"}});
            continue;
        }
        w.line({{0, name},
                {175, viewer::extremeText(x->min.value)},
                {265, place(x->min.at)},
                {395, viewer::extremeText(x->max.value)},
                {485, place(x->max.at)}});
    }
    return w.finish();
}

std::vector<Scene> reportPages(const viewer::ResultSet& r, const std::string& caption,
                               const viewer::LoadControlOutcome& control, double width,
                               double height) {
    std::vector<Scene> pages{loadControlPage(r, caption, control, width, height)};
    for (viewer::Quantity q : reportQuantities(r))
        pages.push_back(viewPage(r, q, ResultView::Plan, caption, width, height));
    pages.push_back(
        viewPage(r, viewer::Quantity::W, ResultView::Perspective, caption, width, height));
    return pages;
}

} // namespace scene
