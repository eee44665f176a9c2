// The printer and plotter connection in the working directory: PGLINFO (the plot conversion
// program), LASINFO (the printer's control strings), PLOTINFO (the plotter's port), and the
// control sequences typed as "#27 + E".
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

inline constexpr std::string_view kConversionFile = "PGLINFO";
inline constexpr std::string_view kPrinterStringsFile = "LASINFO";
inline constexpr std::string_view kPlotterFile = "PLOTINFO";

/// A control string holds at most this many bytes before its NUL.
inline constexpr std::size_t kMaxControlBytes = 80;

/// PGLINFO, 250 bytes: how plots reach the printer.
struct ConversionProgram {
    static constexpr std::size_t kSize = 250;
    bool byProgram = true; ///< "Durch Programm (Standard)"; false: the printer itself
    std::string folder;    ///< the conversion program's folder: the working directory
    std::string parameters = "/FL /M0.9 /D+W";
    std::string fixedOption = "/FV";
    bool operator==(const ConversionProgram&) const = default;
};

/// LASINFO, 328 bytes: the printer's control strings as bytes; the bytes after them are kept.
struct PrinterStrings {
    static constexpr std::size_t kSize = 328;
    bool hardware = false;           ///< the printer understands the plot language itself
    std::string init;                ///< switches the printer into the plot language
    std::string reset;               ///< back to text mode
    std::vector<std::uint8_t> image; ///< the file as read, so that unused bytes stay
    bool operator==(const PrinterStrings&) const = default;
};

/// PLOTINFO, 14 bytes: the plotter's connection.
struct PlotterConnection {
    static constexpr std::size_t kSize = 14;
    int baud = 9600;
    int stopBits = 1;
    int dataBits = 8;
    char parity = 'N';
    std::string port = "COM1";
    bool operator==(const PlotterConnection&) const = default;
    /// True for the parallel ports LPT1 and LPT2.
    bool parallel() const { return port.rfind("LPT", 0) == 0; }
};

std::vector<std::uint8_t> encodeConversionProgram(const ConversionProgram& c);
/// nullopt when the bytes are fewer than 250.
std::optional<ConversionProgram> decodeConversionProgram(const std::vector<std::uint8_t>& bytes);
/// PGLINFO of the working directory; without it the defaults with the working directory.
ConversionProgram readConversionProgram(const std::string& workDirectory);

std::vector<std::uint8_t> encodePrinterStrings(const PrinterStrings& s);
/// nullopt when the bytes are fewer than 328.
std::optional<PrinterStrings> decodePrinterStrings(const std::vector<std::uint8_t>& bytes);
/// LASINFO of the working directory; empty strings and the conversion program without it.
PrinterStrings readPrinterStrings(const std::string& workDirectory);

std::vector<std::uint8_t> encodePlotterConnection(const PlotterConnection& p);
/// nullopt when the bytes are fewer than 14.
std::optional<PlotterConnection> decodePlotterConnection(const std::vector<std::uint8_t>& bytes);
/// PLOTINFO of the working directory, its defaults when it is missing.
PlotterConnection readPlotterConnection(const std::string& workDirectory);
/// Why a connection cannot be stored (baud 150 to 9600 in its steps, stop bits 1 or 2, data
/// bits 7 or 8, parity N, E or O, port LPT1, LPT2, COM1 or COM2), or nullopt.
std::optional<std::string> plotterConnectionProblem(const PlotterConnection& p);

/// The bytes of a typed control sequence, or the reason there are none.
struct ControlBytes {
    std::string bytes;
    std::optional<std::string> problem;
};

/// Converts a typed sequence ("#27 + % + 0 + B + ;") into bytes: "+" and blanks between the
/// parts are skipped, "#" and a decimal code (1 to 255) give that byte, and any other character
/// from 32 to 123 stands for itself. A code ends at its first non-digit, which then counts on its
/// own, so that "#27+E" keeps its "E". Codes out of range, "#" without digits, characters that
/// cannot be sent as they are (outside 32 to 123) and more than 80 bytes are refused.
ControlBytes controlBytes(std::string_view typed);

/// The stored bytes for display, separated by " + ": printable characters as they are, the
/// others and the characters the conversion would skip ("+", "#", blank) as "#code".
std::string controlText(std::string_view bytes);

} // namespace tarvik
