// Position names, suffixes, directories and the per-load-case file names.
#include "common/position.hpp"

#include "common/format.hpp"

namespace slab {

std::string positionSuffix(std::string_view positionName) {
    std::string suffix = ".";
    suffix += positionName;
    return suffix;
}

std::string withTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

std::string positionDirectory(std::string_view dataPath, std::string_view positionName) {
    return std::string(dataPath) + std::string(kPositionDirWord) + std::string(positionName) + "/";
}

std::string loadCaseFileName(std::string_view base, int loadCase) {
    return std::string(base) + format("%i", loadCase);
}

std::optional<std::string> positionNameError(std::string_view name) {
    if (name.empty()) return "Der Positionsname fehlt.";
    if (name == "." || name == "..")
        return "Der Positionsname darf nicht \".\" oder \"..\" sein.";
    for (char c : name) {
        if (c == ' ' || c == '\t') return "Der Positionsname darf keine Leerzeichen enthalten.";
        if (c == '/') return "Der Positionsname darf kein \"/\" enthalten.";
        if (c == '\0') return "Der Positionsname enthält ein ungültiges Zeichen.";
    }
    return std::nullopt;
}

} // namespace slab
