// A rectangular slab on a regular mesh, written as a position: the demo and benchmark input.
#pragma once

#include "solver/model.hpp"

#include <string>

namespace slab {

struct ExampleSlab {
    int nx = 8, ny = 6;                 ///< elements in x and y
    double width = 8.0, height = 6.0;   ///< m
    double e = 30000000.0, nu = 0.2, thickness = 0.2;
    double areaLoad = 10.0;             ///< kN/m²
    /// Boundary codes on the edges: hinged holds w and the tangential slope; clamped holds
    /// every freedom.
    bool clamped = false;
};

/// Fills the model tables with the mesh of the slab, nodes row by row from the lower left.
void buildExampleSlab(const ExampleSlab& slab, SolverModel& m);

/// Writes PARAMETER, KNOTEN1, ELEMENTE1, FEDER1, BETTUNG1, ELEMENTE2LF<n> and KNOTEN2LF<n>
/// into dir (which must exist). Returns false if a file cannot be written.
bool writeModelFiles(const SolverModel& m, const std::string& dir, int loadCase);

} // namespace slab
