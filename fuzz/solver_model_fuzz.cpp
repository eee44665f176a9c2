// Fuzz target: the solver's reading of a position's model and load files, and a run on small
// models that the reader accepted. Input parts: PARAMETER, KNOTEN1, ELEMENTE1 (compact records),
// FEDER1, BETTUNG1 (compact records), ELEMENTE2LF1, KNOTEN2LF1.
#include "fuzz/support/fuzz_support.hpp"
#include "solver/model_reader.hpp"
#include "solver/solver_run.hpp"

#include <cmath>
#include <cstring>
#include <memory>

namespace {

using namespace slab;

// The rows read equal the file's first rows, byte for byte, when encoded again.
template <class R>
void requireSameImage(const std::string& bytes, const RecordTable<R>& table, int count,
                      std::string_view file) {
    if (bytes.size() < static_cast<std::size_t>(count) * R::kSize) return; // a missing file
    const auto image = encodeRows(table, static_cast<std::size_t>(count));
    fuzz::require(std::memcmp(image.data(), bytes.data(), image.size()) == 0,
                  "Datensätze geben beim Schreiben dieselben Bytes", file);
}

template <class R>
void requireFiniteRows(const RecordTable<R>& table, int count, std::string_view file) {
    for (int k = 1; k <= count; ++k)
        fuzz::require(!firstNonFiniteField(table[static_cast<std::size_t>(k)]),
                      "nur endliche Zahlen gelesen", file);
}

void requireSoundModel(const SolverModel& m) {
    fuzz::require(m.nodeCount >= 1 && m.nodeCount <= kMaxNodes, "Knotenzahl in der Tabelle");
    fuzz::require(m.elementCount >= 1 && m.elementCount <= kMaxElements,
                  "Elementzahl in der Tabelle");
    for (int e = 1; e <= m.elementCount; ++e) {
        const auto& node = m.elements[static_cast<std::size_t>(e)].node;
        for (int c = 0; c < 4; ++c) {
            fuzz::require(node[c] >= 1 && node[c] <= m.nodeCount, "Eckknoten unter den Knoten");
            for (int d = c + 1; d < 4; ++d)
                fuzz::require(node[c] != node[d], "vier verschiedene Ecken");
        }
        fuzz::require(edgeLength(m, e, 1) > 0 && edgeLength(m, e, 2) > 0, "positive Elementlängen");
    }
    requireFiniteRows(m.nodes, m.nodeCount, "Knoten1");
    requireFiniteRows(m.elements, m.elementCount, "Elemente1");
    requireFiniteRows(m.springs, m.nodeCount, "FEDER1");
    requireFiniteRows(m.bedding, m.elementCount, "BETTUNG1");
    requireFiniteRows(m.elementLoads, m.elementCount, "Elemente2LF1");
    requireFiniteRows(m.nodalLoads, m.nodeCount, "Knoten2LF1");
}

// A run on a small accepted model either refuses with a message or ends with finite sums.
void runSmallModel(const std::string& dir) {
    CalculationForm form;
    form.positionDirectory = dir;
    form.loadCase = 1;
    static auto model = std::make_unique<SolverModel>(); // several MB: one per process
    ui::ScriptedUi box;
    const bool ok = runCalculation(form, *model, box, [] { return 0LL; });
    fuzz::requireClearMessages(box);
    if (!ok) {
        fuzz::require(!box.messages.empty(), "Abbruch der Berechnung mit Meldung");
        return;
    }
    fuzz::requireFinite(model->totalLoad, "Lastsumme");
    fuzz::requireFinite(model->equivalentSum, "Summe der Ersatzknotenkräfte");
    fuzz::requireFinite(model->supportSum, "Auflagersumme");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitParts(data, size, 7);
    fuzz::clearScratch();
    const std::string dir = fuzz::scratchDirectory();
    const std::string elements = fuzz::expandElements(parts[2]);
    const std::string bedding = fuzz::expandBedding(parts[4]);
    fuzz::writeModelFiles(dir, parts[0], parts[1], parts[2], parts[3], parts[4]);
    fuzz::writePart(dir + "ELEMENTE2LF1", parts[5]);
    fuzz::writePart(dir + "KNOTEN2LF1", parts[6]);

    // The tables hold the full capacity (several MB): one per process, as in the solver.
    static auto model = std::make_unique<SolverModel>();
    ui::ScriptedUi box;
    const bool ok = readModel(dir, 1, *model, box);
    fuzz::requireClearMessages(box);
    if (!ok) {
        fuzz::require(box.messages.size() == 1, "genau eine Meldung bei Abweisung");
        return 0;
    }
    fuzz::require(box.messages.empty(), "keine Meldung bei Annahme");
    requireSoundModel(*model);
    requireSameImage(std::string(parts[1]), model->nodes, model->nodeCount, "Knoten1");
    requireSameImage(elements, model->elements, model->elementCount, "Elemente1");
    requireSameImage(std::string(parts[3]), model->springs, model->nodeCount, "FEDER1");
    requireSameImage(bedding, model->bedding, model->elementCount, "BETTUNG1");
    requireSameImage(std::string(parts[5]), model->elementLoads, model->elementCount,
                     "Elemente2LF1");
    requireSameImage(std::string(parts[6]), model->nodalLoads, model->nodeCount, "Knoten2LF1");
    if (model->nodeCount <= 25 && model->elementCount <= 16) runSmallModel(dir);
    return 0;
}
