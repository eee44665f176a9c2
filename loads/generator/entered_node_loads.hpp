// KNOTENEIN<LF text><suffix>: per node the nodal loads as the engineer entered them and the
// loads KNOTEN2LF received (entered plus generated), so that a reopened load case shows what was
// entered and counts the generated part once; with the writing and reading of the two load
// files around it.
#pragma once

#include "loads/generator/generated_loads.hpp"
#include "loads/slab_model.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace daskel {

/// One node: P, Mx, My, Mxy as entered, then as written into KNOTEN2LF (float64 each).
struct EnteredNodeRecord {
    static constexpr std::size_t kSize = 64;
    std::array<double, 4> entered{};
    std::array<double, 4> written{};

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.entered);
        f(32, r.written);
    }
};

/// The node loads KNOTEN2LF receives: the entered table with the generated loads added to
/// indexes 6 to 9, the other fields as entered.
slab::RecordTable<slab::NodalLoadRecord>
withGenerated(const slab::RecordTable<slab::NodalLoadRecord>& entered,
              const GeneratedLoads& generated);

/// The KNOTENEIN image of rows 1 to count: entered and written loads.
std::vector<std::uint8_t>
encodeEnteredNodeLoads(const slab::RecordTable<slab::NodalLoadRecord>& entered,
                       const slab::RecordTable<slab::NodalLoadRecord>& written, int count);

/// The records of a KNOTENEIN image; nullopt when its size is no whole number of records or
/// exceeds the model capacity.
std::optional<std::vector<EnteredNodeRecord>>
decodeEnteredNodeLoads(const std::vector<std::uint8_t>& bytes);

/// Replaces the loads read from KNOTEN2LF (indexes 6 to 9 of rows 1 to the table's end) by the
/// entered ones when every node both hold agrees with the loads written; returns false and
/// leaves the table as it is otherwise.
bool restoreEnteredLoads(slab::RecordTable<slab::NodalLoadRecord>& nodeLoads,
                         const std::vector<EnteredNodeRecord>& records);

/// Writes KNOTEN2LF<n> (entered plus generated), ELEMENTE2LF<n>, and KNOTENEIN of load case n
/// when something was generated (else removes it); returns the names of the files that could
/// not be written.
std::vector<std::string> writeLoadFiles(const std::string& positionDirectory, int loadCase,
                                        const std::string& suffix, const SlabModel& model,
                                        const LoadTables& entered, const GeneratedLoads& generated);

/// Reads both load files of load case n with the entered node loads restored from KNOTENEIN.
/// Without KNOTENEIN the file holds what was entered. When KNOTEN2LF no longer holds what was
/// written with KNOTENEIN, its loads count as entered and `problems` says so.
LoadTables readEnteredLoadFiles(const std::string& positionDirectory, int loadCase,
                                const std::string& suffix, const SlabModel& model,
                                std::vector<std::string>& problems);

} // namespace daskel
