// Importing all load cases of the archive ACADLAST, and the question of the first display
// whether to do so.
#include "common/file_io.hpp"
#include "common/file_lookup.hpp"
#include "common/format.hpp"
#include "common/text.hpp"
#include "loads/document.hpp"
#include "loads/document_texts.hpp"
#include "loads/file_names.hpp"

#include <filesystem>

namespace daskel {

namespace {

// The loads of a load case that its two load files do not carry, so the solver does not see
// them; empty when there are none. Area, line, point and edge loads, the triangular load and
// the temperature are generated into the node loads; settlements of columns and walls, which
// the mesh has none of, are not.
std::string loadsOutsideTheLoadFiles(const LoadCase& lc) {
    std::vector<std::string> kinds;
    if (!lc.columnSettlements.empty()) kinds.push_back("Stützensenkungen");
    if (!lc.wallMovements.empty()) kinds.push_back("Wandbewegungen");
    return slab::joinNames(kinds);
}

std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace

std::optional<std::string> LoadEditor::archivePath() const {
    std::string inWork = paths_.workDirectory + archiveFileName(paths_.suffix);
    if (slab::fileExists(inWork)) return inWork;
    std::string inPosition = positionFile(archiveFileName(paths_.suffix));
    if (slab::fileExists(inPosition)) return inPosition;
    return std::nullopt;
}

void LoadEditor::storeImportStamp(const std::string& path) {
    std::error_code ec;
    auto size = std::filesystem::file_size(slab::resolveCaseInsensitive(path), ec);
    slab::writeFileAtomic(positionFile(files::kImportStamp),
                          encodeImportStamp(modificationTime(path).value_or(0),
                                            ec ? 0 : static_cast<std::int64_t>(size)));
}

void LoadEditor::firstDisplay() {
    std::string inPosition = positionFile(archiveFileName(paths_.suffix));
    std::string path = slab::fileExists(inPosition)
                           ? inPosition
                           : paths_.workDirectory + archiveFileName(paths_.suffix);
    if (!slab::fileExists(path) || slab::fileExists(positionFile(files::kImportSwitch))) return;
    auto stamp = slab::readFileBytes(positionFile(files::kImportStamp));
    auto stored = stamp ? decodeImportStampTime(*stamp) : std::nullopt;
    auto now = modificationTime(path);
    if (stored && now && *stored == static_cast<std::int32_t>(*now)) return;
    auto answer = ui_.message("Frage",
                              slab::format("Alle LF aus der Datei %s übernehmen? (Kopie aus einer "
                                           "anderen Position oder Archivdatei)",
                                           fileName(path).c_str()),
                              ports::Buttons::YesNo);
    if (answer == ports::Answer::Yes)
        importAll();
    else
        storeImportStamp(path);
}

bool LoadEditor::importAll() {
    auto path = archivePath();
    if (!path) {
        std::string first = archiveFileName(paths_.suffix);
        ui_.message(titles::kNote, " Weder der File " + paths_.workDirectory + first +
                                       " existiert, noch der File " + positionFile(first));
        return false;
    }
    auto bytes = slab::readFileBytes(*path);
    if (!bytes) {
        ui_.message(titles::kError,
                    slab::format("Die Datei %s kann nicht gelesen werden.", path->c_str()));
        return false;
    }
    const std::string name = fileName(*path);
    EchoImport imported = readEchoImage(std::string(bytes->begin(), bytes->end()), geometry_);
    reportEchoImport(imported, name, ui_);
    // A copy only in the working directory is kept with the position.
    std::string inPosition = positionFile(archiveFileName(paths_.suffix));
    if (*path != inPosition && !slab::fileExists(inPosition))
        slab::writeFileAtomic(inPosition, *bytes);

    int saved = 0;
    int lastSaved = 0;
    std::string outside;
    for (const EchoBlock& block : imported.blocks) {
        if (diary_.entryOf(block.number) == 0 && diary_.count() >= kMaxLoadCase) {
            ui_.message(titles::kError, slab::format("LF %i wurde nicht übernommen: die Liste der "
                                                     "Lastfälle ist voll (%i Lastfälle).",
                                                     block.number, kMaxLoadCase));
            continue;
        }
        if (importBlock(block)) {
            ++saved;
            lastSaved = block.number;
        }
        if (std::string kinds = loadsOutsideTheLoadFiles(lc_); !kinds.empty())
            outside += slab::format(" LF %i: %s.", block.number, kinds.c_str());
    }
    if (!outside.empty())
        ui_.message(titles::kNote, "Diese Lasten stehen nur im Lastfall, nicht in den "
                                   "Lastdateien, und werden vom Rechenprogramm nicht "
                                   "berücksichtigt:" +
                                       outside);
    // The next start looks at the position's copy first, so that is the one to remember.
    storeImportStamp(slab::fileExists(inPosition) ? inPosition : *path);
    // The last load case that was saved is shown; a refused one has no files to show.
    if (lastSaved != 0) readLoadCase(lastSaved);
    ui_.status(slab::format("%i Lastfälle aus %s übernommen.", saved, name.c_str()));
    return true;
}

bool LoadEditor::importBlock(const EchoBlock& block) {
    resetLoadCase();
    lc_ = block.loadCase;
    refuseEdgeLoadsOffTheSlab(block.number);
    // Self weight and a uniform load reach the solver as element loads, as from the dialog.
    if (lc_.selfWeight) {
        if (auto why = selfWeightError(model_, lc_.gamma, lc_.g)) {
            ui_.message(titles::kError, slab::format("LF %i wurde nicht übernommen: %s",
                                                     block.number, why->c_str()));
            return false;
        }
        LoadCase header = lc_;
        applySelfWeight(lc_, loads_, model_, header.gamma, header.g);
    } else if (lc_.uniform && lc_.uniformShape != UniformShape::Triangular) {
        for (int e = 1; e <= model_.elementCount; ++e)
            loads_.elementLoads[e].v[slab::ElementLoadRecord::kAreaLoad] =
                static_cast<float>(lc_.uniformValue);
    }
    return saveSequence(block.number);
}

} // namespace daskel
