// The hatch of an area load: segments of lines at 45 degrees inside its polygon, spaced at one
// hundredth of the slab's extent, for the drawing (SBLNS).
#pragma once

#include "loads/load_case.hpp"
#include "loads/macros/macro_files.hpp"
#include "loads/outline/slab_outline.hpp"

#include <vector>

namespace daskel {

/// Most crossings of one hatch line with a polygon that are kept.
inline constexpr int kMaxHatchCrossings = 100;
/// The hatch lines are spaced at this share of the larger side of the slab's extent.
inline constexpr double kHatchSpacing = 0.01;

/// The hatch segments of an area load. The spacing comes from the extent of the outline's
/// section starts, or of the area itself when the slab has no outline. Each line y = x + c
/// crosses an edge when its ends lie on different sides of it (an end on the line counts with
/// the side below), so a line through a corner crosses once and a line touching a corner twice
/// at one point or not at all; the crossings, sorted along the line, pair up into segments, and
/// segments of no length are left out.
std::vector<HatchSegment> hatchSegments(const AreaLoad& area, const SlabOutline& outline);

} // namespace daskel
