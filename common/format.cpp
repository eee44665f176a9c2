// printf-style formatting and the decimal comma.
#include "common/format.hpp"

#include "common/text.hpp"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace slab {

namespace {

void appendV(std::string& out, const char* fmt, va_list args) {
    va_list copy;
    va_copy(copy, args);
    char small[256];
    int n = std::vsnprintf(small, sizeof small, fmt, copy);
    va_end(copy);
    if (n < 0) return;
    if (static_cast<std::size_t>(n) < sizeof small) {
        out.append(small, static_cast<std::size_t>(n));
        return;
    }
    std::size_t old = out.size();
    out.resize(old + static_cast<std::size_t>(n) + 1);
    std::vsnprintf(out.data() + old, static_cast<std::size_t>(n) + 1, fmt, args);
    out.resize(old + static_cast<std::size_t>(n));
}

} // namespace

std::string format(const char* fmt, ...) {
    std::string out;
    va_list args;
    va_start(args, fmt);
    appendV(out, fmt, args);
    va_end(args);
    return out;
}

void appendFormat(std::string& out, const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    appendV(out, fmt, args);
    va_end(args);
}

std::string withDecimalComma(std::string text) {
    if (auto dot = text.find('.'); dot != std::string::npos) text[dot] = ',';
    return text;
}

std::string withDecimalPoint(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    return text;
}

std::optional<double> parseNumber(std::string_view text) {
    std::string s = withDecimalPoint(std::string(trim(text)));
    if (s.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || errno == ERANGE) return std::nullopt;
    return v;
}

std::optional<int> parseInteger(std::string_view text) {
    std::string s(trim(text));
    if (s.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(s.c_str(), &end, 10);
    if (end != s.c_str() + s.size() || errno == ERANGE || v < std::numeric_limits<int>::min() ||
        v > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(v);
}

} // namespace slab
