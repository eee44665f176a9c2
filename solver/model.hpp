// The solver's model: the tables of the model and load files and what a run computes from them.
#pragma once

#include "solver/element.hpp"
#include "solver/modelfiles/model_files.hpp"

#include <array>
#include <cstdint>
#include <vector>

namespace slab {

/// One slot of the node-to-element table: an element at the node and the node's corner (1 to 4)
/// in it; 0 and 0 when empty.
struct NodeElementSlot {
    int element = 0;
    int corner = 0;
};
/// Slots 1 to 4 of one node (slot 0 unused): a conforming rectangular mesh has at most four
/// elements at a node.
using NodeElementRow = std::array<NodeElementSlot, 5>;

/// Per element: mxx, myy, mxy, M1, M2, phi, qx, qy, Q1 at the centre (0 to 8), then mxx, myy,
/// mxy, M1, M2 and phi at the four quarter points (10 + 5 i to 13 + 5 i).
using ElementResultRow = std::array<double, 39>;
/// Per node: w, w,x, w,y, w,xy (1 to 4), then the averaged mxx, myy, mxy, M1, M2, phi, qx, qy,
/// Q1 (5 to 13); index 0 unused.
using NodeResultRow = std::array<double, 14>;

/// Load case ph of one element: the load density, the edge table T and the outward normals.
struct ElementPhRow {
    std::array<double, 5> ph{}; ///< p_h at corners 1 to 4 and the centre (bedding included)
    std::array<double, 162> t{}; ///< T, see ph_load_case.hpp for its indexes
    std::array<float, 4> nx{}, ny{}; ///< outward normals of edges 1 to 4
};

/// An edge of the mesh: inner edges have two elements, outer edges one (second element 0).
struct MeshEdge {
    float xStart = 0, xEnd = 0, yStart = 0, yEnd = 0;
    // 16 bits as in the edge files; node and element numbers stay below the capacity of 3000.
    std::int16_t firstElement = 0, secondElement = 0;
    std::int16_t firstEdge = 0, secondEdge = 0; ///< local edge numbers in the two elements
    std::int16_t startNode = 0, endNode = 0;
};

/// Values of load cases p and ph along one edge, at the five edge points; for inner edges the
/// sums over both elements.
struct EdgeRow {
    std::array<double, 12> load{};   ///< 7 to 11: line load of load case p
    std::array<double, 19> values{}; ///< 1-5 Mn, 7-11 Mnt, 13-17 Vn, 18 resultant of ph
};

/// Control sums of load case ph.
struct PhSums {
    double freeCorners = 0, heldCorners = 0, elementLoads = 0;
    double freeOuterEdges = 0, heldOuterEdges = 0, freeInnerEdges = 0, heldInnerEdges = 0;
    double allFree = 0, allHeld = 0, all = 0;
};

/// Tables numbered from 1 with room for the model capacity; a run overwrites the rows it reads.
struct SolverModel {
    int nodeCount = 0;
    int elementCount = 0;
    int beamCount = 0; ///< downstand beams: no file fills this table, so always 0

    RecordTable<NodeRecord> nodes = RecordTable<NodeRecord>(kMaxNodes + 1);
    RecordTable<ElementRecord> elements = RecordTable<ElementRecord>(kMaxElements + 1);
    RecordTable<SpringRecord> springs = RecordTable<SpringRecord>(kMaxNodes + 1);
    RecordTable<BeddingRecord> bedding = RecordTable<BeddingRecord>(kMaxElements + 1);
    RecordTable<ElementLoadRecord> elementLoads = RecordTable<ElementLoadRecord>(kMaxElements + 1);
    RecordTable<NodalLoadRecord> nodalLoads = RecordTable<NodalLoadRecord>(kMaxNodes + 1);

    /// Element stiffness with bedding added, per element 1 to NE (row 0 unused).
    std::vector<ElementMatrix> stiffness;
    /// w, w,x, w,y, w,xy per node 1 to NN (row 0 unused).
    std::vector<std::array<double, 4>> displacement;

    double totalLoad = 0.0;       ///< P: the vertical load of the load case
    double equivalentSum = 0.0;   ///< Sn: the sum of the equivalent nodal forces on w
    double supportSum = 0.0;      ///< Ss: the sum of the reactions on w, spring forces included

    // Filled after the solution by the stress resultants and load case ph; rows numbered
    // from 1 like the tables above, edges from 0.
    std::vector<NodeElementRow> nodeElements;    ///< per node 1 to NN
    std::vector<ElementResultRow> elementResults; ///< per element 1 to NE
    std::vector<NodeResultRow> nodeResults;       ///< per node 1 to NN
    std::vector<ElementPhRow> elementPh;          ///< per element 1 to NE
    std::vector<double> beddingForce;             ///< per element: -lx ly c w(centre), else 0
    std::vector<MeshEdge> innerEdges, outerEdges;
    std::vector<EdgeRow> innerEdgeRows, outerEdgeRows; ///< one per edge, same order
    std::vector<double> cornerForce;              ///< per node: sum of the ph corner forces
    PhSums phSums;
};

/// Element lengths in x and y (edges 1 and 2), rounded to single precision as the element
/// formulas use them.
struct ElementSize {
    double lx = 0.0, ly = 0.0;
};
ElementSize elementSize(const SolverModel& m, int element);

/// Length of edge 1 to 4 of an element: x2 - x1, y3 - y2, x3 - x4, y4 - y1.
double edgeLength(const SolverModel& m, int element, int edge);

/// The 16 nodal values of an element from the current displacements.
ElementVector elementDisplacements(const SolverModel& m, int element);

} // namespace slab
