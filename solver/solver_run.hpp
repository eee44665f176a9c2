// The calculation form of the solver and the run sequence started from it.
#pragma once

#include "common/command_line.hpp"
#include "solver/assembly.hpp"
#include "solver/model.hpp"
#include "ports/ports.hpp"

#include <functional>
#include <optional>
#include <string>

namespace slab {

inline constexpr int kMaxLoadCase = 50;
inline constexpr std::size_t kMaxPositionDirLength = 120;

/// The fields of the calculation form.
struct CalculationForm {
    std::string positionDirectory;
    int loadCase = 1;
    bool conforming = true; ///< "Konform (empfohlen)"; the computation does not depend on it
    std::string status = "Vor der Berechnung ...";
    std::string timing = " ";
};

/// Initial form values: the position directory "%s%s%s/" from the data path, "SDIRFEM" and the
/// position text without its leading ".".
CalculationForm initialForm(const CommandLine& commandLine);

/// The form's validation of the position directory field; nullopt when accepted.
std::optional<std::string> positionDirectoryError(const std::string& text);
/// The form's validation of the load case field; nullopt when accepted.
std::optional<std::string> loadCaseError(int loadCase);

/// The timing text of a run that took the given milliseconds.
std::string timingText(long long milliseconds);

/// Milliseconds of a monotonic clock.
using Clock = std::function<long long()>;
long long steadyMilliseconds();

/// The message when the solution holds a value that is not finite (finite input too large for
/// the arithmetic), naming the first node or element; nullopt when every value is finite.
std::optional<std::string> nonFiniteResult(const SolverModel& m);

/// One run on "Start der Berechnung": read, form and solve, and the final status and timing.
/// Returns true when the run succeeded.
bool runCalculation(CalculationForm& form, SolverModel& model, ports::Ui& ui,
                    const Clock& clock = steadyMilliseconds, StageTimes* times = nullptr);

} // namespace slab
