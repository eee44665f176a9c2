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

namespace {

/// The message of a start that failed; nullopt for one that started.
std::optional<std::string> startProblem(ports::LaunchResult result, const std::string& program,
                                        const ports::Launcher& launcher) {
    switch (result) {
    case ports::LaunchResult::Started:
        return std::nullopt;
    case ports::LaunchResult::NotFound:
        return slab::format("Das Programm %s ist nicht installiert (gesucht %s).",
                            program.c_str(), launcher.searchedPlaces().c_str());
    case ports::LaunchResult::Failed:
        return slab::format("Das Programm %s konnte nicht gestartet werden.", program.c_str());
    }
    return std::nullopt;
}

} // namespace

ports::LaunchResult Manager::startProgram(const std::string& program,
                                          const std::vector<std::string>& args) {
    return launcher_.start(program, args,
                           options_.waitForEveryChild ? ports::Wait::Yes : ports::Wait::No);
}

void Manager::noteMissing(const std::string& program) {
    // Only the suite's own programs read the lines of a script after their start.
    for (const char* reader : {kGeometryProgram, kLoadProgram, kSolverProgram, kResultViewerProgram})
        if (program == reader) missingProgram_ = program;
}

void Manager::reread() {
    // The geometry editor may have saved under another name (EXT) and written the model.
    readSettings();
    openPosition();
    notify(PositionEvent::Reread);
}

ports::LaunchResult Manager::run(const std::string& program, const std::vector<std::string>& args,
                                 ports::Wait wait) {
    if (options_.waitForEveryChild) wait = ports::Wait::Yes;
    const ports::LaunchResult result = launcher_.start(program, args, wait);
    if (result == ports::LaunchResult::NotFound) noteMissing(program);
    // A start the user asked for never fails unseen.
    if (auto problem = startProblem(result, program, launcher_)) box_.message("Hinweis", *problem);
    if (wait == ports::Wait::Yes) reread();
    return result;
}

bool Manager::runResults(const std::vector<std::string>& args) {
    // The result graphics outside the suite when installed, else the suite's own viewer.
    ports::LaunchResult result = startProgram(kResultsProgram, args);
    if (result == ports::LaunchResult::NotFound) {
        result = startProgram(kResultViewerProgram, args);
        if (result == ports::LaunchResult::NotFound) {
            noteMissing(kResultViewerProgram);
            box_.message("Hinweis",
                         slab::format("Die Ergebnisse können nicht dargestellt werden: weder die "
                                      "Ergebnisgrafik %s noch der Ergebnisbetrachter %s ist "
                                      "installiert.",
                                      kResultsProgram, kResultViewerProgram));
            return false;
        }
        if (auto problem = startProblem(result, kResultViewerProgram, launcher_))
            box_.message("Hinweis", *problem);
    } else if (auto problem = startProblem(result, kResultsProgram, launcher_)) {
        box_.message("Hinweis", *problem);
    }
    if (options_.waitForEveryChild) reread();
    return result == ports::LaunchResult::Started;
}

bool Manager::needPosition() {
    if (!name_.empty()) return true;
    box_.message("Achtung", kNoPosition);
    return false;
}

bool Manager::needModelFiles(const char* title) {
    // A model without nodes (a copy whose geometry step was left unsaved) is no geometry either.
    if (slab::fileExists(positionDirectory() + std::string(slab::files::kNodes)) &&
        model_.nodeCount > 0)
        return true;
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
    runResults(arguments());
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
    if (restart->program == kResultsProgram)
        runResults(arguments(restart->number));
    else
        run(restart->program, arguments(restart->number), ports::Wait::No);
    return restart->program;
}

void Manager::explorer() {
    run(kExplorerProgram, {dataPath_}, ports::Wait::No);
}

} // namespace tarvik
