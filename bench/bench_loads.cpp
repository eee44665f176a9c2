// Times the save of a load case with the most loads the tables hold: 36 area loads of 80
// corners (some around openings of the slab), 60 line loads and 64 point loads with self weight,
// on the largest mesh the capacities allow (59 x 49 cells less four openings, 3000 nodes less
// the four inside the openings). The save includes the checks and macros, the load files, the
// hatch segments SBLNS and D2.TXT.
// Usage: bench_loads [saves] (default 20).
#include "bench/largest_load_case.hpp"
#include "common/file_io.hpp"
#include "loads/document.hpp"
#include "solver/modelfiles/model_files.hpp"
#include "solver/modelfiles/parameter.hpp"
#include "ui/console/scripted_ui.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

/// Writes PARAMETER, KNOTEN1 and ELEMENTE1 of the mesh into dir.
bool writeMesh(const std::string& dir) {
    const daskel::SlabModel m = benchcase::largestMesh();
    std::printf("Netz: %d Knoten, %d Elemente\n", m.nodeCount, m.elementCount);
    return slab::writeFileAtomic(dir + "PARAMETER",
                                 slab::encodeParameter({m.nodeCount, m.elementCount})) &&
           slab::writeRows(dir + "KNOTEN1", m.nodes, std::size_t(m.nodeCount)) &&
           slab::writeRows(dir + "ELEMENTE1", m.elements, std::size_t(m.elementCount));
}

/// The load case with self weight.
void enterLoads(daskel::LoadEditor& e) {
    e.selfWeight(25, 1.5);
    const benchcase::Loads loads = benchcase::largestLoads();
    for (const auto& in : loads.areas)
        if (!e.addAreaLoad(in)) std::exit(1);
    for (const auto& in : loads.lines)
        if (!e.addLineLoad(in)) std::exit(1);
    for (const auto& in : loads.points)
        if (!e.addPointLoad(in)) std::exit(1);
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
