// KNOTEN1: one 40-byte record per node, coordinates and boundary codes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace slab {

/// Boundary code of a nodal freedom: 0 free, 1 held (with reaction); other values are held
/// without a reaction.
inline constexpr std::int32_t kFree = 0;
inline constexpr std::int32_t kHeld = 1;

struct NodeRecord {
    static constexpr std::size_t kSize = 40;
    std::int32_t number = 0;
    double x = 0.0;
    double y = 0.0;
    std::int32_t reserved = 0;
    std::array<std::int32_t, 4> code{}; ///< w, w,x, w,y, w,xy

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.number);
        f(4, r.x);
        f(12, r.y);
        f(20, r.reserved);
        f(24, r.code);
    }
};

} // namespace slab
