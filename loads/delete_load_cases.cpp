// Deleting load cases: their sections of the load document, their blocks of the load echo,
// their place in the save orders and the list, their header and the files of their area, point,
// edge and line loads. Their two load files stay.
#include "common/file_io.hpp"
#include "common/format.hpp"
#include "loads/d2/d2_file.hpp"
#include "loads/document.hpp"
#include "loads/document_texts.hpp"
#include "loads/file_names.hpp"

#include <algorithm>

namespace daskel {

namespace {

/// Removes entry v (1-based) of the list; the entries and markers behind it move one place
/// forward.
void removeFromDiary(Diary& diary, int v) {
    diary.numbers.erase(diary.numbers.begin() + (v - 1));
    for (int w = v; w < kMaxLoadCase; ++w)
        diary.marker[w] = diary.marker[w + 1];
    diary.marker[kMaxLoadCase] = 0;
}

} // namespace

bool LoadEditor::deleteLoadCases(const std::vector<int>& named) {
    // A load case named twice is deleted once: its entry is gone after the first time.
    std::vector<int> numbers;
    for (int n : named)
        if (std::find(numbers.begin(), numbers.end(), n) == numbers.end()) numbers.push_back(n);
    if (numbers.empty()) return false;
    for (int n : numbers) {
        if (diary_.entryOf(n) == 0) {
            ui_.message(titles::kError, slab::format("Der LF %i ist nicht definiert.", n));
            return false;
        }
    }
    std::vector<bool> keep(diary_.numbers.size(), true);
    for (int n : numbers)
        keep[diary_.entryOf(n) - 1] = false;

    if (!removeLoadDocumentSections(paths_.positionDirectory, numbers, ui_))
        return false; // the document is unchanged, so nothing else is deleted either
    std::vector<std::int16_t> listed(diary_.numbers.begin(), diary_.numbers.end());
    if (!removeEchoBlocks(paths_.positionDirectory, paths_.suffix, listed, keep, ui_))
        return false; // the load echo is unchanged, so nothing else is deleted either

    std::vector<int> kept;
    for (std::size_t v = 0; v < keep.size(); ++v)
        if (keep[v]) kept.push_back(diary_.numbers[v]);
    for (std::string_view order : {files::kDocumentOrder, files::kSaveOrder})
        if (!kept.empty() && slab::fileExists(positionFile(order)))
            slab::writeFileAtomic(positionFile(order), encodeSaveOrder(kept));

    for (int n : numbers) {
        removeLoadCaseFiles(n);
        removeFromDiary(diary_, diary_.entryOf(n));
    }
    if (!slab::writeFileAtomic(positionFile(diaryFileName(paths_.suffix)), encodeDiary(diary_)))
        ui_.message(titles::kError, slab::format("Die Datei %s konnte nicht geschrieben werden.",
                                                 diaryFileName(paths_.suffix).c_str()));
    removePositionFile(deleteListFileName(paths_.suffix));

    if (std::find(numbers.begin(), numbers.end(), lc_.number) != numbers.end()) newLoadCase();
    return true;
}

void LoadEditor::removeLoadCaseFiles(int n) const {
    // The header says which of the other files the load case has.
    const std::string header = headerFileName(n, paths_.suffix);
    auto counts = decodeHeaderCounts(
        slab::readFileBytes(positionFile(header)).value_or(std::vector<std::uint8_t>{}));
    removePositionFile(header);
    if (!counts) return;
    auto removeOwn = [&](std::string_view base) {
        removePositionFile(editorLoadCaseFile(base, n, paths_.suffix));
    };
    if (counts->edgeLoadFlag) {
        removeOwn(files::kEdgeLoads);
        removeOwn(files::kEdgeComments);
    }
    // The macros of the domains under self weight are written without area loads as well.
    removeOwn(files::kMacros);
    removeOwn(files::kMacroHeaders);
    if (counts->np > 0) {
        removeOwn(files::kPointLoads);
        removeOwn(files::kPointComments);
    }
    if (counts->nl > 0) {
        removeOwn(files::kLineLoads);
        removeOwn(files::kLineComments);
    }
}

} // namespace daskel
