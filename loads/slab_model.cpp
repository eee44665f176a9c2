// Reading the position's model for the load editor: PARAMETER, KNOTEN1 and ELEMENTE1, checked.
#include "loads/slab_model.hpp"

#include "common/file_io.hpp"
#include "common/format.hpp"
#include "solver/modelfiles/model_files.hpp"
#include "solver/modelfiles/parameter.hpp"

namespace daskel {

SlabModel readSlabModel(const std::string& positionDirectory, std::vector<std::string>& problems) {
    SlabModel m;
    auto parameter = slab::readFileBytes(positionDirectory + std::string(slab::files::kParameter));
    if (!parameter) return m;
    auto counts = slab::decodeParameter(*parameter);
    if (!counts) {
        problems.push_back("Die Datei PARAMETER ist beschädigt: sie ist kürzer als 8 Byte.");
        return m;
    }
    auto inRange = [](int n, int most) { return n >= 0 && n <= most; };
    if (!inRange(counts->nodeCount, slab::kMaxNodes) ||
        !inRange(counts->elementCount, slab::kMaxElements)) {
        problems.push_back(slab::format(
            "Die Datei PARAMETER nennt %i Knoten und %i Elemente; zulässig sind je 0 bis %i.",
            counts->nodeCount, counts->elementCount, slab::kMaxNodes));
        return m;
    }
    SlabModel read;
    read.nodeCount = counts->nodeCount;
    read.elementCount = counts->elementCount;
    read.nodes.resize(static_cast<std::size_t>(read.nodeCount) + 1);
    read.elements.resize(static_cast<std::size_t>(read.elementCount) + 1);
    auto complete = [&](std::string_view name, slab::RowsRead r, int count) {
        if (count == 0) return true;
        if (!r.opened) {
            problems.push_back(
                slab::format("Die Datei %s fehlt im Datenpfad!", std::string(name).c_str()));
            return false;
        }
        if (static_cast<int>(r.rows) < count) {
            problems.push_back(
                slab::format("Die Datei %s ist beschädigt: sie enthält %zu statt %i Datensätze.",
                             std::string(name).c_str(), r.rows, count));
            return false;
        }
        return true;
    };
    bool ok = complete(slab::files::kNodes,
                       slab::readRows(positionDirectory + std::string(slab::files::kNodes),
                                      read.nodes, read.nodeCount),
                       read.nodeCount);
    ok = complete(slab::files::kElements,
                  slab::readRows(positionDirectory + std::string(slab::files::kElements),
                                 read.elements, read.elementCount),
                  read.elementCount) &&
         ok;
    for (int e = 1; ok && e <= read.elementCount; ++e) {
        for (int k = 0; k < 4; ++k) {
            int n = read.elements[e].node[k];
            if (n < 1 || n > read.nodeCount) {
                problems.push_back(slab::format(
                    "Element %i: Eckknoten %i ist Knoten %i, es gibt aber nur die Knoten 1 bis %i.",
                    e, k + 1, n, read.nodeCount));
                ok = false;
                break;
            }
        }
    }
    if (!ok) return m;
    return read;
}

} // namespace daskel
