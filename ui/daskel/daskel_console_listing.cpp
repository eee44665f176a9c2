// The load editor's console: every load of the load case listed with its number, the slab's
// boundaries with their sections, the load document, and the copy of a load case.
#include "common/format.hpp"
#include "loads/element_loads.hpp"
#include "ui/daskel/daskel_console.hpp"
#include "ui/daskel/load_listing.hpp"

#include <sstream>

namespace daskel {

namespace {

/// A number as the tables show it, with a decimal comma.
std::string n2(double v) {
    return cellText(v);
}

std::string withComment(const std::string& comment) {
    return comment.empty() ? "" : "  (" + comment + ")";
}

const char* pointKindName(PointLoadKind kind) {
    switch (kind) {
    case PointLoadKind::Force:
        return "Einzelkraft [kN]";
    case PointLoadKind::Moment:
        return "Moment [kNm]";
    case PointLoadKind::Kink:
        return "Knick [/]";
    case PointLoadKind::Rotation:
        return "Verdrehung [/]";
    case PointLoadKind::Offset:
        return "Sprung [m]";
    }
    return "";
}

void listAreas(std::ostream& out, const LoadCase& lc) {
    out << "Teilflächenlasten: " << lc.nt() << '\n';
    int k = 0;
    for (const AreaLoad& a : lc.areaLoads) {
        out << "  " << ++k << ": " << a.corners.size() << " Ecken, "
            << (a.variation == AreaLoadVariation::Constant ? "konstant" : "linear") << '\n';
        int j = 0;
        for (const AreaCorner& c : a.corners)
            out << "     Ecke " << ++j << ": x = " << n2(c.x) << "  y = " << n2(c.y)
                << "  p = " << n2(c.p1) << " kN/m2\n";
    }
}

void listLines(std::ostream& out, const LoadCase& lc) {
    out << "Linienlasten: " << lc.nl() << '\n';
    int k = 0;
    for (const LineLoad& l : lc.lineLoads) {
        const bool moments = l.kind == LineLoadKind::Moments;
        out << "  " << ++k << ": von " << n2(l.xa) << " " << n2(l.ya) << " nach " << n2(l.xb) << " "
            << n2(l.yb) << ", " << n2(l.start) << " bis " << n2(l.end)
            << (moments ? " kNm/m, Momente" : " kN/m, Kräfte") << withComment(l.comment) << '\n';
    }
}

void listPoints(std::ostream& out, const LoadCase& lc) {
    out << "Punktlasten: " << lc.np() << '\n';
    int k = 0;
    for (const PointLoad& p : lc.pointLoads)
        out << "  " << ++k << ": x = " << n2(p.x) << "  y = " << n2(p.y) << "  "
            << pointKindName(p.kind) << " " << n2(p.size) << "  nx = " << n2(p.nx)
            << "  ny = " << n2(p.ny) << "  b = " << n2(p.width) << withComment(p.comment) << '\n';
}

void listEdges(std::ostream& out, const LoadCase& lc) {
    out << "Randlasten: " << lc.nr() << '\n';
    int k = 0;
    for (const EdgeLoad& e : lc.edgeLoads) {
        const bool moments = e.kind == EdgeLoadKind::Moments;
        out << "  " << ++k << ": Rand " << e.boundary << " Abschnitt " << e.section << ", "
            << n2(e.a) << " bis " << n2(e.b) << (moments ? " kNm/m, Momente" : " kN/m, Kräfte")
            << withComment(e.comment) << '\n';
    }
}

} // namespace

ui::Flow DaskelConsole::listLoads() {
    const LoadCase& lc = editor_->loadCase();
    listAreas(out_, lc);
    listLines(out_, lc);
    listPoints(out_, lc);
    listEdges(out_, lc);
    if (lc.temperature)
        out_ << "Temperatur: Delta T = " << n2(lc.deltaT)
             << slab::withDecimalComma(slab::format("  Alpha T = %.3E", lc.alphaT)) << '\n';
    return ui::Flow::Continue;
}

std::optional<std::string> boundariesText(const SlabOutline& outline) {
    if (outline.curves.empty()) return std::nullopt;
    std::ostringstream out;
    int openings = 0;
    for (const BoundaryCurve& c : outline.curves) {
        out << "Rand " << c.number << " ("
            << (c.opening ? slab::format("Öffnung %i", ++openings) : std::string("Außenrand"))
            << "): " << c.sections.size() << " Abschnitte, Fläche " << n2(c.area) << " m2\n";
        for (const OutlineSection& s : c.sections)
            out << "  Abschnitt " << s.section << ": von " << n2(s.xa) << " " << n2(s.ya)
                << " nach " << n2(s.xb) << " " << n2(s.yb) << ", Länge " << n2(s.length) << " m\n";
    }
    for (const Domain& d : outline.domains)
        out << "Bereich " << d.number << ": d = " << n2(d.thickness) << " m, Fläche " << n2(d.area)
            << " m2\n";
    return out.str();
}

ui::Flow DaskelConsole::boundaries() {
    if (auto text = boundariesText(editor_->outline()))
        out_ << *text;
    else
        console_.message("Hinweis", kNoBoundaries);
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::document() {
    if (auto text = editor_->loadDocument()) out_ << *text;
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::copy(const ui::Words& words) {
    const std::string call = ui::callOf(actions(), Action::Copy);
    CopyRequest request = editor_->copyPresets();
    ui::Words named;
    for (const std::string& word : words) {
        if (word == "addieren")
            request.add = true;
        else if (word.find('=') != std::string::npos)
            named.push_back(word);
        else
            return usage(call);
    }
    const Fields given = ui::parseFields(named);
    for (const auto& [key, text] : given)
        if (key != "position" && key != "lf" && key != "pfad") return usage(call);
    auto field = [&](const char* key, const char* label, const std::string& preset) {
        auto it = given.find(key);
        return it != given.end() ? it->second : askField(label, preset);
    };
    request.position = field("position", "Position", request.position);
    const std::string number = field("lf", "LF", std::to_string(request.loadCase));
    request.dataPath = field("pfad", "Datenpfad", request.dataPath);
    auto n = slab::parseInteger(number);
    if (!n) return usage(call);
    request.loadCase = *n;
    editor_->copyLoadCase(request);
    return ui::Flow::Continue;
}

} // namespace daskel
