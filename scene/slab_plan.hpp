// The plan of the slab as the geometry editor draws it: the elements, their numbers and the node
// numbers, the support labels along the edge lines, and the coloured plate.
#pragma once

#include "common/world_rect.hpp"
#include "scene/scene.hpp"
#include "solver/modelfiles/elemente1.hpp"

namespace morvel {
struct Model;
}

namespace scene {

/// The display switches and the font of the plan.
struct PlanOptions {
    bool nodeNumbers = false;    ///< "Numerierung der Knoten"
    bool elementNumbers = false; ///< "Numerierung der Elemente"
    bool coloured = false;       ///< "Platte farbig anlegen"
    double fontSize = 10;        ///< the text height of labels and numbers [points]
};

/// The fill of the coloured plate, a light concrete tone.
inline constexpr Color kPlateColour{222, 210, 170};

/// A line is drawn in its own direction when both direction components reach this share of
/// its length; a line closer to an axis keeps its label upright.
inline constexpr double kObliqueShare = 0.01;

/// The colour of a support kind's lines and labels; black for none.
Color supportColour(slab::EdgeSupport code);

/// The plan of the model within `bounds` (the drawing extents): with the coloured plate the
/// elements filled first, then every edge line (supported lines thicker and in their kind's
/// colour, with the short label at their middle, turned along an oblique line), then the
/// element numbers at the element centres and the node numbers beside the nodes.
Scene slabPlan(const morvel::Model& model, const slab::WorldRect& bounds,
               const PlanOptions& options);

} // namespace scene
