// PARAMETER: the node and element counts of a position's model (8 bytes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace slab {

/// Table capacity of every program: nodes and elements are numbered 1 to 3000.
inline constexpr int kMaxNodes = 3000;
inline constexpr int kMaxElements = 3000;

struct ParameterRecord {
    static constexpr std::size_t kSize = 8;
    std::int32_t nodeCount = 0;
    std::int32_t elementCount = 0;

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.nodeCount);
        f(4, r.elementCount);
    }
};

/// Decodes PARAMETER; nullopt when the bytes are fewer than the record.
std::optional<ParameterRecord> decodeParameter(const std::vector<std::uint8_t>& bytes);

/// Encodes PARAMETER as its 8 bytes.
std::vector<std::uint8_t> encodeParameter(const ParameterRecord& p);

} // namespace slab
