// Choosing positions: the data path typed or chosen in a tree, a position directory picked in a
// tree, and new positions through the dialog and the position selector.
#include "manager/manager.hpp"

#include "common/format.hpp"
#include "common/position.hpp"
#include "common/text.hpp"
#include "manager/paths.hpp"

#include <algorithm>

namespace tarvik {

std::optional<std::string> Manager::usableDataPath(std::string_view typed) {
    std::string path = dataPathOf(typed, work_);
    if (auto problem = dataPathProblem(path)) {
        box_.message("Fehler", *problem);
        return std::nullopt;
    }
    return path;
}

bool Manager::usableName(const std::string& name) {
    auto problem = positionNameProblem(name);
    if (!problem) return true;
    box_.message("Fehler", *problem);
    return false;
}

bool Manager::setDataPath(std::string_view typed) {
    const auto path = usableDataPath(typed);
    if (!path) return false;
    const bool created = !isDirectory(*path);
    if (created && !createPath(*path, box_)) return false;
    dataPath_ = *path;
    writeDataPath();
    if (created) {
        // A new data path holds no position yet.
        name_.clear();
        writeExt();
    }
    openPosition();
    notify(PositionEvent::Reread);
    return true;
}

bool Manager::chooseDataPath(std::string_view typed) {
    const auto path = usableDataPath(typed);
    if (!path || !createPath(*path, box_)) return false;
    dataPath_ = *path;
    writeDataPath();
    name_.clear();
    writeExt();
    openPosition();
    notify(PositionEvent::Closed);
    return true;
}

bool Manager::openDirectory(std::string_view directory, TreeChoice choice) {
    const PickResult pick = splitPositionDirectory(directory, work_);
    if (!pick.position) {
        box_.message("Fehler", pick.problem);
        return false;
    }
    const std::string dir = slab::positionDirectory(pick.position->dataPath, pick.position->name);
    if (!isDirectory(dir)) {
        box_.message("Fehler", slab::format("Das Verzeichnis %s existiert nicht.",
                                            withoutSlash(dir).c_str()));
        return false;
    }
    const bool selection = choice == TreeChoice::Selection;
    if (selection && pick.position->name == name_ && pick.position->dataPath == dataPath_)
        return true;
    name_ = pick.position->name;
    dataPath_ = pick.position->dataPath;
    writeDataPath();
    writeExt();
    if (selection) addCurrentToRecent();
    openPosition();
    notify(PositionEvent::Opened);
    return true;
}

void Manager::startGeometryOnNewPosition(const std::string& name) {
    name_ = name;
    writeExt();
    addCurrentToRecent();
    run(kGeometryProgram, arguments(), ports::Wait::Yes);
    notify(PositionEvent::Opened);
}

bool Manager::newPositionDialog(std::string_view name, std::string_view typedPath) {
    std::string newName = std::string(slab::trim(name));
    std::replace(newName.begin(), newName.end(), ' ', '_');
    if (!usableName(newName)) return false;
    const auto path = usableDataPath(typedPath);
    if (!path || !createPath(*path, box_)) return false;
    dataPath_ = *path;
    writeDataPath();
    startGeometryOnNewPosition(newName);
    return true;
}

bool Manager::newPositionSelector(std::string_view typed) {
    const std::string newName = std::string(slab::trim(typed));
    if (!usableName(newName)) return false;
    const std::string dir = withoutSlash(slab::positionDirectory(dataPath_, newName));
    if (!makeDirectory(dir)) {
        box_.message("Fehler",
                     slab::format("Verzeichnis %s kann nicht angelegt werden!", dir.c_str()));
        return false;
    }
    startGeometryOnNewPosition(newName);
    return true;
}

} // namespace tarvik
