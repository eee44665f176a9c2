// Whole-file reading and atomic whole-file writing.
#include "common/file_io.hpp"

#include "common/file_lookup.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace slab {

namespace {

// Reads the whole file in one call where its size is known; streams otherwise.
template <class Buffer> std::optional<Buffer> readWhole(const std::string& path) {
    const std::string name = resolveCaseInsensitive(path);
    // A directory opens as a stream on Linux and reports a size of no meaning.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(name, ec)) return std::nullopt;
    std::ifstream in(name, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    Buffer data;
    const std::streamoff size = in.tellg();
    if (size > 0) {
        data.resize(static_cast<std::size_t>(size));
        in.seekg(0);
        in.read(reinterpret_cast<char*>(data.data()), size);
        data.resize(static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return std::nullopt;
    return data;
}

} // namespace

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path) {
    return readWhole<std::vector<std::uint8_t>>(path);
}

std::optional<std::string> readFileText(const std::string& path) {
    return readWhole<std::string>(path);
}

WriteResult writeFileThrough(const std::string& path, std::string_view contents,
                             const std::string& tempPath) {
    const std::string target = resolveCaseInsensitive(path);
    const std::string temp = resolveCaseInsensitive(tempPath);
    {
        std::FILE* f = std::fopen(temp.c_str(), "wb");
        if (!f) return WriteResult::OpenFailed;
        // An empty file has no data pointer to hand to fwrite.
        bool ok = contents.empty() ||
                  std::fwrite(contents.data(), 1, contents.size(), f) == contents.size();
        ok = (std::fclose(f) == 0) && ok;
        if (!ok) {
            std::remove(temp.c_str());
            return WriteResult::WriteFailed;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::remove(temp.c_str());
        return WriteResult::RenameFailed;
    }
    return WriteResult::Ok;
}

bool writeFileAtomic(const std::string& path, std::string_view contents) {
    const std::string target = resolveCaseInsensitive(path);
    return writeFileThrough(target, contents, target + ".tmp" + std::to_string(::getpid())) ==
           WriteResult::Ok;
}

bool writeFileAtomic(const std::string& path, const std::vector<std::uint8_t>& contents) {
    return writeFileAtomic(
        path, std::string_view(reinterpret_cast<const char*>(contents.data()), contents.size()));
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(resolveCaseInsensitive(path), ec);
}

std::optional<std::filesystem::file_time_type> fileModified(const std::string& path) {
    std::error_code ec;
    auto t = std::filesystem::last_write_time(resolveCaseInsensitive(path), ec);
    if (ec) return std::nullopt;
    return t;
}

} // namespace slab
