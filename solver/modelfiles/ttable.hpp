// TTABLE: the time table of a position's work steps, 92-byte records appended by the editors
// and the manager and listed by the manager's protocol view.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace slab {

struct TimeTableRecord {
    static constexpr std::size_t kSize = 92;
    static constexpr std::size_t kTextOffset = 8;
    static constexpr std::size_t kTextBytes = 84; ///< NUL-terminated, so at most 83 characters
    std::int64_t time = 0;                        ///< seconds since 1970-01-01 00:00 UTC
    std::string text;
};

/// Encodes one record: the time as two 32-bit halves, then the text cut to 83 bytes and NUL-padded.
std::vector<std::uint8_t> encodeTimeTableRecord(const TimeTableRecord& r);

/// Decodes every complete record; an incomplete tail is ignored.
std::vector<TimeTableRecord> decodeTimeTable(const std::vector<std::uint8_t>& bytes);

/// Reads TTABLE of the position directory; empty when it is missing.
std::vector<TimeTableRecord> readTimeTable(const std::string& positionDirectory);

/// Appends a record to TTABLE of the position directory (created when missing). An incomplete
/// tail left by a damaged file is dropped first, since a record behind it could never be read.
/// Returns false when the file cannot be written.
bool appendTimeTableRecord(const std::string& positionDirectory, const TimeTableRecord& r);

} // namespace slab
