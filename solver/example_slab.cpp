// A rectangular slab on a regular mesh, written as a position.
#include "solver/example_slab.hpp"

#include "common/position.hpp"

namespace slab {

void buildExampleSlab(const ExampleSlab& s, SolverModel& m) {
    const int cols = s.nx + 1, rows = s.ny + 1;
    m.nodeCount = cols * rows;
    m.elementCount = s.nx * s.ny;
    const double dx = s.width / s.nx, dy = s.height / s.ny;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const int j = r * cols + c + 1;
            NodeRecord& n = m.nodes[j];
            n = NodeRecord{};
            n.number = j;
            n.x = c * dx;
            n.y = r * dy;
            const bool left = c == 0, right = c == s.nx, bottom = r == 0, top = r == s.ny;
            if (s.clamped) {
                if (left || right || bottom || top) n.code = {1, 1, 1, 1};
            } else {
                // Hinged edges hold w and the slope along the edge; the twist stays free, also
                // at the corners, where the simply supported plate does twist.
                if (left || right || bottom || top) n.code[0] = kHeld;
                if (bottom || top) n.code[1] = kHeld;
                if (left || right) n.code[2] = kHeld;
            }
            m.springs[j] = SpringRecord{};
            m.nodalLoads[j] = NodalLoadRecord{};
        }
    for (int r = 0; r < s.ny; ++r)
        for (int c = 0; c < s.nx; ++c) {
            const int e = r * s.nx + c + 1;
            const int n1 = r * cols + c + 1;
            ElementRecord& el = m.elements[e];
            el = ElementRecord{};
            el.number = e;
            el.node = {n1, n1 + 1, n1 + 1 + cols, n1 + cols};
            el.e = s.e;
            el.nu = s.nu;
            el.thickness = s.thickness;
            m.bedding[e] = BeddingRecord{};
            m.elementLoads[e] = ElementLoadRecord{};
            m.elementLoads[e].v[ElementLoadRecord::kAreaLoad] = static_cast<float>(s.areaLoad);
        }
}

bool writeModelFiles(const SolverModel& m, const std::string& dir, int loadCase) {
    const auto nn = static_cast<std::size_t>(m.nodeCount);
    const auto ne = static_cast<std::size_t>(m.elementCount);
    return writeFileAtomic(dir + std::string(files::kParameter),
                           encodeParameter({m.nodeCount, m.elementCount})) &&
           writeRows(dir + std::string(files::kNodes), m.nodes, nn) &&
           writeRows(dir + std::string(files::kElements), m.elements, ne) &&
           writeRows(dir + std::string(files::kSprings), m.springs, nn) &&
           writeRows(dir + std::string(files::kBedding), m.bedding, ne) &&
           writeRows(dir + loadCaseFileName(files::kElementLoads, loadCase), m.elementLoads, ne) &&
           writeRows(dir + loadCaseFileName(files::kNodalLoads, loadCase), m.nodalLoads, nn);
}

} // namespace slab
