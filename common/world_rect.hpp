// A rectangle in world coordinates (metres): drawing extents and world windows.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>

namespace slab {

/// x1, y1 the lower left and x2, y2 the upper right corner as far as the data says so; world
/// windows keep single precision, as the settings files store them.
struct WorldRect {
    float x1 = 0, y1 = 0, x2 = 1, y2 = 1;

    friend bool operator==(const WorldRect&, const WorldRect&) = default;
};

/// The smallest rectangle holding nodes 1 to count (members x and y), in single precision like
/// the extents the settings files store; nullopt without nodes.
template <class Nodes>
std::optional<WorldRect> extentsOf(int count, const Nodes& nodes) {
    if (count < 1) return std::nullopt;
    WorldRect r;
    r.x1 = r.x2 = static_cast<float>(nodes[1].x);
    r.y1 = r.y2 = static_cast<float>(nodes[1].y);
    for (int n = 2; n <= count; ++n) {
        const float x = static_cast<float>(nodes[static_cast<std::size_t>(n)].x);
        const float y = static_cast<float>(nodes[static_cast<std::size_t>(n)].y);
        r.x1 = std::min(r.x1, x);
        r.x2 = std::max(r.x2, x);
        r.y1 = std::min(r.y1, y);
        r.y2 = std::max(r.y2, y);
    }
    return r;
}

} // namespace slab
