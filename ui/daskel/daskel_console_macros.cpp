// The load editor's console: partial area, line, point and edge loads and the temperature load
// typed in as dialog commands, and loads removed by their number.
#include "common/format.hpp"
#include "ui/daskel/daskel_console.hpp"

#include <algorithm>

namespace daskel {

namespace {

std::string callOf(Action action) {
    return ui::callOf(actions(), action);
}

constexpr std::string_view kComment = "kommentar=";

/// The first word that is not a number.
std::string firstNonNumber(const ui::Words& words) {
    for (const std::string& w : words)
        if (!ui::finiteNumber(w)) return w;
    return {};
}

} // namespace

std::optional<DaskelConsole::DialogWords>
DaskelConsole::dialogWords(const ui::CommandCall& call,
                           std::initializer_list<std::string_view> known) {
    DialogWords d;
    ui::Words named;
    for (const std::string& word : call.words) {
        if (word.compare(0, kComment.size(), kComment) == 0) {
            d.comment = ui::textAfterKey(call.rest, "kommentar").value_or("");
            break;
        }
        (word.find('=') == std::string::npos ? d.positional : named).push_back(word);
    }
    d.fields = ui::parseFields(named);
    for (const auto& [key, text] : d.fields) {
        if (std::find(known.begin(), known.end(), key) == known.end()) {
            console_.message("Fehler", slab::format("Unbekanntes Feld \"%s\".", key.c_str()));
            return std::nullopt;
        }
    }
    return d;
}

std::optional<double> DaskelConsole::numberField(const Fields& fields, const std::string& key,
                                                 std::string_view call, bool required,
                                                 double fallback) {
    auto it = fields.find(key);
    if (it == fields.end()) {
        if (!required) return fallback;
        usage(call);
        return std::nullopt;
    }
    auto v = ui::finiteNumber(it->second);
    if (!v) notANumber(key, it->second);
    return v;
}

ui::Flow DaskelConsole::areaLoad(const ui::Words& words) {
    const std::string call = callOf(Action::AreaLoad);
    AreaLoadInput in;
    ui::Words numbers = words;
    if (!numbers.empty() && numbers.back() == "konstant") {
        in.constant = true;
        numbers.pop_back();
    }
    if (numbers.empty() || numbers.size() % 3 != 0) return usage(call);
    for (std::size_t i = 0; i < numbers.size(); i += 3) {
        auto v = ui::numbers(ui::Words(numbers.begin() + i, numbers.begin() + i + 3), 3);
        if (!v) {
            for (std::size_t k = i; k < i + 3; ++k)
                if (!ui::finiteNumber(numbers[k])) return notANumber("Ecke", numbers[k]);
            return usage(call);
        }
        in.corners.push_back({(*v)[0], (*v)[1], (*v)[2]});
    }
    if (editor_->addAreaLoad(in))
        out_ << "Teilflächenlast " << editor_->loadCase().nt() << " eingegeben.\n";
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::lineLoad(const ui::CommandCall& call) {
    const std::string usageLine = callOf(Action::LineLoad);
    auto d = dialogWords(call, {"anfang", "ende", "art"});
    if (!d) return ui::Flow::Continue;
    if (d->positional.size() != 4) return usage(usageLine);
    auto at = ui::numbers(d->positional, 4);
    if (!at) return notANumber("Koordinate", firstNonNumber(d->positional));
    LineLoadInput in;
    auto start = numberField(d->fields, "anfang", usageLine, true);
    if (!start) return ui::Flow::Continue;
    auto end = numberField(d->fields, "ende", usageLine, true);
    if (!end) return ui::Flow::Continue;
    if (auto it = d->fields.find("art"); it != d->fields.end()) {
        if (it->second != "kraft" && it->second != "moment") return usage(usageLine);
        in.kind = it->second == "moment" ? LineLoadKind::Moments : LineLoadKind::Forces;
    }
    in.xa = (*at)[0];
    in.ya = (*at)[1];
    in.xb = (*at)[2];
    in.yb = (*at)[3];
    in.start = *start;
    in.end = *end;
    in.comment = d->comment;
    if (editor_->addLineLoad(in))
        out_ << "Linienlast " << editor_->loadCase().nl() << " eingegeben.\n";
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::pointLoad(const ui::CommandCall& call) {
    const std::string usageLine = callOf(Action::PointLoad);
    auto d = dialogWords(call, {"groesse", "art", "nx", "ny", "b"});
    if (!d) return ui::Flow::Continue;
    if (d->positional.size() != 2) return usage(usageLine);
    auto at = ui::numbers(d->positional, 2);
    if (!at) return notANumber("Koordinate", firstNonNumber(d->positional));
    PointLoadInput in;
    if (auto it = d->fields.find("art"); it != d->fields.end()) {
        static constexpr std::pair<std::string_view, PointLoadKind> kKinds[] = {
            {"kraft", PointLoadKind::Force},
            {"moment", PointLoadKind::Moment},
            {"knick", PointLoadKind::Kink},
            {"verdrehung", PointLoadKind::Rotation},
            {"sprung", PointLoadKind::Offset}};
        auto kind = std::find_if(std::begin(kKinds), std::end(kKinds),
                                 [&](const auto& k) { return k.first == it->second; });
        if (kind == std::end(kKinds)) return usage(usageLine);
        in.kind = kind->second;
    }
    auto size = numberField(d->fields, "groesse", usageLine, true);
    auto nx = size ? numberField(d->fields, "nx", usageLine, false) : std::nullopt;
    auto ny = nx ? numberField(d->fields, "ny", usageLine, false) : std::nullopt;
    auto b = ny ? numberField(d->fields, "b", usageLine, false) : std::nullopt;
    if (!b) return ui::Flow::Continue;
    in.x = (*at)[0];
    in.y = (*at)[1];
    in.size = *size;
    in.nx = *nx;
    in.ny = *ny;
    in.width = *b;
    in.comment = d->comment;
    if (editor_->addPointLoad(in))
        out_ << "Punktlast " << editor_->loadCase().np() << " eingegeben.\n";
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::boundaryLoad(const ui::CommandCall& call) {
    const std::string usageLine = callOf(Action::BoundaryLoad);
    auto d = dialogWords(call, {"a", "b", "art"});
    if (!d) return ui::Flow::Continue;
    if (d->positional.size() != 2) return usage(usageLine);
    auto boundary = slab::parseInteger(d->positional[0]);
    auto section = slab::parseInteger(d->positional[1]);
    if (!boundary || !section) return usage(usageLine);
    EdgeLoadInput in;
    in.boundary = *boundary;
    in.section = *section;
    if (auto it = d->fields.find("art"); it != d->fields.end()) {
        if (it->second != "V" && it->second != "M") return usage(usageLine);
        in.kind = it->second == "M" ? EdgeLoadKind::Moments : EdgeLoadKind::Forces;
    }
    auto a = numberField(d->fields, "a", usageLine, true);
    auto b = a ? numberField(d->fields, "b", usageLine, true) : std::nullopt;
    if (!b) return ui::Flow::Continue;
    in.a = *a;
    in.b = *b;
    in.comment = d->comment;
    if (editor_->addEdgeLoad(in))
        out_ << "Randlast " << editor_->loadCase().nr() << " eingegeben.\n";
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::temperature(const ui::Words& words) {
    const std::string usageLine = callOf(Action::Temperature);
    if (words.size() == 1 && words[0] == "loeschen") {
        editor_->clearTemperature();
        return ui::Flow::Continue;
    }
    const Fields fields = ui::parseFields(words);
    for (const auto& [key, text] : fields)
        if (key != "dt" && key != "alpha") return usage(usageLine);
    auto dt = numberField(fields, "dt", usageLine, true);
    auto alpha = dt ? numberField(fields, "alpha", usageLine, true) : std::nullopt;
    if (!alpha) return ui::Flow::Continue;
    editor_->setTemperature({*dt, *alpha});
    return ui::Flow::Continue;
}

ui::Flow DaskelConsole::deleteLoad(LoadList list, Action action, const ui::Words& words) {
    auto n = words.size() == 1 ? slab::parseInteger(words[0]) : std::nullopt;
    if (!n) return usage(callOf(action));
    if (editor_->removeLoad(list, *n)) out_ << "Gelöscht.\n";
    return ui::Flow::Continue;
}

} // namespace daskel
