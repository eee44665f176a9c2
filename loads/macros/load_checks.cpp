// The checks of a save: the area polygons closed and measured, edges and line loads of zero
// length, clockwise areas, and the openings of the slab that lie inside area loads.
#include "loads/macros/load_checks.hpp"

#include "common/format.hpp"

#include <cmath>

namespace daskel {

namespace {

void note(std::vector<Notice>& notices, std::string title, std::string text) {
    notices.push_back({std::move(title), std::move(text)});
}

/// Closes the polygon: each corner's edge runs to the following corner, the last to the first,
/// and carries that corner's value as its end value.
void closeAndMeasure(AreaLoad& area) {
    const std::size_t n = area.corners.size();
    for (std::size_t j = 0; j < n; ++j) {
        AreaCorner& c = area.corners[j];
        const AreaCorner& next = area.corners[(j + 1) % n];
        c.nextX = next.x;
        c.nextY = next.y;
        c.p2 = next.p1;
        const double dx = double(c.nextX) - c.x, dy = double(c.nextY) - c.y;
        c.length = static_cast<float>(std::hypot(dx, dy));
    }
}

/// The openings of the slab lying wholly inside the area: their reference point inside, and
/// the start of each of their sections inside or on the polygon.
void findOpenings(AreaLoad& area, int k, const SlabOutline& outline, std::vector<Notice>& notices) {
    const Polygon poly = polygonOf(area);
    double signedArea = area.area;
    for (const BoundaryCurve& curve : outline.curves) {
        if (!curve.opening || !insideOrOn(poly, {curve.refX, curve.refY})) continue;
        bool inside = true;
        for (const OutlineSection& s : curve.sections)
            inside = inside && insideOrOn(poly, {s.xa, s.ya});
        if (!inside) continue;
        if (static_cast<int>(area.openings.size()) == kMaxOpeningsInArea) {
            note(notices, "Hinweis",
                 slab::format("Die Lastfläche %i enthält mehr als %i Öffnungen; nur die ersten %i "
                              "werden abgezogen.",
                              k, kMaxOpeningsInArea, kMaxOpeningsInArea));
            break;
        }
        area.openings.push_back(static_cast<std::int16_t>(curve.number));
        signedArea += curve.area; // openings run clockwise: their area is negative
    }
    area.area = static_cast<float>(signedArea);
}

} // namespace

std::vector<Notice> checkLoadCase(LoadCase& lc, const SlabOutline& outline, int n) {
    std::vector<Notice> notices;
    for (std::size_t k = 0; k < lc.areaLoads.size(); ++k) {
        AreaLoad& area = lc.areaLoads[k];
        closeAndMeasure(area);
        for (std::size_t j = 0; j < area.corners.size(); ++j)
            if (area.corners[j].length < kZeroTolerance)
                note(notices, slab::format("Hinweis zu LF %i", n),
                     slab::format("Abschnitt %zu der Lastfläche %zu hat die Länge 0.", j + 1,
                                  k + 1));
    }
    for (std::size_t i = 0; i < lc.lineLoads.size(); ++i) {
        LineLoad& l = lc.lineLoads[i];
        l.length = static_cast<float>(std::hypot(double(l.xb) - l.xa, double(l.yb) - l.ya));
        if (l.length <= kZeroTolerance)
            note(notices, "Hinweis", slab::format("Die Linienlast %zu hat die Länge 0.", i + 1));
    }
    lc.openingsInAreas = 0;
    for (std::size_t k = 0; k < lc.areaLoads.size(); ++k) {
        AreaLoad& area = lc.areaLoads[k];
        area.area = static_cast<float>(signedArea(polygonOf(area)));
        if (area.area < 0)
            note(notices, "Hinweis",
                 slab::format(" FALSCHER UMFAHRUNGSSINN BEI TEILASTFLÄCHE %zu IM LF %i. FLAECHE "
                              "IST NEGATIV!",
                              k + 1, n));
        area.openings.clear();
        findOpenings(area, static_cast<int>(k) + 1, outline, notices);
        lc.openingsInAreas += static_cast<int>(area.openings.size());
    }
    return notices;
}

} // namespace daskel
