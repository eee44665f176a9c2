// Times the result viewer on the largest full mesh (54 x 53 = 2862 elements): reading, the picture
// of each quantity at 1600 x 1200 pixels, the PDF report. Usage: bench_viewer [repeats] (5).
#include "common/format.hpp"
#include "common/position.hpp"
#include "scene/result_pages.hpp"
#include "solver/example_slab.hpp"
#include "solver/solver_run.hpp"
#include "ui/console/scripted_ui.hpp"
#include "ui/ergebnisbild/qt_picture_output.hpp"
#include "ui/qt/scene_pages.hpp"
#include "ui/qt/scene_renderer.hpp"
#include "viewer/load_control.hpp"
#include "viewer/result_reader.hpp"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

struct Timing {
    double best = 0, median = 0; ///< milliseconds
};

Timing timed(int repeats, const std::function<void()>& work) {
    std::vector<double> ms;
    for (int k = 0; k < repeats; ++k) {
        const auto start = std::chrono::steady_clock::now();
        work();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

// The picture as the console's "bild" paints it, without the file.
QImage paintPicture(const scene::Scene& page) {
    QImage image(ergebnisbild::kPictureWidth, ergebnisbild::kPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const double margin = std::min(image.width(), image.height()) * 0.04;
    qtui::paintScene(painter, page,
                     qtui::fittedMapping(page.bounds,
                                         {0, 0, double(image.width()), double(image.height())},
                                         margin));
    return image;
}

// The largest full mesh within the capacity, hinged, 10 kN/m², computed as load case 1.
bool computePosition(const std::string& dir) {
    auto model = std::make_unique<slab::SolverModel>();
    slab::ExampleSlab slab;
    slab.nx = 54;
    slab.ny = 53;
    slab.width = 10.8;
    slab.height = 10.6;
    slab::buildExampleSlab(slab, *model);
    slab::CalculationForm form;
    form.positionDirectory = dir;
    ui::ScriptedUi ui;
    return slab::writeModelFiles(*model, dir, 1) && slab::runCalculation(form, *model, ui);
}

scene::Scene picturePage(const viewer::ResultSet& r, viewer::Quantity q, scene::ResultView view,
                         double width = ergebnisbild::kPicturePointsWidth,
                         double height = ergebnisbild::kPicturePointsHeight) {
    return scene::viewPage(r, q, view, "Position BENCH, Lastfall 1", width, height);
}

void timePictures(const viewer::ResultSet& r, int repeats, const std::string& png) {
    std::printf("  Bild 1600 x 1200     Szene   Szene+Malen   Szene+Malen+PNG\n");
    ergebnisbild::QtPictureOutput output;
    const auto plan = scene::ResultView::Plan;
    for (viewer::Quantity q : scene::reportQuantities(r)) {
        const Timing build = timed(repeats, [&] { picturePage(r, q, plan); });
        const Timing painted = timed(repeats, [&] { paintPicture(picturePage(r, q, plan)); });
        const Timing file = timed(repeats, [&] {
            output.writePicture([&](double w, double h) { return picturePage(r, q, plan, w, h); },
                                png);
        });
        std::printf("  %-8s %12.1f %13.1f %17.1f\n", std::string(viewer::quantityName(q)).c_str(),
                    build.best, painted.best, file.best);
    }
    const Timing perspective = timed(repeats, [&] {
        paintPicture(picturePage(r, viewer::Quantity::W, scene::ResultView::Perspective));
    });
    std::printf("  verformte Platte, Szene+Malen      %8.1f %8.1f\n", perspective.best,
                perspective.median);
}

} // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, slab::parseInteger(argv[1]).value_or(5)) : 5;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    const auto temp = std::filesystem::temp_directory_path() /
                      slab::format("bench_viewer_%d", static_cast<int>(getpid()));
    const std::string dataPath = temp.string() + "/";
    const std::string dir = slab::positionDirectory(dataPath, "BENCH");
    std::filesystem::create_directories(dir);
    if (!computePosition(dir)) {
        std::fprintf(stderr, "Die Position kann nicht berechnet werden (%s).\n", dir.c_str());
        return 1;
    }
    std::optional<viewer::ResultSet> results;
    const Timing read = timed(repeats, [&] { results = viewer::readResults(dir, 1).results; });
    if (!results) {
        std::fprintf(stderr, "Die Ergebnisse können nicht gelesen werden.\n");
        return 1;
    }
    const auto& r = *results;
    std::printf("Netz: %d Elemente, %d Knoten; %d Wiederholungen, Zeiten in ms (beste / Median)\n",
                r.elementCount(), r.nodeCount(), repeats);
    std::printf("  Ergebnisse lesen und prüfen        %8.1f %8.1f\n", read.best, read.median);
    timePictures(r, repeats, dataPath + "bild.png");

    const std::string pdf = dataPath + "bericht.pdf";
    ergebnisbild::QtPictureOutput output;
    const Timing report = timed(repeats, [&] {
        const auto control = viewer::readLoadControl(dir, 1);
        output.writeReport(
            [&](double w, double h) {
                return scene::reportPages(r, "Position BENCH, Lastfall 1", control, w, h);
            },
            pdf);
    });
    std::printf("  PDF-Bericht (%zu Seiten)            %8.1f %8.1f   %.1f MB\n",
                scene::reportQuantities(r).size() + 2, report.best, report.median,
                std::filesystem::file_size(pdf) / 1e6);
    std::error_code ec;
    std::filesystem::remove_all(temp, ec);
    return 0;
}
