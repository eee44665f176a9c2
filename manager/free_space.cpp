// The free-space label.
#include "manager/free_space.hpp"

#include "common/format.hpp"

#include <filesystem>
#include <sys/statvfs.h>
#include <system_error>

namespace tarvik {

std::string freeSpaceText(std::uint64_t freeBytes) {
    // The label's divisors: kilobytes of 1024 bytes, then "MB" of 1000 of them.
    const unsigned long long megabytes = freeBytes / 1024 / 1000;
    return slab::format("%llu MB FREI", megabytes);
}

std::optional<std::uint64_t> freeBytes(const std::string& path) {
    namespace fs = std::filesystem;
    // A data path that is not created yet lies on the file system of its nearest parent.
    fs::path p(path.empty() ? "/" : path);
    std::error_code ec;
    while (!fs::exists(p, ec) && p.has_relative_path())
        p = p.parent_path();
    struct statvfs s {};
    if (::statvfs(p.c_str(), &s) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(s.f_bfree) * s.f_frsize;
}

} // namespace tarvik
