// Reading the load control from the report's text.
#include "viewer/load_control.hpp"

#include "common/file_io.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "common/text.hpp"
#include "viewer/result_reader.hpp"

namespace viewer {

namespace {

// The value after `label` on the line that starts with it.
std::optional<std::string_view> valueAfter(std::string_view text, std::string_view label) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(at, end - at);
        if (line.substr(0, label.size()) == label) return slab::trim(line.substr(label.size()));
        at = end + 1;
    }
    return std::nullopt;
}

} // namespace

std::optional<LoadControl> parseLoadControl(std::string_view report) {
    LoadControl c;
    auto integer = [&](std::string_view label, int& into) {
        const auto v = valueAfter(report, label);
        const auto n = v ? slab::parseInteger(*v) : std::nullopt;
        if (n) into = *n;
        return n.has_value();
    };
    auto number = [&](std::string_view label, double& into) {
        const auto v = valueAfter(report, label);
        const auto n = v ? slab::parseNumber(*v) : std::nullopt;
        if (n) into = *n;
        return n.has_value();
    };
    if (!integer("Anzahl der Knoten:", c.nodeCount) ||
        !integer("Anzahl der Elemente:", c.elementCount) ||
        !integer("Berechneter Lastfall (Nr.):", c.loadCase) ||
        !number("Summe der Vertikalkräfte (LF p):", c.p) ||
        !number("Summe der äquiv. Knotenkräfte (FEM):", c.sn) ||
        !number("Summe der äquiv. Lagerkräfte (FEM):", c.ss) ||
        !number("Gleichgewicht des Lastfalls ph (=0!):", c.ph))
        return std::nullopt;
    const bool yes = report.find("''Das globale Gleichgewicht ist erfüllt!''") != report.npos;
    const bool no = report.find("''Das globale Gleichgewicht ist NICHT erfüllt!''") != report.npos;
    if (yes == no) return std::nullopt;
    c.balanced = yes;
    return c;
}

LoadControlOutcome readLoadControl(const std::string& directory, int loadCase) {
    const std::string dir = slab::withTrailingSlash(directory);
    const std::string again = slab::format(
        " Berechnen Sie den Lastfall %i neu, um seine Lastkontrolle zu sehen.", loadCase);
    LoadControlOutcome out;
    const auto text = slab::readFileText(dir + kReportName);
    if (!text) {
        out.note = std::string("Der Bericht ") + kReportName + " fehlt." + again;
        return out;
    }
    const auto control = parseLoadControl(*text);
    if (!control) {
        out.note = std::string("Der Bericht ") + kReportName +
                   " ist unvollständig: die Lastkontrolle fehlt." + again;
        return out;
    }
    if (control->loadCase != loadCase) {
        out.note =
            slab::format("Der Bericht %s gehört zum Lastfall %i.", kReportName, control->loadCase) +
            again;
        return out;
    }
    if (const auto written = slab::fileModified(dir + kReportName))
        if (auto newer = inputNewerThan(dir, loadCase, *written)) {
            out.note = slab::format("Der Bericht %s ist älter als die Datei %s.", kReportName,
                                    newer->c_str()) +
                       again;
            return out;
        }
    out.control = control;
    return out;
}

} // namespace viewer
