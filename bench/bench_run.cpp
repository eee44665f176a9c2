// Times whole vintor runs on the hinged 53 x 53 mesh (2916 nodes): the program started from the
// command line, the model read, solved, and the report and all result files written. Each run
// is a child process; its wall time and peak resident size are reported.
// Usage: bench_run [runs] (default 5).
#include "common/format.hpp"
#include "common/position.hpp"
#include "solver/example_slab.hpp"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// vintor is built beside this program.
std::filesystem::path programBeside(const char* name) {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / name;
}

struct Measured {
    double seconds = 0;
    long peakKb = 0;
    int status = -1;
};

// One run: "vintor .BENCH @dataPath/" reading "start" from a file, its output thrown away.
Measured runOnce(const std::string& vintor, const std::string& dataPath, const std::string& input) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const std::string position = ".BENCH", at = "@" + dataPath;
    std::vector<char*> argv = {const_cast<char*>(vintor.c_str()), const_cast<char*>(position.c_str()),
                               const_cast<char*>(at.c_str()), nullptr};
    Measured m;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, vintor.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return m;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.peakKb = usage.ru_maxrss;
    m.status = status;
    posix_spawn_file_actions_destroy(&actions);
    return m;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, slab::parseInteger(argv[1]).value_or(5)) : 5;
    const auto temp = std::filesystem::temp_directory_path() /
                      slab::format("bench_run_%d", static_cast<int>(getpid()));
    const std::string dataPath = temp.string() + "/";
    const std::string dir = slab::positionDirectory(dataPath, "BENCH");
    std::filesystem::create_directories(dir);
    {
        auto model = std::make_unique<slab::SolverModel>();
        slab::ExampleSlab slab;
        slab.nx = slab.ny = 53;
        slab.width = slab.height = 8.0;
        slab::buildExampleSlab(slab, *model);
        if (!slab::writeModelFiles(*model, dir, 1)) {
            std::fprintf(stderr, "Die Position kann nicht in %s geschrieben werden.\n", dir.c_str());
            return 1;
        }
    }
    const std::string input = temp.string() + "/eingabe";
    std::FILE* f = std::fopen(input.c_str(), "w");
    if (!f) return 1;
    std::fputs("start\nende\n", f);
    std::fclose(f);

    const std::string vintor = programBeside("vintor").string();
    std::vector<Measured> results;
    for (int i = 0; i < runs; ++i) {
        results.push_back(runOnce(vintor, dataPath, input));
        const Measured& m = results.back();
        if (m.status != 0 || !std::filesystem::exists(dir + "Elemente4LF1")) {
            std::fprintf(stderr, "vintor ist nicht erfolgreich gelaufen (Status %d).\n", m.status);
            std::filesystem::remove_all(temp);
            return 1;
        }
        std::printf("run %d: %.3f s, peak %.1f MB\n", i + 1, m.seconds, m.peakKb / 1024.0);
    }
    std::sort(results.begin(), results.end(),
              [](const Measured& a, const Measured& b) { return a.seconds < b.seconds; });
    long peak = 0;
    for (const auto& m : results) peak = std::max(peak, m.peakKb);
    std::printf("whole run of the 2916-node mesh: best %.3f s, median %.3f s, peak %.1f MB\n",
                results.front().seconds, results[results.size() / 2].seconds, peak / 1024.0);
    std::filesystem::remove_all(temp);
    return 0;
}
