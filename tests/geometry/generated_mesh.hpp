// A rectangular mesh generated for a test, with the scripted user interface that hears its
// messages and a private position directory for the files generation writes.
#pragma once

#include "geometry/mesh_generator.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

namespace testsupport {

struct GeneratedMesh {
    morvel::Model m;
    slab::WorldRect extents;
    double margin = 0.05;
    ui::ScriptedUi ui;
    TempDir dir;

    /// Generates nx x ny elements of dx x dy with E = 3e7, nu = 0.16 and thickness 0.2.
    bool generate(int nx, int ny, double dx = 1.0, double dy = 1.0) {
        return morvel::generateMesh(m, {nx, ny, dx, dy, 3e7, 0.16, 0.2}, margin, extents, dir.str(),
                                    ui);
    }
};

} // namespace testsupport
