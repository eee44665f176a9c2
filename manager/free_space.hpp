// The free-space label of the data path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarvik {

/// "%i MB FREI": the free bytes divided by 1024 and then by 1000, truncated.
std::string freeSpaceText(std::uint64_t freeBytes);

/// The free bytes of the file system holding path (its nearest existing directory);
/// nullopt when the system cannot tell.
std::optional<std::uint64_t> freeBytes(const std::string& path);

} // namespace tarvik
