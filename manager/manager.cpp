// The project manager's state: the settings files EXT, DPFAD and LISTEP, the paths derived
// from them, the open position's model and the recent-positions list.
#include "manager/manager.hpp"

#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "manager/free_space.hpp"
#include "manager/paths.hpp"
#include "manager/plot_settings.hpp"

#include <algorithm>
#include <ctime>

namespace tarvik {

Manager::Manager(std::string workDirectory, ports::MessageBox& box, ports::Launcher& launcher,
                 ManagerOptions options)
    : work_(slab::withTrailingSlash(std::move(workDirectory))), box_(box), launcher_(launcher),
      options_(std::move(options)) {
    if (!options_.clock)
        options_.clock = [] { return static_cast<std::int64_t>(std::time(nullptr)); };
}

void Manager::start() {
    readSettings();
    openPosition();
    notify(PositionEvent::Started);
}

void Manager::notify(PositionEvent event) {
    if (listener_) listener_(event, *this);
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
    slab::writeFileAtomic(work_ + std::string(slab::files::kExt),
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
    if (auto bytes = slab::readFileBytes(work_ + std::string(slab::files::kExt)))
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
    if (!opened_) {
        // The drawing's scale factor is read once; storing the plot parameters updates it.
        opened_ = true;
        drawingScale_ = overviewScaleOf(readPlotParameters(work_));
    }
    if (name_.empty())
        clearModel();
    else
        model_ = readPositionModel(positionDirectory(), box_);
    recent_ = parseRecentList(slab::readFileText(work_ + std::string(kRecentFile)).value_or(""));
    listChanged_ = true;
    return model_.hasModel();
}

// ---- the recent-positions list

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
    openPosition();
    notify(PositionEvent::Opened);
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

} // namespace tarvik
