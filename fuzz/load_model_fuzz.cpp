// Fuzz target: the load editor's reading of the slab model and of the load files of a load case.
// Input parts: PARAMETER, KNOTEN1, ELEMENTE1 (compact records), ELEMENTE2LF1, KNOTEN2LF1.
// Whatever is read stays within its tables, and the load files written from it read back the same.
#include "common/file_io.hpp"
#include "fuzz/support/fuzz_support.hpp"
#include "loads/element_loads.hpp"
#include "loads/slab_model.hpp"
#include "solver/modelfiles/model_files.hpp"

#include <cstring>

namespace {

using namespace daskel;

void requireSoundModel(const SlabModel& m, const std::vector<std::string>& problems) {
    fuzz::requireClearTexts(problems, "Hinweis zum Modell");
    fuzz::require(m.nodeCount >= 0 && m.nodeCount <= slab::kMaxNodes, "Knotenzahl");
    fuzz::require(m.elementCount >= 0 && m.elementCount <= slab::kMaxElements, "Elementzahl");
    fuzz::require(m.nodes.size() >= static_cast<std::size_t>(m.nodeCount) + 1,
                  "Knotentabelle groß genug");
    fuzz::require(m.elements.size() >= static_cast<std::size_t>(m.elementCount) + 1,
                  "Elementtabelle groß genug");
    if (!problems.empty())
        fuzz::require(m.nodeCount == 0 && m.elementCount == 0, "beschädigtes Netz bleibt leer");
    for (int e = 1; e <= m.elementCount; ++e)
        for (int n : m.elements[static_cast<std::size_t>(e)].node)
            fuzz::require(n >= 1 && n <= m.nodeCount, "Eckknoten unter den Knoten");
}

template <class R>
bool sameRows(const slab::RecordTable<R>& a, const slab::RecordTable<R>& b, int count) {
    const auto x = slab::encodeRows(a, static_cast<std::size_t>(count));
    const auto y = slab::encodeRows(b, static_cast<std::size_t>(count));
    return x.size() == y.size() && std::memcmp(x.data(), y.data(), x.size()) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitParts(data, size, 5);
    fuzz::clearScratch();
    const std::string dir = fuzz::scratchDirectory();
    fuzz::writeModelFiles(dir, parts[0], parts[1], parts[2], {}, {});
    fuzz::writePart(dir + "ELEMENTE2LF1", parts[3]);
    fuzz::writePart(dir + "KNOTEN2LF1", parts[4]);

    std::vector<std::string> problems;
    const SlabModel model = readSlabModel(dir, problems);
    requireSoundModel(model, problems);

    std::vector<std::string> loadProblems;
    const LoadTables loads = readLoadFiles(dir, 1, model, loadProblems);
    fuzz::requireClearTexts(loadProblems, "Hinweis zu den Lastdateien");
    fuzz::require(loads.elementLoads.size() >= static_cast<std::size_t>(model.elementCount) + 1,
                  "Elementlasttabelle groß genug");
    fuzz::require(loads.nodeLoads.size() >= static_cast<std::size_t>(model.nodeCount) + 1,
                  "Knotenlasttabelle groß genug");
    if (model.elementCount == 0) return 0;

    // Saved and read again, the tables are the same.
    const auto failed = writeLoadFiles(dir, 1, model, loads);
    fuzz::require(failed.empty(), "Lastdateien geschrieben");
    std::vector<std::string> againProblems;
    const LoadTables again = readLoadFiles(dir, 1, model, againProblems);
    fuzz::require(againProblems.empty(), "gespeicherte Lastdateien ohne Hinweis");
    fuzz::require(sameRows(loads.elementLoads, again.elementLoads, model.elementCount),
                  "Elementlasten gleich nach dem Speichern");
    fuzz::require(sameRows(loads.nodeLoads, again.nodeLoads, model.nodeCount),
                  "Knotenlasten gleich nach dem Speichern");
    return 0;
}
