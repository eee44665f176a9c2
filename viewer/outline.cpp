// The outline as the one band of a constant field over the elements.
#include "viewer/outline.hpp"

#include "viewer/contour.hpp"

#include <cstdint>
#include <unordered_map>

namespace viewer {

namespace {

std::uint64_t sideKey(int a, int b) {
    return (static_cast<std::uint64_t>(std::min(a, b)) << 32) |
           static_cast<std::uint64_t>(std::max(a, b));
}

} // namespace

std::vector<OuterSide> outerSides(const ResultSet& r) {
    std::unordered_map<std::uint64_t, int> use;
    auto node = [&](int e, int k) { return r.element(e).node[static_cast<std::size_t>(k % 4)]; };
    for (int e = 1; e <= r.elementCount(); ++e)
        for (int k = 0; k < 4; ++k)
            ++use[sideKey(node(e, k), node(e, k + 1))];
    std::vector<OuterSide> sides;
    for (int e = 1; e <= r.elementCount(); ++e)
        for (int k = 0; k < 4; ++k)
            if (use[sideKey(node(e, k), node(e, k + 1))] == 1) sides.push_back({e, k});
    return sides;
}

std::vector<std::vector<XY>> slabOutline(const ResultSet& r) {
    // Each element as two triangles on its corner nodes; the contour of a field without
    // thresholds is one band whose boundary is the outline.
    FieldMesh mesh;
    std::vector<int> vertex(static_cast<std::size_t>(r.nodeCount()) + 1, -1);
    auto vertexOf = [&](int node) {
        int& v = vertex[static_cast<std::size_t>(node)];
        if (v < 0) {
            v = static_cast<int>(mesh.points.size());
            mesh.points.push_back(r.node(node).at);
            mesh.values.push_back(0.0);
        }
        return v;
    };
    for (int e = 1; e <= r.elementCount(); ++e) {
        const auto& n = r.element(e).node;
        const int a = vertexOf(n[0]), b = vertexOf(n[1]), c = vertexOf(n[2]), d = vertexOf(n[3]);
        mesh.triangles.push_back({a, b, c});
        mesh.triangles.push_back({a, c, d});
    }
    for (const auto& s : outerSides(r)) {
        const auto& n = r.element(s.element).node;
        mesh.boundary.push_back({vertexOf(n[static_cast<std::size_t>(s.side)]),
                                 vertexOf(n[static_cast<std::size_t>((s.side + 1) % 4)])});
    }
    const Contours c = contour(mesh, levelsFor(0, 0));
    return c.bands.empty() ? std::vector<std::vector<XY>>{} : c.bands.front().loops;
}

} // namespace viewer
