// tarvik: the project manager; keeps the data path and positions and starts the work steps. Its
// window opens with a display; with a script on standard input, without a display or when asked
// for, it runs on the console.
#include "common/position.hpp"
#include "ports/spawn_launcher.hpp"
#include "ui/console/front_end_choice.hpp"
#include "ui/tarvik/tarvik_console.hpp"
#ifdef SLAB_GUI
#include "ui/tarvik/qt_console_outputs.hpp"
#include "ui/tarvik/tarvik_window.hpp"

#include <QApplication>
#endif

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    // A file that outgrows the space allowed fails its write, which the program reports and
    // survives, instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    std::error_code ec;
    const std::string work = slab::withTrailingSlash(std::filesystem::current_path(ec).string());
#ifdef SLAB_GUI
    if (ui::chooseFrontEnd(ui::currentSituation(true)) == ui::FrontEnd::Window) {
        // The programs started from the window open their windows too.
        setenv("SLAB_OBERFLAECHE", "fenster", 1);
        QApplication app(argc, argv);
        tarvik::TarvikWindow window(work);
        window.show();
        return QApplication::exec();
    }
#else
    (void)argc, (void)argv;
#endif
    // Standard input is read without read-ahead: the programs started from here read the lines
    // meant for them from the same input, and the manager goes on after them.
    auto input = ui::LineInput::fromDescriptor(STDIN_FILENO, isatty(STDIN_FILENO) != 0);
    ports::SpawnLauncher launcher(work);
#ifdef SLAB_GUI
    // Documents print and the overview draws through Qt, without a window.
    tarvik::QtConsoleOutputs outputs;
    return tarvik::runConsole(work, input, std::cout, launcher, &outputs);
#else
    return tarvik::runConsole(work, input, std::cout, launcher);
#endif
}
