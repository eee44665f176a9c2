// The seven model and load files of a position: names, record tables, readers and writers.
#pragma once

#include "solver/modelfiles/bettung1.hpp"
#include "solver/modelfiles/elemente1.hpp"
#include "solver/modelfiles/elemente2lf.hpp"
#include "solver/modelfiles/feder1.hpp"
#include "solver/modelfiles/knoten1.hpp"
#include "solver/modelfiles/knoten2lf.hpp"
#include "solver/modelfiles/parameter.hpp"
#include "solver/modelfiles/record_file.hpp"

#include <string_view>

namespace slab::files {

// Spellings of the editors, who create the files; lookup ignores letter case.
inline constexpr std::string_view kParameter = "PARAMETER";
inline constexpr std::string_view kNodes = "KNOTEN1";
inline constexpr std::string_view kElements = "ELEMENTE1";
inline constexpr std::string_view kSprings = "FEDER1";
inline constexpr std::string_view kBedding = "BETTUNG1";
inline constexpr std::string_view kElementLoads = "ELEMENTE2LF"; ///< + load case number
inline constexpr std::string_view kNodalLoads = "KNOTEN2LF";     ///< + load case number

} // namespace slab::files
