// Edge lists through hash maps on the corner coordinates instead of scans over all elements.
#include "solver/edge_lists.hpp"

#include <bit>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace slab {

namespace {

struct Point {
    float x = 0, y = 0;
};

Point cornerPoint(const SolverModel& m, int e, int corner) {
    const auto& n = m.nodes[m.elements[e].node[corner - 1]];
    return {static_cast<float>(n.x), static_cast<float>(n.y)};
}

// Points compare by float equality; the key folds -0 into +0 so that equal points hash alike.
// A NaN coordinate equals nothing, so such a point never gets a key.
bool hasKey(Point p) { return !std::isnan(p.x) && !std::isnan(p.y); }

std::uint64_t pointKey(Point p) {
    return (std::uint64_t{std::bit_cast<std::uint32_t>(p.x + 0.0f)} << 32) |
           std::bit_cast<std::uint32_t>(p.y + 0.0f);
}

struct SegmentKey {
    std::uint64_t a, b; ///< the two end point keys, smaller first: direction does not count
    bool operator==(const SegmentKey&) const = default;
};

struct SegmentHash {
    std::size_t operator()(const SegmentKey& k) const {
        return std::hash<std::uint64_t>{}(k.a * 0x9E3779B97F4A7C15ull ^ k.b);
    }
};

SegmentKey segmentKey(Point p, Point q) {
    const std::uint64_t a = pointKey(p), b = pointKey(q);
    return a < b ? SegmentKey{a, b} : SegmentKey{b, a};
}

// Corners of the first element that an edge runs between, from start to end.
constexpr int kStartCorner[5] = {0, 1, 2, 4, 1};
constexpr int kEndCorner[5] = {0, 2, 3, 3, 4};

} // namespace

EdgeLists buildEdgeLists(const SolverModel& m) {
    const int ne = m.elementCount;
    // Elements with a corner at each point, in increasing number, each element once.
    std::unordered_map<std::uint64_t, std::vector<int>> elementsAt;
    elementsAt.reserve(static_cast<std::size_t>(ne) * 2);
    for (int e = 1; e <= ne; ++e) {
        for (int c = 1; c <= 4; ++c) {
            const Point p = cornerPoint(m, e, c);
            if (!hasKey(p)) continue;
            auto& list = elementsAt[pointKey(p)];
            if (list.empty() || list.back() != e) list.push_back(e);
        }
    }

    EdgeLists lists;
    std::unordered_set<SegmentKey, SegmentHash> seen;
    seen.reserve(static_cast<std::size_t>(ne) * 3);
    for (int k = 1; k <= ne; ++k) {
        for (int l = 1; l <= 4; ++l) {
            const Point start = cornerPoint(m, k, l), end = cornerPoint(m, k, l % 4 + 1);
            int second = 0, secondEdge = 0;
            if (hasKey(start) && hasKey(end)) {
                if (!seen.insert(segmentKey(start, end)).second) continue;
                // The last later element with corners at both points is the neighbour; its
                // local edge is the number of its corner at the end point (the last such).
                const auto& candidates = elementsAt[pointKey(start)];
                for (auto it = candidates.rbegin(); it != candidates.rend() && *it > k; ++it) {
                    for (int c = 1; c <= 4; ++c) {
                        const Point p = cornerPoint(m, *it, c);
                        if (p.x == end.x && p.y == end.y) secondEdge = c;
                    }
                    if (secondEdge != 0) {
                        second = *it;
                        break;
                    }
                }
            }
            const auto& node = m.elements[k].node;
            const int startCorner = kStartCorner[l], endCorner = kEndCorner[l];
            const Point a = cornerPoint(m, k, startCorner), b = cornerPoint(m, k, endCorner);
            MeshEdge edge{a.x, b.x, a.y, b.y};
            edge.firstElement = static_cast<std::int16_t>(k);
            edge.secondElement = static_cast<std::int16_t>(second);
            edge.firstEdge = static_cast<std::int16_t>(l);
            edge.secondEdge = static_cast<std::int16_t>(secondEdge);
            edge.startNode = static_cast<std::int16_t>(node[startCorner - 1]);
            edge.endNode = static_cast<std::int16_t>(node[endCorner - 1]);
            (second != 0 ? lists.inner : lists.outer).push_back(edge);
        }
    }
    return lists;
}

} // namespace slab
