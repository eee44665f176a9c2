// The load editor's console: influence surfaces of a point quantity at a node or in an element,
// and of a section quantity along a section.
#include "common/format.hpp"
#include "ui/daskel/daskel_console.hpp"

namespace daskel {

namespace {

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

/// The quantity named by the field groesse=, if any.
template <class Quantity, class Named>
std::optional<Quantity> quantityField(std::map<std::string, std::string>& given, Named named) {
    return given.count("groesse") ? named(given["groesse"]) : std::nullopt;
}

} // namespace

ui::Flow DaskelConsole::unknownQuantity(const std::string& names) {
    console_.message("Fehlende Eingabe", "groesse= muß eine der Größen " + names + " sein.");
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::influenceAtNode(const ui::Words& words) {
    const char* call = "einfluss-knoten N groesse=Q";
    if (words.size() != 2) return usage(call);
    auto n = slab::parseInteger(words[0]);
    auto given = ui::parseFields(ui::Words(words.begin() + 1, words.end()));
    auto q = quantityField<PointQuantity>(given, pointQuantityNamed);
    if (!n) return usage(call);
    if (!q) return unknownQuantity(pointQuantityNames());
    editor_->influenceAtNode(*n, *q);
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::influenceInElement(const ui::Words& words) {
    const char* call = "einfluss-element E x= y= groesse=Q";
    if (words.empty()) return usage(call);
    auto e = slab::parseInteger(words[0]);
    if (!e) return usage(call);
    auto given = ui::parseFields(ui::Words(words.begin() + 1, words.end()));
    std::optional<double> x, y;
    for (const auto& [key, text] : given) {
        if (key != "x" && key != "y" && key != "groesse") return usage(call);
        if (key == "groesse") continue;
        auto v = cell(text);
        if (!v) return notANumber(key, text);
        (key == "x" ? x : y) = *v;
    }
    auto q = quantityField<PointQuantity>(given, pointQuantityNamed);
    if (!q) return unknownQuantity(pointQuantityNames());
    editor_->influenceInElement(*e, x, y, *q);
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::influenceOnSection(const ui::Words& words) {
    const char* call = "einfluss-schnitt groesse=Q art=teil|komplett von=E [bis=E] s=";
    auto given = ui::parseFields(words);
    auto q = quantityField<SectionQuantity>(given, sectionQuantityNamed);
    if (!q) return unknownQuantity(sectionQuantityNames());
    const bool complete = given["art"] == "komplett";
    if (!complete && given["art"] != "teil") return usage(call);
    auto from = slab::parseInteger(given["von"]);
    auto to = complete ? from : slab::parseInteger(given["bis"]);
    if (!from || !to || !given.count("s")) return usage(call);
    auto s = cell(given["s"]);
    if (!s) return notANumber("s", given["s"]);
    editor_->influenceOnSection(*q, complete, *from, *to, *s);
    return ui::Flow::Continue;
}

} // namespace daskel
