// ergebnisbild: the result viewer, started as "ergebnisbild .POS @datapath/ [@n]".
#include "common/command_line.hpp"
#include "ui/console/front_end_choice.hpp"
#include "ui/ergebnisbild/ergebnisbild_console.hpp"

#ifdef SLAB_WITH_WINDOW
#include "ui/ergebnisbild/ergebnisbild_window.hpp"
#include "ui/ergebnisbild/qt_picture_output.hpp"
#endif

#include <csignal>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    // A picture or report that outgrows the space allowed fails its write, which the program
    // reports and survives, instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::string commandLine = slab::joinArguments(argc, argv);
#ifdef SLAB_WITH_WINDOW
    if (ui::chooseFrontEnd(ui::currentSituation(true)) == ui::FrontEnd::Window)
        return ergebnisbild::runWindow(argc, argv, commandLine);
    ergebnisbild::QtPictureOutput pictures;
#else
    ergebnisbild::NoPictureOutput pictures;
#endif
    // Standard input is read without read-ahead: the manager's script goes on after this program.
    auto input = ui::LineInput::fromDescriptor(STDIN_FILENO, isatty(STDIN_FILENO) != 0);
    return ergebnisbild::runConsole(commandLine, input, std::cout, pictures);
}
