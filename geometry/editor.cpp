// The editor's start on a position, its modes and the commands on the mesh: generation,
// supports, deletion and fit. Each runs to completion and reports through the user interface.
#include "geometry/editor.hpp"

#include "common/file_names.hpp"
#include "common/format.hpp"
#include "geometry/edge_lines.hpp"
#include "geometry/element_deletion.hpp"
#include "geometry/geometry_file.hpp"
#include "geometry/start.hpp"

namespace morvel {

namespace {

constexpr const char* kSupportPrompt =
    " Wählen Sie eine Lagerart und klicken Sie auf die entsprechenden Abschnitte!";
constexpr const char* kSinglePrompt =
    "Mausklick = Löschen von Elementen      Z = ZURÜCK      Leertaste = Ende der Eingabe";
constexpr const char* kWindowPrompt =
    " Ziehen Sie ein Fenster auf! Alle Elemente, die ganz in dem Fenster liegen, werden gelöscht! ";
constexpr const char* kIdlePrompt = " Am Ende der Eingabe sollten Sie die Platte speichern!";

} // namespace

Editor::Editor(ports::Ui& ui, std::function<Date()> clock) : ui_(ui), clock_(std::move(clock)) {}

bool Editor::start(const std::string& commandLine, const std::string& workDirectory) {
    auto p = positionFromCommandLine(commandLine, workDirectory, ui_);
    if (!p) return false;
    position_ = *p;
    readStartSettings(position_.workDirectory, settings_);
    const StartMode startMode = chooseStartMode(position_);
    switch (startMode) {
    case StartMode::NewPosition:
        startNewPosition();
        break;
    case StartMode::LoadArchive:
    case StartMode::LoadEcho: {
        const std::string name =
            std::string(startMode == StartMode::LoadEcho ? slab::files::kGeometryEcho
                                                         : slab::files::kGeometryArchive) +
            position_.suffix();
        switch (loadGeometryFile(model_, name, position_, ui_)) {
        case LoadResult::Missing:
            return false;
        case LoadResult::Refused:
            startNewPosition();
            break;
        case LoadResult::Loaded:
            adoptModelFiles(model_, position_.directory(), ui_);
            fit();
            break;
        }
        break;
    }
    }
    support_.kind = defaultSupportKind(model_.kind);
    remember();
    return true;
}

void Editor::startNewPosition() {
    model_ = Model{};
    settings_.user = readGdUser1(position_.workDirectory);
}

void Editor::remember() {
    savedChecksum_ = edgeLineChecksum(model_);
}

bool Editor::changed() const {
    return edgeLineChecksum(model_) != savedChecksum_;
}

std::string Editor::title() const {
    return slab::format("Position %s", position_.name.c_str());
}

std::string Editor::prompt() const {
    switch (mode_) {
    case Mode::None:
        return kIdlePrompt;
    case Mode::Support:
        return kSupportPrompt;
    case Mode::DeleteSingle:
        return kSinglePrompt;
    case Mode::DeleteWindow:
        return kWindowPrompt;
    }
    return kIdlePrompt;
}

void Editor::leaveMode() {
    mode_ = Mode::None;
}

bool Editor::generate(const GridInput& in) {
    leaveMode();
    slab::WorldRect extents;
    if (!generateMesh(model_, in, settings_.margin, extents, position_.directory(), ui_))
        return false;
    setExtents(extents);
    return true;
}

void Editor::setExtents(const slab::WorldRect& r) {
    extents_ = r;
    if (extentsListener_) extentsListener_(r);
}

void Editor::openSupports(const SupportChoice& choice) {
    support_ = choice;
    mode_ = Mode::Support;
}

bool Editor::setSupportOnLine(std::size_t line) {
    if (mode_ != Mode::Support || line >= model_.lines.size()) return false;
    assignSupport(model_, line, support_);
    return true;
}

std::optional<int> Editor::wholeBoundary() {
    if (mode_ != Mode::Support) return std::nullopt;
    return assignWholeBoundary(model_, support_, settings_.margin, ui_);
}

void Editor::closeSupports() {
    if (mode_ == Mode::Support) leaveMode();
}

void Editor::toggleDeleteSingle() {
    toggleDeletion(Mode::DeleteSingle);
}

void Editor::toggleDeleteWindow() {
    toggleDeletion(Mode::DeleteWindow);
}

void Editor::toggleDeletion(Mode deletion) {
    if (mode_ == deletion) {
        leaveMode();
        return;
    }
    // Deleting renumbers the nodes: the position is saved as it was before.
    save();
    mode_ = deletion;
}

int Editor::deleteElement(int e) {
    if (mode_ != Mode::DeleteSingle || e < 1 || e > model_.elementCount) return 0;
    deleteElements(model_, {e}, position_.directory());
    return e;
}

int Editor::windowDelete(double x1, double y1, double x2, double y2) {
    if (mode_ != Mode::DeleteWindow) return 0;
    return deleteElements(model_, elementsInWindow(model_, x1, y1, x2, y2), position_.directory());
}

void Editor::fit() {
    if (auto r = nodeExtents(model_)) setExtents(*r);
}

void Editor::rememberView(const MemorySettings& memory) {
    settings_.memory = memory;
    if (!writeMemory(position_.workDirectory, memory))
        ui_.message("Fehler", slab::format("Nicht geschrieben: %s", std::string(kMemoryFile).c_str()));
}

} // namespace morvel
