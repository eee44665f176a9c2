// Preparing a load case on save: self weight per domain, area edge data and load planes,
// centroids and resultants, line subdivisions, point counts, and the domain and opening macros.
#include "loads/macros/load_macros.hpp"

#include "loads/macros/load_checks.hpp"

#include <algorithm>
#include <cmath>

namespace daskel {

namespace {

/// A count that is whole up to this much round-off is not raised to the next one.
constexpr double kCountRoundOff = 1e-9;

/// Edge data of an area corner: normal, length and subdivisions of the edge to the next corner.
void measureEdge(AreaCorner& c, double h) {
    const double dx = double(c.nextX) - c.x, dy = double(c.nextY) - c.y;
    const double length = std::hypot(dx, dy);
    c.length = static_cast<float>(length);
    c.nx = length > 0 ? static_cast<float>(dy / length) : 0.0f;
    c.ny = length > 0 ? static_cast<float>(-dx / length) : 0.0f;
    c.subdivisions = static_cast<std::int16_t>(subdivisionsOf(length, h));
}

/// The plane of an area load: the 4-corner rule as a start, then constant or least squares.
void fitPlane(AreaLoad& area) {
    const auto& c = area.corners;
    double sum = 0;
    for (const AreaCorner& corner : c)
        sum += corner.p1;
    area.p0 = c.empty() ? 0.0f : static_cast<float>(sum / static_cast<double>(c.size()));
    area.dpdx = area.dpdy = 0;
    if (c.size() == 4) {
        // Along edge 1 (corner 1 to 2) and back along edge 4 (corner 4 to 1).
        if (c[0].length > 0) area.dpdx = (c[0].p2 - c[0].p1) / c[0].length;
        if (c[3].length > 0) area.dpdy = (c[3].p1 - c[3].p2) / c[3].length;
    }
    if (area.variation == AreaLoadVariation::Constant) {
        area.dpdx = area.dpdy = 0;
        return;
    }
    if (auto plane = fittedPlane(area)) {
        area.p0 = static_cast<float>(plane->p0);
        area.dpdx = static_cast<float>(plane->a);
        area.dpdy = static_cast<float>(plane->b);
    }
}

void prepareArea(AreaLoad& area, double h) {
    int points = 0;
    for (AreaCorner& c : area.corners) {
        measureEdge(c, h);
        points += c.subdivisions;
    }
    area.boundaryPoints = static_cast<std::int16_t>(points);
    fitPlane(area);
    const Polygon poly = polygonOf(area);
    const PlanePoint s = centroid(poly);
    area.xs = static_cast<float>(s.x);
    area.ys = static_cast<float>(s.y);
    area.resultant = static_cast<float>(planeIntegral(poly, planeOf(area), s));
}

/// A macro over a boundary curve's sections with the given plane.
AreaLoad curveMacro(const BoundaryCurve& curve, const LoadPlane& plane, AreaLoadVariation variation,
                    double h) {
    AreaLoad m;
    m.variation = variation;
    m.p0 = static_cast<float>(plane.p0);
    m.dpdx = static_cast<float>(plane.a);
    m.dpdy = static_cast<float>(plane.b);
    Polygon poly;
    int points = 0;
    for (const OutlineSection& s : curve.sections) {
        AreaCorner c;
        c.x = static_cast<float>(s.xa);
        c.y = static_cast<float>(s.ya);
        c.nextX = static_cast<float>(s.xb);
        c.nextY = static_cast<float>(s.yb);
        c.p1 = static_cast<float>(plane.at(s.xa, s.ya));
        c.p2 = static_cast<float>(plane.at(s.xb, s.yb));
        c.nx = static_cast<float>(s.nx);
        c.ny = static_cast<float>(s.ny);
        c.length = static_cast<float>(s.length);
        c.subdivisions = static_cast<std::int16_t>(subdivisionsOf(s.length, h));
        points += c.subdivisions;
        m.corners.push_back(c);
        poly.push_back({s.xa, s.ya});
    }
    m.boundaryPoints = static_cast<std::int16_t>(points);
    m.area = static_cast<float>(curve.area);
    const PlanePoint centre = centroid(poly);
    m.xs = static_cast<float>(centre.x);
    m.ys = static_cast<float>(centre.y);
    // About the curve's own reference point, as the opening's share of an area is taken.
    m.resultant = static_cast<float>(planeIntegral(poly, plane, {curve.refX, curve.refY}));
    return m;
}

/// Self weight per domain: one domain gives the load case its uniform value, several carry it
/// themselves.
void selfWeightPerDomain(LoadCase& lc, const SlabOutline& outline) {
    if (outline.domains.size() == 1) {
        lc.uniformValue = static_cast<float>(lc.gamma * outline.domains[0].thickness + lc.g);
    } else if (outline.domains.size() > 1) {
        lc.uniformValue = 0;
        lc.uniform = false;
    }
}

void domainMacros(const LoadCase& lc, const SlabOutline& outline, double h,
                  std::vector<AreaLoad>& macros) {
    for (const BoundaryCurve& curve : outline.curves) {
        const Domain& d = outline.domains[static_cast<std::size_t>(curve.domain) - 1];
        const LoadPlane plane{lc.gamma * d.thickness + lc.g, 0, 0};
        macros.push_back(curveMacro(curve, plane, AreaLoadVariation::Constant, h));
    }
}

/// The openings inside each area: their share of the plane leaves the area's resultant, and
/// each becomes a macro of its own.
void openingMacros(LoadCase& lc, const SlabOutline& outline, double h,
                   std::vector<AreaLoad>& macros) {
    for (AreaLoad& area : lc.areaLoads)
        for (std::int16_t number : area.openings) {
            const BoundaryCurve& curve = outline.curves[static_cast<std::size_t>(number) - 1];
            AreaLoad m = curveMacro(curve, planeOf(area), area.variation, h);
            area.resultant += m.resultant;
            macros.push_back(std::move(m));
        }
}

} // namespace

int subdivisionsOf(double length, double h) {
    if (!(h > 0)) return 1;
    return static_cast<int>(std::ceil(kSubdivisionFactor * length / h - kCountRoundOff));
}

LoadPlane planeOf(const AreaLoad& area) {
    return {area.p0, area.dpdx, area.dpdy};
}

Polygon polygonOf(const AreaLoad& area) {
    Polygon poly;
    for (const AreaCorner& c : area.corners)
        poly.push_back({c.x, c.y});
    return poly;
}

std::optional<LoadPlane> fittedPlane(const AreaLoad& area) {
    // The normal equations of the rows (1, x, y) about the corners' mean: the translation leaves
    // the determinant as it is and keeps the digits of slabs far from the origin.
    const double n = static_cast<double>(area.corners.size());
    double cx = 0, cy = 0, cp = 0;
    for (const AreaCorner& c : area.corners) {
        cx += c.x / n;
        cy += c.y / n;
        cp += c.p1 / n;
    }
    double sxx = 0, sxy = 0, syy = 0, sxp = 0, syp = 0;
    for (const AreaCorner& c : area.corners) {
        const double x = c.x - cx, y = c.y - cy;
        sxx += x * x;
        sxy += x * y;
        syy += y * y;
        sxp += x * c.p1;
        syp += y * c.p1;
    }
    // Cramer's rule on [[n, 0, 0], [0, sxx, sxy], [0, sxy, syy]].
    const double det = n * (sxx * syy - sxy * sxy);
    if (!(std::fabs(det) > kZeroTolerance)) return std::nullopt;
    const double a = n * (sxp * syy - sxy * syp) / det;
    const double b = n * (sxx * syp - sxp * sxy) / det;
    return LoadPlane{cp - a * cx - b * cy, a, b};
}

double lineValueAt(const LineLoad& load, int j) {
    const int n = load.subdivisions;
    if (n <= 0 || j > n) return load.end;
    return load.start + (j - 1) * (double(load.end) - load.start) / n;
}

PreparedMacros prepareLoadCase(LoadCase& lc, const SlabOutline& outline, int n) {
    PreparedMacros out;
    out.notices = checkLoadCase(lc, outline, n);
    const double h = outline.meanSegmentLength();

    if (lc.selfWeight) {
        selfWeightPerDomain(lc, outline);
        out.writeDomains = !outline.domains.empty();
    }
    for (AreaLoad& area : lc.areaLoads)
        prepareArea(area, h);
    lc.macroPoints = lc.areaPoints();
    if (lc.selfWeight && outline.domains.size() > 1) domainMacros(lc, outline, h, out.macros);

    if (!lc.lineLoads.empty()) {
        lc.macroPoints = 0;
        for (LineLoad& l : lc.lineLoads) {
            l.subdivisions = static_cast<std::int16_t>(
                std::clamp(subdivisionsOf(l.length, h), 1, kMaxLineSubdivisions));
            lc.macroPoints += l.subdivisions + 1;
        }
    }
    openingMacros(lc, outline, h, out.macros);
    // A force acts across the slab: it has no direction in the plane.
    for (PointLoad& p : lc.pointLoads)
        if (p.kind == PointLoadKind::Force) p.nx = p.ny = 0;
    lc.edgeLoadFlag = lc.nr() > 0;
    return out;
}

} // namespace daskel
