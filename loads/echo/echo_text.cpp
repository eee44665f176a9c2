// The text helpers of the load echo.
#include "loads/echo/echo_text.hpp"

#include "common/codepage.hpp"
#include "common/format.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace daskel::echo {

namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string cutUtf8(std::string_view s, std::size_t maxBytes) {
    if (s.size() <= maxBytes) return std::string(s);
    std::size_t n = maxBytes;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        --n;
    return std::string(s.substr(0, n));
}

std::size_t characterCount(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string cutCharacters(std::string_view s, std::size_t characters) {
    std::size_t seen = 0;
    for (std::size_t at = 0; at < s.size(); ++at)
        if ((static_cast<unsigned char>(s[at]) & 0xC0) != 0x80 && seen++ == characters)
            return std::string(s.substr(0, at));
    return std::string(s);
}

std::string oneLineText(std::string_view s, std::size_t maxBytes) {
    std::string t(s);
    for (char& c : t)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return cutUtf8(t, maxBytes);
}

std::vector<std::string_view> tokens(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && isSeparator(s[i]))
            ++i;
        std::size_t start = i;
        while (i < s.size() && !isSeparator(s[i]))
            ++i;
        if (i > start) out.push_back(s.substr(start, i - start));
    }
    return out;
}

bool isBlank(std::string_view s) {
    return tokens(s).empty();
}

std::optional<double> finiteNumber(std::string_view token) {
    auto v = slab::parseNumber(token);
    if (!v || !std::isfinite(*v) || std::fabs(*v) > std::numeric_limits<float>::max())
        return std::nullopt;
    return v;
}

std::optional<float> singleNumber(std::string_view token) {
    auto v = finiteNumber(token);
    if (!v) return std::nullopt;
    return static_cast<float>(*v);
}

std::optional<std::int16_t> shortInteger(std::string_view token) {
    auto v = slab::parseInteger(token);
    if (!v || *v < std::numeric_limits<std::int16_t>::min() ||
        *v > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(*v);
}

std::optional<std::vector<float>> singleNumbers(const std::vector<std::string_view>& t,
                                                std::size_t first, std::size_t count) {
    if (t.size() < first + count) return std::nullopt;
    std::vector<float> out;
    for (std::size_t i = 0; i < count; ++i) {
        auto v = singleNumber(t[first + i]);
        if (!v) return std::nullopt;
        out.push_back(*v);
    }
    return out;
}

NumberedComment numberedComment(std::string_view line, std::size_t maxComment) {
    NumberedComment out;
    std::size_t i = 0;
    while (i < line.size() && isSeparator(line[i]))
        ++i;
    std::size_t start = i;
    while (i < line.size() && !isSeparator(line[i]))
        ++i;
    out.number = slab::parseInteger(line.substr(start, i - start));
    if (i < line.size()) ++i;
    out.comment = cutUtf8(line.substr(i), maxComment);
    return out;
}

std::string toUtf8(std::string_view cp850) {
    // Plain ASCII reads the same in both code pages; most lines are numbers.
    bool ascii = std::all_of(cp850.begin(), cp850.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? std::string(cp850) : slab::cp850ToUtf8(cp850);
}

} // namespace daskel::echo
