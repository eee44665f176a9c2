// The meshes of the programs' models as drawings and picking see them.
#pragma once

#include "scene/mesh.hpp"
#include "scene/picking.hpp"

#include <vector>

namespace morvel {
struct Model;
}
namespace daskel {
struct SlabModel;
}

namespace scene {

/// The geometry editor's mesh. Corner numbers that name no node are drawn at node 0, (0, 0).
Mesh meshOf(const morvel::Model& model);

/// The geometry editor's edge lines, line k as entry k - 1.
std::vector<Segment> edgeLinesOf(const morvel::Model& model);

/// The load editor's mesh.
Mesh meshOf(const daskel::SlabModel& model);

} // namespace scene
