// tarvik: the project manager; keeps the data path and positions and starts the work steps.
#include "ports/spawn_launcher.hpp"
#include "ui/tarvik/tarvik_console.hpp"
#ifdef SLAB_GUI
#include "ui/tarvik/qt_console_outputs.hpp"
#endif

#include <filesystem>
#include <iostream>
#include <unistd.h>

int main() {
    std::error_code ec;
    std::string work = std::filesystem::current_path(ec).string();
    if (work.empty() || work.back() != '/') work += '/';
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
