// Line loads and edge loads along their segments: cut into stretches on one element each, and
// integrated with the element's functions (forces) or their slopes across the line (moments).
#include "loads/generator/generation.hpp"

#include "common/format.hpp"

#include <cmath>

namespace daskel {

namespace {

/// A load linear from va at a to vb at b: forces [kN/m] along w, or moments [kNm/m] that turn
/// the slab towards the left of the direction from a to b (on a section of the slab's edge,
/// whose slab lies on the left, a positive moment bends the edge like a sagging slab).
struct LoadAlong {
    PlanePoint a, b;
    double va = 0, vb = 0;
    bool moments = false;
};

/// The length of the segment on no element [m] and the load there [kN or kNm].
struct OffTheSlab {
    double length = 0, load = 0;
};

OffTheSlab gatherAlong(const LoadAlong& line, Generation& g) {
    const double dx = line.b.x - line.a.x, dy = line.b.y - line.a.y;
    const double length = std::hypot(dx, dy);
    const double nx = -dy / length, ny = dx / length;
    auto value = [&](double t) { return line.va + t * (line.vb - line.va); };
    auto point = [&](double t) { return PlanePoint{line.a.x + t * dx, line.a.y + t * dy}; };
    OffTheSlab off;
    for (const SegmentPiece& piece : piecesAlong(g.mesh, line.a, line.b)) {
        const double v0 = value(piece.t0), v1 = value(piece.t1);
        if (!piece.cell) {
            const double stretch = (piece.t1 - piece.t0) * length;
            off.length += stretch;
            off.load += stretch * (v0 + v1) / 2;
            continue;
        }
        const Cell& c = *piece.cell;
        const shape::LocalPoint from = c.localPoint(point(piece.t0)),
                                to = c.localPoint(point(piece.t1));
        g.sums.add(c, line.moments ? shape::segmentMoments(from, to, v0, v1, nx, ny, c.a, c.b)
                                   : shape::segmentForces(from, to, v0, v1, c.a, c.b));
    }
    return off;
}

/// Generates one load along a segment as a load of the kind named `name`.
void generateAlong(const LoadAlong& line, GeneratedKind kind, const std::string& name,
                   Generation& g) {
    const double length = std::hypot(line.b.x - line.a.x, line.b.y - line.a.y);
    if (!(length > kZeroTolerance)) return; // the checks of the save name it
    const OffTheSlab off = gatherAlong(line, g);
    if (off.length >= (1 - kNegligibleShare) * length) {
        g.sums.clear();
        g.note(name + " liegt auf keinem Element (Öffnung oder außerhalb der Platte) und wird "
                      "nicht berücksichtigt.");
        return;
    }
    if (!g.take(kind, name) || off.length <= kNegligibleShare * length) return;
    g.note(slab::format("Von %s liegen %s m mit %s %s auf keinem Element (Öffnung oder außerhalb "
                        "der Platte); sie werden nicht berücksichtigt.",
                        name.c_str(), noticeNumber(off.length).c_str(),
                        noticeNumber(off.load).c_str(), line.moments ? "kNm" : "kN"));
}

} // namespace

void generateLineLoads(const LoadCase& lc, Generation& g) {
    for (std::size_t i = 0; i < lc.lineLoads.size(); ++i) {
        const LineLoad& l = lc.lineLoads[i];
        const LoadAlong line{
            {l.xa, l.ya}, {l.xb, l.yb}, l.start, l.end, l.kind == LineLoadKind::Moments};
        generateAlong(line, GeneratedKind::Line,
                      slab::format("Linienlast %i", static_cast<int>(i) + 1), g);
    }
}

void generateEdgeLoads(const LoadCase& lc, const SlabOutline& outline, Generation& g) {
    for (std::size_t i = 0; i < lc.edgeLoads.size(); ++i) {
        const EdgeLoad& e = lc.edgeLoads[i];
        const std::string name = slab::format("Randlast %i", static_cast<int>(i) + 1);
        const OutlineSection* s = outline.section(e.boundary, e.section);
        if (!s) {
            g.note(slab::format("%s: Die Platte hat keinen Abschnitt %i am Rand %i; sie wird "
                                "nicht berücksichtigt.",
                                name.c_str(), int(e.section), int(e.boundary)));
            continue;
        }
        // The slab lies on the left of its sections, outer boundaries and openings alike.
        const LoadAlong line{
            {s->xa, s->ya}, {s->xb, s->yb}, e.a, e.b, e.kind == EdgeLoadKind::Moments};
        generateAlong(line, GeneratedKind::Edge, name, g);
    }
}

} // namespace daskel
