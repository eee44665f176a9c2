// Opening and storing the device settings dialogs.
#include "manager/device_dialogs.hpp"

#include "common/file_io.hpp"
#include "common/format.hpp"
#include "common/text.hpp"

namespace tarvik {

namespace {

Stored write(const std::string& work, std::string_view name,
             const std::vector<std::uint8_t>& bytes) {
    Stored stored;
    if (!slab::writeFileAtomic(work + std::string(name), bytes)) stored.failed.emplace_back(name);
    return stored;
}

/// The longest parameter text PGLINFO's field holds.
constexpr std::size_t kMaxParameters = 80;

} // namespace

std::optional<std::string> Stored::message() const {
    if (problem) return problem;
    if (!failed.empty())
        return slab::format("Nicht geschrieben: %s", slab::joinNames(failed).c_str());
    return std::nullopt;
}

bool reportStored(const Stored& stored, ports::MessageBox& box) {
    const auto text = stored.message();
    if (text) box.message("Fehler", *text);
    return !text;
}

PrinterControl openPrinterControl(const std::string& work) {
    const ConversionProgram program = readConversionProgram(work);
    const PrinterStrings strings = readPrinterStrings(work);
    return {strings.hardware, program.parameters, controlText(strings.init),
            controlText(strings.reset)};
}

Stored storePrinterControl(const std::string& work, const PrinterControl& dialog) {
    if (dialog.parameters.size() > kMaxParameters)
        return {slab::format("Die Parameter haben höchstens %zu Zeichen.", kMaxParameters), {}};
    PrinterStrings strings = readPrinterStrings(work);
    strings.hardware = dialog.hardware;
    if (dialog.hardware) {
        const ControlBytes init = controlBytes(dialog.init);
        if (init.problem) return {"Initialisierungsstring: " + *init.problem, {}};
        const ControlBytes reset = controlBytes(dialog.reset);
        if (reset.problem) return {"String zum Zurücksetzen: " + *reset.problem, {}};
        strings.init = init.bytes;
        strings.reset = reset.bytes;
    }
    ConversionProgram program;
    program.byProgram = !dialog.hardware;
    program.folder = work;
    program.parameters = dialog.parameters;
    Stored stored = write(work, kPrinterStringsFile, encodePrinterStrings(strings));
    for (auto& name : write(work, kConversionFile, encodeConversionProgram(program)).failed)
        stored.failed.push_back(std::move(name));
    return stored;
}

Stored storePlotParameters(const std::string& work, const PlotParameters& p) {
    if (auto problem = plotParametersProblem(p)) return {problem, {}};
    return write(work, kPlotParametersFile, encodePlotParameters(p));
}

Stored storeScreenSize(const std::string& work, const ScreenSize& size) {
    if (auto problem = screenSizeProblem(size)) return {problem, {}};
    Stored stored;
    if (!slab::writeFileAtomic(work + std::string(kScreenSizeFile), screenSizeText(size)))
        stored.failed.emplace_back(kScreenSizeFile);
    return stored;
}

Stored storeOutputMedium(const std::string& work, OutputMedium medium) {
    return write(work, kOutputMediumFile, encodeOutputMedium(medium));
}

Stored storePlotterConnection(const std::string& work, const PlotterConnection& p) {
    if (auto problem = plotterConnectionProblem(p)) return {problem, {}};
    return write(work, kPlotterFile, encodePlotterConnection(p));
}

} // namespace tarvik
