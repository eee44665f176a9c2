// Deriving the slab's outline from the mesh: the outer element edges chained into closed
// curves and merged into straight sections, and the regions of equal thickness.
#include "loads/outline/slab_outline.hpp"

#include "loads/outline/polygon.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <unordered_map>

namespace daskel {

namespace {

/// Two directions count as one straight run when the sine of their angle is below this.
constexpr double kStraight = 1e-9;

/// An outer element edge, directed so that its element lies on the left.
struct DirectedEdge {
    int from = 0, to = 0;
    int element = 0;
};

PlanePoint nodePoint(const SlabModel& m, int node) {
    return {m.nodes[node].x, m.nodes[node].y};
}

/// The element's corners counter-clockwise, whatever order the file gave them in.
std::array<int, 4> counterClockwise(const SlabModel& m, int e) {
    std::array<int, 4> c{};
    Polygon poly;
    for (int k = 0; k < 4; ++k) {
        c[k] = m.elements[e].node[k];
        poly.push_back(nodePoint(m, c[k]));
    }
    if (signedArea(poly) < 0) std::reverse(c.begin(), c.end());
    return c;
}

std::int64_t edgeKey(int a, int b) {
    return static_cast<std::int64_t>(std::min(a, b)) * 1000003 + std::max(a, b);
}

/// Union-find over the elements, for the domains.
struct Regions {
    std::vector<int> parent;
    explicit Regions(int n) : parent(static_cast<std::size_t>(n) + 1) {
        std::iota(parent.begin(), parent.end(), 0);
    }
    int root(int e) {
        while (parent[e] != e)
            e = parent[e] = parent[parent[e]];
        return e;
    }
    void join(int a, int b) {
        a = root(a);
        b = root(b);
        if (a != b) parent[std::max(a, b)] = std::min(a, b); // the lower number is the root
    }
};

/// The outer edges in element order, and the regions of equal thickness joined across the
/// inner edges.
std::vector<DirectedEdge> outerEdges(const SlabModel& m, Regions& regions) {
    struct Seen {
        int count = 0;
        DirectedEdge edge;
    };
    std::unordered_map<std::int64_t, Seen> seen;
    std::vector<std::int64_t> order;
    for (int e = 1; e <= m.elementCount; ++e) {
        const auto c = counterClockwise(m, e);
        for (int k = 0; k < 4; ++k) {
            const int a = c[k], b = c[(k + 1) % 4];
            Seen& s = seen[edgeKey(a, b)];
            if (s.count++ == 0) {
                s.edge = {a, b, e};
                order.push_back(edgeKey(a, b));
            } else if (m.elements[s.edge.element].thickness == m.elements[e].thickness) {
                regions.join(s.edge.element, e);
            }
        }
    }
    std::vector<DirectedEdge> outer;
    for (std::int64_t key : order)
        if (seen[key].count == 1) outer.push_back(seen[key].edge);
    return outer;
}

double turnAngle(PlanePoint in, PlanePoint out) {
    return std::atan2(in.x * out.y - in.y * out.x, in.x * out.x + in.y * out.y);
}

PlanePoint direction(const SlabModel& m, const DirectedEdge& e) {
    PlanePoint a = nodePoint(m, e.from), b = nodePoint(m, e.to);
    return {b.x - a.x, b.y - a.y};
}

/// The outer edges chained into closed loops. Where several loops meet at a node the sharpest
/// left turn is taken, so that each loop hugs its own part of the slab.
std::vector<std::vector<DirectedEdge>> chainLoops(const SlabModel& m,
                                                  const std::vector<DirectedEdge>& edges) {
    std::unordered_map<int, std::vector<std::size_t>> leaving;
    for (std::size_t i = 0; i < edges.size(); ++i)
        leaving[edges[i].from].push_back(i);
    std::vector<bool> used(edges.size(), false);
    std::vector<std::vector<DirectedEdge>> loops;
    for (std::size_t start = 0; start < edges.size(); ++start) {
        if (used[start]) continue;
        std::vector<DirectedEdge> loop;
        std::size_t current = start;
        used[current] = true;
        while (true) {
            loop.push_back(edges[current]);
            const PlanePoint in = direction(m, edges[current]);
            std::size_t best = edges.size();
            double bestTurn = -10;
            for (std::size_t next : leaving[edges[current].to]) {
                if (used[next] && next != start) continue;
                const double turn = turnAngle(in, direction(m, edges[next]));
                if (turn > bestTurn) {
                    bestTurn = turn;
                    best = next;
                }
            }
            if (best == edges.size() || best == start) break;
            used[best] = true;
            current = best;
        }
        loops.push_back(std::move(loop));
    }
    return loops;
}

bool straightOn(PlanePoint a, PlanePoint b) {
    const double cross = a.x * b.y - a.y * b.x, dot = a.x * b.x + a.y * b.y;
    return dot > 0 && std::fabs(cross) <= kStraight * std::hypot(a.x, a.y) * std::hypot(b.x, b.y);
}

/// The loop's straight sections, section 1 starting at its lowest corner.
std::vector<OutlineSection> sectionsOf(const SlabModel& m, const std::vector<DirectedEdge>& loop) {
    const std::size_t n = loop.size();
    std::vector<std::size_t> corners; // edges that start a section
    for (std::size_t i = 0; i < n; ++i)
        if (!straightOn(direction(m, loop[(i + n - 1) % n]), direction(m, loop[i])))
            corners.push_back(i);
    if (corners.empty()) corners.push_back(0);
    auto lower = [&](std::size_t a, std::size_t b) {
        PlanePoint p = nodePoint(m, loop[a].from), q = nodePoint(m, loop[b].from);
        if (std::fabs(p.y - q.y) > kZeroTolerance) return p.y < q.y;
        return p.x < q.x;
    };
    const auto first = std::min_element(corners.begin(), corners.end(), lower) - corners.begin();
    std::rotate(corners.begin(), corners.begin() + first, corners.end());

    std::vector<OutlineSection> sections;
    for (std::size_t s = 0; s < corners.size(); ++s) {
        const std::size_t begin = corners[s];
        const std::size_t end = corners[(s + 1) % corners.size()]; // the next section's start
        OutlineSection sec;
        sec.section = static_cast<int>(s) + 1;
        const PlanePoint a = nodePoint(m, loop[begin].from), b = nodePoint(m, loop[end].from);
        sec.xa = a.x;
        sec.ya = a.y;
        sec.xb = b.x;
        sec.yb = b.y;
        sec.length = std::hypot(b.x - a.x, b.y - a.y);
        if (sec.length > 0) {
            sec.nx = (b.y - a.y) / sec.length;
            sec.ny = -(b.x - a.x) / sec.length;
        }
        sec.subdivisions = static_cast<int>((end + n - begin - 1) % n) + 1;
        sec.firstElement = loop[begin].element;
        sections.push_back(sec);
    }
    return sections;
}

Polygon polygonOf(const std::vector<OutlineSection>& sections) {
    Polygon poly;
    for (const OutlineSection& s : sections)
        poly.push_back({s.xa, s.ya});
    return poly;
}

PlanePoint elementCentre(const SlabModel& m, int e) {
    PlanePoint c;
    for (int k = 0; k < 4; ++k) {
        c.x += m.nodes[m.elements[e].node[k]].x / 4;
        c.y += m.nodes[m.elements[e].node[k]].y / 4;
    }
    return c;
}

double elementArea(const SlabModel& m, int e) {
    Polygon poly;
    for (int k = 0; k < 4; ++k)
        poly.push_back(nodePoint(m, m.elements[e].node[k]));
    return std::fabs(signedArea(poly));
}

/// A point inside an opening: its centroid when that lies in it, else a point just off one of
/// its edges on the opening's side (the right of the edge's direction).
PlanePoint pointInOpening(const SlabModel& m, const std::vector<DirectedEdge>& loop,
                          const Polygon& poly) {
    const PlanePoint c = centroid(poly);
    if (strictlyInside(poly, c)) return c;
    for (const DirectedEdge& e : loop) {
        const PlanePoint a = nodePoint(m, e.from), d = direction(m, e);
        const double len = std::hypot(d.x, d.y);
        if (len <= kZeroTolerance) continue;
        // A quarter of the element's depth across the edge stays within the neighbouring cell.
        const double step = elementArea(m, e.element) / len / 4;
        const PlanePoint q{a.x + d.x / 2 + step * d.y / len, a.y + d.y / 2 - step * d.x / len};
        if (strictlyInside(poly, q)) return q;
    }
    return c;
}

std::vector<Domain> domainsOf(const SlabModel& m, Regions& regions, std::vector<int>& domainOf) {
    std::vector<Domain> domains;
    std::unordered_map<int, int> numberOfRoot;
    domainOf.assign(static_cast<std::size_t>(m.elementCount) + 1, 0);
    for (int e = 1; e <= m.elementCount; ++e) {
        const int root = regions.root(e);
        auto [it, added] = numberOfRoot.try_emplace(root, static_cast<int>(domains.size()) + 1);
        if (added) {
            Domain d;
            d.number = it->second;
            d.thickness = m.elements[e].thickness;
            d.lowestElement = e;
            d.xmin = d.xmax = m.nodes[m.elements[e].node[0]].x;
            d.ymin = d.ymax = m.nodes[m.elements[e].node[0]].y;
            domains.push_back(d);
        }
        Domain& d = domains[static_cast<std::size_t>(it->second) - 1];
        domainOf[e] = d.number;
        d.area += elementArea(m, e);
        ++d.elementCount;
        for (int k = 0; k < 4; ++k) {
            const auto& node = m.nodes[m.elements[e].node[k]];
            d.xmin = std::min(d.xmin, node.x);
            d.xmax = std::max(d.xmax, node.x);
            d.ymin = std::min(d.ymin, node.y);
            d.ymax = std::max(d.ymax, node.y);
        }
    }
    return domains;
}

BoundaryCurve curveOf(const SlabModel& m, const std::vector<DirectedEdge>& loop,
                      const std::vector<int>& domainOf) {
    BoundaryCurve curve;
    curve.sections = sectionsOf(m, loop);
    const Polygon poly = polygonOf(curve.sections);
    curve.area = signedArea(poly);
    curve.opening = curve.area < 0;
    curve.lowestElement = loop.front().element;
    for (const DirectedEdge& e : loop)
        curve.lowestElement = std::min(curve.lowestElement, e.element);
    const int along = curve.sections.front().firstElement;
    curve.domain = domainOf[along];
    const PlanePoint ref = curve.opening ? pointInOpening(m, loop, poly) : elementCentre(m, along);
    curve.refX = ref.x;
    curve.refY = ref.y;
    return curve;
}

} // namespace

const OutlineSection* SlabOutline::section(int boundary, int sectionNumber) const {
    if (boundary < 1 || boundary > static_cast<int>(curves.size())) return nullptr;
    const auto& sections = curves[static_cast<std::size_t>(boundary) - 1].sections;
    if (sectionNumber < 1 || sectionNumber > static_cast<int>(sections.size())) return nullptr;
    return &sections[static_cast<std::size_t>(sectionNumber) - 1];
}

double SlabOutline::meanSegmentLength() const {
    double length = 0;
    int subdivisions = 0;
    for (const BoundaryCurve& c : curves)
        for (const OutlineSection& s : c.sections) {
            length += s.length;
            subdivisions += s.subdivisions;
        }
    return subdivisions > 0 ? length / subdivisions : 0;
}

EchoGeometry SlabOutline::echoGeometry() const {
    EchoGeometry g;
    g.domainCount = std::max<int>(1, static_cast<int>(domains.size()));
    for (const BoundaryCurve& c : curves)
        for (const OutlineSection& s : c.sections)
            g.sections.push_back({static_cast<std::int16_t>(s.boundary),
                                  static_cast<std::int16_t>(s.section), static_cast<float>(s.xa),
                                  static_cast<float>(s.ya), static_cast<float>(s.xb),
                                  static_cast<float>(s.yb)});
    return g;
}

SlabOutline deriveOutline(const SlabModel& model) {
    SlabOutline outline;
    Regions regions(model.elementCount);
    const std::vector<DirectedEdge> edges = outerEdges(model, regions);
    std::vector<int> domainOf;
    outline.domains = domainsOf(model, regions, domainOf);
    for (const auto& loop : chainLoops(model, edges))
        outline.curves.push_back(curveOf(model, loop, domainOf));
    // Outer boundaries first, then openings, each by the lowest element along it.
    std::stable_sort(outline.curves.begin(), outline.curves.end(),
                     [](const BoundaryCurve& a, const BoundaryCurve& b) {
                         if (a.opening != b.opening) return !a.opening;
                         return a.lowestElement < b.lowestElement;
                     });
    for (std::size_t k = 0; k < outline.curves.size(); ++k) {
        BoundaryCurve& c = outline.curves[k];
        c.number = static_cast<int>(k) + 1;
        for (OutlineSection& s : c.sections)
            s.boundary = c.number;
    }
    return outline;
}

} // namespace daskel
