// The head of the report OUTPUTFEM.txt: counts, the global load control and its verdict, for
// the report page of the viewer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace viewer {

/// What the report says of a run.
struct LoadControl {
    int nodeCount = 0;
    int elementCount = 0;
    int loadCase = 0;
    double p = 0;          ///< "Summe der Vertikalkräfte (LF p)"
    double sn = 0;         ///< "Summe der äquiv. Knotenkräfte (FEM)"
    double ss = 0;         ///< "Summe der äquiv. Lagerkräfte (FEM)"
    double ph = 0;         ///< "Gleichgewicht des Lastfalls ph (=0!)"
    bool balanced = false; ///< "Das globale Gleichgewicht ist erfüllt!"
};

/// Reads the counts, the load control and the verdict from the text of a report (line ends
/// "\n" or "\r\n"); nullopt when one of them is missing or not a number.
std::optional<LoadControl> parseLoadControl(std::string_view report);

/// The load control of load case n, or the note (German) why it cannot be shown: the report is
/// missing or damaged, belongs to another load case, or is older than the model files.
struct LoadControlOutcome {
    std::optional<LoadControl> control;
    std::string note;
};
LoadControlOutcome readLoadControl(const std::string& directory, int loadCase);

/// The report's name in the position directory.
inline constexpr const char* kReportName = "OUTPUTFEM.txt";

} // namespace viewer
