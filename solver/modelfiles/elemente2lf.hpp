// ELEMENTE2LF<n>: one 92-byte record per element, the element loads of load case n.
#pragma once

#include <array>
#include <cstddef>

namespace slab {

struct ElementLoadRecord {
    static constexpr std::size_t kSize = 92;
    static constexpr std::size_t kAreaLoad = 0;       ///< kN/m², positive along w
    static constexpr std::size_t kEdgeLoad = 2;       ///< line load of edge 1; edges 2 to 4 follow
    static constexpr std::size_t kEquivalentLoad = 7; ///< element DOF i at 6 + i (memory only)
    std::array<float, 23> v{};

    template <class Self, class F> static void fields(Self& r, F&& f) { f(0, r.v); }
};

} // namespace slab
