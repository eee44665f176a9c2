// vintor: the plate solver, started as "vintor .POS @datapath/": its calculation form as a
// window, or on the console when asked for, without a display or with a script on standard input.
#include "common/command_line.hpp"
#include "ui/console/front_end_choice.hpp"
#include "ui/vintor/vintor_console.hpp"

#ifdef SLAB_HAS_GUI
#include "ui/vintor/vintor_window.hpp"

#include <QApplication>
#include <QMessageBox>
#endif

#include <csignal>
#include <iostream>
#include <unistd.h>

namespace {

#ifdef SLAB_HAS_GUI
constexpr bool kWindowBuilt = true;
#else
constexpr bool kWindowBuilt = false;
#endif

int runWindow(int argc, char** argv, const std::string& commandLine) {
#ifdef SLAB_HAS_GUI
    QApplication app(argc, argv);
    if (commandLine.empty()) {
        QMessageBox::information(nullptr, QStringLiteral("Fehlende Eingabe"),
                                 QStringLiteral("Kommandozeile: .POS @Datenpfad\\ "));
        return 1;
    }
    vintor::VintorWindow window(commandLine);
    window.show();
    return QApplication::exec();
#else
    (void)argc, (void)argv, (void)commandLine;
    return 1;
#endif
}

} // namespace

int main(int argc, char** argv) {
    // A file that outgrows the space allowed fails its write, which the program reports and
    // survives, instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::string commandLine = slab::joinArguments(argc, argv);
    if (ui::chooseFrontEnd(ui::currentSituation(kWindowBuilt)) == ui::FrontEnd::Window)
        return runWindow(argc, argv, commandLine);
    // Standard input is read without read-ahead: the manager's script goes on after this program.
    auto input = ui::LineInput::fromDescriptor(STDIN_FILENO, isatty(STDIN_FILENO) != 0);
    return vintor::runConsole(commandLine, input, std::cout);
}
