// Typed data paths, path creation and picked position directories.
#include "manager/paths.hpp"

#include "common/format.hpp"
#include "common/position.hpp"
#include "common/text.hpp"
#include "manager/settings_files.hpp"

#include <filesystem>
#include <system_error>

namespace tarvik {

namespace fs = std::filesystem;

std::string dataPathOf(std::string_view typed, const std::string& workDirectory) {
    const std::string_view text = slab::trim(typed);
    if (text.empty()) return {};
    fs::path p{std::string(text)};
    if (p.is_relative()) p = fs::path(workDirectory) / p;
    return slab::withTrailingSlash(p.lexically_normal().string());
}

std::string withoutSlash(const std::string& path) {
    if (!path.empty() && path.back() == '/') return path.substr(0, path.size() - 1);
    return path;
}

bool isDirectory(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(fs::path(path), ec);
}

bool makeDirectory(const std::string& path) {
    std::error_code ec;
    fs::create_directory(path, ec);
    return isDirectory(path);
}

bool createPath(const std::string& path, ports::MessageBox& box) {
    if (isDirectory(path)) return true;
    fs::path prefix;
    for (const fs::path& piece : fs::path(path)) {
        if (piece.empty()) continue; // the empty name after a trailing "/"
        prefix /= piece;
        if (isDirectory(prefix.string())) continue;
        std::error_code ec;
        fs::create_directory(prefix, ec);
        if (ec || !isDirectory(prefix.string())) {
            box.message("Fehler",
                        slab::format("Pfad %s kann nicht angelegt werden!", piece.c_str()));
            return false;
        }
    }
    return true;
}

PickResult splitPositionDirectory(std::string_view directory, const std::string& workDirectory) {
    std::string path = dataPathOf(directory, workDirectory);
    if (path.empty()) return {std::nullopt, "Das Positionsverzeichnis fehlt."};
    path.pop_back();
    const auto slash = path.rfind('/');
    const std::string leaf = path.substr(slash + 1);
    const std::string word(slab::kPositionDirWord);
    if (leaf.compare(0, word.size(), word) != 0)
        return {std::nullopt,
                slab::format("Das Verzeichnis %s ist kein Positionsverzeichnis (%s<Position>).",
                             path.c_str(), word.c_str())};
    PickedPosition picked{path.substr(0, slash + 1), leaf.substr(word.size())};
    if (auto problem = positionNameProblem(picked.name)) return {std::nullopt, *problem};
    if (auto problem = dataPathProblem(picked.dataPath)) return {std::nullopt, *problem};
    return {picked, ""};
}

} // namespace tarvik
