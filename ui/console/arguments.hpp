// The words of a console command: splitting, name=wert fields, numbers and coordinates.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

using Words = std::vector<std::string>;

/// Splits a line into blank-separated words.
Words splitWords(std::string_view line);

/// Dialog fields given as name=wert; words without "=" are joined under the key "".
std::map<std::string, std::string> parseFields(const Words& words);

/// A finite number typed with a decimal comma or point; nullopt otherwise.
std::optional<double> finiteNumber(std::string_view word);

/// Exactly count finite numbers (the coordinates of a mouse command); nullopt otherwise.
std::optional<std::vector<double>> numbers(const Words& words, std::size_t count);

/// The text after "key=" to the end of the line, where "key=" starts a word (a title may hold
/// blanks); nullopt when the line has no such word.
std::optional<std::string> textAfterKey(std::string_view line, std::string_view key);

} // namespace ui
