// The entered node loads beside the load files: KNOTENEIN written with them and read back.
#include "loads/generator/entered_node_loads.hpp"

#include "common/file_io.hpp"
#include "common/file_lookup.hpp"
#include "common/format.hpp"
#include "loads/element_loads.hpp"
#include "loads/file_names.hpp"
#include "solver/modelfiles/parameter.hpp"

#include <filesystem>

namespace daskel {

namespace {

using slab::NodalLoadRecord;

std::string enteredFileName(int loadCase, const std::string& suffix) {
    return editorLoadCaseFile(files::kEnteredNodeLoads, loadCase, suffix);
}

std::array<double, 4> loadsOf(const NodalLoadRecord& r) {
    return {r.v[NodalLoadRecord::kLoad], r.v[NodalLoadRecord::kLoad + 1],
            r.v[NodalLoadRecord::kLoad + 2], r.v[NodalLoadRecord::kLoad + 3]};
}

} // namespace

slab::RecordTable<NodalLoadRecord> withGenerated(const slab::RecordTable<NodalLoadRecord>& entered,
                                                 const GeneratedLoads& generated) {
    slab::RecordTable<NodalLoadRecord> written = entered;
    const std::size_t rows = std::min(written.size(), generated.nodes.size());
    for (std::size_t j = 1; j < rows; ++j)
        for (std::size_t k = 0; k < 4; ++k)
            written[j].v[NodalLoadRecord::kLoad + k] += generated.nodes[j][k];
    return written;
}

std::vector<std::uint8_t> encodeEnteredNodeLoads(const slab::RecordTable<NodalLoadRecord>& entered,
                                                 const slab::RecordTable<NodalLoadRecord>& written,
                                                 int count) {
    slab::RecordTable<EnteredNodeRecord> records(1);
    for (int j = 1; j <= count && static_cast<std::size_t>(j) < entered.size() &&
                    static_cast<std::size_t>(j) < written.size();
         ++j)
        records.push_back({loadsOf(entered[j]), loadsOf(written[j])});
    return slab::encodeRows(records, records.size() - 1);
}

std::optional<std::vector<EnteredNodeRecord>>
decodeEnteredNodeLoads(const std::vector<std::uint8_t>& bytes) {
    const std::size_t count = bytes.size() / EnteredNodeRecord::kSize;
    if (bytes.size() % EnteredNodeRecord::kSize != 0 ||
        count > static_cast<std::size_t>(slab::kMaxNodes))
        return std::nullopt;
    slab::RecordTable<EnteredNodeRecord> table(count + 1);
    slab::decodeRows(bytes, table, count);
    return std::vector<EnteredNodeRecord>(table.begin() + 1, table.end());
}

bool restoreEnteredLoads(slab::RecordTable<NodalLoadRecord>& nodeLoads,
                         const std::vector<EnteredNodeRecord>& records) {
    // A mesh changed since may have fewer or more nodes: the nodes both know decide.
    const std::size_t rows = std::min(nodeLoads.size(), records.size() + 1);
    for (std::size_t j = 1; j < rows; ++j)
        if (loadsOf(nodeLoads[j]) != records[j - 1].written) return false;
    for (std::size_t j = 1; j < rows; ++j)
        for (std::size_t k = 0; k < 4; ++k)
            nodeLoads[j].v[NodalLoadRecord::kLoad + k] = records[j - 1].entered[k];
    return true;
}

std::vector<std::string> writeLoadFiles(const std::string& positionDirectory, int loadCase,
                                        const std::string& suffix, const SlabModel& model,
                                        const LoadTables& entered,
                                        const GeneratedLoads& generated) {
    const std::string name = enteredFileName(loadCase, suffix);
    const std::string path = positionDirectory + name;
    if (!generated.anyLoad()) {
        std::error_code ec;
        std::filesystem::remove(slab::resolveCaseInsensitive(path), ec);
        return writeLoadFiles(positionDirectory, loadCase, model, entered);
    }
    LoadTables written = entered;
    written.nodeLoads = withGenerated(entered.nodeLoads, generated);
    std::vector<std::string> failed = writeLoadFiles(positionDirectory, loadCase, model, written);
    if (!slab::writeFileAtomic(
            path, encodeEnteredNodeLoads(entered.nodeLoads, written.nodeLoads, model.nodeCount)))
        failed.push_back(name);
    return failed;
}

LoadTables readEnteredLoadFiles(const std::string& positionDirectory, int loadCase,
                                const std::string& suffix, const SlabModel& model,
                                std::vector<std::string>& problems) {
    LoadTables t = readLoadFiles(positionDirectory, loadCase, model, problems);
    const std::string name = enteredFileName(loadCase, suffix);
    auto bytes = slab::readFileBytes(positionDirectory + name);
    if (!bytes) return t;
    auto records = decodeEnteredNodeLoads(*bytes);
    if (records && restoreEnteredLoads(t.nodeLoads, *records)) return t;
    problems.push_back(slab::format(
        "Die Knotenlasten in %s passen nicht zu %s; sie gelten als eingegebene Knotenlasten. "
        "Bitte prüfen, ob darin schon erzeugte Lasten stehen, die sonst doppelt zählen.",
        nodeLoadFileName(loadCase).c_str(), name.c_str()));
    return t;
}

} // namespace daskel
