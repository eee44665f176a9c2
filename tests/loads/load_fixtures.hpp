// Shared by the load editor's tests: a position directory holding a hinged example slab.
#pragma once

#include "solver/example_slab.hpp"
#include "tests/support/test_support.hpp"

#include <filesystem>
#include <memory>
#include <string>

namespace loadtest {

/// A data path with position P1 and a working directory; the position holds the model files of
/// an nx x ny slab of 1 m elements when nx > 0.
struct PositionDirs {
    testsupport::TempDir data;
    testsupport::TempDir work;
    PositionDirs(int nx, int ny) {
        std::filesystem::create_directories(dir());
        if (nx == 0) return;
        slab::ExampleSlab s;
        s.nx = nx;
        s.ny = ny;
        s.width = nx;
        s.height = ny;
        auto m = std::make_unique<slab::SolverModel>();
        slab::buildExampleSlab(s, *m);
        EXPECT_TRUE(slab::writeModelFiles(*m, dir(), 50));
    }
    std::string dir() const { return data.str() + "SDIRFEMP1/"; }
};

} // namespace loadtest
