// Storing and loading archives.
#include "manager/archive.hpp"

#include "common/file_io.hpp"
#include "common/file_lookup.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "common/text.hpp"
#include "manager/document_list.hpp"
#include "manager/paths.hpp"
#include "manager/print_settings.hpp"
#include "manager/settings_files.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace tarvik {

namespace {

namespace files = slab::files;

/// The working file and its archive form, in the order they are copied.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kArchived{{
    {files::kGeometryEcho, files::kGeometryArchive},
    {files::kLoadEcho, files::kLoadArchive},
    {files::kPointEcho, files::kPointArchive},
}};

/// Copies from to to unchanged and adds the list line; a missing source is passed over.
bool copyListed(const std::string& from, const std::string& to, Transfer& transfer) {
    const auto bytes = slab::readFileBytes(from);
    if (!bytes) return false;
    if (!slab::writeFileAtomic(to, *bytes)) {
        transfer.failed.push_back(to);
        return false;
    }
    transfer.lines.push_back(slab::format("%s  --->  %s", from.c_str(), to.c_str()));
    ++transfer.copied;
    return true;
}

std::string upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

} // namespace

Transfer storeInto(const std::string& positionDirectory, const std::string& suffix,
                   const std::string& folder) {
    Transfer transfer;
    for (const auto& [work, archive] : kArchived) {
        const std::string to = folder + std::string(archive) + suffix;
        const bool copied =
            copyListed(positionDirectory + std::string(work) + suffix, to, transfer);
        if (copied && work == files::kGeometryEcho)
            transfer.recordText = slab::format("Platte in Datei %s gespeichert.", to.c_str());
    }
    return transfer;
}

ArchivePick splitArchivePath(std::string_view chosen, const std::string& workDirectory) {
    std::string path = withoutSlash(dataPathOf(chosen, workDirectory));
    if (path.empty()) return {std::nullopt, "Bitte eine Archivdatei ACADGEO.<Position> wählen."};
    path = slab::resolveCaseInsensitive(path);
    const auto slash = path.rfind('/');
    const std::string leaf = path.substr(slash + 1);
    const std::string word = std::string(files::kGeometryArchive) + ".";
    if (upper(leaf.substr(0, word.size())) != word)
        return {std::nullopt,
                slab::format("Die Datei %s ist kein Archiv einer Position (ACADGEO.<Position>).",
                             path.c_str())};
    ArchiveSource source{path.substr(0, slash + 1), leaf.substr(word.size()), path};
    if (auto problem = positionNameProblem(source.name))
        return {std::nullopt, slab::format("Die Endung der Archivdatei %s ist kein "
                                           "Positionsname: %s",
                                           path.c_str(), problem->c_str())};
    if (!slab::fileExists(path) || isDirectory(path))
        return {std::nullopt, slab::format("Die Archivdatei %s fehlt.", path.c_str())};
    return {source, ""};
}

std::vector<std::string> loadHints() {
    return {" ", "Anschließend müssen Sie die Platte (nach eventuellen Änderungen) diskretisieren!",
            "Klicken Sie dann auf LF (Lastfälle), um die Lastfälle zu generieren!",
            "und dann auf PUNKTE, um die Spannungspunkte zu generieren!"};
}

Transfer loadFrom(const ArchiveSource& source, const std::string& targetDirectory,
                  const std::string& targetName) {
    Transfer transfer;
    const std::string from = slab::positionSuffix(source.name);
    const std::string to = slab::positionSuffix(targetName);
    for (const auto& [work, archive] : kArchived) {
        const std::string file = work == files::kGeometryEcho
                                     ? source.geometryFile
                                     : source.folder + std::string(archive) + from;
        copyListed(file, targetDirectory + std::string(archive) + to, transfer);
    }
    for (auto& hint : loadHints())
        transfer.lines.push_back(std::move(hint));
    transfer.recordText =
        slab::format("Platte aus Datei %s eingelesen.", source.geometryFile.c_str());
    return transfer;
}

std::string readLoadFolder(const std::string& workDirectory) {
    const std::string folder(slab::trim(settingsLine(workDirectory + std::string(kLoadPathFile))));
    if (folder.empty()) return {};
    return isDirectory(folder) ? slab::withTrailingSlash(folder) : std::string();
}

bool writeLoadFolder(const std::string& workDirectory, const std::string& folder) {
    return slab::writeFileAtomic(workDirectory + std::string(kLoadPathFile), folder + "\n");
}

std::vector<std::string> archiveFiles(const std::string& positionDirectory,
                                      const std::string& suffix) {
    std::vector<std::string> found;
    for (auto name : {files::kGeometryArchive, files::kLoadArchive, files::kPointArchive,
                      files::kGeometryEcho, files::kLoadEcho, files::kPointEcho}) {
        const std::string path = positionDirectory + std::string(name) + suffix;
        if (slab::fileExists(path)) found.push_back(slab::resolveCaseInsensitive(path));
    }
    return found;
}

} // namespace tarvik
