// Text fields of binary records; the little-endian helpers are header templates, and this unit
// checks the platform assumption they make.
#include "common/binary_io.hpp"

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

} // namespace slab
