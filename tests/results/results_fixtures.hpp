// Small models for the result tests: a single element or a regular mesh with a given field.
#pragma once

#include "solver/example_slab.hpp"
#include "solver/model.hpp"

#include <array>
#include <functional>
#include <memory>

namespace resultfixtures {

/// w, w,x, w,y, w,xy of a field at (x, y).
using Field = std::function<std::array<double, 4>(double x, double y)>;

inline constexpr double kE = 30000.0, kThickness = 0.25, kNu = 0.2;

/// D of kE, kThickness and kNu by hand: E t³ / (12 (1 - nu²)).
inline double rigidity() { return kE * kThickness * kThickness * kThickness / (12 * (1 - kNu * kNu)); }

/// A regular nx x ny mesh of elements lx x ly, numbered in rows from the lower left, free
/// nodes, no loads.
inline std::unique_ptr<slab::SolverModel> mesh(int nx, int ny, double lx, double ly) {
    auto m = std::make_unique<slab::SolverModel>();
    slab::ExampleSlab s;
    s.nx = nx;
    s.ny = ny;
    s.width = nx * lx;
    s.height = ny * ly;
    s.e = kE;
    s.nu = kNu;
    s.thickness = kThickness;
    s.areaLoad = 0;
    slab::buildExampleSlab(s, *m);
    for (int j = 1; j <= m->nodeCount; ++j) m->nodes[j].code = {0, 0, 0, 0};
    m->displacement.assign(static_cast<std::size_t>(m->nodeCount) + 1, {});
    return m;
}

/// Sets the nodal values of every node from the field.
inline void setField(slab::SolverModel& m, const Field& f) {
    for (int j = 1; j <= m.nodeCount; ++j) m.displacement[j] = f(m.nodes[j].x, m.nodes[j].y);
}

} // namespace resultfixtures
