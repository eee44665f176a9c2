// Point loads: a force through the values of the element's functions at its point, a moment
// through their slopes in its direction. Kinks, rotations and offsets prescribe deformations
// of the slab; they are no loads and are named instead.
#include "loads/generator/generation.hpp"

#include "common/format.hpp"
#include "common/text.hpp"

#include <cmath>

namespace daskel {

namespace {

const char* deformationName(PointLoadKind kind) {
    switch (kind) {
    case PointLoadKind::Kink:
        return "Knick";
    case PointLoadKind::Rotation:
        return "Verdrehung";
    case PointLoadKind::Offset:
        return "Sprung";
    case PointLoadKind::Force:
    case PointLoadKind::Moment:
        break;
    }
    return "";
}

void noteDeformations(const std::vector<std::string>& named, Generation& g) {
    if (named.empty()) return;
    if (named.size() == 1)
        g.note("Punktlast " + named[0] +
               " ist eine eingeprägte Verformung, keine Last, und wird nicht in Knotenlasten "
               "umgerechnet.");
    else
        g.note("Die Punktlasten " + slab::joinNames(named) +
               " sind eingeprägte Verformungen, keine Lasten, und werden nicht in Knotenlasten "
               "umgerechnet.");
}

void generatePoint(const PointLoad& p, int number, Generation& g) {
    const std::string name = slab::format("Punktlast %i", number);
    const Cell* cell = cellAt(g.mesh, {p.x, p.y});
    if (!cell) {
        g.note(slab::format("%s bei x = %s, y = %s liegt auf keinem Element (Öffnung oder "
                            "außerhalb der Platte) und wird nicht berücksichtigt.",
                            name.c_str(), noticeNumber(p.x).c_str(), noticeNumber(p.y).c_str()));
        return;
    }
    const shape::LocalPoint at = cell->localPoint({p.x, p.y});
    if (p.kind == PointLoadKind::Force) {
        g.sums.add(*cell, shape::pointForce(at, p.size, cell->a, cell->b));
    } else {
        const double length = std::hypot(double(p.nx), double(p.ny));
        if (!(length > 0)) {
            g.note(name + ": Das Moment hat keine Richtung (nx = ny = 0) und wird nicht "
                          "berücksichtigt. Bitte nx und ny angeben.");
            return;
        }
        g.sums.add(*cell,
                   shape::pointMoment(at, p.size, p.nx / length, p.ny / length, cell->a, cell->b));
    }
    g.take(GeneratedKind::Point, name);
}

} // namespace

void generatePointLoads(const LoadCase& lc, Generation& g) {
    std::vector<std::string> deformations;
    for (std::size_t i = 0; i < lc.pointLoads.size(); ++i) {
        const PointLoad& p = lc.pointLoads[i];
        const int number = static_cast<int>(i) + 1;
        if (p.kind == PointLoadKind::Force || p.kind == PointLoadKind::Moment)
            generatePoint(p, number, g);
        else
            deformations.push_back(slab::format("%i (%s)", number, deformationName(p.kind)));
    }
    noteDeformations(deformations, g);
}

} // namespace daskel
