// Replacing the block of a load case in the position's ECHO_L and removing the blocks of deleted
// load cases; the new file is written whole to ENEU and renamed over the old one.
#include "common/codepage.hpp"
#include "common/file_io.hpp"
#include "common/file_lookup.hpp"
#include "common/format.hpp"
#include "loads/echo/echo_file.hpp"
#include "loads/echo/echo_keywords.hpp"
#include "loads/echo/echo_lines.hpp"
#include "loads/file_names.hpp"

#include <filesystem>
#include <optional>
#include <set>
#include <system_error>

namespace daskel {

namespace {

const char* const kOpenFailed = "Fehler beim Öffnen der Dateien ECHO_L und LNEU in LWRITE";

/// Writes contents to ENEU in the directory and renames it over target; a failure is shown and
/// leaves target unchanged.
bool replaceEcho(const std::string& directory, const std::string& target, std::string_view suffix,
                 std::string_view contents, ports::MessageBox& box) {
    const std::string echoName = echoFileName(suffix);
    switch (slab::writeFileThrough(target, contents, directory + std::string(files::kEchoTemp))) {
    case slab::WriteResult::Ok:
        return true;
    case slab::WriteResult::OpenFailed:
        box.message("Fehler", kOpenFailed);
        return false;
    case slab::WriteResult::WriteFailed:
        box.message("Fehler",
                    slab::format("Fehler beim Schreiben der Datei %s, %s bleibt "
                                 "unverändert.",
                                 std::string(files::kEchoTemp).c_str(), echoName.c_str()));
        return false;
    case slab::WriteResult::RenameFailed:
        box.message("Fehler", "Fehler beim Löschen der Datei " + echoName);
        return false;
    }
    return false;
}

/// The existing ECHO_L (nullopt when missing, sets `unreadable` when it exists but cannot be read).
std::optional<std::string> readExisting(const std::string& target, bool& unreadable) {
    unreadable = false;
    if (!slab::fileExists(target)) return std::nullopt;
    // Something else under the name (a directory) is not read as a file.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(target, ec)) {
        unreadable = true;
        return std::nullopt;
    }
    auto text = slab::readFileText(target);
    if (!text) unreadable = true;
    return text;
}

/// The file with the block of load case n put in place of its old block, else appended.
std::string withBlock(echo::FileImage image, int n, const std::string& block) {
    // Each block is known by its own "LF n" line, so a damaged or reordered file never loses
    // the blocks that follow; stale duplicates of n go with the old block.
    std::string contents;
    bool written = false, skipping = false;
    for (std::size_t i = 0; i < image.lines.size(); ++i) {
        const int number = image.classes[i].block;
        if (number != 0) skipping = false;
        if (number == n) {
            if (!written) contents += block;
            written = skipping = true;
            continue;
        }
        if (!skipping) contents += image.raw(i);
    }
    if (!written) {
        if (!contents.empty() && contents.back() != '\n') contents += '\n';
        contents += block;
    }
    return contents;
}

/// The file without the blocks of the load cases in `dropped`.
std::string withoutBlocks(const echo::FileImage& image, const std::set<int>& dropped) {
    std::string contents;
    bool dropping = false;
    for (std::size_t i = 0; i < image.lines.size(); ++i) {
        if (image.classes[i].block != 0) dropping = dropped.count(image.classes[i].block) > 0;
        if (!dropping) contents += image.raw(i);
    }
    return contents;
}

} // namespace

bool writeEchoBlock(const std::string& positionDirectory, std::string_view suffix,
                    const LoadCase& lc, const EchoGeometry& geometry, ports::MessageBox& box) {
    if (!validLoadCaseNumber(lc.number)) {
        box.message("Fehler", slab::format("Der Lastfall hat keine Nummer von 1 bis %i und wird "
                                           "nicht in %s geschrieben.",
                                           kMaxLoadCase, echoFileName(suffix).c_str()));
        return false;
    }
    const std::string target =
        slab::resolveCaseInsensitive(positionDirectory + echoFileName(suffix));
    const std::string block = echoBlockBytes(lc, geometry);

    bool unreadable = false;
    auto old = readExisting(target, unreadable);
    if (unreadable) {
        box.message("Fehler", kOpenFailed);
        return false;
    }
    const std::string contents =
        !old || old->empty()
            ? slab::utf8ToCp850(echo::text(echo::Keyword::LoadCases)) + "\n" + block
            : withBlock(echo::FileImage(std::move(*old)), lc.number, block);
    return replaceEcho(positionDirectory, target, suffix, contents, box);
}

bool removeEchoBlocks(const std::string& positionDirectory, std::string_view suffix,
                      const std::vector<std::int16_t>& diary, const std::vector<bool>& keep,
                      ports::MessageBox& box) {
    // A number goes only when none of its list entries is kept.
    std::set<int> kept, dropped;
    for (std::size_t v = 0; v < diary.size(); ++v)
        (v >= keep.size() || keep[v] ? kept : dropped).insert(diary[v]);
    for (int n : kept)
        dropped.erase(n);
    if (dropped.empty()) return true;

    const std::string target =
        slab::resolveCaseInsensitive(positionDirectory + echoFileName(suffix));
    bool unreadable = false;
    auto old = readExisting(target, unreadable);
    if (unreadable) {
        box.message("Fehler", kOpenFailed);
        return false;
    }
    if (!old) return true;

    const echo::FileImage image(std::move(*old));
    const std::string contents = withoutBlocks(image, dropped);
    if (contents.size() == image.bytes.size()) return true; // no block of a deleted load case
    return replaceEcho(positionDirectory, target, suffix, contents, box);
}

} // namespace daskel
