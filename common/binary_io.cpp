// Text fields of binary records; the little-endian helpers are header templates, and this unit
// checks the platform assumption they make.
#include "common/binary_io.hpp"

#include "common/codepage.hpp"
#include "common/format.hpp"

#include <algorithm>
#include <cstring>
#include <limits>

static_assert(sizeof(float) == 4 && sizeof(double) == 8, "IEEE 754 single and double required");
static_assert(std::numeric_limits<double>::is_iec559, "IEEE 754 doubles required");

namespace slab {

void putTextField(std::uint8_t* p, std::size_t width, std::string_view text) {
    std::fill_n(p, width, std::uint8_t{0});
    if (width > 0) std::copy_n(text.begin(), std::min(text.size(), width - 1), p);
}

std::string getTextField(const std::uint8_t* p, std::size_t width) {
    const char* text = reinterpret_cast<const char*>(p);
    return std::string(text, strnlen(text, width));
}

namespace {

/// The text in Windows-1252 character by character; a character without a form becomes "?".
std::string ansiOf(std::string_view utf8, bool& whole) {
    std::string out;
    for (std::size_t at = 0; at < utf8.size();) {
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(utf8[at]);
        if (lead >= 0xF0) length = 4;
        else if (lead >= 0xE0) length = 3;
        else if (lead >= 0xC0) length = 2;
        const auto converted = utf8ToWindows1252(utf8.substr(at, length));
        if (converted && converted->size() == 1) {
            out += *converted;
        } else {
            out += '?';
            whole = false;
        }
        at += length;
    }
    return out;
}

} // namespace

bool putAnsiTextField(std::uint8_t* p, std::size_t width, std::string_view utf8) {
    bool whole = true;
    const std::string ansi = ansiOf(utf8, whole);
    if (width == 0 || ansi.size() > width - 1) whole = false;
    putTextField(p, width, ansi);
    return whole;
}

std::string getAnsiTextField(const std::uint8_t* p, std::size_t width) {
    return windows1252ToUtf8(getTextField(p, width));
}

std::optional<std::string> ansiFieldProblem(std::string_view utf8, std::size_t characters) {
    bool whole = true;
    const std::string ansi = ansiOf(utf8, whole);
    if (!whole)
        return "Der Text enthält ein Zeichen, das nicht gespeichert werden kann (nur Zeichen "
               "des westeuropäischen Zeichensatzes).";
    if (ansi.size() > characters)
        return format("Der Text hat %zu Zeichen; höchstens %zu passen.", ansi.size(), characters);
    return std::nullopt;
}

} // namespace slab
