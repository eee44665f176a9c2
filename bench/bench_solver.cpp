// Times each stage of forming and solving hinged n x n slabs up to the model capacity, and the
// peak memory of a process doing it. Each mesh runs in a child process of its own, so that its
// peak resident size is its own. Usage: bench_solver [n ...] (default 8 16 24 32 40 48 53).
#include "common/position.hpp"
#include "solver/assembly.hpp"
#include "solver/example_slab.hpp"
#include "solver/model_reader.hpp"
#include "ui/console/scripted_ui.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Counts nothing, shows nothing: the benchmark measures the numerics.
class SilentUi : public ports::Ui {
  public:
    ports::Answer message(std::string_view, std::string_view text, ports::Buttons) override {
        std::fprintf(stderr, "message: %.*s\n", static_cast<int>(text.size()), text.data());
        return ports::Answer::Ok;
    }
    void status(std::string_view) override {}
    void setRange(int, int) override {}
    void setPosition(int) override {}
    void beep() override {}
};

constexpr int kRepeats = 3;

int runMesh(int n, const std::string& dataPath) {
    using Clock = std::chrono::steady_clock;
    const std::string name = "B" + std::to_string(n);
    const std::string dir = slab::positionDirectory(dataPath, name);
    std::filesystem::create_directories(dir);
    {
        auto model = std::make_unique<slab::SolverModel>();
        slab::ExampleSlab s;
        s.nx = s.ny = n;
        s.width = s.height = n * 0.5;
        slab::buildExampleSlab(s, *model);
        if (!slab::writeModelFiles(*model, dir, 1)) return 1;
    }
    SilentUi ui;
    auto model = std::make_unique<slab::SolverModel>();
    double read = 1e9;
    slab::StageTimes best{1e9, 1e9, 1e9, 1e9, 1e9};
    double total = 1e9;
    for (int r = 0; r < kRepeats; ++r) {
        auto t0 = Clock::now();
        if (!slab::readModel(dir, 1, *model, ui)) return 1;
        read = std::min(read, std::chrono::duration<double>(Clock::now() - t0).count());
        slab::StageTimes t;
        auto t1 = Clock::now();
        if (!slab::formAndSolve(*model, ui, ui, &t)) return 1;
        total = std::min(total, std::chrono::duration<double>(Clock::now() - t1).count());
        best.elementMatrices = std::min(best.elementMatrices, t.elementMatrices);
        best.assembly = std::min(best.assembly, t.assembly);
        best.factorisation = std::min(best.factorisation, t.factorisation);
        best.substitution = std::min(best.substitution, t.substitution);
        best.reactions = std::min(best.reactions, t.reactions);
    }
    std::printf("%3dx%-3d %5d %6.1f %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %9.1f", n, n,
                model->nodeCount, read * 1e3, best.elementMatrices * 1e3, best.assembly * 1e3,
                best.factorisation * 1e3, best.substitution * 1e3, best.reactions * 1e3,
                total * 1e3, -model->supportSum);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {8, 16, 24, 32, 40, 48, 53};
    const auto dataPath = std::filesystem::temp_directory_path() /
                          ("bench_solver_" + std::to_string(getpid()));
    std::filesystem::create_directories(dataPath);
    std::printf("hinged n x n slabs, uniform load; times in ms (best of %d), memory of the "
                "process in MB\n",
                kRepeats);
    std::printf("mesh    nodes   read elements assembly  factor   subst reaction form+solve  "
                "reactions peakMB\n");
    int failures = 0;
    for (int n : sizes) {
        if (n < 1 || (n + 1) * (n + 1) > slab::kMaxNodes) {
            std::fprintf(stderr, "%d x %d exceeds 3000 nodes\n", n, n);
            ++failures;
            continue;
        }
        std::fflush(stdout);
        pid_t pid = fork();
        if (pid == 0) _exit(runMesh(n, dataPath.string() + "/"));
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::printf("  failed\n");
            ++failures;
            continue;
        }
        std::printf(" %6.1f\n", usage.ru_maxrss / 1024.0);
    }
    std::filesystem::remove_all(dataPath);
    return failures == 0 ? 0 : 1;
}
