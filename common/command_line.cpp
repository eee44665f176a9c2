// Splitting of the command line by its "@" signs.
#include "common/command_line.hpp"

namespace slab {

std::string joinArguments(int argc, const char* const* argv) {
    std::string s;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) s += ' ';
        s += argv[i];
    }
    return s;
}

CommandLine splitCommandLine(std::string_view s) {
    CommandLine cl;
    auto first = s.find('@');
    if (first == std::string_view::npos) return cl;
    // The character before each "@" is the blank that separates the arguments.
    cl.position = std::string(s.substr(0, first == 0 ? 0 : first - 1));
    auto second = s.find('@', first + 1);
    if (second == std::string_view::npos) {
        cl.dataPath = std::string(s.substr(first + 1));
    } else {
        std::size_t len = second - first - 1;
        cl.dataPath = std::string(s.substr(first + 1, len == 0 ? 0 : len - 1));
        cl.third = std::string(s.substr(second + 1));
    }
    return cl;
}

} // namespace slab
