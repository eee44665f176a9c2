// PGLINFO, LASINFO, PLOTINFO and the control sequences.
#include "manager/printer_control.hpp"

#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "common/format.hpp"

#include <algorithm>

namespace tarvik {

namespace {

// PGLINFO's fields.
constexpr std::size_t kModeAt = 0;
constexpr std::size_t kFolderAt = 6, kFolderWidth = 81;
constexpr std::size_t kParametersAt = 87, kParametersWidth = 81;
constexpr std::size_t kOptionAt = 168, kOptionWidth = 82;
// LASINFO's fields.
constexpr std::size_t kInitAt = 4, kInitWidth = 81;
constexpr std::size_t kResetAt = 85, kResetWidth = 81;
// PLOTINFO's fields.
constexpr std::size_t kParityAt = 6;
constexpr std::size_t kPortAt = 7, kPortWidth = 5;
constexpr std::size_t kParallelAt = 12;

// A field holds its text and a NUL; a damaged field without the NUL gives as many characters as
// the writer stores, so that reading and writing agree.
std::string fieldText(const std::uint8_t* p, std::size_t width) {
    return slab::getTextField(p, width - 1);
}

constexpr int kBauds[] = {150, 300, 600, 1200, 2400, 4800, 9600};
constexpr std::string_view kPorts[] = {"LPT1", "LPT2", "COM1", "COM2"};

/// Characters the conversion takes as they are.
bool literal(unsigned char c) {
    return c >= 32 && c <= 123 && c != '+' && c != '#' && c != ' ';
}

bool digit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::vector<std::uint8_t> encodeConversionProgram(const ConversionProgram& c) {
    std::vector<std::uint8_t> bytes(ConversionProgram::kSize, 0);
    bytes[kModeAt] = c.byProgram ? 1 : 0;
    slab::putLE(bytes.data() + 2, std::int16_t{1});
    slab::putLE(bytes.data() + 4, std::int16_t{1});
    slab::putTextField(bytes.data() + kFolderAt, kFolderWidth, c.folder);
    slab::putTextField(bytes.data() + kParametersAt, kParametersWidth, c.parameters);
    slab::putTextField(bytes.data() + kOptionAt, kOptionWidth, c.fixedOption);
    return bytes;
}

std::optional<ConversionProgram> decodeConversionProgram(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < ConversionProgram::kSize) return std::nullopt;
    ConversionProgram c;
    c.byProgram = bytes[kModeAt] != 0;
    c.folder = fieldText(bytes.data() + kFolderAt, kFolderWidth);
    c.parameters = fieldText(bytes.data() + kParametersAt, kParametersWidth);
    c.fixedOption = fieldText(bytes.data() + kOptionAt, kOptionWidth);
    return c;
}

ConversionProgram readConversionProgram(const std::string& work) {
    if (auto bytes = slab::readFileBytes(work + std::string(kConversionFile)))
        if (auto c = decodeConversionProgram(*bytes)) return *c;
    ConversionProgram c;
    c.folder = work;
    return c;
}

std::vector<std::uint8_t> encodePrinterStrings(const PrinterStrings& s) {
    std::vector<std::uint8_t> bytes = s.image;
    bytes.resize(PrinterStrings::kSize, 0);
    bytes[0] = s.hardware ? 1 : 0;
    slab::putTextField(bytes.data() + kInitAt, kInitWidth, s.init);
    slab::putTextField(bytes.data() + kResetAt, kResetWidth, s.reset);
    return bytes;
}

std::optional<PrinterStrings> decodePrinterStrings(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < PrinterStrings::kSize) return std::nullopt;
    PrinterStrings s;
    s.hardware = bytes[0] != 0;
    s.init = fieldText(bytes.data() + kInitAt, kInitWidth);
    s.reset = fieldText(bytes.data() + kResetAt, kResetWidth);
    s.image.assign(bytes.begin(), bytes.begin() + PrinterStrings::kSize);
    return s;
}

PrinterStrings readPrinterStrings(const std::string& work) {
    if (auto bytes = slab::readFileBytes(work + std::string(kPrinterStringsFile)))
        if (auto s = decodePrinterStrings(*bytes)) return *s;
    return {};
}

std::vector<std::uint8_t> encodePlotterConnection(const PlotterConnection& p) {
    std::vector<std::uint8_t> bytes(PlotterConnection::kSize, 0);
    slab::putLE(bytes.data(), static_cast<std::int16_t>(p.baud));
    slab::putLE(bytes.data() + 2, static_cast<std::int16_t>(p.stopBits));
    slab::putLE(bytes.data() + 4, static_cast<std::int16_t>(p.dataBits));
    bytes[kParityAt] = static_cast<std::uint8_t>(p.parity);
    slab::putTextField(bytes.data() + kPortAt, kPortWidth, p.port);
    bytes[kParallelAt] = p.parallel() ? 1 : 0;
    return bytes;
}

std::optional<PlotterConnection> decodePlotterConnection(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < PlotterConnection::kSize) return std::nullopt;
    PlotterConnection p;
    p.baud = slab::getLE<std::int16_t>(bytes.data());
    p.stopBits = slab::getLE<std::int16_t>(bytes.data() + 2);
    p.dataBits = slab::getLE<std::int16_t>(bytes.data() + 4);
    p.parity = static_cast<char>(bytes[kParityAt]);
    p.port = fieldText(bytes.data() + kPortAt, kPortWidth);
    return p;
}

PlotterConnection readPlotterConnection(const std::string& work) {
    if (auto bytes = slab::readFileBytes(work + std::string(kPlotterFile)))
        if (auto p = decodePlotterConnection(*bytes)) return *p;
    return {};
}

std::optional<std::string> plotterConnectionProblem(const PlotterConnection& p) {
    if (std::find(std::begin(kPorts), std::end(kPorts), p.port) == std::end(kPorts))
        return "Die Schnittstelle ist LPT1, LPT2, COM1 oder COM2.";
    if (std::find(std::begin(kBauds), std::end(kBauds), p.baud) == std::end(kBauds))
        return "Die Baudrate ist 150, 300, 600, 1200, 2400, 4800 oder 9600.";
    if (p.stopBits != 1 && p.stopBits != 2) return "Die Zahl der Stopbits ist 1 oder 2.";
    if (p.dataBits != 7 && p.dataBits != 8) return "Die Zahl der Datenbits ist 7 oder 8.";
    if (p.parity != 'N' && p.parity != 'E' && p.parity != 'O')
        return "Die Parität ist None, Even oder Odd.";
    return std::nullopt;
}

ControlBytes controlBytes(std::string_view typed) {
    ControlBytes result;
    for (std::size_t k = 0; k < typed.size();) {
        const char c = typed[k];
        if (c == '#') {
            std::size_t end = k + 1;
            while (end < typed.size() && digit(typed[end]) && end - k <= 3)
                ++end;
            const std::string code(typed.substr(k + 1, end - k - 1));
            const int value = code.empty() ? 0 : std::stoi(code);
            if (code.empty() || value < 1 || value > 255 ||
                (end < typed.size() && digit(typed[end]))) {
                result.problem = "Nach \"#\" steht ein ASCII-Code von 1 bis 255, zum Beispiel "
                                 "#27 für ESCAPE.";
                return result;
            }
            result.bytes += static_cast<char>(value);
            k = end;
        } else if (c == '+' || c == ' ') {
            ++k;
        } else if (literal(static_cast<unsigned char>(c))) {
            result.bytes += c;
            ++k;
        } else {
            // A character the printer would never get is not dropped unseen.
            result.problem = "Die Steuerfolge enthält ein Zeichen, das so nicht gesendet werden "
                             "kann; bitte als # + ASCII-Code eingeben.";
            return result;
        }
    }
    if (result.bytes.size() > kMaxControlBytes)
        result.problem =
            slab::format("Die Steuerfolge ist zu lang (höchstens %zu Zeichen).", kMaxControlBytes);
    return result;
}

std::string controlText(std::string_view bytes) {
    std::string text;
    for (char c : bytes) {
        if (!text.empty()) text += " + ";
        const auto u = static_cast<unsigned char>(c);
        if (literal(u))
            text += c;
        else
            text += slab::format("#%u", static_cast<unsigned>(u));
    }
    return text;
}

} // namespace tarvik
