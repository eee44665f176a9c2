// The solver's run from its window against the same run on the console: the hinged 53 x 53
// slab (2916 nodes) solved and all result files written, best of five runs each. The window runs
// in a thread of its own and carries its texts and progress back to the form.
#include "common/position.hpp"
#include "solver/example_slab.hpp"
#include "solver/solver_run.hpp"
#include "ui/console/console_ui.hpp"
#include "ui/vintor/vintor_window.hpp"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

constexpr int kRuns = 5;

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const std::string data = (std::filesystem::temp_directory_path() / "bench_form").string() + "/";
    std::filesystem::remove_all(data);
    const std::string dir = slab::positionDirectory(data, "BENCH");
    std::filesystem::create_directories(dir);
    {
        auto model = std::make_unique<slab::SolverModel>();
        slab::ExampleSlab s;
        s.nx = s.ny = 53;
        s.width = s.height = 53 * 0.5;
        slab::buildExampleSlab(s, *model);
        if (!slab::writeModelFiles(*model, dir, 1)) return 1;
    }
    // The console: its texts and progress lines go where a pipe would take them.
    std::ofstream sink("/dev/null");
    std::istringstream none;
    ui::LineInput input(none);
    ui::ConsoleUi console(input, sink);
    auto model = std::make_unique<slab::SolverModel>();
    double consoleBest = 1e9, windowBest = 1e9;
    for (int r = 0; r < kRuns; ++r) {
        slab::CalculationForm form = slab::initialForm(slab::splitCommandLine(".BENCH @" + data));
        QElapsedTimer t;
        t.start();
        if (!slab::runCalculation(form, *model, console)) return 1;
        consoleBest = std::min(consoleBest, t.nsecsElapsed() / 1e6);
    }
    vintor::VintorWindow window(".BENCH @" + data);
    window.show();
    for (int r = 0; r < kRuns; ++r) {
        QElapsedTimer t;
        t.start();
        if (!window.startRun()) return 1;
        window.waitForRun();
        windowBest = std::min(windowBest, t.nsecsElapsed() / 1e6);
    }
    std::printf("Konsole: %.0f ms, Fenster: %.0f ms (%+.1f %%), bestes von %d Läufen\n", consoleBest,
                windowBest, 100.0 * (windowBest / consoleBest - 1.0), kRuns);
    std::filesystem::remove_all(data);
    return 0;
}
