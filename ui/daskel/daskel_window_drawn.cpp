// The load editor's window: the dialogs of the loads drawn on the plan with the mouse, an area
// load as a polygon of clicks, a line load by its two ends, a point load by one click.
#include "common/format.hpp"
#include "loads/element_loads.hpp"
#include "loads/outline/polygon.hpp"
#include "ui/daskel/daskel_window.hpp"
#include "ui/qt/form_dialog.hpp"

#include <QCheckBox>

#include <algorithm>

namespace daskel {

namespace {

using qtui::FormDialog;

/// Corners listed in the dialog of a drawn area; the others are summed up in one line.
constexpr std::size_t kCornersListed = 8;

std::string pointText(scene::Point p) {
    return cellText(p.x) + "  " + cellText(p.y);
}

const std::vector<std::string> kPointKinds = {"Einzelkraft [kN]", "Moment [kNm]", "Knick",
                                              "Verdrehung", "Sprung [m]"};

} // namespace

void DaskelWindow::areaDialog(const std::vector<scene::Point>& corners) {
    FormDialog d(this, "Teilflächenlast");
    d.addLine(slab::format("%zu Ecken:", corners.size()));
    for (std::size_t j = 0; j < corners.size() && j < kCornersListed; ++j)
        d.addLine(slab::format("  Ecke %zu:  ", j + 1) + pointText(corners[j]));
    if (corners.size() > kCornersListed)
        d.addLine(slab::format("  und %zu weitere", corners.size() - kCornersListed));
    d.addField("p [kN/m2]", cellText(0));
    d.addCheck("konstant", false);
    d.addButtons();
    if (d.exec() != FormDialog::Ok) return;
    const auto p = numberOf("p [kN/m2]", d.text("p [kN/m2]"));
    if (!p) return;
    AreaLoadInput in;
    in.constant = d.check("konstant")->isChecked();
    Polygon poly;
    for (const scene::Point& c : corners) {
        in.corners.push_back({c.x, c.y, *p});
        poly.push_back({c.x, c.y});
    }
    // Corners may be clicked either way round; the load keeps them counter-clockwise.
    if (signedArea(poly) < 0) std::reverse(in.corners.begin(), in.corners.end());
    editor_->addAreaLoad(in);
}

void DaskelWindow::lineDialog(scene::Point a, scene::Point b) {
    FormDialog d(this, "Linienlast");
    d.addField("xa [m]", cellText(a.x));
    d.addField("ya [m]", cellText(a.y));
    d.addField("xb [m]", cellText(b.x));
    d.addField("yb [m]", cellText(b.y));
    d.addField("Anfang", cellText(0));
    d.addField("Ende", cellText(0));
    d.addRadios("Art", {"Kräfte [kN/m]", "Momente [kNm/m]"}, 0);
    d.addField("Kommentar", "");
    d.addButtons();
    if (d.exec() != FormDialog::Ok) return;
    LineLoadInput in;
    double* targets[] = {&in.xa, &in.ya, &in.xb, &in.yb, &in.start, &in.end};
    const char* labels[] = {"xa [m]", "ya [m]", "xb [m]", "yb [m]", "Anfang", "Ende"};
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        const auto v = numberOf(labels[i], d.text(labels[i]));
        if (!v) return;
        *targets[i] = *v;
    }
    in.kind = d.chosen("Art") == 1 ? LineLoadKind::Moments : LineLoadKind::Forces;
    in.comment = d.text("Kommentar");
    editor_->addLineLoad(in);
}

void DaskelWindow::pointDialog(scene::Point at) {
    FormDialog d(this, "Punktlast");
    d.addField("x [m]", cellText(at.x));
    d.addField("y [m]", cellText(at.y));
    d.addField("Größe", cellText(0));
    d.addRadios("Art", kPointKinds, 0);
    d.addField("nx", cellText(0));
    d.addField("ny", cellText(0));
    d.addField("b [m]", cellText(0));
    d.addField("Kommentar", "");
    d.addButtons();
    if (d.exec() != FormDialog::Ok) return;
    PointLoadInput in;
    double* targets[] = {&in.x, &in.y, &in.size, &in.nx, &in.ny, &in.width};
    const char* labels[] = {"x [m]", "y [m]", "Größe", "nx", "ny", "b [m]"};
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        const auto v = numberOf(labels[i], d.text(labels[i]));
        if (!v) return;
        *targets[i] = *v;
    }
    in.kind = static_cast<PointLoadKind>(std::max(0, d.chosen("Art")));
    in.comment = d.text("Kommentar");
    editor_->addPointLoad(in);
}

} // namespace daskel
