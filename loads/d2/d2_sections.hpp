// The section of a load case in the load document D2.TXT: title, self weight per domain or the
// uniform load, line loads, temperature, area loads, point loads, edge loads and settlements.
#pragma once

#include "loads/load_case.hpp"
#include "loads/outline/slab_outline.hpp"

#include <string>

namespace daskel {

/// The title line that opens the section of load case n: " Lastfall <n> : ".
std::string d2TitlePrefix(int n);

/// The dash line of 74 that opens a section appended to the document.
std::string d2OpeningLine();

/// The section of the prepared load case from its title line on (UTF-8, each line
/// "\n"-terminated and starting with the blank of the left margin).
std::string d2Section(const LoadCase& lc, const SlabOutline& outline);

} // namespace daskel
