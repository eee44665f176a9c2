// Influence load cases on the mesh: element frames, the walk along a section, and the nodal
// loads gathered from the element vectors.
#include "loads/influence_loads.hpp"

#include "common/format.hpp"
#include "loads/element_loads.hpp"

#include <algorithm>
#include <cmath>
#include <map>

namespace daskel {

namespace {

using slab::format;

std::string number(double v) {
    return slab::withDecimalComma(format("%g", v));
}

// Sums per node, kept in node order.
using Accumulator = std::map<int, std::array<double, 4>>;

// Adds factor times the element vector, four values per corner, to the corner nodes.
void addVector(Accumulator& sums, const ElementFrame& f, const LoadVector& v, double factor) {
    for (int c = 0; c < 4; ++c) {
        auto& node = sums[f.node[c]];
        for (int k = 0; k < 4; ++k)
            node[k] += factor * v[4 * c + k];
    }
}

InfluenceLoads gathered(const Accumulator& sums) {
    InfluenceLoads r;
    for (const auto& [node, load] : sums)
        r.loads.push_back({node, load});
    return r;
}

InfluenceLoads failure(std::string error) {
    return {{}, std::move(error)};
}

// A local coordinate on [0, length]; nullopt when it lies outside (or is not a number).
std::optional<double> localCoordinate(double v, double length) {
    const double tolerance = kLocalTolerance * length;
    if (!(v >= -tolerance && v <= length + tolerance)) return std::nullopt;
    return std::clamp(v, 0.0, length);
}

std::string outsideError(const char* axis, double v, int element, double length) {
    return format("Schnittkoordinate %s = %s m liegt nicht im Element %i (0 bis %s m).", axis,
                  number(v).c_str(), element, number(length).c_str());
}

// D of the element, or why the element has no usable plate stiffness.
struct Stiffness {
    double d = 0;
    std::string error;
};

Stiffness stiffness(const SlabModel& m, int element) {
    const slab::ElementRecord& el = m.elements[element];
    const double d = plateStiffness(el);
    // Written so that a NaN is refused as well; 1 - nu² = 0 gives an infinite D.
    if (d > 0 && std::isfinite(d)) return {d, {}};
    return {0, format("Element %i: E = %s, ν = %s und d = %s ergeben keine positive "
                      "Plattensteifigkeit.",
                      element, number(el.e).c_str(), number(el.nu).c_str(),
                      number(el.thickness).c_str())};
}

// The elements crossed by the line through the centre of `through`, in order along it.
SectionElements walk(const SlabModel& m, SectionDirection direction, int through) {
    const CheckedFrame start = elementFrame(m, through);
    if (!start.ok()) return {{}, start.error};
    const double xc = (start.frame.x1 + start.frame.x3) / 2;
    const double yc = (start.frame.y1 + start.frame.y3) / 2;
    // Every element whose span across the section holds the line is crossed, wherever the slab
    // begins, whatever widths the columns have and across openings; the line runs through an
    // element's interior, so it never picks the neighbour that merely touches it.
    struct Hit {
        double along;
        int element;
    };
    std::vector<Hit> hits;
    for (int e = 1; e <= m.elementCount; ++e) {
        const CheckedFrame f = elementFrame(m, e);
        if (!f.ok()) return {{}, f.error};
        const ElementFrame& g = f.frame;
        if (direction == SectionDirection::Horizontal) {
            if (g.y1 < yc && yc < g.y3) hits.push_back({(g.x1 + g.x3) / 2, e});
        } else {
            if (g.x1 < xc && xc < g.x3) hits.push_back({(g.y1 + g.y3) / 2, e});
        }
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const Hit& p, const Hit& q) { return p.along < q.along; });
    SectionElements r;
    for (const Hit& h : hits)
        r.elements.push_back(h.element);
    return r;
}

} // namespace

SectionDirection sectionDirection(SectionQuantity q) {
    return isVertical(q) ? SectionDirection::Vertical : SectionDirection::Horizontal;
}

CheckedFrame elementFrame(const SlabModel& m, int element) {
    if (auto error = elementError(m, element)) return {{}, *error};
    if (static_cast<std::size_t>(element) >= m.elements.size())
        return {{}, format("Element %i fehlt in der Elementtabelle.", element)};
    const slab::ElementRecord& el = m.elements[element];
    for (int c = 0; c < 4; ++c) {
        const int n = el.node[c];
        if (n < 1 || n > m.nodeCount)
            return {{},
                    format("Element %i: Eckknoten %i ist Knoten %i, es gibt aber nur die "
                           "Knoten 1 bis %i.",
                           element, c + 1, n, m.nodeCount)};
        if (static_cast<std::size_t>(n) >= m.nodes.size())
            return {{}, format("Knoten %i fehlt in der Knotentabelle.", n)};
    }
    const auto& p1 = m.nodes[el.node[0]];
    const auto& p2 = m.nodes[el.node[1]];
    const auto& p3 = m.nodes[el.node[2]];
    ElementFrame f;
    f.node = el.node;
    f.x1 = p1.x;
    f.y1 = p1.y;
    f.x3 = p3.x;
    f.y3 = p3.y;
    // The solver's element works with single-precision lengths; the same lengths make the
    // loads the exact functional of the field it computes.
    f.a = static_cast<float>(p2.x - p1.x);
    f.b = static_cast<float>(p3.y - p2.y);
    const double lengths[2] = {f.a, f.b};
    for (int k = 0; k < 2; ++k)
        if (!(lengths[k] > 0)) // a NaN coordinate is refused as well
            return {{},
                    format("Element %i: Die Länge in %s-Richtung ist %s m und damit nicht "
                           "positiv.",
                           element, k == 0 ? "x" : "y", number(lengths[k]).c_str())};
    return {f, {}};
}

InfluenceLoads elementPointLoads(const SlabModel& model, PointQuantity q, int element, double x,
                                 double y) {
    const CheckedFrame f = elementFrame(model, element);
    if (!f.ok()) return failure(f.error);
    const double a = f.frame.a, b = f.frame.b;
    const auto lx = localCoordinate(x, a);
    if (!lx) return failure(outsideError("x", x, element, a));
    const auto ly = localCoordinate(y, b);
    if (!ly) return failure(outsideError("y", y, element, b));
    const Stiffness s = stiffness(model, element);
    if (!s.error.empty()) return failure(s.error);
    Accumulator sums;
    const double nu = model.elements[element].nu;
    addVector(sums, f.frame, pointVector(q, s.d, nu, a, b, *lx, *ly), 1.0);
    return gathered(sums);
}

InfluenceLoads nodePointLoads(const SlabModel& model, PointQuantity q, int node) {
    if (auto error = nodeError(model, node)) return failure(*error);
    struct Around {
        int element, corner;
    };
    std::vector<Around> around;
    const int rows = std::min(model.elementCount, static_cast<int>(model.elements.size()) - 1);
    for (int e = 1; e <= rows; ++e)
        for (int c = 0; c < 4; ++c)
            if (model.elements[e].node[c] == node) around.push_back({e, c});
    if (around.empty()) return failure(format("Knoten %i gehört zu keinem Element.", node));

    Accumulator sums;
    const double share = 1.0 / static_cast<double>(around.size());
    for (const auto [e, corner] : around) {
        const CheckedFrame f = elementFrame(model, e);
        if (!f.ok()) return failure(f.error);
        const Stiffness s = stiffness(model, e);
        if (!s.error.empty()) return failure(s.error);
        const double a = f.frame.a, b = f.frame.b;
        const double x = corner == 1 || corner == 2 ? a : 0.0;
        const double y = corner == 2 || corner == 3 ? b : 0.0;
        addVector(sums, f.frame, pointVector(q, s.d, model.elements[e].nu, a, b, x, y), share);
    }
    return gathered(sums);
}

SectionElements partialSection(const SlabModel& model, SectionDirection direction, int from,
                               int to) {
    for (int e : {from, to})
        if (auto error = elementError(model, e)) return {{}, *error};
    SectionElements line = walk(model, direction, from);
    if (!line.ok()) return line;
    const auto& list = line.elements;
    const auto first = std::find(list.begin(), list.end(), from);
    const auto last = std::find(list.begin(), list.end(), to);
    if (first == list.end() || last == list.end())
        return {{}, "Gewählte Elemente liegen nicht in einem Schnitt!"};
    const auto [begin, end] = std::minmax(first, last);
    return {std::vector<int>(begin, end + 1), {}};
}

SectionElements completeSection(const SlabModel& model, SectionDirection direction, int element) {
    return walk(model, direction, element);
}

InfluenceLoads sectionLoads(const SlabModel& model, SectionQuantity q, SectionDirection direction,
                            const std::vector<int>& elements, double s) {
    if (sectionDirection(q) != direction)
        return failure(format("Die Größe %s gehört zu einem %s Schnitt.",
                              std::string(label(q)).c_str(),
                              isVertical(q) ? "vertikalen" : "horizontalen"));
    if (elements.empty()) return failure("Der Schnitt kreuzt kein Element.");
    const bool vertical = direction == SectionDirection::Vertical;
    Accumulator sums;
    for (int e : elements) {
        const CheckedFrame f = elementFrame(model, e);
        if (!f.ok()) return failure(f.error);
        const double a = f.frame.a, b = f.frame.b;
        const double across = vertical ? a : b;
        const auto local = localCoordinate(s, across);
        if (!local) return failure(outsideError(vertical ? "x" : "y", s, e, across));
        const Stiffness st = stiffness(model, e);
        if (!st.error.empty()) return failure(st.error);
        addVector(sums, f.frame, sectionVector(q, st.d, model.elements[e].nu, a, b, *local), 1.0);
    }
    return gathered(sums);
}

std::optional<std::string> addInfluenceLoads(LoadTables& tables, const InfluenceLoads& loads) {
    if (!loads.ok()) return loads.error;
    // Checked in full first, so that a bad entry leaves the table as it was.
    for (const NodeLoad& l : loads.loads)
        if (l.node < 1 || static_cast<std::size_t>(l.node) >= tables.nodeLoads.size())
            return format("Knoten %i fehlt in der Knotenlasttabelle.", l.node);
    for (const NodeLoad& l : loads.loads)
        for (std::size_t k = 0; k < 4; ++k)
            tables.nodeLoads[l.node].v[slab::NodalLoadRecord::kLoad + k] += l.load[k];
    return std::nullopt;
}

} // namespace daskel
