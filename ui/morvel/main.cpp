// morvel: the geometry editor, started as "morvel .POS @datapath/".
#include "common/command_line.hpp"
#include "ui/morvel/morvel_console.hpp"

#include <filesystem>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::error_code ec;
    std::string work = std::filesystem::current_path(ec).string();
    if (work.empty() || work.back() != '/') work += '/';
    return morvel::runConsole(slab::joinArguments(argc, argv), work, std::cin, std::cout,
                              isatty(STDIN_FILENO) != 0);
}
