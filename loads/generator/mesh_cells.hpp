// The elements as the load generator sees them: their rectangles, the local coordinates of the
// solver's element, their plate stiffness, the columns of elements sharing an x range, and
// where a point or a segment meets them.
#pragma once

#include "loads/generator/clipping.hpp"
#include "loads/outline/polygon.hpp"
#include "loads/slab_model.hpp"
#include "shape/load_integrals.hpp"

#include <array>
#include <cstddef>
#include <vector>

namespace daskel {

/// A point or a segment this close to an element counts as on it [m]: a tenth of the millimetre
/// the load echo keeps, and above the single-precision rounding of coordinates up to a
/// kilometre (6e-5 m), with which loads are stored.
inline constexpr double kOnSlabTolerance = 1e-4;

/// One element, a closed axis-parallel rectangle from corner 1 to corner 3.
struct Cell {
    int element = 0;
    std::array<int, 4> node{}; ///< corner nodes counter-clockwise from the lower left
    Rectangle rect;
    /// The lengths in x and y rounded to single precision, as the solver's element uses them;
    /// local coordinates are scaled onto them, so that corner 3 lies at (a, b) exactly.
    double a = 0, b = 0;
    double d = 0, nu = 0; ///< plate stiffness [kNm] and Poisson's ratio
    double thickness = 0; ///< [m]

    /// The point in local coordinates, held to the element (points within kOnSlabTolerance).
    shape::LocalPoint localPoint(PlanePoint p) const;
    /// The load plane p0 + a·x + b·y [kN/m²] in local coordinates.
    shape::LinearLoad localLoad(const LoadPlane& plane) const;
    /// The rectangle widened by kOnSlabTolerance.
    bool nearlyHolds(PlanePoint p) const;
};

/// Elements that share their x range, lowest first.
struct CellColumn {
    double x1 = 0, x2 = 0;
    std::vector<std::size_t> cells; ///< indexes into MeshCells::cells, by y
};

struct MeshCells {
    std::vector<Cell> cells;         ///< in element order
    std::vector<CellColumn> columns; ///< by x
};

/// The cells of the model's elements. Elements without positive lengths (which a mesh read by
/// readSlabModel does not have) are left out.
MeshCells meshCells(const SlabModel& model);

/// The first cell in element order whose rectangle holds p, else the first within
/// kOnSlabTolerance of it; nullptr when p lies on no element.
const Cell* cellAt(const MeshCells& mesh, PlanePoint p);

/// A stretch t0 ≤ t ≤ t1 of a segment a + t·(b − a) within one cell, or on none (cell nullptr).
struct SegmentPiece {
    const Cell* cell = nullptr;
    double t0 = 0, t1 = 0;
};

/// The segment from a to b (a ≠ b) cut into stretches, each on exactly one element (where
/// elements share an edge along the segment, the first in element order carries it) or on
/// none, in order from a to b.
std::vector<SegmentPiece> piecesAlong(const MeshCells& mesh, PlanePoint a, PlanePoint b);

} // namespace daskel
