// The part of a load case's section in the load document that sums the generated nodal loads
// per kind, so that the engineer can set them beside the solver's load control.
#pragma once

#include "loads/generator/generated_loads.hpp"
#include "loads/slab_model.hpp"

#include <string>

namespace daskel {

/// The vertical force of the element and node load tables [kN]: area loads times element
/// areas, edge loads times edge lengths, and the nodal forces, as the solver sums them.
double tableForce(const SlabModel& model, const LoadTables& tables);

/// "Erzeugte Knotenlasten": the vertical force of each kind the load case has, their sum, the
/// tables' force and the whole vertical force; empty when the load case has no such kind.
std::string d2GeneratedPart(const GeneratedLoads& generated, double tables);

} // namespace daskel
