// Reading the model and load files of one load case, and the checks on what was read.
#include "solver/model_reader.hpp"

#include "common/format.hpp"
#include "common/position.hpp"

namespace slab {

namespace {

enum class Need { Required, Optional };

// Reads one record file; a missing optional file leaves its rows cleared. A file too short
// for its count is damaged and is refused rather than computed with rows it does not hold.
template <class R>
bool readTable(const std::string& path, const std::string& shownName, RecordTable<R>& table,
               int count, Need need, ports::MessageBox& box) {
    RowsRead r = readRows(path, table, static_cast<std::size_t>(count));
    if (!r.opened) {
        if (need == Need::Optional) return true;
        box.message(kSolverTitle,
                    format("Die Datei %s fehlt im Datenpfad! Bitte die Platte im "
                           "Geometrieprogramm speichern.",
                           shownName.c_str()));
        return false;
    }
    if (r.rows < static_cast<std::size_t>(count)) {
        box.message(kSolverTitle,
                    format("Die Datei %s ist beschädigt: sie enthält %zu statt %i Datensätze.",
                           shownName.c_str(), r.rows, count));
        return false;
    }
    // An infinity or NaN would run through the whole computation and come out as a result.
    for (int k = 1; k <= count; ++k)
        if (auto offset = firstNonFiniteField(table[static_cast<std::size_t>(k)])) {
            box.message(kSolverTitle,
                        format("Die Datei %s ist beschädigt: Datensatz %i enthält bei Byte %zu "
                               "keine endliche Zahl. Bitte die Eingabe wiederholen.",
                               shownName.c_str(), k, *offset));
            return false;
        }
    return true;
}

template <class R> void clearRows(RecordTable<R>& table, int count) {
    for (int k = 1; k <= count; ++k) table[k] = R{};
}

} // namespace

bool readModel(const std::string& dir, int loadCase, SolverModel& m, ports::MessageBox& box) {
    auto parameterBytes = readFileBytes(dir + "Parameter");
    if (!parameterBytes) {
        box.message(kSolverTitle, "Ihr angegebener Datenpfad existiert nicht!");
        return false;
    }
    auto parameter = decodeParameter(*parameterBytes);
    if (!parameter) {
        box.message(kSolverTitle, "Die Datei Parameter ist beschädigt: sie ist kürzer als 8 Byte.");
        return false;
    }
    const int nn = parameter->nodeCount, ne = parameter->elementCount;
    if (nn < 1 || nn > kMaxNodes || ne < 1 || ne > kMaxElements) {
        box.message(kSolverTitle,
                    format("Die Datei Parameter nennt %i Knoten und %i Elemente; zulässig sind "
                           "je 1 bis %i.",
                           nn, ne, kMaxNodes));
        return false;
    }
    m.nodeCount = nn;
    m.elementCount = ne;
    m.beamCount = 0;
    // Rows a file does not fill must not keep values of another position or load case.
    clearRows(m.nodes, nn);
    clearRows(m.elements, ne);
    clearRows(m.springs, nn);
    clearRows(m.bedding, ne);
    clearRows(m.elementLoads, ne);
    clearRows(m.nodalLoads, nn);

    if (!readTable(dir + "Knoten1", "Knoten1", m.nodes, nn, Need::Required, box) ||
        !readTable(dir + "Elemente1", "Elemente1", m.elements, ne, Need::Required, box) ||
        !readTable(dir + "FEDER1", "FEDER1", m.springs, nn, Need::Optional, box) ||
        !readTable(dir + "BETTUNG1", "BETTUNG1", m.bedding, ne, Need::Optional, box))
        return false;

    const std::string elementLoads = loadCaseFileName("Elemente2LF", loadCase);
    if (!fileExists(dir + elementLoads)) {
        box.message(kSolverTitle, "Ihr angegebener Lastfall existiert nicht!");
        return false;
    }
    const std::string nodalLoads = loadCaseFileName("Knoten2LF", loadCase);
    if (!readTable(dir + elementLoads, elementLoads, m.elementLoads, ne, Need::Required, box) ||
        !readTable(dir + nodalLoads, nodalLoads, m.nodalLoads, nn, Need::Optional, box))
        return false;
    return checkElements(m, box);
}

bool checkElements(const SolverModel& m, ports::MessageBox& box) {
    for (int e = 1; e <= m.elementCount; ++e) {
        const auto& node = m.elements[e].node;
        for (int c = 0; c < 4; ++c) {
            if (node[c] < 1 || node[c] > m.nodeCount) {
                box.message(kSolverTitle,
                            format("Element %i: Eckknoten %i ist Knoten %i, es gibt aber nur "
                                   "die Knoten 1 bis %i.",
                                   e, c + 1, node[c], m.nodeCount));
                return false;
            }
        }
        for (int c = 0; c < 4; ++c) {
            for (int d = c + 1; d < 4; ++d) {
                if (node[c] == node[d]) {
                    box.message(kSolverTitle,
                                format("Element %i: Eckknoten %i und %i sind derselbe Knoten %i.",
                                       e, c + 1, d + 1, node[c]));
                    return false;
                }
            }
        }
        const double lengths[2] = {edgeLength(m, e, 1), edgeLength(m, e, 2)};
        for (int k = 0; k < 2; ++k) {
            // Written so that a NaN coordinate is refused as well.
            if (!(static_cast<float>(lengths[k]) > 0.0f)) {
                box.message(kSolverTitle,
                            format("Element %i: Die Länge in %s-Richtung ist %g m und damit nicht "
                                   "positiv. Die Eckknoten müssen von links unten gegen den "
                                   "Uhrzeigersinn folgen.",
                                   e, k == 0 ? "x" : "y", lengths[k]));
                return false;
            }
        }
    }
    return true;
}

} // namespace slab
