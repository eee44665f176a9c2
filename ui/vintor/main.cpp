// vintor: the plate solver, started as "vintor .POS @datapath/".
#include "common/command_line.hpp"
#include "ui/vintor/vintor_console.hpp"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    // Standard input is read without read-ahead: the manager's script goes on after this program.
    auto input = ui::LineInput::fromDescriptor(STDIN_FILENO, isatty(STDIN_FILENO) != 0);
    return vintor::runConsole(slab::joinArguments(argc, argv), input, std::cout);
}
