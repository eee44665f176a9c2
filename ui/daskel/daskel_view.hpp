// The load editor's view, shared by its window and its console: the world window that follows
// the plan until the user zooms, the switches kept in MMRYL, the click and drawing modes with
// their prompts, the corners of a load being drawn, the presets of the click dialogs, the steps
// through the load case list, and the load plan drawn from all of them.
#pragma once

#include "loads/document.hpp"
#include "scene/load_plan.hpp"
#include "scene/mesh.hpp"
#include "scene/picking.hpp"
#include "scene/picture_output.hpp"
#include "scene/world.hpp"

#include <optional>
#include <string>
#include <vector>

namespace daskel {

/// What a left click in the plan does; at most one mode is on.
enum class ViewMode {
    None,
    ElementLoads, ///< opens "Elementlast [kN/m2]" for the element under the cursor
    EdgeLoads,    ///< opens "Kantenlasten" for the element edge nearest the cursor
    NodeLoads,    ///< opens "Knotenverformungen und Knotenlasten" for the node under the cursor
    DrawArea,     ///< each click a corner of an area load; the right button closes it
    DrawLine,     ///< two clicks: start and end of a line load
    DrawPoint,    ///< a click places a point load
    Zoom,         ///< a dragged rectangle becomes the visible window
};

/// The prompt line shown when no mode is on.
inline constexpr const char* kNoPrompt = " Am Ende der Eingabe sollten Sie den Lastfall speichern!";

class DaskelView {
  public:
    DaskelView(LoadEditor& editor, ports::MessageBox& box);
    DaskelView(const DaskelView&) = delete;
    DaskelView& operator=(const DaskelView&) = delete;

    /// The part of the drawing shown: the whole plan until the user zooms.
    slab::WorldRect visible() const;
    /// "Anpassen": the whole plan again, and it stays in sight as the loads change.
    void fit() { following_ = true; }
    /// The dragged rectangle (corners in any order) becomes the visible window; a rectangle
    /// without width or height is refused with the message of DefineWorld.
    bool zoomTo(scene::Point a, scene::Point b);
    /// "Verkleinern": the visible window grows about its centre.
    void zoomOut();

    const ViewSwitches& switches() const { return switches_; }
    /// Toggles a display or print switch and keeps it in MMRYL.
    void toggle(bool ViewSwitches::*which);

    ViewMode mode() const { return mode_; }
    /// A mode's button: on, or off when it is on already; another mode ends, and so does a
    /// load half drawn.
    void toggleMode(ViewMode mode);
    void leaveMode() { toggleMode(ViewMode::None); }
    /// The prompt of the mode, kNoPrompt without one.
    std::string prompt() const;

    /// The corners clicked so far of the load being drawn.
    const std::vector<scene::Point>& sketch() const { return sketch_; }
    /// A click in a drawing mode: the point, on a node when one is near, else to the centimetre.
    /// True when the load is complete: a point load's click, a line load's second click.
    bool addCorner(scene::Point p);
    void clearSketch() { sketch_.clear(); }
    /// A clicked point as a drawn load takes it: the node within half the pick radius, else
    /// rounded to whole centimetres.
    scene::Point snapped(scene::Point p) const;

    // What lies under a click.
    std::optional<int> elementAt(scene::Point p) const { return scene::elementAt(mesh_, p); }
    std::optional<scene::EdgePick> edgeNear(scene::Point p) const;
    std::optional<int> nodeNear(scene::Point p) const { return scene::nodeNear(mesh_, p); }

    /// The value the element dialog opens with: the value entered last.
    double elementPreset() const { return lastElementLoad_; }
    void rememberElementLoad(double p) { lastElementLoad_ = p; }
    /// The value the edge dialog opens with: the edge's own, for an edge without load the value
    /// entered last.
    double edgePreset(const scene::EdgePick& edge) const;
    void rememberEdgeLoad(double p) { lastEdgeLoad_ = p; }

    /// The load case the Up (`next`) or Down key steps to: the next or previous entry of the
    /// load case list, from the open load case's entry (or the entry stepped to last). nullopt
    /// when the list is empty or the step would pass its end.
    std::optional<int> neighbour(bool next) const;
    /// Opens load case n as a step does, and remembers its entry of the list.
    void stepTo(int n);

    /// The load plan of the open load case with the current switches, its bounds the visible
    /// window, and the sketch of a load being drawn.
    scene::Scene plan() const;
    /// The picture options of a print: the orientation and frame switches.
    scene::PictureOptions printOptions() const;

    /// The status line's cursor text "%.2f  %.2f".
    static std::string cursorText(scene::Point p);

  private:
    scene::LoadPlanData data() const;

    LoadEditor& editor_;
    ports::MessageBox& box_;
    scene::Mesh mesh_;
    scene::World world_;
    bool following_ = true;
    ViewSwitches switches_;
    ViewMode mode_ = ViewMode::None;
    std::vector<scene::Point> sketch_;
    double lastElementLoad_ = 0;
    double lastEdgeLoad_ = 0;
    int steppedEntry_ = 0; ///< the list entry stepped to last
};

} // namespace daskel
