// The load editor's binary bookkeeping files: the load case header PL, the load case list DIARY,
// the save order D2LOG, the import time stamp TIMELW, LAST and the remembered values of MMRYL.
#pragma once

#include "loads/load_case.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace daskel {

/// The counts and flags of a PL header that deleting a load case needs.
struct HeaderCounts {
    int number = 0;
    int nt = 0, np = 0, nl = 0, nr = 0;
    bool edgeLoadFlag = false;
};

/// The 376 bytes of the PL header of the load case; reserved bytes are zero.
std::vector<std::uint8_t> encodeHeader(const LoadCase& lc);
/// The counts of a PL image; nullopt when it is shorter than 376 bytes.
std::optional<HeaderCounts> decodeHeaderCounts(const std::vector<std::uint8_t>& bytes);
/// The header of a PL image as a load case without loads: number, title, self weight, uniform
/// load, temperature and the flags; nullopt when it is shorter than 376 bytes.
std::optional<LoadCase> decodeHeader(const std::vector<std::uint8_t>& bytes);

/// The list of defined load cases in the order of their first save.
struct Diary {
    static constexpr std::size_t kSize = 402;
    std::vector<int> numbers;                            ///< entries 1 to count, at most 99
    std::array<std::uint8_t, kMaxLoadCase + 1> marker{}; ///< marker of entry v at v
    std::vector<std::uint8_t> image = std::vector<std::uint8_t>(kSize, 0); ///< reserved bytes

    int count() const { return static_cast<int>(numbers.size()); }
    /// The entry (1-based) that holds load case n, or 0.
    int entryOf(int n) const;
};

/// Decodes DIARY. A count outside 0 to 99, numbers outside 1 to 99 and repeated numbers are
/// dropped; each drop is described in `problems` (German, for one message).
Diary decodeDiary(const std::vector<std::uint8_t>& bytes, std::vector<std::string>& problems);
/// The 402 bytes of DIARY; the reserved bytes as read.
std::vector<std::uint8_t> encodeDiary(const Diary& d);

/// D2LOG: a 16-bit count and that many 16-bit load case numbers. A count beyond the file's
/// numbers is cut to them.
std::vector<int> decodeSaveOrder(const std::vector<std::uint8_t>& bytes);
/// D2LOG for the numbers in their order.
std::vector<std::uint8_t> encodeSaveOrder(const std::vector<int>& numbers);

/// TIMELW: a 36-byte file status record of ACADLAST; only the modification time (32-bit
/// seconds at offset 24) is compared, the size is kept at offset 16 for the reader's eye.
std::vector<std::uint8_t> encodeImportStamp(std::int64_t modificationTime, std::int64_t size);
/// The modification time a TIMELW record holds; nullopt when it is shorter than 36 bytes.
std::optional<std::int32_t> decodeImportStampTime(const std::vector<std::uint8_t>& bytes);

/// LAST: four 81-byte texts: "0" and the load case number, the position suffix, the current
/// document name and the data path.
std::vector<std::uint8_t> encodeLast(int loadCase, const std::string& suffix,
                                     const std::string& documentName, const std::string& dataPath);

/// MMRYL: 144 bytes of remembered settings; γ and g of the self-weight dialog as 32-bit floats
/// at offsets 48 and 52. Other bytes are kept as read.
struct Memory {
    static constexpr std::size_t kSize = 144;
    std::vector<std::uint8_t> image = std::vector<std::uint8_t>(kSize, 0);
    bool present = false;

    float gamma() const;
    float g() const;
    void setSelfWeight(float gamma, float g);
};
/// MMRYL as read; a missing file or one of another size gives the defaults.
Memory decodeMemory(const std::optional<std::vector<std::uint8_t>>& bytes);

} // namespace daskel
