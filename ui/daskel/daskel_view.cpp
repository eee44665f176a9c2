// The load editor's view state.
#include "ui/daskel/daskel_view.hpp"

#include "common/format.hpp"
#include "scene/slab_meshes.hpp"

#include <cmath>

namespace daskel {

namespace {

constexpr const char* kZoomPrompt =
    " Linke Maustaste drücken! Gedrückt lassen! Fenster aufziehen! Loslassen!";
/// A drawn corner lands on a node within this share of the pick radius (half the shortest
/// element side), so that a corner meant for a node meets it and any other stays where it was
/// clicked.
constexpr double kNodeSnapShare = 0.5;
/// Drawn corners are rounded to whole centimetres [m].
constexpr double kDrawnGrid = 0.01;

} // namespace

DaskelView::DaskelView(LoadEditor& editor, ports::MessageBox& box)
    : editor_(editor), box_(box), mesh_(scene::meshOf(editor.model())),
      switches_(viewSwitches(editor.memory())) {}

scene::LoadPlanData DaskelView::data() const {
    return {editor_.model(), editor_.loadCase(), editor_.loads(), editor_.outline()};
}

slab::WorldRect DaskelView::visible() const {
    return following_ ? scene::loadPlanExtents(data()) : world_.visible;
}

bool DaskelView::zoomTo(scene::Point a, scene::Point b) {
    const slab::WorldRect r = scene::draggedRect(a, b);
    // The same check as DefineWorld: a window without area cannot be shown.
    scene::World probe = world_;
    if (!scene::defineWorld(probe, 1, r, box_)) return false;
    world_.visible = r;
    following_ = false;
    return true;
}

void DaskelView::zoomOut() {
    world_.visible = scene::zoomedOut(visible());
    following_ = false;
}

void DaskelView::toggle(bool ViewSwitches::*which) {
    switches_.*which = !(switches_.*which);
    editor_.rememberView(switches_);
}

void DaskelView::toggleMode(ViewMode mode) {
    mode_ = mode_ == mode ? ViewMode::None : mode;
    sketch_.clear();
}

std::string DaskelView::prompt() const {
    switch (mode_) {
    case ViewMode::None:
        return kNoPrompt;
    case ViewMode::ElementLoads:
        return "Elementlasten: Auf Element klicken";
    case ViewMode::EdgeLoads:
        return "Linienlasten: Linke Maustaste - Rechte Taste = Kontextmenü";
    case ViewMode::NodeLoads:
        return "Knotenlasten: Auf Knoten klicken";
    case ViewMode::DrawArea:
        return "Teilflächenlast: Ecken anklicken - Rechte Taste = Fläche schließen, Esc = "
               "Abbruch";
    case ViewMode::DrawLine:
        return "Linienlast: Anfang und Ende anklicken - Esc = Abbruch";
    case ViewMode::DrawPoint:
        return "Punktlast: Auf den Lastpunkt klicken";
    case ViewMode::Zoom:
        return kZoomPrompt;
    }
    return kNoPrompt;
}

scene::Point DaskelView::snapped(scene::Point p) const {
    if (auto n = scene::nodeNear(mesh_, p)) {
        const scene::Point& node = mesh_.nodes[static_cast<std::size_t>(*n)];
        if (std::hypot(node.x - p.x, node.y - p.y) <= kNodeSnapShare * scene::pickRadius(mesh_))
            return node;
    }
    return {std::round(p.x / kDrawnGrid) * kDrawnGrid, std::round(p.y / kDrawnGrid) * kDrawnGrid};
}

bool DaskelView::addCorner(scene::Point p) {
    switch (mode_) {
    case ViewMode::DrawArea:
        sketch_.push_back(snapped(p));
        return false;
    case ViewMode::DrawLine:
        sketch_.push_back(snapped(p));
        return sketch_.size() >= 2;
    case ViewMode::DrawPoint:
        sketch_ = {snapped(p)};
        return true;
    case ViewMode::None:
    case ViewMode::ElementLoads:
    case ViewMode::EdgeLoads:
    case ViewMode::NodeLoads:
    case ViewMode::Zoom:
        return false;
    }
    return false;
}

std::optional<scene::EdgePick> DaskelView::edgeNear(scene::Point p) const {
    return scene::edgeNear(mesh_, p);
}

double DaskelView::edgePreset(const scene::EdgePick& edge) const {
    const auto& v = editor_.loads().elementLoads[edge.element].v;
    const double own = v[slab::ElementLoadRecord::kEdgeLoad + edge.edge - 1];
    return own != 0 ? own : lastEdgeLoad_;
}

std::optional<int> DaskelView::neighbour(bool next) const {
    const Diary& diary = editor_.diary();
    if (diary.count() == 0) return std::nullopt;
    const int number = editor_.loadCase().number;
    int entry = number != 0 ? diary.entryOf(number) : 0;
    if (entry == 0) entry = steppedEntry_ <= diary.count() ? steppedEntry_ : 0;
    // From a load case that is not listed, either key goes to the first entry.
    const int target = entry == 0 ? 1 : entry + (next ? 1 : -1);
    if (target < 1 || target > diary.count()) return std::nullopt;
    return diary.numbers[static_cast<std::size_t>(target - 1)];
}

void DaskelView::stepTo(int n) {
    steppedEntry_ = editor_.diary().entryOf(n);
    editor_.openLoadCase(n);
    sketch_.clear();
}

scene::Scene DaskelView::plan() const {
    scene::LoadPlanOptions o;
    o.nodeNumbers = switches_.nodeNumbers;
    o.elementNumbers = switches_.elementNumbers;
    scene::Scene s = scene::loadPlan(data(), visible(), o);
    scene::addSketch(s, sketch_, mode_ == ViewMode::DrawArea);
    return s;
}

scene::PictureOptions DaskelView::printOptions() const {
    scene::PictureOptions o;
    o.landscapeWhenWide = switches_.autoOrientation;
    o.frame = switches_.printFrame;
    return o;
}

std::string DaskelView::cursorText(scene::Point p) {
    return slab::format("%.2f  %.2f", p.x, p.y);
}

} // namespace daskel
