// A field quantity over the whole slab as one triangulation with a value at every vertex:
// the ground on which bands and iso-lines are drawn.
#pragma once

#include "viewer/quantity.hpp"
#include "viewer/result_set.hpp"

#include <array>
#include <vector>

namespace viewer {

/// Vertices with their values and counter-clockwise triangles. Neighbouring elements share the
/// vertices of their common side where the field is continuous there (all quantities but a
/// soil pressure under different bedding moduli), so that only the slab's outline and such
/// jumps remain as boundary.
struct FieldMesh {
    std::vector<XY> points;
    std::vector<double> values;
    std::vector<std::array<int, 3>> triangles;
    /// Sides of triangles that no other triangle shares, directed with the field on the left.
    std::vector<std::array<int, 2>> boundary;
};

/// Sub-cells along each element side for the deflection and the soil pressure: finer for
/// small meshes, at least 2, so that a picture holds some 30000 cells at the most.
int deflectionSubdivision(int elementCount);

/// The triangulation of a field quantity (isField(q)). The deflection and the soil pressure
/// sample the Hermite interpolation on subdivisions x subdivisions cells per element, each cut
/// into four triangles about its centre; the stress resultants take the element patches.
FieldMesh fieldMesh(const ResultSet& r, Quantity q, int subdivisions);

} // namespace viewer
