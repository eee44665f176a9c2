// Starting on a position.
#include "geometry/start.hpp"

#include "common/command_line.hpp"
#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "common/text.hpp"
#include "geometry/geometry_file.hpp"

#include <cmath>

namespace morvel {

namespace {

/// Coordinates in the geometry file carry millimetres; KNOTEN1 matches within this distance.
constexpr double kCoordinateMatch = 0.001;

} // namespace

std::optional<Position> positionFromCommandLine(const std::string& commandLine,
                                                const std::string& workDirectory,
                                                ports::MessageBox& box) {
    const slab::CommandLine cl = slab::splitCommandLine(commandLine);
    // A data path of blanks alone is as missing as none.
    const std::string dataPath(slab::trimEnd(cl.dataPath));
    if (cl.position.size() < 2 || cl.position[0] != '.' || dataPath.empty()) {
        box.message("Fehlende Eingabe", "Kommandozeile: .POS @Datenpfad\\ ");
        return std::nullopt;
    }
    Position p;
    p.name = cl.position.substr(1);
    if (auto error = slab::positionNameError(p.name)) {
        box.message("Fehlende Eingabe", *error);
        return std::nullopt;
    }
    p.dataPath = slab::withTrailingSlash(dataPath);
    p.workDirectory = slab::withTrailingSlash(workDirectory);
    return p;
}

StartMode chooseStartMode(const Position& p) {
    const std::string dir = p.directory();
    const auto archive =
        slab::fileModified(dir + std::string(slab::files::kGeometryArchive) + p.suffix());
    const auto echo =
        slab::fileModified(dir + std::string(slab::files::kGeometryEcho) + p.suffix());
    if (echo && slab::fileExists(p.workDirectory + std::string(kForceEchoFile)))
        return StartMode::LoadEcho;
    if (!archive && !echo) return StartMode::NewPosition;
    if (!echo) return StartMode::LoadArchive;
    if (!archive) return StartMode::LoadEcho;
    return *echo > *archive ? StartMode::LoadEcho : StartMode::LoadArchive;
}

LoadResult loadGeometryFile(Model& m, const std::string& name, const Position& p,
                            ports::MessageBox& box) {
    const std::string inWork = p.workDirectory + name;
    const std::string inPosition = p.directory() + name;
    const bool fromWork = slab::fileExists(inWork);
    const std::string path = fromWork ? inWork : inPosition;
    auto text = slab::readFileText(path);
    if (!text) {
        box.message("Hinweis",
                    " Weder der File " + inWork + " existiert, noch der File" + inPosition);
        return LoadResult::Missing;
    }
    Model loaded;
    loaded.kind = m.kind;
    if (auto error = readGeometryText(*text, loaded)) {
        box.message("Fehler", slab::format("Die Datei %s wurde nicht geladen: %s", path.c_str(),
                                           error->c_str()));
        return LoadResult::Refused;
    }
    if (fromWork && !slab::writeFileAtomic(inPosition, *text))
        box.message("Hinweis",
                    slab::format("Die Datei %s konnte nicht kopiert werden.", inPosition.c_str()));
    m = std::move(loaded);
    return LoadResult::Loaded;
}

void adoptModelFiles(Model& m, const std::string& directory, ports::MessageBox& box) {
    auto parameterBytes = slab::readFileBytes(directory + std::string(slab::files::kParameter));
    if (!parameterBytes) return;
    auto parameter = slab::decodeParameter(*parameterBytes);
    auto nodes = slab::readFileBytes(directory + std::string(slab::files::kNodes));
    const auto nn = static_cast<std::size_t>(m.nodeCount),
               ne = static_cast<std::size_t>(m.elementCount);
    bool matches = parameter && parameter->nodeCount == m.nodeCount &&
                   parameter->elementCount == m.elementCount && nodes &&
                   nodes->size() >= nn * slab::NodeRecord::kSize;
    slab::RecordTable<slab::NodeRecord> saved(matches ? nn + 1 : 0);
    if (matches) {
        slab::decodeRows(*nodes, saved, nn);
        for (std::size_t n = 1; n <= nn && matches; ++n)
            matches = std::fabs(saved[n].x - m.nodes[n].x) < kCoordinateMatch &&
                      std::fabs(saved[n].y - m.nodes[n].y) < kCoordinateMatch;
    }
    if (!matches) {
        box.message("Hinweis", "KNOTEN1 passt nicht zur Geometriedatei: Lager, Federn und Bettung "
                               "wurden nicht übernommen. Bitte prüfen und neu setzen.");
        return;
    }
    for (std::size_t n = 1; n <= nn; ++n) {
        m.nodes[n].code = saved[n].code;
        m.nodes[n].reserved = saved[n].reserved;
    }
    if (auto springs = slab::readFileBytes(directory + std::string(slab::files::kSprings));
        springs && springs->size() >= nn * slab::SpringRecord::kSize)
        slab::decodeRows(*springs, m.springs, nn);
    if (auto bedding = slab::readFileBytes(directory + std::string(slab::files::kBedding));
        bedding && bedding->size() >= ne * slab::BeddingRecord::kSize)
        slab::decodeRows(*bedding, m.bedding, ne);
}

} // namespace morvel
