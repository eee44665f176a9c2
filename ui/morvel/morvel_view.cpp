// The geometry editor's view state.
#include "ui/morvel/morvel_view.hpp"

#include "common/format.hpp"

namespace morvel {

namespace {

/// A tolerance up to this [cm] is shown with one decimal, as a whole number it would read 0 or 1;
/// the slack lets 0.0099 m, which is 0.9900000000000001 cm in binary, count as 0.99 cm.
constexpr double kFineTolerance = 0.99 * (1 + 1e-12);

} // namespace

MorvelView::MorvelView(Editor& editor, ports::MessageBox& box) : editor_(editor), box_(box) {
    world_.visible = editor.extents();
    scene::defineWorld(world_, 2, editor.extents(), box);
    editor_.setExtentsListener(
        [this](const slab::WorldRect& r) { scene::showExtents(world_, r, box_); });
}

bool MorvelView::zoomTo(scene::Point a, scene::Point b) {
    const slab::WorldRect r = scene::draggedRect(a, b);
    // The same check as DefineWorld: a window without area cannot be shown.
    scene::World probe = world_;
    if (!scene::defineWorld(probe, 1, r, box_)) return false;
    world_.visible = r;
    return true;
}

void MorvelView::zoomOut() {
    world_.visible = scene::zoomedOut(world_.visible);
}

void MorvelView::toggle(Switch MemorySettings::*which) {
    MemorySettings m = memory();
    m.*which = m.*which == Switch::On ? Switch::Off : Switch::On;
    editor_.rememberView(m);
}

void MorvelView::toggleNodeNumbers() {
    toggle(&MemorySettings::nodeNumbers);
}

void MorvelView::toggleElementNumbers() {
    toggle(&MemorySettings::elementNumbers);
}

void MorvelView::toggleColouredPlate() {
    toggle(&MemorySettings::colouredPlate);
}

void MorvelView::toggleAutoOrientation() {
    toggle(&MemorySettings::autoOrientation);
}

void MorvelView::togglePrintFrame() {
    toggle(&MemorySettings::printFrame);
}

bool MorvelView::setFontSize(double points) {
    if (!(points >= kMinFontSize && points <= kMaxFontSize)) {
        box_.message("Font", slab::format("Die Größe muss zwischen %.0f und %.0f liegen.",
                                          kMinFontSize, kMaxFontSize));
        return false;
    }
    MemorySettings m = memory();
    m.fontSize = static_cast<float>(points);
    editor_.rememberView(m);
    return true;
}

std::string MorvelView::fontSizeText() const {
    return slab::withDecimalComma(slab::format("%.2f", static_cast<double>(memory().fontSize)));
}

scene::Scene MorvelView::plan() const {
    scene::PlanOptions o;
    o.nodeNumbers = nodeNumbers();
    o.elementNumbers = elementNumbers();
    o.coloured = colouredPlate();
    o.fontSize = fontSize();
    return scene::slabPlan(editor_.model(), world_.visible, o);
}

scene::PictureOptions MorvelView::printOptions() const {
    scene::PictureOptions o;
    o.landscapeWhenWide = autoOrientation();
    o.frame = printFrame();
    return o;
}

std::string MorvelView::cursorText(scene::Point p) {
    return slab::format("%.2f  %.2f", p.x, p.y);
}

std::string MorvelView::snapText() const {
    const SnapSettings& snap = editor_.settings().snap;
    const double tolerance = editor_.settings().margin * 100;
    const char* tol = tolerance <= kFineTolerance ? "Tol = %.1f cm" : "Tol = %.0f cm";
    if (snap.snapping == Snapping::On)
        return slab::format("Fangradius = %.0f cm  ", static_cast<double>(snap.radius) * 100) +
               slab::format(tol, tolerance);
    return "Fangen Aus  " + slab::format(tol, tolerance);
}

std::string MorvelView::windowText() const {
    const auto& v = world_.visible;
    return slab::format("Fenster: %.2f %.2f %.2f %.2f", static_cast<double>(v.x1),
                        static_cast<double>(v.y1), static_cast<double>(v.x2),
                        static_cast<double>(v.y2));
}

} // namespace morvel
