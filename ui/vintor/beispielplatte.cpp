// beispielplatte: writes a simply supported 8 m x 6 m slab under 10 kN/m² as position
// DATAPATH/SDIRFEM<NAME>/, load case 1. Usage: beispielplatte DATAPATH/ NAME [nx ny]
#include "common/format.hpp"
#include "common/position.hpp"
#include "solver/example_slab.hpp"

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "Aufruf: beispielplatte DATENPFAD/ POSITION [nx ny]\n";
        return 1;
    }
    const std::string name = argv[2];
    if (auto error = slab::positionNameError(name)) {
        std::cerr << *error << '\n';
        return 1;
    }
    slab::ExampleSlab slab;
    if (argc >= 5) {
        slab.nx = slab::parseInteger(argv[3]).value_or(0);
        slab.ny = slab::parseInteger(argv[4]).value_or(0);
    }
    if (slab.nx < 1 || slab.ny < 1 || (slab.nx + 1) * (slab.ny + 1) > slab::kMaxNodes) {
        std::cerr << "Das Netz muss mindestens 1 x 1 Elemente und höchstens 3000 Knoten haben.\n";
        return 1;
    }
    std::string dataPath = argv[1];
    if (dataPath.empty() || dataPath.back() != '/') dataPath += '/';
    const std::string dir = slab::positionDirectory(dataPath, name);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    auto model = std::make_unique<slab::SolverModel>();
    slab::buildExampleSlab(slab, *model);
    if (ec || !slab::writeModelFiles(*model, dir, 1)) {
        std::cerr << "Die Dateien der Position können nicht in " << dir << " geschrieben werden.\n";
        return 1;
    }
    std::cout << "Position " << name << " geschrieben: " << dir << '\n';
    return 0;
}
