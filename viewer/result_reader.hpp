// Reading the results of one load case with every check: model files, result files, their
// sizes, their numbers and their age. Partial or stale results are refused with a message.
#pragma once

#include "viewer/result_set.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace viewer {

/// Highest load case number the suite's files carry.
inline constexpr int kMaxLoadCase = 99;

/// The results, or the message (German) that names the file and what to do.
struct ReadOutcome {
    std::optional<ResultSet> results;
    std::string error;
};

/// Reads PARAMETER, KNOTEN1, ELEMENTE1, FEDER1, BETTUNG1, Knoten3LF<n>, Elemente3LF<n>,
/// Knoten2LF<n> and Info from the position directory (ending in "/"). Refuses missing, short
/// or damaged files, results of another model, numbers that are not finite, and results older
/// than the model and load files they were computed from.
ReadOutcome readResults(const std::string& directory, int loadCase);

/// The message when the position directory does not exist; nullopt when it does.
std::optional<std::string> missingDirectory(const std::string& directory);

/// The first of the files a load case is computed from (PARAMETER, KNOTEN1, ELEMENTE1, FEDER1,
/// BETTUNG1, ELEMENTE2LF<n>) that was changed after `time`; nullopt when none was.
std::optional<std::string> inputNewerThan(const std::string& directory, int loadCase,
                                          std::filesystem::file_time_type time);

/// The load cases 0 to 99 that have a node result file Knoten3LF<n>, ascending.
std::vector<int> computedLoadCases(const std::string& directory);

} // namespace viewer
