// The programs the manager starts for the work steps, by the names looked up to start them.
#pragma once

namespace tarvik {

/// The programs of the work steps; the result graphics, the result-point editor and the file
/// explorer lie outside the suite.
inline constexpr const char* kGeometryProgram = "morvel";
inline constexpr const char* kLoadProgram = "daskel";
inline constexpr const char* kSolverProgram = "vintor";
inline constexpr const char* kResultsProgram = "DAVIZO";
inline constexpr const char* kResultPointProgram = "ruvane";
inline constexpr const char* kExplorerProgram = "xdg-open";

} // namespace tarvik
