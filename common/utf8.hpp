// UTF-8 checks for texts read from files: well-formedness, and cutting at a character boundary.
#pragma once

#include <cstddef>
#include <string_view>

namespace slab {

/// True when text is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isUtf8(std::string_view text);

/// The longest prefix of the UTF-8 text with at most maxBytes bytes that ends between characters.
std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes);

} // namespace slab
