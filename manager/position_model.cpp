// Reading and writing the model arrays.
#include "manager/position_model.hpp"

#include "common/file_io.hpp"
#include "common/format.hpp"

#include <algorithm>

namespace tarvik {

namespace {

/// The table of count records, or nothing when the file is missing or shorter.
template <class R>
std::optional<slab::RecordTable<R>> readWhole(const std::string& path, int count) {
    if (count <= 0) return std::nullopt;
    auto bytes = slab::readFileBytes(path);
    const auto rows = static_cast<std::size_t>(count);
    if (!bytes || bytes->size() < rows * R::kSize) return std::nullopt;
    slab::RecordTable<R> table(rows + 1);
    slab::decodeRows(*bytes, table, rows);
    return table;
}

template <class R>
void writeTable(const std::optional<slab::RecordTable<R>>& table, int count,
                const std::string& path, std::string_view name, std::vector<std::string>& failed) {
    if (!table || count <= 0) return;
    if (!slab::writeRows(path, *table, static_cast<std::size_t>(count))) failed.emplace_back(name);
}

} // namespace

PositionModel readPositionModel(const std::string& dir, ports::MessageBox& box) {
    PositionModel m;
    auto bytes = slab::readFileBytes(dir + std::string(slab::files::kParameter));
    if (!bytes) return m;
    auto parameter = slab::decodeParameter(*bytes);
    if (!parameter) {
        box.message("Fehler", slab::format("Die Datei %sPARAMETER ist beschädigt: sie ist kürzer "
                                           "als 8 Byte.",
                                           dir.c_str()));
        return m;
    }
    if (parameter->nodeCount < 0 || parameter->nodeCount > slab::kMaxNodes ||
        parameter->elementCount < 0 || parameter->elementCount > slab::kMaxElements) {
        box.message("Fehler", slab::format("Die Datei %sPARAMETER ist beschädigt: %i Knoten und %i "
                                           "Elemente (je 0 bis %i).",
                                           dir.c_str(), parameter->nodeCount,
                                           parameter->elementCount, slab::kMaxNodes));
        return m;
    }
    m.nodeCount = parameter->nodeCount;
    m.elementCount = parameter->elementCount;
    m.nodes = readWhole<slab::NodeRecord>(dir + std::string(slab::files::kNodes), m.nodeCount);
    m.springs =
        readWhole<slab::SpringRecord>(dir + std::string(slab::files::kSprings), m.nodeCount);
    m.elements =
        readWhole<slab::ElementRecord>(dir + std::string(slab::files::kElements), m.elementCount);
    m.bedding =
        readWhole<slab::BeddingRecord>(dir + std::string(slab::files::kBedding), m.elementCount);
    if (m.nodes) {
        const auto& n = *m.nodes;
        Bounds b{n[1].x, n[1].y, n[1].x, n[1].y};
        for (int k = 2; k <= m.nodeCount; ++k) {
            b.xMin = std::min(b.xMin, n[k].x);
            b.yMin = std::min(b.yMin, n[k].y);
            b.xMax = std::max(b.xMax, n[k].x);
            b.yMax = std::max(b.yMax, n[k].y);
        }
        m.bounds = b;
    }
    return m;
}

std::vector<std::string> writeModelArrays(const PositionModel& m, const std::string& dir) {
    std::vector<std::string> failed;
    writeTable(m.nodes, m.nodeCount, dir + std::string(slab::files::kNodes), slab::files::kNodes,
               failed);
    writeTable(m.elements, m.elementCount, dir + std::string(slab::files::kElements),
               slab::files::kElements, failed);
    writeTable(m.springs, m.nodeCount, dir + std::string(slab::files::kSprings),
               slab::files::kSprings, failed);
    writeTable(m.bedding, m.elementCount, dir + std::string(slab::files::kBedding),
               slab::files::kBedding, failed);
    return failed;
}

} // namespace tarvik
