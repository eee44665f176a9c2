// The calculation form as console commands: one per field, button and radio choice.
#include "ui/vintor/vintor_console.hpp"

#include "common/command_line.hpp"
#include "common/format.hpp"
#include "solver/model_reader.hpp"

namespace vintor {

int VintorConsole::run(const std::string& commandLine) {
    if (commandLine.empty()) {
        console_.message("Fehlende Eingabe", "Kommandozeile: .POS @Datenpfad\\ ");
        return 1;
    }
    form_ = slab::initialForm(slab::splitCommandLine(commandLine));
    showForm();
    ui::runCommandLoop(
        actions(), [this](Action a, const ui::CommandCall& call) { return dispatch(a, call); },
        input_, out_);
    out_.flush();
    return 0;
}

ui::Flow VintorConsole::dispatch(Action action, const ui::CommandCall& call) {
    switch (action) {
    case Action::Path:
        return setPath(call.rest);
    case Action::LoadCase:
        return setLoadCase(call.words);
    case Action::Conforming:
    case Action::NonConforming:
        form_.conforming = action == Action::Conforming;
        return ui::Flow::Continue;
    case Action::Start:
        return startRun();
    case Action::Show:
        return showForm();
    case Action::About:
        console_.message("Info über Vintor", "Vintor Version 1.0");
        return ui::Flow::Continue;
    case Action::End:
        return ui::Flow::Stop;
    }
    return ui::Flow::Continue;
}

ui::Flow VintorConsole::setPath(const std::string& text) {
    if (auto error = slab::positionDirectoryError(text))
        console_.message(slab::kSolverTitle, *error);
    else
        form_.positionDirectory = text;
    return ui::Flow::Continue;
}

ui::Flow VintorConsole::setLoadCase(const ui::Words& words) {
    const int n = words.size() == 1 ? slab::parseInteger(words[0]).value_or(-1) : -1;
    if (auto error = slab::loadCaseError(n))
        console_.message(slab::kSolverTitle, *error);
    else
        form_.loadCase = n;
    return ui::Flow::Continue;
}

ui::Flow VintorConsole::startRun() {
    slab::runCalculation(form_, *model_, console_);
    return showForm();
}

ui::Flow VintorConsole::showForm() {
    out_ << "FEM-Berechnung für Platten\n"
         << "  Projekt\n"
         << "    Datenpfad:       " << form_.positionDirectory << '\n'
         << "    Lastfall (Nr.):  " << form_.loadCase << '\n'
         << "    Status:          " << form_.status << '\n'
         << "                     " << form_.timing << '\n'
         << "  Berechnungsart\n"
         << "    (" << (form_.conforming ? 'x' : ' ') << ") Konform (empfohlen)\n"
         << "    (" << (form_.conforming ? ' ' : 'x') << ") Nichtkonform\n";
    return ui::Flow::Continue;
}

int runConsole(const std::string& commandLine, ui::LineInput& input, std::ostream& out) {
    return VintorConsole(input, out).run(commandLine);
}

} // namespace vintor
