// Small text helpers shared by all programs: trimming and joining names for messages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace slab {

/// s without the blanks, tabs and line ends around it.
std::string_view trim(std::string_view s);

/// s without the blanks, tabs and line ends at its end.
std::string_view trimEnd(std::string_view s);

/// The names joined with ", " ("KNOTEN1, FEDER1"), as messages list files and loads.
std::string joinNames(const std::vector<std::string>& names);

} // namespace slab
