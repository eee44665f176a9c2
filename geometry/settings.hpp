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

// The codes and switches of the settings files hold their file values; a value outside the
// enumerators is kept as read and counts as neither.

/// What saving does with the file RC of the position.
enum class RcFile : std::int16_t { Removed = 0, Written = 1 };

/// The wall material: the index of its modulus among rigid, concrete and masonry.
enum class WallMaterial : std::int16_t { Rigid = 0, Concrete = 1, Masonry = 2 };

/// A display or print switch of MORVELMEM5.
enum class Switch : std::uint8_t { Off = 0, On = 1 };

/// Whether clicks snap to the nearest line end (FANGEN).
enum class Snapping : std::int32_t { Off = 0, On = 1 };

/// GDUSER1: user values of the outline input; the reader reads kReadSize bytes, the writer adds
/// a second material block.
struct GdUser1 {
    static constexpr std::size_t kReadSize = 66;
    static constexpr std::size_t kSize = 76;
    double first = 0.16;
    double second = 0.2;
    double third = 0.0;
    double firstAgain = 0.16;
    RcFile rc = RcFile::Removed;
    std::int16_t value = 25;
    std::array<float, 3> moduli{1e24f, 30000000.0f, 6000000.0f}; ///< rigid, concrete, masonry
    WallMaterial material = WallMaterial::Masonry;
    float height = 2.75f;
    float thickness = 0.24f;
    double last = 0.0;
    WallMaterial material2 = WallMaterial::Masonry; ///< written, not read
    float height2 = 2.75f;
    float thickness2 = 0.24f;
};

/// FANGEN: snap radius and snap switch.
struct SnapSettings {
    static constexpr std::size_t kSize = 8;
    float radius = 0.05f; ///< [m]
    Snapping snapping = Snapping::On;

    template <class Self, class F> static void fields(Self& s, F&& f) {
        f(0, s.radius);
        f(4, s.snapping);
    }
};

/// MORVELMEM5: remembered material and view settings.
struct MemorySettings {
    static constexpr std::size_t kSize = 31;
    std::array<float, 3> moduli{1e24f, 30000000.0f, 6000000.0f}; ///< rigid, concrete, masonry
    WallMaterial material = WallMaterial::Masonry;
    float wallHeight = 2.75f;
    float wallThickness = 0.24f;
    Switch nodeNumbers = Switch::Off;
    Switch elementNumbers = Switch::Off;
    Switch colouredPlate = Switch::Off;
    Switch printFrame = Switch::On;
    Switch autoOrientation = Switch::Off;
    float fontSize = 10.0f;

    template <class Self, class F> static void fields(Self& s, F&& f) {
        f(0, s.moduli);
        f(12, s.material);
        f(14, s.wallHeight);
        f(18, s.wallThickness);
        f(22, s.nodeNumbers);
        f(23, s.elementNumbers);
        f(24, s.colouredPlate);
        f(25, s.printFrame);
        f(26, s.autoOrientation);
        f(27, s.fontSize);
    }
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

/// Decodes FANGEN (kSize bytes); defaults for any other size.
SnapSettings decodeSnap(const std::vector<std::uint8_t>& bytes);
/// Encodes FANGEN as its kSize bytes.
std::vector<std::uint8_t> encodeSnap(const SnapSettings& s);

/// Decodes MORVELMEM5 (kSize bytes); defaults for any other size.
MemorySettings decodeMemory(const std::vector<std::uint8_t>& bytes);
/// Encodes MORVELMEM5 as its kSize bytes.
std::vector<std::uint8_t> encodeMemory(const MemorySettings& s);

/// Reads MORVELMEM5, FMARGIN and FANGEN of the working directory (GDUSER1 is read separately).
void readStartSettings(const std::string& workDirectory, Settings& s);
/// Writes MORVELMEM5 into the working directory; false on failure.
bool writeMemory(const std::string& workDirectory, const MemorySettings& m);
/// Reads GDUSER1 of the working directory.
GdUser1 readGdUser1(const std::string& workDirectory);
/// Writes GDUSER1 into the working directory; false on failure.
bool writeGdUser1(const std::string& workDirectory, const GdUser1& g);

} // namespace morvel
