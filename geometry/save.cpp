// Saving the position. Every file is written whole through a temporary name; a file that cannot
// be written is named in one message instead of being passed over in silence.
#include "geometry/save.hpp"

#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "common/file_lookup.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "common/text.hpp"
#include "geometry/edge_lines.hpp"
#include "geometry/geometry_file.hpp"
#include "geometry/mesh_generator.hpp"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <filesystem>

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

void write(const std::string& dir, std::string_view name, const std::vector<std::uint8_t>& bytes,
           std::vector<std::string>& failed) {
    if (!slab::writeFileAtomic(dir + std::string(name), bytes)) failed.emplace_back(name);
}

void write(const std::string& dir, std::string_view name, std::string_view text,
           std::vector<std::string>& failed) {
    if (!slab::writeFileAtomic(dir + std::string(name), text)) failed.emplace_back(name);
}

} // namespace

std::string Position::directory() const {
    return slab::positionDirectory(dataPath, name);
}

Date today() {
    std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return {t.tm_wday, t.tm_mday, t.tm_mon + 1, t.tm_year + 1900};
}

std::vector<std::uint8_t> encodeLines(const std::vector<EdgeLine>& lines) {
    std::vector<std::uint8_t> bytes(lines.size() * kLineRecordSize);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const EdgeLine& l = lines[i];
        std::uint8_t* p = bytes.data() + i * kLineRecordSize;
        slab::putLE(p + 0, l.x1);
        slab::putLE(p + 4, l.y1);
        slab::putLE(p + 8, l.x2);
        slab::putLE(p + 12, l.y2);
        slab::putLE<std::int32_t>(p + 16, l.a);
        slab::putLE<std::int32_t>(p + 20, l.b);
        slab::putLE<std::int32_t>(p + 24, l.element);
        slab::putLE<std::int32_t>(p + 28, l.edge);
        p[32] = static_cast<std::uint8_t>(l.code);
        p[33] = l.inner ? 1 : 0;
        slab::putLE(p + 36, l.translational);
        slab::putLE(p + 40, l.rotational);
        const std::string label = edgeSupportLabel(l.code);
        std::copy(label.begin(), label.end(), p + 44);
    }
    return bytes;
}

std::vector<std::uint8_t> encodeWindow(const Model& m, const slab::WorldRect& extents) {
    const slab::WorldRect r = nodeExtents(m).value_or(extents);
    std::vector<std::uint8_t> bytes(16);
    slab::putLE(bytes.data(), r.x1);
    slab::putLE(bytes.data() + 4, r.y1);
    slab::putLE(bytes.data() + 8, r.x2);
    slab::putLE(bytes.data() + 12, r.y2);
    return bytes;
}

std::vector<std::uint8_t> encodePcad(const Model& m, const Settings& s, const std::string& title) {
    constexpr std::size_t kTitleAt = 72, kTitleEnd = 268;
    std::vector<std::uint8_t> bytes(kPcadSize, 0);
    slab::putLE<std::int16_t>(
        bytes.data() + 58, static_cast<std::int16_t>(std::min<std::size_t>(m.lines.size(), 32767)));
    slab::putLE<std::int16_t>(bytes.data() + 60, 1);
    slab::putLE<std::int16_t>(bytes.data() + 62, s.memory.material);
    const std::size_t n = std::min(title.size(), kTitleEnd - kTitleAt - 1);
    std::copy_n(title.begin(), n, bytes.begin() + kTitleAt);
    slab::putLE(bytes.data() + 268, s.user.first);
    slab::putLE(bytes.data() + 388, static_cast<double>(s.memory.wallHeight));
    slab::putLE(bytes.data() + 396, static_cast<double>(s.memory.wallThickness));
    bytes[443] = m.kind == SlabKind::Ground ? 1 : 0;
    bytes[447] = s.user.rc == 1 ? 1 : 0;
    return bytes;
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

std::optional<std::vector<std::uint8_t>>
markDiary(const std::optional<std::vector<std::uint8_t>>& old) {
    std::vector<std::uint8_t> bytes = old.value_or(std::vector<std::uint8_t>(kDiarySize, 0));
    if (bytes.size() != kDiarySize) return std::nullopt;
    const int n = slab::getLE<std::int16_t>(bytes.data());
    // Entries 1 to 99 fit the list; another count means the list is not one the load editor wrote.
    if (n < 0 || n > 99) return std::nullopt;
    for (int v = 1; v <= n; ++v) {
        bytes[static_cast<std::size_t>(202 + v)] = 1;
        bytes[static_cast<std::size_t>(302 + v)] = 0;
    }
    return bytes;
}

std::vector<std::uint8_t> encodeExt(const std::string& suffix) {
    std::vector<std::uint8_t> bytes(kExtSize, 0);
    slab::putTextField(bytes.data(), kExtSize, suffix);
    return bytes;
}

bool writeExt(const Position& p) {
    return slab::writeFileAtomic(p.workDirectory + std::string(slab::files::kExt),
                                 encodeExt(p.suffix()));
}

void writeModel(const Model& m, const Settings& s, const Position& p, const Date& d,
                std::vector<std::string>& failed) {
    const std::string dir = p.directory();
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    writeNodeIndexTable(dir, findNodeIndexTable(m), m.master.nx, m.master.ny, failed);
    write(dir, std::string(slab::files::kGeometryEcho) + p.suffix(), geometryText(m), failed);
    if (!writeGdUser1(p.workDirectory, s.user)) failed.emplace_back(kGdUser1File);
    write(dir, slab::files::kParameter, slab::encodeParameter({m.nodeCount, m.elementCount}),
          failed);
    const auto ne = static_cast<std::size_t>(m.elementCount),
               nn = static_cast<std::size_t>(m.nodeCount);
    if (!slab::writeRows(dir + std::string(slab::files::kElements), m.elements, ne))
        failed.emplace_back(slab::files::kElements);
    if (!slab::writeRows(dir + std::string(slab::files::kBedding), m.bedding, ne))
        failed.emplace_back(slab::files::kBedding);
    if (!slab::writeRows(dir + std::string(slab::files::kNodes), m.nodes, nn))
        failed.emplace_back(slab::files::kNodes);
    if (!slab::writeRows(dir + std::string(slab::files::kSprings), m.springs, nn))
        failed.emplace_back(slab::files::kSprings);
    write(dir, slab::files::kGeometryDocument, documentText(m, p.title(), dir, d), failed);
    if (!slab::fileExists(dir + std::string(slab::files::kLastDocument))) {
        std::vector<std::uint8_t> one(2);
        slab::putLE<std::int16_t>(one.data(), 1);
        write(dir, slab::files::kLastDocument, one, failed);
    }
    if (!slab::fileExists(dir + std::string(slab::files::kDocumentList)))
        write(dir, slab::files::kDocumentList, documentListLine(), failed);
}

bool savePosition(Model& m, const Settings& s, const Position& p, const slab::WorldRect& extents,
                  const Date& d, ports::MessageBox& box) {
    // An empty editor (a new plate, or a geometry file that was refused) must not replace a
    // position's model with nothing.
    if (m.nodeCount == 0 || m.elementCount == 0) {
        box.message("Fehler", "Die Platte hat noch kein Netz. Bitte zuerst die Geometrie "
                              "erzeugen. Nichts gespeichert.");
        return false;
    }
    const std::string dir = p.directory();
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!std::filesystem::is_directory(dir, ec)) {
        box.message(
            "Fehler",
            slab::format("Das Verzeichnis %s kann nicht angelegt werden. Nichts gespeichert.",
                         dir.c_str()));
        return false;
    }
    const double shortest = std::min(0.05, s.margin);
    std::erase_if(m.lines, [&](const EdgeLine& l) {
        return std::hypot(static_cast<double>(l.x2 - l.x1), static_cast<double>(l.y2 - l.y1)) <
               shortest;
    });
    std::vector<std::string> failed;
    const std::string suffix = p.suffix();
    write(dir, std::string(kLinesFile) + suffix, encodeLines(m.lines), failed);
    write(dir, std::string(kWindowFile) + suffix, encodeWindow(m, extents), failed);
    write(dir, std::string(kPcadFile) + suffix, encodePcad(m, s, p.title()), failed);
    if (s.user.rc == 1)
        write(dir, kRcFile, "rc", failed);
    else if (slab::fileExists(dir + std::string(kRcFile)))
        std::filesystem::remove(slab::resolveCaseInsensitive(dir + std::string(kRcFile)), ec);
    writeModel(m, s, p, d, failed);
    const std::string diaryName = std::string(slab::files::kDiary) + suffix;
    if (auto diary = markDiary(slab::readFileBytes(dir + diaryName)))
        write(dir, diaryName, *diary, failed);
    else
        box.message("Hinweis",
                    slab::format("%s ist beschädigt und wurde nicht geändert.", diaryName.c_str()));
    if (!writeExt(p)) failed.emplace_back(slab::files::kExt);
    if (!failed.empty()) {
        box.message("Fehler",
                    slab::format("Nicht geschrieben: %s", slab::joinNames(failed).c_str()));
        return false;
    }
    return true;
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
