// The slab model of the geometry editor: master grid, nodes, elements, springs, bedding, edge
// lines.
#pragma once

#include "common/world_rect.hpp"
#include "solver/modelfiles/model_files.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvel {

using slab::EdgeSupport;

/// Two points closer than this in x and in y are one node [m].
inline constexpr double kNodeJoin = 0.01;

/// The master grid from which the rectangular mesh is generated.
struct MasterGrid {
    float dx = 1.0f;        ///< element length [m]
    float dy = 1.0f;        ///< element height [m]
    int nx = 10;            ///< elements in x
    int ny = 10;            ///< elements in y
    float e = 30000000.0f;  ///< modulus of elasticity [kN/m²]
    float nu = 0.16f;       ///< Poisson's ratio
    float thickness = 0.2f; ///< plate thickness [m]
};

/// Floor slab (the default) or ground slab on an elastic bedding.
enum class SlabKind { Floor, Ground };

/// One distinct mesh edge, for drawing and picking; a and b are node numbers with a <= b.
struct EdgeLine {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; ///< end coordinates of a and b
    int a = 0, b = 0;
    int element = 0; ///< owning element (the first that uses the edge)
    int edge = 0;    ///< edge index 1..4 in the owning element
    EdgeSupport code = EdgeSupport::None;
    bool inner = false;      ///< a second element shares the edge
    float translational = 0; ///< stiffness of a translational spring support [kN/m]
    float rotational = 0;    ///< stiffness of a rotational spring support [kNm/m]
};

/// The model of one position; tables are numbered from 1 and hold the model capacity.
struct Model {
    MasterGrid master;
    SlabKind kind = SlabKind::Floor;
    int nodeCount = 0;
    int elementCount = 0;
    slab::RecordTable<slab::NodeRecord> nodes =
        slab::RecordTable<slab::NodeRecord>(slab::kMaxNodes + 1);
    slab::RecordTable<slab::SpringRecord> springs =
        slab::RecordTable<slab::SpringRecord>(slab::kMaxNodes + 1);
    slab::RecordTable<slab::ElementRecord> elements =
        slab::RecordTable<slab::ElementRecord>(slab::kMaxElements + 1);
    slab::RecordTable<slab::BeddingRecord> bedding =
        slab::RecordTable<slab::BeddingRecord>(slab::kMaxElements + 1);
    std::vector<EdgeLine> lines; ///< line k is lines[k - 1]

    /// Empties the mesh: nodes, elements, springs, bedding and edge lines (master unchanged).
    void clearMesh();
    /// Number of the first node within kNodeJoin of (x, y), or 0.
    int findNode(double x, double y) const;
    /// findNode, else appends a node; 0 when the node table is full.
    int findOrAddNode(double x, double y);
};

/// Spring constant of freedom k (0 w, 1 w,x, 2 w,y, 3 w,xy) in a spring record.
inline float& springConstant(slab::SpringRecord& r, int k) {
    return r.v[slab::SpringRecord::kConstant + static_cast<std::size_t>(k)];
}
inline float springConstant(const slab::SpringRecord& r, int k) {
    return r.v[slab::SpringRecord::kConstant + static_cast<std::size_t>(k)];
}

/// The extents of the drawing: the smallest rectangle holding every node (coordinates in single
/// precision); nullopt without nodes.
std::optional<slab::WorldRect> nodeExtents(const Model& m);

/// The support code stored in a byte, or nullopt for a byte that is no code.
std::optional<EdgeSupport> edgeSupportFromByte(std::uint8_t byte);

/// The letter of a code in the geometry file (n c h f r t a).
char edgeSupportLetter(EdgeSupport code);

/// The short label drawn along a supported line ("E", "G", ...); empty for none.
std::string edgeSupportLabel(EdgeSupport code);

} // namespace morvel
