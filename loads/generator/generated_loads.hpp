// Loads that reach the solver: the area, triangular, line, point and edge loads and the
// temperature of a load case turned into work-equivalent nodal loads on w, w,x, w,y and w,xy.
#pragma once

#include "loads/load_case.hpp"
#include "loads/outline/slab_outline.hpp"
#include "loads/slab_model.hpp"

#include <array>
#include <string>
#include <vector>

namespace daskel {

/// The kinds of loads the generator turns into nodal loads, in the order of the load document.
enum class GeneratedKind { Area, Triangular, Line, Point, Edge, Temperature };
inline constexpr int kGeneratedKinds = 6;

/// The nodal loads P [kN], Mx, My [kNm] and Mxy [kNm²] of one node, the work of the loads on
/// its w, w,x, w,y and w,xy.
using NodalLoads = std::array<double, 4>;

struct GeneratedLoads {
    std::vector<NodalLoads> nodes; ///< rows 1 to the node count (row 0 unused)
    /// Per kind: whether the load case has such loads, and the vertical force they put on the
    /// slab [kN] (moments and temperature put none).
    std::array<bool, kGeneratedKinds> present{};
    std::array<double, kGeneratedKinds> force{};
    /// One German sentence for each load left out or cut: off the slab, an imposed deformation,
    /// values that do not fit.
    std::vector<std::string> notices;

    /// True when some kind is present: the load document then shows the sums.
    bool anyKind() const;
    /// True when some node carries a load other than 0.
    bool anyLoad() const;
    /// The sum of the vertical forces of all kinds [kN].
    double totalForce() const;
};

/// Generates the nodal loads of a prepared load case (prepareLoadCase: planes, closed polygons,
/// no direction on forces) on the model. Self weight, surcharge and a constant uniform load
/// reach the solver as element loads and are not generated again; the triangular load p =
/// po·x is generated only without self weight (with it the load echo holds no triangular
/// load). Kinks, rotations and offsets are imposed deformations: they are named in a notice
/// and not generated. Openings carry nothing; the part of a load on no element is named.
GeneratedLoads generateLoads(const LoadCase& lc, const SlabModel& model,
                             const SlabOutline& outline);

/// When the generated loads of a node added to the node loads entered (rows 1 to the node
/// count) exceed the single precision the solver reads them in, drops all generated loads and
/// says so in a notice; true when they fit.
bool keepWithinSinglePrecision(GeneratedLoads& generated,
                               const slab::RecordTable<slab::NodalLoadRecord>& entered);

/// The name of a kind as the load document lists it.
const char* kindName(GeneratedKind kind);

} // namespace daskel
