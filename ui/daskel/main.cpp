// daskel: the load editor, started as "daskel .POS @datapath/ [@n]": its window, or its console
// when asked for, without a display or with a script on standard input.
#include "common/command_line.hpp"
#include "common/position.hpp"
#include "ui/console/front_end_choice.hpp"
#include "ui/daskel/daskel_console.hpp"

#ifdef SLAB_HAS_GUI
#include "ui/daskel/daskel_window.hpp"
#include "ui/qt/scene_export.hpp"

#include <QApplication>
#endif

#include <csignal>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace {

#ifdef SLAB_HAS_GUI
constexpr bool kWindowBuilt = true;
#else
constexpr bool kWindowBuilt = false;
#endif

int runWindow(int argc, char** argv, const std::string& commandLine, const std::string& work) {
#ifdef SLAB_HAS_GUI
    QApplication app(argc, argv);
    daskel::DaskelWindow window;
    if (!window.start(commandLine, work)) return 1;
    window.show();
    return QApplication::exec();
#else
    (void)argc, (void)argv, (void)commandLine, (void)work;
    return 1;
#endif
}

} // namespace

int main(int argc, char** argv) {
    // A file that outgrows the space allowed fails its write, which the program reports and
    // survives, instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    std::error_code ec;
    const std::string work = slab::withTrailingSlash(std::filesystem::current_path(ec).string());
    const std::string commandLine = slab::joinArguments(argc, argv);
    if (ui::chooseFrontEnd(ui::currentSituation(kWindowBuilt)) == ui::FrontEnd::Window)
        return runWindow(argc, argv, commandLine, work);
    // Standard input is read without read-ahead: the manager's script goes on after this program.
    auto input = ui::LineInput::fromDescriptor(STDIN_FILENO, isatty(STDIN_FILENO) != 0);
#ifdef SLAB_HAS_GUI
    qtui::QtPictureOutput pictures;
    return daskel::runConsole(commandLine, work, input, std::cout, &pictures);
#else
    return daskel::runConsole(commandLine, work, input, std::cout);
#endif
}
