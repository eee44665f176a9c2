// ELEMENTE1: one 2372-byte record per element, corners, material and edge data.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace slab {

/// Edge support codes as the geometry editor stores them per element edge.
enum class EdgeSupport : std::uint8_t {
    None = 0,
    Clamped = 1,
    Hinged = 2,
    Free = 3,
    RotationalSpring = 7,
    TranslationalSpring = 8,
    BothSprings = 9,
};

struct ElementRecord {
    static constexpr std::size_t kSize = 2372;
    static constexpr std::size_t kWorkAreaSize = 17 * 17 * 8;
    std::int32_t number = 0;
    std::int32_t reserved = 0;
    std::array<std::int32_t, 4> node{}; ///< corners counter-clockwise from the lower left
    double e = 0.0;                     ///< modulus of elasticity
    double nu = 0.0;                    ///< Poisson's ratio
    double thickness = 0.0;
    std::array<std::uint8_t, kWorkAreaSize> workArea{}; ///< kept as read, never used
    std::uint8_t reserved2360 = 0;
    std::array<std::uint8_t, 4> edgeSupport{}; ///< EdgeSupport codes of edges 1 to 4
    std::uint8_t reserved2365 = 0;
    std::array<std::uint8_t, 4> outerEdge{}; ///< 1 when no other element shares the edge
    std::array<std::uint8_t, 2> reserved2370{};

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.number);
        f(4, r.reserved);
        f(8, r.node);
        f(24, r.e);
        f(32, r.nu);
        f(40, r.thickness);
        f(48, r.workArea);
        f(2360, r.reserved2360);
        f(2361, r.edgeSupport);
        f(2365, r.reserved2365);
        f(2366, r.outerEdge);
        f(2370, r.reserved2370);
    }
};

} // namespace slab
