// Saving the position. Every file is written whole through a temporary name; a file that cannot
// be written is named in one message instead of being passed over in silence.
#include "geometry/save.hpp"

#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "common/file_lookup.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"
#include "common/text.hpp"
#include "geometry/geometry_file.hpp"
#include "geometry/mesh_generator.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace morvel {

namespace {

/// A new LASTD names the geometry document, document 1 of the position.
constexpr std::int16_t kGeometryDocumentNumber = 1;

void write(const std::string& dir, std::string_view name, const std::vector<std::uint8_t>& bytes,
           std::vector<std::string>& failed) {
    if (!slab::writeFileAtomic(dir + std::string(name), bytes)) failed.emplace_back(name);
}

void write(const std::string& dir, std::string_view name, std::string_view text,
           std::vector<std::string>& failed) {
    if (!slab::writeFileAtomic(dir + std::string(name), text)) failed.emplace_back(name);
}

} // namespace

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
        std::vector<std::uint8_t> last(sizeof(std::int16_t));
        slab::putLE<std::int16_t>(last.data(), kGeometryDocumentNumber);
        write(dir, slab::files::kLastDocument, last, failed);
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
    if (s.user.rc == RcFile::Written)
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

} // namespace morvel
