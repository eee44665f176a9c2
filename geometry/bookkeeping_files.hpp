// The bookkeeping files saving writes beside the model: the edge lines CMAC, the drawing window
// CWIN, the parameter record PCAD, the load case marks in DIARY, and EXT.
#pragma once

#include "common/world_rect.hpp"
#include "geometry/model.hpp"
#include "geometry/position.hpp"
#include "geometry/settings.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvel {

inline constexpr std::string_view kLinesFile = "CMAC";  ///< + suffix
inline constexpr std::string_view kWindowFile = "CWIN"; ///< + suffix
inline constexpr std::string_view kPcadFile = "PCAD";   ///< + suffix
inline constexpr std::string_view kRcFile = "RC";

inline constexpr std::size_t kLineRecordSize = 96;
inline constexpr std::size_t kPcadSize = 456;
inline constexpr std::size_t kDiarySize = 402;
inline constexpr std::size_t kExtSize = 81;

/// CMAC: one 96-byte record per edge line.
std::vector<std::uint8_t> encodeLines(const std::vector<EdgeLine>& lines);
/// CWIN: xmin, ymin, xmax, ymax of all nodes (the extents when there are none).
std::vector<std::uint8_t> encodeWindow(const Model& m, const slab::WorldRect& extents);
/// PCAD: the 456-byte parameter record.
std::vector<std::uint8_t> encodePcad(const Model& m, const Settings& s, const std::string& title);
/// DIARY after a save: every listed load case marked; nullopt when an existing list is damaged
/// (wrong size or count) and must be left alone.
std::optional<std::vector<std::uint8_t>>
markDiary(const std::optional<std::vector<std::uint8_t>>& old);
/// EXT: the suffix as a fixed field of 81 bytes.
std::vector<std::uint8_t> encodeExt(const std::string& suffix);
/// Writes EXT in the working directory; false on failure.
bool writeExt(const Position& p);

} // namespace morvel
