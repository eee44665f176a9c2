// The programs the manager starts for the work steps and the documents, by the names looked up
// to start them.
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
/// The suite's own result viewer, started when the result graphics are not installed.
inline constexpr const char* kResultViewerProgram = "ergebnisbild";
/// The text viewer and the text printing tool outside the suite; the manager's own viewer and
/// page printer take their place when they are missing.
inline constexpr const char* kTextViewerProgram = "DIVUD";
inline constexpr const char* kTextPrintProgram = "kalder";

} // namespace tarvik
