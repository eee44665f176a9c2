// Fuzz target: the geometry file ECHO_G. A file read is written again and read back to the same
// text, and the model files saved from it are accepted by the solver's reader.
#include "fuzz/support/fuzz_support.hpp"
#include "geometry/geometry_file.hpp"
#include "geometry/save.hpp"
#include "solver/model_reader.hpp"

#include <filesystem>
#include <memory>

namespace {

void requireSoundTables(const morvel::Model& m) {
    fuzz::require(m.nodeCount >= 0 && m.nodeCount <= slab::kMaxNodes, "Knotenzahl in der Tabelle");
    fuzz::require(m.elementCount >= 0 && m.elementCount <= slab::kMaxElements,
                  "Elementzahl in der Tabelle");
    for (int n = 1; n <= m.nodeCount; ++n) {
        const auto& node = m.nodes[static_cast<std::size_t>(n)];
        fuzz::require(node.number == n, "Datensatz k beschreibt Knoten k");
        fuzz::requireFinite(node.x, "Knoten x");
        fuzz::requireFinite(node.y, "Knoten y");
    }
    for (int e = 1; e <= m.elementCount; ++e) {
        const auto& el = m.elements[static_cast<std::size_t>(e)];
        fuzz::require(el.number == e, "Datensatz k beschreibt Element k");
        for (int corner : el.node)
            fuzz::require(corner >= 1 && corner <= m.nodeCount, "Eckknoten");
        fuzz::requireFinite(el.e, "E-Modul");
        fuzz::requireFinite(el.nu, "Querdehnzahl");
        fuzz::requireFinite(el.thickness, "Dicke");
    }
}

// Saves the model as the geometry editor does and reads it with the solver's reader (with an
// empty load case, which the solver needs to find the position).
void requireSolverAccepts(const morvel::Model& m) {
    if (m.nodeCount < 1 || m.elementCount < 1) return;
    fuzz::clearScratch();
    morvel::Position p;
    p.name = "P1";
    p.dataPath = fuzz::scratchDirectory();
    p.workDirectory = fuzz::scratchSubdirectory("work");
    const std::string dir = p.directory();
    std::filesystem::create_directories(dir);
    std::vector<std::string> failed;
    morvel::writeModel(m, morvel::Settings{}, p, morvel::Date{}, failed);
    fuzz::require(failed.empty(), "Modelldateien geschrieben", failed.empty() ? "" : failed[0]);
    fuzz::writeFile(dir + "ELEMENTE2LF1", std::string(static_cast<std::size_t>(m.elementCount) *
                                                          slab::ElementLoadRecord::kSize,
                                                      '\0'));
    static auto solverModel = std::make_unique<slab::SolverModel>();
    ui::ScriptedUi box;
    const bool ok = slab::readModel(dir, 1, *solverModel, box);
    fuzz::require(ok, "Rechenprogramm liest die gespeicherten Modelldateien",
                  box.messages.empty() ? "" : box.messages[0].text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Each model holds the full table capacity (several MB): made once per process.
    // The reader empties the rows of the counts it holds; after a refusal midway rows beyond
    // them may be filled, so the next read clears the whole tables (one input must not reach
    // the next).
    static auto first = std::make_unique<morvel::Model>();
    static auto second = std::make_unique<morvel::Model>();
    if (auto error = morvel::readGeometryText(text, *first)) {
        fuzz::requireClearTexts({*error}, "Meldung zur Geometriedatei");
        first->nodeCount = slab::kMaxNodes;
        first->elementCount = slab::kMaxElements;
        return 0;
    }
    requireSoundTables(*first);
    const std::string written = morvel::geometryText(*first);
    auto again = morvel::readGeometryText(written, *second);
    fuzz::require(!again, "geschriebene Geometriedatei wird wieder gelesen", again ? *again : "");
    fuzz::require(morvel::geometryText(*second) == written,
                  "zweites Schreiben gibt denselben Text");
    requireSolverAccepts(*first);
    return 0;
}
