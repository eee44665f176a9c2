// The largest load case the load editor's tables hold, on the largest mesh the capacities
// allow: 59 x 49 cells of 0.5 m less four openings of 2 x 2 cells (2875 elements, 2996 nodes),
// 36 area loads of 80 corners (four around the openings), 60 line loads and 64 point loads.
// Shared by the benchmarks of saving and of generating loads.
#pragma once

#include "loads/load_entry.hpp"
#include "loads/slab_model.hpp"

#include <cmath>
#include <numbers>
#include <random>
#include <utility>
#include <vector>

namespace benchcase {

inline constexpr int kNx = 59, kNy = 49;
inline constexpr double kCell = 0.5;
inline constexpr double kWidth = kNx * kCell, kHeight = kNy * kCell;

/// The 2 x 2 cell openings, by their lower left cell, each near the centre of an area load.
inline bool inOpening(int i, int j) {
    for (auto [oi, oj] : {std::pair{14, 12}, {34, 20}, {44, 36}, {24, 44}})
        if (i >= oi && i < oi + 2 && j >= oj && j < oj + 2) return true;
    return false;
}

/// The mesh, nodes and elements row by row from the lower left, nodes of no element left out.
inline daskel::SlabModel largestMesh() {
    daskel::SlabModel m;
    std::vector<int> number((kNx + 1) * (kNy + 1), 0);
    m.nodes.resize(1);
    m.elements.resize(1);
    auto used = [](int i, int j) {
        for (int ci : {i - 1, i})
            for (int cj : {j - 1, j})
                if (ci >= 0 && cj >= 0 && ci < kNx && cj < kNy && !inOpening(ci, cj)) return true;
        return false;
    };
    for (int j = 0; j <= kNy; ++j)
        for (int i = 0; i <= kNx; ++i)
            if (used(i, j)) {
                slab::NodeRecord n;
                n.number = ++m.nodeCount;
                n.x = i * kCell;
                n.y = j * kCell;
                m.nodes.push_back(n);
                number[j * (kNx + 1) + i] = n.number;
            }
    auto node = [&](int i, int j) { return number[j * (kNx + 1) + i]; };
    for (int j = 0; j < kNy; ++j)
        for (int i = 0; i < kNx; ++i) {
            if (inOpening(i, j)) continue;
            slab::ElementRecord e;
            e.number = ++m.elementCount;
            e.node = {node(i, j), node(i + 1, j), node(i + 1, j + 1), node(i, j + 1)};
            e.e = 3e7;
            e.nu = 0.2;
            e.thickness = 0.2;
            m.elements.push_back(e);
        }
    return m;
}

/// The loads as typed in: 6 x 6 areas of 80 corners on circles of 1.9 m, every one linear,
/// lines across the slab, points on an 8 x 8 grid; values drawn from one seeded sequence.
struct Loads {
    std::vector<daskel::AreaLoadInput> areas;
    std::vector<daskel::LineLoadInput> lines;
    std::vector<daskel::PointLoadInput> points;
};

inline Loads largestLoads() {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(1, 10);
    Loads loads;
    for (int a = 0; a < 36; ++a) {
        daskel::AreaLoadInput in;
        const double cx = (a % 6 + 0.5) * kWidth / 6, cy = (a / 6 + 0.5) * kHeight / 6;
        for (int k = 0; k < 80; ++k) {
            const double t = 2 * std::numbers::pi * k / 80;
            in.corners.push_back({cx + 1.9 * std::cos(t), cy + 1.9 * std::sin(t), value(random)});
        }
        loads.areas.push_back(in);
    }
    for (int l = 0; l < 60; ++l) {
        const double y = 0.2 + l * (kHeight - 0.4) / 59;
        loads.lines.push_back({0.3, y, kWidth - 0.3, y + 0.1, value(random), value(random),
                               daskel::LineLoadKind::Forces, "Wand"});
    }
    for (int p = 0; p < 64; ++p) {
        daskel::PointLoadInput in;
        in.x = (p % 8 + 0.5) * kWidth / 8;
        in.y = (p / 8 + 0.5) * kHeight / 8;
        in.size = value(random);
        in.comment = "Stütze";
        loads.points.push_back(in);
    }
    return loads;
}

} // namespace benchcase
