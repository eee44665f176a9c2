// Trimming and joining of texts.
#include "common/text.hpp"

namespace slab {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::string_view trimEnd(std::string_view s) {
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    return trimEnd(s);
}

std::string joinNames(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& n : names) {
        if (!text.empty()) text += ", ";
        text += n;
    }
    return text;
}

} // namespace slab
