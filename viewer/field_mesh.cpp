// Building the triangulation of a field: shared vertices at nodes and along common sides.
#include "viewer/field_mesh.hpp"

#include "viewer/element_field.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <unordered_map>

namespace viewer {

namespace {

/// Cells of a whole deflection picture, at the most.
constexpr int kCellBudget = 30000;
constexpr int kMinSubdivision = 2, kMaxSubdivision = 8;

std::uint64_t sideKey(int a, int b, int zone) {
    const auto lo = static_cast<std::uint64_t>(std::min(a, b)),
               hi = static_cast<std::uint64_t>(std::max(a, b));
    return (static_cast<std::uint64_t>(zone) << 40) | (lo << 20) | hi;
}

class Builder {
  public:
    Builder(const ResultSet& r, Quantity q) : r_(r), q_(q) {
        zone_.assign(static_cast<std::size_t>(r.elementCount()) + 1, 0);
        if (q == Quantity::Soil) {
            // Under different bedding moduli the soil pressure jumps at the common side.
            std::map<double, int> zones;
            for (int e = 1; e <= r.elementCount(); ++e)
                zone_[e] = zones.emplace(r.element(e).bedding, static_cast<int>(zones.size()))
                               .first->second;
        }
        for (int e = 1; e <= r.elementCount(); ++e)
            for (int k = 0; k < 4; ++k)
                ++sideUse_[side(e, k)];
    }

    FieldMesh build(int subdivisions) {
        for (int e = 1; e <= r_.elementCount(); ++e) {
            if (isStressResultant(q_))
                addPatch(e);
            else
                addSampled(e, subdivisions);
        }
        return std::move(mesh_);
    }

  private:
    int nodeOf(int e, int k) const { return r_.element(e).node[static_cast<std::size_t>(k % 4)]; }
    std::uint64_t side(int e, int k) const {
        return sideKey(nodeOf(e, k), nodeOf(e, k + 1), zone_[e]);
    }
    bool outer(int e, int k) const { return sideUse_.at(side(e, k)) == 1; }

    int addPoint(XY at, double value) {
        mesh_.points.push_back(at);
        mesh_.values.push_back(value);
        return static_cast<int>(mesh_.points.size()) - 1;
    }

    int nodeVertex(int node, int zone, double value) {
        const auto key =
            (static_cast<std::uint64_t>(zone) << 32) | static_cast<std::uint64_t>(node);
        auto [it, added] = nodeVertices_.emplace(key, 0);
        if (added) it->second = addPoint(r_.node(node).at, value);
        return it->second;
    }

    void addPatch(int e) {
        const ResultantPatch p = resultantPatch(r_, q_, e);
        std::array<int, 13> id{};
        for (int v = 0; v < p.vertexCount; ++v)
            id[v] = v < 4 ? nodeVertex(nodeOf(e, v), 0, p.value[v])
                          : addPoint(pointOf(r_, e, p.at[v]), p.value[v]);
        for (int t = 0; t < p.triangleCount; ++t)
            mesh_.triangles.push_back(
                {id[p.triangles[t][0]], id[p.triangles[t][1]], id[p.triangles[t][2]]});
        for (int k = 0; k < 4; ++k)
            if (outer(e, k)) mesh_.boundary.push_back({id[k], id[(k + 1) % 4]});
    }

    // Side k of the element and the step t (1 to n - 1) from its corner k, for a grid point on
    // the border of the element that is not a corner; gridPoint is its inverse.
    static std::pair<int, int> sideStep(int i, int j, int n) {
        if (j == 0) return {0, i};
        if (i == n) return {1, j};
        if (j == n) return {2, n - i};
        return {3, n - j};
    }

    void addSampled(int e, int n) {
        const Element& el = r_.element(e);
        const double factor = q_ == Quantity::Soil ? el.bedding : 1.0;
        const DeflectionPatch patch(r_, e);
        std::vector<double> xs(n + 1), ys(n + 1), xc(n), yc(n);
        for (int i = 0; i <= n; ++i) {
            xs[i] = el.lx * i / n;
            ys[i] = el.ly * i / n;
        }
        for (int i = 0; i < n; ++i) {
            xc[i] = el.lx * (i + 0.5) / n;
            yc[i] = el.ly * (i + 0.5) / n;
        }
        const auto grid = patch.grid(xs, ys);
        const auto centres = patch.grid(xc, yc);
        const int zone = zone_[e];
        std::vector<int> id((n + 1) * (n + 1));
        for (int j = 0; j <= n; ++j)
            for (int i = 0; i <= n; ++i) {
                const bool cornerI = i == 0 || i == n, cornerJ = j == 0 || j == n;
                int& v = id[j * (n + 1) + i];
                if (cornerI && cornerJ) {
                    const int k = j == 0 ? (i == 0 ? 0 : 1) : (i == n ? 2 : 3);
                    // The nodal w of the result file, exactly.
                    v = nodeVertex(nodeOf(e, k), zone, factor * r_.nodeResults[nodeOf(e, k)][1]);
                } else if (cornerI || cornerJ) {
                    const auto [k, t] = sideStep(i, j, n);
                    const int first = sideBlock(e, k, n, grid, factor);
                    v = first + (nodeOf(e, k) < nodeOf(e, k + 1) ? t : n - t) - 1;
                } else {
                    v = addPoint(pointOf(r_, e, {double(i) / n, double(j) / n}),
                                 factor * grid[j * (n + 1) + i]);
                }
            }
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < n; ++i) {
                const int c = addPoint(pointOf(r_, e, {(i + 0.5) / n, (j + 0.5) / n}),
                                       factor * centres[j * n + i]);
                const int v00 = id[j * (n + 1) + i], v10 = id[j * (n + 1) + i + 1],
                          v11 = id[(j + 1) * (n + 1) + i + 1], v01 = id[(j + 1) * (n + 1) + i];
                mesh_.triangles.push_back({v00, v10, c});
                mesh_.triangles.push_back({v10, v11, c});
                mesh_.triangles.push_back({v11, v01, c});
                mesh_.triangles.push_back({v01, v00, c});
            }
        addSampledBoundary(e, n, id);
    }

    // Grid point (i, j) of step t from corner k along side k.
    static std::pair<int, int> gridPoint(int k, int t, int n) {
        switch (k) {
        case 0:
            return {t, 0};
        case 1:
            return {n, t};
        case 2:
            return {n - t, n};
        default:
            return {0, n - t};
        }
    }

    // The points inside a side are made once, ordered from its lower node number, by the first
    // element that reaches the side, with the values of that element's grid.
    int sideBlock(int e, int k, int n, const std::vector<double>& grid, double factor) {
        auto [it, added] = sideVertices_.emplace(side(e, k), 0);
        if (!added) return it->second;
        it->second = static_cast<int>(mesh_.points.size());
        const int from = nodeOf(e, k), to = nodeOf(e, k + 1);
        const XY a = r_.node(std::min(from, to)).at, b = r_.node(std::max(from, to)).at;
        for (int s = 1; s < n; ++s) {
            const auto [i, j] = gridPoint(k, from < to ? s : n - s, n);
            addPoint({a.x + (b.x - a.x) * s / n, a.y + (b.y - a.y) * s / n},
                     factor * grid[j * (n + 1) + i]);
        }
        return it->second;
    }

    void addSampledBoundary(int e, int n, const std::vector<int>& id) {
        auto at = [&](int i, int j) { return id[j * (n + 1) + i]; };
        for (int k = 0; k < 4; ++k) {
            if (!outer(e, k)) continue;
            for (int s = 0; s < n; ++s) {
                switch (k) {
                case 0:
                    mesh_.boundary.push_back({at(s, 0), at(s + 1, 0)});
                    break;
                case 1:
                    mesh_.boundary.push_back({at(n, s), at(n, s + 1)});
                    break;
                case 2:
                    mesh_.boundary.push_back({at(n - s, n), at(n - s - 1, n)});
                    break;
                case 3:
                    mesh_.boundary.push_back({at(0, n - s), at(0, n - s - 1)});
                    break;
                }
            }
        }
    }

    const ResultSet& r_;
    Quantity q_;
    std::vector<int> zone_;
    std::unordered_map<std::uint64_t, int> sideUse_;
    std::unordered_map<std::uint64_t, int> nodeVertices_;
    std::unordered_map<std::uint64_t, int> sideVertices_;
    FieldMesh mesh_;
};

} // namespace

int deflectionSubdivision(int elementCount) {
    if (elementCount < 1) return kMinSubdivision;
    const int n = static_cast<int>(std::sqrt(double(kCellBudget) / elementCount));
    return std::clamp(n, kMinSubdivision, kMaxSubdivision);
}

FieldMesh fieldMesh(const ResultSet& r, Quantity q, int subdivisions) {
    return Builder(r, q).build(std::max(1, subdivisions));
}

} // namespace viewer
