// The slab's outline as the load macros need it, derived from the mesh: boundary curves (the
// outer boundary and each opening as a closed chain of straight sections) and domains.
#pragma once

#include "loads/echo/echo_file.hpp"
#include "loads/slab_model.hpp"

#include <vector>

namespace daskel {

/// A straight section of a boundary curve: a maximal straight run of outer element edges.
struct OutlineSection {
    int boundary = 1;                      ///< the number of its curve
    int section = 1;                       ///< its number along the curve, from 1
    double xa = 0, ya = 0, xb = 0, yb = 0; ///< start and end [m], in the curve's direction
    double nx = 0, ny = 0;                 ///< unit normal (dy/L, -dx/L), pointing off the slab
    double length = 0;                     ///< [m]
    int subdivisions = 0;                  ///< element edges along it
    int firstElement = 0;                  ///< the element along its first edge
};

/// A closed boundary curve. The slab lies on the left of its sections: an outer boundary runs
/// counter-clockwise, an opening clockwise.
struct BoundaryCurve {
    int number = 1;
    bool opening = false;
    std::vector<OutlineSection> sections;
    double refX = 0, refY = 0; ///< a point inside the curve (inside the opening for an opening)
    double area = 0;           ///< enclosed area, signed: negative for an opening [m²]
    int domain = 1;            ///< the domain of the slab along its first section
    int lowestElement = 0;     ///< the lowest element number along the curve
};

/// A region of equal thickness: edge-connected elements of the same thickness.
struct Domain {
    int number = 1;
    double thickness = 0; ///< [m]
    double area = 0;      ///< [m²]
    int elementCount = 0;
    int lowestElement = 0;
    double xmin = 0, ymin = 0, xmax = 0, ymax = 0; ///< extent of its elements [m]
    bool columnHead = false;                       ///< a column head region (the mesh has none)
    int column = 0;                                ///< its column when a column head
};

/// Boundary curves, domains and the counts of columns and walls of a slab.
///
/// Numbering, fixed so that a user can name an edge load's place: outer boundaries first, then
/// openings, each group in the order of the lowest element number along the curve; the
/// sections of a curve in its own direction (outer boundaries counter-clockwise, openings
/// clockwise), section 1 starting at the curve's lowest corner (least y, then least x).
/// Domains are numbered in the order of their lowest element number.
struct SlabOutline {
    std::vector<BoundaryCurve> curves; ///< curve k is curves[k - 1]
    std::vector<Domain> domains;       ///< domain d is domains[d - 1]
    int columns = 0;                   ///< the mesh has no columns
    int walls = 0;                     ///< nor walls

    /// The section, or nullptr when the slab has no such boundary or section.
    const OutlineSection* section(int boundary, int section) const;
    /// The mean boundary segment length h: all section lengths over all subdivisions; 0
    /// without a boundary.
    double meanSegmentLength() const;
    /// The sections and domain count as the load echo matches edge loads against them.
    EchoGeometry echoGeometry() const;
};

/// Derives the outline from the mesh. Two elements that only touch at a corner lie on separate
/// curves there. An empty model has no curves and no domains.
SlabOutline deriveOutline(const SlabModel& model);

} // namespace daskel
