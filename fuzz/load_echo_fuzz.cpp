// Fuzz target: the load echo ECHO_L (imported as ACADLAST). The first input byte picks the
// geometry the echo is read against; every block read stays within the table capacities and is
// written and read back to the same text.
#include "fuzz/support/fuzz_support.hpp"
#include "fuzz/support/load_case_checks.hpp"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const EchoGeometry g = geometryFor(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const EchoImport import = readEchoImage(bytes, g);
    fuzz::requireClearTexts(import.problems, "Hinweis zum Lesen");
    for (const EchoBlock& b : import.blocks) {
        fuzz::require(validLoadCaseNumber(b.number) && b.loadCase.number == b.number,
                      "Lastfallnummer 1 bis 99");
        fuzz::requireWithinTables(b.loadCase);
        fuzz::requireEchoRoundTrip(b.loadCase, g);
    }
    ui::ScriptedUi box;
    reportEchoImport(import, "ECHO_L.P1", box);
    fuzz::requireClearMessages(box);
    return 0;
}
