// Shared by the generator's tests: the nodal loads the solver forms from element loads, by the
// element load table worked out by hand, with which generated loads are compared.
#pragma once

#include "loads/generator/generated_loads.hpp"
#include "loads/slab_model.hpp"

#include <vector>

namespace loadtest {

using Nodes = std::vector<daskel::NodalLoads>;

/// The equivalent nodal loads of uniform element loads q[e] (e = 1 to the element count) by the
/// element load table (q·lx·ly/4, ±q·lx²·ly/24, ±q·lx·ly²/24, ±q·lx²·ly²/144 per corner), with
/// lengths in single precision as the solver's element takes them, gathered at the nodes.
inline Nodes elementLoadVector(const daskel::SlabModel& m, const std::vector<double>& q) {
    Nodes nodes(static_cast<std::size_t>(m.nodeCount) + 1, daskel::NodalLoads{});
    const double sx[4] = {1, -1, -1, 1}, sy[4] = {1, 1, -1, -1};
    for (int e = 1; e <= m.elementCount; ++e) {
        const auto& el = m.elements[e];
        const double lx = static_cast<float>(m.nodes[el.node[1]].x - m.nodes[el.node[0]].x);
        const double ly = static_cast<float>(m.nodes[el.node[2]].y - m.nodes[el.node[1]].y);
        for (int c = 0; c < 4; ++c) {
            daskel::NodalLoads& n = nodes[el.node[c]];
            n[0] += q[e] * lx * ly / 4;
            n[1] += sx[c] * q[e] * lx * lx * ly / 24;
            n[2] += sy[c] * q[e] * lx * ly * ly / 24;
            n[3] += sx[c] * sy[c] * q[e] * lx * lx * ly * ly / 144;
        }
    }
    return nodes;
}

/// Adds the loads of a constant line load q on edge 3 (corner 3 to corner 4, the upper edge) of
/// element e by the table: q·lx/2 on both w, ∓q·lx²/12 on their w,x.
inline void addUpperEdgeLoad(Nodes& nodes, const daskel::SlabModel& m, int e, double q) {
    const auto& el = m.elements[e];
    const double lx = static_cast<float>(m.nodes[el.node[1]].x - m.nodes[el.node[0]].x);
    nodes[el.node[2]][0] += q * lx / 2;
    nodes[el.node[2]][1] += -q * lx * lx / 12;
    nodes[el.node[3]][0] += q * lx / 2;
    nodes[el.node[3]][1] += q * lx * lx / 12;
}

} // namespace loadtest
