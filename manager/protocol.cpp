// Protocol lines and their restarts.
#include "manager/protocol.hpp"

#include "manager/programs.hpp"

#include <array>
#include <climits>

namespace tarvik {

namespace {

/// The keys of the time table texts in the order they are tested, with the program each one
/// starts and whether a number follows the key.
struct Key {
    std::string_view text;
    const char* program;
    bool numbered;
};
constexpr std::array<Key, 6> kKeys{{
    {"Eingabe Abmessungen", kGeometryProgram, false},
    {"Eingabe LF", kLoadProgram, true},
    {"Eingabe Satz", kResultPointProgram, true},
    {"Berechnung LF", kResultsProgram, true},
    {"Bemessung", kResultsProgram, false},
    {"Überlagerung", kResultsProgram, false},
}};

} // namespace

std::string protocolLine(const std::tm& localTime, std::string_view text) {
    char stamp[64];
    const std::size_t n = std::strftime(stamp, sizeof stamp, "%d.%m. %H:%M:%S  ", &localTime);
    return std::string(stamp, n) + std::string(text);
}

std::vector<std::string> protocolLines(const std::vector<slab::TimeTableRecord>& records) {
    std::vector<std::string> lines;
    for (const auto& r : records) {
        const auto t = static_cast<std::time_t>(r.time);
        std::tm local{};
        if (!localtime_r(&t, &local)) local = std::tm{};
        lines.push_back(protocolLine(local, r.text));
    }
    return lines;
}

int leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    bool digits = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        digits = true;
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) return 0;
    }
    if (!digits) return 0;
    return static_cast<int>(negative ? -value : value);
}

std::optional<Restart> restartOf(std::string_view line) {
    for (const Key& key : kKeys) {
        const auto at = line.find(key.text);
        if (at == std::string_view::npos) continue;
        if (!key.numbered) return Restart{key.program, std::nullopt};
        // The number follows the key after one more character, the blank.
        const std::size_t from = at + key.text.size() + 1;
        const int number = from <= line.size() ? leadingNumber(line.substr(from)) : 0;
        if (number > 0) return Restart{key.program, number};
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace tarvik
