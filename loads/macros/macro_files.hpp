// The load macro files byte by byte: MACRO (corner records), SBD (macro headers), DOMAINS (self
// weight per domain) and SBLNS (hatch segments of an area load), each with reader and writer.
#pragma once

#include "loads/load_case.hpp"
#include "loads/outline/slab_outline.hpp"
#include "solver/modelfiles/record_file.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace daskel {

/// A MACRO record: one corner of a macro with the edge to the next corner.
struct MacroCornerRecord {
    static constexpr std::size_t kSize = 44;
    float x = 0, y = 0, nextX = 0, nextY = 0;
    float nx = 0, ny = 0; ///< dy / L and −dx / L
    float p1 = 0, p2 = 0; ///< load at this corner and at the next [kN/m²]
    float length = 0;     ///< [m]
    std::int16_t subdivisions = 0;
    std::array<std::uint8_t, 6> reserved{};

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.x);
        f(4, r.y);
        f(8, r.nextX);
        f(12, r.nextY);
        f(16, r.nx);
        f(20, r.ny);
        f(24, r.p1);
        f(28, r.p2);
        f(32, r.length);
        f(36, r.subdivisions);
        f(38, r.reserved);
    }
};

/// An SBD record: the header of one macro (an area load held in memory has the same fields).
struct MacroHeaderRecord {
    static constexpr std::size_t kSize = 84;
    std::int16_t corners = 0;
    std::int16_t kind = 0; ///< 2: an area cut to the slab outline
    std::int16_t boundaryPoints = 0;
    std::int16_t constant = 0; ///< 1: constant load
    std::array<std::uint8_t, 4> reserved{};
    float p0 = 0;
    float area = 0; ///< signed, openings inside subtracted [m²]
    float a = 0, b = 0;
    float xs = 0, ys = 0;
    float resultant = 0; ///< [kN]
    std::int16_t openingCount = 0;
    std::array<std::int16_t, kMaxOpeningsInArea> openings{};

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.corners);
        f(2, r.kind);
        f(4, r.boundaryPoints);
        f(6, r.constant);
        f(8, r.reserved);
        f(12, r.p0);
        f(16, r.area);
        f(20, r.a);
        f(24, r.b);
        f(28, r.xs);
        f(32, r.ys);
        f(36, r.resultant);
        f(40, r.openingCount);
        f(42, r.openings);
    }
};

/// A DOMAINS record: a domain of the slab with its self weight.
struct DomainRecord {
    static constexpr std::size_t kSize = 56;
    float thickness = 0;           ///< d [m]
    float area = 0;                ///< [m²]
    std::int16_t columnHead = 0;   ///< 1: a column head region
    std::int16_t column = 0;       ///< its column
    std::int16_t elementCount = 0; ///< elements of the domain
    std::int16_t lowestElement = 0;
    float xmin = 0, ymin = 0, xmax = 0, ymax = 0; ///< extent [m]
    float selfWeight = 0;                         ///< γ·d + g [kN/m²]
    std::array<std::uint8_t, 20> reserved{};

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.thickness);
        f(4, r.area);
        f(8, r.columnHead);
        f(10, r.column);
        f(12, r.elementCount);
        f(14, r.lowestElement);
        f(16, r.xmin);
        f(20, r.ymin);
        f(24, r.xmax);
        f(28, r.ymax);
        f(32, r.selfWeight);
        f(36, r.reserved);
    }
};

/// The MACRO image of the macros: the corner records of each, one macro after the other.
std::vector<std::uint8_t> encodeMacroCorners(const std::vector<AreaLoad>& macros);
/// The SBD image: one header per macro, in the same order.
std::vector<std::uint8_t> encodeMacroHeaders(const std::vector<AreaLoad>& macros);

/// The header of an area load or macro as its SBD record.
MacroHeaderRecord headerRecordOf(const AreaLoad& area);
/// An area load from its SBD header; the corners are read from MACRO separately.
AreaLoad areaOfHeader(const MacroHeaderRecord& r);
/// A corner from its MACRO record.
AreaCorner cornerOfRecord(const MacroCornerRecord& r);

/// Records of a file image: as many whole records as it holds.
template <class R> std::vector<R> decodeRecords(const std::vector<std::uint8_t>& bytes) {
    std::vector<R> records;
    for (std::size_t at = 0; at + R::kSize <= bytes.size(); at += R::kSize)
        records.push_back(slab::decodeRecord<R>(bytes.data() + at));
    return records;
}

/// The DOMAINS image: one record per domain, domain 1 first, with the self weight γ·d + g.
std::vector<std::uint8_t> encodeDomains(const std::vector<Domain>& domains, double gamma, double g);

/// A hatch segment inside an area load [m].
struct HatchSegment {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
/// The SBLNS image: each segment as two points of two 32-bit floats.
std::vector<std::uint8_t> encodeHatch(const std::vector<HatchSegment>& segments);
/// The segments of an SBLNS image; a trailing part of a segment is ignored.
std::vector<HatchSegment> decodeHatch(const std::vector<std::uint8_t>& bytes);

/// "DOMAINS" + suffix.
std::string domainsFileName(std::string_view suffix);
/// "SBLNS" + area number + load case number + suffix ("SBLNS13.P1": area 1 of LF 3).
std::string hatchFileName(int area, int loadCase, std::string_view suffix);

} // namespace daskel
