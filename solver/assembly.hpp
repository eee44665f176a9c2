// The global system of a slab: element matrices, assembly straight into the profile of the
// reduced system, springs, prescribed displacements, and the results of one solution.
#pragma once

#include "solver/model.hpp"
#include "solver/profile_solver.hpp"
#include "ports/ports.hpp"

#include <vector>

namespace slab {

/// Rows of the assembled stiffness at the held freedoms, sparse: each row lists the freedoms
/// of the nodes that share an element with the row's node, in increasing order.
struct HeldRows {
    std::vector<int> rowOf;          ///< per global freedom: its row, or -1 if it is free
    std::vector<int> dof;            ///< global freedom of each row
    std::vector<std::size_t> begin;  ///< row k holds cols/vals [begin[k], begin[k + 1])
    std::vector<int> cols;
    std::vector<double> vals;
};

/// The reduced system: free freedoms only, springs on the diagonal, prescribed displacements
/// moved to the right-hand side. Global freedom of node j (1-based), component k: 4 (j-1) + k.
struct ReducedSystem {
    std::vector<int> freeIndex; ///< per global freedom: row in the reduced system, or -1
    std::vector<int> freeDofs;  ///< global freedom of each reduced row
    ProfileMatrix matrix;       ///< under the row-start rule
    std::vector<double> load;   ///< F over all freedoms: nodal plus element loads
    std::vector<double> rhs;
    HeldRows held;
};

/// Seconds spent in each stage of form and solve.
struct StageTimes {
    double elementMatrices = 0, assembly = 0, factorisation = 0, substitution = 0, reactions = 0;
};

/// Fills the element stiffness (bedding added), bedding matrices and equivalent nodal loads.
void computeElementMatrices(SolverModel& m);

/// A spring on a held freedom, or a prescribed displacement on a free one: shows the message
/// and returns false.
bool checkSpringsAndSettlements(const SolverModel& m, ports::MessageBox& box);

/// Assembles the reduced system from the element matrices.
ReducedSystem assembleReducedSystem(const SolverModel& m);

/// From the reduced solution: displacements, reactions (spring forces included), spring forces
/// and the sums P, Sn and Ss.
void storeResults(SolverModel& m, const ReducedSystem& s, const std::vector<double>& solution);

/// The whole step: element matrices to reactions. Shows a message and returns false when the
/// model cannot be solved; then no displacement, reaction or spring force is changed.
bool formAndSolve(SolverModel& m, ports::MessageBox& box, ports::ProgressBar& progress,
                  StageTimes* times = nullptr);

} // namespace slab
