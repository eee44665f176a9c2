// printf-style formatting into std::string and the decimal comma of the user interface.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace slab {

/// snprintf into a std::string of the needed length.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

/// Appends a snprintf result to out (avoids a temporary string in report loops).
void appendFormat(std::string& out, const char* fmt, ...) __attribute__((format(printf, 2, 3)));

/// Output form of a number text: the first "." becomes ",".
std::string withDecimalComma(std::string text);

/// Input form of a number text: every "," reads as ".".
std::string withDecimalPoint(std::string text);

/// Parses a whole decimal number (comma or point, surrounding blanks allowed); nullopt otherwise.
std::optional<double> parseNumber(std::string_view text);

/// Parses a whole integer (surrounding blanks allowed); nullopt otherwise or out of int range.
std::optional<int> parseInteger(std::string_view text);

} // namespace slab
