// The block of one load case in the load echo, section by section in the order of the keyword
// table.
#include "common/codepage.hpp"
#include "common/format.hpp"
#include "loads/echo/echo_file.hpp"
#include "loads/echo/echo_keywords.hpp"
#include "loads/echo/echo_text.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace daskel {

namespace {

using echo::Keyword;

void appendKeyword(std::string& out, Keyword keyword) {
    out += echo::text(keyword);
    out += '\n';
}

/// How many entries of a table are written: never more than the table holds.
int capped(std::size_t size, int capacity) {
    return static_cast<int>(std::min(size, static_cast<std::size_t>(capacity)));
}

const BoundarySection* sectionOf(const EchoGeometry& geometry, int boundary, int section) {
    for (const BoundarySection& s : geometry.sections)
        if (s.boundary == boundary && s.section == section) return &s;
    return nullptr;
}

void appendUniformLoad(std::string& out, const LoadCase& lc) {
    auto section = echo::uniformSection(lc);
    if (!section) return;
    appendKeyword(out, *section);
    if (*section == Keyword::SelfWeight)
        slab::appendFormat(out, "%8.3lf  %8.3lf\n", lc.gamma, lc.g);
    else
        slab::appendFormat(out, "%8.3lf\n", lc.uniformValue);
}

/// A value of a table line. Beyond 1e9 it goes in exponent form with the nine digits that keep
/// a float: in fixed form a value such as 1.5e23 took 30 characters, and the line outgrew the
/// 126 characters the reader takes, which cut off its last values and its kind.
void appendValue(std::string& out, double v) {
    if (std::fabs(v) < 1e9)
        slab::appendFormat(out, "%8.3f", v);
    else
        slab::appendFormat(out, "%.8e", v);
}

void appendSix(std::string& out, std::array<double, 6> v) {
    for (std::size_t k = 0; k < v.size(); ++k) {
        if (k > 0) out += ' ';
        appendValue(out, v[k]);
    }
}

void appendAreaLoads(std::string& out, const std::vector<AreaLoad>& areas, int count) {
    if (count == 0) return;
    appendKeyword(out, Keyword::AreaLoads);
    for (int k = 0; k < count; ++k) {
        const AreaLoad& a = areas[static_cast<std::size_t>(k)];
        const int corners = capped(a.corners.size(), kMaxAreaCorners);
        slab::appendFormat(out, "%i\n", k + 1);
        slab::appendFormat(out, "%8.3lf\n", double(a.p0));
        // The kind goes behind the corner count so that an area cut to the outline stays one
        // through an archive round trip, and behind it a 1 for an area marked constant; plain
        // linear areas keep the one-number line.
        if (a.variation == AreaLoadVariation::Constant)
            slab::appendFormat(out, "%i %i 1\n", corners, int(echo::areaKindCode(a.kind)));
        else if (a.kind == AreaLoadKind::Plain)
            slab::appendFormat(out, "%i\n", corners);
        else
            slab::appendFormat(out, "%i %i\n", corners, int(echo::areaKindCode(a.kind)));
        for (int c = 0; c < corners; ++c) {
            const AreaCorner& p = a.corners[static_cast<std::size_t>(c)];
            appendSix(out, {p.x, p.y, p.nextX, p.nextY, p.p1, p.p2});
            out += '\n';
        }
    }
}

void appendLineLoads(std::string& out, const std::vector<LineLoad>& lines, int count) {
    if (count == 0) return;
    appendKeyword(out, Keyword::LineLoads);
    for (int k = 0; k < count; ++k) {
        const LineLoad& l = lines[static_cast<std::size_t>(k)];
        slab::appendFormat(out, "%i %s\n", k + 1,
                           echo::oneLineText(l.comment, kMaxLineComment).c_str());
        appendSix(out, {l.xa, l.ya, l.xb, l.yb, l.start, l.end});
        out += ' ' + std::string(echo::lineKindWord(l.kind)) + '\n';
    }
}

void appendPointLoads(std::string& out, const std::vector<PointLoad>& points, int count) {
    if (count == 0) return;
    appendKeyword(out, Keyword::PointLoads);
    for (int k = 0; k < count; ++k) {
        const PointLoad& p = points[static_cast<std::size_t>(k)];
        slab::appendFormat(out, "%i %s\n", k + 1,
                           echo::oneLineText(p.comment, kMaxPointComment).c_str());
        out += std::string(echo::pointKindWord(p.kind)) + ' ';
        appendSix(out, {p.x, p.y, p.width, p.nx, p.ny, p.size});
        out += '\n';
    }
}

void appendEdgeLoads(std::string& out, const std::vector<EdgeLoad>& edges, int count,
                     const EchoGeometry& geometry) {
    if (count == 0) return;
    appendKeyword(out, Keyword::EdgeLoads);
    for (int k = 0; k < count; ++k) {
        const EdgeLoad& e = edges[static_cast<std::size_t>(k)];
        // The geometry's section wins over the coordinates the load kept.
        double xa = e.xa, ya = e.ya, xb = e.xb, yb = e.yb;
        if (const BoundarySection* s = sectionOf(geometry, e.boundary, e.section)) {
            xa = s->xa;
            ya = s->ya;
            xb = s->xb;
            yb = s->yb;
        }
        slab::appendFormat(out, "%i %s\n", k + 1,
                           echo::oneLineText(e.comment, kMaxEdgeComment).c_str());
        slab::appendFormat(out, "%8.3lf %8.3lf %8.3lf %8.3lf %s ", xa, ya, xb, yb,
                           std::string(echo::edgeKindWord(e.kind)).c_str());
        appendValue(out, e.a);
        out += ' ';
        appendValue(out, e.b);
        slab::appendFormat(out, " %i %i\n", int(e.boundary), int(e.section));
    }
}

void appendTemperature(std::string& out, const LoadCase& lc) {
    if (!lc.temperature) return;
    appendKeyword(out, Keyword::Temperature);
    slab::appendFormat(out, "%8.3lf\n", lc.deltaT);
    slab::appendFormat(out, "%8.3E\n", lc.alphaT);
}

/// The settlements other than 0, in number order; nothing when there is none.
void appendSettlements(std::string& out, Keyword keyword, const std::vector<Settlement>& list) {
    std::vector<Settlement> nonZero;
    for (const Settlement& s : list)
        if (s.value != 0) nonZero.push_back(s);
    if (nonZero.empty()) return;
    std::stable_sort(nonZero.begin(), nonZero.end(),
                     [](const Settlement& a, const Settlement& b) { return a.number < b.number; });
    appendKeyword(out, keyword);
    slab::appendFormat(out, "%i\n", static_cast<int>(nonZero.size()));
    for (const Settlement& s : nonZero)
        slab::appendFormat(out, "%i %8.5lf\n", s.number, s.value);
}

} // namespace

std::string echoBlockText(const LoadCase& lc, const EchoGeometry& geometry) {
    const int nt = capped(lc.areaLoads.size(), kMaxAreaLoads);
    const int np = capped(lc.pointLoads.size(), kMaxPointLoads);
    const int nl = capped(lc.lineLoads.size(), kMaxLineLoads);
    const int nr = capped(lc.edgeLoads.size(), kMaxEdgeLoads);
    std::string out(echo::text(Keyword::LoadCase));
    slab::appendFormat(out, " %i\n", int(lc.number));
    slab::appendFormat(out, "%i %i %i %i\n", nt, np, nl, nr);
    appendKeyword(out, Keyword::Title);
    out += echo::cutCharacters(echo::oneLineText(lc.title, lc.title.size()), kMaxTitle) + "\n";
    appendUniformLoad(out, lc);
    appendAreaLoads(out, lc.areaLoads, nt);
    appendLineLoads(out, lc.lineLoads, nl);
    appendPointLoads(out, lc.pointLoads, np);
    appendEdgeLoads(out, lc.edgeLoads, nr, geometry);
    appendTemperature(out, lc);
    if (lc.settlement) {
        appendSettlements(out, Keyword::ColumnSettlements, lc.columnSettlements);
        appendSettlements(out, Keyword::WallMovements, lc.wallMovements);
    }
    return out;
}

std::string echoBlockBytes(const LoadCase& lc, const EchoGeometry& geometry) {
    return slab::utf8ToCp850(echoBlockText(lc, geometry));
}

} // namespace daskel
