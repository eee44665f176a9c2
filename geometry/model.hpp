// The slab model of the geometry editor: master grid, nodes, elements, springs, bedding, edge
// lines.
#pragma once

#include "common/world_rect.hpp"
#include "solver/modelfiles/model_files.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvel {

using slab::EdgeSupport;

/// Two points closer than this in x and in y are one node [m].
inline constexpr double kNodeJoin = 0.01;

/// Most elements in x or in y: the node index table holds at most 200 rows and columns.
inline constexpr int kMaxGridDivisions = 199;

/// Every edge support kind, in the order of their codes.
inline constexpr std::array kEdgeSupports = {
    EdgeSupport::None,       EdgeSupport::Clamped,          EdgeSupport::Hinged,
    EdgeSupport::Free,       EdgeSupport::RotationalSpring, EdgeSupport::TranslationalSpring,
    EdgeSupport::BothSprings};

/// The freedoms of a node, in the order of the fixity flags and spring constants.
enum class Freedom { W, SlopeX, SlopeY, Twist };
inline constexpr std::array kFreedoms = {Freedom::W, Freedom::SlopeX, Freedom::SlopeY,
                                         Freedom::Twist};

/// A node's fixity flag of one freedom as KNOTEN1 holds it; any other value counts as held.
enum class Fixity : std::int32_t { Free = 0, Held = 1 };

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

/// Floor slab (the default) or ground slab on an elastic bedding; the values are PCAD's byte.
enum class SlabKind : std::uint8_t { Floor = 0, Ground = 1 };

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

/// Spring constant of a freedom in a spring record (c, c,x, c,y, c,xy).
inline float& springConstant(slab::SpringRecord& r, Freedom f) {
    return r.v[slab::SpringRecord::kConstant + static_cast<std::size_t>(f)];
}
inline float springConstant(const slab::SpringRecord& r, Freedom f) {
    return r.v[slab::SpringRecord::kConstant + static_cast<std::size_t>(f)];
}

/// The fixity flag of a freedom in a node record.
inline Fixity fixity(const slab::NodeRecord& node, Freedom f) {
    return Fixity{node.code[static_cast<std::size_t>(f)]};
}
/// True when the node's flag of the freedom holds it (any value but Free).
inline bool isHeld(const slab::NodeRecord& node, Freedom f) {
    return fixity(node, f) != Fixity::Free;
}
/// Sets the fixity flag of a freedom in a node record.
inline void setFixity(slab::NodeRecord& node, Freedom f, Fixity v) {
    node.code[static_cast<std::size_t>(f)] = static_cast<std::int32_t>(v);
}

/// The extents of the drawing: the smallest rectangle holding every node (coordinates in single
/// precision); nullopt without nodes.
std::optional<slab::WorldRect> nodeExtents(const Model& m);

/// The support code stored in a byte, or nullopt for a byte that is no code.
std::optional<EdgeSupport> edgeSupportFromByte(std::uint8_t byte);
/// The byte of a support code in the element record and in CMAC.
std::uint8_t edgeSupportByte(EdgeSupport code);

/// The support code of edge 1..4 of an element; none for a byte that is no code.
EdgeSupport edgeSupportOf(const slab::ElementRecord& el, int edge);
/// Sets the support code of edge 1..4 of an element.
void setEdgeSupport(slab::ElementRecord& el, int edge, EdgeSupport code);

/// The letter of a code in the geometry file (n c h f r t a).
char edgeSupportLetter(EdgeSupport code);
/// The code of a letter of the geometry file, or nullopt for a letter that is no code.
std::optional<EdgeSupport> edgeSupportFromLetter(char letter);

/// The short label drawn along a supported line ("E", "G", ...); empty for none.
std::string edgeSupportLabel(EdgeSupport code);

} // namespace morvel
