// Reading the four load tables of a load echo block: area, line, point and edge loads, each
// entry checked on its own so that one garbled entry does not cost the others.
#include "common/format.hpp"
#include "loads/echo/block_reader.hpp"
#include "loads/echo/echo_text.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace daskel::echo {

void BlockReader::readAreaLoads(LoadCase& lc, int count, bool surplus) {
    auto s = tableSection(Keyword::AreaLoads, count, surplus);
    if (!s) return;
    for (int k = 1; k <= count; ++k) {
        if (s->remaining() < 3) {
            noteTruncated(Keyword::AreaLoads, k - 1, count);
            skipRest(*s);
            return;
        }
        auto numberLine = tokens(next(*s));
        auto p0Line = tokens(next(*s));
        auto cornerLine = tokens(next(*s));
        std::optional<int> corners;
        if (!cornerLine.empty()) corners = slab::parseInteger(cornerLine[0]);
        if (!corners || *corners < 0) {
            // Without the corner count the next area load cannot be found.
            note(slab::format(
                "Teilflächenlast %i fehlerhaft, sie und die folgenden nicht übernommen.", k));
            skipRest(*s);
            return;
        }
        if (static_cast<std::size_t>(*corners) > s->remaining()) {
            noteTruncated(Keyword::AreaLoads, k - 1, count);
            skipRest(*s);
            return;
        }
        AreaLoad area;
        bool ok = !numberLine.empty() && slab::parseInteger(numberLine[0]) && !p0Line.empty();
        if (ok) {
            auto p0 = singleNumber(p0Line[0]);
            ok = p0.has_value();
            if (p0) area.p0 = *p0;
        }
        if (cornerLine.size() >= 2) {
            auto kind = shortInteger(cornerLine[1]);
            ok = ok && kind.has_value();
            if (kind) area.kind = areaKindOf(*kind);
        }
        // A third number 1 marks an area whose load is constant.
        if (cornerLine.size() >= 3) {
            auto constant = shortInteger(cornerLine[2]);
            ok = ok && constant.has_value();
            if (constant == 1) area.variation = AreaLoadVariation::Constant;
        }
        const int taken = std::min(*corners, kMaxAreaCorners);
        for (int c = 0; c < *corners; ++c) {
            auto line = next(*s);
            if (c >= taken) continue;
            auto v = singleNumbers(tokens(line), 0, 6);
            if (!v) {
                ok = false;
                continue;
            }
            area.corners.push_back(
                AreaCorner{(*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4], (*v)[5], 1});
        }
        if (*corners == 0) {
            note(slab::format("Teilflächenlast %i hat keine Ecken, nicht übernommen.", k));
            continue;
        }
        if (!ok) {
            note(slab::format("Teilflächenlast %i fehlerhaft, nicht übernommen.", k));
            continue;
        }
        if (*corners > kMaxAreaCorners)
            note(slab::format("Teilflächenlast %i hat %i Ecken, nur die ersten %i übernommen.", k,
                              *corners, kMaxAreaCorners));
        lc.areaLoads.push_back(std::move(area));
    }
    if (surplus) skipRest(*s);
}

std::optional<BlockReader::Entry> BlockReader::entryLines(Section& s, Keyword table, int k,
                                                          int count, std::size_t maxComment) {
    if (s.remaining() < 2) {
        noteTruncated(table, k - 1, count);
        skipRest(s);
        return std::nullopt;
    }
    Entry entry;
    entry.head = numberedComment(next(s), maxComment);
    entry.data = tokens(next(s));
    return entry;
}

void BlockReader::readLineLoads(LoadCase& lc, int count, bool surplus) {
    auto s = tableSection(Keyword::LineLoads, count, surplus);
    if (!s) return;
    // The number on each entry's first line is its place in the table.
    std::vector<std::optional<LineLoad>> slots(static_cast<std::size_t>(count));
    for (int e = 1; e <= count; ++e) {
        auto entry = entryLines(*s, Keyword::LineLoads, e, count, kMaxLineComment);
        if (!entry) break;
        auto& [head, data] = *entry;
        if (!head.number) {
            note(slab::format("Linienlast %i fehlerhaft, nicht übernommen.", e));
            continue;
        }
        const int index = *head.number;
        if (index < 1 || index > count) {
            note(slab::format("Linienlast %i liegt außerhalb 1 bis %i, nicht übernommen.", index,
                              count));
            continue;
        }
        auto v = singleNumbers(data, 0, 6);
        if (!v) {
            note(slab::format("Linienlast %i fehlerhaft, nicht übernommen.", index));
            continue;
        }
        LineLoad load;
        load.xa = (*v)[0];
        load.ya = (*v)[1];
        load.xb = (*v)[2];
        load.yb = (*v)[3];
        load.start = (*v)[4];
        load.end = (*v)[5];
        load.kind = data.size() > 6 ? lineKindOf(data[6]) : LineLoadKind::Forces;
        load.comment = std::move(head.comment);
        auto& slot = slots[static_cast<std::size_t>(index - 1)];
        if (slot)
            note(slab::format("Linienlast %i doppelt angegeben, die letzte Angabe gilt.", index));
        slot = std::move(load);
    }
    for (auto& slot : slots)
        if (slot) lc.lineLoads.push_back(std::move(*slot));
    if (surplus) skipRest(*s);
}

void BlockReader::readPointLoads(LoadCase& lc, int count, bool surplus) {
    auto s = tableSection(Keyword::PointLoads, count, surplus);
    if (!s) return;
    for (int k = 1; k <= count; ++k) {
        auto entry = entryLines(*s, Keyword::PointLoads, k, count, kMaxPointComment);
        if (!entry) return;
        auto& [head, data] = *entry;
        std::optional<PointLoadKind> kind;
        if (!data.empty()) kind = pointKindOf(data[0]);
        auto v = singleNumbers(data, 1, 6);
        if (!head.number || !kind || !v) {
            note(slab::format("Punktlast %i fehlerhaft, nicht übernommen.", k));
            continue;
        }
        PointLoad load;
        load.kind = *kind;
        load.x = (*v)[0];
        load.y = (*v)[1];
        load.width = (*v)[2];
        load.nx = (*v)[3];
        load.ny = (*v)[4];
        load.size = (*v)[5];
        load.comment = std::move(head.comment);
        lc.pointLoads.push_back(std::move(load));
    }
    if (surplus) skipRest(*s);
}

void BlockReader::readEdgeLoads(LoadCase& lc, int count, bool surplus) {
    auto s = tableSection(Keyword::EdgeLoads, count, surplus);
    if (!s) return;
    for (int k = 1; k <= count; ++k) {
        auto entry = entryLines(*s, Keyword::EdgeLoads, k, count, kMaxEdgeComment);
        if (!entry) return;
        auto& [head, data] = *entry;
        auto xy = singleNumbers(data, 0, 4);
        std::optional<EdgeLoadKind> kind;
        std::optional<std::vector<float>> ab;
        std::optional<std::int16_t> boundary, section;
        if (head.number && xy && data.size() >= 9) {
            kind = edgeKindOf(data[4]);
            ab = singleNumbers(data, 5, 2);
            boundary = shortInteger(data[7]);
            section = shortInteger(data[8]);
        }
        if (!kind || !ab || !boundary || !section || *boundary < 1 || *section < 1) {
            note(slab::format("Randlast %i fehlerhaft, nicht übernommen.", k));
            continue;
        }
        EdgeLoad load;
        load.xa = (*xy)[0];
        load.ya = (*xy)[1];
        load.xb = (*xy)[2];
        load.yb = (*xy)[3];
        load.kind = *kind;
        load.a = (*ab)[0];
        load.b = (*ab)[1];
        load.boundary = *boundary;
        load.section = *section;
        load.comment = std::move(head.comment);
        matchSection(load);
        lc.edgeLoads.push_back(std::move(load));
    }
    if (surplus) skipRest(*s);
}

void BlockReader::matchSection(EdgeLoad& load) const {
    // The geometry's section at these coordinates wins over the stored numbers; the last match
    // in boundary and section order counts.
    auto near = [](float a, float b) {
        return std::fabs(double(a) - double(b)) < kSectionMatchTolerance;
    };
    const BoundarySection* match = nullptr;
    for (const BoundarySection& sec : geometry_.sections) {
        if (!near(sec.xa, load.xa) || !near(sec.ya, load.ya) || !near(sec.xb, load.xb) ||
            !near(sec.yb, load.yb))
            continue;
        if (!match ||
            std::pair(sec.boundary, sec.section) >= std::pair(match->boundary, match->section))
            match = &sec;
    }
    if (match) {
        load.boundary = match->boundary;
        load.section = match->section;
    }
}

} // namespace daskel::echo
