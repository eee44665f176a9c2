// Tables of fixed-size records numbered from 1, and their byte images in the model files.
#pragma once

#include "common/binary_io.hpp"
#include "common/file_io.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace slab {

/// A table of records numbered from 1; row 0 is never used.
template <class R> using RecordTable = std::vector<R>;

/// Decodes one record from R::kSize bytes at p.
template <class R> R decodeRecord(const std::uint8_t* p) {
    R r{};
    R::fields(r, FieldReader{p});
    return r;
}

/// Encodes one record into R::kSize bytes at p.
template <class R> void encodeRecord(const R& r, std::uint8_t* p) {
    R::fields(r, FieldWriter{p});
}

/// Decodes rows 1 to count from the file image; a short image fills only the rows it holds
/// (the others keep their contents). Rows beyond the table are never touched.
/// Returns the number of rows filled.
template <class R>
std::size_t decodeRows(const std::vector<std::uint8_t>& bytes, RecordTable<R>& table,
                       std::size_t count) {
    std::size_t rows = std::min({count, bytes.size() / R::kSize, table.empty() ? 0 : table.size() - 1});
    for (std::size_t k = 0; k < rows; ++k) table[k + 1] = decodeRecord<R>(bytes.data() + k * R::kSize);
    return rows;
}

/// Encodes rows 1 to count (at most the rows the table has) as the file image.
template <class R> std::vector<std::uint8_t> encodeRows(const RecordTable<R>& table, std::size_t count) {
    std::size_t rows = std::min(count, table.empty() ? 0 : table.size() - 1);
    std::vector<std::uint8_t> bytes(rows * R::kSize);
    for (std::size_t k = 0; k < rows; ++k) encodeRecord(table[k + 1], bytes.data() + k * R::kSize);
    return bytes;
}

/// What reading a record file found.
/// The offset of the first floating-point field of the record that holds an infinity or NaN;
/// nullopt when every one is finite.
template <class R> std::optional<std::size_t> firstNonFiniteField(const R& r) {
    std::optional<std::size_t> found;
    R::fields(r, [&](std::size_t offset, const auto& field) {
        using T = std::decay_t<decltype(field)>;
        if (found) return;
        if constexpr (std::is_floating_point_v<T>) {
            if (!std::isfinite(field)) found = offset;
        } else if constexpr (requires { field.size(); }) {
            using E = typename T::value_type;
            if constexpr (std::is_floating_point_v<E>)
                for (std::size_t i = 0; i < field.size() && !found; ++i)
                    if (!std::isfinite(field[i])) found = offset + i * sizeof(E);
        }
    });
    return found;
}

struct RowsRead {
    bool opened = false;   ///< the file exists and could be read
    std::size_t rows = 0;  ///< rows filled from it
};

/// Reads rows 1 to count of the file at path (name looked up without regard to case).
template <class R> RowsRead readRows(const std::string& path, RecordTable<R>& table, std::size_t count);

/// Writes rows 1 to count to path as one whole file; false if it cannot be written.
template <class R> bool writeRows(const std::string& path, const RecordTable<R>& table, std::size_t count);

template <class R> RowsRead readRows(const std::string& path, RecordTable<R>& table, std::size_t count) {
    auto bytes = readFileBytes(path);
    if (!bytes) return {};
    return {true, decodeRows(*bytes, table, count)};
}

template <class R> bool writeRows(const std::string& path, const RecordTable<R>& table, std::size_t count) {
    return writeFileAtomic(path, encodeRows(table, count));
}

} // namespace slab
