// The legend of a result picture, laid out in points from the top down and then moved so that
// its lower left corner lies at the origin.
#include "scene/colour_scale.hpp"
#include "scene/result_drawing.hpp"

#include "common/format.hpp"

#include <algorithm>

namespace scene {

namespace {

constexpr double kBarWidth = 16, kLabelGap = 6;
/// Height of one band in the bar [points]: equal for every band, between these bounds.
constexpr double kBandMin = 12, kBandMax = 22, kBarHeight = 230;
constexpr double kLine = 11.5;

std::string metres(double v) {
    return slab::withDecimalComma(slab::format("%.3f", v));
}

class LegendWriter {
  public:
    void text(const std::string& t, double height = 8.5, Color c = kBlack) {
        y_ -= kLine * height / 8.5;
        s_.add(Text{{0, y_}, t, height, Anchor::BottomLeft, 0, c});
    }
    void space(double h) { y_ -= h; }

    void bar(const viewer::Levels& levels) {
        const int n = levels.bandCount();
        const double band = std::clamp(kBarHeight / n, kBandMin, kBandMax);
        const double top = y_ - 6, bottom = top - n * band;
        for (int b = 0; b < n; ++b) {
            const double y1 = bottom + b * band;
            s_.add(Polygon{{{0, y1}, {kBarWidth, y1}, {kBarWidth, y1 + band}, {0, y1 + band}},
                           bandColour(b, n),
                           Pen{{90, 90, 90}, 0}});
        }
        auto label = [&](double y, const std::string& t) {
            s_.add(Polyline{{{kBarWidth, y}, {kBarWidth + 3, y}}, Pen{kBlack, 0}});
            s_.add(Text{{kBarWidth + kLabelGap, y}, t, 8, Anchor::Left});
        };
        label(bottom, viewer::extremeText(levels.min));
        for (std::size_t j = 0; j < levels.thresholds.size(); ++j)
            label(bottom + (j + 1) * band, viewer::levelText(levels, levels.thresholds[j]));
        if (n > 1 || levels.max != levels.min) label(top, viewer::extremeText(levels.max));
        y_ = bottom - 6;
    }

    // A short sample of a symbol in front of its key text.
    void key(const std::vector<Item>& sample, const std::string& t) {
        y_ -= kLine;
        const double mid = y_ + 3.5;
        for (Item item : sample) {
            std::visit(
                [&](auto& i) {
                    using T = std::decay_t<decltype(i)>;
                    if constexpr (std::is_same_v<T, Polyline> || std::is_same_v<T, Polygon>)
                        for (auto& p : i.points)
                            p = {p.x, p.y + mid};
                    else
                        i.at = {i.at.x, i.at.y + mid};
                },
                item);
            s_.items.push_back(std::move(item));
        }
        s_.add(Text{{26, y_}, t, 8, Anchor::BottomLeft});
    }

    Scene finish(double width) {
        for (auto& item : s_.items)
            std::visit(
                [&](auto& i) {
                    using T = std::decay_t<decltype(i)>;
                    if constexpr (std::is_same_v<T, Polyline> || std::is_same_v<T, Polygon>)
                        for (auto& p : i.points)
                            p.y -= y_;
                    else
                        i.at.y -= y_;
                },
                item);
        s_.bounds = {0, 0, static_cast<float>(width), static_cast<float>(-y_)};
        return std::move(s_);
    }

  private:
    Scene s_;
    double y_ = 0;
};

void keys(LegendWriter& w, const std::vector<Symbol>& used) {
    const Pen line{kBlack, 1.8};
    for (Symbol symbol : used) {
        switch (symbol) {
        case Symbol::Clamped:
            w.key({Polyline{{{0, 0}, {18, 0}}, Pen{kBlack, 2.4}},
                   Polyline{{{4, 0}, {7, -3}}, Pen{kBlack, 0.7}},
                   Polyline{{{10, 0}, {13, -3}}, Pen{kBlack, 0.7}}},
                  "eingespannt");
            break;
        case Symbol::Hinged:
            w.key({Polyline{{{0, 0}, {18, 0}}, line},
                   Marker{{0, 0}, MarkerShape::Triangle, 6, kBlack, false},
                   Marker{{18, 0}, MarkerShape::Triangle, 6, kBlack, false}},
                  "gelenkig gelagert");
            break;
        case Symbol::Spring:
            w.key({Polyline{{{0, 0}, {18, 0}}, Pen{kBlack, 1.8, LineStyle::Dashed}}},
                  "Federlagerung");
            break;
        case Symbol::PointSupport:
            w.key({Marker{{9, 0}, MarkerShape::Square, 7, kBlack, true}}, "Punktlager");
            break;
        case Symbol::PointSpring:
            w.key({Marker{{9, 0}, MarkerShape::Circle, 8, kBlack, false}}, "Einzelfeder");
            break;
        case Symbol::Crosses:
            w.key({Polyline{{{0, 0}, {18, 0}}, Pen{{20, 20, 20}, 1.2}}}, "Hauptmoment positiv");
            w.key({Polyline{{{0, 0}, {18, 0}}, Pen{{213, 94, 0}, 1.2}}}, "Hauptmoment negativ");
            break;
        case Symbol::Reactions:
            w.key({Marker{{9, 0}, MarkerShape::Circle, 8, kBlack, false}}, "Auflagerkraft F [kN]");
            break;
        }
    }
}

} // namespace

Scene resultLegend(viewer::Quantity q, const viewer::Levels& levels,
                   const std::optional<viewer::Extremes>& extremes, const std::vector<Symbol>& used,
                   const std::vector<std::string>& notes) {
    LegendWriter w;
    w.text(std::string(viewer::quantityLabel(q)), 10.5);
    w.text("in " + std::string(viewer::quantityUnit(q)), 9);
    if (!extremes) {
        w.space(6);
        w.text("Keine Werte vorhanden.");
    } else {
        w.bar(levels);
        for (const auto* e : {&extremes->max, &extremes->min}) {
            w.text((e == &extremes->max ? "max " : "min ") + viewer::extremeText(e->value) + " " +
                   std::string(viewer::quantityUnit(q)));
            w.text("   bei x = " + metres(e->at.x) + "  y = " + metres(e->at.y) + " m", 8);
        }
    }
    w.space(6);
    keys(w, used);
    for (const auto& note : notes)
        w.text(note);
    return w.finish(170);
}

} // namespace scene
