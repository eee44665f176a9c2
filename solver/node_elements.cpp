// Node-to-element table in one pass over the elements.
#include "solver/node_elements.hpp"

namespace slab {

std::vector<NodeElementRow> buildNodeElements(const SolverModel& m) {
    std::vector<NodeElementRow> table(static_cast<std::size_t>(m.nodeCount) + 1);
    std::vector<int> used(table.size(), 0);
    // Visiting elements and corners in increasing order fills each node's slots in the order
    // a scan per node over all elements would.
    for (int k = 1; k <= m.elementCount; ++k) {
        for (int l = 1; l <= 4; ++l) {
            const int j = m.elements[k].node[l - 1];
            if (j < 1 || j > m.nodeCount || used[j] == 4) continue;
            table[j][++used[j]] = {k, l};
        }
    }
    return table;
}

int filledSlots(const NodeElementRow& row) {
    int n = 0;
    for (int s = 1; s <= 4; ++s) n += row[s].element != 0;
    return n;
}

} // namespace slab
