// Fuzz target: the project manager's reading of a position's model (for its overview and the
// duplication), the overview drawn from it, and the model arrays written again by a duplication.
// Input parts: PARAMETER, KNOTEN1, ELEMENTE1 (compact records), FEDER1, BETTUNG1 (compact).
#include "common/file_io.hpp"
#include "fuzz/support/fuzz_support.hpp"
#include "manager/position_model.hpp"
#include "scene/overview_scene.hpp"

#include <cmath>

namespace {

void requireSoundModel(const tarvik::PositionModel& m) {
    fuzz::require(m.nodeCount >= 0 && m.nodeCount <= slab::kMaxNodes, "Knotenzahl");
    fuzz::require(m.elementCount >= 0 && m.elementCount <= slab::kMaxElements, "Elementzahl");
    auto holds = [](const auto& table, int count) {
        return !table || table->size() >= static_cast<std::size_t>(count) + 1;
    };
    fuzz::require(holds(m.nodes, m.nodeCount) && holds(m.springs, m.nodeCount),
                  "Knotentabellen groß genug");
    fuzz::require(holds(m.elements, m.elementCount) && holds(m.bedding, m.elementCount),
                  "Elementtabellen groß genug");
    if (m.bounds) fuzz::require(m.nodes.has_value(), "Ausdehnung nur aus Knoten");
}

template <class R>
void requireSameRows(const std::optional<slab::RecordTable<R>>& a,
                     const std::optional<slab::RecordTable<R>>& b, int count,
                     std::string_view file) {
    if (!a || !b) return;
    fuzz::require(slab::encodeRows(*a, static_cast<std::size_t>(count)) ==
                      slab::encodeRows(*b, static_cast<std::size_t>(count)),
                  "Kopie mit denselben Datensätzen", file);
}

// The overview either draws the plan in a finite frame or leaves it out.
void drawOverview(const tarvik::PositionModel& m) {
    const scene::OverviewInput input = scene::overviewInput(m, "P1", 1.0);
    const scene::Overview o =
        scene::overviewScene(input, {595, 842}, scene::OverviewTarget::Printer, true, true);
    fuzz::require(!(o.planDrawn && o.hidePlan), "Plan gezeichnet oder verborgen, nicht beides");
    fuzz::require(fuzz::validUtf8(o.title), "Titel in UTF-8", o.title);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitParts(data, size, 5);
    fuzz::clearScratch();
    const std::string dir = fuzz::scratchDirectory();
    fuzz::writeModelFiles(dir, parts[0], parts[1], parts[2], parts[3], parts[4]);
    ui::ScriptedUi box;
    const tarvik::PositionModel m = tarvik::readPositionModel(dir, box);
    fuzz::requireClearMessages(box);
    requireSoundModel(m);
    drawOverview(m);

    // A duplication writes the arrays held into the new position; they read back the same.
    const std::string copy = fuzz::scratchSubdirectory("copy");
    fuzz::writeFile(copy + "PARAMETER", std::string(parts[0]));
    const auto failed = tarvik::writeModelArrays(m, copy);
    fuzz::require(failed.empty(), "Modelldateien der Kopie geschrieben");
    ui::ScriptedUi copyBox;
    const tarvik::PositionModel again = tarvik::readPositionModel(copy, copyBox);
    fuzz::require(again.nodeCount == m.nodeCount && again.elementCount == m.elementCount,
                  "Kopie mit denselben Zahlen");
    fuzz::require(again.nodes.has_value() == m.nodes.has_value() &&
                      again.elements.has_value() == m.elements.has_value() &&
                      again.springs.has_value() == m.springs.has_value() &&
                      again.bedding.has_value() == m.bedding.has_value(),
                  "Kopie mit denselben Tabellen");
    requireSameRows(m.nodes, again.nodes, m.nodeCount, "KNOTEN1");
    requireSameRows(m.springs, again.springs, m.nodeCount, "FEDER1");
    requireSameRows(m.elements, again.elements, m.elementCount, "ELEMENTE1");
    requireSameRows(m.bedding, again.bedding, m.elementCount, "BETTUNG1");
    return 0;
}
