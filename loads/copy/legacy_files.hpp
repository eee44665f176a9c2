// The older per-load-case files that a copy reads from another position: point loads SRC_L,
// edge loads EDGLD and line loads LLOAD with their comment files SOUTXT, ELTXT and LLTXT, and
// area loads as SBD headers with their MACRO corners.
#pragma once

#include "loads/load_case.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace daskel {

/// An SRC_L record: one point load.
struct PointLoadRecord {
    static constexpr std::size_t kSize = 36;
    float x = 0, y = 0, nx = 0, ny = 0, size = 0;
    float reservedFloat = 0;
    float width = 0; ///< contact width b
    std::uint8_t kind = 0;
    std::uint8_t extra = 0;
    std::array<std::uint8_t, 6> reserved{};

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.x);
        f(4, r.y);
        f(8, r.nx);
        f(12, r.ny);
        f(16, r.size);
        f(20, r.reservedFloat);
        f(24, r.width);
        f(28, r.kind);
        f(29, r.extra);
        f(30, r.reserved);
    }
};

/// An EDGLD record: one edge load.
struct EdgeLoadRecord {
    static constexpr std::size_t kSize = 16;
    std::int16_t boundary = 0, section = 0;
    float a = 0, b = 0;
    std::uint8_t kind = 'V'; ///< 'V' forces, 'M' moments
    std::array<std::uint8_t, 3> reserved{};

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.boundary);
        f(2, r.section);
        f(4, r.a);
        f(8, r.b);
        f(12, r.kind);
        f(13, r.reserved);
    }
};

/// An LLOAD record: one line load; the subdivision data between are not needed to copy it.
struct LineLoadRecord {
    static constexpr std::size_t kSize = 128;
    float xa = 0, ya = 0, xb = 0, yb = 0, start = 0, end = 0;
    std::array<std::uint8_t, 100> subdivision{};
    std::int16_t kind = 0; ///< 0 forces, 1 moments
    std::array<std::uint8_t, 2> reserved{};

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.xa);
        f(4, r.ya);
        f(8, r.xb);
        f(12, r.yb);
        f(16, r.start);
        f(20, r.end);
        f(24, r.subdivision);
        f(124, r.kind);
        f(126, r.reserved);
    }
};

/// Bytes of one comment in SOUTXT, ELTXT and LLTXT: NUL-terminated Windows-1252.
inline constexpr std::size_t kCommentRecord = 81;

/// The point load of a record, or nullopt for an unknown kind.
std::optional<PointLoad> pointLoadOf(const PointLoadRecord& r);
/// The edge load of a record, or nullopt for an unknown kind or a boundary or section below 1.
std::optional<EdgeLoad> edgeLoadOf(const EdgeLoadRecord& r);
/// The line load of a record, or nullopt for an unknown kind.
std::optional<LineLoad> lineLoadOf(const LineLoadRecord& r);

/// The comments of a comment file image (UTF-8, cut to maxBytes).
std::vector<std::string> decodeComments(const std::vector<std::uint8_t>& bytes,
                                        std::size_t maxBytes);

} // namespace daskel
