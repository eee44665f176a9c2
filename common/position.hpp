// Position names, suffixes, directories and the per-load-case file names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace slab {

/// The directory word between the data path and the position name.
inline constexpr std::string_view kPositionDirWord = "SDIRFEM";

/// "." followed by the position name: ".P1" for position P1.
std::string positionSuffix(std::string_view positionName);

/// path with a "/" at its end (an empty path becomes "/").
std::string withTrailingSlash(std::string path);

/// dataPath + "SDIRFEM" + name + "/"; the data path ends with "/".
std::string positionDirectory(std::string_view dataPath, std::string_view positionName);

/// A per-load-case file name: base followed by the load case number in decimal ("%s%i").
std::string loadCaseFileName(std::string_view base, int loadCase);

/// Why a position name cannot be used (empty, blank, "/", NUL, "." or ".."), or nullopt.
std::optional<std::string> positionNameError(std::string_view positionName);

} // namespace slab
