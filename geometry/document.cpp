// The geometry document. Every line starts with one blank; the rule under the date line is as
// long as the date line itself.
#include "geometry/document.hpp"

#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"

#include <algorithm>
#include <ctime>

namespace morvel {

namespace {

const char* const kWeekdays[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                 "Donnerstag", "Freitag", "Samstag"};

/// Characters of a UTF-8 text (continuation bytes not counted).
std::size_t characterCount(std::string_view s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
    }));
}

} // namespace

Date today() {
    std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return {t.tm_wday, t.tm_mday, t.tm_mon + 1, t.tm_year + 1900};
}

std::string dateLine(const Date& d, const std::string& directory) {
    const std::string date = slab::format("%s der %i. %i. %i", kWeekdays[((d.weekday % 7) + 7) % 7],
                                          d.day, d.month, d.year);
    return slab::format("Datum: %s  %s", date.c_str(), directory.c_str());
}

std::string documentText(const Model& m, const std::string& title, const std::string& directory,
                         const Date& d) {
    const char* b = " ";
    const std::string rule(76, '-');
    const std::string date = dateLine(d, directory);
    std::string t;
    slab::appendFormat(
        t, "%sPlattenberechnung nach der Methode der Finiten Elemente Version 1.0 WIN98/NT\n", b);
    slab::appendFormat(t, "%s%s\n", b, rule.c_str());
    slab::appendFormat(t, "%s%s\n", b, title.c_str());
    slab::appendFormat(t, "%s%s\n", b, rule.c_str());
    slab::appendFormat(t, "%s%s\n", b, date.c_str());
    slab::appendFormat(t, "%s%s\n", b, std::string(characterCount(date) + 1, '-').c_str());
    slab::appendFormat(t, "%s\n", b);
    slab::appendFormat(t, "%sKnoten\n", b);
    slab::appendFormat(t, "%s\n", b);
    for (int n = 1; n <= m.nodeCount; ++n) {
        const auto& node = m.nodes[static_cast<std::size_t>(n)];
        slab::appendFormat(t, "%s%3i  x = %6.3f  y = %6.3f\n", b, node.number, node.x, node.y);
    }
    slab::appendFormat(t, "%s\n", b);
    slab::appendFormat(t, "%sElemente\n", b);
    slab::appendFormat(t, "%s\n", b);
    slab::appendFormat(t, "%sKnoten 1    2    3     4     E-Modul  nue   Dicke\n", b);
    slab::appendFormat(t, "%s\n", b);
    for (int k = 1; k <= m.elementCount; ++k) {
        const auto& el = m.elements[static_cast<std::size_t>(k)];
        slab::appendFormat(t, "%s%3i  %3i  %3i  %3i  %3i %6.3lE  %5.2f %5.3f\n", b, el.number,
                           el.node[0], el.node[1], el.node[2], el.node[3], el.e, el.nu,
                           el.thickness);
    }
    slab::appendFormat(t, "%s\n", b);
    return t;
}

std::string documentListLine() {
    return std::string(14, ' ') + "D1" + std::string(48, ' ') + "Abmessungen\n";
}

std::optional<std::string> showDocument(const Position& p, ports::MessageBox& box) {
    const std::string dir = p.directory();
    if (auto text = slab::readFileText(dir + std::string(slab::files::kGeometryDocument)))
        return text;
    if (auto text = slab::readFileText(dir + std::string(slab::files::kGeometryDocumentOld)))
        return text;
    box.message("Fehlende Eingabe",
                slab::format("Es wurde noch keine Diskretisierung vorgenommen. Die Datei %s fehlt.",
                             (dir + std::string(slab::files::kGeometryDocumentOld)).c_str()));
    return std::nullopt;
}

} // namespace morvel
