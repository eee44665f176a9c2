// The load editor's menus, dialogs and table input as console commands.
#include "ui/daskel/daskel_console.hpp"

#include "common/format.hpp"
#include "loads/document.hpp"
#include "scene/slab_meshes.hpp"
#include "ui/console/command_table.hpp"

#include <cmath>
#include <ctime>
#include <optional>

namespace daskel {

namespace {

using Words = std::vector<std::string>;

std::optional<int> wholeNumber(const std::string& s) {
    return slab::parseInteger(s);
}

/// A table cell typed on the console: decimal comma or point; not a number gives nullopt.
std::optional<double> cell(const std::string& s) {
    auto v = cellValue(s);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return *v;
}

/// The text after "key=" up to the end of the line (a title may hold blanks).
std::optional<std::string> restAfter(const std::string& line, const std::string& key) {
    std::size_t at = line.find(key + "=");
    while (at != std::string::npos && at > 0 && line[at - 1] != ' ')
        at = line.find(key + "=", at + 1);
    if (at == std::string::npos) return std::nullopt;
    return line.substr(at + key.size() + 1);
}

std::optional<PointQuantity> pointQuantityNamed(const std::string& name) {
    for (int c = 0; c < kPointQuantityCount; ++c)
        if (label(*pointQuantity(c)) == name) return pointQuantity(c);
    return std::nullopt;
}

std::optional<SectionQuantity> sectionQuantityNamed(const std::string& name) {
    for (int c = 0; c < kSectionQuantityCount; ++c)
        if (label(*sectionQuantity(c)) == name) return sectionQuantity(c);
    return std::nullopt;
}

std::string pointQuantityNames() {
    std::string names;
    for (int c = 0; c < kPointQuantityCount; ++c)
        names += (c ? "|" : "") + std::string(label(*pointQuantity(c)));
    return names;
}

std::string sectionQuantityNames() {
    std::string names;
    for (int c = 0; c < kSectionQuantityCount; ++c)
        names += (c ? "|" : "") + std::string(label(*sectionQuantity(c)));
    return names;
}

void printSummary(const LoadEditor& editor, std::ostream& out) {
    const LoadCase& lc = editor.loadCase();
    out << editor.caption() << '\n';
    out << "Titel: " << lc.title << '\n';
    if (lc.selfWeight)
        out << "Eigengewicht: " << cellText(lc.gamma) << " kN/m3, Belag: " << cellText(lc.g)
            << " kN/m2\n";
    if (lc.uniform)
        out << (lc.uniformShape == UniformShape::Triangular ? "Dreieckslast: " : "Gleichlast: ")
            << cellText(lc.uniformValue) << " kN/m2\n";
    out << "Teilflächenlasten: " << lc.nt() << ", Punktlasten: " << lc.np()
        << ", Linienlasten: " << lc.nl() << ", Randlasten: " << lc.nr() << '\n';
    std::string list;
    for (int n : editor.diary().numbers)
        list += slab::format(" %i", n);
    out << "Lastfälle:" << (list.empty() ? " keine" : list) << '\n';
}

} // namespace

int runConsole(const std::string& commandLine, const std::string& workDirectory,
               ui::LineInput& input, std::ostream& out) {
    ui::ConsoleUi console(input, out);
    auto paths = startPaths(commandLine, workDirectory, console);
    if (!paths) return 1;
    LoadEditor editor(*paths, console,
                      [] { return static_cast<std::int64_t>(std::time(nullptr)); });
    const SlabModel& model = editor.model();
    out << "Position " << paths->positionName << ": " << model.nodeCount << " Knoten, "
        << model.elementCount << " Elemente\n";
    editor.firstDisplay();

    auto usage = [&](const char* text) {
        console.message("Fehlende Eingabe", slab::format("Aufruf: %s", text));
        return ui::Flow::Continue;
    };
    auto notANumber = [&](const std::string& field, const std::string& text) {
        console.message("Fehler", slab::format("%s: \"%s\" ist keine Zahl; nichts wurde geändert.",
                                               field.c_str(), text.c_str()));
        return ui::Flow::Continue;
    };
    auto unknownQuantity = [&](const std::string& names) {
        console.message("Fehlende Eingabe", "groesse= muß eine der Größen " + names + " sein.");
        return ui::Flow::Continue;
    };
    double lastElementLoad = 0; // the preset of the next click, as the dialogs keep it
    double lastEdgeLoad = 0;
    // The coordinates of a click: the first two words.
    auto point = [&](const Words& w, const char* call) -> std::optional<std::pair<double, double>> {
        if (w.size() < 2 || w.size() > 3) {
            usage(call);
            return std::nullopt;
        }
        auto x = cell(w[0]);
        auto y = cell(w[1]);
        if (!x || !y) {
            notANumber("Koordinate", !x ? w[0] : w[1]);
            return std::nullopt;
        }
        return std::pair{*x, *y};
    };
    auto nothingThere = [&](const char* what, std::pair<double, double> at) {
        console.message("Hinweis",
                        slab::format("%s bei x = %s, y = %s.", what, cellText(at.first).c_str(),
                                     cellText(at.second).c_str()));
        return ui::Flow::Continue;
    };
    // The eight fields of the node dialog as name=wert; nullopt after a message.
    auto nodeFields = [&](const Words& w) -> std::optional<NodeValues> {
        static const char* keys[8] = {"w", "wx", "wy", "wxy", "p", "mx", "my", "mxy"};
        NodeValues values;
        for (const auto& [key, text] : ui::parseFields(w)) {
            int c = 0;
            while (c < 8 && key != keys[c])
                ++c;
            if (c == 8) {
                console.message("Fehler", slab::format("Unbekanntes Feld \"%s\".", key.c_str()));
                return std::nullopt;
            }
            auto v = cell(text);
            if (!v) {
                notANumber(key, text);
                return std::nullopt;
            }
            values[c] = *v;
        }
        return values;
    };
    // A field of a dialog: given as name=wert, else asked on a terminal with the current value.
    auto field = [&](const std::map<std::string, std::string>& given, const std::string& key,
                     const std::string& label,
                     const std::string& current) -> std::optional<std::string> {
        if (auto it = given.find(key); it != given.end()) return it->second;
        if (!input.interactive()) return std::nullopt;
        out << label << " [" << current << "]: ";
        out.flush();
        std::string text = input.next().value_or("");
        if (ui::splitWords(text).empty()) return std::nullopt;
        return text;
    };
    auto askNumber = [&]() -> std::optional<int> {
        out << "Speichern als Lastfall Nummer?\n";
        out.flush();
        auto line = input.next();
        if (!line) return std::nullopt;
        return wholeNumber(*line);
    };
    // "LF speichern?" before another load case replaces unsaved changes.
    auto offerSave = [&]() {
        if (!editor.modified()) return;
        if (console.message("Frage", "LF speichern?", ports::Buttons::YesNo) != ports::Answer::Yes)
            return;
        int n = editor.loadCase().number;
        if (n == 0) n = askNumber().value_or(0);
        editor.save(n, editor.loadCase().title);
    };

    const std::vector<ui::Command> commands = {
        {"neu", "", "Neuer Lastfall",
         [&](const Words&, const std::string&) {
             offerSave();
             editor.newLoadCase();
             return ui::Flow::Continue;
         }},
        {"oeffnen", "N", "Lastfall N öffnen",
         [&](const Words& w, const std::string&) {
             auto n = w.size() == 1 ? wholeNumber(w[0]) : std::nullopt;
             if (!n) return usage("oeffnen N");
             offerSave();
             editor.openLoadCase(*n);
             return ui::Flow::Continue;
         }},
        {"speichern", "nr=N titel=TEXT", "Lastfall speichern (Titel bis zum Zeilenende)",
         [&](const Words& w, const std::string& rest) {
             auto given = ui::parseFields(w);
             int current = editor.loadCase().number;
             auto nr = field(given, "nr", "Speichern als Lastfall Nummer",
                             slab::format("%i", current == 0 ? 1 : current));
             std::optional<int> n =
                 nr ? wholeNumber(*nr) : (current != 0 ? std::optional(current) : std::nullopt);
             if (!n) return usage("speichern nr=N titel=TEXT");
             std::string title = editor.loadCase().title;
             if (auto t = restAfter(rest, "titel"))
                 title = *t;
             else if (auto t2 = field({}, "titel", "Titel", title))
                 title = *t2;
             if (editor.save(*n, title)) out << "LF " << *n << " gespeichert.\n";
             return ui::Flow::Continue;
         }},
        {"titel", "TEXT", "Titel des Lastfalls",
         [&](const Words&, const std::string& rest) {
             editor.setTitle(rest);
             return ui::Flow::Continue;
         }},
        {"loeschen", "N...", "Lastfälle löschen",
         [&](const Words& w, const std::string&) {
             std::vector<int> numbers;
             for (const std::string& word : w) {
                 auto n = wholeNumber(word);
                 if (!n) return usage("loeschen N...");
                 numbers.push_back(*n);
             }
             if (numbers.empty()) return usage("loeschen N...");
             if (editor.deleteLoadCases(numbers)) out << "Gelöscht.\n";
             return ui::Flow::Continue;
         }},
        {"import", "", "Alle Lastfälle aus ACADLAST übernehmen",
         [&](const Words&, const std::string&) {
             offerSave();
             editor.importAll();
             return ui::Flow::Continue;
         }},
        {"gleichlast", "gamma= g= | loeschen", "Eigengewicht + Verkehrslast (OK oder Löschen)",
         [&](const Words& w, const std::string&) {
             if (w.size() == 1 && w[0] == "loeschen") {
                 editor.clearSelfWeight();
                 return ui::Flow::Continue;
             }
             auto given = ui::parseFields(w);
             const Memory& m = editor.memory();
             std::string gammaText =
                 field(given, "gamma", "Eigengewicht   [kN/m³]", cellText(m.gamma()))
                     .value_or(cellText(m.gamma()));
             std::string gText = field(given, "g", "Verkehrslast  [kN/m²]", cellText(m.g()))
                                     .value_or(cellText(m.g()));
             auto gamma = cell(gammaText);
             if (!gamma) return notANumber("Eigengewicht", gammaText);
             auto g = cell(gText);
             if (!g) return notANumber("Verkehrslast", gText);
             editor.selfWeight(*gamma, *g);
             out << "Gleichlast: " << cellText(editor.loadCase().uniformValue) << " kN/m2\n";
             return ui::Flow::Continue;
         }},
        {"elementlast", "E P", "Elementlast [kN/m2] des Elements E",
         [&](const Words& w, const std::string&) {
             if (w.size() != 2) return usage("elementlast E P");
             auto e = wholeNumber(w[0]);
             if (!e) return usage("elementlast E P");
             auto p = cell(w[1]);
             if (!p) return notANumber("Elementlast", w[1]);
             editor.setElementLoad(*e, *p);
             return ui::Flow::Continue;
         }},
        {"kantenlast", "E K P", "Linienlast [kN/m] auf Kante K des Elements E",
         [&](const Words& w, const std::string&) {
             if (w.size() != 3) return usage("kantenlast E K P");
             auto e = wholeNumber(w[0]);
             auto k = wholeNumber(w[1]);
             if (!e || !k) return usage("kantenlast E K P");
             auto p = cell(w[2]);
             if (!p) return notANumber("Kräfte [kN/m]", w[2]);
             editor.setEdgeLoad(*e, *k, *p);
             return ui::Flow::Continue;
         }},
        {"knotenlast", "N w= wx= wy= wxy= p= mx= my= mxy=",
         "Zwangsverformungen und Knotenlasten des Knotens N (fehlende Felder bleiben)",
         [&](const Words& w, const std::string&) {
             if (w.empty()) return usage("knotenlast N w= wx= wy= wxy= p= mx= my= mxy=");
             auto n = wholeNumber(w[0]);
             if (!n) return usage("knotenlast N w= wx= wy= wxy= p= mx= my= mxy=");
             if (auto values = nodeFields(Words(w.begin() + 1, w.end())))
                 editor.setNodeValues(*n, *values);
             return ui::Flow::Continue;
         }},
        {"klick-element", "X Y [P|loeschen]",
         "Elementlast [kN/m2] durch Klick in ein Element (ohne P: der zuletzt eingegebene Wert)",
         [&](const Words& w, const std::string&) {
             auto at = point(w, "klick-element X Y [P|loeschen]");
             if (!at) return ui::Flow::Continue;
             auto e = scene::elementAt(scene::meshOf(model), {at->first, at->second});
             if (!e) return nothingThere("Kein Element", *at);
             double p = lastElementLoad;
             if (w.size() == 3) {
                 auto v = w[2] == "loeschen" ? std::optional<double>(0.0) : cell(w[2]);
                 if (!v) return notANumber("Elementlast", w[2]);
                 p = *v;
                 if (w[2] != "loeschen") lastElementLoad = p;
             }
             if (editor.setElementLoad(*e, p))
                 out << "Element " << *e << ": Elementlast " << cellText(p) << " kN/m2\n";
             return ui::Flow::Continue;
         }},
        {"klick-kante", "X Y [P]",
         "Kantenlast [kN/m] durch Klick nahe einer Elementkante (ohne P: der bisherige Wert, bei "
         "einer Kante ohne Last der zuletzt eingegebene)",
         [&](const Words& w, const std::string&) {
             auto at = point(w, "klick-kante X Y [P]");
             if (!at) return ui::Flow::Continue;
             auto edge = scene::edgeNear(scene::meshOf(model), {at->first, at->second});
             if (!edge) return nothingThere("Keine Elementkante", *at);
             const auto& v = editor.loads().elementLoads[edge->element].v;
             double p = v[slab::ElementLoadRecord::kEdgeLoad + edge->edge - 1];
             if (p == 0) p = lastEdgeLoad;
             if (w.size() == 3) {
                 auto given = cell(w[2]);
                 if (!given) return notANumber("Kräfte [kN/m]", w[2]);
                 p = *given;
             }
             lastEdgeLoad = p;
             if (editor.setEdgeLoad(edge->element, edge->edge, p))
                 out << "Element " << edge->element << " Kante " << edge->edge << ": Kräfte "
                     << cellText(p) << " kN/m\n";
             return ui::Flow::Continue;
         }},
        {"klick-knoten", "X Y [w= wx= wy= wxy= p= mx= my= mxy=]",
         "Knotenverformungen und Knotenlasten durch Klick auf einen Knoten",
         [&](const Words& w, const std::string&) {
             const char* call = "klick-knoten X Y [w= wx= wy= wxy= p= mx= my= mxy=]";
             if (w.size() < 2) return usage(call);
             auto at = point(Words(w.begin(), w.begin() + 2), call);
             if (!at) return ui::Flow::Continue;
             auto n = scene::nodeNear(scene::meshOf(model), {at->first, at->second});
             if (!n) return nothingThere("Kein Knoten", *at);
             auto values = nodeFields(Words(w.begin() + 2, w.end()));
             if (!values || !editor.setNodeValues(*n, *values)) return ui::Flow::Continue;
             const auto& node = model.nodes[*n];
             out << "Knoten-Nr. " << *n << "  x-Koordinate " << cellText(node.x)
                 << "  y-Koordinate " << cellText(node.y) << '\n';
             static const char* labels[8] = {"w", "w,x", "w,y", "w,xy", "P", "Mx", "My", "Mxy"};
             for (int c = 0; c < 8; ++c)
                 out << (c ? "  " : "") << labels[c] << " "
                     << cellText(nodeValue(editor.loads(), *n, c));
             out << '\n';
             return ui::Flow::Continue;
         }},
        {"tabelle-loeschen", "elementlasten|kantenlasten|knotenlasten",
         "\"Alle löschen\" einer Tabelle: alle Werte 0",
         [&](const Words& w, const std::string&) {
             const char* call = "tabelle-loeschen elementlasten|kantenlasten|knotenlasten";
             if (w.size() != 1) return usage(call);
             if (w[0] == "elementlasten")
                 editor.clearTable(LoadTable::Element);
             else if (w[0] == "kantenlasten")
                 editor.clearTable(LoadTable::Edge);
             else if (w[0] == "knotenlasten")
                 editor.clearTable(LoadTable::Node);
             else
                 return usage(call);
             return ui::Flow::Continue;
         }},
        {"elementlasten", "", "Tabelle der Element- und Kantenlasten",
         [&](const Words&, const std::string&) {
             out << slab::format("%8s %10s %10s %10s %10s %10s\n", "Element", "p", "Kante 1",
                                 "Kante 2", "Kante 3", "Kante 4");
             for (int e = 1; e <= model.elementCount; ++e) {
                 const auto& v = editor.loads().elementLoads[e].v;
                 out << slab::format("%8i", e);
                 for (int c = 0; c < 5; ++c)
                     out << slab::format(
                         " %10s", cellText(v[c == 0 ? slab::ElementLoadRecord::kAreaLoad
                                                    : slab::ElementLoadRecord::kEdgeLoad + c - 1])
                                      .c_str());
                 out << '\n';
             }
             return ui::Flow::Continue;
         }},
        {"knotenlasten", "", "Tabelle der Zwangsverformungen und Knotenlasten",
         [&](const Words&, const std::string&) {
             out << slab::format("%6s %8s %8s %8s %8s %8s %8s %8s %8s\n", "Knoten", "w [m]", "w,x",
                                 "w,y", "w,xy", "P [kN]", "Mx", "My", "Mxy");
             for (int n = 1; n <= model.nodeCount; ++n) {
                 out << slab::format("%6i", n);
                 for (int c = 0; c < 8; ++c)
                     out << slab::format(" %8s", cellText(nodeValue(editor.loads(), n, c)).c_str());
                 out << '\n';
             }
             return ui::Flow::Continue;
         }},
        {"lasten-loeschen", "", "Alle Lasten löschen (fragt nach)",
         [&](const Words&, const std::string&) {
             editor.clearAllLoads();
             return ui::Flow::Continue;
         }},
        {"einfluss-knoten", "N groesse=Q", "Einflussfunktion für einen Knotenpunkt",
         [&](const Words& w, const std::string&) {
             const char* call = "einfluss-knoten N groesse=Q";
             if (w.size() != 2) return usage(call);
             auto n = wholeNumber(w[0]);
             auto given = ui::parseFields(Words(w.begin() + 1, w.end()));
             auto q = given.count("groesse") ? pointQuantityNamed(given["groesse"]) : std::nullopt;
             if (!n) return usage(call);
             if (!q) return unknownQuantity(pointQuantityNames());
             editor.influenceAtNode(*n, *q);
             return ui::Flow::Continue;
         }},
        {"einfluss-element", "E x= y= groesse=Q",
         "Einflussfunktion für Punktwert im Element (x, y lokal; fehlt eines: a/2 bzw. b/2)",
         [&](const Words& w, const std::string&) {
             const char* call = "einfluss-element E x= y= groesse=Q";
             if (w.empty()) return usage(call);
             auto e = wholeNumber(w[0]);
             if (!e) return usage(call);
             auto given = ui::parseFields(Words(w.begin() + 1, w.end()));
             std::optional<double> x, y;
             for (const auto& [key, text] : given) {
                 if (key != "x" && key != "y" && key != "groesse") return usage(call);
                 if (key == "groesse") continue;
                 auto v = cell(text);
                 if (!v) return notANumber(key, text);
                 (key == "x" ? x : y) = *v;
             }
             auto q = given.count("groesse") ? pointQuantityNamed(given["groesse"]) : std::nullopt;
             if (!q) return unknownQuantity(pointQuantityNames());
             editor.influenceInElement(*e, x, y, *q);
             return ui::Flow::Continue;
         }},
        {"einfluss-schnitt", "groesse=Q art=teil|komplett von=E [bis=E] s=",
         "Einflussfunktion für integrale Größen (mxx, mxy, qx, vx: vertikaler Schnitt bei x = s; "
         "myy, myx, qy, vy: horizontaler bei y = s)",
         [&](const Words& w, const std::string&) {
             const char* call = "einfluss-schnitt groesse=Q art=teil|komplett von=E [bis=E] s=";
             auto given = ui::parseFields(w);
             auto q =
                 given.count("groesse") ? sectionQuantityNamed(given["groesse"]) : std::nullopt;
             if (!q) return unknownQuantity(sectionQuantityNames());
             bool complete = given["art"] == "komplett";
             if (!complete && given["art"] != "teil") return usage(call);
             auto from = wholeNumber(given["von"]);
             auto to = complete ? from : wholeNumber(given["bis"]);
             if (!from || !to || !given.count("s")) return usage(call);
             auto s = cell(given["s"]);
             if (!s) return notANumber("s", given["s"]);
             editor.influenceOnSection(*q, complete, *from, *to, *s);
             return ui::Flow::Continue;
         }},
        {"zeige", "", "Den offenen Lastfall anzeigen",
         [&](const Words&, const std::string&) {
             printSummary(editor, out);
             return ui::Flow::Continue;
         }},
        {"beenden", "", "Beenden (fragt nach, wenn geändert)",
         [&](const Words&, const std::string&) {
             if (editor.wantsToSaveBeforeLeaving()) {
                 int n = editor.loadCase().number;
                 if (n == 0) n = askNumber().value_or(0);
                 if (!editor.save(n, editor.loadCase().title)) return ui::Flow::Continue;
             }
             return ui::Flow::Stop;
         }},
    };
    if (ui::runCommandLoop(commands, input, out) == ui::Flow::Continue) {
        // End of input ends the program like "beenden"; the question is then answered with no.
        if (editor.modified()) {
            editor.wantsToSaveBeforeLeaving();
            out << "Die Eingaben wurden nicht gespeichert.\n";
        }
    }
    out.flush();
    return 0;
}

} // namespace daskel
