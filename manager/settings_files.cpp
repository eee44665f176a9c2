// EXT, DPFAD and LISTEP.
#include "manager/settings_files.hpp"

#include "common/binary_io.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "common/text.hpp"

#include <algorithm>
#include <cstring>

namespace tarvik {

namespace {

/// Control characters never belong to a name or path; a file holding them is not ours.
bool hasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7f;
    });
}

} // namespace

std::optional<std::string> positionNameProblem(std::string_view name) {
    if (auto error = slab::positionNameError(name)) return error;
    if (name.find('@') != std::string_view::npos)
        return "Der Positionsname darf kein \"@\" enthalten.";
    if (hasControlCharacter(name)) return "Der Positionsname enthält ein ungültiges Zeichen.";
    if (name.size() > kMaxPositionName)
        return slab::format("Der Positionsname ist zu lang (höchstens %zu Zeichen).",
                            kMaxPositionName);
    return std::nullopt;
}

std::optional<std::string> dataPathProblem(std::string_view dataPath) {
    if (dataPath.empty() || dataPath.back() != '/') return "Der Datenpfad fehlt.";
    if (dataPath.find('@') != std::string_view::npos)
        return "Der Datenpfad darf kein \"@\" enthalten.";
    if (hasControlCharacter(dataPath)) return "Der Datenpfad enthält ein ungültiges Zeichen.";
    if (dataPath.size() > kMaxDataPath)
        return slab::format("Der Datenpfad ist zu lang (höchstens %zu Zeichen).", kMaxDataPath);
    return std::nullopt;
}

std::vector<std::uint8_t> encodeField(std::string_view text) {
    std::vector<std::uint8_t> bytes(kFieldSize, 0);
    slab::putTextField(bytes.data(), kFieldSize, text);
    return bytes;
}

std::optional<std::string> decodeField(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < kFieldSize) return std::nullopt;
    std::string text = slab::getTextField(bytes.data(), kFieldSize);
    if (text.size() == kFieldSize) return std::nullopt; // no NUL: not a field this suite wrote
    return text;
}

std::optional<std::string> decodeExt(const std::vector<std::uint8_t>& bytes) {
    auto suffix = decodeField(bytes);
    if (!suffix) return std::nullopt;
    if (suffix->empty()) return std::string();
    if (suffix->front() != '.') return std::nullopt;
    std::string name = suffix->substr(1);
    if (positionNameProblem(name)) return std::nullopt;
    return name;
}

std::optional<std::string> decodeDataPath(const std::vector<std::uint8_t>& bytes) {
    auto path = decodeField(bytes);
    if (!path || dataPathProblem(*path)) return std::nullopt;
    return path;
}

std::vector<RecentEntry> parseRecentList(std::string_view text) {
    std::vector<RecentEntry> entries;
    auto nextLine = [&text]() -> std::optional<std::string_view> {
        if (text.empty()) return std::nullopt;
        auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        return line;
    };
    while (entries.size() < kMaxRecent) {
        auto name = nextLine();
        if (!name) break;
        auto path = nextLine();
        if (!path) break;
        if (name->size() > kMaxRecentLine || path->size() > kMaxRecentLine) continue;
        RecentEntry e{std::string(slab::trimEnd(*name)), std::string(slab::trimEnd(*path))};
        // The path is kept without its "/"; a root data path is the empty line.
        if (positionNameProblem(e.name) || dataPathProblem(e.path + "/")) continue;
        entries.push_back(std::move(e));
    }
    return entries;
}

std::string recentListText(const std::vector<RecentEntry>& entries) {
    std::string text;
    for (std::size_t k = 0; k < entries.size() && k < kMaxRecent; ++k)
        text += entries[k].name + "\n" + entries[k].path + "\n";
    return text;
}

} // namespace tarvik
