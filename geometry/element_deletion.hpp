// Deleting elements: one element or all elements in a window, and the
// renumbering of the nodes through the scratch file KTEMP.
#pragma once

#include "geometry/model.hpp"

#include <string>
#include <vector>

namespace morvel {

inline constexpr std::string_view kScratchFile = "KTEMP";

/// The elements whose four corner nodes all lie in the window (corners in any order).
std::vector<int> elementsInWindow(const Model& m, double x1, double y1, double x2, double y2);

/// Removes the elements (numbers 1..count; others ignored) and renumbers the nodes in the order
/// of first use by the remaining elements; each surviving node keeps its fixities and springs.
/// The corners go through KTEMP in the position directory. Returns the number removed.
int deleteElements(Model& m, const std::vector<int>& numbers, const std::string& positionDirectory);

} // namespace morvel
