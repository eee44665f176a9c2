// The project manager's state, positions and work steps.
#include "manager/manager.hpp"
#include "common/text.hpp"

#include "common/file_io.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "manager/free_space.hpp"
#include "manager/paths.hpp"
#include "manager/protocol.hpp"
#include "solver/modelfiles/ttable.hpp"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace tarvik {

namespace {

// File names of a position directory that the manager copies or tests.
constexpr const char* kGeometryEcho = "ECHO_G";
constexpr const char* kGeometryArchive = "ACADGEO";
constexpr const char* kLoadEcho = "ECHO_L";
constexpr const char* kLoadArchive = "ACADLAST";
constexpr const char* kPointEcho = "ECHO_S";
constexpr const char* kPointArchive = "ACADPKT";

/// Creates one directory (an existing one is no error); false when it is not there afterwards.
bool makeDirectory(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directory(path, ec);
    return isDirectory(path);
}

} // namespace

Manager::Manager(std::string workDirectory, ports::MessageBox& box, ports::Launcher& launcher,
                 ManagerOptions options)
    : work_(std::move(workDirectory)), box_(box), launcher_(launcher),
      options_(std::move(options)) {
    if (work_.empty() || work_.back() != '/') work_ += '/';
    if (!options_.clock)
        options_.clock = [] { return static_cast<std::int64_t>(std::time(nullptr)); };
}

void Manager::start() {
    readSettings();
    openPosition();
    planShown_ = false;
}

std::string Manager::suffix() const {
    return slab::positionSuffix(name_);
}

std::string Manager::dataPathBare() const {
    return withoutSlash(dataPath_);
}

std::string Manager::positionDirectory() const {
    return slab::positionDirectory(dataPath_, name_);
}

std::string Manager::positionDirectoryBare() const {
    return withoutSlash(positionDirectory());
}

std::optional<std::string> Manager::freeSpace() const {
    auto bytes = freeBytes(dataPath_);
    if (!bytes) return std::nullopt;
    return freeSpaceText(*bytes);
}

// ---- settings files

void Manager::writeExt() {
    slab::writeFileAtomic(work_ + std::string(kExtFile),
                          encodeField(name_.empty() ? "" : suffix()));
}

void Manager::writeDataPath() {
    // A working directory too long for the field stays in force without being written.
    if (dataPathProblem(dataPath_)) return;
    slab::writeFileAtomic(work_ + std::string(kDataPathFile), encodeField(dataPath_));
}

void Manager::writeRecentList() {
    slab::writeFileAtomic(work_ + std::string(kRecentFile), recentListText(recent_));
}

void Manager::readSettings() {
    name_ = "1";
    if (auto bytes = slab::readFileBytes(work_ + std::string(kExtFile)))
        if (auto name = decodeExt(*bytes)) name_ = *name;
    std::optional<std::string> stored;
    if (auto bytes = slab::readFileBytes(work_ + std::string(kDataPathFile)))
        stored = decodeDataPath(*bytes);
    if (stored) {
        // A relative path is taken from the working directory, where every program starts.
        dataPath_ = dataPathOf(*stored, work_);
    } else {
        dataPath_ = dataPathOf(work_, work_);
        writeDataPath();
    }
}

void Manager::clearModel() {
    model_ = PositionModel{};
}

bool Manager::openPosition() {
    if (name_.empty())
        clearModel();
    else
        model_ = readPositionModel(positionDirectory(), box_);
    recent_ = parseRecentList(slab::readFileText(work_ + std::string(kRecentFile)).value_or(""));
    listChanged_ = true;
    return model_.hasModel();
}

void Manager::addCurrentToRecent() {
    if (name_.empty()) return;
    const RecentEntry current{name_, dataPathBare()};
    // The position moves to the front, in memory as in the file, so that it is listed once.
    std::erase(recent_, current);
    recent_.insert(recent_.begin(), current);
    if (recent_.size() > kMaxRecent) recent_.resize(kMaxRecent);
    listChanged_ = true;
    writeRecentList();
}

// ---- data path and positions

bool Manager::setDataPath(std::string_view typed) {
    const std::string path = dataPathOf(typed, work_);
    if (auto problem = dataPathProblem(path)) {
        box_.message("Fehler", *problem);
        return false;
    }
    const bool created = !isDirectory(path);
    if (created && !createPath(path, box_)) return false;
    dataPath_ = path;
    writeDataPath();
    if (created) {
        // A new data path holds no position yet.
        name_.clear();
        writeExt();
    }
    planShown_ = openPosition() && planShown_;
    return true;
}

bool Manager::chooseDataPath(std::string_view typed) {
    const std::string path = dataPathOf(typed, work_);
    if (auto problem = dataPathProblem(path)) {
        box_.message("Fehler", *problem);
        return false;
    }
    if (!createPath(path, box_)) return false;
    dataPath_ = path;
    writeDataPath();
    name_.clear();
    writeExt();
    openPosition();
    planShown_ = false;
    return true;
}

bool Manager::recentEntryExists(std::size_t index) {
    if (index >= 1 && index <= recent_.size()) return true;
    box_.message("Hinweis", slab::format("Die Liste der letzten Positionen hat keinen Eintrag "
                                         "%zu (sie hat %zu).",
                                         index, recent_.size()));
    return false;
}

bool Manager::chooseRecent(std::size_t index) {
    if (!recentEntryExists(index)) return false;
    const RecentEntry entry = recent_[index - 1];
    name_ = entry.name;
    dataPath_ = dataPathOf(entry.path + "/", work_);
    writeExt();
    writeDataPath();
    readSettings();
    planShown_ = openPosition();
    return true;
}

bool Manager::deleteRecent(std::size_t index) {
    if (!recentEntryExists(index)) return false;
    recent_.erase(recent_.begin() + static_cast<std::ptrdiff_t>(index - 1));
    listChanged_ = true;
    writeRecentList();
    return true;
}

void Manager::clearRecent() {
    recent_.clear();
    if (!name_.empty()) recent_.push_back({name_, dataPathBare()});
    listChanged_ = true;
    writeRecentList();
}

bool Manager::openDirectory(std::string_view directory, bool addToRecent) {
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
    if (addToRecent && pick.position->name == name_ && pick.position->dataPath == dataPath_)
        return true;
    name_ = pick.position->name;
    dataPath_ = pick.position->dataPath;
    writeDataPath();
    writeExt();
    if (addToRecent) addCurrentToRecent();
    planShown_ = openPosition();
    return true;
}

void Manager::startGeometryOnNewPosition(const std::string& name) {
    name_ = name;
    writeExt();
    addCurrentToRecent();
    run(kGeometryProgram, arguments(), ports::Wait::Yes);
    planShown_ = model_.hasModel();
}

bool Manager::newPositionDialog(std::string_view name, std::string_view typedPath) {
    std::string newName = std::string(slab::trim(name));
    std::replace(newName.begin(), newName.end(), ' ', '_');
    if (auto problem = positionNameProblem(newName)) {
        box_.message("Fehler", *problem);
        return false;
    }
    const std::string path = dataPathOf(typedPath, work_);
    if (auto problem = dataPathProblem(path)) {
        box_.message("Fehler", *problem);
        return false;
    }
    if (!createPath(path, box_)) return false;
    dataPath_ = path;
    writeDataPath();
    startGeometryOnNewPosition(newName);
    return true;
}

bool Manager::newPositionSelector(std::string_view typed) {
    const std::string newName = std::string(slab::trim(typed));
    if (auto problem = positionNameProblem(newName)) {
        box_.message("Fehler", *problem);
        return false;
    }
    const std::string dir = withoutSlash(slab::positionDirectory(dataPath_, newName));
    if (!makeDirectory(dir)) {
        box_.message("Fehler",
                     slab::format("Verzeichnis %s kann nicht angelegt werden!", dir.c_str()));
        return false;
    }
    startGeometryOnNewPosition(newName);
    return true;
}

bool Manager::duplicate(std::string_view typedName) {
    if (!needPosition()) return false;
    const std::string newName = std::string(slab::trim(typedName));
    if (auto problem = positionNameProblem(newName)) {
        box_.message("Fehler", *problem);
        return false;
    }
    if (newName == name_) {
        box_.message("Fehler", slab::format("Die Kopie braucht einen anderen Namen als die "
                                            "Position %s.",
                                            name_.c_str()));
        return false;
    }
    const std::string target = slab::positionDirectory(dataPath_, newName);
    std::error_code ec;
    // Never copy over a position that exists: its model and load files would be lost.
    if (std::filesystem::exists(withoutSlash(target), ec)) {
        box_.message("Fehler", slab::format("Die Position %s gibt es schon (%s). Bitte einen "
                                            "anderen Namen wählen.",
                                            newName.c_str(), withoutSlash(target).c_str()));
        return false;
    }
    if (!makeDirectory(withoutSlash(target))) {
        box_.message("Fehler", slab::format("Verzeichnis %s kann nicht angelegt werden!",
                                            withoutSlash(target).c_str()));
        return false;
    }
    const std::string source = positionDirectory();
    const std::string oldSuffix = suffix();
    const std::string newSuffix = slab::positionSuffix(newName);
    std::vector<std::string> failed;
    auto copy = [&](const char* from, const char* to) {
        auto bytes = slab::readFileBytes(source + from + oldSuffix);
        if (!bytes) return false;
        if (!slab::writeFileAtomic(target + to + newSuffix, *bytes))
            failed.push_back(std::string(to) + newSuffix);
        return true;
    };
    if (slab::fileExists(source + kGeometryEcho + oldSuffix)) {
        // The model as the files hold it now; the geometry editor loads the archive ACADGEO.
        const PositionModel m = readPositionModel(source, box_);
        for (auto& name : writeModelArrays(m, target))
            failed.push_back(name);
        copy(kGeometryEcho, kGeometryArchive);
    }
    copy(kLoadEcho, kLoadArchive);
    copy(kPointEcho, kPointArchive);
    if (!failed.empty()) {
        std::string names;
        for (const auto& f : failed)
            names += (names.empty() ? "" : ", ") + f;
        box_.message("Hinweis", slab::format("Nicht kopiert: %s", names.c_str()));
    }

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

// ---- work steps

std::vector<std::string> Manager::arguments(std::optional<int> number) const {
    std::vector<std::string> args{slab::format(".%s", name_.c_str()),
                                  slab::format("@%s", dataPath_.c_str())};
    if (number) args.push_back(slab::format("@%i", *number));
    return args;
}

void Manager::run(const std::string& program, const std::vector<std::string>& args, ports::Wait wait) {
    if (options_.waitForEveryChild) wait = ports::Wait::Yes;
    // A program that cannot be started is passed over; what follows a wait happens anyway.
    launcher_.start(program, args, wait);
    if (wait == ports::Wait::No) return;
    // The geometry editor may have saved under another name (EXT) and written the model.
    readSettings();
    if (!openPosition()) planShown_ = false;
}

bool Manager::needPosition() {
    if (!name_.empty()) return true;
    box_.message("Achtung", "Es ist keine Position gewählt. Bitte zuerst eine Position anlegen "
                            "oder öffnen.");
    return false;
}

bool Manager::needModelFiles(const char* title) {
    if (slab::fileExists(positionDirectory() + std::string(slab::files::kNodes))) return true;
    box_.message(title, "Erst die Abmessungen der Platte eingeben.");
    return false;
}

void Manager::geometryStep() {
    if (!needPosition()) return;
    run(kGeometryProgram, arguments(), ports::Wait::Yes);
}

bool Manager::loadStep() {
    if (!needPosition() || !needModelFiles("Achtung")) return false;
    run(kLoadProgram, arguments(), ports::Wait::No);
    return true;
}

bool Manager::calculationStep() {
    if (!needPosition()) return false;
    run(kSolverProgram, arguments(), ports::Wait::No);
    return true;
}

bool Manager::resultsStep() {
    if (!needPosition() || !needModelFiles(kApplicationTitle)) return false;
    run(kResultsProgram, arguments(), ports::Wait::No);
    return true;
}

std::optional<std::string> Manager::document(int number) {
    if (number != 1 && number != 2) {
        box_.message("Hinweis", "Es gibt die Dokumente 1 (Diskretisierung) und 2 (Lastfälle).");
        return std::nullopt;
    }
    if (!needPosition()) return std::nullopt;
    const std::string base = slab::format("D%i", number);
    auto missing = [&] {
        const std::string dir = positionDirectory();
        box_.message("Fehlende Eingabe",
                     number == 1
                         ? slab::format("Es wurde noch keine Diskretisierung vorgenommen. Die "
                                        "Datei %sD1 fehlt.",
                                        dir.c_str())
                         : slab::format("Es wurde noch keine Lastfälle eingegeben. Die Datei "
                                        "%sD2 fehlt.",
                                        dir.c_str()));
        return std::nullopt;
    };
    auto exists = [&] {
        return slab::fileExists(positionDirectory() + base + ".TXT") ||
               slab::fileExists(positionDirectory() + base);
    };
    if (!exists()) return missing();
    readSettings();
    if (auto text = slab::readFileText(positionDirectory() + base + ".TXT")) return text;
    if (auto text = slab::readFileText(positionDirectory() + base)) return text;
    return missing();
}

std::optional<std::string> Manager::resultPointSets() {
    if (!needPosition()) return std::nullopt;
    const std::string dir = positionDirectory();
    if (auto text = slab::readFileText(dir + kPointEcho + suffix())) return text;
    if (auto text = slab::readFileText(dir + kPointEcho)) return text;
    box_.message("Fehlende Eingabe",
                 slab::format("Es wurde noch keine Spannungspunkte (Ergebnispunkte) eingegeben. "
                              "Die Datei %sECHO_S fehlt.",
                              dir.c_str()));
    return std::nullopt;
}

std::vector<std::string> Manager::protocol() const {
    if (name_.empty()) return {};
    return protocolLines(slab::readTimeTable(positionDirectory()));
}

std::optional<std::string> Manager::restartFromProtocol(std::size_t line) {
    const auto lines = protocol();
    if (line < 1 || line > lines.size()) {
        box_.message("Protokoll", slab::format("Das Protokoll hat keine Zeile %zu (es hat %zu "
                                               "Zeilen).",
                                               line, lines.size()));
        return std::nullopt;
    }
    const auto restart = restartOf(lines[line - 1]);
    if (!restart) return std::nullopt;
    run(restart->program, arguments(restart->number), ports::Wait::No);
    return restart->program;
}

void Manager::rightClick() {
    if (planShown_)
        resultsStep();
    else
        planShown_ = true;
}

void Manager::explorer() {
    run(kExplorerProgram, {dataPath_}, ports::Wait::No);
}

} // namespace tarvik
