// The manager's dialog bar, menus, tool bar, protocol view and mouse actions as console
// commands.
#include "ui/tarvik/tarvik_console.hpp"

#include "common/format.hpp"
#include "common/text.hpp"
#include "ui/tarvik/tarvik_view.hpp"

#include <optional>

namespace tarvik {

namespace {

std::string stateLine(const Manager& m) {
    std::string line = "Position: " + (m.positionName().empty() ? "(keine)" : m.positionName()) +
                       "   Datenpfad: " + m.dataPath();
    if (auto free = m.freeSpace()) line += "   " + *free;
    return line;
}

std::string metres(double v) {
    return slab::withDecimalComma(slab::format("%.2f", v));
}

/// The one number N of a command; nullopt when there is not exactly one whole number from 0.
std::optional<std::size_t> oneNumber(const ui::Words& words) {
    if (words.size() != 1) return std::nullopt;
    auto v = slab::parseInteger(words[0]);
    if (!v || *v < 0) return std::nullopt;
    return static_cast<std::size_t>(*v);
}

/// A text file shown on the console, ending with a line end.
void printText(std::ostream& out, const std::string& text) {
    out << text;
    if (!text.empty() && text.back() != '\n') out << '\n';
}

/// Every child shares the console's terminal and input, so each one is waited for.
ManagerOptions consoleOptions() {
    ManagerOptions options;
    options.waitForEveryChild = true;
    return options;
}

/// "Aufruf: " shows the command as "hilfe" lists it.
std::string callOf(Action action) {
    return ui::callOf(actions(), action);
}

} // namespace

ports::LaunchResult FlushingLauncher::start(const std::string& program,
                                            const std::vector<std::string>& arguments,
                                            ports::Wait wait) {
    out_.flush();
    return inner_.start(program, arguments, wait);
}

TarvikConsole::TarvikConsole(const std::string& workDirectory, ui::LineInput& input,
                             std::ostream& out, ports::Launcher& launcher, ConsoleOutputs* outputs)
    : ConsoleFrontEnd(input, out), launcher_(launcher, out),
      manager_(workDirectory, console_, launcher_, consoleOptions()), documents_(manager_),
      outputs_(outputs ? *outputs : noOutputs_) {
    manager_.setPositionListener([this](PositionEvent event, const Manager& manager) {
        followPosition(plan_, event, manager);
        // A dialog filled for one position's print is not another's.
        if (event != PositionEvent::Reread) numberingFilled_ = formFilled_ = false;
    });
}

int TarvikConsole::run() {
    manager_.start();
    out_ << "Tarvik: Positionen und Arbeitsschritte (hilfe zeigt die Befehle)\n";
    showState();
    int status = 0;
    ui::runCommandLoop(
        actions(),
        [this, &status](Action a, const ui::CommandCall& call) {
            const ui::Flow flow = dispatch(a, call);
            // The lines after a start were meant for the program started; without it tarvik
            // would read them as its own commands, so a script ends here.
            if (auto missing = manager_.takeMissingProgram(); missing && !input_.interactive()) {
                console_.message("Fehler", slab::format("Das Skript wird beendet: seine nächsten "
                                                        "Zeilen sind für %s bestimmt.",
                                                        missing->c_str()));
                status = 1;
                return ui::Flow::Stop;
            }
            return flow;
        },
        input_, out_);
    out_.flush();
    return status;
}

ui::Flow TarvikConsole::dispatch(Action action, const ui::CommandCall& call) {
    switch (action) {
    case Action::DataPath:
    case Action::ChooseDataPath:
        return dataPath(action, call.rest);
    case Action::NewPositionName:
    case Action::NewPosition:
    case Action::OpenPosition:
    case Action::Duplicate:
        return positions(action, call);
    case Action::ChooseRecent:
    case Action::ShowRecent:
    case Action::DeleteRecent:
    case Action::ClearRecent:
        return recentList(action, call.words);
    case Action::Geometry:
    case Action::Loads:
    case Action::Calculation:
    case Action::Results:
    case Action::Explorer:
        return workStep(action);
    case Action::ShowDocument:
    case Action::ResultPointSets:
        return documents(action, call.words);
    case Action::Protocol:
        return protocol(call.words);
    case Action::TogglePlan:
    case Action::RightClick:
    case Action::ShowState:
        return view(action);
    case Action::DocumentList:
    case Action::ViewDocument:
    case Action::DeleteDocuments:
    case Action::PrintDocuments:
    case Action::PrintIntoFile:
    case Action::FormPrint:
        return documentList(action, call);
    case Action::HeaderLines:
    case Action::Numbering:
    case Action::FormHeader:
        return printDialogs(action, call);
    case Action::StoreArchive:
    case Action::LoadArchive:
    case Action::ArchiveFiles:
        return archive(action, call);
    case Action::PlotParameters:
    case Action::PlotOutput:
    case Action::PrinterControl:
    case Action::PlotterConnection:
    case Action::ScreenSize:
        return devices(action, call);
    case Action::OverviewPicture:
        if (call.rest.empty()) return usage(callOf(action));
        return overviewPicture(call.rest);
    case Action::Quit:
        return ui::Flow::Stop;
    // The window's commands have no console word, so the loop never passes them here.
    case Action::Discretisation:
    case Action::LoadCaseList:
    case Action::ReadFiles:
    case Action::Print:
    case Action::PrintPreview:
    case Action::ToolBarShown:
    case Action::DialogBarShown:
    case Action::StatusBarShown:
        break;
    }
    return ui::Flow::Continue;
}

// ---- data path

ui::Flow TarvikConsole::dataPath(Action action, const std::string& rest) {
    if (action == Action::ChooseDataPath) {
        if (rest.empty()) return usage(callOf(action));
        manager_.chooseDataPath(rest);
    } else if (!rest.empty()) {
        manager_.setDataPath(rest);
    }
    return showState();
}

// ---- positions

ui::Flow TarvikConsole::positions(Action action, const ui::CommandCall& call) {
    if (action == Action::NewPositionName) {
        manager_.newPositionSelector(call.rest);
    } else if (action == Action::NewPosition) {
        newPositionDialog(call.rest);
    } else if (action == Action::OpenPosition) {
        if (call.rest.empty()) return usage(callOf(action));
        manager_.openDirectory(call.rest);
    } else if (action == Action::Duplicate) {
        if (call.words.size() > 1) return usage(callOf(action));
        std::string name = call.words.empty() ? std::string() : call.words[0];
        if (name.empty() && !manager_.positionName().empty())
            name = askField("duplizieren als Position", manager_.positionName() + "A");
        manager_.duplicate(name);
    }
    return showState();
}

void TarvikConsole::newPositionDialog(const std::string& rest) {
    // NAME pfad=PFAD: the path runs to the end of the line, since it may hold blanks.
    constexpr std::string_view kPathKey = "pfad";
    std::optional<std::string> path = ui::textAfterKey(rest, kPathKey);
    std::string name = rest;
    if (path) {
        const std::size_t keyAt = rest.size() - path->size() - kPathKey.size() - 1;
        name = std::string(slab::trimEnd(std::string_view(rest).substr(0, keyAt)));
    }
    if (name.empty()) name = askField("Position", "Neu");
    if (!path) path = askField("Datenpfad", manager_.dataPathBare());
    manager_.newPositionDialog(name, *path);
}

// ---- the recent-positions list

ui::Flow TarvikConsole::recentList(Action action, const ui::Words& words) {
    if (action == Action::ChooseRecent) {
        if (words.size() != 1) return usage(callOf(action));
        chooseRecent(words);
    } else if (action == Action::ShowRecent) {
        showRecent();
        manager_.listRebuilt();
    } else if (action == Action::DeleteRecent) {
        auto n = oneNumber(words);
        if (!n) return usage(callOf(action));
        if (manager_.deleteRecent(*n)) showRecent();
    } else if (action == Action::ClearRecent) {
        manager_.clearRecent();
        showRecent();
    }
    return ui::Flow::Continue;
}

void TarvikConsole::chooseRecent(const ui::Words& words) {
    const auto& list = manager_.recent();
    std::vector<std::size_t> named;
    for (std::size_t k = 0; k < list.size(); ++k)
        if (list[k].name == words[0]) named.push_back(k + 1);
    // A name listed once is chosen; otherwise the entry's number in "liste" chooses, so that
    // one of two positions of one name on different data paths can be reached.
    std::optional<std::size_t> entry;
    if (named.size() == 1) {
        entry = named.front();
    } else if (auto n = slab::parseInteger(words[0])) {
        entry = *n < 0 ? 0 : static_cast<std::size_t>(*n);
    } else if (named.size() > 1) {
        console_.message("Hinweis", slab::format("Die Position %s steht mehrmals in der Liste; "
                                                 "bitte ihre Nummer angeben (liste).",
                                                 words[0].c_str()));
        return;
    } else {
        console_.message("Hinweis",
                         slab::format("Die Position %s steht nicht in der Liste der letzten "
                                      "Positionen (oeffnen VERZEICHNIS öffnet sie).",
                                      words[0].c_str()));
        return;
    }
    if (manager_.chooseRecent(*entry)) showState();
}

void TarvikConsole::showRecent() {
    const auto& list = manager_.recent();
    if (list.empty()) out_ << "Die Liste der letzten Positionen ist leer.\n";
    for (std::size_t k = 0; k < list.size(); ++k)
        // The selector shows the name, three blanks and the path.
        out_ << slab::format("%3zu  ", k + 1) << list[k].name << "   " << list[k].path << '\n';
}

// ---- work steps

ui::Flow TarvikConsole::workStep(Action action) {
    bool started = true;
    if (action == Action::Geometry)
        manager_.geometryStep();
    else if (action == Action::Loads)
        started = manager_.loadStep();
    else if (action == Action::Calculation)
        started = manager_.calculationStep();
    else if (action == Action::Results)
        started = manager_.resultsStep();
    else if (action == Action::Explorer)
        manager_.explorer();
    if (started) showState();
    return ui::Flow::Continue;
}

// ---- documents

ui::Flow TarvikConsole::documents(Action action, const ui::Words& words) {
    std::optional<std::string> text;
    if (action == Action::ResultPointSets) {
        text = manager_.resultPointSets();
    } else {
        const auto n = oneNumber(words);
        if (n == 1u)
            text = manager_.document(Document::Discretisation);
        else if (n == 2u)
            text = manager_.document(Document::LoadCases);
        else
            return usage(callOf(action));
    }
    if (text) printText(out_, *text);
    return ui::Flow::Continue;
}

// ---- protocol

ui::Flow TarvikConsole::protocol(const ui::Words& words) {
    if (words.empty()) {
        const auto lines = manager_.protocol();
        out_ << "Protokoll (" << lines.size() << " Zeilen)\n";
        for (std::size_t k = 0; k < lines.size(); ++k)
            out_ << slab::format("%4zu  ", k + 1) << lines[k] << '\n';
        return ui::Flow::Continue;
    }
    auto n = oneNumber(words);
    if (!n) return usage(callOf(Action::Protocol));
    const std::size_t count = manager_.protocol().size();
    if (manager_.restartFromProtocol(*n)) return showState();
    if (*n >= 1 && *n <= count) out_ << "Die Zeile " << *n << " startet nichts.\n";
    return ui::Flow::Continue;
}

// ---- view

ui::Flow TarvikConsole::view(Action action) {
    if (action == Action::TogglePlan) {
        plan_.toggle();
        out_ << "Grundriß " << (plan_.shown() ? "eingeblendet" : "ausgeblendet") << '\n';
    } else if (action == Action::RightClick) {
        if (rightClick(plan_, manager_) == scene::RightClick::ShowPlan)
            out_ << "Grundriß eingeblendet\n";
    } else if (action == Action::ShowState) {
        showInfo();
    }
    return ui::Flow::Continue;
}

ui::Flow TarvikConsole::showState() {
    out_ << stateLine(manager_) << '\n';
    return ui::Flow::Continue;
}

void TarvikConsole::showInfo() {
    const Manager& m = manager_;
    const PositionModel& model = m.model();
    out_ << "Arbeitsverzeichnis:   " << m.workDirectory() << '\n'
         << "Position:             "
         << (m.positionName().empty() ? "(keine)"
                                      : m.positionName() + " (Endung " + m.suffix() + ")")
         << '\n'
         << "Datenpfad:            " << m.dataPath() << '\n'
         << "Positionsverzeichnis: " << (m.positionName().empty() ? "-" : m.positionDirectory())
         << '\n'
         << "Modell:               " << model.nodeCount << " Knoten, " << model.elementCount
         << " Elemente\n";
    if (model.bounds)
        out_ << "Abmessungen:          x " << metres(model.bounds->xMin) << " bis "
             << metres(model.bounds->xMax) << " m, y " << metres(model.bounds->yMin) << " bis "
             << metres(model.bounds->yMax) << " m\n";
    out_ << "Grundriß:             " << (plan_.shown() ? "eingeblendet" : "ausgeblendet") << '\n'
         << "Freier Platz:         " << m.freeSpace().value_or("unbekannt") << '\n'
         << "Letzte Positionen:\n";
    showRecent();
}

int runConsole(const std::string& workDirectory, ui::LineInput& input, std::ostream& out,
               ports::Launcher& launcher, ConsoleOutputs* outputs) {
    return TarvikConsole(workDirectory, input, out, launcher, outputs).run();
}

} // namespace tarvik
