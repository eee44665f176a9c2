// The generator's view of the mesh: cells from the element frames, grouped into columns, and
// the search for the cells under a point or along a segment.
#include "loads/generator/mesh_cells.hpp"

#include "loads/influence.hpp"
#include "loads/influence_loads.hpp"

#include <algorithm>
#include <map>
#include <utility>

namespace daskel {

namespace {

PlanePoint pointAt(PlanePoint a, PlanePoint b, double t) {
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

/// The cell's stretch of the segment, when it has a length.
struct Span {
    const Cell* cell;
    double t0, t1;
};

std::vector<Span> spansOf(const MeshCells& mesh, PlanePoint a, PlanePoint b) {
    const double xmin = std::min(a.x, b.x), xmax = std::max(a.x, b.x);
    const double ymin = std::min(a.y, b.y), ymax = std::max(a.y, b.y);
    std::vector<Span> spans;
    for (const Cell& c : mesh.cells) {
        if (c.rect.x2 < xmin || c.rect.x1 > xmax || c.rect.y2 < ymin || c.rect.y1 > ymax) continue;
        if (auto s = spanInRectangle(a, b, c.rect); s && s->t1 > s->t0)
            spans.push_back({&c, s->t0, s->t1});
    }
    return spans;
}

/// The cell of a stretch between two breaks: the first whose span holds its middle, else one
/// that nearly holds both its ends (a segment along the slab's edge, off it by round-off).
const Cell* cellOfStretch(const MeshCells& mesh, const std::vector<Span>& spans, PlanePoint a,
                          PlanePoint b, double u, double v) {
    const double middle = (u + v) / 2;
    for (const Span& s : spans)
        if (s.t0 <= middle && middle <= s.t1) return s.cell;
    const PlanePoint p = pointAt(a, b, u), q = pointAt(a, b, v);
    for (const Cell& c : mesh.cells)
        if (c.nearlyHolds(p) && c.nearlyHolds(q)) return &c;
    return nullptr;
}

} // namespace

shape::LocalPoint Cell::localPoint(PlanePoint p) const {
    const double x = (p.x - rect.x1) * (a / (rect.x2 - rect.x1));
    const double y = (p.y - rect.y1) * (b / (rect.y2 - rect.y1));
    return {std::clamp(x, 0.0, a), std::clamp(y, 0.0, b)};
}

shape::LinearLoad Cell::localLoad(const LoadPlane& plane) const {
    return {plane.at(rect.x1, rect.y1), plane.a * (rect.x2 - rect.x1) / a,
            plane.b * (rect.y2 - rect.y1) / b};
}

bool Cell::nearlyHolds(PlanePoint p) const {
    return p.x >= rect.x1 - kOnSlabTolerance && p.x <= rect.x2 + kOnSlabTolerance &&
           p.y >= rect.y1 - kOnSlabTolerance && p.y <= rect.y2 + kOnSlabTolerance;
}

MeshCells meshCells(const SlabModel& model) {
    MeshCells mesh;
    for (int e = 1; e <= model.elementCount; ++e) {
        const CheckedFrame f = elementFrame(model, e);
        if (!f.ok()) continue;
        Cell c;
        c.element = e;
        c.node = f.frame.node;
        c.rect = {f.frame.x1, f.frame.y1, f.frame.x3, f.frame.y3};
        if (!(c.rect.x2 > c.rect.x1 && c.rect.y2 > c.rect.y1)) continue;
        c.a = f.frame.a;
        c.b = f.frame.b;
        c.d = plateStiffness(model.elements[e]);
        c.nu = model.elements[e].nu;
        c.thickness = model.elements[e].thickness;
        mesh.cells.push_back(c);
    }
    std::map<std::pair<double, double>, std::vector<std::size_t>> byRange;
    for (std::size_t i = 0; i < mesh.cells.size(); ++i)
        byRange[{mesh.cells[i].rect.x1, mesh.cells[i].rect.x2}].push_back(i);
    for (auto& [range, cells] : byRange) {
        std::stable_sort(cells.begin(), cells.end(), [&](std::size_t i, std::size_t j) {
            return mesh.cells[i].rect.y1 < mesh.cells[j].rect.y1;
        });
        mesh.columns.push_back({range.first, range.second, std::move(cells)});
    }
    return mesh;
}

const Cell* cellAt(const MeshCells& mesh, PlanePoint p) {
    for (const Cell& c : mesh.cells)
        if (p.x >= c.rect.x1 && p.x <= c.rect.x2 && p.y >= c.rect.y1 && p.y <= c.rect.y2) return &c;
    for (const Cell& c : mesh.cells)
        if (c.nearlyHolds(p)) return &c;
    return nullptr;
}

std::vector<SegmentPiece> piecesAlong(const MeshCells& mesh, PlanePoint a, PlanePoint b) {
    const std::vector<Span> spans = spansOf(mesh, a, b);
    std::vector<double> breaks = {0.0, 1.0};
    for (const Span& s : spans) {
        breaks.push_back(s.t0);
        breaks.push_back(s.t1);
    }
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    std::vector<SegmentPiece> pieces;
    for (std::size_t k = 0; k + 1 < breaks.size(); ++k) {
        const double u = breaks[k], v = breaks[k + 1];
        const Cell* cell = cellOfStretch(mesh, spans, a, b, u, v);
        // Stretches of one cell that a neighbour's break split are taken as one.
        if (!pieces.empty() && pieces.back().cell == cell)
            pieces.back().t1 = v;
        else
            pieces.push_back({cell, u, v});
    }
    return pieces;
}

} // namespace daskel
