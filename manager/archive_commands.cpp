// The archive commands of the manager: storing the open position into a folder, loading an
// archive as a position and opening it, and the archive file list.
#include "manager/manager.hpp"

#include "common/format.hpp"
#include "common/position.hpp"
#include "common/text.hpp"
#include "manager/paths.hpp"
#include "solver/modelfiles/ttable.hpp"

#include <unistd.h>

namespace tarvik {

std::optional<Transfer> Manager::storeArchive(std::string_view typed) {
    if (!needPosition()) return std::nullopt;
    const std::string folder = dataPathOf(typed, work_);
    // The folder must be one the manager may enter and write into.
    if (folder.empty() || !isDirectory(folder) || ::access(folder.c_str(), W_OK | X_OK) != 0) {
        box_.message("Kein Zugriff!", withoutSlash(folder.empty() ? std::string(typed) : folder));
        return std::nullopt;
    }
    Transfer transfer = storeInto(positionDirectory(), suffix(), folder);
    if (!transfer.failed.empty())
        box_.message("Hinweis", slab::format("Nicht gespeichert: %s",
                                             slab::joinNames(transfer.failed).c_str()));
    if (transfer.copied == 0) {
        box_.message("Hinweis", slab::format("Die Position %s hat keine Eingabedateien "
                                             "(ECHO_G, ECHO_L, ECHO_S); nichts gespeichert.",
                                             name_.c_str()));
        return transfer;
    }
    slab::appendTimeTableRecord(positionDirectory(), {options_.clock(), transfer.recordText});
    return transfer;
}

std::optional<Transfer> Manager::loadArchive(std::string_view chosen, std::string_view typedName) {
    const ArchivePick pick = splitArchivePath(chosen, work_);
    if (!pick.source) {
        box_.message("Fehler", pick.problem);
        return std::nullopt;
    }
    std::string name(slab::trim(typedName));
    if (name.empty()) name = pick.source->name;
    if (!usableName(name)) return std::nullopt;
    const std::string target = slab::positionDirectory(dataPath_, name);
    if (!makeDirectory(withoutSlash(target))) {
        box_.message("Fehler", slab::format("Verzeichnis %s kann nicht angelegt werden!",
                                            withoutSlash(target).c_str()));
        return std::nullopt;
    }
    writeLoadFolder(work_, pick.source->folder);
    Transfer transfer = loadFrom(*pick.source, target, name);
    transfer.position = name;
    if (!transfer.failed.empty())
        box_.message("Hinweis",
                     slab::format("Nicht geladen: %s", slab::joinNames(transfer.failed).c_str()));
    slab::appendTimeTableRecord(target, {options_.clock(), transfer.recordText});
    return transfer;
}

void Manager::openLoadedPosition(const std::string& name) {
    if (!usableName(name)) return;
    name_ = name;
    writeExt();
    addCurrentToRecent();
    geometryStep();
    notify(PositionEvent::Opened);
}

std::string Manager::loadFolder() const {
    return readLoadFolder(work_);
}

std::vector<std::string> Manager::archiveFileList() const {
    if (name_.empty()) return {};
    return archiveFiles(positionDirectory(), suffix());
}

} // namespace tarvik
