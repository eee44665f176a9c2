// The load editor's plan: the mesh with the loads of the open load case, its title lines, the
// element loads shaded by value with their legend, and the corners of a load being drawn.
#pragma once

#include "common/world_rect.hpp"
#include "scene/scene.hpp"

#include <string>
#include <vector>

namespace daskel {
struct SlabModel;
struct LoadCase;
struct LoadTables;
struct SlabOutline;
} // namespace daskel

namespace scene {

/// The display switches and the font of the load plan.
struct LoadPlanOptions {
    bool nodeNumbers = false;    ///< "Numerierung Knoten"
    bool elementNumbers = false; ///< "Numerierung Elemente"
    double fontSize = 9;         ///< the height of values and numbers [points]
};

/// What the plan shows: the mesh, the open load case with its element and node loads, and the
/// outline whose sections carry the edge loads.
struct LoadPlanData {
    const daskel::SlabModel& model;
    const daskel::LoadCase& loadCase;
    const daskel::LoadTables& loads;
    const daskel::SlabOutline& outline;
};

/// One shade of the element loads: the values from `low` to `high` [kN/m²] in `colour`.
struct LoadClass {
    double low = 0, high = 0;
    Color colour{};

    friend bool operator==(const LoadClass&, const LoadClass&) = default;
};

/// Most shades of the legend: more distinct element loads fall into this many equal ranges.
inline constexpr int kMaxLoadClasses = 8;

/// The shades of the element loads other than 0, in rising order: one per distinct value when
/// there are at most kMaxLoadClasses, else kMaxLoadClasses equal ranges from the least to the
/// greatest. Downward loads run from light to dark orange, upward ones in blues.
std::vector<LoadClass> elementLoadClasses(const daskel::LoadTables& loads, int elementCount);

/// The index of the shade a value falls in; -1 for 0 and for a value outside every shade.
int loadClassOf(const std::vector<LoadClass>& classes, double value);

/// The title of the plan, "BELASTUNG IM LF %i".
std::string loadPlanTitle(int loadCase);

/// The uniform load as the plan writes it, "Gleichlast p = %.2f kN/m2" (or the triangular load
/// "Dreieckslast po = %.2f kN/m2 * x"); empty when the load case has none.
std::string uniformLoadText(const daskel::LoadCase& lc);

/// The extent of the whole drawing: the mesh and every load, with room above for the title
/// lines and on the right for the legend. A drawing without any of them gives 0..10 × 0..10.
slab::WorldRect loadPlanExtents(const LoadPlanData& data);

/// The plan within `bounds` (the world window shown), in painting order: the shaded elements,
/// the mesh lines and the slab's outline, the hatched area loads, line loads, edge loads on
/// boundary sections and on element edges, point loads, node symbols, the numbers, the title
/// lines and the legend. Every load carries its value as a text.
Scene loadPlan(const LoadPlanData& data, const slab::WorldRect& bounds,
               const LoadPlanOptions& options);

/// The corners of a load being drawn with the mouse: a cross at each and a dashed line through
/// them, back to the first when `closed`.
void addSketch(Scene& s, const std::vector<Point>& corners, bool closed);

} // namespace scene
