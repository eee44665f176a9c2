// Questions about the model that the pictures and the values ask.
#include "viewer/result_set.hpp"

namespace viewer {

bool ResultSet::bedded() const {
    for (int e = 1; e <= elementCount(); ++e)
        if (element(e).bedding != 0.0) return true;
    return false;
}

bool ResultSet::hasReaction(int j) const {
    const Node& n = node(j);
    return n.code[0] == kHeldWithReaction || n.spring[0] != 0.0;
}

} // namespace viewer
