// Positions for the viewer tests: example slabs computed by the solver into a temporary data
// path, and result sets built in memory with chosen values.
#pragma once

#include "common/position.hpp"
#include "solver/example_slab.hpp"
#include "solver/solver_run.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"
#include "viewer/result_set.hpp"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace viewerfixtures {

/// The solver's tables after a run, for comparing what the viewer reads.
struct Computed {
    std::unique_ptr<slab::SolverModel> model = std::make_unique<slab::SolverModel>();
    bool ok = false;
};

/// Whether compute writes the model files or only the load files of its load case.
enum class Write { ModelAndLoads, LoadsOnly };

/// Writes the slab as the position directory `dir` (which exists), lets `change` alter the
/// model before it is written, and computes load case n. A further load case of the same
/// model writes its loads only, so that the results of the first stay younger than the model.
inline Computed compute(const std::string& dir, const slab::ExampleSlab& slab, int loadCase = 1,
                        const std::function<void(slab::SolverModel&)>& change = {},
                        Write write = Write::ModelAndLoads) {
    auto written = std::make_unique<slab::SolverModel>();
    slab::buildExampleSlab(slab, *written);
    if (change) change(*written);
    if (write == Write::ModelAndLoads) {
        EXPECT_TRUE(slab::writeModelFiles(*written, dir, loadCase));
    } else {
        const auto ne = static_cast<std::size_t>(written->elementCount);
        const auto nn = static_cast<std::size_t>(written->nodeCount);
        EXPECT_TRUE(
            slab::writeRows(dir + slab::loadCaseFileName(slab::files::kElementLoads, loadCase),
                            written->elementLoads, ne));
        EXPECT_TRUE(
            slab::writeRows(dir + slab::loadCaseFileName(slab::files::kNodalLoads, loadCase),
                            written->nodalLoads, nn));
    }
    Computed c;
    slab::CalculationForm form;
    form.positionDirectory = dir;
    form.loadCase = loadCase;
    ui::ScriptedUi ui;
    c.ok = slab::runCalculation(form, *c.model, ui);
    EXPECT_TRUE(c.ok) << (ui.messages.empty() ? "" : ui.messages.front().text);
    return c;
}

/// A data path with position P1 in it: `dir()` is its position directory.
class Position {
  public:
    Position() { std::filesystem::create_directories(dir()); }
    std::string dataPath() const { return temp_.str(); }
    std::string dir() const { return temp_.str() + "SDIRFEMP1/"; }
    /// The command line of the viewer for this position, with "@n" when n >= 0.
    std::string commandLine(int loadCase = -1) const {
        return ".P1 @" + dataPath() + (loadCase >= 0 ? " @" + std::to_string(loadCase) : "");
    }

  private:
    testsupport::TempDir temp_;
};

/// The simply supported square of the series tests: side 4 m, 10 kN/m², n x n elements.
inline slab::ExampleSlab hingedSquare(int n) {
    slab::ExampleSlab s;
    s.nx = s.ny = n;
    s.width = s.height = 4.0;
    s.e = 30e6;
    s.nu = 0.3;
    s.thickness = 0.2;
    s.areaLoad = 10.0;
    return s;
}

/// A regular mesh of nx x ny elements of lx x ly from (x0, y0), nodes row by row from the lower
/// left, all result values zero.
inline viewer::ResultSet gridSet(int nx, int ny, double lx, double ly, double x0 = 0,
                                 double y0 = 0) {
    viewer::ResultSet r;
    const int cols = nx + 1;
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i)
            r.nodes.push_back({{x0 + i * lx, y0 + j * ly}, {}, {}});
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            const int n1 = j * cols + i + 1;
            viewer::Element e;
            e.node = {n1, n1 + 1, n1 + 1 + cols, n1 + cols};
            e.lx = static_cast<float>(lx);
            e.ly = static_cast<float>(ly);
            r.elements.push_back(e);
        }
    r.nodeResults.assign(r.nodes.size(), viewer::NodeResultRow{});
    r.elementResults.assign(r.elements.size(), viewer::ElementResultRow{});
    r.reactions.assign(r.nodes.size(), {});
    return r;
}

/// The demo's kind of slab: 10 m x 8 m of 1 m elements, hinged all round.
inline slab::ExampleSlab demoSlab() {
    slab::ExampleSlab s;
    s.nx = 10;
    s.ny = 8;
    s.width = 10;
    s.height = 8;
    return s;
}

/// Cuts the opening of 3 m x 3 m from (5, 2) into the demo slab's model: its elements go and
/// the element table closes up; the four nodes inside it are held, so that nothing hangs free
/// (the node table keeps them).
inline void cutOpening(slab::SolverModel& m) {
    std::vector<slab::ElementRecord> kept;
    for (int e = 1; e <= m.elementCount; ++e) {
        const int row = (e - 1) / 10, col = (e - 1) % 10;
        if (!(col >= 5 && col < 8 && row >= 2 && row < 5)) kept.push_back(m.elements[e]);
    }
    m.elementCount = static_cast<int>(kept.size());
    for (int e = 1; e <= m.elementCount; ++e) {
        m.elements[e] = kept[static_cast<std::size_t>(e - 1)];
        m.elements[e].number = e;
    }
    for (int x = 6; x <= 7; ++x)
        for (int y = 3; y <= 4; ++y)
            m.nodes[y * 11 + x + 1].code = {1, 1, 1, 1};
}

/// The signed area of a closed loop of points with members x and y (counter-clockwise > 0).
template <class P> double signedArea(const std::vector<P>& loop) {
    double a = 0;
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const P& p = loop[i];
        const P& q = loop[(i + 1) % loop.size()];
        a += p.x * q.y - q.x * p.y;
    }
    return a / 2;
}

/// Whether the loops enclose the point by the even-odd rule, as the renderer fills them.
template <class P> bool insideEvenOdd(const std::vector<std::vector<P>>& loops, P p) {
    bool in = false;
    for (const auto& loop : loops)
        for (std::size_t i = 0, j = loop.size() - 1; i < loop.size(); j = i++) {
            const P& a = loop[i];
            const P& b = loop[j];
            if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
                in = !in;
        }
    return in;
}

/// Removes element e (numbered from 1) from a grid set, as an opening does.
inline void removeElement(viewer::ResultSet& r, int e) {
    r.elements.erase(r.elements.begin() + e);
    r.elementResults.erase(r.elementResults.begin() + e);
}

} // namespace viewerfixtures
