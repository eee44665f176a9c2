// Element geometry and nodal values drawn from the solver's tables.
#include "solver/model.hpp"

namespace slab {

ElementSize elementSize(const SolverModel& m, int element) {
    return {static_cast<float>(edgeLength(m, element, 1)),
            static_cast<float>(edgeLength(m, element, 2))};
}

double edgeLength(const SolverModel& m, int element, int edge) {
    const auto& n = m.elements[element].node;
    const auto& k = m.nodes;
    switch (edge) {
    case 1: return k[n[1]].x - k[n[0]].x;
    case 2: return k[n[2]].y - k[n[1]].y;
    case 3: return k[n[2]].x - k[n[3]].x;
    default: return k[n[3]].y - k[n[0]].y;
    }
}

ElementVector elementDisplacements(const SolverModel& m, int element) {
    ElementVector u{};
    for (int c = 0; c < 4; ++c) {
        const auto& d = m.displacement[m.elements[element].node[c]];
        for (int k = 0; k < 4; ++k) u[4 * c + k] = d[k];
    }
    return u;
}

} // namespace slab
