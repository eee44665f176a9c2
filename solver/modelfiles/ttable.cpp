#include "solver/modelfiles/ttable.hpp"

#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "common/file_names.hpp"

#include <algorithm>
#include <cstring>

namespace slab {

std::vector<std::uint8_t> encodeTimeTableRecord(const TimeTableRecord& r) {
    std::vector<std::uint8_t> bytes(TimeTableRecord::kSize, 0);
    putLE<std::int32_t>(bytes.data(), static_cast<std::int32_t>(r.time));
    putLE<std::int32_t>(bytes.data() + 4, static_cast<std::int32_t>(r.time >> 32));
    putAnsiTextField(bytes.data() + TimeTableRecord::kTextOffset, TimeTableRecord::kTextBytes, r.text);
    return bytes;
}

std::vector<TimeTableRecord> decodeTimeTable(const std::vector<std::uint8_t>& bytes) {
    std::vector<TimeTableRecord> records;
    for (std::size_t at = 0; at + TimeTableRecord::kSize <= bytes.size();
         at += TimeTableRecord::kSize) {
        const std::uint8_t* p = bytes.data() + at;
        TimeTableRecord r;
        std::uint32_t low = getLE<std::uint32_t>(p);
        std::int32_t high = getLE<std::int32_t>(p + 4);
        r.time = static_cast<std::int64_t>(high) * 4294967296LL + low;
        // The field ends with a NUL: a damaged record without one gives its first 83 bytes, as
        // the writer would store the text, so that reading and writing agree.
        r.text =
            getAnsiTextField(p + TimeTableRecord::kTextOffset, TimeTableRecord::kTextBytes - 1);
        records.push_back(std::move(r));
    }
    return records;
}

std::vector<TimeTableRecord> readTimeTable(const std::string& positionDirectory) {
    auto bytes = readFileBytes(positionDirectory + std::string(files::kTimeTable));
    return bytes ? decodeTimeTable(*bytes) : std::vector<TimeTableRecord>{};
}

bool appendTimeTableRecord(const std::string& positionDirectory, const TimeTableRecord& r) {
    std::vector<std::uint8_t> bytes =
        readFileBytes(positionDirectory + std::string(files::kTimeTable)).value_or(std::vector<std::uint8_t>{});
    bytes.resize(bytes.size() / TimeTableRecord::kSize * TimeTableRecord::kSize);
    auto record = encodeTimeTableRecord(r);
    bytes.insert(bytes.end(), record.begin(), record.end());
    return writeFileAtomic(positionDirectory + std::string(files::kTimeTable), bytes);
}

} // namespace slab
