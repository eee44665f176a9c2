// BETTUNG1: one 1160-byte record per element; the bedding modulus and a 17 x 17 work area.
#pragma once

#include <array>
#include <cstddef>

namespace slab {

struct BeddingRecord {
    static constexpr std::size_t kSize = 1160;
    std::array<float, 290> v{}; ///< v[0] bedding modulus (0 = none); v[1 + 17 i + j] work area

    template <class Self, class F> static void fields(Self& r, F&& f) { f(0, r.v); }
};

} // namespace slab
