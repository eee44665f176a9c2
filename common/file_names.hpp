// The names of the files that more than one program of the suite reads or writes. Files with
// the position suffix get it appended (ECHO_G + ".P1"); per-load-case files get the number.
#pragma once

#include <string_view>

namespace slab::files {

// In the position directory.
inline constexpr std::string_view kGeometryEcho = "ECHO_G";      ///< + suffix
inline constexpr std::string_view kGeometryArchive = "ACADGEO";  ///< + suffix
inline constexpr std::string_view kLoadEcho = "ECHO_L";          ///< + suffix
inline constexpr std::string_view kLoadArchive = "ACADLAST";     ///< + suffix
inline constexpr std::string_view kPointEcho = "ECHO_S";         ///< + suffix
inline constexpr std::string_view kPointArchive = "ACADPKT";     ///< + suffix
inline constexpr std::string_view kDiary = "DIARY";              ///< + suffix
inline constexpr std::string_view kGeometryDocument = "D1.TXT";
inline constexpr std::string_view kGeometryDocumentOld = "D1";
inline constexpr std::string_view kLoadDocument = "D2.TXT";
inline constexpr std::string_view kLoadDocumentOld = "D2";
inline constexpr std::string_view kLastDocument = "LASTD";
inline constexpr std::string_view kDocumentList = "DATEIEN";
inline constexpr std::string_view kTimeTable = "TTABLE";

// In the working directory.
inline constexpr std::string_view kExt = "EXT";

} // namespace slab::files
