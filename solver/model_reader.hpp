// Reading a position's model and one load case into the solver's tables, with every check
// that keeps a damaged file from being computed.
#pragma once

#include "solver/model.hpp"
#include "ports/ports.hpp"

#include <string>

namespace slab {

/// Title of the solver's message boxes.
inline constexpr const char* kSolverTitle = "Vintor";

/// Reads PARAMETER, KNOTEN1, ELEMENTE1, FEDER1, BETTUNG1 and the two load files of loadCase
/// from positionDir (plain concatenation with the file names). Shows a message and returns
/// false on the first problem.
bool readModel(const std::string& positionDir, int loadCase, SolverModel& m, ports::MessageBox& box);

/// Checks what the element formulas rely on: corner nodes within the node count, four
/// different corners, positive lengths in x and y. Shows a message naming the element.
bool checkElements(const SolverModel& m, ports::MessageBox& box);

} // namespace slab
