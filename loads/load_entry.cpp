// Loads entered by hand, checked before they change the load case.
#include "loads/load_entry.hpp"

#include "common/codepage.hpp"
#include "common/format.hpp"
#include "loads/outline/polygon.hpp"

#include <cmath>
#include <limits>

namespace daskel {

namespace {

/// True when the value is finite and fits the single precision the records keep.
bool fits(double v) {
    return std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max();
}

bool allFit(std::initializer_list<double> values) {
    for (double v : values)
        if (!fits(v)) return false;
    return true;
}

constexpr const char* kNotANumber =
    "Ein Wert ist keine endliche Zahl oder zu groß; nichts wurde geändert.";

std::optional<std::string> full(int count, int capacity, const char* what) {
    if (count < capacity) return std::nullopt;
    return slab::format("Es sind höchstens %i %s möglich. Bitte erst eine löschen.", capacity,
                        what);
}

std::optional<std::string> commentError(const std::string& comment, std::size_t most) {
    if (!slab::fitsCp850(comment))
        return std::string("Der Kommentar enthält ein Zeichen, das die Lastdatei (Codepage 850) "
                           "nicht aufnehmen kann.");
    if (comment.size() <= most) return std::nullopt;
    return slab::format(
        "Der Kommentar ist zu lang: höchstens %zu Zeichen (Umlaute zählen doppelt).", most);
}

/// The edge load takes the end points of its section.
void placeOnSection(EdgeLoad& e, const OutlineSection& s) {
    e.xa = static_cast<float>(s.xa);
    e.ya = static_cast<float>(s.ya);
    e.xb = static_cast<float>(s.xb);
    e.yb = static_cast<float>(s.yb);
}

} // namespace

std::optional<std::string> addAreaLoad(LoadCase& lc, const AreaLoadInput& in) {
    if (auto why = full(lc.nt(), kMaxAreaLoads, "Teilflächenlasten")) return why;
    const int n = static_cast<int>(in.corners.size());
    if (n < 3 || n > kMaxAreaCorners)
        return slab::format("Eine Lastfläche hat 3 bis %i Ecken, nicht %i.", kMaxAreaCorners, n);
    Polygon poly;
    for (const CornerInput& c : in.corners) {
        if (!allFit({c.x, c.y, c.p})) return std::string(kNotANumber);
        poly.push_back({c.x, c.y});
    }
    const double area = signedArea(poly);
    if (std::fabs(area) <= kZeroTolerance)
        return std::string("Die Ecken umschließen keine Fläche; nichts wurde geändert.");
    if (area < 0)
        return std::string("Die Ecken laufen im Uhrzeigersinn. Bitte gegen den Uhrzeigersinn "
                           "eingeben.");
    AreaLoad load;
    load.variation = in.constant ? AreaLoadVariation::Constant : AreaLoadVariation::Linear;
    for (std::size_t j = 0; j < in.corners.size(); ++j) {
        const CornerInput& c = in.corners[j];
        const CornerInput& next = in.corners[(j + 1) % in.corners.size()];
        AreaCorner corner;
        corner.x = static_cast<float>(c.x);
        corner.y = static_cast<float>(c.y);
        corner.nextX = static_cast<float>(next.x);
        corner.nextY = static_cast<float>(next.y);
        corner.p1 = static_cast<float>(c.p);
        corner.p2 = static_cast<float>(next.p);
        load.corners.push_back(corner);
    }
    lc.areaLoads.push_back(std::move(load));
    return std::nullopt;
}

std::optional<std::string> addLineLoad(LoadCase& lc, const LineLoadInput& in) {
    if (auto why = full(lc.nl(), kMaxLineLoads, "Linienlasten")) return why;
    if (!allFit({in.xa, in.ya, in.xb, in.yb, in.start, in.end})) return std::string(kNotANumber);
    if (std::hypot(in.xb - in.xa, in.yb - in.ya) <= kZeroTolerance)
        return std::string(
            "Anfang und Ende der Linienlast fallen zusammen; nichts wurde geändert.");
    if (auto why = commentError(in.comment, kMaxLineComment)) return why;
    LineLoad l;
    l.xa = static_cast<float>(in.xa);
    l.ya = static_cast<float>(in.ya);
    l.xb = static_cast<float>(in.xb);
    l.yb = static_cast<float>(in.yb);
    l.start = static_cast<float>(in.start);
    l.end = static_cast<float>(in.end);
    l.kind = in.kind;
    l.comment = in.comment;
    lc.lineLoads.push_back(std::move(l));
    return std::nullopt;
}

std::optional<std::string> addPointLoad(LoadCase& lc, const PointLoadInput& in) {
    if (auto why = full(lc.np(), kMaxPointLoads, "Punktlasten")) return why;
    if (!allFit({in.x, in.y, in.size, in.nx, in.ny, in.width})) return std::string(kNotANumber);
    if (in.width < 0) return std::string("Die Breite b darf nicht negativ sein.");
    if (auto why = commentError(in.comment, kMaxPointComment)) return why;
    PointLoad p;
    p.x = static_cast<float>(in.x);
    p.y = static_cast<float>(in.y);
    p.size = static_cast<float>(in.size);
    p.kind = in.kind;
    p.nx = static_cast<float>(in.nx);
    p.ny = static_cast<float>(in.ny);
    p.width = static_cast<float>(in.width);
    p.comment = in.comment;
    lc.pointLoads.push_back(std::move(p));
    return std::nullopt;
}

std::optional<std::string> edgeLoadPlaceError(int boundary, int section,
                                              const SlabOutline& outline) {
    const int curves = static_cast<int>(outline.curves.size());
    if (boundary < 1 || boundary > curves)
        return slab::format("Die Platte hat keinen Rand %i, nur die Ränder 1 bis %i (Befehl "
                            "raender).",
                            boundary, curves);
    const int sections =
        static_cast<int>(outline.curves[static_cast<std::size_t>(boundary) - 1].sections.size());
    if (section < 1 || section > sections)
        return slab::format("Der Rand %i hat keinen Abschnitt %i, nur die Abschnitte 1 bis %i "
                            "(Befehl raender).",
                            boundary, section, sections);
    return std::nullopt;
}

std::optional<std::string> addEdgeLoad(LoadCase& lc, const EdgeLoadInput& in,
                                       const SlabOutline& outline) {
    if (auto why = full(lc.nr(), kMaxEdgeLoads, "Randlasten")) return why;
    if (auto why = edgeLoadPlaceError(in.boundary, in.section, outline)) return why;
    if (!allFit({in.a, in.b})) return std::string(kNotANumber);
    if (auto why = commentError(in.comment, kMaxEdgeComment)) return why;
    EdgeLoad e;
    e.boundary = static_cast<std::int16_t>(in.boundary);
    e.section = static_cast<std::int16_t>(in.section);
    e.a = static_cast<float>(in.a);
    e.b = static_cast<float>(in.b);
    e.kind = in.kind;
    e.comment = in.comment;
    placeOnSection(e, *outline.section(in.boundary, in.section));
    lc.edgeLoads.push_back(std::move(e));
    return std::nullopt;
}

std::optional<std::string> setTemperature(LoadCase& lc, const TemperatureInput& in) {
    if (!allFit({in.deltaT, in.alphaT})) return std::string(kNotANumber);
    lc.temperature = true;
    lc.deltaT = in.deltaT;
    lc.alphaT = in.alphaT;
    return std::nullopt;
}

std::optional<std::string> removeLoad(LoadCase& lc, LoadList list, int n) {
    auto remove = [n](auto& table, const char* what) -> std::optional<std::string> {
        const int count = static_cast<int>(table.size());
        if (n < 1 || n > count)
            return count == 0 ? slab::format("Es gibt keine %s.", what)
                              : slab::format("Es gibt nur die %s 1 bis %i.", what, count);
        table.erase(table.begin() + (n - 1));
        return std::nullopt;
    };
    switch (list) {
    case LoadList::Area:
        return remove(lc.areaLoads, "Teilflächenlasten");
    case LoadList::Line:
        return remove(lc.lineLoads, "Linienlasten");
    case LoadList::Point:
        return remove(lc.pointLoads, "Punktlasten");
    case LoadList::Edge:
        return remove(lc.edgeLoads, "Randlasten");
    }
    return std::nullopt;
}

std::vector<std::string> keepEdgeLoadsOnSlab(LoadCase& lc, const SlabOutline& outline, int n) {
    std::vector<std::string> dropped;
    if (outline.curves.empty()) return dropped;
    std::vector<EdgeLoad> kept;
    for (std::size_t i = 0; i < lc.edgeLoads.size(); ++i) {
        EdgeLoad e = lc.edgeLoads[i];
        if (auto why = edgeLoadPlaceError(e.boundary, e.section, outline)) {
            dropped.push_back(slab::format("LF %i: Randlast %zu nicht übernommen. ", n, i + 1) +
                              *why);
            continue;
        }
        placeOnSection(e, *outline.section(e.boundary, e.section));
        kept.push_back(std::move(e));
    }
    lc.edgeLoads = std::move(kept);
    return dropped;
}

} // namespace daskel
