// Times the save of a load case with the most loads the tables hold: 36 area loads of 80
// corners (some around openings of the slab), 60 line loads and 64 point loads with self weight,
// on the largest mesh the capacities allow (59 x 49 cells less four openings, 3000 nodes less
// the four inside the openings). The save includes the checks and macros, the load files, the
// hatch segments SBLNS and D2.TXT.
// Usage: bench_loads [saves] (default 20).
#include "common/file_io.hpp"
#include "loads/document.hpp"
#include "solver/modelfiles/model_files.hpp"
#include "solver/modelfiles/parameter.hpp"
#include "ui/console/scripted_ui.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kNx = 59, kNy = 49;
constexpr double kCell = 0.5;

/// The 2 x 2 cell openings, by their lower left cell, each near the centre of an area load.
bool inOpening(int i, int j) {
    for (auto [oi, oj] : {std::pair{14, 12}, {34, 20}, {44, 36}, {24, 44}})
        if (i >= oi && i < oi + 2 && j >= oj && j < oj + 2) return true;
    return false;
}

/// Writes PARAMETER, KNOTEN1 and ELEMENTE1 of the mesh into dir.
bool writeMesh(const std::string& dir) {
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
    std::printf("Netz: %d Knoten, %d Elemente\n", m.nodeCount, m.elementCount);
    return slab::writeFileAtomic(dir + "PARAMETER",
                                 slab::encodeParameter({m.nodeCount, m.elementCount})) &&
           slab::writeRows(dir + "KNOTEN1", m.nodes, std::size_t(m.nodeCount)) &&
           slab::writeRows(dir + "ELEMENTE1", m.elements, std::size_t(m.elementCount));
}

/// The load case: 6 x 6 areas of 80 corners, every one linear, four of them around an opening.
void enterLoads(daskel::LoadEditor& e) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(1, 10);
    e.selfWeight(25, 1.5);
    const double width = kNx * kCell, height = kNy * kCell;
    for (int a = 0; a < 36; ++a) {
        daskel::AreaLoadInput in;
        const double cx = (a % 6 + 0.5) * width / 6, cy = (a / 6 + 0.5) * height / 6;
        for (int k = 0; k < 80; ++k) {
            const double t = 2 * std::numbers::pi * k / 80;
            in.corners.push_back({cx + 1.9 * std::cos(t), cy + 1.9 * std::sin(t), value(random)});
        }
        if (!e.addAreaLoad(in)) std::exit(1);
    }
    for (int l = 0; l < 60; ++l) {
        const double y = 0.2 + l * (height - 0.4) / 59;
        if (!e.addLineLoad({0.3, y, width - 0.3, y + 0.1, value(random), value(random),
                            daskel::LineLoadKind::Forces, "Wand"}))
            std::exit(1);
    }
    for (int p = 0; p < 64; ++p) {
        daskel::PointLoadInput in;
        in.x = (p % 8 + 0.5) * width / 8;
        in.y = (p / 8 + 0.5) * height / 8;
        in.size = value(random);
        in.comment = "Stütze";
        if (!e.addPointLoad(in)) std::exit(1);
    }
}

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

int main(int argc, char** argv) {
    const int saves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const auto root = std::filesystem::temp_directory_path() /
                      ("bench_loads-" + std::to_string(std::random_device{}()));
    const std::string data = root.string() + "/", dir = data + "SDIRFEMBENCH/";
    std::filesystem::create_directories(dir);
    if (!writeMesh(dir)) return 1;

    ui::ScriptedUi ui;
    auto start = std::chrono::steady_clock::now();
    auto paths = daskel::startPaths(".BENCH @" + data, data, ui);
    daskel::LoadEditor editor(*paths, ui, [] { return std::int64_t(1765000000); });
    std::printf("Start mit Modell und Rändern: %.1f ms (%zu Ränder)\n", 1e3 * seconds(start),
                editor.outline().curves.size());
    enterLoads(editor);

    std::vector<double> times;
    for (int s = 0; s < saves; ++s) {
        start = std::chrono::steady_clock::now();
        if (!editor.save(1, "Alle Tabellen voll")) return 1;
        times.push_back(seconds(start));
    }
    const double first = times.front();
    std::sort(times.begin(), times.end());
    std::printf("Speichern LF 1 (36 Flächen à 80 Ecken, 60 Linien-, 64 Punktlasten): erstes Mal "
                "%.1f ms, danach Median %.1f ms, schnellstes %.1f ms, langsamstes %.1f ms "
                "(%d Mal; Ziel 200 ms)\n",
                1e3 * first, 1e3 * times[times.size() / 2], 1e3 * times.front(), 1e3 * times.back(),
                saves);
    std::printf("Öffnungen in Flächen: %d, Makros in SBD: %ju Byte, D2.TXT: %ju Byte\n",
                editor.loadCase().openingsInAreas,
                std::uintmax_t(std::filesystem::file_size(dir + "SBD01.BENCH")),
                std::uintmax_t(std::filesystem::file_size(dir + "D2.TXT")));
    std::filesystem::remove_all(root);
    return 0;
}
