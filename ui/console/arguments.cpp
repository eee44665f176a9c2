// Console command words.
#include "ui/console/arguments.hpp"

#include "common/format.hpp"

#include <cmath>
#include <sstream>

namespace ui {

Words splitWords(std::string_view line) {
    Words words;
    std::istringstream in{std::string(line)};
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::map<std::string, std::string> parseFields(const Words& words) {
    std::map<std::string, std::string> fields;
    for (const auto& w : words) {
        auto eq = w.find('=');
        if (eq == std::string::npos)
            fields[""] += (fields[""].empty() ? "" : " ") + w;
        else
            fields[w.substr(0, eq)] = w.substr(eq + 1);
    }
    return fields;
}

std::optional<double> finiteNumber(std::string_view word) {
    auto v = slab::parseNumber(word);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return v;
}

std::optional<std::vector<double>> numbers(const Words& words, std::size_t count) {
    if (words.size() != count) return std::nullopt;
    std::vector<double> v;
    for (const auto& w : words) {
        auto x = finiteNumber(w);
        if (!x) return std::nullopt;
        v.push_back(*x);
    }
    return v;
}

std::optional<std::string> textAfterKey(std::string_view line, std::string_view key) {
    const std::string word = std::string(key) + "=";
    std::size_t at = line.find(word);
    while (at != std::string_view::npos && at > 0 && line[at - 1] != ' ')
        at = line.find(word, at + 1);
    if (at == std::string_view::npos) return std::nullopt;
    return std::string(line.substr(at + word.size()));
}

} // namespace ui
