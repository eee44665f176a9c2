// Fuzz target: the small files of the load editor and the position's protocol. The first input
// byte picks the reader (PL header, DIARY, D2LOG, TIMELW, MMRYL, TTABLE, KNOTENEIN, the load
// document D2.TXT); the rest is the file. Every image read is written and read back the same.
#include "common/codepage.hpp"
#include "fuzz/support/fuzz_support.hpp"
#include "loads/d2/d2_file.hpp"
#include "loads/d2/d2_sections.hpp"
#include "loads/generator/entered_node_loads.hpp"
#include "loads/load_case_files.hpp"
#include "loads/view_memory.hpp"
#include "solver/modelfiles/parameter.hpp"
#include "solver/modelfiles/ttable.hpp"

#include <algorithm>
#include <set>

namespace {

using namespace daskel;
using Bytes = std::vector<std::uint8_t>;

void header(const Bytes& bytes) {
    const auto counts = decodeHeaderCounts(bytes);
    const auto lc = decodeHeader(bytes);
    fuzz::require(counts.has_value() == lc.has_value(), "Kopf und Zähler gleich lesbar");
    if (!lc) return;
    fuzz::require(fuzz::validUtf8(lc->title), "Titel in UTF-8", lc->title);
    const Bytes image = encodeHeader(*lc);
    const auto again = decodeHeader(image);
    fuzz::require(again.has_value(), "geschriebener Kopf wird gelesen");
    // The field holds Windows-1252, one byte per character; a title it cannot hold is refused
    // at entry. Older files held UTF-8 and are recognised by being valid UTF-8, so a
    // Windows-1252 title whose bytes happen to form UTF-8 too (such as "Ã¼") reads as that.
    // Every other title comes back as it was.
    if (slab::ansiFieldProblem(lc->title, kMaxTitle)) return;
    if (const auto ansi = slab::utf8ToWindows1252(lc->title);
        ansi && *ansi != lc->title && fuzz::validUtf8(*ansi))
        return;
    fuzz::require(again->title == lc->title, "Titel gleich nach dem Schreiben", lc->title);
    fuzz::require(encodeHeader(*again) == image, "Kopf gleich nach dem Schreiben");
}

void diary(const Bytes& bytes) {
    std::vector<std::string> problems;
    const Diary d = decodeDiary(bytes, problems);
    fuzz::requireClearTexts(problems, "Hinweis zu DIARY");
    fuzz::require(d.count() >= 0 && d.count() <= kMaxLoadCase, "höchstens 99 Einträge");
    std::set<int> seen;
    for (int n : d.numbers) {
        fuzz::require(validLoadCaseNumber(n), "Lastfallnummer 1 bis 99");
        fuzz::require(seen.insert(n).second, "jede Nummer einmal");
    }
    std::vector<std::string> againProblems;
    const Diary again = decodeDiary(encodeDiary(d), againProblems);
    fuzz::require(againProblems.empty(), "geschriebenes DIARY ohne Hinweis");
    fuzz::require(again.numbers == d.numbers, "Nummern gleich nach dem Schreiben");
}

void saveOrder(const Bytes& bytes) {
    const std::vector<int> order = decodeSaveOrder(bytes);
    fuzz::require(order.size() <= bytes.size() / 2, "nicht mehr Nummern als die Datei hält");
    fuzz::require(decodeSaveOrder(encodeSaveOrder(order)) == order,
                  "D2LOG gleich nach dem Schreiben");
}

void importStamp(const Bytes& bytes) {
    const auto time = decodeImportStampTime(bytes);
    if (!time) return;
    fuzz::require(decodeImportStampTime(encodeImportStamp(*time, 0)) == time, "TIMELW gleich");
}

void memory(const Bytes& bytes) {
    Memory m = decodeMemory(bytes);
    fuzz::require(m.image.size() == Memory::kSize, "MMRYL hat 144 Bytes");
    const ViewSwitches v = viewSwitches(m);
    setViewSwitches(m, v);
    fuzz::require(viewSwitches(m) == v, "Schalter gleich nach dem Schreiben");
    const Memory again = decodeMemory(m.image);
    fuzz::require(viewSwitches(again) == v, "Schalter gleich nach dem Lesen");
}

void timeTable(const Bytes& bytes) {
    const auto records = slab::decodeTimeTable(bytes);
    fuzz::require(records.size() == bytes.size() / slab::TimeTableRecord::kSize, "ganze Sätze");
    Bytes image;
    for (const auto& r : records) {
        fuzz::require(fuzz::validUtf8(r.text), "Text in UTF-8", r.text);
        const Bytes one = slab::encodeTimeTableRecord(r);
        image.insert(image.end(), one.begin(), one.end());
    }
    const auto again = slab::decodeTimeTable(image);
    fuzz::require(again.size() == records.size(), "TTABLE gleich viele Sätze");
    for (std::size_t k = 0; k < again.size(); ++k)
        fuzz::require(again[k].time == records[k].time && again[k].text == records[k].text,
                      "TTABLE-Satz gleich nach dem Schreiben");
}

void enteredNodeLoads(const Bytes& bytes) {
    const auto records = decodeEnteredNodeLoads(bytes);
    if (!records) return;
    fuzz::require(records->size() * EnteredNodeRecord::kSize == bytes.size(), "ganze Sätze");
    fuzz::require(records->size() <= static_cast<std::size_t>(slab::kMaxNodes),
                  "höchstens 3000 Knoten");
    // Restored into a table of three nodes: either every agreeing node or none changes.
    slab::RecordTable<slab::NodalLoadRecord> table(4);
    restoreEnteredLoads(table, *records);
}

// The load document of the position: a section stored and removed again leaves a document the
// next store and removal read without fault.
void loadDocument(std::string_view text) {
    fuzz::clearScratch();
    const std::string dir = fuzz::scratchDirectory();
    fuzz::writePart(dir + "D2.TXT", text);
    ui::ScriptedUi box;
    storeLoadDocumentSection(dir, 7, d2OpeningLine(), d2TitlePrefix(7) + " Nutzlast\n", box);
    removeLoadDocumentSections(dir, {7}, box);
    storeLoadDocumentSection(dir, 7, d2OpeningLine(), d2TitlePrefix(7) + " Nutzlast\n", box);
    fuzz::requireClearMessages(box);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const Bytes bytes(data + 1, data + size);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 8) {
    case 0:
        header(bytes);
        break;
    case 1:
        diary(bytes);
        break;
    case 2:
        saveOrder(bytes);
        break;
    case 3:
        importStamp(bytes);
        break;
    case 4:
        memory(bytes);
        break;
    case 5:
        timeTable(bytes);
        break;
    case 6:
        enteredNodeLoads(bytes);
        break;
    case 7:
        loadDocument(text);
        break;
    }
    return 0;
}
