// Checks on a load case read by the load editor: tables within their capacities, texts in
// UTF-8, and the block of the load echo written from it read back to the same text.
#pragma once

#include "common/codepage.hpp"
#include "fuzz/support/fuzz_support.hpp"
#include "loads/echo/echo_file.hpp"

#include <cmath>
#include <limits>

namespace fuzz {

/// Counts within the tables, numbers within their ranges, texts in UTF-8.
inline void requireWithinTables(const daskel::LoadCase& lc) {
    using namespace daskel;
    require(validUtf8(lc.title), "Titel in UTF-8", lc.title);
    require(lc.nt() <= kMaxAreaLoads, "Flächenlasten in der Tabelle");
    require(lc.nl() <= kMaxLineLoads, "Linienlasten in der Tabelle");
    require(lc.np() <= kMaxPointLoads, "Punktlasten in der Tabelle");
    require(lc.nr() <= kMaxEdgeLoads, "Randlasten in der Tabelle");
    for (const AreaLoad& a : lc.areaLoads)
        require(a.corners.size() <= static_cast<std::size_t>(kMaxAreaCorners),
                "Ecken in der Tabelle");
    for (const Settlement& s : lc.columnSettlements)
        require(s.number >= 1 && s.number <= kMaxColumns, "Stützennummer in der Tabelle");
    for (const Settlement& s : lc.wallMovements)
        require(s.number >= 1 && s.number <= kMaxWalls, "Wandnummer in der Tabelle");
    for (const LineLoad& l : lc.lineLoads)
        require(validUtf8(l.comment), "Kommentar in UTF-8", l.comment);
    for (const PointLoad& p : lc.pointLoads)
        require(validUtf8(p.comment), "Kommentar in UTF-8", p.comment);
    for (const EdgeLoad& e : lc.edgeLoads)
        require(validUtf8(e.comment), "Kommentar in UTF-8", e.comment);
}

/// The block written for the load case is read back as the same block, without notes.
inline void requireEchoRoundTrip(const daskel::LoadCase& lc, const daskel::EchoGeometry& g) {
    using namespace daskel;
    // Header values too small to be normal in single precision are written as zeros; the reader
    // refuses those too large for it. The round trip covers the values that fit.
    auto fits = [](double v) {
        const double a = std::fabs(v);
        return a == 0 ||
               (a >= std::numeric_limits<float>::min() && a <= std::numeric_limits<float>::max());
    };
    if (!fits(lc.gamma) || !fits(lc.g) || !fits(lc.uniformValue) || !fits(lc.deltaT) ||
        !fits(lc.alphaT))
        return;
    for (const auto* list : {&lc.columnSettlements, &lc.wallMovements})
        for (const Settlement& s : *list)
            if (!fits(s.value)) return;
    // Likewise texts with characters that code page 850 lacks are the title and comment checks'
    // to refuse or shorten with a message.
    auto inCp850 = [](const std::string& t) {
        return slab::cp850ToUtf8(slab::utf8ToCp850(t)) == t;
    };
    if (!inCp850(lc.title)) return;
    for (const LineLoad& l : lc.lineLoads)
        if (!inCp850(l.comment)) return;
    for (const PointLoad& p : lc.pointLoads)
        if (!inCp850(p.comment)) return;
    for (const EdgeLoad& e : lc.edgeLoads)
        if (!inCp850(e.comment)) return;
    const std::string text = echoBlockText(lc, g);
    const std::string image = slab::utf8ToCp850("LASTFÄLLE\n") + echoBlockBytes(lc, g);
    const EchoImport again = readEchoImage(image, g);
    require(again.blocks.size() == 1, "geschriebener Block wird gelesen", text);
    require(again.problems.empty(), "geschriebener Block ohne Hinweise",
            again.problems.empty() ? "" : again.problems[0] + "\n" + text);
    const std::string reread = echoBlockText(again.blocks[0].loadCase, g);
    require(reread == text, "geschriebener Block gibt denselben Text", text + "---\n" + reread);
}

} // namespace fuzz
