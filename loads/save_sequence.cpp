// Saving a load case, in this order: the checks and load macros, the load case list, LAST, the
// header, the two load files, MACRO, SBD and DOMAINS, the load document with its counter, the
// time table, the hatch files, the load echo and the save order.
#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"
#include "common/text.hpp"
#include "loads/d2/d2_file.hpp"
#include "loads/d2/d2_generated.hpp"
#include "loads/d2/d2_sections.hpp"
#include "loads/document.hpp"
#include "loads/document_texts.hpp"
#include "loads/file_names.hpp"
#include "loads/generator/entered_node_loads.hpp"
#include "loads/macros/hatching.hpp"
#include "loads/macros/macro_files.hpp"
#include "solver/modelfiles/ttable.hpp"

#include <algorithm>
#include <filesystem>

namespace daskel {

namespace {

/// Writes a whole file; a failure adds its name to `failed`.
void writeNoting(const std::string& path, const std::vector<std::uint8_t>& bytes,
                 std::vector<std::string>& failed) {
    if (!slab::writeFileAtomic(path, bytes))
        failed.push_back(std::filesystem::path(path).filename().string());
}

/// A listed number gets its marker, a new one goes to the end of the list.
void listInDiary(Diary& diary, int n) {
    if (int v = diary.entryOf(n); v != 0) {
        diary.marker[v] = 1;
    } else {
        diary.numbers.push_back(n);
        diary.marker[diary.count()] = 0;
    }
}

/// The name of the load document as LAST records it: "D2.TXT" once it exists, else "D2".
std::string documentName(const std::string& positionDirectory) {
    return std::string(slab::fileExists(positionDirectory + std::string(slab::files::kLoadDocument))
                           ? slab::files::kLoadDocument
                           : slab::files::kLoadDocumentOld);
}

/// The document counter: the geometry editor's document 1 is followed by this program's
/// document 2.
void countLoadDocument(const std::string& positionDirectory, std::vector<std::string>& failed) {
    const std::string path = positionDirectory + std::string(slab::files::kLastDocument);
    auto lastd = slab::readFileBytes(path);
    if (!lastd || lastd->size() < 2 || (*lastd)[0] != 1 || (*lastd)[1] != 0) return;
    std::vector<std::uint8_t> two = *lastd;
    two[0] = 2;
    writeNoting(path, two, failed);
}

/// D2LOG keeps the order of first saves: a number not yet listed is appended.
void appendToSaveOrder(const std::string& positionDirectory, int n,
                       std::vector<std::string>& failed) {
    const std::string path = positionDirectory + std::string(files::kSaveOrder);
    std::vector<int> order =
        decodeSaveOrder(slab::readFileBytes(path).value_or(std::vector<std::uint8_t>{}));
    if (std::find(order.begin(), order.end(), n) != order.end()) return;
    order.push_back(n);
    writeNoting(path, encodeSaveOrder(order), failed);
}

} // namespace

bool LoadEditor::save(int n, const std::string& title) {
    if (!validLoadCaseNumber(n)) {
        ui_.message(titles::kError,
                    slab::format("Die Lastfallnummer muß zwischen 1 und %i liegen.", kMaxLoadCase));
        return false;
    }
    if (diary_.entryOf(n) == 0 && diary_.count() >= kMaxLoadCase) {
        ui_.message(titles::kError,
                    slab::format("Die Liste der Lastfälle ist voll (%i Lastfälle). Bitte erst "
                                 "einen Lastfall löschen.",
                                 kMaxLoadCase));
        return false;
    }
    if (!titleFits(title)) return false;
    lc_.title = title;
    if (!saveSequence(n)) return false;
    modified_ = false;
    setCaption(slab::format("Position %s  LF %i", paths_.positionName.c_str(), n));
    return true;
}

bool LoadEditor::saveSequence(int n) {
    const std::string& directory = paths_.positionDirectory;
    lc_.number = static_cast<std::int16_t>(n);
    std::vector<std::string> failed;

    // Checks and load macros; the checks' messages do not stop the save.
    const PreparedMacros prepared = prepareLoadCase(lc_, outline_, n);
    for (const Notice& notice : prepared.notices)
        ui_.message(notice.title, notice.text);
    // The area, line, point and edge loads, the triangular load and the temperature reach
    // the solver as nodal loads, made anew on every save.
    generated_ = generateAsSaved(n);
    if (!generated_.notices.empty()) {
        std::vector<std::string> notes = generated_.notices;
        notes.front() = slab::format("LF %i: ", n) + notes.front();
        reportProblems(notes, titles::kNote);
    }
    removePositionFile(editorLoadCaseFile(files::kMacros, n, paths_.suffix));
    removePositionFile(editorLoadCaseFile(files::kMacroHeaders, n, paths_.suffix));

    listInDiary(diary_, n);
    writeNoting(positionFile(diaryFileName(paths_.suffix)), encodeDiary(diary_), failed);
    writeNoting(paths_.workDirectory + std::string(files::kLast),
                encodeLast(n, paths_.suffix, documentName(directory), paths_.dataPath), failed);
    writeNoting(positionFile(headerFileName(n, paths_.suffix)), encodeHeader(lc_), failed);
    for (const std::string& name :
         writeLoadFiles(directory, n, paths_.suffix, model_, loads_, generated_))
        failed.push_back(name);
    writeMacroFiles(n, prepared, failed);
    // The load document reports its own failure.
    const bool documented = storeLoadDocumentSection(
        directory, n, d2OpeningLine(),
        d2Section(lc_, outline_) + d2GeneratedPart(generated_, tableForce(model_, loads_)), ui_);
    countLoadDocument(directory, failed);
    if (!slab::appendTimeTableRecord(directory, {clock_(), slab::format("Eingabe LF %i", n)}))
        failed.push_back(std::string(slab::files::kTimeTable));
    writeHatchFiles(n, failed);
    if (!writeEchoBlock(directory, paths_.suffix, lc_, geometry_, ui_))
        failed.push_back(echoFileName(paths_.suffix));
    appendToSaveOrder(directory, n, failed);

    if (!failed.empty()) {
        ui_.message(titles::kError, slab::format("LF %i: Nicht geschrieben: %s", n,
                                                 slab::joinNames(failed).c_str()));
        return false;
    }
    return documented;
}

void LoadEditor::writeMacroFiles(int n, const PreparedMacros& prepared,
                                 std::vector<std::string>& failed) {
    if (prepared.writeDomains)
        writeNoting(positionFile(domainsFileName(paths_.suffix)),
                    encodeDomains(outline_.domains, lc_.gamma, lc_.g), failed);
    if (prepared.macros.empty()) return;
    writeNoting(positionFile(editorLoadCaseFile(files::kMacros, n, paths_.suffix)),
                encodeMacroCorners(prepared.macros), failed);
    writeNoting(positionFile(editorLoadCaseFile(files::kMacroHeaders, n, paths_.suffix)),
                encodeMacroHeaders(prepared.macros), failed);
}

void LoadEditor::writeHatchFiles(int n, std::vector<std::string>& failed) {
    for (std::size_t k = 0; k < lc_.areaLoads.size(); ++k) {
        const std::vector<HatchSegment> segments = hatchSegments(lc_.areaLoads[k], outline_);
        if (segments.empty()) continue;
        writeNoting(positionFile(hatchFileName(static_cast<int>(k) + 1, n, paths_.suffix)),
                    encodeHatch(segments), failed);
    }
}

} // namespace daskel
