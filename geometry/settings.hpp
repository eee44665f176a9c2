// The geometry editor's settings files in the working directory: GDUSER1, FMARGIN, FANGEN,
// MORVELMEM5. A missing file or one of the wrong size gives the defaults.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvel {

inline constexpr std::string_view kGdUser1File = "GDUSER1";
inline constexpr std::string_view kMarginFile = "FMARGIN";
inline constexpr std::string_view kSnapFile = "FANGEN";
inline constexpr std::string_view kMemoryFile = "MORVELMEM5";

/// Join tolerance of line end points when FMARGIN gives none [m].
inline constexpr double kDefaultMargin = 0.05;

/// GDUSER1: user values of the outline input; the reader reads kReadSize bytes, the writer adds
/// a second material block.
struct GdUser1 {
    static constexpr std::size_t kReadSize = 66;
    static constexpr std::size_t kSize = 76;
    double first = 0.16;
    double second = 0.2;
    double third = 0.0;
    double firstAgain = 0.16;
    std::int16_t rc = 0; ///< 1: the file RC is written on save
    std::int16_t value = 25;
    std::array<float, 3> moduli{1e24f, 30000000.0f, 6000000.0f}; ///< rigid, concrete, masonry
    std::int16_t material = 2;
    float height = 2.75f;
    float thickness = 0.24f;
    double last = 0.0;
    std::int16_t material2 = 2; ///< written, not read
    float height2 = 2.75f;
    float thickness2 = 0.24f;
};

/// FANGEN: snap radius and snap switch.
struct SnapSettings {
    static constexpr std::size_t kSize = 8;
    float radius = 0.05f; ///< [m]
    std::int32_t on = 1;
};

/// MORVELMEM5: remembered material and view settings.
struct MemorySettings {
    static constexpr std::size_t kSize = 31;
    std::array<float, 3> moduli{1e24f, 30000000.0f, 6000000.0f}; ///< rigid, concrete, masonry
    std::int16_t material = 2;
    float wallHeight = 2.75f;
    float wallThickness = 0.24f;
    std::uint8_t nodeNumbers = 0;
    std::uint8_t elementNumbers = 0;
    std::uint8_t colouredPlate = 0;
    std::uint8_t printFrame = 1;
    std::uint8_t autoOrientation = 0;
    float fontSize = 10.0f;
};

/// All settings of the working directory.
struct Settings {
    GdUser1 user;
    double margin = kDefaultMargin; ///< FMARGIN [m]
    SnapSettings snap;
    MemorySettings memory;
};

/// Decodes GDUSER1 (kReadSize or kSize bytes); defaults for any other size.
GdUser1 decodeGdUser1(const std::vector<std::uint8_t>& bytes);
/// Encodes GDUSER1 as its kSize bytes.
std::vector<std::uint8_t> encodeGdUser1(const GdUser1& g);

/// The first number of FMARGIN's text; the default when there is none or it is not positive.
double parseMargin(std::string_view text);

SnapSettings decodeSnap(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> encodeSnap(const SnapSettings& s);

MemorySettings decodeMemory(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> encodeMemory(const MemorySettings& s);

/// Reads MORVELMEM5, FMARGIN and FANGEN of the working directory (GDUSER1 is read separately).
void readStartSettings(const std::string& workDirectory, Settings& s);
/// Reads GDUSER1 of the working directory.
GdUser1 readGdUser1(const std::string& workDirectory);
/// Writes GDUSER1 into the working directory; false on failure.
bool writeGdUser1(const std::string& workDirectory, const GdUser1& g);

} // namespace morvel
