// The launcher every front end uses: spawns a process without a shell.
#pragma once

#include "ports/launcher.hpp"

#include <string>
#include <sys/types.h>
#include <vector>

namespace ports {

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
    /// "neben dem Programm in DIR und im Suchpfad PATH".
    std::string searchedPlaces() const override;

  private:
    void reapFinished();

    std::string workDirectory_;
    std::vector<pid_t> running_;
};

} // namespace ports
