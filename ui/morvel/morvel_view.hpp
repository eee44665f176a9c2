// The geometry editor's view, shared by its window and its console: the world window with zoom,
// the display and print switches and the font (kept in MORVELMEM5), the plan drawn from them,
// and the texts of the status line.
#pragma once

#include "geometry/editor.hpp"
#include "scene/picture_output.hpp"
#include "scene/slab_plan.hpp"
#include "scene/world.hpp"

#include <string>

namespace morvel {

/// The smallest and largest font size of the drawing [points].
inline constexpr double kMinFontSize = 4;
inline constexpr double kMaxFontSize = 72;

class MorvelView {
  public:
    /// Shows the editor's extents from now on (after loading, generating and fitting).
    MorvelView(Editor& editor, ports::MessageBox& box);
    MorvelView(const MorvelView&) = delete;
    MorvelView& operator=(const MorvelView&) = delete;

    const scene::World& world() const { return world_; }
    /// The part of the drawing shown.
    const slab::WorldRect& visible() const { return world_.visible; }

    /// "Zoom": the dragged rectangle (corners in any order) becomes the visible window; a
    /// rectangle without width or height is refused with the message of DefineWorld.
    bool zoomTo(scene::Point a, scene::Point b);
    /// "Verkleinern".
    void zoomOut();
    /// The zoom mode of the mouse, toggled by "Zoom".
    bool zoomMode() const { return zoomMode_; }
    void toggleZoomMode() { zoomMode_ = !zoomMode_; }
    void leaveZoomMode() { zoomMode_ = false; }

    // The display and print switches and the font, each kept in MORVELMEM5 when changed.
    bool nodeNumbers() const { return on(memory().nodeNumbers); }
    bool elementNumbers() const { return on(memory().elementNumbers); }
    bool colouredPlate() const { return on(memory().colouredPlate); }
    bool autoOrientation() const { return on(memory().autoOrientation); }
    bool printFrame() const { return on(memory().printFrame); }
    double fontSize() const { return memory().fontSize; }
    void toggleNodeNumbers();
    void toggleElementNumbers();
    void toggleColouredPlate();
    void toggleAutoOrientation();
    void togglePrintFrame();
    /// The font size of the dialog "Font"; a size outside kMinFontSize to kMaxFontSize is
    /// refused with a message and changes nothing.
    bool setFontSize(double points);
    /// The size as the dialog shows it ("%.2f" with a decimal comma).
    std::string fontSizeText() const;

    /// The plan of the slab with the current switches, its bounds the visible window.
    scene::Scene plan() const;
    /// The picture options of a print: the orientation and frame switches.
    scene::PictureOptions printOptions() const;

    /// The status line's cursor text "%.2f  %.2f".
    static std::string cursorText(scene::Point p);
    /// The status line's snap text: "Fangradius = %.0f cm  Tol = %.0f cm" or "Fangen Aus  Tol =
    /// %.0f cm", with one decimal of the tolerance when it is at most 0.99 cm.
    std::string snapText() const;
    /// The visible window as "Fenster: %.2f %.2f %.2f %.2f" (x1 y1 x2 y2).
    std::string windowText() const;

  private:
    static bool on(Switch s) { return s == Switch::On; }
    const MemorySettings& memory() const { return editor_.settings().memory; }
    void toggle(Switch MemorySettings::*which);

    Editor& editor_;
    ports::MessageBox& box_;
    scene::World world_;
    bool zoomMode_ = false;
};

} // namespace morvel
