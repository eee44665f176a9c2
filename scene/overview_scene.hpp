// The position overview of the project manager as a scene: the elements filled grey on a light
// grey ground, the axes at the origin and the slab's width and length as dimension lines, laid
// out for a drawing area so that the plan fills 90 % of a window or 80 % of a printed page.
#pragma once

#include "common/world_rect.hpp"
#include "scene/mesh.hpp"
#include "scene/scene.hpp"

#include <optional>
#include <string>

namespace tarvik {
struct PositionModel;
}

namespace scene {

/// Where the overview is drawn.
enum class OverviewTarget {
    Screen,  ///< the plan fills 90 % of the window
    Printer, ///< the plan fills 80 % of the page
};

/// The model as the overview draws it: the node coordinates and the corner numbers of the
/// elements as read (numbered from 1, not yet checked), the extents of the nodes, the scale
/// factor of the labels (PSCALA) and the title's words.
struct OverviewInput {
    Mesh mesh;
    std::optional<slab::WorldRect> bounds; ///< none without nodes
    double scaleFactor = 1.0;
    std::string positionName;
    bool groundSlab = false;
};

/// The drawing area in points (1/72 inch): the device's size over its resolution.
struct AreaSize {
    double width = 0;
    double height = 0;
};

/// The overview and what the view learns from drawing it.
struct Overview {
    Scene scene; ///< paint with qtui::fittedMapping(scene.bounds, device, 0)
    std::string title;
    bool planDrawn = false;
    /// More than 3000 elements, or a corner that names no node: the plan was not drawn and the
    /// view clears its plan-shown flag.
    bool hidePlan = false;
};

/// The largest element count and corner node number the overview draws.
inline constexpr int kOverviewLimit = 3000;
/// Width or length below this [m] draws no axes and dimensions.
inline constexpr double kMinDimension = 0.1;
/// Labels are this high at scale factor 1 [points].
inline constexpr double kLabelPoints = 10.0;

/// "Deckenplatte Position NAME", or "Bodenplatte Position NAME" for a slab on bedding.
std::string overviewTitle(const std::string& positionName, bool groundSlab);

/// The model arrays of an opened position as the overview's input. A slab with bedding under an
/// element is a ground slab.
OverviewInput overviewInput(const tarvik::PositionModel& model, const std::string& positionName,
                            double scaleFactor);

/// The overview for a drawing area. Without planShown only the ground (and the title, when
/// titleInPicture asks for it in a picture or print) is drawn.
Overview overviewScene(const OverviewInput& input, AreaSize area, OverviewTarget target,
                       bool planShown, bool titleInPicture);

} // namespace scene
