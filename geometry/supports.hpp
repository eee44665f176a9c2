// Support kinds on edge lines, their translation into node fixities and springs, and the
// whole-boundary command with its corner rule.
#pragma once

#include "geometry/model.hpp"
#include "ports/ports.hpp"

#include <optional>
#include <vector>

namespace morvel {

/// The support dialog's current kind and stiffnesses.
struct SupportChoice {
    EdgeSupport kind = EdgeSupport::Hinged;
    float translational = 0.0f; ///< "Senksteifigkeit [kN/m]"
    float rotational = 0.0f;    ///< "Drehsteifigkeit [kNm/m]"
};

/// The kind preselected by the dialog: hinged for a floor slab, free for a ground slab.
EdgeSupport defaultSupportKind(SlabKind kind);

/// Assigns the choice to edge line index (0-based): the line and its owning element edge get the
/// code, the two end nodes get the fixities and springs of the kind.
void assignSupport(Model& m, std::size_t line, const SupportChoice& choice);

/// The outer outline as line indexes, traced counter-clockwise from the corner nearest
/// (-1000, -1000); ends joined within tolerance (a second try with 0.2 m). nullopt after a
/// message when the outline cannot be traced.
std::optional<std::vector<std::size_t>> traceBoundary(const Model& m, double tolerance,
                                                      ports::MessageBox& box);

/// "Ganzer Rand": the choice on every line of the outer outline, then the corner rule. Returns
/// the number of nodes that got the support; nullopt (nothing changed) when the outline cannot
/// be traced. The tolerance is bounded by half the shortest line of the mesh.
std::optional<int> assignWholeBoundary(Model& m, const SupportChoice& choice, double tolerance,
                                       ports::MessageBox& box);

/// At nodes used by exactly 1 or 3 elements, one held slope makes the other one held too.
void applyCornerRule(Model& m);

} // namespace morvel
