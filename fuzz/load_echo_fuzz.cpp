// Fuzz target: the load echo ECHO_L (imported as ACADLAST). The first input byte picks the
// geometry the echo is read against; every block read stays within the table capacities and is
// written and read back to the same text.
#include "fuzz/support/fuzz_support.hpp"
#include "common/codepage.hpp"
#include "loads/echo/echo_file.hpp"

namespace {

using namespace daskel;

// A slab of 8 m by 6 m with a rectangular opening: the sections edge loads may name.
EchoGeometry geometryFor(std::uint8_t choice) {
    EchoGeometry g;
    g.domainCount = 1 + (choice & 1);
    if (choice & 2) return g; // a geometry without sections
    const float outer[5][2] = {{0, 0}, {8, 0}, {8, 6}, {0, 6}, {0, 0}};
    for (std::int16_t s = 0; s < 4; ++s)
        g.sections.push_back({1, static_cast<std::int16_t>(s + 1), outer[s][0], outer[s][1],
                              outer[s + 1][0], outer[s + 1][1]});
    const float hole[5][2] = {{3, 2}, {3, 4}, {5, 4}, {5, 2}, {3, 2}};
    for (std::int16_t s = 0; s < 4; ++s)
        g.sections.push_back({2, static_cast<std::int16_t>(s + 1), hole[s][0], hole[s][1],
                              hole[s + 1][0], hole[s + 1][1]});
    return g;
}

void requireWithinTables(const EchoBlock& b) {
    const LoadCase& lc = b.loadCase;
    fuzz::require(validLoadCaseNumber(b.number) && lc.number == b.number, "Lastfallnummer 1 bis 99");
    fuzz::require(fuzz::validUtf8(lc.title), "Titel in UTF-8", lc.title);
    fuzz::require(lc.nt() <= kMaxAreaLoads, "Flächenlasten in der Tabelle");
    fuzz::require(lc.nl() <= kMaxLineLoads, "Linienlasten in der Tabelle");
    fuzz::require(lc.np() <= kMaxPointLoads, "Punktlasten in der Tabelle");
    fuzz::require(lc.nr() <= kMaxEdgeLoads, "Randlasten in der Tabelle");
    for (const AreaLoad& a : lc.areaLoads)
        fuzz::require(a.corners.size() <= static_cast<std::size_t>(kMaxAreaCorners), "Ecken in der Tabelle");
    for (const Settlement& s : lc.columnSettlements)
        fuzz::require(s.number >= 1 && s.number <= kMaxColumns, "Stützennummer in der Tabelle");
    for (const Settlement& s : lc.wallMovements)
        fuzz::require(s.number >= 1 && s.number <= kMaxWalls, "Wandnummer in der Tabelle");
    for (const LineLoad& l : lc.lineLoads)
        fuzz::require(fuzz::validUtf8(l.comment), "Kommentar in UTF-8", l.comment);
    for (const PointLoad& p : lc.pointLoads)
        fuzz::require(fuzz::validUtf8(p.comment), "Kommentar in UTF-8", p.comment);
    for (const EdgeLoad& e : lc.edgeLoads)
        fuzz::require(fuzz::validUtf8(e.comment), "Kommentar in UTF-8", e.comment);
}

// The block written for a load case read is read back as the same block.
void requireRoundTrip(const EchoBlock& b, const EchoGeometry& g) {
    const std::string text = echoBlockText(b.loadCase, g);
    const std::string image = slab::utf8ToCp850("LASTFÄLLE\n") + echoBlockBytes(b.loadCase, g);
    const EchoImport again = readEchoImage(image, g);
    fuzz::require(again.blocks.size() == 1, "geschriebener Block wird gelesen", text);
    fuzz::require(again.problems.empty(), "geschriebener Block ohne Hinweise",
                  again.problems.empty() ? "" : again.problems[0]);
    fuzz::require(echoBlockText(again.blocks[0].loadCase, g) == text,
                  "geschriebener Block gibt denselben Text", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const EchoGeometry g = geometryFor(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const EchoImport import = readEchoImage(bytes, g);
    fuzz::requireClearTexts(import.problems, "Hinweis zum Lesen");
    for (const EchoBlock& b : import.blocks) {
        requireWithinTables(b);
        requireRoundTrip(b, g);
    }
    ui::ScriptedUi box;
    reportEchoImport(import, "ECHO_L.P1", box);
    fuzz::requireClearMessages(box);
    return 0;
}
