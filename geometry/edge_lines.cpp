// Edge lines: one per distinct node pair, the first element using it owns it.
#include "geometry/edge_lines.hpp"

#include <bit>
#include <map>
#include <utility>

namespace morvel {

std::array<int, 2> edgeCorners(int edge) {
    return {edge, edge == 4 ? 1 : edge + 1};
}

namespace {

// The node pair of edge k, smaller number first: the key that joins the two elements of an edge.
std::pair<int, int> edgeNodes(const slab::ElementRecord& el, int k) {
    auto [c1, c2] = edgeCorners(k);
    int a = el.node[static_cast<std::size_t>(c1 - 1)];
    int b = el.node[static_cast<std::size_t>(c2 - 1)];
    if (a > b) std::swap(a, b);
    return {a, b};
}

} // namespace

void rebuildEdgeLines(Model& m) {
    m.lines.clear();
    std::map<std::pair<int, int>, std::size_t> lineOfPair;
    for (int e = 1; e <= m.elementCount; ++e) {
        auto& el = m.elements[static_cast<std::size_t>(e)];
        for (int k = 1; k <= 4; ++k) {
            const auto [a, b] = edgeNodes(el, k);
            auto found = lineOfPair.find({a, b});
            if (found != lineOfPair.end()) {
                m.lines[found->second].inner = true;
                continue;
            }
            EdgeLine line;
            // Node numbers outside the table give a line without coordinates rather than a
            // read beyond it; the readers refuse such elements anyway.
            auto coord = [&](int n, float& x, float& y) {
                if (n < 1 || n > m.nodeCount) return;
                x = static_cast<float>(m.nodes[static_cast<std::size_t>(n)].x);
                y = static_cast<float>(m.nodes[static_cast<std::size_t>(n)].y);
            };
            coord(a, line.x1, line.y1);
            coord(b, line.x2, line.y2);
            line.a = a;
            line.b = b;
            line.element = e;
            line.edge = k;
            line.code = edgeSupportOf(el, k);
            lineOfPair[{a, b}] = m.lines.size();
            m.lines.push_back(line);
        }
    }
    for (int e = 1; e <= m.elementCount; ++e) {
        auto& el = m.elements[static_cast<std::size_t>(e)];
        for (int k = 1; k <= 4; ++k)
            el.outerEdge[static_cast<std::size_t>(k - 1)] =
                m.lines[lineOfPair[edgeNodes(el, k)]].inner ? 0 : 1;
    }
}

std::uint64_t edgeLineChecksum(const Model& m) {
    // FNV-1a over the fields that a change of mesh or supports touches.
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h ^= (v >> (8 * i)) & 0xffu;
            h *= 1099511628211ull;
        }
    };
    mix(static_cast<std::uint32_t>(m.lines.size()));
    for (const auto& l : m.lines) {
        mix(static_cast<std::uint32_t>(l.a));
        mix(static_cast<std::uint32_t>(l.b));
        mix(std::bit_cast<std::uint32_t>(l.x1));
        mix(std::bit_cast<std::uint32_t>(l.y1));
        mix(std::bit_cast<std::uint32_t>(l.x2));
        mix(std::bit_cast<std::uint32_t>(l.y2));
        mix(edgeSupportByte(l.code));
    }
    return h;
}

} // namespace morvel
