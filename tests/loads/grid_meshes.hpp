// Shared by the load macro tests: meshes of a regular grid with cells left out (openings) and
// thicknesses per cell, as the geometry editor leaves them, in memory or as model files.
#pragma once

#include "common/file_io.hpp"
#include "loads/slab_model.hpp"
#include "solver/modelfiles/model_files.hpp"
#include "solver/modelfiles/parameter.hpp"

#include <functional>
#include <string>

namespace gridtest {

/// nx x ny cells of dx x dy from the origin; `present(i, j)` keeps cell (i, j) (from 0 at the
/// lower left), `thickness(i, j)` gives its thickness. Elements are numbered row by row from
/// the lower left, nodes likewise, and nodes of no element are left out.
struct Grid {
    int nx = 10, ny = 8;
    double dx = 1, dy = 1;
    std::function<bool(int, int)> present = [](int, int) { return true; };
    std::function<double(int, int)> thickness = [](int, int) { return 0.2; };
};

inline daskel::SlabModel gridModel(const Grid& g) {
    daskel::SlabModel m;
    std::vector<int> number((g.nx + 1) * (g.ny + 1), 0);
    auto used = [&](int i, int j) {
        for (int ci : {i - 1, i})
            for (int cj : {j - 1, j})
                if (ci >= 0 && cj >= 0 && ci < g.nx && cj < g.ny && g.present(ci, cj)) return true;
        return false;
    };
    m.nodes.resize(1);
    for (int j = 0; j <= g.ny; ++j)
        for (int i = 0; i <= g.nx; ++i) {
            if (!used(i, j)) continue;
            slab::NodeRecord n;
            n.number = ++m.nodeCount;
            n.x = i * g.dx;
            n.y = j * g.dy;
            m.nodes.push_back(n);
            number[j * (g.nx + 1) + i] = n.number;
        }
    m.elements.resize(1);
    auto node = [&](int i, int j) { return number[j * (g.nx + 1) + i]; };
    for (int j = 0; j < g.ny; ++j)
        for (int i = 0; i < g.nx; ++i) {
            if (!g.present(i, j)) continue;
            slab::ElementRecord e;
            e.number = ++m.elementCount;
            e.node = {node(i, j), node(i + 1, j), node(i + 1, j + 1), node(i, j + 1)};
            e.e = 3e7;
            e.nu = 0.2;
            e.thickness = g.thickness(i, j);
            m.elements.push_back(e);
        }
    return m;
}

/// Writes PARAMETER, KNOTEN1 and ELEMENTE1 of the grid into dir (which must exist).
inline bool writeGridModel(const Grid& g, const std::string& dir) {
    const daskel::SlabModel m = gridModel(g);
    return slab::writeFileAtomic(dir + std::string(slab::files::kParameter),
                                 slab::encodeParameter({m.nodeCount, m.elementCount})) &&
           slab::writeRows(dir + std::string(slab::files::kNodes), m.nodes,
                           static_cast<std::size_t>(m.nodeCount)) &&
           slab::writeRows(dir + std::string(slab::files::kElements), m.elements,
                           static_cast<std::size_t>(m.elementCount));
}

/// The 10 m x 8 m slab of 1 m cells with the 2 m x 1 m opening at x 4 to 6, y 4 to 5.
inline Grid slabWithOpening() {
    Grid g;
    g.present = [](int i, int j) { return !(j == 4 && (i == 4 || i == 5)); };
    return g;
}

/// 8 m x 2 m in cells of 2 m x 1 m: the left 4 m 0.3 m thick, the rest 0.2 m (two domains).
inline Grid twoThicknesses() {
    Grid g;
    g.nx = 4;
    g.ny = 2;
    g.dx = 2;
    g.thickness = [](int i, int) { return i < 2 ? 0.3 : 0.2; };
    return g;
}

} // namespace gridtest
