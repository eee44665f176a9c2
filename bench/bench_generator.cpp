// Times the generation of the nodal loads of the largest load case on the largest mesh (2875
// elements): the 36 area loads of 80 corners, 60 line loads and 64 point loads of bench_loads,
// with 80 edge loads (the table's capacity) on the sections of the outline, the triangular load
// and a temperature difference over every element; then the same with the 36 areas grown to
// ellipses of 80 corners over most of the slab, so that every area reaches about 2200 elements.
// Usage: bench_generator [repeats] (default 20).
#include "bench/largest_load_case.hpp"
#include "loads/generator/generated_loads.hpp"
#include "loads/macros/load_macros.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace {

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

/// Every kind at once: the tables of bench_loads, the edge loads round the outline and its
/// openings, the triangular load and the temperature.
daskel::LoadCase fullLoadCase(const daskel::SlabOutline& outline, bool largeAreas) {
    daskel::LoadCase lc;
    benchcase::Loads loads = benchcase::largestLoads();
    if (largeAreas)
        for (std::size_t a = 0; a < loads.areas.size(); ++a)
            for (std::size_t k = 0; k < 80; ++k) {
                const double t = 2 * std::numbers::pi * (k + a / 36.0) / 80;
                auto& c = loads.areas[a].corners[k];
                c.x = benchcase::kWidth / 2 + 0.49 * benchcase::kWidth * std::cos(t);
                c.y = benchcase::kHeight / 2 + 0.49 * benchcase::kHeight * std::sin(t);
            }
    for (const auto& in : loads.areas)
        if (daskel::addAreaLoad(lc, in)) std::exit(1);
    for (const auto& in : loads.lines)
        if (daskel::addLineLoad(lc, in)) std::exit(1);
    for (const auto& in : loads.points)
        if (daskel::addPointLoad(lc, in)) std::exit(1);
    for (int k = 0; static_cast<int>(lc.edgeLoads.size()) < daskel::kMaxEdgeLoads; ++k)
        for (const auto& curve : outline.curves)
            for (const auto& s : curve.sections)
                if (static_cast<int>(lc.edgeLoads.size()) < daskel::kMaxEdgeLoads &&
                    daskel::addEdgeLoad(
                        lc,
                        {s.boundary, s.section, 1.0 + k, 2.0 + k,
                         k % 2 ? daskel::EdgeLoadKind::Moments : daskel::EdgeLoadKind::Forces, ""},
                        outline))
                    std::exit(1);
    lc.uniform = true;
    lc.uniformShape = daskel::UniformShape::Triangular;
    lc.uniformValue = 0.1;
    lc.temperature = true;
    lc.deltaT = 10;
    lc.alphaT = 1e-5;
    return lc;
}

void timeGeneration(const char* title, daskel::LoadCase lc, const daskel::SlabModel& m,
                    const daskel::SlabOutline& outline, int repeats) {
    daskel::prepareLoadCase(lc, outline, 1);
    std::vector<double> times;
    daskel::GeneratedLoads g;
    for (int r = 0; r < repeats; ++r) {
        const auto start = std::chrono::steady_clock::now();
        g = daskel::generateLoads(lc, m, outline);
        times.push_back(seconds(start));
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: Median %.1f ms, schnellstes %.1f ms, langsamstes %.1f ms (%d Mal; Ziel "
                "100 ms)\n",
                title, 1e3 * times[times.size() / 2], 1e3 * times.front(), 1e3 * times.back(),
                repeats);
    std::printf("  Vertikalkraft %.1f kN, davon Flächen %.1f kN; %zu Hinweise\n", g.totalForce(),
                g.force[0], g.notices.size());
}

} // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const daskel::SlabModel m = benchcase::largestMesh();
    const daskel::SlabOutline outline = daskel::deriveOutline(m);
    std::printf("Netz: %d Knoten, %d Elemente, %zu Ränder\n", m.nodeCount, m.elementCount,
                outline.curves.size());
    timeGeneration("Erzeugen (36 Flächen à 80 Ecken, 60 Linien-, 64 Punkt-, 80 Randlasten, "
                   "Dreieckslast, Temperatur)",
                   fullLoadCase(outline, false), m, outline, repeats);
    timeGeneration("Erzeugen mit 36 Flächen über fast die ganze Platte",
                   fullLoadCase(outline, true), m, outline, repeats);
    return 0;
}
