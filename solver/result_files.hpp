// Writing the twelve binary result files of a run; their record layouts are shared with the
// readers in solver/modelfiles/result_layouts.hpp.
#pragma once

#include "solver/model.hpp"
#include "solver/modelfiles/result_layouts.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace slab {

/// The Info block of the model.
std::vector<std::uint8_t> encodeInfo(const SolverModel& m);

/// Writes the twelve files in their order into dir; a file that cannot be written is skipped.
/// Returns the names of the files not written.
std::vector<std::string> writeResultFiles(const SolverModel& m, const std::string& dir, int loadCase);

} // namespace slab
