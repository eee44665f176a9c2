// The model of the position as the load editor reads it: nodes and elements of the geometry,
// and the element and node load tables of the open load case.
#pragma once

#include "solver/modelfiles/elemente1.hpp"
#include "solver/modelfiles/elemente2lf.hpp"
#include "solver/modelfiles/knoten1.hpp"
#include "solver/modelfiles/knoten2lf.hpp"
#include "solver/modelfiles/record_file.hpp"

namespace daskel {

struct SlabModel {
    int nodeCount = 0;
    int elementCount = 0;
    slab::RecordTable<slab::NodeRecord> nodes{1};       ///< rows 1 to nodeCount
    slab::RecordTable<slab::ElementRecord> elements{1}; ///< rows 1 to elementCount
};

/// The loads the solver reads for one load case: rows 1 to the element and node counts.
struct LoadTables {
    slab::RecordTable<slab::ElementLoadRecord> elementLoads{1};
    slab::RecordTable<slab::NodalLoadRecord> nodeLoads{1};
};

} // namespace daskel
