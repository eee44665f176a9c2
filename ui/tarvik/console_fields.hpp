// Dialog fields typed on the console as name=wert, where a value may hold blanks ("schrift=
// Courier New", "init=#27 + E"): each value runs to the next name the dialog knows.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

/// The fields of one command: the text before the first name, and each name's value.
struct TypedFields {
    std::string leading;
    std::map<std::string, std::string, std::less<>> values;

    /// The value typed for name, if any.
    std::optional<std::string> get(std::string_view name) const;
};

/// Splits rest at every word that starts with a known "name="; values lose the blanks around
/// them. A name typed twice keeps its last value.
TypedFields parseTypedFields(std::string_view rest, std::span<const std::string_view> names);

/// The whole numbers of a list of words ("1 3 4"); nullopt when a word is not a number from 1.
std::optional<std::vector<std::size_t>> entryNumbers(std::string_view text);

/// "j" or "n" (also "ja", "nein"); nullopt for another answer.
std::optional<bool> yesNo(std::string_view text);

} // namespace tarvik
