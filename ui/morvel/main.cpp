// morvel: the geometry editor, started as "morvel .POS @datapath/".
#include "common/command_line.hpp"
#include "common/position.hpp"
#include "ui/morvel/morvel_console.hpp"

#include <filesystem>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::error_code ec;
    const std::string work = slab::withTrailingSlash(std::filesystem::current_path(ec).string());
    // Standard input is read without read-ahead: the manager's script goes on after this program.
    auto input = ui::LineInput::fromDescriptor(STDIN_FILENO, isatty(STDIN_FILENO) != 0);
    return morvel::runConsole(slab::joinArguments(argc, argv), work, input, std::cout);
}
