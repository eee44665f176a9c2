// The checks that open every save: lengths of area edges and line loads, the orientation of
// area loads, and the openings of the slab inside each area load.
#pragma once

#include "loads/macros/load_macros.hpp"

namespace daskel {

/// Closes and measures every area polygon, measures every line load, stores each area's signed
/// area less the openings lying inside it with their list, and counts those openings. Returns
/// the messages for zero lengths and clockwise areas of load case n.
std::vector<Notice> checkLoadCase(LoadCase& lc, const SlabOutline& outline, int n);

} // namespace daskel
