// FEDER1: one 40-byte record per node, ten float32 values; the spring constants sit at 1 to 4.
#pragma once

#include <array>
#include <cstddef>

namespace slab {

struct SpringRecord {
    static constexpr std::size_t kSize = 40;
    static constexpr std::size_t kConstant = 1; ///< index of the constant on w; w,x w,y w,xy follow
    static constexpr std::size_t kForce = 6;    ///< index of the computed force on w (memory only)
    std::array<float, 10> v{};

    template <class Self, class F> static void fields(Self& r, F&& f) { f(0, r.v); }
};

} // namespace slab
