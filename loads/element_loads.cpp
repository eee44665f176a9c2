// Self weight, the element, edge and node load tables, clearing all loads and the load files.
#include "loads/element_loads.hpp"

#include "common/file_io.hpp"
#include "common/format.hpp"
#include "loads/file_names.hpp"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>

namespace daskel {

namespace {

using slab::ElementLoadRecord;
using slab::NodalLoadRecord;

constexpr std::size_t kMaxCellText = 120;

} // namespace

LoadTables emptyLoadTables(const SlabModel& model) {
    LoadTables t;
    t.elementLoads.assign(static_cast<std::size_t>(model.elementCount) + 1, ElementLoadRecord{});
    t.nodeLoads.assign(static_cast<std::size_t>(model.nodeCount) + 1, NodalLoadRecord{});
    return t;
}

float applySelfWeight(LoadCase& lc, LoadTables& loads, const SlabModel& model, double gamma,
                      double g) {
    lc.gamma = gamma;
    lc.g = g;
    lc.selfWeight = true;
    double d1 = model.elementCount > 0 ? model.elements[1].thickness : 0.0;
    float v = static_cast<float>(gamma * d1 + g);
    if (std::fabs(v) > 1e-6f) {
        lc.uniform = true;
        lc.uniformValue = v;
        for (int e = 1; e <= model.elementCount; ++e)
            loads.elementLoads[e].v[ElementLoadRecord::kAreaLoad] =
                static_cast<float>(gamma * model.elements[e].thickness + g);
    } else {
        // Nothing to spread: earlier element loads stay as they are.
        // ... and a load of zero is no triangular load either; a constant mark stays.
        lc.uniform = false;
        if (lc.uniformShape == UniformShape::Triangular) lc.uniformShape = UniformShape::Unmarked;
        lc.uniformValue = 0;
    }
    return v;
}

std::optional<std::string> selfWeightError(const SlabModel& model, double gamma, double g) {
    // Each value may fit and their sum still not: γ = g = 3e38 would write infinities.
    constexpr double kLargest = std::numeric_limits<float>::max();
    auto fits = [&](double v) { return std::isfinite(v) && std::fabs(v) <= kLargest; };
    bool ok = fits(gamma) && fits(g);
    for (int e = 1; ok && e <= model.elementCount; ++e)
        ok = fits(gamma * model.elements[e].thickness + g);
    if (ok) return std::nullopt;
    return std::string("Eigengewicht und Verkehrslast ergeben eine Flächenlast über 3,4E+38 "
                       "kN/m², die nicht in die Lastdatei paßt; nichts wurde geändert.");
}

void clearSelfWeight(LoadCase& lc, LoadTables& loads, const SlabModel& model) {
    for (int e = 1; e <= model.elementCount; ++e)
        loads.elementLoads[e].v[ElementLoadRecord::kAreaLoad] = 0;
    lc.selfWeight = false;
    lc.gamma = lc.g = 0;
    lc.uniformValue = 0;
    lc.uniform = false;
    lc.uniformShape = UniformShape::Unmarked;
}

void clearAllLoads(LoadCase& lc, LoadTables& loads, const SlabModel& model) {
    for (int e = 1; e <= model.elementCount; ++e) {
        ElementLoadRecord& r = loads.elementLoads[e];
        r.v[ElementLoadRecord::kAreaLoad] = 0;
        for (int k = 0; k < 4; ++k)
            r.v[ElementLoadRecord::kEdgeLoad + k] = 0;
        for (int corner : model.elements[e].node) {
            NodalLoadRecord& n = loads.nodeLoads[corner];
            for (int k = 0; k < 4; ++k) {
                n.v[NodalLoadRecord::kPrescribed + k] = 0;
                n.v[NodalLoadRecord::kLoad + k] = 0;
            }
        }
    }
    lc.uniformValue = 0;
    lc.uniform = false;
    // The self weight goes with its element loads: left set, the load echo and the load document
    // would keep a self weight the load files no longer carry. The dialog's presets stay.
    lc.selfWeight = false;
    lc.gamma = lc.g = 0;
    // These loads are generated into the node loads on every save: left in the load case they
    // would come back into an influence load case or a load case cleared on purpose.
    lc.areaLoads.clear();
    lc.lineLoads.clear();
    lc.pointLoads.clear();
    lc.edgeLoads.clear();
    lc.temperature = false;
    lc.deltaT = lc.alphaT = 0;
}

std::optional<std::string> elementError(const SlabModel& model, int element) {
    if (model.elementCount == 0)
        return "Die Position hat keine Elemente; bitte erst die Platte im Geometrieprogramm "
               "speichern.";
    if (element < 1 || element > model.elementCount)
        return slab::format("Element %i gibt es nicht; die Platte hat die Elemente 1 bis %i.",
                            element, model.elementCount);
    return std::nullopt;
}

std::optional<std::string> edgeError(const SlabModel& model, int element, int edge) {
    if (auto e = elementError(model, element)) return e;
    if (edge < 1 || edge > 4) return "Kante muß zwischen 1 und 4 liegen!";
    return std::nullopt;
}

std::optional<std::string> nodeError(const SlabModel& model, int node) {
    if (model.nodeCount == 0)
        return "Die Position hat keine Knoten; bitte erst die Platte im Geometrieprogramm "
               "speichern.";
    if (node < 1 || node > model.nodeCount)
        return slab::format("Knoten %i gibt es nicht; die Platte hat die Knoten 1 bis %i.", node,
                            model.nodeCount);
    return std::nullopt;
}

void setNodeValues(LoadTables& loads, int node, const NodeValues& values) {
    NodalLoadRecord& r = loads.nodeLoads[node];
    for (int c = 0; c < 8; ++c) {
        if (!values[c]) continue;
        std::size_t field =
            c < 4 ? NodalLoadRecord::kPrescribed + c : NodalLoadRecord::kLoad + c - 4;
        r.v[field] = *values[c];
    }
}

double nodeValue(const LoadTables& loads, int node, int column) {
    const NodalLoadRecord& r = loads.nodeLoads[node];
    return column < 4 ? r.v[NodalLoadRecord::kPrescribed + column]
                      : r.v[NodalLoadRecord::kLoad + column - 4];
}

std::optional<float> cellValue(std::string text) {
    if (text.size() > kMaxCellText) text.resize(kMaxCellText);
    if (text.find_first_not_of(' ') == std::string::npos) return 0.0f;
    auto v = slab::parseNumber(text);
    // A value beyond single precision would reach the load files as an infinity.
    if (!v || !std::isfinite(*v) || std::fabs(*v) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*v);
}

std::string cellError(const std::string& label, const std::string& text) {
    auto v = slab::parseNumber(text);
    if (v && std::isfinite(*v))
        return slab::format("%s: \"%s\" ist zu groß für die Lastdateien (höchstens 3,4E+38); "
                            "nichts wurde geändert.",
                            label.c_str(), text.c_str());
    return slab::format("%s: \"%s\" ist keine Zahl; nichts wurde geändert.", label.c_str(),
                        text.c_str());
}

std::string cellText(double value) {
    return slab::withDecimalComma(slab::format("%.2f", value));
}

std::vector<std::string> writeLoadFiles(const std::string& positionDirectory, int loadCase,
                                        const SlabModel& model, const LoadTables& loads) {
    std::vector<std::string> failed;
    const std::string nodes = nodeLoadFileName(loadCase);
    const std::string elements = elementLoadFileName(loadCase);
    if (!slab::writeRows(positionDirectory + nodes, loads.nodeLoads, model.nodeCount))
        failed.push_back(nodes);
    if (!slab::writeRows(positionDirectory + elements, loads.elementLoads, model.elementCount))
        failed.push_back(elements);
    return failed;
}

LoadTables readLoadFiles(const std::string& positionDirectory, int loadCase, const SlabModel& model,
                         std::vector<std::string>& problems) {
    LoadTables t = emptyLoadTables(model);
    auto check = [&](const std::string& name, slab::RowsRead read, int count) {
        if (read.opened && static_cast<int>(read.rows) < count)
            problems.push_back(
                slab::format("Die Datei %s enthält %zu statt %i Datensätze; die übrigen sind 0.",
                             name.c_str(), read.rows, count));
    };
    const std::string nodes = nodeLoadFileName(loadCase);
    const std::string elements = elementLoadFileName(loadCase);
    check(nodes, slab::readRows(positionDirectory + nodes, t.nodeLoads, model.nodeCount),
          model.nodeCount);
    check(elements,
          slab::readRows(positionDirectory + elements, t.elementLoads, model.elementCount),
          model.elementCount);
    return t;
}

} // namespace daskel
