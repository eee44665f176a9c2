// Duplicating a position: the model arrays and the archive copies of its inputs go into a new
// position, which becomes current and is opened in the geometry editor.
#include "manager/manager.hpp"

#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "common/text.hpp"
#include "manager/paths.hpp"
#include "solver/modelfiles/ttable.hpp"

#include <filesystem>
#include <system_error>

namespace tarvik {

namespace {

/// Copies a working file of the source into an archive file of the copy, unchanged. A missing
/// source is passed over; a copy that cannot be written is named in failed.
void copyIntoArchive(const std::string& from, const std::string& to, std::string toName,
                     std::vector<std::string>& failed) {
    auto bytes = slab::readFileBytes(from);
    if (!bytes) return;
    if (!slab::writeFileAtomic(to, *bytes)) failed.push_back(std::move(toName));
}

} // namespace

bool Manager::createCopyDirectory(const std::string& newName) {
    if (newName == name_) {
        box_.message("Fehler", slab::format("Die Kopie braucht einen anderen Namen als die "
                                            "Position %s.",
                                            name_.c_str()));
        return false;
    }
    const std::string target = withoutSlash(slab::positionDirectory(dataPath_, newName));
    std::error_code ec;
    // Never copy over a position that exists: its model and load files would be lost.
    if (std::filesystem::exists(target, ec)) {
        box_.message("Fehler", slab::format("Die Position %s gibt es schon (%s). Bitte einen "
                                            "anderen Namen wählen.",
                                            newName.c_str(), target.c_str()));
        return false;
    }
    if (!makeDirectory(target)) {
        box_.message("Fehler",
                     slab::format("Verzeichnis %s kann nicht angelegt werden!", target.c_str()));
        return false;
    }
    return true;
}

void Manager::copyInputs(const std::string& target, const std::string& newName) {
    namespace files = slab::files;
    const std::string source = positionDirectory();
    const std::string oldSuffix = suffix();
    const std::string newSuffix = slab::positionSuffix(newName);
    auto copy = [&](std::string_view from, std::string_view to, std::vector<std::string>& failed) {
        const std::string toName = std::string(to) + newSuffix;
        copyIntoArchive(source + std::string(from) + oldSuffix, target + toName, toName, failed);
    };
    std::vector<std::string> failed;
    if (slab::fileExists(source + std::string(files::kGeometryEcho) + oldSuffix)) {
        // The model as the files hold it now; the geometry editor loads the archive ACADGEO.
        const PositionModel m = readPositionModel(source, box_);
        for (auto& name : writeModelArrays(m, target))
            failed.push_back(name);
        copy(files::kGeometryEcho, files::kGeometryArchive, failed);
    }
    copy(files::kLoadEcho, files::kLoadArchive, failed);
    copy(files::kPointEcho, files::kPointArchive, failed);
    if (!failed.empty())
        box_.message("Hinweis", slab::format("Nicht kopiert: %s", slab::joinNames(failed).c_str()));
}

bool Manager::duplicate(std::string_view typedName) {
    if (!needPosition()) return false;
    const std::string newName = std::string(slab::trim(typedName));
    if (!usableName(newName) || !createCopyDirectory(newName)) return false;
    const std::string target = slab::positionDirectory(dataPath_, newName);
    copyInputs(target, newName);

    const std::string original = name_;
    name_ = newName;
    writeExt();
    slab::appendTimeTableRecord(
        target,
        {options_.clock(), slab::format("Platte dupliziert (Original Pos. %s)", original.c_str())});
    addCurrentToRecent();
    geometryStep();
    return true;
}

} // namespace tarvik
