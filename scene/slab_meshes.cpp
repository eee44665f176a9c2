// Meshes from the geometry editor's and the load editor's models.
#include "scene/slab_meshes.hpp"

#include "geometry/model.hpp"
#include "loads/slab_model.hpp"

namespace scene {

namespace {

template <class Nodes, class Elements>
Mesh meshFrom(int nodeCount, const Nodes& nodes, int elementCount, const Elements& elements) {
    Mesh mesh;
    mesh.nodes.reserve(static_cast<std::size_t>(nodeCount) + 1);
    for (int n = 1; n <= nodeCount; ++n) {
        const auto& node = nodes[static_cast<std::size_t>(n)];
        mesh.nodes.push_back({node.x, node.y});
    }
    mesh.elements.reserve(static_cast<std::size_t>(elementCount) + 1);
    for (int e = 1; e <= elementCount; ++e) {
        std::array<int, 4> corners{};
        for (std::size_t k = 0; k < 4; ++k) {
            const int n = elements[static_cast<std::size_t>(e)].node[k];
            corners[k] = n >= 1 && n <= nodeCount ? n : 0;
        }
        mesh.elements.push_back(corners);
    }
    return mesh;
}

} // namespace

Mesh meshOf(const morvel::Model& model) {
    return meshFrom(model.nodeCount, model.nodes, model.elementCount, model.elements);
}

std::vector<Segment> edgeLinesOf(const morvel::Model& model) {
    std::vector<Segment> lines;
    lines.reserve(model.lines.size());
    for (const auto& l : model.lines) lines.push_back({{l.x1, l.y1}, {l.x2, l.y2}});
    return lines;
}

Mesh meshOf(const daskel::SlabModel& model) {
    return meshFrom(model.nodeCount, model.nodes, model.elementCount, model.elements);
}

} // namespace scene
