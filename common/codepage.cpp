// Code page conversion through iconv.
#include "common/codepage.hpp"

#include <cerrno>
#include <iconv.h>

namespace slab {

namespace {

std::string convert(std::string_view in, const char* from, const char* to) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    std::string out;
    out.reserve(in.size() * 2);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[512];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // An invalid or unconvertible sequence: mark it and skip one input byte.
            out += '?';
            ++src;
            --srcLeft;
            // Skip the continuation bytes of a UTF-8 sequence as well.
            while (srcLeft > 0 && (static_cast<unsigned char>(*src) & 0xC0) == 0x80 &&
                   std::string_view(from) == "UTF-8") {
                ++src;
                --srcLeft;
            }
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace

std::string utf8ToCp850(std::string_view utf8) {
    return convert(utf8, "UTF-8", "CP850");
}

std::string cp850ToUtf8(std::string_view cp850) {
    return convert(cp850, "CP850", "UTF-8");
}

std::string windows1252ToUtf8(std::string_view text) {
    return convert(text, "WINDOWS-1252", "UTF-8");
}

std::optional<std::string> utf8ToWindows1252(std::string_view utf8) {
    iconv_t cd = iconv_open("WINDOWS-1252", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    // Each character takes one byte, never more than its UTF-8 form.
    std::string out(utf8.size(), '\0');
    char* src = const_cast<char*>(utf8.data());
    std::size_t srcLeft = utf8.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1) || srcLeft != 0) return std::nullopt;
    out.resize(out.size() - dstLeft);
    return out;
}

bool fitsCp850(std::string_view utf8) {
    return cp850ToUtf8(utf8ToCp850(utf8)) == utf8;
}

} // namespace slab
