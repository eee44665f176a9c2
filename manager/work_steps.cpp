// The work steps: starting the other programs on the position with their checks, reading the
// position again after a program waited for, and the protocol view with its restarts.
#include "manager/manager.hpp"

#include "common/file_io.hpp"
#include "common/format.hpp"
#include "manager/protocol.hpp"
#include "solver/modelfiles/model_files.hpp"
#include "solver/modelfiles/ttable.hpp"

namespace tarvik {

std::vector<std::string> Manager::arguments(std::optional<int> number) const {
    std::vector<std::string> args{slab::format(".%s", name_.c_str()),
                                  slab::format("@%s", dataPath_.c_str())};
    if (number) args.push_back(slab::format("@%i", *number));
    return args;
}

void Manager::run(const std::string& program, const std::vector<std::string>& args,
                  ports::Wait wait) {
    if (options_.waitForEveryChild) wait = ports::Wait::Yes;
    // A program that cannot be started is passed over; what follows a wait happens anyway.
    launcher_.start(program, args, wait);
    if (wait == ports::Wait::No) return;
    // The geometry editor may have saved under another name (EXT) and written the model.
    readSettings();
    openPosition();
    notify(PositionEvent::Reread);
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

void Manager::explorer() {
    run(kExplorerProgram, {dataPath_}, ports::Wait::No);
}

} // namespace tarvik
