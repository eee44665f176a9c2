// The load macro files byte by byte, through their record field tables.
#include "loads/macros/macro_files.hpp"

#include "common/binary_io.hpp"
#include "common/format.hpp"

#include <algorithm>

namespace daskel {

namespace {

constexpr std::string_view kDomains = "DOMAINS";
constexpr std::string_view kHatch = "SBLNS";
constexpr std::size_t kHatchPoint = 8; ///< x and y as 32-bit floats

template <class R> void appendRecord(std::vector<std::uint8_t>& bytes, const R& r) {
    const std::size_t at = bytes.size();
    bytes.resize(at + R::kSize);
    slab::encodeRecord(r, bytes.data() + at);
}

/// The value with a negative zero made positive, so that a normal along an axis is written as
/// plain zero.
float plain(float v) {
    return v + 0.0f;
}

MacroCornerRecord cornerRecordOf(const AreaCorner& c) {
    MacroCornerRecord r;
    r.x = c.x;
    r.y = c.y;
    r.nextX = c.nextX;
    r.nextY = c.nextY;
    r.nx = plain(c.nx);
    r.ny = plain(c.ny);
    r.p1 = c.p1;
    r.p2 = c.p2;
    r.length = c.length;
    r.subdivisions = c.subdivisions;
    return r;
}

} // namespace

MacroHeaderRecord headerRecordOf(const AreaLoad& area) {
    MacroHeaderRecord r;
    r.corners =
        static_cast<std::int16_t>(std::min<std::size_t>(area.corners.size(), kMaxAreaCorners));
    r.kind = static_cast<std::int16_t>(area.kind);
    r.boundaryPoints = area.boundaryPoints;
    r.constant = static_cast<std::int16_t>(area.variation);
    r.p0 = area.p0;
    r.area = area.area;
    r.a = plain(area.dpdx);
    r.b = plain(area.dpdy);
    r.xs = area.xs;
    r.ys = area.ys;
    r.resultant = area.resultant;
    const std::size_t listed = std::min<std::size_t>(area.openings.size(), kMaxOpeningsInArea);
    r.openingCount = static_cast<std::int16_t>(listed);
    std::copy_n(area.openings.begin(), listed, r.openings.begin());
    return r;
}

AreaLoad areaOfHeader(const MacroHeaderRecord& r) {
    AreaLoad a;
    a.kind = static_cast<AreaLoadKind>(r.kind);
    a.variation = r.constant == 1 ? AreaLoadVariation::Constant : AreaLoadVariation::Linear;
    a.boundaryPoints = r.boundaryPoints;
    a.p0 = r.p0;
    a.area = r.area;
    a.dpdx = r.a;
    a.dpdy = r.b;
    a.xs = r.xs;
    a.ys = r.ys;
    a.resultant = r.resultant;
    const int listed = std::clamp<int>(r.openingCount, 0, kMaxOpeningsInArea);
    a.openings.assign(r.openings.begin(), r.openings.begin() + listed);
    return a;
}

AreaCorner cornerOfRecord(const MacroCornerRecord& r) {
    AreaCorner c;
    c.x = r.x;
    c.y = r.y;
    c.nextX = r.nextX;
    c.nextY = r.nextY;
    c.p1 = r.p1;
    c.p2 = r.p2;
    c.subdivisions = r.subdivisions;
    c.nx = r.nx;
    c.ny = r.ny;
    c.length = r.length;
    return c;
}

std::vector<std::uint8_t> encodeMacroCorners(const std::vector<AreaLoad>& macros) {
    std::vector<std::uint8_t> bytes;
    for (const AreaLoad& m : macros)
        for (std::size_t c = 0; c < m.corners.size() && c < kMaxAreaCorners; ++c)
            appendRecord(bytes, cornerRecordOf(m.corners[c]));
    return bytes;
}

std::vector<std::uint8_t> encodeMacroHeaders(const std::vector<AreaLoad>& macros) {
    std::vector<std::uint8_t> bytes;
    for (const AreaLoad& m : macros)
        appendRecord(bytes, headerRecordOf(m));
    return bytes;
}

std::vector<std::uint8_t> encodeDomains(const std::vector<Domain>& domains, double gamma,
                                        double g) {
    std::vector<std::uint8_t> bytes;
    for (const Domain& d : domains) {
        DomainRecord r;
        r.thickness = static_cast<float>(d.thickness);
        r.area = static_cast<float>(d.area);
        r.columnHead = d.columnHead ? 1 : 0;
        r.column = static_cast<std::int16_t>(d.column);
        r.elementCount = static_cast<std::int16_t>(d.elementCount);
        r.lowestElement = static_cast<std::int16_t>(d.lowestElement);
        r.xmin = static_cast<float>(d.xmin);
        r.ymin = static_cast<float>(d.ymin);
        r.xmax = static_cast<float>(d.xmax);
        r.ymax = static_cast<float>(d.ymax);
        r.selfWeight = static_cast<float>(gamma * d.thickness + g);
        appendRecord(bytes, r);
    }
    return bytes;
}

std::vector<std::uint8_t> encodeHatch(const std::vector<HatchSegment>& segments) {
    std::vector<std::uint8_t> bytes(segments.size() * 2 * kHatchPoint);
    std::uint8_t* p = bytes.data();
    for (const HatchSegment& s : segments)
        for (float v : {s.x1, s.y1, s.x2, s.y2}) {
            slab::putLE<float>(p, v);
            p += 4;
        }
    return bytes;
}

std::vector<HatchSegment> decodeHatch(const std::vector<std::uint8_t>& bytes) {
    std::vector<HatchSegment> segments;
    for (std::size_t at = 0; at + 2 * kHatchPoint <= bytes.size(); at += 2 * kHatchPoint) {
        const std::uint8_t* p = bytes.data() + at;
        segments.push_back({slab::getLE<float>(p), slab::getLE<float>(p + 4),
                            slab::getLE<float>(p + 8), slab::getLE<float>(p + 12)});
    }
    return segments;
}

std::string domainsFileName(std::string_view suffix) {
    return std::string(kDomains) + std::string(suffix);
}

std::string hatchFileName(int area, int loadCase, std::string_view suffix) {
    return slab::format("%s%i%i", std::string(kHatch).c_str(), area, loadCase) +
           std::string(suffix);
}

} // namespace daskel
