// The model of the open position as the overview drawing and the duplication need it: the
// counts of PARAMETER and the records of KNOTEN1, FEDER1, ELEMENTE1 and BETTUNG1.
#pragma once

#include "ports/ports.hpp"
#include "solver/modelfiles/model_files.hpp"

#include <optional>
#include <string>

namespace tarvik {

/// The rectangle around all node coordinates [m].
struct Bounds {
    double xMin = 0.0, yMin = 0.0, xMax = 0.0, yMax = 0.0;
    bool operator==(const Bounds&) const = default;
};

/// The model arrays, numbered from 1. A table is held only when its file had every record the
/// counts ask for, so that rows of another position or zero rows never pass for the model.
struct PositionModel {
    int nodeCount = 0;
    int elementCount = 0;
    std::optional<slab::RecordTable<slab::NodeRecord>> nodes;
    std::optional<slab::RecordTable<slab::SpringRecord>> springs;
    std::optional<slab::RecordTable<slab::ElementRecord>> elements;
    std::optional<slab::RecordTable<slab::BeddingRecord>> bedding;
    std::optional<Bounds> bounds; ///< when the nodes were read
    bool hasModel() const { return nodeCount > 0; }
};

/// Reads the model of a position directory. A missing PARAMETER or model file is no error;
/// counts outside 0 to 3000 or a PARAMETER shorter than its record are reported under
/// "Fehler" and give the empty model.
PositionModel readPositionModel(const std::string& positionDirectory, ports::MessageBox& box);

/// Writes KNOTEN1, ELEMENTE1, FEDER1 and BETTUNG1 of the tables held (PARAMETER is not
/// written). Returns the names of the files that could not be written.
std::vector<std::string> writeModelArrays(const PositionModel& m,
                                          const std::string& positionDirectory);

} // namespace tarvik
