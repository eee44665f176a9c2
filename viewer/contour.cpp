// Bands and iso-lines: each band's boundary is made of iso-line pieces inside the triangles and
// pieces of the outline, chained into loops by the keys of their ends, so no gap can open.
#include "viewer/contour.hpp"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace viewer {

namespace {

using Key = std::uint64_t;

/// A vertex is keyed by its number, a crossing by its side and threshold; a side is keyed by
/// its lower and higher vertex number, so that both triangles at a side name it alike.
constexpr Key kCrossing = Key(1) << 63;
constexpr int kVertexBits = 24;

Key vertexKey(int v) {
    return static_cast<Key>(v);
}

Key crossingKey(int lo, int hi, int threshold) {
    return kCrossing | (static_cast<Key>(lo) << 32) | (static_cast<Key>(hi) << 8) |
           static_cast<Key>(threshold);
}

struct Segment {
    Key from, to;
    XY a, b;
};

class Tracer {
  public:
    Tracer(const FieldMesh& mesh, const Levels& levels)
        : mesh_(mesh), levels_(levels), band_(mesh.values.size()) {
        for (std::size_t v = 0; v < mesh.values.size(); ++v)
            band_[v] = levels.bandOf(mesh.values[v]);
        bandSegments_.resize(static_cast<std::size_t>(levels.bandCount()));
        isoSegments_.resize(levels.thresholds.size());
    }

    Contours run() {
        for (const auto& t : mesh_.triangles)
            triangle(t);
        for (const auto& b : mesh_.boundary)
            boundarySide(b[0], b[1]);
        Contours c;
        for (std::size_t band = 0; band < bandSegments_.size(); ++band) {
            if (bandSegments_[band].empty()) continue;
            c.bands.push_back({static_cast<int>(band), chain(bandSegments_[band], true)});
        }
        for (std::size_t j = 0; j < isoSegments_.size(); ++j) {
            if (isoSegments_[j].empty()) continue;
            c.isoLines.push_back(
                {static_cast<int>(j), levels_.thresholds[j], chain(isoSegments_[j], false)});
        }
        return c;
    }

  private:
    // Threshold index j (0-based) lies between band j and band j + 1.
    XY crossing(int p, int q, int j) const {
        const int lo = std::min(p, q), hi = std::max(p, q);
        const double flo = mesh_.values[lo], fhi = mesh_.values[hi];
        const double s = (levels_.thresholds[j] - flo) / (fhi - flo);
        const XY a = mesh_.points[lo], b = mesh_.points[hi];
        return {a.x + s * (b.x - a.x), a.y + s * (b.y - a.y)};
    }

    Segment crossingSegment(int p1, int q1, int p2, int q2, int j) const {
        return {crossingKey(std::min(p1, q1), std::max(p1, q1), j),
                crossingKey(std::min(p2, q2), std::max(p2, q2), j), crossing(p1, q1, j),
                crossing(p2, q2, j)};
    }

    void triangle(const std::array<int, 3>& t) {
        const int b[3] = {band_[t[0]], band_[t[1]], band_[t[2]]};
        const int lo = std::min({b[0], b[1], b[2]}), hi = std::max({b[0], b[1], b[2]});
        for (int above = lo + 1; above <= hi; ++above) {
            // Going round counter-clockwise, the side that enters the band `above` or higher
            // and the side that leaves it; the iso-piece runs from the leaving to the entering
            // crossing with the higher values on its left.
            int entry = -1, exit = -1;
            for (int k = 0; k < 3; ++k) {
                const bool from = b[k] >= above, to = b[(k + 1) % 3] >= above;
                if (!from && to) entry = k;
                if (from && !to) exit = k;
            }
            const int j = above - 1;
            const Segment up =
                crossingSegment(t[exit], t[(exit + 1) % 3], t[entry], t[(entry + 1) % 3], j);
            bandSegments_[above].push_back(up);
            bandSegments_[above - 1].push_back({up.to, up.from, up.b, up.a});
            isoSegments_[j].push_back(up);
        }
    }

    // A side of the outline, cut where it crosses thresholds; each piece goes to its band.
    void boundarySide(int p, int q) {
        Key fromKey = vertexKey(p);
        XY from = mesh_.points[p];
        const int bp = band_[p], bq = band_[q];
        const int step = bq >= bp ? 1 : -1;
        for (int band = bp; band != bq; band += step) {
            const int j = step > 0 ? band : band - 1;
            const Key key = crossingKey(std::min(p, q), std::max(p, q), j);
            const XY at = crossing(p, q, j);
            bandSegments_[band].push_back({fromKey, key, from, at});
            fromKey = key;
            from = at;
        }
        bandSegments_[bq].push_back({fromKey, vertexKey(q), from, mesh_.points[q]});
    }

    // Joins segments end to start. Closed loops for bands; for iso-lines open polylines from
    // the outline to the outline first, then the closed ones.
    static std::vector<std::vector<XY>> chain(const std::vector<Segment>& segments, bool closed) {
        std::unordered_multimap<Key, std::size_t> starting;
        starting.reserve(segments.size());
        for (std::size_t s = 0; s < segments.size(); ++s)
            starting.emplace(segments[s].from, s);
        std::vector<bool> used(segments.size(), false);
        std::vector<std::vector<XY>> lines;
        auto follow = [&](std::size_t s) {
            std::vector<XY> line{segments[s].a};
            while (true) {
                used[s] = true;
                line.push_back(segments[s].b);
                auto [first, last] = starting.equal_range(segments[s].to);
                auto next =
                    std::find_if(first, last, [&](const auto& e) { return !used[e.second]; });
                if (next == last) break;
                s = next->second;
            }
            // A loop ends where it began; the polygon closes itself.
            if (closed && line.size() > 1 && line.back() == line.front()) line.pop_back();
            lines.push_back(std::move(line));
        };
        if (!closed) {
            std::unordered_set<Key> ending;
            for (const auto& s : segments)
                ending.insert(s.to);
            for (std::size_t s = 0; s < segments.size(); ++s)
                if (!used[s] && !ending.count(segments[s].from)) follow(s);
        }
        for (std::size_t s = 0; s < segments.size(); ++s)
            if (!used[s]) follow(s);
        return lines;
    }

    const FieldMesh& mesh_;
    const Levels& levels_;
    std::vector<int> band_;
    std::vector<std::vector<Segment>> bandSegments_;
    std::vector<std::vector<Segment>> isoSegments_;
};

} // namespace

Contours contour(const FieldMesh& mesh, const Levels& levels) {
    static_assert(kVertexBits <= 24, "vertex numbers must fit the key");
    return Tracer(mesh, levels).run();
}

} // namespace viewer
