// The project manager's settings files in the working directory: EXT (suffix of the current
// position, named in common/file_names.hpp), DPFAD (data path) and LISTEP (the positions used
// last), and the checks of the names and paths they hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

inline constexpr std::string_view kDataPathFile = "DPFAD";
inline constexpr std::string_view kRecentFile = "LISTEP";

/// EXT and DPFAD hold one NUL-terminated text in a field of this many bytes.
inline constexpr std::size_t kFieldSize = 81;
/// The longest data path (with its "/") that fits the field.
inline constexpr std::size_t kMaxDataPath = kFieldSize - 1;
/// The longest position name: "." and the name must fit the field.
inline constexpr std::size_t kMaxPositionName = kFieldSize - 2;
/// LISTEP holds at most this many positions.
inline constexpr std::size_t kMaxRecent = 10;
/// A LISTEP line longer than this is not one the manager wrote.
inline constexpr std::size_t kMaxRecentLine = 249;

/// One entry of the list of positions used last.
struct RecentEntry {
    std::string name;
    std::string path; ///< the data path without its trailing "/"
    bool operator==(const RecentEntry&) const = default;
};

/// Why a position name cannot be used, or nullopt. Besides the names no file system takes, "@"
/// is refused since it splits the command line of the other programs.
std::optional<std::string> positionNameProblem(std::string_view name);

/// Why a data path (with its trailing "/") cannot be used, or nullopt.
std::optional<std::string> dataPathProblem(std::string_view dataPath);

/// The 81-byte field of EXT or DPFAD: text, NUL, zero bytes. Text longer than 80 bytes is cut.
std::vector<std::uint8_t> encodeField(std::string_view text);

/// The text of an 81-byte field; nullopt when the bytes are fewer or hold no NUL.
std::optional<std::string> decodeField(const std::vector<std::uint8_t>& bytes);

/// The position name in EXT: "" for no current position; nullopt when the file is damaged (no
/// field, no leading ".", or a name that cannot be used), so that the defaults apply.
std::optional<std::string> decodeExt(const std::vector<std::uint8_t>& bytes);

/// The data path in DPFAD; nullopt when the file is damaged (no field, not ending with "/", or
/// a path that cannot be used).
std::optional<std::string> decodeDataPath(const std::vector<std::uint8_t>& bytes);

/// The entries of LISTEP, most recent first: at most kMaxRecent pairs of lines with trailing
/// white space stripped. Pairs that hold no usable name and path (binary garbage, overlong
/// lines) are skipped; a last name without its path line is dropped.
std::vector<RecentEntry> parseRecentList(std::string_view text);

/// LISTEP: "%s\n%s\n" for each entry, at most kMaxRecent of them.
std::string recentListText(const std::vector<RecentEntry>& entries);

} // namespace tarvik
