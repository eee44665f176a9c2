// The geometry editor's menus, dialogs, buttons and mouse actions as console commands.
#include "ui/morvel/morvel_console.hpp"

#include "common/format.hpp"
#include "geometry/editor.hpp"
#include "scene/slab_meshes.hpp"
#include "scene/world.hpp"
#include "ui/console/command_table.hpp"
#include "ui/console/console_ui.hpp"

#include <cmath>
#include <optional>

namespace morvel {

namespace {

using Words = std::vector<std::string>;

std::optional<double> finite(const std::string& s) {
    auto v = slab::parseNumber(s);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return v;
}

/// The numbers of a mouse command; nullopt when not exactly count numbers are given.
std::optional<std::vector<double>> coordinates(const Words& words, std::size_t count) {
    if (words.size() != count) return std::nullopt;
    std::vector<double> v;
    for (const auto& w : words) {
        auto x = finite(w);
        if (!x) return std::nullopt;
        v.push_back(*x);
    }
    return v;
}

std::optional<EdgeSupport> supportKind(const std::string& word) {
    if (word == "eingespannt") return EdgeSupport::Clamped;
    if (word == "gelenkig") return EdgeSupport::Hinged;
    if (word == "frei") return EdgeSupport::Free;
    if (word == "senkfeder") return EdgeSupport::TranslationalSpring;
    if (word == "drehfeder") return EdgeSupport::RotationalSpring;
    if (word == "beide") return EdgeSupport::BothSprings;
    return std::nullopt;
}

std::string supportName(EdgeSupport kind) {
    switch (kind) {
    case EdgeSupport::None:
        return "kein Lager";
    case EdgeSupport::Clamped:
        return "Eingespannt";
    case EdgeSupport::Hinged:
        return "Gelenkig";
    case EdgeSupport::Free:
        return "Frei";
    case EdgeSupport::RotationalSpring:
        return "Drehfeder";
    case EdgeSupport::TranslationalSpring:
        return "Senkfeder";
    case EdgeSupport::BothSprings:
        return "Dreh- und Senkfeder";
    }
    return "";
}

void printTable(const TextTable& t, std::ostream& out) {
    out << t.title << " (" << t.rows.size() << " Zeilen)\n";
    std::string head = slab::format("%6s", "Zeile");
    for (const auto& h : t.headings)
        head += slab::format(" %12s", h.c_str());
    out << head << '\n';
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        std::string line = slab::format("%6zu", r + 1);
        for (const auto& c : t.rows[r])
            line += slab::format(" %12s", c.empty() ? "-" : c.c_str());
        out << line << '\n';
    }
}

} // namespace

int runConsole(const std::string& commandLine, const std::string& workDirectory,
               ui::LineInput& input, std::ostream& out) {
    ui::ConsoleUi console(input, out);
    Editor editor(console);
    scene::World world;
    editor.setExtentsListener(
        [&](const slab::WorldRect& r) { scene::showExtents(world, r, console); });
    if (!editor.start(commandLine, workDirectory)) return 1;
    const Model& m = editor.model();
    out << editor.title() << ": " << m.nodeCount << " Knoten, " << m.elementCount << " Elemente\n";

    std::optional<TextTable> table;
    auto showPrompt = [&] { out << "Eingabe:" << editor.prompt() << '\n'; };
    auto wrongMode = [&](const char* command) {
        console.message("Hinweis", slab::format("Zuerst %s wählen.", command));
        return ui::Flow::Continue;
    };
    auto badArguments = [&](const char* usage) {
        console.message("Fehlende Eingabe", slab::format("Aufruf: %s", usage));
        return ui::Flow::Continue;
    };
    auto needTable = [&]() {
        if (!table)
            console.message("Hinweis", "Keine Tabelle offen (knoten, elemente, federn, bettung).");
        return table.has_value();
    };
    auto openTable = [&](TableKind kind) {
        table = editor.openTable(kind);
        printTable(*table, out);
        return ui::Flow::Continue;
    };
    auto rowNumber = [&](const std::string& w) -> std::optional<std::size_t> {
        auto v = slab::parseInteger(w);
        if (!v || *v < 1) return std::nullopt;
        return static_cast<std::size_t>(*v);
    };
    auto tableResult = [&](std::optional<std::string> error) {
        if (error) console.message(table->title, *error);
        return ui::Flow::Continue;
    };

    const std::vector<ui::Command> commands = {
        {"geometrie", "nx= ny= dx= dy= e= nu= d=", "Eingabe der Geometrie (OK), generiert das Netz",
         [&](const Words& words, const std::string&) {
             GridInput g = gridInputOf(m.master);
             struct Field {
                 const char* key;
                 const char* label;
                 bool integer;
                 double* real;
                 int* whole;
             };
             Field fields[] = {{"nx", "Anzahl der Elemente in x-Richtung", true, nullptr, &g.nx},
                               {"ny", "Anzahl der Elemente in y-Richtung", true, nullptr, &g.ny},
                               {"e", "Elastizitätsmodul [kN/m²]", false, &g.e, nullptr},
                               {"nu", "Querdehnzahl", false, &g.nu, nullptr},
                               {"d", "Dicke der Platte [m]", false, &g.thickness, nullptr},
                               {"dx", "Elementlänge [m]", false, &g.dx, nullptr},
                               {"dy", "Elementhöhe [m]", false, &g.dy, nullptr}};
             auto given = ui::parseFields(words);
             for (const auto& [key, value] : given) {
                 bool known = false;
                 for (const auto& f : fields)
                     known = known || key == f.key;
                 if (!known) {
                     console.message("Eingabe der Geometrie",
                                     slab::format("Unbekanntes Feld \"%s\".", key.c_str()));
                     return ui::Flow::Continue;
                 }
             }
             for (auto& f : fields) {
                 std::string text;
                 if (auto it = given.find(f.key); it != given.end()) {
                     text = it->second;
                 } else if (input.interactive()) {
                     const std::string current =
                         f.integer ? slab::format("%i", *f.whole)
                                   : slab::withDecimalComma(slab::format("%g", *f.real));
                     out << f.label << " [" << current << "]: ";
                     out.flush();
                     text = input.next().value_or("");
                     if (ui::splitWords(text).empty()) continue;
                 } else {
                     continue;
                 }
                 bool ok = false;
                 if (f.integer) {
                     if (auto v = slab::parseInteger(text)) *f.whole = *v, ok = true;
                 } else if (auto v = finite(text)) {
                     *f.real = *v, ok = true;
                 }
                 if (!ok) {
                     console.message(
                         "Eingabe der Geometrie",
                         slab::format("%s: \"%s\" ist keine Zahl.", f.label, text.c_str()));
                     return ui::Flow::Continue;
                 }
             }
             if (editor.generate(g))
                 out << "Netz generiert: " << m.nodeCount << " Knoten, " << m.elementCount
                     << " Elemente\n";
             return ui::Flow::Continue;
         }},
        {"lager", "art= senk= dreh=",
         "Lager setzen (art=eingespannt|gelenkig|frei|senkfeder|drehfeder|beide), dann "
         "kante/rand/ende",
         [&](const Words& words, const std::string&) {
             SupportChoice c = editor.supportChoice();
             c.kind = defaultSupportKind(m.kind);
             for (const auto& [key, value] : ui::parseFields(words)) {
                 if (key == "art") {
                     auto kind = supportKind(value);
                     if (!kind) {
                         console.message(
                             "Lager", slab::format("Unbekannte Lagerart \"%s\".", value.c_str()));
                         return ui::Flow::Continue;
                     }
                     c.kind = *kind;
                 } else if (key == "senk" || key == "dreh") {
                     auto v = finite(value);
                     if (!v || *v < 0.0) {
                         console.message("Lager",
                                         slab::format("%s: \"%s\" muss eine Zahl ab 0 sein.",
                                                      key == "senk" ? "Senksteifigkeit [kN/m]"
                                                                    : "Drehsteifigkeit [kNm/m]",
                                                      value.c_str()));
                         return ui::Flow::Continue;
                     }
                     (key == "senk" ? c.translational : c.rotational) = static_cast<float>(*v);
                 } else {
                     console.message("Lager",
                                     slab::format("Unbekanntes Feld \"%s\".", key.c_str()));
                     return ui::Flow::Continue;
                 }
             }
             editor.openSupports(c);
             out << "Lager: " << supportName(c.kind) << ". Auf Elementränder klicken!\n";
             showPrompt();
             return ui::Flow::Continue;
         }},
        {"kante", "X Y", "Klick auf einen Elementrand (Lager setzen)",
         [&](const Words& words, const std::string&) {
             if (editor.mode() != Mode::Support) return wrongMode("Lager setzen (lager)");
             auto p = coordinates(words, 2);
             if (!p) return badArguments("kante X Y");
             const auto line = scene::segmentUnder(scene::edgeLinesOf(m), {(*p)[0], (*p)[1]},
                                                   editor.settings().snap.radius);
             if (line && editor.setSupportOnLine(*line))
                 out << "Kante gesetzt: " << supportName(editor.supportChoice().kind) << '\n';
             else
                 out << "Keine Kante getroffen.\n";
             return ui::Flow::Continue;
         }},
        {"rand", "", "Ganzer Rand (Lager setzen)",
         [&](const Words&, const std::string&) {
             if (editor.mode() != Mode::Support) return wrongMode("Lager setzen (lager)");
             if (editor.wholeBoundary())
                 out << "Ganzer Rand: " << supportName(editor.supportChoice().kind) << '\n';
             return ui::Flow::Continue;
         }},
        {"ende", "", "Ende (verlässt Lager setzen)",
         [&](const Words&, const std::string&) {
             editor.closeSupports();
             showPrompt();
             return ui::Flow::Continue;
         }},
        {"einzeln", "", "Öffnungen (Elemente einzeln löschen), an/aus; speichert beim Einschalten",
         [&](const Words&, const std::string&) {
             editor.toggleDeleteSingle();
             showPrompt();
             return ui::Flow::Continue;
         }},
        {"mehrere", "", "Öffnungen (mehrere Elemente löschen), an/aus; speichert beim Einschalten",
         [&](const Words&, const std::string&) {
             editor.toggleDeleteWindow();
             showPrompt();
             return ui::Flow::Continue;
         }},
        {"klick", "X Y", "löscht das Element unter dem Punkt (einzeln)",
         [&](const Words& words, const std::string&) {
             if (editor.mode() != Mode::DeleteSingle)
                 return wrongMode("Elemente einzeln löschen (einzeln)");
             auto p = coordinates(words, 2);
             if (!p) return badArguments("klick X Y");
             const auto picked = scene::elementByAngleSum(scene::meshOf(m), {(*p)[0], (*p)[1]});
             if (int e = picked ? editor.deleteElement(*picked) : 0)
                 out << "Element " << e << " gelöscht: " << m.nodeCount << " Knoten, "
                     << m.elementCount << " Elemente\n";
             else
                 out << "Kein Element getroffen.\n";
             return ui::Flow::Continue;
         }},
        {"fenster", "X1 Y1 X2 Y2", "löscht alle Elemente ganz im Fenster (mehrere)",
         [&](const Words& words, const std::string&) {
             if (editor.mode() != Mode::DeleteWindow)
                 return wrongMode("mehrere Elemente löschen (mehrere)");
             auto p = coordinates(words, 4);
             if (!p) return badArguments("fenster X1 Y1 X2 Y2");
             const int n = editor.windowDelete((*p)[0], (*p)[1], (*p)[2], (*p)[3]);
             out << n << " Elemente gelöscht: " << m.nodeCount << " Knoten, " << m.elementCount
                 << " Elemente\n";
             return ui::Flow::Continue;
         }},
        {"anpassen", "", "Grundriß anpassen",
         [&](const Words&, const std::string&) {
             editor.fit();
             const auto& e = editor.extents();
             out << slab::format("Grundriß: %.2f %.2f bis %.2f %.2f\n", static_cast<double>(e.x1),
                                 static_cast<double>(e.y1), static_cast<double>(e.x2),
                                 static_cast<double>(e.y2));
             return ui::Flow::Continue;
         }},
        {"knoten", "", "Tabelle Knoten (Lagerbedingungen); schreibt zuerst das Modell",
         [&](const Words&, const std::string&) { return openTable(TableKind::Nodes); }},
        {"elemente", "", "Tabelle Elemente",
         [&](const Words&, const std::string&) { return openTable(TableKind::Elements); }},
        {"federn", "", "Tabelle Federsteifigkeiten; schreibt zuerst das Modell",
         [&](const Words&, const std::string&) { return openTable(TableKind::Springs); }},
        {"bettung", "", "Tabelle Elastische Bettung",
         [&](const Words&, const std::string&) { return openTable(TableKind::Bedding); }},
        {"zeile", "N WERT...",
         "setzt Zeile N der offenen Tabelle (\"-\" = leeres Feld, N+1 = neue Zeile)",
         [&](const Words& words, const std::string&) {
             if (!needTable()) return ui::Flow::Continue;
             if (words.empty()) return badArguments("zeile N WERT...");
             auto row = rowNumber(words[0]);
             if (!row) return badArguments("zeile N WERT...");
             return tableResult(setRow(*table, *row, Words(words.begin() + 1, words.end())));
         }},
        {"leer", "N", "leert Zeile N (sie wird bei OK übergangen)",
         [&](const Words& words, const std::string&) {
             if (!needTable()) return ui::Flow::Continue;
             auto row = words.size() == 1 ? rowNumber(words[0]) : std::nullopt;
             if (!row) return badArguments("leer N");
             return tableResult(clearRow(*table, *row));
         }},
        {"f5", "N SPALTE", "kopiert den Text der Zelle nach unten",
         [&](const Words& words, const std::string&) {
             if (!needTable()) return ui::Flow::Continue;
             auto row = words.size() == 2 ? rowNumber(words[0]) : std::nullopt;
             auto column = words.size() == 2 ? rowNumber(words[1]) : std::nullopt;
             if (!row || !column) return badArguments("f5 N SPALTE");
             return tableResult(copyDown(*table, *row, *column));
         }},
        {"liste", "", "zeigt die offene Tabelle",
         [&](const Words&, const std::string&) {
             if (needTable()) printTable(*table, out);
             return ui::Flow::Continue;
         }},
        {"ok", "", "OK der offenen Tabelle: übernimmt sie und schreibt das Modell",
         [&](const Words&, const std::string&) {
             if (!needTable()) return ui::Flow::Continue;
             if (editor.confirmTable(*table)) {
                 out << table->title << " übernommen: " << m.nodeCount << " Knoten, "
                     << m.elementCount << " Elemente\n";
                 table.reset();
             }
             return ui::Flow::Continue;
         }},
        {"abbrechen", "", "schließt die offene Tabelle ohne Änderung",
         [&](const Words&, const std::string&) {
             table.reset();
             return ui::Flow::Continue;
         }},
        {"lager-loeschen", "", "Lager Löschen (Tabelle Knoten)",
         [&](const Words&, const std::string&) {
             if (!needTable() || table->kind != TableKind::Nodes)
                 return wrongMode("die Tabelle Knoten (knoten)");
             editor.clearSupportsButton(*table);
             out << "Alle Lager gelöscht.\n";
             return ui::Flow::Continue;
         }},
        {"federn-loeschen", "", "Federn löschen (Tabelle Federsteifigkeiten)",
         [&](const Words&, const std::string&) {
             if (!needTable() || table->kind != TableKind::Springs)
                 return wrongMode("die Tabelle Federn (federn)");
             editor.clearSpringsButton(*table);
             out << "Alle Federn gelöscht.\n";
             return ui::Flow::Continue;
         }},
        {"alle-loeschen", "", "Alle löschen (Tabelle Elastische Bettung)",
         [&](const Words&, const std::string&) {
             if (!needTable() || table->kind != TableKind::Bedding)
                 return wrongMode("die Tabelle Bettung (bettung)");
             editor.clearBeddingButton(*table);
             out << "Alle Bettungszahlen gelöscht.\n";
             return ui::Flow::Continue;
         }},
        {"speichern", "", "Speichern",
         [&](const Words&, const std::string&) {
             if (editor.save()) out << editor.title() << " gespeichert.\n";
             return ui::Flow::Continue;
         }},
        {"speichern-unter", "NAME", "Speichern unter einem neuen Positionsnamen",
         [&](const Words& words, const std::string&) {
             if (words.size() > 1) return badArguments("speichern-unter NAME");
             if (editor.saveAs(words.empty() ? std::nullopt : std::optional<std::string>(words[0])))
                 out << editor.title() << " gespeichert.\n";
             return ui::Flow::Continue;
         }},
        {"neu", "", "Neue Platte",
         [&](const Words&, const std::string&) {
             if (editor.newPlate()) out << editor.title() << ": leere Platte\n";
             return ui::Flow::Continue;
         }},
        {"d1", "", "Datei D1 (Abmessungen) anzeigen",
         [&](const Words&, const std::string&) {
             if (auto text = editor.document()) out << *text;
             return ui::Flow::Continue;
         }},
        {"beenden", "", "Beenden (fragt nach, wenn geändert)",
         [&](const Words&, const std::string&) {
             return editor.leave() == LeaveResult::Leave ? ui::Flow::Stop : ui::Flow::Continue;
         }},
    };
    if (ui::runCommandLoop(commands, input, out) == ui::Flow::Continue) {
        // End of input ends the program like "beenden"; the question is then answered with cancel.
        if (editor.leave() == LeaveResult::Stay)
            out << "Die Änderungen wurden nicht gespeichert.\n";
    }
    out.flush();
    return 0;
}

} // namespace morvel
