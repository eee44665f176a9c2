// The slab model's node search and the conversions of the support codes to and from their
// bytes, letters and labels.
#include "geometry/model.hpp"

#include <cmath>

namespace morvel {

void Model::clearMesh() {
    for (int i = 0; i <= nodeCount && i <= slab::kMaxNodes; ++i) {
        nodes[static_cast<std::size_t>(i)] = {};
        springs[static_cast<std::size_t>(i)] = {};
    }
    for (int i = 0; i <= elementCount && i <= slab::kMaxElements; ++i) {
        elements[static_cast<std::size_t>(i)] = {};
        bedding[static_cast<std::size_t>(i)] = {};
    }
    nodeCount = 0;
    elementCount = 0;
    lines.clear();
}

int Model::findNode(double x, double y) const {
    for (int n = 1; n <= nodeCount; ++n) {
        const auto& node = nodes[static_cast<std::size_t>(n)];
        if (std::fabs(x - node.x) < kNodeJoin && std::fabs(y - node.y) < kNodeJoin) return n;
    }
    return 0;
}

int Model::findOrAddNode(double x, double y) {
    if (int n = findNode(x, y)) return n;
    if (nodeCount >= slab::kMaxNodes) return 0;
    ++nodeCount;
    auto& node = nodes[static_cast<std::size_t>(nodeCount)];
    node = {};
    node.number = nodeCount;
    node.x = x;
    node.y = y;
    springs[static_cast<std::size_t>(nodeCount)] = {};
    return nodeCount;
}

std::optional<slab::WorldRect> nodeExtents(const Model& m) {
    return slab::extentsOf(m.nodeCount, m.nodes);
}

std::uint8_t edgeSupportByte(EdgeSupport code) {
    return static_cast<std::uint8_t>(code);
}

std::optional<EdgeSupport> edgeSupportFromByte(std::uint8_t byte) {
    for (EdgeSupport code : kEdgeSupports)
        if (edgeSupportByte(code) == byte) return code;
    return std::nullopt;
}

EdgeSupport edgeSupportOf(const slab::ElementRecord& el, int edge) {
    return edgeSupportFromByte(el.edgeSupport[static_cast<std::size_t>(edge - 1)])
        .value_or(EdgeSupport::None);
}

void setEdgeSupport(slab::ElementRecord& el, int edge, EdgeSupport code) {
    el.edgeSupport[static_cast<std::size_t>(edge - 1)] = edgeSupportByte(code);
}

std::optional<EdgeSupport> edgeSupportFromLetter(char letter) {
    for (EdgeSupport code : kEdgeSupports)
        if (edgeSupportLetter(code) == letter) return code;
    return std::nullopt;
}

char edgeSupportLetter(EdgeSupport code) {
    switch (code) {
    case EdgeSupport::None:
        return 'n';
    case EdgeSupport::Clamped:
        return 'c';
    case EdgeSupport::Hinged:
        return 'h';
    case EdgeSupport::Free:
        return 'f';
    case EdgeSupport::RotationalSpring:
        return 'r';
    case EdgeSupport::TranslationalSpring:
        return 't';
    case EdgeSupport::BothSprings:
        return 'a';
    }
    return 'n';
}

std::string edgeSupportLabel(EdgeSupport code) {
    switch (code) {
    case EdgeSupport::None:
        return "";
    case EdgeSupport::Clamped:
        return "E";
    case EdgeSupport::Hinged:
        return "G";
    case EdgeSupport::Free:
        return "F";
    case EdgeSupport::RotationalSpring:
        return "DF";
    case EdgeSupport::TranslationalSpring:
        return "SF";
    case EdgeSupport::BothSprings:
        return "D&SF";
    }
    return "";
}

} // namespace morvel
