// The minimum and maximum of a quantity with their places.
#pragma once

#include "viewer/quantity.hpp"
#include "viewer/result_set.hpp"

#include <optional>

namespace viewer {

struct Extreme {
    double value = 0;
    XY at{};
};

struct Extremes {
    Extreme min, max;
};

/// An extreme inside an element replaces one at a node only when it exceeds it by more than
/// this share of the field's size: on a symmetric slab the node keeps it against round-off.
inline constexpr double kInteriorGain = 1e-9;

/// The extremes of a quantity. The stress resultants take the values the solver wrote (nodal
/// averages, element centres, quarter points), between which the field is linear; w and the
/// soil pressure search the Hermite interpolation of each element, nodes first; the reactions
/// take F at the nodes that have one. On equal values the first place in that order wins.
/// nullopt when the quantity has no value (no node with a reaction).
std::optional<Extremes> extremaOf(const ResultSet& r, Quantity q);

} // namespace viewer
