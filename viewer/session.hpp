// What the viewer shows: the position, the load case and its results, the quantity. Both
// front ends drive it; failures reach the user through the message box port.
#pragma once

#include "ports/ports.hpp"
#include "viewer/extrema.hpp"
#include "viewer/quantity.hpp"
#include "viewer/result_set.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace viewer {

/// Title of the viewer's message boxes.
inline constexpr const char* kViewerTitle = "Ergebnisbild";

class Session {
  public:
    explicit Session(ports::MessageBox& box) : box_(box) {}

    /// Opens the position of a command line ".P1 @/daten/" or ".P1 @/daten/ @2" with the load
    /// case given, else the lowest one computed. False, with a message, when the command line
    /// names no position or the results cannot be read; nothing is shown then.
    bool open(std::string_view commandLine);

    /// Reads the results of load case n. On a failure the message names the file and what to
    /// do, and the results shown so far stay.
    bool chooseLoadCase(int n);

    /// Reads the results of the current load case again, after a new calculation. On a failure
    /// nothing is shown, since the old results no longer belong to the files.
    bool reload();

    /// Chooses the quantity; the soil pressure only on a bedded slab (else a message).
    bool chooseQuantity(Quantity q);

    /// The results shown; nullptr when none could be read.
    const ResultSet* results() const { return results_ ? &*results_ : nullptr; }
    Quantity quantity() const { return quantity_; }
    /// The load case shown (or asked for, when its results could not be read).
    int loadCase() const { return loadCase_; }
    const std::string& positionName() const { return position_; }
    const std::string& directory() const { return directory_; }
    /// The load cases with results in the position directory, ascending.
    std::vector<int> computedLoadCases() const;
    /// The extremes of the current quantity; nullopt without results or values.
    std::optional<Extremes> extremes() const;
    /// "Position P1, Lastfall 1" for titles.
    std::string caption() const;

  private:
    bool fail(const std::string& title, const std::string& text);

    ports::MessageBox& box_;
    std::string position_;
    std::string directory_;
    int loadCase_ = 0;
    Quantity quantity_ = Quantity::W;
    std::optional<ResultSet> results_;
};

} // namespace viewer
