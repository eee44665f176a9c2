// Fuzz target: copying a load case from another position, which reads its load echo or, without
// one, its per-load-case files. Input parts: ECHO_L, PL01, SBD01, MACRO01, SRC_L01, SOUTXT01,
// EDGLD01, ELTXT01, LLOAD01, LLTXT01, a hatch file SBLNS, and a last part that, when not empty,
// asks to add.
// A copy either changes nothing with a reason or gives a load case within its tables whose echo
// block reads back the same; the hatch file of an area is read back the same as well.
#include "fuzz/support/fuzz_support.hpp"
#include "fuzz/support/load_case_checks.hpp"
#include "loads/copy/load_case_copy.hpp"
#include "loads/file_names.hpp"
#include "loads/macros/macro_files.hpp"
#include "loads/outline/slab_outline.hpp"

#include <array>
#include <filesystem>

namespace {

using namespace daskel;

// An 8 m x 6 m slab of 2 x 2 elements: the outline the copied loads are checked against.
const SlabOutline& outline() {
    static const SlabOutline made = [] {
        SlabModel m;
        m.nodeCount = 9;
        m.elementCount = 4;
        m.nodes.resize(10);
        m.elements.resize(5);
        for (int j = 0; j < 9; ++j) {
            m.nodes[static_cast<std::size_t>(j + 1)].number = j + 1;
            m.nodes[static_cast<std::size_t>(j + 1)].x = 4.0 * (j % 3);
            m.nodes[static_cast<std::size_t>(j + 1)].y = 3.0 * (j / 3);
        }
        for (int e = 0; e < 4; ++e) {
            const int first = 1 + (e % 2) + 3 * (e / 2);
            auto& el = m.elements[static_cast<std::size_t>(e + 1)];
            el.number = e + 1;
            el.node = {first, first + 1, first + 4, first + 3};
            el.thickness = 0.2;
        }
        return deriveOutline(m);
    }();
    return made;
}

constexpr std::array kFiles = {files::kMacroHeaders,  files::kMacros,      files::kPointLoads,
                               files::kPointComments, files::kEdgeLoads,   files::kEdgeComments,
                               files::kLineLoads,     files::kLineComments};

void hatchRoundTrip(std::string_view part) {
    const std::vector<std::uint8_t> bytes(part.begin(), part.end());
    const auto segments = decodeHatch(bytes);
    const auto image = encodeHatch(segments);
    fuzz::require(encodeHatch(decodeHatch(image)) == image, "Schraffur gleich nach dem Schreiben");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitParts(data, size, 12);
    fuzz::clearScratch();
    const std::string dataPath = fuzz::scratchDirectory();
    const std::string source = dataPath + "SDIRFEMP2/";
    std::filesystem::create_directories(source);
    fuzz::writePart(source + echoFileName(".P2"), parts[0]);
    fuzz::writePart(source + headerFileName(1, ".P2"), parts[1]);
    for (std::size_t k = 0; k < kFiles.size(); ++k)
        fuzz::writePart(source + editorLoadCaseFile(kFiles[k], 1, ".P2"), parts[2 + k]);

    const std::string target = fuzz::scratchSubdirectory("SDIRFEMP1");
    LoadCase current;
    current.number = 4;
    current.title = "Nutzlast";
    current.pointLoads.push_back(PointLoad{1, 1, 0, 0, 5, 0, PointLoadKind::Force, "Stütze"});
    CopyRequest request{"P2", 1, dataPath.substr(0, dataPath.size() - 1), !parts[11].empty()};
    const CopyResult r = copyLoadCase(current, request, CopyTarget{target, outline()});
    fuzz::require(!r.title.empty() && !r.text.empty(), "Ergebnis mit Titel und Text");
    fuzz::require(fuzz::validUtf8(r.title) && fuzz::validUtf8(r.text), "Meldung in UTF-8", r.text);
    if (r.ok) {
        fuzz::require(r.loadCase.number == current.number, "Nummer bleibt");
        fuzz::requireWithinTables(r.loadCase);
        fuzz::requireEchoRoundTrip(r.loadCase, outline().echoGeometry());
    }
    hatchRoundTrip(parts[10]);
    return 0;
}
