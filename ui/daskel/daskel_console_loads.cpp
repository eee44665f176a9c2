// The load editor's console: self weight and surcharge, the element, edge and node loads typed
// as table rows or given by a click in world coordinates, and the tables.
#include "common/format.hpp"
#include "loads/element_loads.hpp"
#include "ui/daskel/daskel_console.hpp"

namespace daskel {

namespace {

using slab::ElementLoadRecord;

/// The fields of the node dialog in the column order of the node table.
constexpr const char* kNodeFieldKeys[8] = {"w", "wx", "wy", "wxy", "p", "mx", "my", "mxy"};
constexpr const char* kNodeLabels[8] = {"w", "w,x", "w,y", "w,xy", "P", "Mx", "My", "Mxy"};

} // namespace

ui::Flow DaskelConsole::selfWeight(const ui::Words& words) {
    if (words.size() == 1 && words[0] == "loeschen") {
        editor_->clearSelfWeight();
        return ui::Flow::Continue;
    }
    auto given = ui::parseFields(words);
    const Memory& m = editor_->memory();
    auto field = [&](const char* key, const char* label, float current) {
        auto it = given.find(key);
        return it != given.end() ? it->second : askField(label, cellText(current));
    };
    const std::string gammaText = field("gamma", "Eigengewicht   [kN/m³]", m.gamma());
    const std::string gText = field("g", "Verkehrslast  [kN/m²]", m.g());
    auto gamma = cell(gammaText);
    if (!gamma) return notANumber("Eigengewicht", gammaText);
    auto g = cell(gText);
    if (!g) return notANumber("Verkehrslast", gText);
    if (!editor_->selfWeight(*gamma, *g)) return ui::Flow::Continue;
    out_ << "Gleichlast: " << cellText(editor_->loadCase().uniformValue) << " kN/m2\n";
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::elementLoad(const ui::Words& words) {
    if (words.size() != 2) return usage("elementlast E P");
    auto e = slab::parseInteger(words[0]);
    if (!e) return usage("elementlast E P");
    auto p = cell(words[1]);
    if (!p) return notANumber("Elementlast", words[1]);
    editor_->setElementLoad(*e, *p);
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::edgeLoad(const ui::Words& words) {
    if (words.size() != 3) return usage("kantenlast E K P");
    auto e = slab::parseInteger(words[0]);
    auto k = slab::parseInteger(words[1]);
    if (!e || !k) return usage("kantenlast E K P");
    auto p = cell(words[2]);
    if (!p) return notANumber("Kräfte [kN/m]", words[2]);
    editor_->setEdgeLoad(*e, *k, *p);
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::nodeLoad(const ui::Words& words) {
    const char* call = "knotenlast N w= wx= wy= wxy= p= mx= my= mxy=";
    if (words.empty()) return usage(call);
    auto n = slab::parseInteger(words[0]);
    if (!n) return usage(call);
    if (auto values = nodeFields(ui::Words(words.begin() + 1, words.end())))
        editor_->setNodeValues(*n, *values);
    return ui::Flow::Continue;
}

std::optional<NodeValues> DaskelConsole::nodeFields(const ui::Words& words) {
    NodeValues values;
    for (const auto& [key, text] : ui::parseFields(words)) {
        int c = 0;
        while (c < 8 && key != kNodeFieldKeys[c])
            ++c;
        if (c == 8) {
            console_.message("Fehler", slab::format("Unbekanntes Feld \"%s\".", key.c_str()));
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
}

std::optional<scene::Point> DaskelConsole::clickPoint(const ui::Words& words,
                                                      std::string_view call) {
    // Read like table cells, so a click lands where the same numbers typed in a dialog would.
    if (words.size() < 2 || words.size() > 3) {
        usage(call);
        return std::nullopt;
    }
    auto x = cell(words[0]);
    auto y = cell(words[1]);
    if (!x || !y) {
        notANumber("Koordinate", !x ? words[0] : words[1]);
        return std::nullopt;
    }
    return scene::Point{*x, *y};
}

ui::Flow DaskelConsole::nothingThere(const char* what, scene::Point at) {
    console_.message("Hinweis", slab::format("%s bei x = %s, y = %s.", what, cellText(at.x).c_str(),
                                             cellText(at.y).c_str()));
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::elementClick(const ui::Words& words) {
    auto at = clickPoint(words, "klick-element X Y [P|loeschen]");
    if (!at) return ui::Flow::Continue;
    auto e = view_->elementAt(*at);
    if (!e) return nothingThere("Kein Element", *at);
    double p = view_->elementPreset();
    if (words.size() == 3) {
        const bool clear = words[2] == "loeschen";
        auto v = clear ? std::optional<double>(0.0) : cell(words[2]);
        if (!v) return notANumber("Elementlast", words[2]);
        p = *v;
        if (!clear) view_->rememberElementLoad(p);
    }
    if (editor_->setElementLoad(*e, p))
        out_ << "Element " << *e << ": Elementlast " << cellText(p) << " kN/m2\n";
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::edgeClick(const ui::Words& words) {
    auto at = clickPoint(words, "klick-kante X Y [P]");
    if (!at) return ui::Flow::Continue;
    auto edge = view_->edgeNear(*at);
    if (!edge) return nothingThere("Keine Elementkante", *at);
    double p = view_->edgePreset(*edge);
    if (words.size() == 3) {
        auto given = cell(words[2]);
        if (!given) return notANumber("Kräfte [kN/m]", words[2]);
        p = *given;
    }
    view_->rememberEdgeLoad(p);
    if (editor_->setEdgeLoad(edge->element, edge->edge, p))
        out_ << "Element " << edge->element << " Kante " << edge->edge << ": Kräfte " << cellText(p)
             << " kN/m\n";
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::nodeClick(const ui::Words& words) {
    const char* call = "klick-knoten X Y [w= wx= wy= wxy= p= mx= my= mxy=]";
    if (words.size() < 2) return usage(call);
    auto at = clickPoint(ui::Words(words.begin(), words.begin() + 2), call);
    if (!at) return ui::Flow::Continue;
    const SlabModel& model = editor_->model();
    auto n = view_->nodeNear(*at);
    if (!n) return nothingThere("Kein Knoten", *at);
    auto values = nodeFields(ui::Words(words.begin() + 2, words.end()));
    if (!values || !editor_->setNodeValues(*n, *values)) return ui::Flow::Continue;
    const auto& node = model.nodes[*n];
    out_ << "Knoten-Nr. " << *n << "  x-Koordinate " << cellText(node.x) << "  y-Koordinate "
         << cellText(node.y) << '\n';
    for (int c = 0; c < 8; ++c)
        out_ << (c ? "  " : "") << kNodeLabels[c] << " "
             << cellText(nodeValue(editor_->loads(), *n, c));
    out_ << '\n';
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::clearTable(const ui::Words& words) {
    const char* call = "tabelle-loeschen elementlasten|kantenlasten|knotenlasten";
    if (words.size() != 1) return usage(call);
    if (words[0] == "elementlasten")
        editor_->clearTable(LoadTable::Element);
    else if (words[0] == "kantenlasten")
        editor_->clearTable(LoadTable::Edge);
    else if (words[0] == "knotenlasten")
        editor_->clearTable(LoadTable::Node);
    else
        return usage(call);
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::elementTable() {
    out_ << slab::format("%8s %10s %10s %10s %10s %10s\n", "Element", "p", "Kante 1", "Kante 2",
                         "Kante 3", "Kante 4");
    for (int e = 1; e <= editor_->model().elementCount; ++e) {
        const auto& v = editor_->loads().elementLoads[e].v;
        out_ << slab::format("%8i", e);
        for (int c = 0; c < 5; ++c) {
            const std::size_t field =
                c == 0 ? ElementLoadRecord::kAreaLoad : ElementLoadRecord::kEdgeLoad + c - 1;
            out_ << slab::format(" %10s", cellText(v[field]).c_str());
        }
        out_ << '\n';
    }
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::nodeTable() {
    out_ << slab::format("%6s %8s %8s %8s %8s %8s %8s %8s %8s\n", "Knoten", "w [m]", "w,x", "w,y",
                         "w,xy", "P [kN]", "Mx", "My", "Mxy");
    for (int n = 1; n <= editor_->model().nodeCount; ++n) {
        out_ << slab::format("%6i", n);
        for (int c = 0; c < 8; ++c)
            out_ << slab::format(" %8s", cellText(nodeValue(editor_->loads(), n, c)).c_str());
        out_ << '\n';
    }
    return ui::Flow::Continue;
}

} // namespace daskel
