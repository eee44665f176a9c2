// Helpers of the manager tests: a launcher that records its starts, a printer that records its
// jobs, a working directory with a data path, and a small position model written into a
// position directory.
#pragma once

#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "manager/manager.hpp"
#include "manager/paths.hpp"
#include "manager/printing.hpp"
#include "ports/launcher.hpp"
#include "solver/modelfiles/model_files.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"
#include "ui/tarvik/tarvik_view.hpp"

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace managertest {

/// Records every start; the action stands in for what the started program does.
class FakeLauncher : public ports::Launcher {
  public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
        ports::Wait wait;
        bool operator==(const Start&) const = default;
    };
    ports::LaunchResult start(const std::string& program, const std::vector<std::string>& arguments,
                              ports::Wait wait) override {
        starts.push_back({program, arguments, wait});
        if (missing.count(program)) return ports::LaunchResult::NotFound;
        if (action) action(program, arguments);
        return result;
    }
    std::vector<Start> starts;
    std::function<void(const std::string&, const std::vector<std::string>&)> action;
    ports::LaunchResult result = ports::LaunchResult::Started;
    /// Programs that are not installed: their starts give NotFound.
    std::set<std::string> missing;
};

/// Lays out every job with a measure of one unit per line and pages of `linesPerPage` lines,
/// and records the jobs and their pages instead of painting them.
class FakePrinter : public tarvik::DocumentPrinter {
  public:
    struct UnitMeasure : tarvik::TextMeasure {
        double height(std::string_view) const override { return 1.0; }
    };
    tarvik::PrintOutcome print(const tarvik::PrintJob& job,
                               const tarvik::PrintDestination& destination) override {
        jobs.push_back(job);
        destinations.push_back(destination);
        if (status != tarvik::PrintStatus::Printed) return {status, 0, 0, 0, error};
        layout = tarvik::layoutPages(job.documents, job.head, job.firstPage, job.firstSheet,
                                     {0.0, static_cast<double>(linesPerPage)}, UnitMeasure{});
        return {tarvik::PrintStatus::Printed, static_cast<int>(layout.pages.size()),
                layout.nextPage, layout.nextSheet, ""};
    }
    std::vector<tarvik::PrintJob> jobs;
    std::vector<tarvik::PrintDestination> destinations;
    tarvik::PageLayout layout;
    int linesPerPage = 60;
    tarvik::PrintStatus status = tarvik::PrintStatus::Printed;
    std::string error;
};

inline std::vector<std::uint8_t> bytes(const std::string& path) {
    return slab::readFileBytes(path).value_or(std::vector<std::uint8_t>{});
}

inline std::vector<std::uint8_t> bytesOf(std::string_view s) {
    return std::vector<std::uint8_t>(s.begin(), s.end());
}

/// An 81-byte field of EXT or DPFAD as a test writes it by hand: text, then zeros.
inline std::vector<std::uint8_t> field(std::string_view text) {
    std::vector<std::uint8_t> b = bytesOf(text);
    b.resize(81, 0);
    return b;
}

inline bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

/// A plate of nx x ny unit elements at (x0, y0) written as PARAMETER and the four model files,
/// every record with values of its own so that a byte comparison catches a mixed-up row.
inline void writeModel(const std::string& dir, int nx, int ny, double x0 = 0.0, double y0 = 0.0) {
    std::filesystem::create_directories(dir);
    const int nn = (nx + 1) * (ny + 1), ne = nx * ny;
    slab::RecordTable<slab::NodeRecord> nodes(static_cast<std::size_t>(nn) + 1);
    slab::RecordTable<slab::SpringRecord> springs(static_cast<std::size_t>(nn) + 1);
    slab::RecordTable<slab::ElementRecord> elements(static_cast<std::size_t>(ne) + 1);
    slab::RecordTable<slab::BeddingRecord> bedding(static_cast<std::size_t>(ne) + 1);
    for (int j = 0, k = 1; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i, ++k) {
            nodes[k].number = k;
            nodes[k].x = x0 + i;
            nodes[k].y = y0 + j;
            nodes[k].reserved = 7 * k;
            nodes[k].code = {k % 2, 0, k % 3 == 0, 0};
            springs[k].v[1] = 100.0f * static_cast<float>(k);
        }
    for (int j = 0, e = 1; j < ny; ++j)
        for (int i = 0; i < nx; ++i, ++e) {
            const int a = j * (nx + 1) + i + 1;
            elements[e].number = e;
            elements[e].node = {a, a + 1, a + nx + 2, a + nx + 1};
            elements[e].e = 3e7;
            elements[e].nu = 0.2;
            elements[e].thickness = 0.2;
            elements[e].workArea[5] = static_cast<std::uint8_t>(e);
            elements[e].edgeSupport = {2, 0, 0, 2};
            elements[e].outerEdge = {1, 0, 0, 1};
            bedding[e].v[0] = 5000.0f + static_cast<float>(e);
        }
    using namespace slab::files;
    ASSERT_TRUE(
        slab::writeFileAtomic(dir + std::string(kParameter), slab::encodeParameter({nn, ne})));
    ASSERT_TRUE(slab::writeRows(dir + std::string(kNodes), nodes, static_cast<std::size_t>(nn)));
    ASSERT_TRUE(
        slab::writeRows(dir + std::string(kSprings), springs, static_cast<std::size_t>(nn)));
    ASSERT_TRUE(
        slab::writeRows(dir + std::string(kElements), elements, static_cast<std::size_t>(ne)));
    ASSERT_TRUE(
        slab::writeRows(dir + std::string(kBedding), bedding, static_cast<std::size_t>(ne)));
}

/// A working directory and a data path below the system's temporary directory, and the plan
/// view of a front end that follows the manager.
struct Workspace {
    testsupport::TempDir work;
    testsupport::TempDir data;
    ui::ScriptedUi ui;
    FakeLauncher launcher;
    scene::PlanView plan;

    std::string dir(const std::string& name) const { return data.str() + "SDIRFEM" + name + "/"; }
    /// Writes EXT and DPFAD as a previous session left them.
    void settings(const std::string& name, const std::string& dataPath) const {
        ASSERT_TRUE(slab::writeFileAtomic(work.str() + "EXT", tarvik::encodeField("." + name)));
        ASSERT_TRUE(slab::writeFileAtomic(work.str() + "DPFAD", tarvik::encodeField(dataPath)));
    }
    /// A manager started in the working directory, the plan following it.
    tarvik::Manager started(tarvik::ManagerOptions options = {}) {
        tarvik::Manager m(work.str(), ui, launcher, std::move(options));
        m.setPositionListener([this](tarvik::PositionEvent event, const tarvik::Manager& manager) {
            tarvik::followPosition(plan, event, manager);
        });
        m.start();
        return m;
    }
};

} // namespace managertest
