// The manager's dialog bar, menus, tool bar, protocol view and mouse actions as console
// commands.
#include "ui/tarvik/tarvik_console.hpp"

#include "common/format.hpp"
#include "manager/manager.hpp"
#include "ui/console/command_table.hpp"

#include <optional>

namespace tarvik {

namespace {

using Words = std::vector<std::string>;

/// Flushes the console's output before a program starts, so that its lines follow ours.
class FlushingLauncher : public ports::Launcher {
  public:
    FlushingLauncher(ports::Launcher& inner, std::ostream& out) : inner_(inner), out_(out) {}
    ports::LaunchResult start(const std::string& program, const std::vector<std::string>& arguments,
                       ports::Wait wait) override {
        out_.flush();
        return inner_.start(program, arguments, wait);
    }

  private:
    ports::Launcher& inner_;
    std::ostream& out_;
};

std::string stateLine(const Manager& m) {
    std::string line = "Position: " + (m.positionName().empty() ? "(keine)" : m.positionName()) +
                       "   Datenpfad: " + m.dataPath();
    if (auto free = m.freeSpace()) line += "   " + *free;
    return line;
}

std::string metres(double v) {
    return slab::withDecimalComma(slab::format("%.2f", v));
}

void showRecent(const Manager& m, std::ostream& out) {
    if (m.recent().empty()) out << "Die Liste der letzten Positionen ist leer.\n";
    for (std::size_t k = 0; k < m.recent().size(); ++k)
        // The selector shows the name, three blanks and the path.
        out << slab::format("%3zu  ", k + 1) << m.recent()[k].name << "   " << m.recent()[k].path
            << '\n';
}

void showInfo(const Manager& m, std::ostream& out) {
    const PositionModel& model = m.model();
    out << "Arbeitsverzeichnis:   " << m.workDirectory() << '\n'
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
        out << "Abmessungen:          x " << metres(model.bounds->xMin) << " bis "
            << metres(model.bounds->xMax) << " m, y " << metres(model.bounds->yMin) << " bis "
            << metres(model.bounds->yMax) << " m\n";
    out << "Grundriß:             " << (m.planShown() ? "eingeblendet" : "ausgeblendet") << '\n'
        << "Freier Platz:         " << m.freeSpace().value_or("unbekannt") << '\n'
        << "Letzte Positionen:\n";
    showRecent(m, out);
}

/// Splits "NAME... pfad=PFAD" of the new-position dialog; the path may hold blanks.
std::pair<std::string, std::optional<std::string>> nameAndPath(const std::string& rest) {
    const std::string key = "pfad=";
    std::size_t at = 0;
    for (;; ++at) {
        at = rest.find(key, at);
        if (at == std::string::npos) return {rest, std::nullopt};
        if (at == 0 || rest[at - 1] == ' ') break;
    }
    std::string name = rest.substr(0, at);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return {name, rest.substr(at + key.size())};
}

} // namespace

int runConsole(const std::string& workDirectory, ui::LineInput& input, std::ostream& out,
               ports::Launcher& launcher) {
    ui::ConsoleUi console(input, out);
    FlushingLauncher flushing(launcher, out);
    ManagerOptions options;
    options.waitForEveryChild = true;
    Manager m(workDirectory, console, flushing, options);
    m.start();
    out << "Tarvik: Positionen und Arbeitsschritte (hilfe zeigt die Befehle)\n"
        << stateLine(m) << '\n';

    auto state = [&] {
        out << stateLine(m) << '\n';
        return ui::Flow::Continue;
    };
    auto usage = [&](const char* text) {
        console.message("Fehlende Eingabe", slab::format("Aufruf: %s", text));
        return ui::Flow::Continue;
    };
    auto index = [](const Words& words) -> std::optional<std::size_t> {
        if (words.size() != 1) return std::nullopt;
        auto v = slab::parseInteger(words[0]);
        if (!v || *v < 0) return std::nullopt;
        return static_cast<std::size_t>(*v);
    };
    // A dialog field left out: asked for on a terminal, with its current value as default.
    auto field = [&](const char* label, const std::string& current) {
        if (!input.interactive()) return current;
        out << label << " [" << current << "]: ";
        out.flush();
        auto line = input.next().value_or("");
        return ui::splitWords(line).empty() ? current : line;
    };

    const std::vector<ui::Command> commands = {
        {"datenpfad", "[PFAD]", "Datenpfad eingeben (wird angelegt, wenn er fehlt)",
         [&](const Words&, const std::string& rest) {
             if (!rest.empty()) m.setDataPath(rest);
             return state();
         }},
        {"datenpfad-anlegen", "PFAD", "Neuen Datenpfad anlegen (ohne Position)",
         [&](const Words&, const std::string& rest) {
             if (rest.empty()) return usage("datenpfad-anlegen PFAD");
             m.chooseDataPath(rest);
             return state();
         }},
        {"neu", "NAME", "neue Position (Name im Positionsfeld), startet morvel",
         [&](const Words&, const std::string& rest) {
             m.newPositionSelector(rest);
             return state();
         }},
        {"neue-position", "[NAME] [pfad=PFAD]",
         "Neue Position (Leerzeichen werden \"_\"), startet morvel",
         [&](const Words&, const std::string& rest) {
             auto [name, path] = nameAndPath(rest);
             if (name.empty()) name = field("Position", "Neu");
             if (!path) path = field("Datenpfad", m.dataPathBare());
             m.newPositionDialog(name, *path);
             return state();
         }},
        {"position", "NAME", "eine der letzten Positionen wählen",
         [&](const Words& words, const std::string&) {
             if (words.size() != 1) return usage("position NAME");
             const auto& list = m.recent();
             for (std::size_t k = 0; k < list.size(); ++k)
                 if (list[k].name == words[0]) {
                     m.chooseRecent(k + 1);
                     return state();
                 }
             console.message("Hinweis",
                             slab::format("Die Position %s steht nicht in der Liste der letzten "
                                          "Positionen (neu NAME legt sie an).",
                                          words[0].c_str()));
             return ui::Flow::Continue;
         }},
        {"liste", "", "zeigt die Liste der letzten 10 Positionen",
         [&](const Words&, const std::string&) {
             showRecent(m, out);
             m.listRebuilt();
             return ui::Flow::Continue;
         }},
        {"eintrag-loeschen", "N", "löscht Eintrag N der Liste der letzten Positionen",
         [&](const Words& words, const std::string&) {
             auto n = index(words);
             if (!n) return usage("eintrag-loeschen N");
             if (m.deleteRecent(*n)) showRecent(m, out);
             return ui::Flow::Continue;
         }},
        {"liste-leeren", "", "Liste der letzten 10 Positionen leeren",
         [&](const Words&, const std::string&) {
             m.clearRecent();
             showRecent(m, out);
             return ui::Flow::Continue;
         }},
        {"oeffnen", "VERZEICHNIS", "Position öffnen (Verzeichnis .../SDIRFEM<Position>)",
         [&](const Words&, const std::string& rest) {
             if (rest.empty()) return usage("oeffnen VERZEICHNIS");
             m.openDirectory(rest);
             return state();
         }},
        {"duplizieren", "[NEU]", "Position duplizieren (kopieren), startet morvel",
         [&](const Words& words, const std::string&) {
             if (words.size() > 1) return usage("duplizieren [NEU]");
             std::string name = words.empty() ? std::string() : words[0];
             if (name.empty() && !m.positionName().empty())
                 name = field("duplizieren als Position", m.positionName() + "A");
             m.duplicate(name);
             return state();
         }},
        {"abmessungen", "", "Abmessungen eingeben (morvel)",
         [&](const Words&, const std::string&) {
             m.geometryStep();
             return state();
         }},
        {"belastung", "", "Belastung eingeben (daskel)",
         [&](const Words&, const std::string&) {
             if (m.loadStep()) return state();
             return ui::Flow::Continue;
         }},
        {"rechnen", "", "Starten der Berechnung (vintor)",
         [&](const Words&, const std::string&) {
             if (m.calculationStep()) return state();
             return ui::Flow::Continue;
         }},
        {"ergebnisse", "", "Darstellung der Ergebnisse (DAVIZO)",
         [&](const Words&, const std::string&) {
             if (m.resultsStep()) return state();
             return ui::Flow::Continue;
         }},
        {"dokument", "1|2", "zeigt Dokument 1 (Diskretisierung) oder 2 (Lastfälle)",
         [&](const Words& words, const std::string&) {
             auto n = index(words);
             if (!n || (*n != 1 && *n != 2)) return usage("dokument 1|2");
             if (auto text = m.document(static_cast<int>(*n))) {
                 out << *text;
                 if (!text->empty() && text->back() != '\n') out << '\n';
             }
             return ui::Flow::Continue;
         }},
        {"saetze", "", "Liste der Sätze der Spannungspunkte (ECHO_S)",
         [&](const Words&, const std::string&) {
             if (auto text = m.resultPointSets()) {
                 out << *text;
                 if (!text->empty() && text->back() != '\n') out << '\n';
             }
             return ui::Flow::Continue;
         }},
        {"protokoll", "[N]", "Protokoll der Berechnung; mit N: Doppelklick auf Zeile N",
         [&](const Words& words, const std::string&) {
             if (words.empty()) {
                 const auto lines = m.protocol();
                 out << "Protokoll (" << lines.size() << " Zeilen)\n";
                 for (std::size_t k = 0; k < lines.size(); ++k)
                     out << slab::format("%4zu  ", k + 1) << lines[k] << '\n';
                 return ui::Flow::Continue;
             }
             auto n = index(words);
             if (!n) return usage("protokoll [N]");
             const std::size_t count = m.protocol().size();
             if (m.restartFromProtocol(*n)) return state();
             if (*n >= 1 && *n <= count) out << "Die Zeile " << *n << " startet nichts.\n";
             return ui::Flow::Continue;
         }},
        {"grundriss", "", "Grundriß einblenden/ausblenden",
         [&](const Words&, const std::string&) {
             m.togglePlan();
             out << "Grundriß " << (m.planShown() ? "eingeblendet" : "ausgeblendet") << '\n';
             return ui::Flow::Continue;
         }},
        {"rechtsklick", "", "rechte Maustaste in der Zeichnung (Ergebnisse oder Grundriß)",
         [&](const Words&, const std::string&) {
             const bool shown = m.planShown();
             m.rightClick();
             if (!shown) out << "Grundriß eingeblendet\n";
             return ui::Flow::Continue;
         }},
        {"explorer", "", "Explorer auf dem Datenpfad",
         [&](const Words&, const std::string&) {
             m.explorer();
             return state();
         }},
        {"info", "", "zeigt Position, Pfade, Modell und Liste",
         [&](const Words&, const std::string&) {
             showInfo(m, out);
             return ui::Flow::Continue;
         }},
        {"beenden", "", "Beenden (Esc)",
         [&](const Words&, const std::string&) { return ui::Flow::Stop; }},
    };
    ui::runCommandLoop(commands, input, out);
    out.flush();
    return 0;
}

} // namespace tarvik
