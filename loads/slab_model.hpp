// The model of the position as the load editor reads it: nodes and elements of the geometry,
// and the element and node load tables of the open load case.
#pragma once

#include "solver/modelfiles/elemente1.hpp"
#include "solver/modelfiles/elemente2lf.hpp"
#include "solver/modelfiles/knoten1.hpp"
#include "solver/modelfiles/knoten2lf.hpp"
#include "solver/modelfiles/record_file.hpp"

#include <string>
#include <vector>

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

/// Reads PARAMETER, KNOTEN1 and ELEMENTE1 of the position directory. A missing PARAMETER gives
/// an empty model. Counts outside 0 to 3000, files shorter than their counts and elements whose
/// corners are not nodes of the model are described in `problems` and also give an empty
/// model, so that no load can be put on a damaged mesh.
SlabModel readSlabModel(const std::string& positionDirectory, std::vector<std::string>& problems);

} // namespace daskel
