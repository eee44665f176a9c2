// Element deletion. The corners of the remaining elements are written to KTEMP (x, y, the node's
// field after the coordinates, and its fixities and springs so that they survive the renumbering)
// and the nodes are rebuilt from it.
#include "geometry/element_deletion.hpp"

#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "geometry/edge_lines.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace morvel {

namespace {

/// One corner in KTEMP.
struct ScratchCorner {
    static constexpr std::size_t kSize = 52;
    double x = 0, y = 0;
    std::int32_t field = 0;
    std::array<std::int32_t, 4> code{};
    std::array<float, 4> spring{};

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.x);
        f(8, r.y);
        f(16, r.field);
        f(20, r.code);
        f(36, r.spring);
    }
};

/// The four corners of every element kept, in element order, as KTEMP holds them.
std::vector<std::uint8_t> cornersOfKept(const Model& m, const std::vector<bool>& remove) {
    std::vector<std::uint8_t> scratch;
    for (int e = 1; e <= m.elementCount; ++e) {
        if (remove[static_cast<std::size_t>(e)]) continue;
        for (int n : m.elements[static_cast<std::size_t>(e)].node) {
            const auto& node = m.nodes[static_cast<std::size_t>(n)];
            ScratchCorner c;
            c.x = node.x;
            c.y = node.y;
            c.field = node.reserved;
            c.code = node.code;
            for (Freedom f : kFreedoms)
                c.spring[static_cast<std::size_t>(f)] =
                    springConstant(m.springs[static_cast<std::size_t>(n)], f);
            scratch.resize(scratch.size() + ScratchCorner::kSize);
            slab::encodeRecord(c, scratch.data() + scratch.size() - ScratchCorner::kSize);
        }
    }
    return scratch;
}

/// The scratch image written to KTEMP and read back; when the file cannot be written or read back
/// whole, the image in memory serves, so a full disk never loses the mesh.
std::vector<std::uint8_t> throughScratchFile(std::vector<std::uint8_t> scratch,
                                             const std::string& path) {
    if (slab::writeFileAtomic(path, scratch)) {
        auto back = slab::readFileBytes(path);
        if (back && *back == scratch) scratch = std::move(*back);
    }
    return scratch;
}

/// Moves the records of the elements kept down over the ones removed and renumbers them.
void removeElements(Model& m, const std::vector<bool>& remove) {
    int kept = 0;
    for (int e = 1; e <= m.elementCount; ++e) {
        if (remove[static_cast<std::size_t>(e)]) continue;
        ++kept;
        if (kept != e) {
            m.elements[static_cast<std::size_t>(kept)] = m.elements[static_cast<std::size_t>(e)];
            m.bedding[static_cast<std::size_t>(kept)] = m.bedding[static_cast<std::size_t>(e)];
        }
        m.elements[static_cast<std::size_t>(kept)].number = kept;
    }
    for (int e = kept + 1; e <= m.elementCount; ++e) {
        m.elements[static_cast<std::size_t>(e)] = {};
        m.bedding[static_cast<std::size_t>(e)] = {};
    }
    m.elementCount = kept;
}

/// Clears the nodes and finds or adds them again from the scratch corners, element by element:
/// the nodes are numbered in the order of first use, and each keeps its fixities and springs.
void renumberNodes(Model& m, const std::vector<std::uint8_t>& scratch) {
    for (int n = 1; n <= m.nodeCount; ++n) {
        m.nodes[static_cast<std::size_t>(n)] = {};
        m.springs[static_cast<std::size_t>(n)] = {};
    }
    m.nodeCount = 0;
    std::size_t at = 0;
    for (int e = 1; e <= m.elementCount; ++e) {
        for (auto& corner : m.elements[static_cast<std::size_t>(e)].node) {
            const auto c = slab::decodeRecord<ScratchCorner>(scratch.data() + at);
            at += ScratchCorner::kSize;
            const bool isNew = m.findNode(c.x, c.y) == 0;
            corner = m.findOrAddNode(c.x, c.y);
            if (!isNew) continue;
            auto& node = m.nodes[static_cast<std::size_t>(corner)];
            node.reserved = c.field;
            node.code = c.code;
            for (Freedom f : kFreedoms)
                springConstant(m.springs[static_cast<std::size_t>(corner)], f) =
                    c.spring[static_cast<std::size_t>(f)];
        }
    }
}

} // namespace

std::vector<int> elementsInWindow(const Model& m, double x1, double y1, double x2, double y2) {
    const double xmin = std::min(x1, x2), xmax = std::max(x1, x2);
    const double ymin = std::min(y1, y2), ymax = std::max(y1, y2);
    std::vector<int> inside;
    for (int e = 1; e <= m.elementCount; ++e) {
        const auto& el = m.elements[static_cast<std::size_t>(e)];
        bool all = true;
        for (int n : el.node) {
            const auto& node = m.nodes[static_cast<std::size_t>(n)];
            if (node.x < xmin || node.x > xmax || node.y < ymin || node.y > ymax) all = false;
        }
        if (all) inside.push_back(e);
    }
    return inside;
}

int deleteElements(Model& m, const std::vector<int>& numbers,
                   const std::string& positionDirectory) {
    std::vector<bool> remove(static_cast<std::size_t>(m.elementCount + 1), false);
    int removed = 0;
    for (int e : numbers)
        if (e >= 1 && e <= m.elementCount && !remove[static_cast<std::size_t>(e)]) {
            remove[static_cast<std::size_t>(e)] = true;
            ++removed;
        }
    if (removed == 0) return 0;
    const auto scratch =
        throughScratchFile(cornersOfKept(m, remove), positionDirectory + std::string(kScratchFile));
    removeElements(m, remove);
    renumberNodes(m, scratch);
    rebuildEdgeLines(m);
    return removed;
}

} // namespace morvel
