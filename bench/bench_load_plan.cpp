// The load editor's drawing: the load plan of the largest mesh the capacities allow (59 × 49
// cells, 3000 nodes, 2891 elements) with an element load on every element and 200 further loads
// (36 area loads of 80 corners with their hatch, 60 line loads, 64 point loads, 40 edge loads on
// the boundary's sections), built as a scene and painted into a 1600 × 1200 image.
// Usage: bench_load_plan [repeats [picture.png]] (default 20; the last image written for a look).
#include "loads/element_loads.hpp"
#include "loads/load_entry.hpp"
#include "loads/outline/slab_outline.hpp"
#include "scene/load_plan.hpp"
#include "ui/qt/scene_renderer.hpp"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr int kNx = 59, kNy = 49;
constexpr double kCell = 0.5;

daskel::SlabModel mesh() {
    daskel::SlabModel m;
    m.nodes.resize(1);
    m.elements.resize(1);
    for (int j = 0; j <= kNy; ++j)
        for (int i = 0; i <= kNx; ++i) {
            slab::NodeRecord n;
            n.number = ++m.nodeCount;
            n.x = i * kCell;
            n.y = j * kCell;
            m.nodes.push_back(n);
        }
    auto node = [](int i, int j) { return j * (kNx + 1) + i + 1; };
    for (int j = 0; j < kNy; ++j)
        for (int i = 0; i < kNx; ++i) {
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

/// Element loads from 2 to 14 kN/m² over the slab (so the legend has eight ranges), and the
/// 200 loads of the tables.
void enterLoads(daskel::LoadCase& lc, daskel::LoadTables& loads, const daskel::SlabModel& m,
                const daskel::SlabOutline& outline) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> value(1, 10);
    for (int e = 1; e <= m.elementCount; ++e)
        loads.elementLoads[e].v[slab::ElementLoadRecord::kAreaLoad] =
            static_cast<float>(2 + (e % 13));
    const double width = kNx * kCell, height = kNy * kCell;
    for (int k = 0; k < daskel::kMaxAreaLoads; ++k) {
        daskel::AreaLoadInput in;
        const double cx = (k % 6 + 0.5) * width / 6, cy = (k / 6 + 0.5) * height / 6;
        for (int j = 0; j < daskel::kMaxAreaCorners; ++j) {
            const double a = 2 * std::numbers::pi * j / daskel::kMaxAreaCorners;
            in.corners.push_back({cx + 1.6 * std::cos(a), cy + 1.4 * std::sin(a), value(random)});
        }
        daskel::addAreaLoad(lc, in);
    }
    for (int k = 0; k < daskel::kMaxLineLoads; ++k) {
        const double y = 0.2 + k * (height - 0.4) / daskel::kMaxLineLoads;
        daskel::addLineLoad(lc, {1, y, width - 1, y + 0.3, value(random), value(random),
                                 daskel::LineLoadKind::Forces, ""});
    }
    for (int k = 0; k < daskel::kMaxPointLoads; ++k)
        daskel::addPointLoad(lc, {(k % 8 + 0.3) * width / 8, (k / 8 + 0.3) * height / 8,
                                  10 * value(random), daskel::PointLoadKind::Force, 0, 0, 0.2, ""});
    for (int k = 0; k < 40; ++k)
        daskel::addEdgeLoad(
            lc, {1, k % 4 + 1, value(random), value(random), daskel::EdgeLoadKind::Forces, ""},
            outline);
    lc.number = 1;
    lc.uniform = true;
    lc.uniformValue = 6.5;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const daskel::SlabModel m = mesh();
    const daskel::SlabOutline outline = daskel::deriveOutline(m);
    daskel::LoadTables loads = daskel::emptyLoadTables(m);
    daskel::LoadCase lc;
    enterLoads(lc, loads, m, outline);
    std::printf("Netz: %d Knoten, %d Elemente; %d Teilflächen-, %d Linien-, %d Punkt-, %d "
                "Randlasten\n",
                m.nodeCount, m.elementCount, lc.nt(), lc.nl(), lc.np(), lc.nr());
    const scene::LoadPlanData data{m, lc, loads, outline};
    std::vector<double> build, paint, total;
    std::size_t items = 0;
    QImage last;
    for (int r = 0; r < repeats; ++r) {
        QElapsedTimer t;
        t.start();
        const scene::Scene s = scene::loadPlan(data, scene::loadPlanExtents(data), {});
        const double built = t.nsecsElapsed() / 1e6;
        QImage image(1600, 1200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        qtui::paintScene(painter, s, qtui::fittedMapping(s.bounds, {0, 0, 1600, 1200}, 48));
        painter.end();
        const double all = t.nsecsElapsed() / 1e6;
        build.push_back(built);
        paint.push_back(all - built);
        total.push_back(all);
        items = s.items.size();
        last = image;
    }
    if (argc > 2) last.save(QString::fromLocal8Bit(argv[2]));
    std::printf("Lastplan (%zu Elemente der Zeichnung) in 1600 x 1200 Pixel, Median von %d: "
                "Aufbau %.1f ms, Zeichnen %.1f ms, zusammen %.1f ms (bestes %.1f ms)\n",
                items, repeats, median(build), median(paint), median(total),
                *std::min_element(total.begin(), total.end()));
    return 0;
}
