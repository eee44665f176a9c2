// Area loads cut to the elements: each polygon is cut to the columns of elements it reaches,
// then to each element of the column, and the load plane is integrated over every piece with
// the element's own functions.
#include "loads/generator/generation.hpp"

#include "common/format.hpp"
#include "loads/macros/load_macros.hpp"

#include <algorithm>
#include <cmath>

namespace daskel {

namespace {

struct Extent {
    double xmin, xmax, ymin, ymax;
};

Extent extentOf(const Polygon& poly) {
    Extent e{poly[0].x, poly[0].x, poly[0].y, poly[0].y};
    for (const PlanePoint& p : poly) {
        e.xmin = std::min(e.xmin, p.x);
        e.xmax = std::max(e.xmax, p.x);
        e.ymin = std::min(e.ymin, p.y);
        e.ymax = std::max(e.ymax, p.y);
    }
    return e;
}

/// A piece whose area falls short of its element's by less than this share covers the element:
/// what is left is round-off of the cutting, and the closed form of the whole element is taken.
constexpr double kWholeElement = 1e-12;

/// The loads of the plane over a piece of the cell's element.
shape::ElementLoads pieceLoads(const Cell& cell, const Polygon& piece, const LoadPlane& plane,
                               double pieceArea, std::vector<shape::LocalPoint>& local) {
    const double whole = (cell.rect.x2 - cell.rect.x1) * (cell.rect.y2 - cell.rect.y1);
    if (pieceArea >= (1 - kWholeElement) * whole)
        return shape::rectangleLoads(cell.localLoad(plane), cell.a, cell.b);
    local.clear();
    for (const PlanePoint& p : piece)
        local.push_back(cell.localPoint(p));
    return shape::polygonLoads(local, cell.localLoad(plane), cell.a, cell.b);
}

/// Integrates the plane over the polygon's pieces on the elements into g.sums; returns the area
/// of the pieces [m²].
double gatherOnElements(const Polygon& poly, const LoadPlane& plane, Generation& g) {
    const Extent e = extentOf(poly);
    double covered = 0;
    std::vector<shape::LocalPoint> local;
    for (const CellColumn& column : g.mesh.columns) {
        if (column.x2 <= e.xmin || column.x1 >= e.xmax) continue;
        const Polygon strip = clipToBand(poly, Axis::X, column.x1, column.x2);
        if (strip.size() < 3) continue;
        const Extent s = extentOf(strip);
        for (std::size_t index : column.cells) {
            const Cell& cell = g.mesh.cells[index];
            if (cell.rect.y2 <= s.ymin || cell.rect.y1 >= s.ymax) continue;
            const Polygon piece = clipToBand(strip, Axis::Y, cell.rect.y1, cell.rect.y2);
            if (piece.size() < 3) continue;
            const double area = signedArea(piece);
            g.sums.add(cell, pieceLoads(cell, piece, plane, area, local));
            covered += area;
        }
    }
    return covered;
}

void generateArea(const AreaLoad& area, int number, Generation& g) {
    Polygon poly = polygonOf(area);
    double whole = signedArea(poly);
    if (std::fabs(whole) <= kZeroTolerance) return;
    // A polygon entered clockwise (the save names it) still means the load over its region.
    if (whole < 0) {
        std::reverse(poly.begin(), poly.end());
        whole = -whole;
    }
    const LoadPlane plane = planeOf(area);
    const double covered = gatherOnElements(poly, plane, g);
    const std::string name = slab::format("Teilflächenlast %i", number);
    if (covered <= kNegligibleShare * whole) {
        g.sums.clear();
        g.note(name + " liegt auf keinem Element (Öffnung oder außerhalb der Platte) und wird "
                      "nicht berücksichtigt.");
        return;
    }
    const double onElements = g.sums.force();
    if (!g.take(GeneratedKind::Area, name) || whole - covered <= kNegligibleShare * whole) return;
    const double resultant = planeIntegral(poly, plane, centroid(poly));
    g.note(slab::format("Von %s fallen %s m² mit %s kN auf kein Element (Öffnung oder außerhalb "
                        "der Platte); sie werden nicht berücksichtigt.",
                        name.c_str(), noticeNumber(whole - covered).c_str(),
                        noticeNumber(resultant - onElements).c_str()));
}

} // namespace

void generateAreaLoads(const LoadCase& lc, Generation& g) {
    for (std::size_t k = 0; k < lc.areaLoads.size(); ++k)
        generateArea(lc.areaLoads[k], static_cast<int>(k) + 1, g);
}

void generateTriangularLoad(double po, Generation& g) {
    const LoadPlane plane{0, po, 0};
    for (const Cell& cell : g.mesh.cells)
        g.sums.add(cell, shape::rectangleLoads(cell.localLoad(plane), cell.a, cell.b));
    g.take(GeneratedKind::Triangular, "Die Dreieckslast");
}

} // namespace daskel
