// The outline of the slab: the closed loops of the element sides that no other element shares,
// around the slab and around each opening.
#pragma once

#include "viewer/result_set.hpp"

#include <vector>

namespace viewer {

/// The outline loops, outlines counter-clockwise and openings clockwise, each a closed loop
/// whose last point joins the first; together they enclose the slab by the even-odd rule.
std::vector<std::vector<XY>> slabOutline(const ResultSet& r);

/// The sides of the elements that no other element shares: element and side (0 to 3).
struct OuterSide {
    int element = 0;
    int side = 0;
};
std::vector<OuterSide> outerSides(const ResultSet& r);

} // namespace viewer
