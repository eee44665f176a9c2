// The solver's model: the tables of the model and load files and what a run computes from them.
#pragma once

#include "solver/element.hpp"
#include "solver/modelfiles/model_files.hpp"

#include <array>
#include <vector>

namespace slab {

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
