// The calculation form as console commands: one per field, button and radio choice.
#include "ui/vintor/vintor_console.hpp"

#include "common/command_line.hpp"
#include "common/format.hpp"
#include "solver/model_reader.hpp"
#include "solver/solver_run.hpp"
#include "ui/console/command_table.hpp"
#include "ui/console/console_ui.hpp"

namespace vintor {

namespace {

void showForm(const slab::CalculationForm& f, std::ostream& out) {
    out << "FEM-Berechnung für Platten\n"
        << "  Projekt\n"
        << "    Datenpfad:       " << f.positionDirectory << '\n'
        << "    Lastfall (Nr.):  " << f.loadCase << '\n'
        << "    Status:          " << f.status << '\n'
        << "                     " << f.timing << '\n'
        << "  Berechnungsart\n"
        << "    (" << (f.conforming ? 'x' : ' ') << ") Konform (empfohlen)\n"
        << "    (" << (f.conforming ? ' ' : 'x') << ") Nichtkonform\n";
}

} // namespace

int runConsole(const std::string& commandLine, ui::LineInput& input, std::ostream& out) {
    ui::ConsoleUi console(input, out);
    if (commandLine.empty()) {
        console.message("Fehlende Eingabe", "Kommandozeile: .POS @Datenpfad\\ ");
        return 1;
    }
    slab::CalculationForm form = slab::initialForm(slab::splitCommandLine(commandLine));
    slab::SolverModel model;
    showForm(form, out);

    const std::vector<ui::Command> commands = {
        {"pfad", "TEXT", "setzt das Feld Datenpfad (Positionsverzeichnis)",
         [&](const auto&, const std::string& rest) {
             if (auto error = slab::positionDirectoryError(rest))
                 console.message(slab::kSolverTitle, *error);
             else
                 form.positionDirectory = rest;
             return ui::Flow::Continue;
         }},
        {"lf", "N", "setzt das Feld Lastfall (Nr.), 0 bis 50",
         [&](const auto& words, const std::string&) {
             const int n = words.size() == 1 ? slab::parseInteger(words[0]).value_or(-1) : -1;
             if (auto error = slab::loadCaseError(n))
                 console.message(slab::kSolverTitle, *error);
             else
                 form.loadCase = n;
             return ui::Flow::Continue;
         }},
        {"konform", "", "wählt Konform (empfohlen)",
         [&](const auto&, const std::string&) {
             form.conforming = true;
             return ui::Flow::Continue;
         }},
        {"nichtkonform", "", "wählt Nichtkonform",
         [&](const auto&, const std::string&) {
             form.conforming = false;
             return ui::Flow::Continue;
         }},
        {"start", "", "Start der Berechnung",
         [&](const auto&, const std::string&) {
             slab::runCalculation(form, model, console);
             showForm(form, out);
             return ui::Flow::Continue;
         }},
        {"zeige", "", "zeigt die Felder des Formulars",
         [&](const auto&, const std::string&) {
             showForm(form, out);
             return ui::Flow::Continue;
         }},
        {"info", "", "Info über Vintor",
         [&](const auto&, const std::string&) {
             console.message("Info über Vintor", "Vintor Version 1.0");
             return ui::Flow::Continue;
         }},
        {"ende", "", "beendet das Programm", [&](const auto&, const std::string&) {
             return ui::Flow::Stop;
         }},
    };
    ui::runCommandLoop(commands, input, out);
    out.flush();
    return 0;
}

} // namespace vintor
