// The settings of graphics output in the working directory: PSCALA (plot parameters), WDEV
// (screen size of the result graphics) and PMEDIUM1/PMEDIUM (printer or plotter).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

inline constexpr std::string_view kPlotParametersFile = "PSCALA";
inline constexpr std::string_view kScreenSizeFile = "WDEV";
inline constexpr std::string_view kOutputMediumFile = "PMEDIUM1";
inline constexpr std::string_view kOldOutputMediumFile = "PMEDIUM";

/// Direction of the texts along the y axis of a plot.
enum class TextDirection {
    Vertical,   ///< 1: "um 90 ° drehen (vertikale Schrift)"
    Horizontal, ///< 2: "0 ° (horizontale Schrift)"
};

/// PSCALA ("Parameter der Ploterzeugung"), 100 bytes. The plot area limits are in plotter units
/// for DIN A0 to A4 and a sixth, unused size; the unused bytes are kept as read.
struct PlotParameters {
    static constexpr std::size_t kSize = 100;
    std::int16_t paperSize = 4; ///< DIN A number
    std::int16_t scale = 1;     ///< n of 1:n; 1 fills the sheet
    std::int16_t offset4 = 2;   ///< not edited here
    std::array<std::int16_t, 6> left{-22190, -15120, -6875, 170, 603, 0};
    std::array<std::int16_t, 6> right{22190, 15120, 6875, 15370, 10603, 0};
    std::array<std::int16_t, 6> lower{-15740, -10760, -10875, 602, 521, 0};
    std::array<std::int16_t, 6> upper{15740, 10760, 10875, 10602, 7721, 0};
    std::array<std::uint8_t, 2> unused54{};
    double dxfLetterHeight = 0.1;
    double letterWidth = 1.0;
    double letterHeight = 1.0;
    double drawingScale = 1.0;  ///< the overview drawing's scale factor
    std::int16_t direction = 1; ///< TextDirection as stored: 1 or 2
    std::array<std::uint8_t, 2> unused90{};
    float reduction = 1.0f;    ///< "Verkleinerung", used only at 1:1
    std::uint8_t dxfFiles = 0; ///< 1: "Plot- und DXF-Files erzeugen", 0: only plot files
    std::array<std::uint8_t, 3> unused97{};

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.paperSize);
        f(2, r.scale);
        f(4, r.offset4);
        f(6, r.left);
        f(18, r.right);
        f(30, r.lower);
        f(42, r.upper);
        f(54, r.unused54);
        f(56, r.dxfLetterHeight);
        f(64, r.letterWidth);
        f(72, r.letterHeight);
        f(80, r.drawingScale);
        f(88, r.direction);
        f(90, r.unused90);
        f(92, r.reduction);
        f(96, r.dxfFiles);
        f(97, r.unused97);
    }
    bool operator==(const PlotParameters&) const = default;
};

/// The 100 bytes of PSCALA.
std::vector<std::uint8_t> encodePlotParameters(const PlotParameters& p);

/// PSCALA's parameters; nullopt when the file is shorter than 100 bytes.
std::optional<PlotParameters> decodePlotParameters(const std::vector<std::uint8_t>& bytes);

/// PSCALA of the working directory; the defaults as a whole when it is missing or short.
PlotParameters readPlotParameters(const std::string& workDirectory);

/// Why plot parameters cannot be stored (paper size outside A0 to A4, a scale below 1, a
/// letter size, factor or reduction not above 0, a direction other than 1 or 2), or nullopt.
std::optional<std::string> plotParametersProblem(const PlotParameters& p);

/// The overview's scale factor of parameters read from a file: a factor that is not a positive
/// number (a damaged file) gives 1.
double overviewScaleOf(const PlotParameters& p);

/// WDEV: the screen size of the result graphics in pixels.
struct ScreenSize {
    int width = 640;
    int height = 480;
    bool operator==(const ScreenSize&) const = default;
};

/// "%i\n%i\n".
std::string screenSizeText(const ScreenSize& size);

/// WDEV's size; a value missing or not a number keeps its default.
ScreenSize parseScreenSize(std::string_view text);

/// WDEV of the working directory, its defaults when it is missing.
ScreenSize readScreenSize(const std::string& workDirectory);

/// Why a screen size cannot be stored (each side 1 to 20000 pixels), or nullopt.
std::optional<std::string> screenSizeProblem(const ScreenSize& size);

/// Where plots go ("Plotausgabe").
enum class OutputMedium {
    Printer, ///< 1: "Drucker"
    Plotter, ///< 2: "Plotter"
};

/// PMEDIUM1: the medium as one signed 16-bit number.
std::vector<std::uint8_t> encodeOutputMedium(OutputMedium medium);

/// PMEDIUM1 when it holds 1 or 2, else the older PMEDIUM (0 and 2 mean the plotter), else the
/// printer.
OutputMedium readOutputMedium(const std::string& workDirectory);

} // namespace tarvik
