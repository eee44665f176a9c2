// Fuzz target: the result viewer's reading of a computed load case (model files, result files,
// Info and the report's load control), and the extremes and contours drawn from what it accepts.
// Input parts: PARAMETER, KNOTEN1, ELEMENTE1 (compact records), FEDER1, BETTUNG1 (compact),
// Knoten3LF1, Elemente3LF1, Knoten2LF1, Info (a short part is its head, padded), OUTPUTFEM.txt.
#include "fuzz/support/fuzz_support.hpp"
#include "solver/modelfiles/model_files.hpp"
#include "solver/modelfiles/result_layouts.hpp"
#include "viewer/contour.hpp"
#include "viewer/extrema.hpp"
#include "viewer/field_mesh.hpp"
#include "viewer/levels.hpp"
#include "viewer/load_control.hpp"
#include "viewer/result_reader.hpp"

#include <cmath>
#include <string>

namespace {

using namespace viewer;

void requireSoundResults(const ResultSet& r) {
    fuzz::require(r.nodeCount() >= 1 && r.nodeCount() <= slab::kMaxNodes, "Knotenzahl");
    fuzz::require(r.elementCount() >= 1 && r.elementCount() <= slab::kMaxElements, "Elementzahl");
    fuzz::require(r.nodeResults.size() == r.nodes.size(), "eine Ergebniszeile je Knoten");
    fuzz::require(r.elementResults.size() == r.elements.size(), "eine Ergebniszeile je Element");
    fuzz::require(r.reactions.size() == r.nodes.size(), "eine Auflagerzeile je Knoten");
    for (int e = 1; e <= r.elementCount(); ++e) {
        const Element& el = r.element(e);
        for (int n : el.node)
            fuzz::require(n >= 1 && n <= r.nodeCount(), "Eckknoten unter den Knoten");
        fuzz::require(el.lx > 0 && el.ly > 0, "positive Elementlängen");
        fuzz::requireFinite(el.bedding, "Bettungsmodul");
        for (double v : r.elementResults[static_cast<std::size_t>(e)])
            fuzz::requireFinite(v, "Elementergebnis");
    }
    for (int j = 1; j <= r.nodeCount(); ++j) {
        fuzz::requireFinite(r.node(j).at.x, "Knoten x");
        fuzz::requireFinite(r.node(j).at.y, "Knoten y");
        for (double v : r.node(j).spring)
            fuzz::requireFinite(v, "Federkonstante");
        for (std::size_t c = 1; c < r.nodeResults[static_cast<std::size_t>(j)].size(); ++c)
            fuzz::requireFinite(r.nodeResults[static_cast<std::size_t>(j)][c], "Knotenergebnis");
        for (double v : r.reactions[static_cast<std::size_t>(j)])
            fuzz::requireFinite(v, "Auflagerkraft");
    }
}

// The pictures of an accepted result: every extreme finite, the levels ordered, the contours
// of small meshes drawn.
void drawQuantities(const ResultSet& r) {
    for (Quantity q : kQuantities) {
        const auto ex = extremaOf(r, q);
        if (!ex) continue;
        const std::string name(quantityName(q));
        fuzz::require(std::isfinite(ex->min.value), "Kleinstwert endlich", name);
        fuzz::require(std::isfinite(ex->max.value), "Größtwert endlich", name);
        fuzz::require(ex->min.value <= ex->max.value, "Kleinstwert nicht über dem Größtwert");
        const Levels levels = levelsFor(ex->min.value, ex->max.value);
        for (std::size_t k = 1; k < levels.thresholds.size(); ++k)
            fuzz::require(levels.thresholds[k - 1] < levels.thresholds[k], "Stufen aufsteigend");
        if (isField(q) && r.elementCount() <= 12) {
            const FieldMesh mesh = fieldMesh(r, q, 2);
            contour(mesh, levels);
        }
    }
}

std::string padded(std::string_view part, std::size_t size) {
    std::string bytes(part);
    if (!bytes.empty() && bytes.size() <= slab::InfoCounts::kSize) bytes.resize(size, '\0');
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitParts(data, size, 10);
    fuzz::clearScratch();
    const std::string dir = fuzz::scratchDirectory();
    // Written in the order of a run, so that the results are newer than the model.
    fuzz::writeModelFiles(dir, parts[0], parts[1], parts[2], parts[3], parts[4]);
    fuzz::writePart(dir + "Knoten3LF1", parts[5]);
    fuzz::writePart(dir + "Elemente3LF1", parts[6]);
    fuzz::writePart(dir + "Knoten2LF1", parts[7]);
    fuzz::writePart(dir + "Info", padded(parts[8], slab::kInfoSize));
    fuzz::writePart(dir + kReportName, parts[9]);

    const ReadOutcome read = readResults(dir, 1);
    if (!read.results) {
        fuzz::requireClearTexts({read.error}, "Meldung zu den Ergebnissen");
    } else {
        fuzz::require(read.error.empty(), "keine Meldung bei Annahme", read.error);
        requireSoundResults(*read.results);
        drawQuantities(*read.results);
    }
    const LoadControlOutcome control = readLoadControl(dir, 1);
    if (control.control) {
        fuzz::requireFinite(control.control->p, "Lastsumme");
        fuzz::requireFinite(control.control->sn, "Summe der Ersatzknotenkräfte");
        fuzz::requireFinite(control.control->ss, "Auflagersumme");
    } else {
        fuzz::requireClearTexts({control.note}, "Hinweis zur Lastkontrolle");
    }
    return 0;
}
