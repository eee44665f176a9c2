// The text report OUTPUTFEM.txt of a run.
#pragma once

#include "solver/model.hpp"

#include <string>

namespace slab {

inline constexpr const char* kReportFileName = "OUTPUTFEM.txt";

/// Share of |P| below which the differences of the global load control count as balanced.
inline constexpr double kEquilibriumShare = 0.01;

/// True when P, Sn, Ss and the total of load case ph agree within kEquilibriumShare of P;
/// never for P = 0.
bool globalEquilibrium(const SolverModel& m);

/// The whole report of load case loadCase, lines ending in "\n".
std::string formatReport(const SolverModel& m, int loadCase);

/// Writes the report into dir as one file; false if it cannot be written.
bool writeReport(const SolverModel& m, const std::string& dir, int loadCase);

} // namespace slab
