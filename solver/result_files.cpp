// Writing the result files, each formatted into one buffer and written at once.
#include "solver/result_files.hpp"

#include "common/file_io.hpp"
#include "common/position.hpp"

namespace slab {

std::vector<std::uint8_t> encodeInfo(const SolverModel& m) {
    std::vector<std::uint8_t> bytes(kInfoSize);
    putLE<std::int32_t>(bytes.data(), m.nodeCount);
    putLE<std::int32_t>(bytes.data() + 4, m.elementCount);
    putLE<std::int32_t>(bytes.data() + 8, static_cast<std::int32_t>(m.innerEdges.size()));
    putLE<std::int32_t>(bytes.data() + 12, static_cast<std::int32_t>(m.outerEdges.size()));
    constexpr std::size_t kElements = 16, kCorners = kElements + kInfoRows * 5 * 4;
    // Rows beyond the node count, row 0 and slot 0 stay zero.
    const std::size_t rows = std::min<std::size_t>(m.nodeElements.size(), kInfoRows);
    for (std::size_t j = 1; j < rows; ++j) {
        for (std::size_t s = 1; s <= 4; ++s) {
            const std::size_t at = (j * 5 + s) * 4;
            putLE<std::int32_t>(bytes.data() + kElements + at, m.nodeElements[j][s].element);
            putLE<std::int32_t>(bytes.data() + kCorners + at, m.nodeElements[j][s].corner);
        }
    }
    return bytes;
}

std::vector<std::string> writeResultFiles(const SolverModel& m, const std::string& dir,
                                          int loadCase) {
    const auto nn = static_cast<std::size_t>(m.nodeCount);
    const auto ne = static_cast<std::size_t>(m.elementCount);
    std::vector<std::string> failed;
    auto write = [&](std::string name, const std::vector<std::uint8_t>& bytes) {
        if (!writeFileAtomic(dir + name, bytes)) failed.push_back(std::move(name));
    };
    auto perCase = [&](const char* base) { return loadCaseFileName(base, loadCase); };

    write(perCase("Knoten3LF"), encodeResultRows<NodeResultLayout>(m.nodeResults, 1, nn));
    // The load file keeps the prescribed displacements and loads it was read with.
    write(perCase("Knoten2LF"), encodeRows(m.nodalLoads, nn));
    write(perCase("Elemente3LF"), encodeResultRows<ElementResultLayout>(m.elementResults, 1, ne));
    write("Info", encodeInfo(m));
    write("Innenkanten1", encodeResultRows<EdgeLayout>(m.innerEdges, 0, m.innerEdges.size()));
    write(perCase("Innenkanten2LF"),
          encodeResultRows<EdgeLoadLayout>(m.innerEdgeRows, 0, m.innerEdgeRows.size()));
    write(perCase("Innenkanten4LF"),
          encodeResultRows<EdgeValueLayout>(m.innerEdgeRows, 0, m.innerEdgeRows.size()));
    write("Aussenkanten1", encodeResultRows<EdgeLayout>(m.outerEdges, 0, m.outerEdges.size()));
    write(perCase("Aussenkanten2LF"),
          encodeResultRows<EdgeLoadLayout>(m.outerEdgeRows, 0, m.outerEdgeRows.size()));
    write(perCase("Aussenkanten4LF"),
          encodeResultRows<EdgeValueLayout>(m.outerEdgeRows, 0, m.outerEdgeRows.size()));
    write(perCase("Knoten4LF"), encodeResultRows<CornerForceLayout>(m.cornerForce, 1, nn));
    write(perCase("Elemente4LF"), encodeResultRows<ElementPhLayout>(m.elementPh, 1, ne));
    return failed;
}

} // namespace slab
