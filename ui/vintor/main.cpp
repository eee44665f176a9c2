// vintor: the plate solver, started as "vintor .POS @datapath/".
#include "common/command_line.hpp"
#include "ui/vintor/vintor_console.hpp"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    return vintor::runConsole(slab::joinArguments(argc, argv), std::cin, std::cout,
                              isatty(STDIN_FILENO) != 0);
}
