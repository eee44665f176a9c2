// Dialog fields with blanks in their values, entry numbers, yes and no.
#include "ui/tarvik/console_fields.hpp"

#include "common/format.hpp"
#include "common/text.hpp"
#include "ui/console/arguments.hpp"

#include <algorithm>

namespace tarvik {

std::optional<std::string> TypedFields::get(std::string_view name) const {
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

TypedFields parseTypedFields(std::string_view rest, std::span<const std::string_view> names) {
    // Where each known name starts a word, in the order they stand.
    struct Mark {
        std::size_t at;
        std::string_view name;
    };
    std::vector<Mark> marks;
    for (std::string_view name : names) {
        const std::string key = std::string(name) + "=";
        for (std::size_t at = rest.find(key); at != std::string_view::npos;
             at = rest.find(key, at + 1))
            if (at == 0 || rest[at - 1] == ' ' || rest[at - 1] == '\t') marks.push_back({at, name});
    }
    std::sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) { return a.at < b.at; });
    TypedFields fields;
    fields.leading =
        std::string(slab::trim(rest.substr(0, marks.empty() ? rest.size() : marks[0].at)));
    for (std::size_t k = 0; k < marks.size(); ++k) {
        const std::size_t from = marks[k].at + marks[k].name.size() + 1;
        const std::size_t to = k + 1 < marks.size() ? marks[k + 1].at : rest.size();
        fields.values[std::string(marks[k].name)] =
            std::string(slab::trim(rest.substr(from, to > from ? to - from : 0)));
    }
    return fields;
}

std::optional<std::vector<std::size_t>> entryNumbers(std::string_view text) {
    std::vector<std::size_t> numbers;
    for (const auto& word : ui::splitWords(text)) {
        const auto n = slab::parseInteger(word);
        if (!n || *n < 1) return std::nullopt;
        numbers.push_back(static_cast<std::size_t>(*n));
    }
    if (numbers.empty()) return std::nullopt;
    return numbers;
}

std::optional<bool> yesNo(std::string_view text) {
    const std::string_view t = slab::trim(text);
    if (t == "j" || t == "ja") return true;
    if (t == "n" || t == "nein") return false;
    return std::nullopt;
}

} // namespace tarvik
