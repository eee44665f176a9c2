// Starting another program: the interface the work steps call.
#pragma once

#include <string>
#include <vector>

namespace ports {

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
    /// Where a program of that name is looked for, as a message names it.
    virtual std::string searchedPlaces() const { return "im Suchpfad PATH"; }
};

} // namespace ports
