// daskel: the load editor, started as "daskel .POS @datapath/ [@n]".
#include "common/command_line.hpp"
#include "ui/daskel/daskel_console.hpp"

#include <csignal>
#include <filesystem>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    // A file that outgrows the space allowed fails its write, which the program reports and
    // survives, instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    std::error_code ec;
    std::string work = std::filesystem::current_path(ec).string();
    if (work.empty() || work.back() != '/') work += '/';
    // Standard input is read without read-ahead: the manager's script goes on after this program.
    auto input = ui::LineInput::fromDescriptor(STDIN_FILENO, isatty(STDIN_FILENO) != 0);
    return daskel::runConsole(slab::joinArguments(argc, argv), work, input, std::cout);
}
