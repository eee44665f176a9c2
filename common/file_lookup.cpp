// Case-insensitive lookup of file names inside a directory.
#include "common/file_lookup.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace slab {

namespace {

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

} // namespace

std::string resolveCaseInsensitive(const std::string& path) {
    namespace fs = std::filesystem;
    auto slash = path.rfind('/');
    std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string leaf = slash == std::string::npos ? path : path.substr(slash + 1);
    if (leaf.empty()) return path;
    std::error_code ec;
    if (fs::exists(fs::path(path), ec)) return path;
    // Several spellings could exist; take the first in name order so that the choice is stable.
    std::string best;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (equalsIgnoringCase(name, leaf) && (best.empty() || name < best)) best = name;
    }
    if (best.empty()) return path;
    return slash == std::string::npos ? best : dir + best;
}

} // namespace slab
