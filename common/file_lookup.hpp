// Case-insensitive lookup of file names inside a directory, for reading and for writing.
#pragma once

#include <string>

namespace slab {

/// Returns path with its last component replaced by the spelling of an existing entry that
/// matches it without regard to letter case (an exact match is preferred); path unchanged when
/// no entry matches, so that a new file takes the spelling its writer gives it.
std::string resolveCaseInsensitive(const std::string& path);

} // namespace slab
