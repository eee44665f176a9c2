// The load generator's course through a load case, the temperature load, and the gathering of
// each load's nodal loads.
#include "loads/generator/generation.hpp"

#include "common/format.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace daskel {

namespace {

/// The temperature difference ΔT between the underside and the top (underside warmer:
/// positive) with the coefficient αT curves the free slab by αT·ΔT/t, bulging downwards like a
/// load along w does. Held, the curvature turns into the moment D·(1 + ν)·αT·ΔT/t, whose loads
/// are those of a unit curvature moment times its negative (w,xx = −αT·ΔT/t).
void generateTemperature(double deltaT, double alphaT, Generation& g) {
    for (const Cell& c : g.mesh.cells) {
        const double moment = -c.d * (1 + c.nu) * alphaT * deltaT / c.thickness;
        shape::ElementLoads loads = shape::curvatureLoads(c.a, c.b);
        for (double& v : loads)
            v *= moment;
        g.sums.add(c, loads);
    }
    g.take(GeneratedKind::Temperature, "Die Temperaturlast");
}

bool hasKind(const LoadCase& lc, GeneratedKind kind) {
    switch (kind) {
    case GeneratedKind::Area:
        return lc.nt() > 0;
    case GeneratedKind::Triangular:
        // With self weight the load echo keeps no triangular load; without it the uniform
        // value is po.
        return lc.uniform && lc.uniformShape == UniformShape::Triangular && !lc.selfWeight;
    case GeneratedKind::Line:
        return lc.nl() > 0;
    case GeneratedKind::Point:
        return lc.np() > 0;
    case GeneratedKind::Edge:
        return lc.nr() > 0;
    case GeneratedKind::Temperature:
        return lc.temperature;
    }
    return false;
}

} // namespace

NodeSums::NodeSums(int nodeCount)
    : sums_(static_cast<std::size_t>(nodeCount) + 1, NodalLoads{}),
      isTouched_(static_cast<std::size_t>(nodeCount) + 1, false) {}

void NodeSums::add(const Cell& cell, const shape::ElementLoads& loads) {
    for (int corner = 0; corner < 4; ++corner) {
        const int node = cell.node[corner];
        if (!isTouched_[node]) {
            isTouched_[node] = true;
            touched_.push_back(node);
        }
        for (int k = 0; k < 4; ++k)
            sums_[node][k] += loads[4 * corner + k];
    }
}

double NodeSums::force() const {
    double force = 0;
    for (int node : touched_)
        force += sums_[node][0];
    return force;
}

bool NodeSums::fits() const {
    constexpr double kLargest = std::numeric_limits<float>::max();
    for (int node : touched_)
        for (double v : sums_[node])
            if (!(std::fabs(v) <= kLargest)) return false; // a NaN fails as well
    return true;
}

void NodeSums::moveInto(std::vector<NodalLoads>& nodes) {
    for (int node : touched_)
        for (int k = 0; k < 4; ++k)
            nodes[node][k] += sums_[node][k];
    clear();
}

void NodeSums::clear() {
    for (int node : touched_) {
        sums_[node] = {};
        isTouched_[node] = false;
    }
    touched_.clear();
}

bool Generation::take(GeneratedKind kind, const std::string& name) {
    const bool fits = sums.fits();
    if (fits) {
        out.force[static_cast<std::size_t>(kind)] += sums.force();
        sums.moveInto(out.nodes);
    } else {
        note(name + " ergibt Knotenlasten, die keine endlichen Zahlen sind oder zu groß für die "
                    "Lastdateien; sie wird nicht berücksichtigt.");
        sums.clear();
    }
    return fits;
}

std::string noticeNumber(double v) {
    return slab::withDecimalComma(slab::format("%.2f", v));
}

bool GeneratedLoads::anyKind() const {
    for (bool p : present)
        if (p) return true;
    return false;
}

bool GeneratedLoads::anyLoad() const {
    for (const NodalLoads& n : nodes)
        for (double v : n)
            if (v != 0.0) return true;
    return false;
}

double GeneratedLoads::totalForce() const {
    double total = 0;
    for (double f : force)
        total += f;
    return total;
}

bool keepWithinSinglePrecision(GeneratedLoads& generated,
                               const slab::RecordTable<slab::NodalLoadRecord>& entered) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    const std::size_t rows = std::min(generated.nodes.size(), entered.size());
    for (std::size_t j = 1; j < rows; ++j)
        for (std::size_t k = 0; k < 4; ++k) {
            const double total =
                entered[j].v[slab::NodalLoadRecord::kLoad + k] + generated.nodes[j][k];
            if (std::fabs(total) <= kLargest) continue;
            for (NodalLoads& n : generated.nodes)
                n = {};
            generated.force = {};
            generated.notices.push_back(slab::format(
                "Die erzeugten und die eingegebenen Knotenlasten sind am Knoten %zu zusammen zu "
                "groß für die Lastdateien; die erzeugten Lasten werden nicht berücksichtigt.",
                j));
            return false;
        }
    return true;
}

const char* kindName(GeneratedKind kind) {
    switch (kind) {
    case GeneratedKind::Area:
        return "Teilflächenlasten";
    case GeneratedKind::Triangular:
        return "Dreieckslast";
    case GeneratedKind::Line:
        return "Linienlasten";
    case GeneratedKind::Point:
        return "Punktlasten";
    case GeneratedKind::Edge:
        return "Randlasten";
    case GeneratedKind::Temperature:
        return "Temperatur";
    }
    return "";
}

GeneratedLoads generateLoads(const LoadCase& lc, const SlabModel& model,
                             const SlabOutline& outline) {
    GeneratedLoads out;
    out.nodes.assign(static_cast<std::size_t>(model.nodeCount) + 1, NodalLoads{});
    for (int k = 0; k < kGeneratedKinds; ++k)
        out.present[k] = hasKind(lc, static_cast<GeneratedKind>(k));
    if (!out.anyKind()) return out;
    const MeshCells mesh = meshCells(model);
    if (mesh.cells.empty()) {
        out.notices.push_back("Die Position hat keine Elemente; die Lasten des Lastfalls werden "
                              "nicht in Knotenlasten umgerechnet.");
        return out;
    }
    Generation g{mesh, out, NodeSums(model.nodeCount)};
    generateAreaLoads(lc, g);
    if (out.present[static_cast<std::size_t>(GeneratedKind::Triangular)])
        generateTriangularLoad(lc.uniformValue, g);
    generateLineLoads(lc, g);
    generatePointLoads(lc, g);
    generateEdgeLoads(lc, outline, g);
    if (lc.temperature) generateTemperature(lc.deltaT, lc.alphaT, g);
    return out;
}

} // namespace daskel
