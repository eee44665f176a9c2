// Filled bands and iso-lines of a field drawn on its triangulation: each band as the closed
// loops of its boundary, each iso-line as polylines, all in the slab's coordinates.
#pragma once

#include "viewer/field_mesh.hpp"
#include "viewer/levels.hpp"

#include <vector>

namespace viewer {

/// The part of the slab whose values lie in one band: closed loops (the last point joins the
/// first) that enclose it by the even-odd rule: outlines counter-clockwise, holes clockwise.
struct BandRegion {
    int band = 0;
    std::vector<std::vector<XY>> loops;
};

/// The line where the field equals one threshold, with the higher values on its left.
struct IsoLine {
    int threshold = 0; ///< index into Levels::thresholds
    double value = 0;
    std::vector<std::vector<XY>> lines;
};

struct Contours {
    std::vector<BandRegion> bands; ///< the bands that occur, in ascending order
    std::vector<IsoLine> isoLines; ///< the thresholds that occur, in ascending order
};

/// The bands and iso-lines of a field linear on each triangle. A vertex counts to the band of
/// its value, a value on a threshold to the band above it.
Contours contour(const FieldMesh& mesh, const Levels& levels);

} // namespace viewer
