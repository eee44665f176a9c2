// PSCALA, WDEV and PMEDIUM1.
#include "manager/plot_settings.hpp"

#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "common/format.hpp"
#include "manager/document_list.hpp"

#include <cmath>
#include <sstream>

namespace tarvik {

namespace {

bool positive(double v) {
    return std::isfinite(v) && v > 0;
}

std::optional<std::int16_t> storedShort(const std::string& path) {
    const auto bytes = slab::readFileBytes(path);
    if (!bytes || bytes->size() < 2) return std::nullopt;
    return slab::getLE<std::int16_t>(bytes->data());
}

} // namespace

std::vector<std::uint8_t> encodePlotParameters(const PlotParameters& p) {
    std::vector<std::uint8_t> bytes(PlotParameters::kSize);
    PlotParameters::fields(p, slab::FieldWriter{bytes.data()});
    return bytes;
}

std::optional<PlotParameters> decodePlotParameters(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < PlotParameters::kSize) return std::nullopt;
    PlotParameters p;
    PlotParameters::fields(p, slab::FieldReader{bytes.data()});
    return p;
}

PlotParameters readPlotParameters(const std::string& work) {
    const auto bytes = slab::readFileBytes(work + std::string(kPlotParametersFile));
    if (!bytes) return {};
    return decodePlotParameters(*bytes).value_or(PlotParameters{});
}

std::optional<std::string> plotParametersProblem(const PlotParameters& p) {
    if (p.paperSize < 0 || p.paperSize > 4)
        return "Die Papiergröße muss DIN A0 bis A4 sein (0 bis 4).";
    if (p.scale < 1) return "Der Maßstab 1 : n braucht ein n von mindestens 1.";
    if (!positive(p.dxfLetterHeight) || !positive(p.letterWidth) || !positive(p.letterHeight))
        return "Die Buchstabengrößen müssen größer als 0 sein.";
    if (!positive(p.drawingScale)) return "Der Faktor muss größer als 0 sein.";
    if (!positive(p.reduction)) return "Die Verkleinerung muss größer als 0 sein.";
    if (p.direction != 1 && p.direction != 2)
        return "Die Richtung der Schrift ist 90 ° (vertikal) oder 0 ° (horizontal).";
    return std::nullopt;
}

double overviewScaleOf(const PlotParameters& p) {
    return positive(p.drawingScale) ? p.drawingScale : 1.0;
}

std::string screenSizeText(const ScreenSize& size) {
    return slab::format("%i\n%i\n", size.width, size.height);
}

ScreenSize parseScreenSize(std::string_view text) {
    ScreenSize size;
    const auto lines = textLines(text);
    int* values[] = {&size.width, &size.height};
    for (std::size_t k = 0; k < 2 && k < lines.size(); ++k)
        if (auto n = slab::parseInteger(lines[k])) *values[k] = *n;
    return size;
}

ScreenSize readScreenSize(const std::string& work) {
    const auto text = slab::readFileText(work + std::string(kScreenSizeFile));
    return text ? parseScreenSize(*text) : ScreenSize{};
}

std::optional<std::string> screenSizeProblem(const ScreenSize& size) {
    if (size.width < 1 || size.width > 20000 || size.height < 1 || size.height > 20000)
        return "Breite und Höhe müssen zwischen 1 und 20000 Pixel liegen.";
    return std::nullopt;
}

std::vector<std::uint8_t> encodeOutputMedium(OutputMedium medium) {
    std::vector<std::uint8_t> bytes(2);
    slab::putLE(bytes.data(), static_cast<std::int16_t>(medium == OutputMedium::Plotter ? 2 : 1));
    return bytes;
}

OutputMedium readOutputMedium(const std::string& work) {
    if (auto stored = storedShort(work + std::string(kOutputMediumFile));
        stored && (*stored == 1 || *stored == 2))
        return *stored == 2 ? OutputMedium::Plotter : OutputMedium::Printer;
    if (auto old = storedShort(work + std::string(kOldOutputMediumFile)))
        return *old == 0 || *old == 2 ? OutputMedium::Plotter : OutputMedium::Printer;
    return OutputMedium::Printer;
}

} // namespace tarvik
