// KNOTEN2LF<n>: one 120-byte record per node, prescribed displacements, loads and reactions.
#pragma once

#include <array>
#include <cstddef>

namespace slab {

struct NodalLoadRecord {
    static constexpr std::size_t kSize = 120;
    static constexpr std::size_t kPrescribed = 1; ///< w, w,x, w,y, w,xy at 1 to 4
    static constexpr std::size_t kLoad = 6;       ///< nodal loads at 6 to 9
    static constexpr std::size_t kReaction = 11;  ///< support reactions at 11 to 14 (solver)
    std::array<double, 15> v{};

    template <class Self, class F> static void fields(Self& r, F&& f) { f(0, r.v); }
};

} // namespace slab
