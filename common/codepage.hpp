// Conversion between UTF-8 and code page 850, the code page of the load echo files, and from
// Windows-1252, the code page of the text fields of binary records.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace slab {

/// UTF-8 to code page 850; characters without a CP850 form become "?".
std::string utf8ToCp850(std::string_view utf8);

/// Code page 850 to UTF-8; every byte has a UTF-8 form.
std::string cp850ToUtf8(std::string_view cp850);
/// True when every character of the UTF-8 text has a form in code page 850.
bool fitsCp850(std::string_view utf8);

/// Windows-1252 (the text fields of binary records) to UTF-8; bytes without a character
/// become "?".
std::string windows1252ToUtf8(std::string_view text);

/// UTF-8 to Windows-1252, one byte per character; nullopt when a character has no Windows-1252
/// form or the text is no UTF-8.
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);

} // namespace slab
