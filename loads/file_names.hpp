// The names of the load editor's files: its own files in the position and working directories
// and the per-load-case names built from the load case number. The names other programs share
// (ECHO_L, ACADLAST, DIARY, LASTD, D2.TXT, TTABLE, ...) are in common/file_names.hpp.
#pragma once

#include <string>
#include <string_view>

namespace daskel::files {

// In the position directory.
inline constexpr std::string_view kHeader = "PL"; ///< + load case text + suffix
inline constexpr std::string_view kSaveOrder = "D2LOG";
/// The order of the sections in the load document.
inline constexpr std::string_view kDocumentOrder = "D2LOGW";
inline constexpr std::string_view kImportStamp = "TIMELW";
inline constexpr std::string_view kImportSwitch = "TIMELAST";
inline constexpr std::string_view kUniformLoad = "Gleichlast";
inline constexpr std::string_view kDeleteList = "LFDEL"; ///< + suffix
/// The new ECHO_L is written completely under this name and then renamed over the old one.
inline constexpr std::string_view kEchoTemp = "ENEU";

// Per-load-case files of the area, point, edge and line loads (+ load case text + suffix);
// deleting a load case removes them.
inline constexpr std::string_view kMacros = "MACRO";
inline constexpr std::string_view kMacroHeaders = "SBD";
inline constexpr std::string_view kPointLoads = "SRC_L";
inline constexpr std::string_view kPointComments = "SOUTXT";
inline constexpr std::string_view kEdgeLoads = "EDGLD";
inline constexpr std::string_view kEdgeComments = "ELTXT";
inline constexpr std::string_view kLineLoads = "LLOAD";
inline constexpr std::string_view kLineComments = "LLTXT";
/// The node loads as entered beside those KNOTEN2LF holds with the generated loads added; kept
/// with the load files when the load case is deleted.
inline constexpr std::string_view kEnteredNodeLoads = "KNOTENEIN";

// In the working directory.
inline constexpr std::string_view kLast = "LAST";
inline constexpr std::string_view kMemory = "MMRYL"; ///< + suffix
inline constexpr std::string_view kStart = "LXPROT";

} // namespace daskel::files

namespace daskel {

/// "0" followed by the load case number: the load case text of PL, LAST and the editor's
/// per-load-case files ("03" for LF 3, "012" for LF 12).
std::string loadCaseText(int loadCase);

/// base + load case text + suffix: the editor's own per-load-case files ("MACRO03.P1").
std::string editorLoadCaseFile(std::string_view base, int loadCase, std::string_view suffix);

/// "PL0<n><suffix>": the header file of load case n (LF 3 of P1: "PL03.P1").
std::string headerFileName(int loadCase, std::string_view suffix);

/// "ELEMENTE2LF<n>": the element loads the solver reads for load case n.
std::string elementLoadFileName(int loadCase);

/// "KNOTEN2LF<n>": the node loads the solver reads for load case n.
std::string nodeLoadFileName(int loadCase);

/// "DIARY<suffix>": the list of the position's load cases.
std::string diaryFileName(std::string_view suffix);

/// "ECHO_L<suffix>": the load echo of the position.
std::string echoFileName(std::string_view suffix);

/// "ACADLAST<suffix>": the archive copy of the load echo.
std::string archiveFileName(std::string_view suffix);

/// "LFDEL<suffix>": the list of load cases to delete.
std::string deleteListFileName(std::string_view suffix);

/// "MMRYL<suffix>": the remembered settings in the working directory.
std::string memoryFileName(std::string_view suffix);

} // namespace daskel
