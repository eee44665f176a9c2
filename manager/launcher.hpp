// Starting the other programs: the interface the work steps call, and the real one that spawns
// a process without a shell.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace tarvik {

/// Whether the caller blocks until the started program ends.
enum class Wait { No, Yes };

/// What became of a start; the work steps ignore a failed one.
enum class LaunchResult { Started, NotFound, Failed };

/// Starts a program with its arguments (each passed as one argument, never through a shell).
class Launcher {
  public:
    virtual ~Launcher() = default;
    virtual LaunchResult start(const std::string& program,
                               const std::vector<std::string>& arguments, Wait wait) = 0;
};

/// Spawns the program found beside this program's own executable, else on PATH, in the given
/// directory. Programs not waited for are reaped at later starts and at destruction.
class SpawnLauncher : public Launcher {
  public:
    explicit SpawnLauncher(std::string workDirectory);
    ~SpawnLauncher() override;
    SpawnLauncher(const SpawnLauncher&) = delete;
    SpawnLauncher& operator=(const SpawnLauncher&) = delete;

    LaunchResult start(const std::string& program, const std::vector<std::string>& arguments,
                       Wait wait) override;

    /// The file that is started for program: the executable of that name beside this
    /// program's own executable, else the name itself for the search on PATH.
    static std::string locate(const std::string& program);

  private:
    void reapFinished();

    std::string workDirectory_;
    std::vector<pid_t> running_;
};

} // namespace tarvik
