// Conversion between UTF-8 and code page 850, the code page of the load echo files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace slab {

/// UTF-8 to code page 850; characters without a CP850 form become "?".
std::string utf8ToCp850(std::string_view utf8);

/// Code page 850 to UTF-8; every byte has a UTF-8 form.
std::string cp850ToUtf8(std::string_view cp850);

} // namespace slab
